#include "core/common/io/FileIo.h"
#include "core/common/io/KeyValueText.h"

#include "support/FullDiskFolder.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(ReadWholeFile, RefusesMoreThanTheLimitAndEndlessDevices) {
    TempFolder folder;
    const QString path = folder.File("small.txt");
    ASSERT_TRUE(WriteWholeFile(path, "12345", {}).ok());
    EXPECT_EQ(ReadWholeFile(path, {}, 5).value(), QByteArray("12345"));

    const Outcome<QByteArray> over = ReadWholeFile(path, "Error: ", 4);
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.error().text, QStringLiteral("Error: The file is larger than 4 bytes."));

    const Outcome<QByteArray> endless = ReadWholeFile("/dev/zero", "Error: ", kMaxDataFileBytes);
    ASSERT_FALSE(endless.ok());
    EXPECT_EQ(endless.error().text, QStringLiteral("Error: Is a device, not a file"));

    const Outcome<QByteArray> folderRead = ReadWholeFile(folder.Path(), "Error: ", 100);
    ASSERT_FALSE(folderRead.ok());
    EXPECT_EQ(folderRead.error().text, QStringLiteral("Error: Is a directory"));
}

// What is not a regular file is neither read (a FIFO would block the reader for ever) nor
// replaced by a save (a device node, as root, would become a plain file), also behind a link.
TEST(FileIo, ReadsAndReplacesOnlyRegularFiles) {
    TempFolder folder;
    const QString fifo = folder.File("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString device = folder.File("null"); // a node of our own: never the machine's /dev
    const bool haveDevice =
        ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const QString socket = folder.File("socket");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(socket).constData(),
                 sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const struct {
        const char* name;
        QString target;
        QString reason; // of the read and of the save
    } cases[] = {
        {"FIFO", fifo, "Is a FIFO, not a file"},
        {"device", device, "Is a device, not a file"},
        {"socket", socket, "Is a socket, not a file"},
        {"folder", folder.File("sub"), "Is a directory"},
        {"nothing", folder.File("missing"), ""},
    };
    ASSERT_TRUE(QDir().mkpath(folder.File("sub")));
    for (const auto& c : cases) {
        if (!haveDevice && c.target == device)
            continue;                       // making a device node needs root
        for (bool linked : {true, false}) { // linked first: "nothing" is then still missing
            SCOPED_TRACE(std::string(c.name) + (linked ? " behind a link" : ""));
            QString path = c.target;
            if (linked) {
                path = folder.File(QStringLiteral("link-%1").arg(c.name));
                ASSERT_TRUE(QFile::link(c.target, path));
            }
            const QString readReason = c.reason.isEmpty() ? "No such file or directory" : c.reason;
            const QString saveReason =
                c.reason.isEmpty() && linked ? "The link points to no file" : c.reason;
            EXPECT_EQ(ReadWholeFile(path, "Error: ", 100).error().text, "Error: " + readReason);
            const Status saved = WriteWholeFile(path, "x", "Error: ");
            if (saveReason.isEmpty()) {
                EXPECT_TRUE(saved.ok());
                continue;
            }
            ASSERT_FALSE(saved.ok());
            EXPECT_EQ(saved.error().text, "Error: " + saveReason);
            struct stat info {};
            const bool there = ::lstat(QFile::encodeName(c.target).constData(), &info) == 0;
            EXPECT_EQ(there,
                      !c.reason.isEmpty()); // left as it was: nothing made at a dangling link
            EXPECT_FALSE(there && S_ISREG(info.st_mode));
            EXPECT_EQ(QFileInfo(path).isSymLink(), linked);
        }
    }
    ::close(listener);
}

// Each refused version of a file is kept under its own name; an earlier copy is never replaced.
TEST(KeepRefusedFile, NumbersTheCopiesAndFollowsALink) {
    TempFolder folder;
    const QString path = folder.File("aircraft.db");
    QString kept;
    EXPECT_TRUE(KeepRefusedFile(path, {}, &kept).ok()); // nothing there
    EXPECT_TRUE(kept.isEmpty());
    const QString real = folder.File("real.db");
    ASSERT_TRUE(WriteWholeFile(real, "", {}).ok());
    ASSERT_TRUE(QFile::link(real, path));
    for (const char* bytes : {"first", "second", "third"}) {
        ASSERT_TRUE(WriteWholeFile(path, bytes, {}).ok());
        ASSERT_TRUE(KeepRefusedFile(path, {}, &kept).ok());
        EXPECT_EQ(FileBytes(kept), QByteArray(bytes));
        EXPECT_FALSE(QFileInfo(kept).isSymLink());
    }
    EXPECT_EQ(FileBytes(path + ".bad"), QByteArray("first"));
    EXPECT_EQ(FileBytes(path + ".bad2"), QByteArray("second"));
    EXPECT_EQ(kept, path + ".bad3");
    EXPECT_TRUE(QFileInfo(path).isSymLink());
}

TEST(WriteWholeFile, LeavesNoTemporaryFileAndKeepsPermissions) {
    TempFolder folder;
    const QString path = folder.File("data.db");
    ASSERT_TRUE(WriteWholeFile(path, "first", {}).ok());
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(WriteWholeFile(path, "second", {}).ok());
    EXPECT_EQ(FileBytes(path), QByteArray("second"));
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_TRUE(QFile::permissions(path).testFlag(QFile::WriteOwner));
    EXPECT_FALSE(QFile::permissions(path) & others);
    EXPECT_EQ(FolderEntries(folder.Path()), QStringList{"data.db"});
}

TEST(WriteWholeFile, FollowsALinkAndRefusesAFolderOrMissingTargetFolder) {
    TempFolder folder;
    const QString real = folder.File("real.db");
    const QString link = folder.File("link.db");
    ASSERT_TRUE(WriteWholeFile(real, "old", {}).ok());
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(WriteWholeFile(link, "new", {}).ok());
    EXPECT_EQ(FileBytes(real), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    // A dangling link whose target folder is a file: refused, the link left as it was.
    const QString dangling = folder.File("dangling.db");
    ASSERT_TRUE(QFile::link(folder.File("real.db/inside.db"), dangling));
    EXPECT_FALSE(WriteWholeFile(dangling, "x", "Error: ").ok());
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());

    const Status onFolder = WriteWholeFile(folder.Path(), "x", "Error: ");
    ASSERT_FALSE(onFolder.ok());
    EXPECT_TRUE(onFolder.error().text.startsWith("Error: "));
    EXPECT_TRUE(QFileInfo(folder.Path()).isDir());

    EXPECT_TRUE(RequireParentFolder(folder.File("x.db")).ok());
    const Status missing = RequireParentFolder(folder.File("no/such/x.db"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().text,
              QStringLiteral("Error: The folder %1 does not exist.").arg(folder.File("no/such")));
}

// Saves cut short by a kill leave "NAME.XXXXXX.saving"; the next save removes those older than a
// minute (not a save in progress, and never another file that merely looks alike).
TEST(WriteWholeFile, RemovesStaleTemporaryFilesOfTheSameFile) {
    TempFolder folder;
    const QString path = folder.File("aircraft.db");
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const QStringList leftovers{"aircraft.db.a1B2c3.saving", "aircraft.db.Zz9Yy8.saving"};
    const QStringList kept{"aircraft.db.backup",        "aircraft.db.x.saving",
                           "other.db.a1B2c3.saving",    "aircraft.db.fresh1.saving",
                           "aircraft.db.a1B2-3.saving", "aircraft.dbXa1B2c3.saving"};
    for (const QString& name : leftovers + kept) {
        ASSERT_TRUE(WriteWholeFile(folder.File(name), "x", {}).ok());
        QFile file(folder.File(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        if (name != QLatin1String("aircraft.db.fresh1.saving")) {
            ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
    }
    ASSERT_TRUE(WriteWholeFile(path, "fleet", {}).ok());
    QStringList expected = kept;
    expected.append("aircraft.db");
    expected.sort();
    EXPECT_EQ(FolderEntries(folder.Path()), expected);
}

// On a full disk every save fails with the system's reason and the old file stays byte for byte.
TEST(WriteWholeFile, FullDiskFailsAndKeepsTheOldFile) {
    FullDiskFolder disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.File("checklist.db");
    const QString text = disk.File("weight.txt");
    ASSERT_TRUE(WriteWholeFile(path, QByteArray(471, 'a'), {}).ok());
    ASSERT_TRUE(WriteTextFile(text, "Aircraft=N123A\r\n").ok());
    disk.Fill();

    const Status failed = WriteWholeFile(path, QByteArray(500, 'b'), "Error: ");
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().text, QStringLiteral("Error: ") + kNoSpaceReason);
    EXPECT_EQ(FileBytes(path), QByteArray(471, 'a'));

    const Status textFailed = WriteTextFile(text, "Aircraft=N456B\r\nPilot=170\r\n");
    ASSERT_FALSE(textFailed.ok());
    EXPECT_TRUE(textFailed.error().text.endsWith(kNoSpaceReason));
    EXPECT_EQ(FileBytes(text), QByteArray("Aircraft=N123A\r\n"));
    EXPECT_EQ(FolderEntries(disk.Path()), (QStringList{".filler", "checklist.db", "weight.txt"}));
}

// A folder that cannot be written (a read-only mount; permissions do not stop root).
TEST(WriteWholeFile, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    FullDiskFolder disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.File("waypoints.db");
    ASSERT_TRUE(WriteWholeFile(path, "old", {}).ok());
    ASSERT_TRUE(disk.MakeReadOnly());
    const Status failed = WriteWholeFile(path, "new", "Error: ");
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().text, QStringLiteral("Error: Read-only file system"));
    EXPECT_EQ(FileBytes(path), QByteArray("old"));
}

} // namespace
