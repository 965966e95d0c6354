#pragma once

#include "help/chm_archive.h"
#include "help/sitemap.h"
#include "help/text.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>

inline QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes with the first `from` replaced by `to` (same length, so no offset moves).
inline QByteArray Patched(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    const qsizetype at = bytes.indexOf(from);
    if (at >= 0 && from.size() == to.size())
        bytes.replace(at, from.size(), to);
    return bytes;
}

// Every contents and index target, and every relative href/src of every page,
// names an object of the archive.
inline QStringList Unresolved(const help::ChmArchive& chm) {
    QStringList missing;
    for (const QString& sitemap : {chm.contentsFile(), chm.indexFile()})
        for (const auto& e :
             help::ParseSitemap(chm.read(help::PathOfLink(sitemap)).value_or(""), chm.lcid()))
            if (!chm.contains(help::PathOfLink(e.local)))
                missing << sitemap + ": " + e.local;
    static const QRegularExpression link(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    for (const QString& page : chm.pages()) {
        const QString html = help::DecodePage(*chm.read(page), chm.lcid());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.contains(':') || target.startsWith('#'))
                continue; // other schemes and anchors in the page
            const QUrl url = QUrl("chm:" + page).resolved(QUrl(target));
            if (!chm.contains(url.path()))
                missing << page + ": " + target;
        }
    }
    return missing;
}
