#include "files.h"
#include "records/settings_file.h"

#include <gtest/gtest.h>

using namespace records;

TEST(SettingsFile, WritesOneLineAndReadsItBack) {
    Folder f;
    ASSERT_TRUE(SaveSettings(f.path("s.txt"), {90, 0}));
    EXPECT_EQ(f.read("s.txt"), QByteArray("90,0\r\n"));
    ASSERT_TRUE(SaveSettings(f.path("s.txt"), {60, 1}));
    EXPECT_EQ(f.read("s.txt"), QByteArray("\x36\x30\x2C\x31\x0D\x0A"));
    f.write("s.txt", "45,0\r\n");
    const Settings s = LoadSettings(f.path("s.txt"));
    EXPECT_EQ(s.jikan * 10 + s.autoSave, 450);
}

TEST(SettingsFile, BadFilesGiveSixtySecondsWithAutoSave) {
    const std::pair<QByteArray, int> cases[] = {
        {"", 601},          {"abc,def\r\n", 601}, {"90", 601},   {"\"90\",0", 601},
        {"0,0\r\n", 600},   {"40000,0", 600},     {"-5,7", 601}, {QByteArray(9000, '9'), 601},
        {" 120 , 1 ", 1201}};
    for (const auto& [bytes, expected] : cases) {
        const Settings s = ParseSettings(bytes);
        EXPECT_EQ(s.jikan * 10 + s.autoSave, expected) << bytes.left(20).constData();
    }
    Folder f;
    EXPECT_EQ(LoadSettings(f.path("none.txt")).jikan, 60);
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
