#include "../files.h"
#include "records/history_csv.h"
#include "records/history_file.h"
#include "records/history_preload.h"

#include <QCoreApplication>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <thread>

#include <gtest/gtest.h>

using namespace records;

namespace {

QList<HistoryRecord> Records(const HistoryLoad& load) {
    QList<HistoryRecord> list;
    for (qsizetype i = 0; i < load.rows.size(); ++i)
        list.append(load.rows.at(i));
    return list;
}

} // namespace

TEST(HistoryFile, AppendsLinesAndReadsBackTheSameTexts) {
    Folder f;
    const HistoryRecord a = MakeHistoryRecord(20, 5, 90, 60, kMay1);
    const HistoryRecord b = MakeHistoryRecord(0, 3, 0, 30, QDateTime({2025, 1, 2}, {3, 4, 5}));
    ASSERT_TRUE(AppendHistory(f.path("h.txt"), a)); // creates the file
    ASSERT_TRUE(AppendHistory(f.path("h.txt"), b));
    EXPECT_EQ(f.read("h.txt"), kExampleLine + HistoryLine(b));
    EXPECT_TRUE(HistoryLine(b).startsWith("\"2025/01/02\",\"03:04:05\",3,0,3,0,\"0.0%\""));
    EXPECT_EQ(Records(LoadHistory(f.path("h.txt"))), (QList<HistoryRecord>{a, b}));
    // A last line without its line end does not swallow the next record.
    f.write("h.txt", kExampleLine.chopped(2));
    ASSERT_TRUE(AppendHistory(f.path("h.txt"), a));
    EXPECT_EQ(f.read("h.txt"), kExampleLine + kExampleLine);
    EXPECT_TRUE(ClearHistory(f.path("h.txt")));
    EXPECT_TRUE(ClearHistory(f.path("new.txt")));
    EXPECT_EQ(f.read("h.txt") + f.read("new.txt"), "");
    EXPECT_TRUE(f.exists("new.txt"));
}

TEST(HistoryFile, SkipsLinesThatAreNotRecords) {
    const HistoryLoad load = ParseHistory(
        kExampleLine + "\"a\",\"b\",1,2\r\n" + "\"x\",\"y\",1,99999,0,0,\"\",\"\",\"\"\r\n" +
        "\"x\",\"y\",1,abc,0,0,\"\",\"\",\"\"\r\n\r\n" + QByteArray(2000, 'x') + "\r\n" +
        "\"d\",\"t\",\"1,2\",007,-2,0,\"r\",\"s\",\"j\"\r\n");
    ASSERT_EQ(load.rows.size(), 2);
    EXPECT_EQ(load.skippedLines, 4);
    EXPECT_EQ(load.rows.fields(1), (QStringList{"d", "t", "1,2", "7", "-2", "0", "r", "s", "j"}));
    // Text in a count field is written back quoted, so the line stays one record.
    EXPECT_EQ(Records(ParseHistory(HistoryLine(load.rows.at(1)))), Records(load).mid(1));
}

