#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace records {

// The order in which the word-list panel shows a list, kept in the cache
// folder so that a list shown before is not collated again. After a line
// naming the format, the file holds the list's key (32 bytes), the count of
// words and, for each place of the panel, the index of its word in the list as
// read (little-endian 32-bit numbers).
inline constexpr char kSortOrderFileName[] = "panel_order";

// The order kept for `key` over `count` words; none when the file is missing,
// unreadable, made for another key, or no order of exactly `count` words.
std::optional<QList<int>> ReadSortOrder(const QString& path, QByteArrayView key, qsizetype count);
// Replaces the file atomically, making its folder if need be; false when it
// cannot be written, which costs only a sort at the next start.
bool WriteSortOrder(const QString& path, QByteArrayView key, const QList<int>& order);

} // namespace records
