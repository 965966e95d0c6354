#include "files.h"
#include "records/cp932.h"
#include "records/history_file.h"
#include "records/items.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace records;

namespace {

const QDateTime kMay1(QDate(2024, 5, 1), QTime(21, 3, 45));
const QByteArray kLine =
    "\"2024/05/01\",\"21:03:45\",25,20,5,90,\"80.0%\",\"1.50/\x95\x62\",\"60\x95\x62\"\r\n";

QList<HistoryRecord> Records(const HistoryLoad& load) {
    QList<HistoryRecord> list;
    for (qsizetype i = 0; i < load.rows.size(); ++i)
        list.append(load.rows.at(i));
    return list;
}

} // namespace

TEST(HistoryRecord, ExampleRoundGivesTheExampleLineByteForByte) {
    const HistoryRecord r = MakeHistoryRecord(20, 5, 90, 60, kMay1);
    EXPECT_EQ(r.fields(), (QStringList{"2024/05/01", "21:03:45", "25", "20", "5", "90", "80.0%",
                                       "1.50/秒", "60秒"}));
    EXPECT_EQ(HistoryLine(r), kLine);
    EXPECT_EQ(MakeHistoryRecord(0, 3, 0, 30, kMay1).fields().mid(2),
              (QStringList{"3", "0", "3", "0", "0.0%", "0.00/秒", "30秒"}));
    EXPECT_EQ(MakeHistoryRecord(1, 0, 2, 60, QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5))).time,
              "03:04:05");
}

TEST(HistoryFile, AppendsLinesAndReadsBackTheSameTexts) {
    Folder f;
    const HistoryRecord a = MakeHistoryRecord(20, 5, 90, 60, kMay1);
    const HistoryRecord b = MakeHistoryRecord(0, 3, 0, 30, kMay1.addSecs(1));
    ASSERT_TRUE(AppendHistory(f.path("h.txt"), a)); // creates the file
    ASSERT_TRUE(AppendHistory(f.path("h.txt"), b));
    EXPECT_EQ(f.read("h.txt"), kLine + HistoryLine(b));
    EXPECT_EQ(Records(LoadHistory(f.path("h.txt"))), (QList<HistoryRecord>{a, b}));
    // A last line without its line end does not swallow the next record.
    f.write("h.txt", kLine.chopped(2));
    ASSERT_TRUE(AppendHistory(f.path("h.txt"), a));
    EXPECT_EQ(f.read("h.txt"), kLine + kLine);
}

TEST(HistoryFile, SkipsLinesThatAreNotRecords) {
    const HistoryLoad load =
        ParseHistory(kLine + "\"a\",\"b\",1,2\r\n" + "\"x\",\"y\",1,99999,0,0,\"\",\"\",\"\"\r\n" +
                     "\"x\",\"y\",1,abc,0,0,\"\",\"\",\"\"\r\n\r\n" +
                     "\"d\",\"t\",\"1,2\",007,-2,0,\"r\",\"s\",\"j\"\r\n");
    ASSERT_EQ(load.rows.size(), 2);
    EXPECT_EQ(load.skippedLines, 3);
    EXPECT_EQ(load.rows.fields(1), (QStringList{"d", "t", "1,2", "7", "-2", "0", "r", "s", "j"}));
    // Text in a count field is written back quoted, so the line stays one record.
    EXPECT_EQ(Records(ParseHistory(HistoryLine(load.rows.at(1)))), Records(load).mid(1));
    EXPECT_TRUE(ParseHistory("").rows.isEmpty());
}

TEST(HistoryFile, CountItemsReadAsTheDecimalNumbersTheyShow) {
    // Each count item is accepted, and shown, exactly as QString::toInt reads it.
    for (const QByteArray& count : std::initializer_list<QByteArray>{"5",
                                                                     "-5",
                                                                     "+5",
                                                                     "007",
                                                                     " 7\t",
                                                                     "\"12\"",
                                                                     "\" 3 \"",
                                                                     "32767",
                                                                     "-32768",
                                                                     "32768",
                                                                     "1e3",
                                                                     "0x10",
                                                                     "",
                                                                     "-",
                                                                     "1 2",
                                                                     "\xEF\xBC\x95",
                                                                     "\x81\x40"
                                                                     "4",
                                                                     "\x82\x54",
                                                                     QByteArray("8\0", 2),
                                                                     QByteArray("8\0\xFF", 3)}) {
        const QByteArray line = "\"d\",\"t\",1," + count + ",0,0,\"r\",\"s\",\"j\"\r\n";
        ItemReader reader(DecodeCp932(line));
        bool ok = false;
        const int expected = ReadLine(reader).value(3).trimmed().toInt(&ok);
        // A NUL ends toInt's reading early; such an item is no number.
        ok = ok && expected >= -32768 && expected <= 32767 && !count.contains('\0');
        const HistoryLoad load = ParseHistory(line);
        ASSERT_EQ(load.rows.size(), ok ? 1 : 0) << count.constData();
        if (ok) {
            EXPECT_EQ(load.rows.fields(0)[3], QString::number(expected)) << count.constData();
        }
    }
}

TEST(HistoryFile, MissingFoldersAndPipesAreEmptyHistories) {
    Folder f;
    EXPECT_TRUE(LoadHistory(f.path("none.txt")).rows.isEmpty());
    QDir(f.dir.path()).mkdir("dir.txt");
    EXPECT_TRUE(LoadHistory(f.path("dir.txt")).rows.isEmpty());
    ASSERT_EQ(mkfifo(f.path("pipe.txt").toLocal8Bit().constData(), 0600), 0);
    EXPECT_TRUE(LoadHistory(f.path("pipe.txt")).rows.isEmpty()); // not waited for
}

TEST(HistoryFile, AFailedAppendLeavesTheOldBytes) {
    Folder f;
    f.write("h.txt", kLine);
    const HistoryRecord r = MakeHistoryRecord(1, 0, 2, 60, kMay1);
    {
        FileSizeLimit full(kLine.size() + 10); // room for part of a line only
        EXPECT_FALSE(AppendHistory(f.path("h.txt"), r));
    }
    EXPECT_EQ(f.read("h.txt"), kLine);
    QDir(f.dir.path()).mkdir("dir.txt");
    EXPECT_FALSE(AppendHistory(f.path("dir.txt"), r));
    EXPECT_FALSE(ClearHistory(f.path("dir.txt")));
    QFile::link("/dev/full", f.path("full.txt"));
    EXPECT_FALSE(AppendHistory(f.path("full.txt"), r));
}

TEST(HistoryFile, ClearEmptiesOrCreatesTheFile) {
    Folder f;
    f.write("h.txt", kLine);
    EXPECT_TRUE(ClearHistory(f.path("h.txt")));
    EXPECT_TRUE(ClearHistory(f.path("new.txt")));
    EXPECT_TRUE(f.exists("h.txt") && f.exists("new.txt"));
    EXPECT_EQ(f.read("h.txt").size() + f.read("new.txt").size(), 0);
}
