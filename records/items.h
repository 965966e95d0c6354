#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

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

namespace records {

// Splits raw bytes into items as ItemReader splits decoded text, a piece of
// the file at a time. Commas, quotes, blanks and line ends are ASCII and are
// never part of a multi-byte character in code page 932 or UTF-8, so the
// items come out the same without decoding first. An item longer than the cap
// (blanks trimmed off a bare one not counted) is not kept: it comes out empty
// and marked too long.
class ByteItemScanner {
public:
    // Gets each item as it ends; returns false to stop the scan.
    using Sink = std::function<bool(QByteArrayView item, bool endsLine, bool tooLong)>;

    ByteItemScanner(qsizetype maxItemBytes, Sink sink);

    // False once the sink has asked to stop.
    bool feed(QByteArrayView piece);
    // Ends the text: an item still open comes out, ending its line.
    void finish();

private:
    enum class State { Start, Bare, Quoted, AfterQuote, AfterCr };
    bool endItem(bool endsLine);
    void keep(const char* from, qsizetype n);

    qsizetype max_;
    Sink sink_;
    State state_ = State::Start;
    bool open_ = false; // bytes of an item have been seen since the last separator
    bool tooLong_ = false;
    bool stopped_ = false;
    std::string item_;   // std::string: appends are cheaper than QByteArray's
    std::string blanks_; // blanks that end the bare item so far, held back
};

} // namespace records
