#include "core/common/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

Outcome<QByteArray> ReadWholeFile(const QString& path, const QString& prefix) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome<QByteArray>::Fail(prefix + file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Outcome<QByteArray>::Fail(prefix + file.errorString());
    return bytes;
}

Status WriteWholeFile(const QString& path, const QByteArray& bytes, const QString& prefix) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return Status::Fail(prefix + QStringLiteral("Cannot create the folder ") +
                            info.absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::Fail(prefix + file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status::Fail(prefix + reason);
    }
    if (!file.commit())
        return Status::Fail(prefix + file.errorString());
    return {};
}
