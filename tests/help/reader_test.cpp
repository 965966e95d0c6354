#include "chm_files.h"
#include "help/sitemap.h"
#include "help/text.h"
#include "records/cp932.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using help::ChmArchive;

namespace {

const QString kSample = QStringLiteral(MOJIRO_SAMPLE_CHM);

std::unique_ptr<ChmArchive> OpenBytes(const QByteArray& bytes) {
    return ChmArchive::Open(bytes).archive;
}

QStringList Names(const QList<help::SitemapEntry>& entries) {
    QStringList out;
    for (const auto& e : entries)
        out << QString("%1%2=%3").arg(QString(e.depth, '>'), e.name, e.local);
    return out;
}

} // namespace

TEST(ChmReader, ReadsTitleLanguageDefaultTopicAndContentsInOrder) {
    const auto opened = ChmArchive::OpenFile(kSample);
    ASSERT_TRUE(opened.archive) << opened.error.toStdString();
    const ChmArchive& chm = *opened.archive;
    EXPECT_EQ(chm.title(), "見本のヘルプ");
    EXPECT_EQ(chm.lcid(), 0x411u);
    EXPECT_EQ(chm.defaultTopic(), "/second.htm");
    EXPECT_EQ(
        Names(help::ParseSitemap(*chm.read("/" + chm.contentsFile()), chm.lcid())),
        QStringList({"はじめに=start.htm", ">二つ目=second.htm", "絵のページ=sub/third.htm"}));
    EXPECT_TRUE(chm.read("/#SYSTEM").has_value()); // an object path keeps its '#'

    EXPECT_TRUE(chm.contains("/SUB/Picture.PNG"));
    EXPECT_EQ(chm.read("/sub/picture.png"),
              FileBytes(QFileInfo(kSample).path() + "/sample/sub/picture.png"));
    EXPECT_EQ(Unresolved(chm), QStringList());
}

TEST(ChmReader, DefaultTopicFallsBackToTheFirstContentsEntryThenTheFirstPage) {
    const QByteArray bytes = FileBytes(kSample);
    // Hide #SYSTEM's default topic entry (code 2) and then its contents file entry (code 0).
    const QByteArray noTopic = Patched(bytes, QByteArray("\x02\x00\x0b\x00second.htm", 14),
                                       QByteArray("\x7f\x00\x0b\x00second.htm", 14));
    auto chm = OpenBytes(noTopic);
    ASSERT_TRUE(chm);
    EXPECT_EQ(chm->defaultTopic(), "/start.htm");
    chm = OpenBytes(Patched(noTopic, QByteArray("\x00\x00\x08\x00toc.hhc", 11),
                            QByteArray("\x7f\x00\x08\x00toc.hhc", 11)));
    ASSERT_TRUE(chm);
    EXPECT_TRUE(chm->contentsFile().isEmpty());
    EXPECT_EQ(chm->defaultTopic(), chm->pages().value(0));
    EXPECT_TRUE(chm->defaultTopic().endsWith(".htm"));
}

class DamagedCopy : public testing::TestWithParam<const char*> {};
INSTANTIATE_TEST_SUITE_P(SampleAndShipped, DamagedCopy,
                         testing::Values(MOJIRO_SAMPLE_CHM, MOJIRO_DATA_DIR "/ZkHelp.chm"));

TEST_P(DamagedCopy, GivesAnErrorOrPartialContentNeverACrash) {
    const QByteArray bytes = FileBytes(GetParam());
    ASSERT_GT(bytes.size(), 4096);
    const qsizetype itsp = bytes.indexOf("ITSP"), pmgl = bytes.indexOf("PMGL");
    ASSERT_GT(itsp, 0);
    ASSERT_GT(pmgl, 0);
    QList<QByteArray> copies = {QByteArray(), bytes.left(3), bytes.left(0x60),
                                bytes.left(pmgl + 40), bytes.left(bytes.size() - 100)};
    auto set = [&](qsizetype at, QByteArray value) {
        return QByteArray(bytes).replace(at, value.size(), value);
    };
    const QByteArray huge("\xf0\xff\xff\x7f", 4);
    copies << set(0, "ITSX") << set(itsp + 0x10, huge) << set(itsp + 0x2c, huge) << set(0x48, huge)
           << set(0x58, huge);
    for (qsizetype at = 0; at < bytes.size();
         at += 1 + bytes.size() / 300) // header, directory, compressed data
        copies << set(at, QByteArray(1, char(~bytes[at])));
    int opened = 0;
    for (const QByteArray& copy : copies) {
        const auto result = ChmArchive::Open(copy);
        EXPECT_NE(!result.archive, result.error.isEmpty());
        if (!result.archive)
            continue;
        ++opened;
        for (const QString& path : result.archive->paths())
            if (const auto object = result.archive->read(path)) {
                EXPECT_LE(object->size(), help::kMaxObjectBytes);
            }
    }
    EXPECT_LT(opened, copies.size()); // the clearly broken ones are refused
    EXPECT_FALSE(OpenBytes(bytes.left(0x60)));
}

