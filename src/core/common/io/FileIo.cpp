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

// Why a file of this kind cannot be read or replaced; empty for a regular file.
QString KindProblem(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return SystemReason(EISDIR);
    if (S_ISFIFO(mode))
        return QStringLiteral("Is a FIFO, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("Is a socket, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("Is a device, not a file");
    return QStringLiteral("Is not a regular file");
}

// The file a save replaces: the final target of a symbolic link (so a linked data file stays
// linked), else the path itself; a path where nothing is yet is a new file. Anything but a
// regular file, and a link to nothing, is refused.
Outcome<QString> SaveTarget(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(name.constData(), &entry) != 0)
        return path;
    if (!S_ISLNK(entry.st_mode)) {
        const QString problem = KindProblem(entry.st_mode);
        return problem.isEmpty() ? Outcome<QString>(path) : Outcome<QString>::Fail(problem);
    }
    struct stat target {};
    if (::stat(name.constData(), &target) != 0)
        return Outcome<QString>::Fail(QStringLiteral("The link points to no file"));
    if (const QString problem = KindProblem(target.st_mode); !problem.isEmpty())
        return Outcome<QString>::Fail(problem);
    return QFileInfo(path).canonicalFilePath();
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

// "NAME.bad" for the first copy, then "NAME.bad2", "NAME.bad3"...
QString RefusedCopyName(const QString& path, int number) {
    return path + QStringLiteral(".bad") + (number > 1 ? QString::number(number) : QString());
}

// Copies the bytes of `from` to the new file `to`, which must not exist yet.
Status CopyToNewFile(const QString& from, const QString& to) {
    const Outcome<QByteArray> bytes = ReadWholeFile(from, {}, kMaxImportFileBytes);
    if (!bytes)
        return bytes.error();
    if (QFileInfo::exists(to))
        return Status::Fail(SystemReason(EEXIST));
    return WriteWholeFile(to, bytes.value(), {});
}

} // namespace

Status OpenRegularFile(QFile& file, const QString& path, bool unbuffered) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat info {};
        // A socket cannot be opened at all ("No such device or address"): say what it is.
        const QString problem =
            ::stat(name.constData(), &info) == 0 ? KindProblem(info.st_mode) : QString();
        return Status::Fail(problem.isEmpty() ? SystemReason(error) : problem);
    }
    struct stat info {};
    QString problem = ::fstat(fd, &info) != 0 ? SystemReason(errno) : KindProblem(info.st_mode);
    if (problem.isEmpty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        problem = SystemReason(errno);
    const QIODevice::OpenMode mode =
        unbuffered ? QIODevice::ReadOnly | QIODevice::Unbuffered : QIODevice::ReadOnly;
    if (problem.isEmpty() && !file.open(fd, mode, QFileDevice::AutoCloseHandle))
        problem = file.errorString();
    if (problem.isEmpty())
        return {};
    ::close(fd);
    return Status::Fail(problem);
}

Outcome<QByteArray> ReadWholeFile(const QString& path, const QString& prefix, qint64 maxBytes) {
    QFile file;
    if (const Status opened = OpenRegularFile(file, path); !opened)
        return Outcome<QByteArray>::Fail(prefix + opened.error().text);
    // Read in pieces: asking for the whole limit at once would reserve it in memory for every
    // small file, and a file growing while it is read stops one byte past the limit.
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
    const Outcome<QString> refused = SaveTarget(path);
    if (!refused)
        return Status::Fail(prefix + refused.error().text);
    const QString& target = refused.value();
    const QFileInfo info(target);
    if (Status made = MakeFolder(info.absolutePath(), prefix); !made)
        return made;
    RemoveStaleSaveFiles(target);
    const QByteArray encoded = QFile::encodeName(info.absoluteFilePath());
    const Status status = WriteTemporary(encoded + ".XXXXXX" + kSaveSuffix, encoded, bytes);
    if (!status)
        return Status::Fail(prefix + status.error().text);
    SyncFolder(info.absolutePath());
    return {};
}

Status MakeFolder(const QString& folder, const QString& prefix) {
    if (QDir().mkpath(folder))
        return {};
    return Status::Fail(prefix + QStringLiteral("Cannot create the folder ") + folder);
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

Status KeepRefusedFile(const QString& path, const QString& prefix, QString* kept) {
    const QByteArray from = QFile::encodeName(path);
    struct stat info {};
    if (::stat(from.constData(), &info) != 0)
        return {}; // nothing there to keep
    const auto failed = [&prefix](const QString& copy, const QString& reason) {
        return Status::Fail(
            prefix +
            QStringLiteral("The refused file could not be kept as %1: %2").arg(copy, reason));
    };
    constexpr int kMostCopies = 1000;
    for (int number = 1; number <= kMostCopies; ++number) {
        const QString copy = RefusedCopyName(path, number);
        // The link follows a symbolic link at `path`, so the copy holds the refused bytes.
        if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, QFile::encodeName(copy).constData(),
                     AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            // No second names here (a memory card's file system): copy the bytes instead.
            if (const Status copied = CopyToNewFile(path, copy); !copied)
                return failed(copy, copied.error().text);
        }
        if (kept)
            *kept = copy;
        return {};
    }
    return failed(RefusedCopyName(path, kMostCopies), SystemReason(EEXIST));
}
