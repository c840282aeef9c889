#pragma once
// A folder on a tiny file system, for testing saves on a full disk. The folder is a 64 KB tmpfs
// mounted in a mount namespace of the test's own (with private propagation, so nothing outside
// the test process sees it), which needs root. Elsewhere Available() is false and the test skips.

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <sched.h>
#include <sys/mount.h>

#include <gtest/gtest.h>

class FullDiskFolder {
public:
    FullDiskFolder() {
        const QByteArray where = QFile::encodeName(base_.Path());
        mounted_ = ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k,mode=0700") == 0;
    }
    ~FullDiskFolder() {
        if (mounted_)
            ::umount2(QFile::encodeName(base_.Path()).constData(), MNT_DETACH);
    }
    FullDiskFolder(const FullDiskFolder&) = delete;
    FullDiskFolder& operator=(const FullDiskFolder&) = delete;

    bool Available() const { return mounted_; }
    QString Path() const { return base_.Path(); }
    QString File(const QString& name) const { return base_.File(name); }

    // Takes every free block with a filler file, so the next write fails with ENOSPC; with
    // `leave` bytes (whole 4 KB blocks) free again afterwards, for a nearly full disk.
    void Fill(qint64 leave = 0) const {
        QFile filler(base_.File(QStringLiteral(".filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        if (leave > 0) {
            ASSERT_TRUE(filler.resize(std::max<qint64>(0, filler.size() - leave)));
        }
    }
    // Gives back the space Fill() took.
    void Free() const { QFile::remove(base_.File(QStringLiteral(".filler"))); }

    // Makes the file system read-only, as a write-protected card or a read-only mount is.
    bool MakeReadOnly() const {
        return ::mount("tmpfs", QFile::encodeName(base_.Path()).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    TempFolder base_;
    bool mounted_ = false;
};

// Skips the current test when no full-disk folder can be made here.
#define REQUIRE_FULL_DISK(folder)                                                                  \
    if (!(folder).Available())                                                                     \
    GTEST_SKIP() << "no private tmpfs here (needs root and mount namespaces)"

// The reason a save on the full disk must give.
inline constexpr char kNoSpaceReason[] = "No space left on device";
