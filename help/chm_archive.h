#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

struct mschm_decompressor;
struct mschmd_header;
struct mschmd_file;

namespace help {

// Whole files above this size are refused, and so is any one object.
constexpr qint64 kMaxArchiveBytes = 64 << 20;
constexpr qint64 kMaxObjectBytes = 16 << 20;

// What #SYSTEM says about the file; empty where it says nothing.
struct SystemInfo {
    QByteArray contentsFile;
    QByteArray indexFile;
    QByteArray defaultTopic;
    QByteArray title;
    uint32_t lcid = 0;
};
SystemInfo ParseSystem(QByteArrayView bytes);

// Object paths start with '/'; links may carry #fragment and ?query, which only
// links lose: "/#SYSTEM" is an object.
QString PathOfLink(const QString& link);

// A compiled HTML help file read once into memory; objects are decompressed on
// demand, from memory, into memory.
class ChmArchive {
public:
    struct Result;
    static Result Open(QByteArray bytes);
    static Result OpenFile(const QString& path);
    ~ChmArchive();

    // Every object path, as stored.
    QStringList paths() const { return paths_; }
    // Case-insensitive, as on the system the format comes from.
    bool contains(const QString& path) const;
    std::optional<QByteArray> read(const QString& path) const;

    uint32_t lcid() const { return system_.lcid ? system_.lcid : languageId_; }
    QString title() const;
    QString contentsFile() const { return QString::fromUtf8(system_.contentsFile); }
    QString indexFile() const { return QString::fromUtf8(system_.indexFile); }
    // The page to show first (see the fall-backs in the source); empty when no page
    // can be linked to.
    QString defaultTopic() const { return defaultTopic_; }
    // Every page (.htm, .html), in archive order.
    QStringList pages() const;

private:
    ChmArchive() = default;
    QString FindDefaultTopic() const;
    QString WindowsHomePage() const;
    QString Canonical(const QString& pathOrLink) const;

    struct Io;
    std::unique_ptr<Io> io_;
    mschm_decompressor* chmd_ = nullptr;
    mschmd_header* chm_ = nullptr;
    QHash<QString, mschmd_file*> files_; // key: lower-case path
    QStringList paths_;
    SystemInfo system_;
    uint32_t languageId_ = 0;
    QString defaultTopic_;
};

struct ChmArchive::Result {
    std::unique_ptr<ChmArchive> archive;
    QString error; // Japanese, for the player; empty on success
};

} // namespace help
