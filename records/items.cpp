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

namespace records {
namespace {

// Bytes that end a run of item text: for bare items ',', CR and LF; quoted
// items also stop at '"'.
struct Stops {
    bool bare[256] = {};
    bool quoted[256] = {};
    constexpr Stops() {
        for (unsigned char c : {',', '\r', '\n'})
            bare[c] = quoted[c] = true;
        quoted[static_cast<unsigned char>('"')] = true;
        quoted[static_cast<unsigned char>(',')] = false;
    }
};
constexpr Stops kStops;

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

ByteItemScanner::ByteItemScanner(qsizetype maxItemBytes, Sink sink)
    : max_(maxItemBytes), sink_(std::move(sink)) {}

void ByteItemScanner::keep(const char* from, qsizetype n) {
    if (tooLong_)
        return;
    // Blanks at the end of a bare item are trimmed when it ends, so they are
    // held back and count against the cap only once text follows them.
    qsizetype text = n;
    if (state_ == State::Bare)
        while (text > 0 && IsBlankByte(from[text - 1]))
            --text;
    if (text > 0) {
        if (qsizetype(item_.size() + blanks_.size()) + text > max_) {
            tooLong_ = true;
            item_.clear();
            blanks_.clear();
            return;
        }
        item_ += blanks_;
        blanks_.clear();
        item_.append(from, text);
    }
    // Past the cap their bytes no longer matter, only that there are so many.
    const qsizetype room = max_ + 1 - qsizetype(blanks_.size());
    blanks_.append(from + text, std::min(n - text, std::max<qsizetype>(room, 0)));
}

bool ByteItemScanner::endItem(bool endsLine) {
    const bool more =
        sink_(QByteArrayView(item_.data(), qsizetype(item_.size())), endsLine, tooLong_);
    item_.clear();
    blanks_.clear();
    tooLong_ = false;
    open_ = false;
    stopped_ = !more;
    return more;
}

bool ByteItemScanner::feed(QByteArrayView piece) {
    const char* p = piece.data();
    const qsizetype n = piece.size();
    qsizetype i = 0;
    while (i < n && !stopped_) {
        const char c = p[i];
        switch (state_) {
        case State::AfterCr:
            state_ = State::Start;
            if (c == '\n')
                ++i;
            break;
        case State::Start:
            if (IsBlankByte(c)) {
                open_ = true;
                ++i;
            } else if (c == '"') {
                state_ = State::Quoted;
                open_ = true;
                ++i;
            } else {
                state_ = State::Bare;
                open_ = true;
            }
            break;
        case State::Bare:
        case State::Quoted: {
            const bool* stops = state_ == State::Bare ? kStops.bare : kStops.quoted;
            qsizetype j = i;
            while (j < n && !stops[static_cast<unsigned char>(p[j])])
                ++j;
            keep(p + i, j - i);
            i = j;
            if (i == n)
                break;
            if (p[i] == '"') {
                state_ = State::AfterQuote;
                ++i;
                break;
            }
            [[fallthrough]];
        }
        case State::AfterQuote:
            if (p[i] == ',') {
                endItem(false);
                state_ = State::Start;
            } else if (p[i] == '\r' || p[i] == '\n') {
                const bool cr = p[i] == '\r';
                endItem(true);
                state_ = cr ? State::AfterCr : State::Start;
            }
            ++i;
            break;
        }
    }
    return !stopped_;
}

void ByteItemScanner::finish() {
    if (!stopped_ &&
        (open_ || state_ == State::Bare || state_ == State::Quoted || state_ == State::AfterQuote))
        endItem(true);
    state_ = State::Start;
}

} // namespace records