TEST(ChmReader, MissingOversizedAndForeignFilesGiveAJapaneseReason) {
    QTemporaryDir dir;
    QFile big(dir.filePath("big.chm"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(help::kMaxArchiveBytes + 1));
    big.close();
    QFile text(dir.filePath("text.chm"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("<html>not a help file</html>"));
    text.close();
    for (const auto& [name, reason] :
         {std::pair{"none.chm", "見つかりません"}, std::pair{"big.chm", "大きすぎます"},
          std::pair{"text.chm", "壊れています"}}) {
        const auto result = ChmArchive::OpenFile(dir.filePath(name));
        EXPECT_FALSE(result.archive) << name;
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(reason))) << result.error.toStdString();
    }
}

TEST(ChmReader, SystemEntriesStopCleanlyAtATruncatedEntry) {
    const QByteArray system("\x03\x00\x00\x00" // version
                            "\x03\x00\x04\x00"
                            "abc\0" // title
                            "\x04\x00\x02\x00"
                            "\x11\x04" // too short for an LCID
                            "\x02\x00\x40\x00"
                            "x.htm", // runs past the end
                            4 + 8 + 6 + 9);
    const help::SystemInfo info = help::ParseSystem(system);
    EXPECT_EQ(info.title, "abc");
    EXPECT_EQ(info.lcid, 0u);
    EXPECT_TRUE(info.defaultTopic.isEmpty());
}

TEST(ChmReader, AShiftJisTitleIsReadInCodePage932) {
    const QByteArray utf8 = QString("見本のヘルプ").toUtf8();
    QByteArray sjis = records::EncodeCp932(QString("見本のヘルプ"));
    sjis.append(QByteArray(utf8.size() - sjis.size(), '\0'));
    const auto chm = OpenBytes(Patched(FileBytes(kSample), utf8, sjis));
    ASSERT_TRUE(chm);
    EXPECT_EQ(chm->title(), "見本のヘルプ");
}

TEST(TextEncoding, PagesFollowTheirCharsetThenUtf8ThenTheLanguage) {
    const QByteArray sjis = records::EncodeCp932(QString("ヘルプ"));
    const struct {
        QByteArray bytes;
        uint32_t lcid;
        QString text;
    } cases[] = {
        {"<meta http-equiv=Content-Type content='text/html; charset=Shift_JIS'>" + sjis, 0x409,
         "ヘルプ"},
        {"<META CHARSET=\"sjis\">" + sjis, 0x409, "ヘルプ"},
        {"<p>" + sjis, 0x411, "ヘルプ"},
        {"<p>" + QString("ヘルプ").toUtf8(), 0x409, "ヘルプ"},
        {"<meta charset=\"windows-1251\">\xcf", 0x411, "П"},
        {"<p>\xcf", 0x419, "П"},
        {"<p>\xe9", 0x409, "é"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(help::DecodePage(c.bytes, c.lcid).endsWith(c.text)) << c.bytes.toStdString();
    EXPECT_EQ(help::DecodeText(sjis, 0x411), "ヘルプ");
    EXPECT_EQ(help::DecodeText(QString("ヘルプ").toUtf8(), 0x411), "ヘルプ");
}

TEST(Links, LoseTheirPartAndQuery) {
    EXPECT_EQ(help::PathOfLink("sub/a.htm#part"), "/sub/a.htm");
    EXPECT_EQ(help::PathOfLink("/a.htm?x=1#y"), "/a.htm");
}

TEST(Sitemap, ToleratesMalformedListsWithFewerEntries) {
    const struct {
        QByteArray text;
        QStringList entries;
    } cases[] = {
        {"<ul><li><object type=text/sitemap><PARAM NAME=name VALUE='A &amp; B'>"
         "<param name=\"Local\" value=\"a.htm\"><ul><li><Object Type=\"text/sitemap\">"
         "<param name=\"Name\" value=\"C\"></ul></ul>",
         {"A & B=a.htm", ">C="}},
        {"</ul></ul><object type=\"text/sitemap\"><param name=\"Name\" value=\"D\"", {"D="}},
        {"<ul><object type=\"text/sitemap\"><param name=Name value=>"
         "<param value=\"x.htm\" name=\"Local\"></object><object type=\"other\">"
         "<param name=\"Name\" value=\"E\"></object><object type=\"text/sitemap\"></object>",
         {"=x.htm"}},
        {"<<<>>><ul <li <object type=\"text/sitemap\" <param name=\"Name\" value=\"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Names(help::ParseSitemap(c.text, 0x411)), c.entries) << c.text.toStdString();
    EXPECT_EQ(help::ParseSitemap(QByteArray(200000, '<') + QByteArray(100000, 'u'), 0x411).size(),
              0);
}
