#include "help/sitemap.h"

#include "help/text.h"

namespace help {

namespace {

struct Tag {
    QString name;                                  // lower case, "/ul" for a closing tag
    QList<std::pair<QString, QString>> attributes; // names in lower case
    QString value(const QString& key) const {
        for (const auto& [k, v] : attributes)
            if (k == key)
                return v;
        return {};
    }
};

// Reads the tag starting at text[pos] == '<' and moves pos past it.
Tag ReadTag(const QString& text, qsizetype& pos) {
    const qsizetype n = text.size();
    Tag tag;
    ++pos;
    auto isSpace = [](QChar c) { return c.isSpace(); };
    qsizetype start = pos;
    while (pos < n && !isSpace(text[pos]) && text[pos] != '>')
        ++pos;
    tag.name = text.mid(start, pos - start).toLower();
    while (pos < n && text[pos] != '>') {
        while (pos < n && (isSpace(text[pos]) || text[pos] == '/'))
            ++pos;
        start = pos;
        while (pos < n && !isSpace(text[pos]) && text[pos] != '=' && text[pos] != '>')
            ++pos;
        const QString key = text.mid(start, pos - start).toLower();
        while (pos < n && isSpace(text[pos]))
            ++pos;
        QString value;
        if (pos < n && text[pos] == '=') {
            ++pos;
            while (pos < n && isSpace(text[pos]))
                ++pos;
            if (pos < n && (text[pos] == '"' || text[pos] == '\'')) {
                const QChar quote = text[pos++];
                start = pos;
                while (pos < n && text[pos] != quote)
                    ++pos;
                value = text.mid(start, pos - start);
                if (pos < n)
                    ++pos;
            } else {
                start = pos;
                while (pos < n && !isSpace(text[pos]) && text[pos] != '>')
                    ++pos;
                value = text.mid(start, pos - start);
            }
        }
        if (!key.isEmpty())
            tag.attributes.append({key, PlainText(value).text});
        else if (pos < n && text[pos] != '>')
            ++pos; // a stray character; never stand still
    }
    if (pos < n)
        ++pos;
    return tag;
}

} // namespace

QList<SitemapEntry> ParseSitemap(QByteArrayView bytes, uint32_t lcid) {
    const QString text = DecodeText(bytes, lcid);
    QList<SitemapEntry> entries;
    int depth = 0;
    bool inObject = false;
    SitemapEntry current;
    auto finish = [&] {
        if (inObject && (!current.name.isEmpty() || !current.local.isEmpty()))
            entries.append(current);
        inObject = false;
    };
    for (qsizetype pos = text.indexOf('<'); pos >= 0; pos = text.indexOf('<', pos)) {
        const Tag tag = ReadTag(text, pos);
        if (tag.name == "ul") {
            finish();
            ++depth;
        } else if (tag.name == "/ul") {
            finish();
            depth = qMax(0, depth - 1);
        } else if (tag.name == "object") {
            finish();
            inObject = tag.value("type").compare("text/sitemap", Qt::CaseInsensitive) == 0;
            current = SitemapEntry{{}, {}, qMin(qMax(0, depth - 1), kMaxSitemapDepth)};
        } else if (tag.name == "/object" || tag.name == "li") {
            finish();
        } else if (tag.name == "param" && inObject) {
            const QString key = tag.value("name").toLower();
            QString& field = key == "name" ? current.name : current.local;
            if ((key == "name" || key == "local") && field.isEmpty())
                field = tag.value("value").trimmed();
        }
    }
    finish();
    return entries;
}

} // namespace help
