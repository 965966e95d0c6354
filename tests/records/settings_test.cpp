#include "../files.h"
#include "records/options.h"
#include "records/preferences.h"
#include "records/settings_file.h"
#include "records/text_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace records;

TEST(SettingsFile, WritesOneLineAndReadsBadFilesAsSixtySecondsWithAutoSave) {
    Folder f;
    ASSERT_TRUE(SaveSettings(f.path("s.txt"), {90, 0}));
    EXPECT_EQ(f.read("s.txt"), QByteArray("90,0\r\n"));
    const std::pair<QByteArray, int> cases[] = {
        {"45,0\r\n", 450}, {"", 601},     {"abc,def\r\n", 601},         {"0,0\r\n", 600},
        {"40000,0", 600},  {"-5,7", 601}, {QByteArray(9000, '9'), 601}, {" 120 , 1 ", 1201}};
    for (const auto& [bytes, expected] : cases) {
        f.write("s.txt", bytes);
        const Settings s = LoadSettings(f.path("s.txt"));
        EXPECT_EQ(s.jikan * 10 + s.autoSave, expected) << bytes.left(20).constData();
    }
    EXPECT_EQ(LoadSettings(f.path("none.txt")).jikan, 60);
    EXPECT_FALSE(f.exists("none.txt")); // reading never creates the file
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileAndLinksAreFollowedOnlyToFiles) {
    Folder f;
    f.write("s.txt", "30,1\r\n");
    {
        FileSizeLimit full(0);
        EXPECT_FALSE(SaveSettings(f.path("s.txt"), {90, 0}));
    }
    EXPECT_EQ(f.read("s.txt"), QByteArray("30,1\r\n"));
    QDir(f.dir.path()).mkdir("d.txt");
    QFile::link(f.path("s.txt"), f.path("link.txt")); // a player's file kept elsewhere
    ASSERT_TRUE(SaveSettings(f.path("link.txt"), {90, 0}));
    EXPECT_TRUE(QFileInfo(f.path("link.txt")).isSymLink());
    EXPECT_EQ(f.read("s.txt"), QByteArray("90,0\r\n"));
    // A link to a pipe (as to a device) is refused and the pipe stays one.
    ASSERT_EQ(mkfifo(f.path("pipe").toLocal8Bit().constData(), 0600), 0);
    QFile::link(f.path("pipe"), f.path("p.txt"));
    QFile::link(f.path("nowhere"), f.path("n.txt"));
    for (const char* name : {"d.txt", "p.txt", "n.txt", "pipe"})
        EXPECT_FALSE(SaveSettings(f.path(name), {90, 0})) << name;
    struct stat st {};
    ASSERT_EQ(stat(f.path("pipe").toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_FALSE(f.exists("nowhere"));
}

TEST(SettingsFile, IsRewrittenInPlaceInAFolderThatRefusesNewFilesWhereAListIsNeverHalfReplaced) {
    // The folder belongs to someone else and is read-only; the files are the player's.
    Folder f;
    QDir().mkdir(f.path("locked"));
    f.write("locked/s.txt", "30,1\r\n");
    f.write("locked/l.txt", "いぬ\n");
    const QString settings = f.path("locked/s.txt"), list = f.path("locked/l.txt");
    const auto saved = InLockedFolder(f.path("locked"), settings, [&] {
        return SaveSettings(settings, {120, 0});
    });
    // As the word-list editor saves: all or nothing.
    const auto replaced =
        InLockedFolder(f.path("locked"), list, [&] { return ReplaceFile(list, "ねこ\n", true); });
    if (!saved || !replaced)
        GTEST_SKIP() << "no user nobody to run the saves as";
    EXPECT_TRUE(*saved);
    EXPECT_FALSE(*replaced);
    EXPECT_EQ(f.read("locked/s.txt") + f.read("locked/l.txt"), QByteArray("120,0\r\nいぬ\n"));
}

TEST(Preferences, KeepEachChoiceByItsKeyAndGiveTheFallbackForWhatDoesNotRead) {
    Folder f;
    Preferences p(f.path("o.txt"));
    EXPECT_EQ(p.number("help/zoom", 7), 7);
    EXPECT_FALSE(f.exists("o.txt")); // reading never creates the file
    ASSERT_TRUE(p.set("help/zoom", 3));
    ASSERT_TRUE(p.set("list", QStringLiteral("50%の単語\nほか=")));
    ASSERT_TRUE(p.set("help/zoom", -2));
    EXPECT_EQ(f.read("o.txt"), QByteArray("list=50%25の単語%0Aほか=\nhelp/zoom=-2\n"));
    EXPECT_EQ(Preferences(f.path("o.txt")).number("help/zoom", 0), -2);
    EXPECT_EQ(p.text("list"), QStringLiteral("50%の単語\nほか="));
    EXPECT_EQ(p.text("none", "x"), "x");

    // Edited by hand: CR LF, blanks round the key, junk lines, a key twice.
    f.write("o.txt", "junk\r\n = 5\r\n help/zoom =abc\r\nhelp/zoom=4\r\nlist= a \r\n");
    EXPECT_EQ(p.number("help/zoom", 0), 4);
    EXPECT_EQ(p.text("list"), " a ");

    // A full disk leaves the file as it was.
    const QByteArray before = f.read("o.txt");
    {
        FileSizeLimit full(0);
        EXPECT_FALSE(p.set("help/zoom", 9));
    }
    EXPECT_EQ(f.read("o.txt"), before);
}

TEST(Options, KeepEachKindUnderItsKeysBesideTheOthersAndReadDefaultsWithoutAFile) {
    Folder f;
    records::Options o(f.path("o.txt"));
    EXPECT_EQ(o.sound(), records::SoundOptions{});
    const records::SoundOptions sound{true, false, true, false, 25};
    ASSERT_TRUE(o.setSound(sound));
    ASSERT_TRUE(o.setInput({records::InputOptions::Mode::Romaji, true}));
    ASSERT_TRUE(o.setWordList({"どうぶつ.txt", 3}));
    ASSERT_TRUE(o.setHelpZoom(-2));
    // A later start reads each back; the keys are those earlier versions wrote.
    records::Options again(f.path("o.txt"));
    EXPECT_EQ(again.sound(), sound);
    EXPECT_EQ(again.input(), (records::InputOptions{records::InputOptions::Mode::Romaji, true}));
    EXPECT_EQ(again.wordList(), (records::WordListOption{"どうぶつ.txt", 3}));
    EXPECT_EQ(again.helpZoom(), -2);
    for (const char* key :
         {"sound/on=1", "sound/countdown=0", "sound/volume=25", "answer/on-commit=1",
          "wordlist/list=どうぶつ.txt", "wordlist/level=3", "help/zoom=-2"})
        EXPECT_TRUE(f.read("o.txt").contains(key)) << key;
    f.write("o.txt", "sound/volume=400\n"); // edited by hand past its range
    EXPECT_EQ(again.sound().volume, 100);
}
