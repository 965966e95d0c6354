// Feeds arbitrary bytes to the help file reader and the sitemap parser: no
// crash, no hang, nothing beyond the size caps, and well-formed results. An
// archive that opens is read as the help window reads it: its contents, its
// index and its pages.
#include "help/chm_archive.h"
#include "help/sitemap.h"
#include "help/text.h"

#include <cstdlib>

namespace {

// Entries have a name or a link, and a depth within the cap.
void CheckSitemap(QByteArrayView bytes, uint32_t lcid) {
    for (const help::SitemapEntry& e : help::ParseSitemap(bytes, lcid))
        if (e.depth < 0 || e.depth > help::kMaxSitemapDepth ||
            (e.name.isEmpty() && e.local.isEmpty()))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    CheckSitemap(bytes, 0x411);
    (void)help::PlainText(help::DecodePage(bytes, 0x419));
    (void)help::ParseSystem(bytes);

    const auto opened = help::ChmArchive::Open(bytes);
    if (!opened.archive != !opened.error.isEmpty())
        std::abort(); // either an archive or a reason, never both or neither
    if (!opened.archive)
        return 0;
    const help::ChmArchive& chm = *opened.archive;
    if (!chm.defaultTopic().isEmpty() && !chm.contains(help::PathOfLink(chm.defaultTopic())))
        std::abort();
    // The help window's contents and index, from the files #SYSTEM names.
    for (const QString& sitemap : {chm.contentsFile(), chm.indexFile()})
        if (const auto object = chm.read(help::PathOfLink(sitemap)))
            CheckSitemap(*object, chm.lcid());
    // Every object, and the pages also as the search reads them.
    const QStringList pages = chm.pages();
    int read = 0;
    for (const QString& path : chm.paths()) {
        if (++read > 64)
            break;
        if (!chm.contains(path))
            std::abort();
        if (const auto object = chm.read(path)) {
            if (object->size() > help::kMaxObjectBytes)
                std::abort();
            CheckSitemap(*object, chm.lcid());
            if (pages.contains(path))
                (void)help::PlainText(help::DecodePage(*object, chm.lcid()));
        }
    }
    (void)chm.title();
    return 0;
}
