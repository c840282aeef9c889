#include "core/weight-balance/LoadingFile.h"

#include "core/common/DeviceFolders.h"
#include "core/common/KeyValueText.h"

#include <QFile>

namespace {

const QString kOpenError = QStringLiteral("Error, Unable to open file.\n");

} // namespace

QString WeightFilePath() {
    return DataFolder() + QStringLiteral("weight.txt");
}

QString LoadingFilesFolder() {
    return DocumentsFolder() + QStringLiteral("/Orvenda/WeightBalance");
}

Outcome<QString> ReadLoadingFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome<QString>::Fail(kOpenError + file.errorString(), MessageIcon::None);
    // One byte more than allowed tells a file at the limit from a larger one.
    const QByteArray bytes = file.read(kMaxLoadingFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Outcome<QString>::Fail(kOpenError + file.errorString(), MessageIcon::None);
    if (bytes.size() > kMaxLoadingFileBytes)
        return Outcome<QString>::Fail(kOpenError + QStringLiteral("The file is larger than 64 KB "
                                                                  "and is no loading file."),
                                      MessageIcon::None);
    return QString::fromLatin1(bytes);
}

Status WriteLoadingFile(const QString& path, const QString& text) {
    return WriteTextFile(path, text);
}