TEST(HistoryFile, FailsWithoutTouchingTheOldBytesAndReadsOddFilesAsEmpty) {
    Folder f;
    f.write("h.txt", kExampleLine);
    {
        FileSizeLimit full(kExampleLine.size() + 10); // room for part of a line only
        EXPECT_FALSE(AppendHistory(f.path("h.txt"), Rec(1)));
    }
    EXPECT_EQ(f.read("h.txt"), kExampleLine);
    QDir(f.dir.path()).mkdir("dir.txt");
    QFile::link("/dev/full", f.path("full.txt"));
    ASSERT_EQ(mkfifo(f.path("pipe.txt").toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(AppendHistory(f.path("dir.txt"), Rec(1)) || ClearHistory(f.path("dir.txt")) ||
                 AppendHistory(f.path("full.txt"), Rec(1)));
    for (const char* name : {"none.txt", "dir.txt", "pipe.txt"}) // a pipe is not waited for
        EXPECT_TRUE(LoadHistory(f.path(name)).rows.isEmpty()) << name;
}

// The game reads ahead before it makes its application object, and the
// reading goes on while the object is made; Qt must still take the thread that
// made it for its main thread, and so not warn. In a process of its own that
// has not touched Qt before: a long file, written without Qt, keeps the
// reading thread busy.
[[noreturn]] void ReadAheadWhileTheApplicationIsMade() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        std::fprintf(stderr, "%s\n", qPrintable(m));
        std::_Exit(1);
    });
    const std::string path = testing::TempDir() + "long_history.txt";
    std::ofstream(path, std::ios::binary) << HistoryLine(Rec(1)).repeated(400000).toStdString();
    HistoryPreload ahead(QString::fromStdString(path));
    std::this_thread::sleep_for(std::chrono::milliseconds(5)); // it has begun
    int argc = 1;
    char name[] = "records_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const bool read = ahead.take().rows.size() == kMaxHistoryRows;
    std::remove(path.c_str());
    std::exit(read ? 0 : 2);
}

TEST(HistoryPreloadDeathTest, LeavesQtItsMainThread) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ReadAheadWhileTheApplicationIsMade(), testing::ExitedWithCode(0), "");
}

TEST(HistoryFile, ReadInPiecesKeepsTheNewestRowsThatA16BitCounterCanNumber) {
    QByteArray file;
    for (int i = 0; i < kMaxHistoryRows + 5; ++i)
        file += HistoryLine(Rec(i % 1000));
    file.insert(file.indexOf('\n', file.size() / 2) + 1, "\"odd\", \"line\"\r\n");
    Folder f; // read in pieces, with lines cut between them
    f.write("h.txt", file);
    const HistoryLoad load = LoadHistory(f.path("h.txt"));
    EXPECT_EQ(Records(load), Records(ParseHistory(file)));
    EXPECT_EQ(load.dropped + load.skippedLines, 6);
    ASSERT_EQ(load.rows.size(), kMaxHistoryRows);
    EXPECT_EQ(load.rows.at(0), Rec(5));
}

TEST(HistoryCsv, QuotesWhatNeedsItAndKeepsTheItemsAsSaved) {
    EXPECT_EQ(CsvField("90.0%") + CsvField("a,b") + CsvField("say \"hi\"") + CsvField(" x") +
                  CsvField("a\r\nb") + CsvField(""),
              "90.0%\"a,b\"\"say \"\"hi\"\"\"\" x\"\"a\r\nb\"");
    // A saved line, one whose quoted date holds a comma and a quote-like
    // byte, one with a byte that is no character, and one that is no record.
    const QByteArray file = kExampleLine +
                            "\"2024/05,01\",\"21:03:45\",1,1,0,2,\"100.0%\",\"0.03/\x95\x62\","
                            "\"60\x95\x62\"\r\n"
                            "\"2024/05/\x81\xFF\",\"x\",1,1,0,2,\"r\",\"s\",\"j\"\r\n"
                            "not a record\r\n";
    // Every row, however many: the export asks for all of them.
    const HistoryLoad load = ParseHistory(file, std::numeric_limits<qsizetype>::max());
    EXPECT_EQ(load.skippedLines, 1);
    EXPECT_EQ(HistoryCsv({"日付", "時間", "問数", "ＯＫ", "ＮＧ", "文字数", "正解率", "秒当たり",
                          "表示秒数"},
                         load.rows),
              "\xEF\xBB\xBF日付,時間,問数,ＯＫ,ＮＧ,文字数,正解率,秒当たり,表示秒数\r\n"
              "2024/05/01,21:03:45,25,20,5,90,80.0%,1.50/秒,60秒\r\n"
              "\"2024/05,01\",21:03:45,1,1,0,2,100.0%,0.03/秒,60秒\r\n"
              "2024/05/\uFFFD\uFFFD,x,1,1,0,2,r,s,j\r\n");
}
