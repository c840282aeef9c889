#include "core/weight-balance/LoadingFile.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/KeyValueText.h"

#include <QFileInfo>

QString WeightFilePath() {
    return DataFolder() + QStringLiteral("weight.txt");
}

QString LoadingFilesFolder() {
    return DocumentsFolder() + QStringLiteral("/Orvenda/WeightBalance");
}

Outcome<QString> ReadLoadingFile(const QString& path) {
    Outcome<QString> text = ReadTextFile(path);
    if (text && GetKeyValue(text.value(), QStringLiteral("Aircraft")).isEmpty())
        return Outcome<QString>::Fail(kNotALoadingText, MessageIcon::None);
    return text;
}

Status WriteLoadingFile(const QString& path, const QString& text) {
    return WriteTextFile(path, text);
}

Status WriteWeightFile(const QString& text) {
    const QString path = WeightFilePath();
    if (QFileInfo(path).isFile() && !ReadLoadingFile(path)) {
        if (Status kept = KeepRefusedFile(path, QStringLiteral("Error, Unable to save file.\n"));
            !kept)
            return kept;
    }
    return WriteLoadingFile(path, text);
}
