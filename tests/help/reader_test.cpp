#include "../files.h"
#include "help/chm_archive.h"
#include "help/sitemap.h"
#include "help/text.h"
#include "records/cp932.h"

#include <QTemporaryFile>

#include <gtest/gtest.h>

using help::ChmArchive;

namespace {

const QByteArray kSample = FileBytes(MOJIRO_SAMPLE_CHM);

// The bytes with the first `from` replaced by `to`, of the same length so no offset moves.
QByteArray Patched(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    const qsizetype at = bytes.indexOf(from);
    EXPECT_TRUE(at >= 0 && from.size() == to.size()) << "cannot patch " << from.toStdString();
    return at < 0 ? bytes : bytes.replace(at, from.size(), to);
}

QStringList Names(const QList<help::SitemapEntry>& entries) {
    QStringList out;
    for (const auto& e : entries)
        out << QString("%1%2=%3").arg(QString(e.depth, '>'), e.name, e.local);
    return out;
}

} // namespace

TEST(ChmReader, DefaultTopicFallsBackToTheFirstContentsEntryThenTheFirstPage) {
    // Hiding #SYSTEM's default topic entry (code 2), then its contents file entry (code 0).
    const QByteArray noTopic = Patched(kSample, QByteArray("\x02\x00\x0b\x00second.htm", 14),
                                       QByteArray("\x7f\x00\x0b\x00second.htm", 14));
    const QByteArray noContents = Patched(noTopic, QByteArray("\x00\x00\x08\x00toc.hhc", 11),
                                          QByteArray("\x7f\x00\x08\x00toc.hhc", 11));
    // The sample's own, from #SYSTEM, is the one the help window opens at.
    const auto first = ChmArchive::Open(noTopic).archive,
               last = ChmArchive::Open(noContents).archive;
    ASSERT_TRUE(first && last);
    EXPECT_EQ(first->defaultTopic(), "/start.htm");
    EXPECT_EQ(last->defaultTopic(), last->pages().value(0));
}

// Cut short, a wrong signature, huge lengths and offsets in the headers, and single
// bytes flipped all through the header, the directory and the compressed data.
class DamagedCopy : public testing::TestWithParam<const char*> {};
INSTANTIATE_TEST_SUITE_P(SampleAndShipped, DamagedCopy,
                         testing::Values(MOJIRO_SAMPLE_CHM, MOJIRO_DATA_DIR "/ZkHelp.chm"));

TEST_P(DamagedCopy, GivesAReasonOrPartialContentWithinTheCapsNeverACrash) {
    const QByteArray bytes = FileBytes(GetParam());
    const qsizetype itsp = bytes.indexOf("ITSP"), pmgl = bytes.indexOf("PMGL");
    ASSERT_TRUE(bytes.size() > 4096 && itsp > 0 && pmgl > 0);
    const auto set = [&](qsizetype at, const QByteArray& value) {
        return QByteArray(bytes).replace(at, value.size(), value);
    };
    QList<QByteArray> copies = {"", "<html>not a help file</html>", set(0, "ITSX")};
    for (qsizetype size : {qsizetype(3), pmgl + 40, bytes.size() - 100}) // cut short
        copies << bytes.left(size);
    // The chunk size, the chunk count, the directory's and the content's offsets.
    for (qsizetype at : {itsp + 0x10, itsp + 0x2c, qsizetype(0x48), qsizetype(0x58)})
        copies << set(at, QByteArray("\xf0\xff\xff\x7f", 4));
    for (qsizetype at = 0; at < bytes.size(); at += 1 + bytes.size() / 300)
        copies << set(at, QByteArray(1, char(~bytes[at])));
    for (const QByteArray& copy : copies) {
        const auto result = ChmArchive::Open(copy);
        EXPECT_NE(!result.archive, result.error.isEmpty());
        for (const QString& path : result.archive ? result.archive->paths() : QStringList())
            EXPECT_LE(result.archive->read(path).value_or("").size(), help::kMaxObjectBytes);
    }
    EXPECT_FALSE(ChmArchive::Open(bytes.left(0x60)).archive); // the header alone
}

TEST(ChmReader, RefusesAFileAboveTheSizeCapWithAJapaneseReason) {
    QTemporaryFile big;
    ASSERT_TRUE(big.open() && big.resize(help::kMaxArchiveBytes + 1));
    big.close();
    EXPECT_TRUE(ChmArchive::OpenFile(big.fileName()).error.contains("大きすぎます"));
}

TEST(ChmReader, AShiftJisTitleIsReadInTheJapaneseCodePage) {
    const QByteArray utf8 = QString("見本のヘルプ").toUtf8();
    QByteArray sjis = records::EncodeCp932(QString("見本のヘルプ"));
    sjis.append(QByteArray(utf8.size() - sjis.size(), '\0'));
    const auto chm = ChmArchive::Open(Patched(kSample, utf8, sjis)).archive;
    ASSERT_TRUE(chm);
    EXPECT_EQ(chm->title(), "見本のヘルプ");
}

TEST(TextEncoding, PagesFollowTheirCharsetThenUtf8ThenTheLanguage) {
    const QByteArray sjis = records::EncodeCp932(QString("ヘルプ"));
    const std::tuple<QByteArray, uint32_t, QString> cases[] = {
        {"<META http-equiv=Content-Type content='text/html; charset=sjis'>" + sjis, 0x409,
         "ヘルプ"},
        {"<p>" + sjis, 0x411, "ヘルプ"},
        {"<p>" + QString("ヘルプ").toUtf8(), 0x409, "ヘルプ"},
        {"<meta charset=\"windows-1251\">\xcf", 0x411, "П"},
        {"<p>\xcf", 0x419, "П"},
        {"<p>\xe9", 0x409, "é"},
    };
    for (const auto& [bytes, lcid, text] : cases)
        EXPECT_TRUE(help::DecodePage(bytes, lcid).endsWith(text)) << bytes.toStdString();
}

TEST(Sitemap, ToleratesMalformedListsWithFewerEntries) {
    // Any letter case, missing quotes and values, stray list ends, objects of another type
    // or with nothing in them, and one cut off at the end.
    const QByteArray list =
        "<ul><li><object type=text/sitemap><PARAM NAME=name VALUE='A &amp; B'>"
        "<param name=\"Local\" value=\"a.htm\"><ul><li><Object Type=\"text/sitemap\">"
        "<param name=\"Name\" value=\"C\"></ul></ul></ul></ul><ul><object type=\"text/sitemap\">"
        "<param name=Name value=><param value=\"x.htm\" name=\"Local\"></object><object "
        "type=\"other\"><param name=\"Name\" value=\"E\"></object><object type=\"text/sitemap\">"
        "</object><object type=\"text/sitemap\"><param name=\"Name\" value=\"D\"";
    EXPECT_EQ(Names(help::ParseSitemap(list, 0x411)),
              QStringList({"A & B=a.htm", ">C=", "=x.htm", "D="}));
    for (const QByteArray& junk :
         {QByteArray("<<<>>><ul <li <object type=\"text/sitemap\" <param name=\"Name\" value=\""),
          QByteArray(200000, '<') + QByteArray(100000, 'u')})
        EXPECT_TRUE(help::ParseSitemap(junk, 0x411).isEmpty());
}
