#include "files.h"
#include "records/settings_file.h"

#include <gtest/gtest.h>

using namespace records;

TEST(SettingsFile, WritesTheTwoValuesAsOneLine) {
    Folder f;
    ASSERT_TRUE(SaveSettings(f.path("s.txt"), {90, 0}));
    EXPECT_EQ(f.read("s.txt"), QByteArray("90,0\r\n"));
    ASSERT_TRUE(SaveSettings(f.path("s.txt"), {60, 1}));
    EXPECT_EQ(f.read("s.txt"), QByteArray("\x36\x30\x2C\x31\x0D\x0A"));
}

TEST(SettingsFile, ReadsWhatItWroteAndValuesOffTheList) {
    Folder f;
    f.write("s.txt", "45,0\r\n");
    const Settings s = LoadSettings(f.path("s.txt"));
    EXPECT_EQ(s.jikan, 45);
    EXPECT_EQ(s.autoSave, 0);
    f.write("s.txt", " 120 , 1 ");
    EXPECT_EQ(LoadSettings(f.path("s.txt")).jikan, 120);
}

TEST(SettingsFile, BadFilesGiveSixtySecondsWithAutoSave) {
    Folder f;
    auto load = [&](const QByteArray& bytes) {
        f.write("s.txt", bytes);
        const Settings s = LoadSettings(f.path("s.txt"));
        return std::pair<int, int>(s.jikan, s.autoSave);
    };
    using P = std::pair<int, int>;
    EXPECT_EQ(load(""), P(60, 1));
    EXPECT_EQ(load("abc,def\r\n"), P(60, 1));
    EXPECT_EQ(load("90"), P(60, 1));
    EXPECT_EQ(load("\"90\",0"), P(60, 1));
    EXPECT_EQ(load("0,0\r\n"), P(60, 0));
    EXPECT_EQ(load("40000,0\r\n"), P(60, 0));
    EXPECT_EQ(load("-5,7\r\n"), P(60, 1));
    EXPECT_EQ(load(QByteArray(100000, '9') + ",0"), P(60, 1));
    const Settings missing = LoadSettings(f.path("none.txt"));
    EXPECT_EQ(P(missing.jikan, missing.autoSave), P(60, 1));
    EXPECT_FALSE(f.exists("none.txt")); // reading never creates the file
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFile) {
    Folder f;
    f.write("s.txt", "30,1\r\n");
    {
        FileSizeLimit full(0);
        EXPECT_FALSE(SaveSettings(f.path("s.txt"), {90, 0}));
    }
    EXPECT_EQ(f.read("s.txt"), QByteArray("30,1\r\n"));
    QDir(f.dir.path()).mkdir("d.txt");
    EXPECT_FALSE(SaveSettings(f.path("d.txt"), {90, 0}));
}
