#pragma once
// Durations and clock times typed freely into calculator fields as "h:mm".

#include "core/common/Outcome.h"

#include <QStringView>

#include <optional>

// The message for a time text without exactly one ":".
inline constexpr const char* kInvalidTimeFormatText = "Invalid time format, must be hh:mm.";

// Reads "h:mm" as hours: the numbers before and after the ":" (decimal, read as typed numbers
// are), hours + minutes / 60. Minutes above 59 are accepted. An empty text is no value
// (std::nullopt). A text with no ":" or more than one fails with "Invalid time format, must be
// hh:mm." and the information icon.
Outcome<std::optional<double>> ReadTimeText(QStringView text);
