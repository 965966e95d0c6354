#include "records/items.h"

namespace records {
namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool IsLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

bool ItemReader::takeSeparator() {
    if (pos_ >= text_.size())
        return true;
    const QChar c = text_[pos_];
    if (c == u',') {
        ++pos_;
        return false;
    }
    // A line end: CR LF, lone CR or lone LF.
    ++pos_;
    if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
    return true;
}

Item ItemReader::next() {
    Item item;
    const qsizetype n = text_.size();
    while (pos_ < n && IsBlank(text_[pos_]))
        ++pos_;
    if (pos_ < n && text_[pos_] == u'"') {
        item.quoted = true;
        const qsizetype begin = ++pos_;
        while (pos_ < n && text_[pos_] != u'"' && !IsLineEnd(text_[pos_]))
            ++pos_;
        item.text = text_.mid(begin, pos_ - begin);
        if (pos_ < n && text_[pos_] == u'"')
            ++pos_;
        while (pos_ < n && text_[pos_] != u',' && !IsLineEnd(text_[pos_]))
            ++pos_;
    } else {
        const qsizetype begin = pos_;
        while (pos_ < n && text_[pos_] != u',' && !IsLineEnd(text_[pos_]))
            ++pos_;
        qsizetype end = pos_;
        while (end > begin && IsBlank(text_[end - 1]))
            --end;
        item.text = text_.mid(begin, end - begin);
    }
    item.endsLine = takeSeparator();
    return item;
}

QStringList ReadLine(ItemReader& reader) {
    QStringList items;
    while (!reader.atEnd()) {
        Item item = reader.next();
        items.append(std::move(item.text));
        if (item.endsLine)
            break;
    }
    return items;
}

QString QuoteItem(const QString& text) {
    QString inner = text;
    inner.replace(u'"', u'\'');
    inner.replace(u'\r', u' ');
    inner.replace(u'\n', u' ');
    return u'"' + inner + u'"';
}

} // namespace records
