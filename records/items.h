#pragma once

#include <QString>
#include <QStringList>

namespace records {

// One item of the comma-and-line-end file format shared by the word list, the
// settings and the history.
struct Item {
    QString text;
    bool quoted = false;   // written between double quotes
    bool endsLine = false; // a line end (or the end of the text) follows it
};

// Reads items one at a time from decoded text. Items end at "," or at a line
// end (CR LF, CR or LF). A quoted item runs to its closing quote, or to the
// line end when the quote is never closed; anything between the closing quote
// and the separator is dropped. A bare item is trimmed of blanks.
class ItemReader {
public:
    explicit ItemReader(QString text) : text_(std::move(text)) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    Item next();

private:
    // Consumes the separator at pos_, returns whether it was a line end.
    bool takeSeparator();

    QString text_;
    qsizetype pos_ = 0;
};

// The items of one record, up to and including the item that ends its line.
QStringList ReadLine(ItemReader& reader);

// Quotes a text item for writing. Quotes inside cannot be represented and are
// replaced so that the line still reads back as the same number of items.
QString QuoteItem(const QString& text);

} // namespace records
