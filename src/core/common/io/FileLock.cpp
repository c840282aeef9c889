#include "core/common/io/FileLock.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kPauseMilliseconds = 10;

} // namespace

FileLock::FileLock(const QString& lockPath, int waitMilliseconds) {
    const QByteArray name = QFile::encodeName(lockPath);
    const int fd =
        ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    for (int waited = 0;; waited += kPauseMilliseconds) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= waitMilliseconds)
            break;
        ::usleep(kPauseMilliseconds * 1000);
    }
    busy_ = errno == EWOULDBLOCK;
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}
