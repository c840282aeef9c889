#pragma once
// One copy of the program per data folder: two copies would each keep their own fleet,
// waypoints and checklists, and the later save would drop what the other added. The first copy
// holds a lock file in the runtime folder and listens on a local socket beside it; a later start
// finds the lock taken, asks the running copy through the socket to bring its window forward and
// ends. The lock of a copy that died is released by the system and taken over by the next start.

#include "core/common/io/FileLock.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <memory>

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // The instance of the data folder `dataFolder`, its lock and socket in `runtimeFolder`.
    CSingleInstance(const QString& dataFolder, const QString& runtimeFolder);
    ~CSingleInstance() override;

    // The runtime folder of the user's session (XDG_RUNTIME_DIR, else one Qt makes).
    static QString DefaultRuntimeFolder();

    // Takes the lock and starts listening; false when another copy holds the lock (true without
    // a lock when none can be made in the runtime folder).
    bool Claim();
    // Asks the copy holding the lock to show its window, waiting a few seconds for it to
    // listen (it may still be starting); false when it did not answer.
    bool AskRunningToShow() const;

    const QString& SocketPath() const { return socketPath_; }

signals:
    // Another start asked for the window.
    void ShowRequested();

private:
    void OnConnection();

    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<FileLock> lock_;
    QLocalServer server_;
};
