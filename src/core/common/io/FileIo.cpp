#include "core/common/io/FileIo.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kSaveSuffix[] = ".saving";
constexpr int kStaleSaveSeconds = 60;

// Whether `candidate` is a temporary file of a save of `name`: the name, a dot, the six letters
// or digits mkstemps puts in, and our suffix.
bool IsOwnSaveFile(QStringView candidate, QStringView name) {
    const QLatin1StringView suffix(kSaveSuffix);
    constexpr qsizetype kRandomChars = 6;
    if (candidate.size() != name.size() + 1 + kRandomChars + suffix.size() ||
        !candidate.startsWith(name) || !candidate.endsWith(suffix) ||
        candidate[name.size()] != u'.')
        return false;
    const QStringView random = candidate.sliced(name.size() + 1, kRandomChars);
    return std::all_of(random.begin(), random.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    });
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file a save replaces: the target of a symbolic link (so a linked data file stays linked),
// else the path itself.
QString SaveTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.symLinkTarget();
    return target.isEmpty() ? path : target;
}

Status WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return Status::Fail(SystemReason(written < 0 ? errno : ENOSPC));
        data += written;
        left -= written;
    }
    return {};
}

// New files get the usual permissions (0666 less the umask); a replaced file keeps its own.
void CopyPermissions(int fd, const QByteArray& target) {
    struct stat old {};
    if (::stat(target.constData(), &old) == 0) {
        (void)::fchmod(fd, old.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    (void)::fchmod(fd, 0666 & ~mask);
}

void SyncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // some file systems cannot open a folder; the rename itself is done
    (void)::fsync(fd);
    ::close(fd);
}

// Writes the temporary file completely and durably; the caller renames it.
Status WriteTemporary(const QByteArray& temp, const QByteArray& target, const QByteArray& bytes) {
    QByteArray name = temp;
    const int fd = ::mkstemps(name.data(), static_cast<int>(std::strlen(kSaveSuffix)));
    if (fd < 0)
        return Status::Fail(SystemReason(errno));
    CopyPermissions(fd, target);
    Status status = WriteAll(fd, bytes);
    if (status && ::fsync(fd) != 0)
        status = Status::Fail(SystemReason(errno));
    if (::close(fd) != 0 && status)
        status = Status::Fail(SystemReason(errno));
    if (status && ::rename(name.constData(), target.constData()) != 0)
        status = Status::Fail(SystemReason(errno));
    if (!status)
        ::unlink(name.constData());
    return status;
}

} // namespace

Outcome<QByteArray> ReadWholeFile(const QString& path, const QString& prefix, qint64 maxBytes) {
    QFile file(path);
    if (QFileInfo(path).isDir())
        return Outcome<QByteArray>::Fail(prefix + SystemReason(EISDIR));
    if (!file.open(QIODevice::ReadOnly))
        return Outcome<QByteArray>::Fail(prefix + file.errorString());
    // Read in pieces: asking for the whole limit at once would reserve it in memory for every
    // small file, and an endless device stops one byte past the limit.
    constexpr qint64 kPiece = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min<qint64>(kPiece, maxBytes + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            return Outcome<QByteArray>::Fail(prefix + file.errorString());
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > maxBytes)
        return Outcome<QByteArray>::Fail(
            prefix + QStringLiteral("The file is larger than %1 bytes.").arg(maxBytes));
    return bytes;
}

Status WriteWholeFile(const QString& path, const QByteArray& bytes, const QString& prefix) {
    const QString target = SaveTarget(path);
    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath()))
        return Status::Fail(prefix + QStringLiteral("Cannot create the folder ") +
                            info.absolutePath());
    RemoveStaleSaveFiles(target);
    const QByteArray encoded = QFile::encodeName(info.absoluteFilePath());
    const Status status = WriteTemporary(encoded + ".XXXXXX" + kSaveSuffix, encoded, bytes);
    if (!status)
        return Status::Fail(prefix + status.error().text);
    SyncFolder(info.absolutePath());
    return {};
}

Status RequireParentFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir())
        return {};
    return Status::Fail(QStringLiteral("Error: The folder %1 does not exist.").arg(folder));
}

void RemoveStaleSaveFiles(const QString& path) {
    const QFileInfo info(path);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kStaleSaveSeconds);
    // Listed without a name filter and matched by hand: a filter or a regular expression would
    // be compiled at every load of a data file, and this runs at start.
    QDirIterator entries(info.absolutePath(), QDir::Files | QDir::Hidden);
    while (entries.hasNext()) {
        entries.next();
        if (IsOwnSaveFile(entries.fileName(), info.fileName()) &&
            entries.fileInfo().lastModified() < before)
            QFile::remove(entries.filePath());
    }
}
