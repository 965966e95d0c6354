#include "../files.h"
#include "app/play_folder.h"

#include <gtest/gtest.h>

namespace {

// A player's data home and the installed sample files.
struct Homes {
    Folder home, installed;
    Homes() {
        installed.write("辞書.txt", "りんご\r\n");
        installed.write("ZkHelp.chm", "ITSF");
        QFile::setPermissions(installed.path("辞書.txt"), QFile::ReadOwner); // as installed
        QDir().mkdir(installed.path("単語リスト"));
        installed.write("単語リスト/たべもの.txt", "すし\n");
        installed.write("単語リスト/どうぶつ.txt", "いぬ\n");
        QFile::setPermissions(installed.path("単語リスト/たべもの.txt"), QFile::ReadOwner);
    }
    app::PlayFolder Start() const {
        return app::PrepareOwnFolder(home.dir.path(), {home.path("none"), installed.dir.path()});
    }
};

} // namespace

TEST(PlayFolder, AFreshDataHomeGetsTheSampleFilesToEditAndASecondStartKeepsThem) {
    Homes h;
    const app::PlayFolder folder = h.Start();
    EXPECT_EQ(folder.path + folder.problem, h.home.path("mojiro"));
    EXPECT_EQ(h.home.read("mojiro/辞書.txt") + h.home.read("mojiro/ZkHelp.chm"), "りんご\r\nITSF");
    EXPECT_TRUE(QFileInfo(h.home.path("mojiro/辞書.txt")).isWritable());
    h.home.write("mojiro/辞書.txt", "みかん\r\n");
    QFile::remove(h.home.path("mojiro/ZkHelp.chm"));
    h.Start();
    EXPECT_EQ(h.home.read("mojiro/辞書.txt"), "みかん\r\n");
    EXPECT_EQ(h.home.read("mojiro/ZkHelp.chm"), "ITSF"); // a missing one comes back
}

TEST(PlayFolder, TheShippedListsComeOnlyWithTheFirstFilling) {
    Homes h;
    h.Start();
    EXPECT_EQ(h.home.read("mojiro/単語リスト/たべもの.txt") +
                  h.home.read("mojiro/単語リスト/どうぶつ.txt"),
              "すし\nいぬ\n");
    EXPECT_TRUE(QFile::permissions(h.home.path("mojiro/単語リスト/たべもの.txt")) &
                QFile::WriteOwner);
    // The player deletes one list and edits another: neither comes back.
    QFile::remove(h.home.path("mojiro/単語リスト/どうぶつ.txt"));
    h.home.write("mojiro/単語リスト/たべもの.txt", "そば\n");
    const app::PlayFolder again = h.Start();
    EXPECT_EQ(again.problem, "");
    EXPECT_FALSE(h.home.exists("mojiro/単語リスト/どうぶつ.txt"));
    EXPECT_EQ(h.home.read("mojiro/単語リスト/たべもの.txt"), "そば\n");
}

TEST(PlayFolder, AFolderThatCannotBeMadeIsToldAndLeavesNoPath) {
    Homes h;
    h.home.write("blocked", "a file where the data home should be");
    const app::PlayFolder folder =
        app::PrepareOwnFolder(h.home.path("blocked"), {h.installed.dir.path()});
    EXPECT_TRUE(folder.path.isEmpty());
    EXPECT_TRUE(folder.problem.contains("blocked/mojiro")) << folder.problem.toStdString();
}
