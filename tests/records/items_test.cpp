#include "records/items.h"

#include <gtest/gtest.h>

using namespace records;

namespace {

QStringList All(const QString& text) {
    ItemReader reader(text);
    QStringList items;
    while (!reader.atEnd())
        items << reader.next().text;
    return items;
}

} // namespace

TEST(ItemReader, SplitsAtCommasAndEveryKindOfLineEnd) {
    EXPECT_EQ(All("あさ\r\nひる\r\nよる\r\n"), (QStringList{"あさ", "ひる", "よる"}));
    EXPECT_EQ(All("いぬ,ねこ"), (QStringList{"いぬ", "ねこ"}));
    EXPECT_EQ(All("a\rb\nc"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(All(""), QStringList{});
    EXPECT_EQ(All("a,\r\n\r\nb"), (QStringList{"a", "", "", "b"}));
}

TEST(ItemReader, QuotedItemsKeepCommasAndBlanks) {
    ItemReader reader(QStringLiteral("\" a,b \" , 12 ,\"x\"junk,y"));
    Item first = reader.next();
    EXPECT_EQ(first.text, " a,b ");
    EXPECT_TRUE(first.quoted);
    Item second = reader.next();
    EXPECT_EQ(second.text, "12");
    EXPECT_FALSE(second.quoted);
    EXPECT_EQ(reader.next().text, "x");
    EXPECT_EQ(reader.next().text, "y");
    EXPECT_TRUE(reader.atEnd());
}

TEST(ItemReader, AnUnclosedQuoteEndsAtTheLineEnd) {
    EXPECT_EQ(All("\"abc\r\ndef"), (QStringList{"abc", "def"}));
    EXPECT_EQ(All("\""), QStringList{""});
}

TEST(ItemReader, ReportsWhereLinesEnd) {
    ItemReader reader(QStringLiteral("1,2\r\n3"));
    EXPECT_EQ(ReadLine(reader), (QStringList{"1", "2"}));
    EXPECT_EQ(ReadLine(reader), QStringList{"3"});
    EXPECT_TRUE(reader.atEnd());
}

TEST(ItemReader, QuotingNeverAddsItems) {
    const QString item = QuoteItem(QStringLiteral("a\"b,c\r\nd"));
    ItemReader reader(item + ",x\r\n");
    EXPECT_EQ(ReadLine(reader).size(), 2);
}
