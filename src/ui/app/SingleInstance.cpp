#include "ui/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr QByteArrayView kShowRequest = "show\n";
constexpr int kAnswerMilliseconds = 1000;
constexpr int kStartTries = 50; // 100 ms apart: the running copy may still be starting
constexpr int kStartPauseMilliseconds = 100;

// A name for the data folder that fits a socket path: the hash of its absolute path.
QString FolderTag(const QString& dataFolder) {
    const QString absolute = QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath());
    return QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(absolute), QCryptographicHash::Sha256)
            .toHex()
            .left(16));
}

} // namespace

CSingleInstance::CSingleInstance(const QString& dataFolder, const QString& runtimeFolder) {
    const QString base =
        QDir(runtimeFolder).filePath(QStringLiteral("trevallion-") + FolderTag(dataFolder));
    lockPath_ = base + QStringLiteral(".lock");
    socketPath_ = base + QStringLiteral(".socket");
    connect(&server_, &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
}

CSingleInstance::~CSingleInstance() {
    server_.close(); // removes the socket file while the lock is still held
}

QString CSingleInstance::DefaultRuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool CSingleInstance::Claim() {
    (void)QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    auto lock = std::make_unique<FileLock>(lockPath_, 0);
    if (lock->Busy())
        return false;
    // A runtime folder where no lock can be made must not keep the program from starting: it
    // then runs without the guard.
    if (lock->Held())
        lock_ = std::move(lock);
    // A socket file left by a copy that died would make listen() fail.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    (void)server_.listen(socketPath_); // without it a later start cannot raise us, no more
    return true;
}

bool CSingleInstance::AskRunningToShow() const {
    for (int attempt = 0; attempt < kStartTries; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(kAnswerMilliseconds)) {
            socket.write(kShowRequest.data(), kShowRequest.size());
            return socket.waitForBytesWritten(kAnswerMilliseconds);
        }
        QThread::msleep(kStartPauseMilliseconds);
    }
    return false;
}

void CSingleInstance::OnConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kShowRequest.first(4)))
                emit ShowRequested();
        });
    }
}
