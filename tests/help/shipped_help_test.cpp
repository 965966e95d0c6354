#include "../files.h"
#include "../rows.h"
#include "help/chm_archive.h"
#include "help/sitemap.h"
#include "help/text.h"

#include <QHash>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

#include <gtest/gtest.h>

using help::ChmArchive;

struct HelpRow {
    const char* name;
    const char* file;    // in data/
    const char* sources; // its pages' folder, in data/
    uint32_t lcid;
};
const HelpRow kJapanese{"Japanese", "ZkHelp.chm", "help/", 0x411};
const HelpRow kEnglish{"English", "ZkHelp_en.chm", "help/en/", 0x409};

namespace {

// A shipped help file with its pages decoded, keyed by their lower-case path, as
// links may spell them in any case.
struct Help {
    std::unique_ptr<ChmArchive> chm;
    QString error;
    QHash<QString, QString> pages;
    QStringList objects; // the help's own files, not chmcmd's, sorted
    QList<help::SitemapEntry> contents, index;
};

Help Open(const HelpRow& row) {
    auto opened = ChmArchive::OpenFile(QStringLiteral(MOJIRO_DATA_DIR "/") + row.file);
    Help h;
    h.chm = std::move(opened.archive);
    h.error = opened.error;
    if (!h.chm)
        return h;
    for (const QString& path : h.chm->paths())
        if (!path.startsWith("/#") && !path.startsWith("/$") && path != "/_#_README_#_")
            h.objects << path.mid(1);
    h.objects.sort();
    for (const QString& page : h.chm->pages())
        h.pages.insert(page.toLower(), help::DecodePage(*h.chm->read(page), h.chm->lcid()));
    const auto sitemap = [&](const QString& file) {
        return help::ParseSitemap(h.chm->read("/" + file).value_or(""), h.chm->lcid());
    };
    h.contents = sitemap(h.chm->contentsFile());
    h.index = sitemap(h.chm->indexFile());
    return h;
}

QStringList Captures(const QString& html, const QRegularExpression& re, int group = 0) {
    QStringList out;
    for (auto it = re.globalMatch(html); it.hasNext();)
        out << it.next().captured(group);
    return out;
}
const QRegularExpression kId(R"re(\bid\s*=\s*"([^"]*)")re");
const QRegularExpression kLink(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re");
// As one line, which a failure shows whole.
std::string Sorted(QStringList list, bool unique = true) {
    list.sort();
    if (unique)
        list.removeDuplicates();
    return list.join(' ').toStdString();
}

const QRegularExpression kJapaneseText(
    QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}\\x{F900}-\\x{FAFF}"
                   "\\x{FF00}-\\x{FFEF}\\x{20000}-\\x{3FFFF}]+"));
// Where an English page may hold Japanese: what is typed or named literally (<code>,
// <kbd>) and words marked as Japanese (<span lang="ja">, <pre lang="ja">).
const QRegularExpression kAllowed(
    QStringLiteral(
        R"re(<(code|kbd)\b[^>]*>.*?</\1\s*>|<(span|pre)\b[^>]*\blang\s*=\s*"ja"[^>]*>.*?</\2\s*>)re"),
    QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);

} // namespace

class ShippedHelp : public testing::TestWithParam<HelpRow> {};
INSTANTIATE_TEST_SUITE_P(Files, ShippedHelp, testing::Values(kJapanese, kEnglish), kRowName);

// Checked against its sources, so a help file not rebuilt after an edit fails.
TEST_P(ShippedHelp, IsBuiltFromItsSourcesAsTheyStand) {
    const QString sources = QStringLiteral(MOJIRO_DATA_DIR "/") + GetParam().sources;
    const auto option = [&](const QString& key) { // of the chmcmd project file
        return QSettings(sources + "ZkHelp.hhp", QSettings::IniFormat)
            .value("OPTIONS/" + key)
            .toString();
    };
    const Help h = Open(GetParam());
    ASSERT_TRUE(h.chm) << h.error.toStdString();
    EXPECT_EQ(option("Compiled file"), GetParam().file);
    EXPECT_EQ(h.chm->title(), option("Title"));
    EXPECT_EQ(h.chm->lcid(), GetParam().lcid);
    EXPECT_EQ(h.chm->defaultTopic(), "/" + option("Default topic"));
    EXPECT_EQ(h.chm->indexFile(), option("Index file"));
    for (const QString& object : h.objects) // looked up in another case, as a link may
        EXPECT_EQ(h.chm->read("/" + object.toUpper()), FileBytes(sources + object))
            << object.toStdString();
    QStringList names = QDir(sources).entryList(QDir::Files);
    names.removeOne("ZkHelp.hhp");
    EXPECT_EQ(Sorted(h.objects), Sorted(names));
}

TEST_P(ShippedHelp, EveryLinkLeadsInsideTheFileAndEveryAnchorToItsId) {
    const Help h = Open(GetParam());
    ASSERT_TRUE(h.chm) << h.error.toStdString();
    QStringList broken;
    const auto check = [&](const QString& from, const QString& to) {
        const QUrl url = QUrl("chm:" + from).resolved(QUrl(to));
        if (url.scheme() != "chm") // the web, which the help window hands to a browser
            return;
        if (!h.chm->contains(url.path()))
            broken << from + ": " + to;
        else if (url.hasFragment() &&
                 !Captures(h.pages.value(url.path().toLower()), kId, 1).contains(url.fragment()))
            broken << from + ": " + to + " (no such id)";
    };
    for (const auto& e : h.contents + h.index)
        check("/", e.local);
    for (auto page = h.pages.cbegin(); page != h.pages.cend(); ++page)
        for (const QString& link : Captures(page.value(), kLink, 1))
            check(page.key(), link);
    EXPECT_GT(h.pages.size(), 1);
    EXPECT_EQ(broken, QStringList());
}

TEST(EnglishHelp, FollowsTheJapanesePageForPageWithTheSameAnchorsLinksAndTrees) {
    const Help ja = Open(kJapanese), en = Open(kEnglish);
    ASSERT_TRUE(ja.chm && en.chm) << ja.error.toStdString() << en.error.toStdString();
    EXPECT_EQ(Sorted(en.objects), Sorted(ja.objects));
    const auto tree = [](const QList<help::SitemapEntry>& entries) {
        QStringList out;
        for (const auto& e : entries)
            out << QString(e.depth, '>') + e.local;
        return out;
    };
    EXPECT_EQ(tree(en.contents), tree(ja.contents));
    // The index is sorted by its words, so only its targets can match.
    EXPECT_EQ(Sorted(tree(en.index), false), Sorted(tree(ja.index), false));
    for (auto page = ja.pages.cbegin(); page != ja.pages.cend(); ++page) {
        const QString english = en.pages.value(page.key());
        EXPECT_EQ(Sorted(Captures(english, kId, 1)), Sorted(Captures(page.value(), kId, 1)))
            << page.key().toStdString();
        EXPECT_EQ(Sorted(Captures(english, kLink, 1)), Sorted(Captures(page.value(), kLink, 1)))
            << page.key().toStdString();
    }
}

TEST(EnglishHelp, HoldsJapaneseOnlyInCodeKeysAndWordsMarkedJapanese) {
    const Help en = Open(kEnglish);
    ASSERT_TRUE(en.chm) << en.error.toStdString();
    QString allowed; // every piece of Japanese the pages show
    for (auto page = en.pages.cbegin(); page != en.pages.cend(); ++page) {
        EXPECT_EQ(Captures(QString(page.value()).remove(kAllowed), kJapaneseText), QStringList())
            << page.key().toStdString();
        allowed += Captures(page.value(), kAllowed).join('\n') + '\n';
    }
    // An index or contents entry may name only Japanese that the pages show.
    for (const auto& e : en.contents + en.index)
        for (const QString& words : Captures(e.name, kJapaneseText))
            EXPECT_TRUE(allowed.contains(words)) << e.name.toStdString();
    EXPECT_TRUE(allowed.contains("モジロタイピング"));
}
