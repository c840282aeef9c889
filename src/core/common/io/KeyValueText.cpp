#include "core/common/io/KeyValueText.h"

#include "core/common/io/FileIo.h"

QString GetKeyValue(const QString& text, const QString& key) {
    const QString marker = key + '=';
    const qsizetype at = text.indexOf(marker);
    if (at < 0)
        return {};
    const qsizetype start = at + marker.size();
    const qsizetype end = text.indexOf('\r', start);
    if (end < 0)
        return {};
    return text.mid(start, end - start);
}

Outcome<QString> ReadTextFile(const QString& path) {
    const QString prefix = QStringLiteral("Error, Unable to open file.\n");
    Outcome<QByteArray> bytes = ReadWholeFile(path, prefix, kMaxTextFileBytes);
    if (!bytes.ok()) {
        Message message = bytes.error();
        message.text = message.text.left(prefix.size() + 1024);
        message.icon = MessageIcon::None;
        return message;
    }
    return QString::fromLatin1(bytes.value());
}

Status WriteTextFile(const QString& path, const QString& text) {
    return WriteWholeFile(path, text.toLatin1(), QStringLiteral("Error, Unable to save file.\n"));
}
