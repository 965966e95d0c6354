#include "app/play_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Homes {
    QTemporaryDir dataHome, installed;
    Homes() {
        Put(installed.filePath("辞書.txt"), "りんご\r\n");
        Put(installed.filePath("ZkHelp.chm"), "ITSF");
        QFile::setPermissions(installed.filePath("辞書.txt"), QFile::ReadOwner); // as installed
    }
    static void Put(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate), f.write(bytes);
    }
    static QByteArray Get(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    app::PlayFolder Start() {
        return app::PrepareOwnFolder(dataHome.path(),
                                     {dataHome.filePath("none"), installed.path()});
    }
};

} // namespace

TEST(PlayFolder, AFreshDataHomeGetsTheFolderAndTheSampleFilesToEdit) {
    Homes h;
    const app::PlayFolder folder = h.Start();
    EXPECT_EQ(folder.path, h.dataHome.filePath("mojiro"));
    EXPECT_TRUE(folder.problem.isEmpty());
    EXPECT_EQ(Homes::Get(folder.path + "/辞書.txt"), "りんご\r\n");
    EXPECT_EQ(Homes::Get(folder.path + "/ZkHelp.chm"), "ITSF");
    EXPECT_TRUE(QFileInfo(folder.path + "/辞書.txt").isWritable());
}

TEST(PlayFolder, ASecondStartKeepsWhatThePlayerChanged) {
    Homes h;
    const QString words = h.Start().path + "/辞書.txt";
    Homes::Put(words, "みかん\r\n");
    QFile::remove(h.Start().path + "/ZkHelp.chm");
    const app::PlayFolder again = h.Start();
    EXPECT_EQ(Homes::Get(words), "みかん\r\n");
    EXPECT_EQ(Homes::Get(again.path + "/ZkHelp.chm"), "ITSF"); // a missing one comes back
}

TEST(PlayFolder, AFolderThatCannotBeMadeIsToldAndLeavesNoPath) {
    Homes h;
    Homes::Put(h.dataHome.filePath("blocked"), "a file where the data home should be");
    const app::PlayFolder folder =
        app::PrepareOwnFolder(h.dataHome.filePath("blocked"), {h.installed.path()});
    EXPECT_TRUE(folder.path.isEmpty());
    EXPECT_TRUE(folder.problem.contains("blocked/mojiro")) << folder.problem.toStdString();
}
