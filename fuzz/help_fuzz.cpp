// Feeds arbitrary bytes to the help file reader and the sitemap parser: no
// crash, no hang, nothing beyond the size caps, and well-formed results.
#include "help/chm_archive.h"
#include "help/sitemap.h"
#include "help/text.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    for (const help::SitemapEntry& e : help::ParseSitemap(bytes, 0x411))
        if (e.depth < 0 || e.depth > help::kMaxSitemapDepth ||
            (e.name.isEmpty() && e.local.isEmpty()))
            std::abort();
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
    int read = 0;
    for (const QString& path : chm.paths()) {
        if (++read > 64)
            break;
        if (const auto object = chm.read(path)) {
            if (object->size() > help::kMaxObjectBytes)
                std::abort();
            (void)help::ParseSitemap(*object, chm.lcid());
        }
    }
    (void)chm.title();
    return 0;
}
