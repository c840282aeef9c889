#include "core/times/WaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

Status Refuse(const QString& path, const QString& reason) {
    return Status::Fail(QStringLiteral("The sound file %1 cannot be played.\n%2").arg(path, reason),
                        MessageIcon::Warning);
}

} // namespace

Status CheckWaveFile(const QString& path) {
    if (path.isEmpty())
        return Refuse(path, QStringLiteral("No sound file is chosen."));
    const QFileInfo info(path);
    if (!info.exists())
        return Refuse(path, QStringLiteral("The file does not exist."));
    if (info.isDir())
        return Refuse(path, QStringLiteral("It is a folder."));
    if (info.size() > kMaxWaveFileBytes)
        return Refuse(path,
                      QStringLiteral("The file is larger than %1 bytes.").arg(kMaxWaveFileBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refuse(path, file.errorString());
    // Only the 12-byte RIFF header is read: enough to tell a wave file from anything else.
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return Refuse(path, QStringLiteral("It is not a wave (.wav) file."));
    return Status();
}
