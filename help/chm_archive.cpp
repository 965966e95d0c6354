#include "help/chm_archive.h"

#include "help/sitemap.h"
#include "help/text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <mspack.h>

#include <cstdlib>
#include <cstring>

namespace help {

namespace {

uint32_t Dword(QByteArrayView b, qsizetype at) {
    return uint32_t(uchar(b[at])) | uint32_t(uchar(b[at + 1])) << 8 |
           uint32_t(uchar(b[at + 2])) << 16 | uint32_t(uchar(b[at + 3])) << 24;
}

QByteArray CString(QByteArrayView b) {
    const qsizetype end = b.indexOf('\0');
    return (end < 0 ? b : b.first(end)).toByteArray();
}

constexpr const char* kArchiveName = "archive";

// libmspack's warnings: the caller sees the failure itself.
void Quiet(mspack_file*, const char*, ...) {}

} // namespace

// libmspack's file access, served from the archive in memory, and writing the
// object being extracted into a buffer with a size cap.
struct ChmArchive::Io {
    struct File {
        bool writing = false;
        qint64 pos = 0;
    };
    mspack_system sys{};
    QByteArray archive;
    QByteArray out;
    bool overflow = false;

    Io() {
        sys.open = [](mspack_system*, const char* name, int mode) -> mspack_file* {
            auto* f = new File;
            f->writing = std::strcmp(name, kArchiveName) != 0;
            if (f->writing != (mode == MSPACK_SYS_OPEN_WRITE)) {
                delete f;
                return nullptr;
            }
            if (f->writing)
                current->out.clear(), current->overflow = false;
            return reinterpret_cast<mspack_file*>(f);
        };
        sys.close = [](mspack_file* f) { delete reinterpret_cast<File*>(f); };
        sys.read = [](mspack_file* file, void* buffer, int bytes) -> int {
            auto* f = reinterpret_cast<File*>(file);
            const QByteArray& a = current->archive;
            if (f->writing || bytes < 0)
                return -1;
            const qint64 n = qBound<qint64>(0, qint64(a.size()) - f->pos, qint64(bytes));
            if (n > 0)
                std::memcpy(buffer, a.constData() + f->pos, size_t(n));
            f->pos += n;
            return int(n);
        };
        sys.write = [](mspack_file* file, void* buffer, int bytes) -> int {
            auto* f = reinterpret_cast<File*>(file);
            Io* io = current;
            if (!f->writing || bytes < 0)
                return -1;
            if (io->out.size() + qint64(bytes) > kMaxObjectBytes) {
                io->overflow = true;
                return -1;
            }
            io->out.append(static_cast<const char*>(buffer), bytes);
            return bytes;
        };
        sys.seek = [](mspack_file* file, off_t offset, int mode) -> int {
            auto* f = reinterpret_cast<File*>(file);
            const qint64 size = f->writing ? current->out.size() : current->archive.size();
            const qint64 base = mode == MSPACK_SYS_SEEK_START ? 0
                                : mode == MSPACK_SYS_SEEK_CUR ? f->pos
                                                              : size;
            if (offset < -base || offset > size - base)
                return -1;
            f->pos = base + offset;
            return 0;
        };
        sys.tell = [](mspack_file* file) -> off_t { return reinterpret_cast<File*>(file)->pos; };
        sys.message = Quiet;
        sys.alloc = [](mspack_system*, size_t bytes) -> void* {
            return bytes > size_t(kMaxObjectBytes) ? nullptr : std::malloc(bytes);
        };
        sys.free = [](void* p) { std::free(p); };
        sys.copy = [](void* src, void* dest, size_t bytes) { std::memmove(dest, src, bytes); };
    }

    // libmspack's callbacks get no user pointer besides the file; the archive
    // that last opened a file is the one being served (all on one thread).
    static thread_local Io* current;
};

thread_local ChmArchive::Io* ChmArchive::Io::current = nullptr;

SystemInfo ParseSystem(QByteArrayView b) {
    SystemInfo info;
    for (qsizetype at = 4; at + 4 <= b.size();) {
        const uint16_t code = uint16_t(uchar(b[at]) | uchar(b[at + 1]) << 8);
        const qsizetype length = uchar(b[at + 2]) | uchar(b[at + 3]) << 8;
        at += 4;
        if (length > b.size() - at)
            break; // truncated entry
        const QByteArrayView data = b.sliced(at, length);
        at += length;
        switch (code) {
        case 0:
            info.contentsFile = CString(data);
            break;
        case 1:
            info.indexFile = CString(data);
            break;
        case 2:
            info.defaultTopic = CString(data);
            break;
        case 3:
            info.title = CString(data);
            break;
        case 4:
            if (data.size() >= 4)
                info.lcid = Dword(data, 0);
            break;
        }
    }
    return info;
}

QString PathOfLink(const QString& link) {
    QString path = link;
    const qsizetype cut = path.indexOf(QRegularExpression(QStringLiteral("[#?]")));
    if (cut >= 0)
        path.truncate(cut);
    return path.startsWith('/') ? path : '/' + path;
}

ChmArchive::Result ChmArchive::OpenFile(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile())
        return {nullptr, QCoreApplication::translate("HelpWindow", "ファイルが見つかりません。")};
    if (!f.open(QIODevice::ReadOnly))
        return {nullptr, QCoreApplication::translate("HelpWindow", "ファイルを読み込めません。")};
    if (f.size() > kMaxArchiveBytes)
        return {nullptr, QCoreApplication::translate("HelpWindow", "ファイルが大きすぎます。")};
    // As large as the file: reading up to the limit would reserve all of it.
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return {nullptr, QCoreApplication::translate("HelpWindow", "ファイルを読み込めません。")};
    return Open(std::move(bytes));
}

