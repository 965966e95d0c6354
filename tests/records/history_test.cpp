#include "files.h"
#include "records/cp932.h"
#include "records/history_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace records;

namespace {

const QDateTime kMay1(QDate(2024, 5, 1), QTime(21, 3, 45));
const QByteArray kExampleLine =
    "\"2024/05/01\",\"21:03:45\",25,20,5,90,\"80.0%\",\"1.50/\x95\x62\",\"60\x95\x62\"\r\n";

} // namespace

TEST(HistoryRecord, ExampleRoundGivesTheExampleLineByteForByte) {
    const HistoryRecord r = MakeHistoryRecord(20, 5, 90, 60, kMay1);
    EXPECT_EQ(r.fields(), (QStringList{"2024/05/01", "21:03:45", "25", "20", "5", "90", "80.0%",
                                       "1.50/秒", "60秒"}));
    EXPECT_EQ(HistoryLine(r), kExampleLine);
}

TEST(HistoryRecord, OnlyWrongAnswersAndThirds) {
    EXPECT_EQ(MakeHistoryRecord(0, 3, 0, 30, kMay1).fields().mid(2),
              (QStringList{"3", "0", "3", "0", "0.0%", "0.00/秒", "30秒"}));
    EXPECT_EQ(MakeHistoryRecord(2, 1, 6, 60, kMay1).rate, "66.7%");
    // Early morning keeps its two-digit hour.
    EXPECT_EQ(MakeHistoryRecord(1, 0, 2, 60, QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5))).time,
              "03:04:05");
}

TEST(HistoryFile, AppendsLinesAndReadsBackTheSameTexts) {
    Folder f;
    const QString path = f.path("h.txt");
    const HistoryRecord a = MakeHistoryRecord(20, 5, 90, 60, kMay1);
    const HistoryRecord b = MakeHistoryRecord(0, 3, 0, 30, kMay1.addSecs(1));
    ASSERT_TRUE(AppendHistory(path, a)); // creates the file
    ASSERT_TRUE(AppendHistory(path, b));
    EXPECT_EQ(f.read("h.txt"), kExampleLine + HistoryLine(b));
    const HistoryLoad load = LoadHistory(path);
    ASSERT_EQ(load.records.size(), 2);
    EXPECT_EQ(load.records[0], a);
    EXPECT_EQ(load.records[1], b);
}

TEST(HistoryFile, SkipsLinesThatAreNotRecords) {
    Folder f;
    const HistoryRecord good = MakeHistoryRecord(20, 5, 90, 60, kMay1);
    f.write("h.txt", kExampleLine + "\"a\",\"b\",1,2\r\n" +
                         "\"x\",\"y\",1,99999,0,0,\"\",\"\",\"\"\r\n" +
                         "\"x\",\"y\",1,abc,0,0,\"\",\"\",\"\"\r\n\r\n" +
                         "\"d\",\"t\",3,007,-2,0,\"r\",\"s\",\"j\"\r\n" + kExampleLine);
    const HistoryLoad load = LoadHistory(f.path("h.txt"));
    ASSERT_EQ(load.records.size(), 3);
    EXPECT_EQ(load.records[0], good);
    EXPECT_EQ(load.records[1].ok, "7"); // shown again in decimal
    EXPECT_EQ(load.records[1].ng, "-2");
    EXPECT_EQ(load.records[1].questions, "3");
    EXPECT_EQ(load.records[2], good);
    EXPECT_EQ(load.skippedLines, 3);
}

TEST(HistoryFile, MissingEmptyAndGarbageFilesAreEmptyHistories) {
    Folder f;
    EXPECT_TRUE(LoadHistory(f.path("none.txt")).records.isEmpty());
    f.write("h.txt", "");
    EXPECT_TRUE(LoadHistory(f.path("h.txt")).records.isEmpty());
    QByteArray junk;
    for (int i = 0; i < 5000; ++i)
        junk += char((i * 7919) % 256);
    f.write("h.txt", junk);
    EXPECT_TRUE(LoadHistory(f.path("h.txt")).records.size() <= 1);
}

TEST(HistoryFile, AnAppendAfterALineWithoutItsEndStartsANewLine) {
    Folder f;
    f.write("h.txt", kExampleLine.chopped(2));
    ASSERT_TRUE(AppendHistory(f.path("h.txt"), MakeHistoryRecord(20, 5, 90, 60, kMay1)));
    EXPECT_EQ(f.read("h.txt"), kExampleLine + kExampleLine);
}

TEST(HistoryFile, AFailedAppendLeavesTheOldBytes) {
    Folder f;
    f.write("h.txt", kExampleLine);
    const HistoryRecord r = MakeHistoryRecord(1, 0, 2, 60, kMay1);
    {
        FileSizeLimit full(kExampleLine.size() + 10); // room for part of a line only
        EXPECT_FALSE(AppendHistory(f.path("h.txt"), r));
    }
    EXPECT_EQ(f.read("h.txt"), kExampleLine);

    QDir(f.dir.path()).mkdir("dir.txt");
    EXPECT_FALSE(AppendHistory(f.path("dir.txt"), r));
    EXPECT_FALSE(ClearHistory(f.path("dir.txt")));

    QFile::link("/dev/full", f.path("full.txt"));
    EXPECT_FALSE(AppendHistory(f.path("full.txt"), r));
}

TEST(HistoryFile, ClearEmptiesOrCreatesTheFile) {
    Folder f;
    f.write("h.txt", kExampleLine);
    EXPECT_TRUE(ClearHistory(f.path("h.txt")));
    EXPECT_TRUE(f.exists("h.txt"));
    EXPECT_EQ(f.read("h.txt").size(), 0);
    EXPECT_TRUE(ClearHistory(f.path("new.txt")));
    EXPECT_TRUE(f.exists("new.txt"));
}

TEST(HistoryFile, APipeInPlaceOfTheFileIsNotWaitedFor) {
    Folder f;
    ASSERT_EQ(mkfifo(f.path("h.txt").toLocal8Bit().constData(), 0600), 0);
    EXPECT_TRUE(LoadHistory(f.path("h.txt")).records.isEmpty());
}

TEST(HistoryFile, TextInACountFieldIsQuotedSoTheLineStaysOneRecord) {
    const HistoryLoad load = ParseHistory("\"d\",\"t\",\"1,2\",1,0,0,\"r\",\"s\",\"j\"\r\n");
    ASSERT_EQ(load.records.size(), 1);
    const HistoryLoad back = ParseHistory(HistoryLine(load.records[0]));
    ASSERT_EQ(back.records.size(), 1);
    EXPECT_EQ(back.records[0], load.records[0]);
}
