// The help file the game ships, checked against its sources in data/help/, so
// a stale data/ZkHelp.chm fails.
#include "chm_files.h"

#include <QDir>
#include <QHash>

#include <gtest/gtest.h>

using help::ChmArchive;

namespace {

const QString kSources = QStringLiteral(MOJIRO_DATA_DIR "/help");

struct Project {
    QHash<QString, QString> options;
    QStringList files;
    QString operator[](const char* key) const { return options.value(key); }
};

// The chmcmd project file: "key=value" options, then one file a line.
Project ReadProject() {
    Project p;
    bool inFiles = false;
    for (const QString& raw : QString::fromUtf8(FileBytes(kSources + "/ZkHelp.hhp")).split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith('['))
            inFiles = line.compare("[FILES]", Qt::CaseInsensitive) == 0;
        else if (inFiles && !line.isEmpty())
            p.files << line;
        else if (const qsizetype eq = line.indexOf('='); eq > 0)
            p.options.insert(line.left(eq), line.mid(eq + 1));
    }
    return p;
}

class ShippedHelp : public testing::Test {
protected:
    void SetUp() override {
        opened = ChmArchive::OpenFile(MOJIRO_DATA_DIR "/ZkHelp.chm");
        ASSERT_TRUE(opened.archive) << opened.error.toStdString();
        project = ReadProject();
        ASSERT_FALSE(project.files.isEmpty());
    }
    help::ChmArchive::Result opened;
    Project project;
};

} // namespace

TEST_F(ShippedHelp, HasTheProjectsTitleJapaneseLanguageAndDefaultTopic) {
    const ChmArchive& chm = *opened.archive;
    EXPECT_EQ(chm.title(), project["Title"]);
    EXPECT_FALSE(chm.title().isEmpty());
    EXPECT_EQ(chm.lcid(), 0x411u);
    EXPECT_EQ(chm.defaultTopic(), "/" + project["Default topic"]);
    EXPECT_EQ(chm.contentsFile(), project["Contents file"]);
    EXPECT_EQ(chm.indexFile(), project["Index file"]);
}

TEST_F(ShippedHelp, ListsEveryPageInItsContentsInTheSourceOrderStartingAtTheDefaultTopic) {
    const ChmArchive& chm = *opened.archive;
    const auto entries = help::ParseSitemap(*chm.read("/" + chm.contentsFile()), chm.lcid());
    const auto source =
        help::ParseSitemap(FileBytes(kSources + "/" + project["Contents file"]), 0x411);
    ASSERT_EQ(entries.size(), source.size());
    QStringList locals;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, source[i].name);
        EXPECT_EQ(entries[i].local, source[i].local);
        EXPECT_EQ(entries[i].depth, source[i].depth);
        EXPECT_FALSE(entries[i].name.isEmpty());
        locals << entries[i].local;
    }
    EXPECT_EQ(locals.value(0), project["Default topic"]);
    for (const QString& f : project.files)
        if (f.endsWith(".html")) {
            EXPECT_TRUE(locals.contains(f)) << f.toStdString();
        }
}

TEST_F(ShippedHelp, ResolvesEveryTargetAndLinkInsideTheArchive) {
    EXPECT_EQ(Unresolved(*opened.archive), QStringList());
}

TEST_F(ShippedHelp, HoldsEverySourceFileByteForByte) {
    const ChmArchive& chm = *opened.archive;
    QStringList stored;
    for (const QString& path : chm.paths())
        // chmcmd adds a note of its own.
        if (!path.startsWith("/#") && !path.startsWith("/$") && path != "/_#_README_#_") {
            stored << path.mid(1);
            EXPECT_EQ(*chm.read(path), FileBytes(kSources + path)) << path.toStdString();
        }
    QStringList expected = project.files;
    expected << project["Contents file"] << project["Index file"];
    // Every page and picture in the folder is part of the file too.
    for (const QString& f : QDir(kSources).entryList({"*.html", "*.png", "*.css"}, QDir::Files))
        EXPECT_TRUE(stored.contains(f)) << f.toStdString();
    std::sort(stored.begin(), stored.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored.join(' ').toStdString(), expected.join(' ').toStdString());
}
