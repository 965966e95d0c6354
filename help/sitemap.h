#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>

namespace help {

// One <OBJECT type="text/sitemap"> of a contents (.hhc) or index (.hhk) file;
// depth counts the <UL> lists around it, from 0.
struct SitemapEntry {
    QString name;
    QString local;
    int depth = 0;
};

// Deeper nesting than this is flattened; no real contents file comes near it.
constexpr int kMaxSitemapDepth = 32;

// Tolerant of unclosed tags, any letter case and missing values: a damaged file
// gives fewer entries.
QList<SitemapEntry> ParseSitemap(QByteArrayView bytes, uint32_t lcid);

} // namespace help
