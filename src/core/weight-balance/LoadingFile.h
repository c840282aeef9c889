#pragma once
// Where loading texts live and how they are read: weight.txt (the last loading, kept between
// runs) in the data folder, and the .wb files the pilot saves, in their own folder.

#include "core/common/Outcome.h"
#include "core/common/io/FileIo.h"

#include <QString>

// A loading text is a few hundred bytes; anything larger is no loading file.
inline constexpr qint64 kMaxLoadingFileBytes = kMaxTextFileBytes;

// "<documents>/Orvenda/Trevallion/weight.txt".
QString WeightFilePath();
// "<documents>/Orvenda/WeightBalance", where the .wb file dialogs start.
QString LoadingFilesFolder();

// The file's 8-bit text. Fails with "Error, Unable to open file.\n" and the reason when it cannot
// be read or is larger than kMaxLoadingFileBytes, or with kNotALoadingText when it names no
// aircraft (an empty file, random bytes, another program's text: a loading always names one).
Outcome<QString> ReadLoadingFile(const QString& path);
inline constexpr char kNotALoadingText[] =
    "Error, Unable to open file.\nThe file is not a weight and balance loading.";
// Writes the text through the atomic writer; fails with "Error, Unable to save file.\n" and the
// reason.
Status WriteLoadingFile(const QString& path, const QString& text);
// Writes weight.txt; a weight.txt that is there but would be refused when read is first kept as
// weight.txt.bad (see KeepRefusedFile).
Status WriteWeightFile(const QString& text);