ChmArchive::Result ChmArchive::Open(QByteArray bytes) {
    if (bytes.size() > kMaxArchiveBytes)
        return {nullptr, QCoreApplication::translate("HelpWindow", "ファイルが大きすぎます。")};
    const QString broken = QCoreApplication::translate(
        "HelpWindow", "コンパイル済み HTML ヘルプファイルではないか、壊れています。");
    std::unique_ptr<ChmArchive> a(new ChmArchive);
    a->io_ = std::make_unique<Io>();
    a->io_->archive = std::move(bytes);
    Io::current = a->io_.get();
    a->chmd_ = mspack_create_chm_decompressor(&a->io_->sys);
    if (!a->chmd_)
        return {nullptr, broken};
    a->chm_ = a->chmd_->open(a->chmd_, kArchiveName);
    if (!a->chm_)
        return {nullptr, broken};
    a->languageId_ = a->chm_->language;
    for (mschmd_file* f = a->chm_->files; f; f = f->next) {
        const QString path = QString::fromUtf8(f->filename);
        // Folders, and names a damaged directory gives that no link can reach.
        if (!path.startsWith('/') || path.endsWith('/'))
            continue;
        a->paths_ << path;
        a->files_.insert(path.toLower(), f);
    }
    if (const auto system = a->read(QStringLiteral("/#SYSTEM")))
        a->system_ = ParseSystem(*system);
    if (a->pages().isEmpty())
        return {nullptr, broken};
    a->defaultTopic_ = a->FindDefaultTopic();
    return {std::move(a), {}};
}

ChmArchive::~ChmArchive() {
    if (chmd_) {
        Io::current = io_.get();
        if (chm_)
            chmd_->close(chmd_, chm_);
        mspack_destroy_chm_decompressor(chmd_);
    }
}

QString ChmArchive::Canonical(const QString& pathOrLink) const {
    return PathOfLink(pathOrLink).toLower();
}

bool ChmArchive::contains(const QString& path) const {
    return files_.contains(path.toLower());
}

std::optional<QByteArray> ChmArchive::read(const QString& path) const {
    mschmd_file* f = files_.value(path.toLower());
    if (!f || f->length < 0 || f->length > kMaxObjectBytes)
        return std::nullopt;
    Io::current = io_.get();
    if (chmd_->extract(chmd_, f, "out") != MSPACK_ERR_OK || io_->overflow ||
        io_->out.size() != f->length)
        return std::nullopt;
    return std::exchange(io_->out, QByteArray());
}

QString ChmArchive::title() const {
    return DecodeText(system_.title, lcid()).trimmed();
}

QStringList ChmArchive::pages() const {
    QStringList list;
    for (const QString& p : paths_)
        if (p.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
            p.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
            list << p;
    return list;
}

QString ChmArchive::WindowsHomePage() const {
    const auto windows = read(QStringLiteral("/#WINDOWS"));
    const auto strings = read(QStringLiteral("/#STRINGS"));
    if (!windows || !strings || windows->size() < 8)
        return {};
    const uint32_t count = Dword(*windows, 0), size = Dword(*windows, 4);
    if (count == 0 || size < 0x6c || size > uint32_t(windows->size() - 8))
        return {};
    const uint32_t at = Dword(*windows, 8 + 0x68);
    if (at == 0 || at >= uint32_t(strings->size()))
        return {};
    return QString::fromUtf8(CString(QByteArrayView(*strings).sliced(at)));
}

// #SYSTEM's default topic, else the home page of the first #WINDOWS entry, else
// the usual start page names, else the first contents entry, else the first page.
QString ChmArchive::FindDefaultTopic() const {
    QStringList candidates = {DecodeText(system_.defaultTopic, lcid()),
                              WindowsHomePage(),
                              "/index.htm",
                              "/index.html",
                              "/default.htm",
                              "/default.html"};
    if (const auto hhc = read(PathOfLink(contentsFile())))
        for (const SitemapEntry& e : ParseSitemap(*hhc, lcid()))
            if (!e.local.isEmpty()) {
                candidates << e.local;
                break;
            }
    for (const QString& c : candidates)
        if (!c.trimmed().isEmpty() && files_.contains(Canonical(c.trimmed())))
            return c.trimmed().startsWith('/') ? c.trimmed() : '/' + c.trimmed();
    // A page whose name holds '#' or '?' cannot be linked to.
    for (const QString& page : pages())
        if (!page.contains('#') && !page.contains('?'))
            return page;
    return {};
}

} // namespace help
