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
        installed.write("ZkHelp_en.chm", "ITSF en");
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

TEST(PlayFolder, AFreshDataHomeGetsTheSampleFilesAndListsToEditAndALaterStartKeepsTheirChanges) {
    Homes h;
    const app::PlayFolder folder = h.Start();
    EXPECT_EQ(folder.path + folder.problem, h.home.path("mojiro"));
    const auto files = [&h] {
        return h.home.read("mojiro/辞書.txt") + h.home.read("mojiro/ZkHelp.chm") +
               h.home.read("mojiro/ZkHelp_en.chm") + h.home.read("mojiro/単語リスト/たべもの.txt") +
               h.home.read("mojiro/単語リスト/どうぶつ.txt");
    };
    EXPECT_EQ(files(), "りんご\r\nITSFITSF enすし\nいぬ\n");
    for (const char* copy : {"mojiro/辞書.txt", "mojiro/単語リスト/たべもの.txt"})
        EXPECT_TRUE(QFile::permissions(h.home.path(copy)) & QFile::WriteOwner) << copy;
    // The player edits the word list and a list and deletes another: none of
    // them comes back; a missing help file does, in either language.
    h.home.write("mojiro/辞書.txt", "みかん\r\n");
    h.home.write("mojiro/単語リスト/たべもの.txt", "そば\n");
    QFile::remove(h.home.path("mojiro/単語リスト/どうぶつ.txt"));
    QFile::remove(h.home.path("mojiro/ZkHelp.chm"));
    QFile::remove(h.home.path("mojiro/ZkHelp_en.chm"));
    EXPECT_EQ(h.Start().problem, "");
    EXPECT_EQ(files(), "みかん\r\nITSFITSF enそば\n");
    EXPECT_FALSE(h.home.exists("mojiro/単語リスト/どうぶつ.txt"));
}

TEST(PlayFolder, AFolderThatCannotBeMadeIsToldAndLeavesNoPath) {
    Homes h;
    h.home.write("blocked", "a file where the data home should be");
    const app::PlayFolder folder =
        app::PrepareOwnFolder(h.home.path("blocked"), {h.installed.dir.path()});
    EXPECT_TRUE(folder.path.isEmpty());
    EXPECT_TRUE(folder.problem.contains("blocked/mojiro")) << folder.problem.toStdString();
}
