#include "core/weight-balance/LoadingFile.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/KeyValueText.h"

QString WeightFilePath() {
    return DataFolder() + QStringLiteral("weight.txt");
}

QString LoadingFilesFolder() {
    return DocumentsFolder() + QStringLiteral("/Orvenda/WeightBalance");
}

Outcome<QString> ReadLoadingFile(const QString& path) {
    return ReadTextFile(path);
}

Status WriteLoadingFile(const QString& path, const QString& text) {
    return WriteTextFile(path, text);
}
