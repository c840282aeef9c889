#pragma once
// An advisory lock on a lock file, held while the object lives: two processes never hold one at
// the same time (saves of one file, or two copies of the program on one data folder). The lock
// file is empty (it takes no space on a full disk) and stays; the lock of a process that died is
// released by the system, so a stale lock file is simply taken over.

#include "core/common/Outcome.h"

#include <QString>

class FileLock {
public:
    // Takes the lock on `lockPath` (created when missing), waiting up to `waitMilliseconds` for
    // another holder to let go. On failure Held() is false and Error() holds the system's
    // reason.
    FileLock(const QString& lockPath, int waitMilliseconds);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Not held because another holder kept it (rather than because the lock file could not be
    // made).
    bool Busy() const { return busy_; }
    const QString& Error() const { return error_; }

private:
    int fd_ = -1;
    bool busy_ = false;
    QString error_;
};
