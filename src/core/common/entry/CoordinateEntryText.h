#pragma once
// A latitude or longitude written as the entry fields show it, followed by its hemisphere letter:
// "47:26.94N" (degrees, minutes, hundredths of a minute) or "122:18:30 W" (degrees, minutes,
// seconds). Dialogs keep such texts in the settings; the command line takes them as arguments.

#include "core/common/entry/CoordinateSegments.h"

#include <QChar>
#include <QString>

#include <optional>

struct CoordinateEntryText {
    CoordinateSegments segments;
    bool secondsForm = false; // "DD:MM:SS"; otherwise "DD:MM.MM"
    QChar hemisphere;         // 'N' or 'S' (latitude), 'W' or 'E' (longitude); null when absent

    // Whole seconds of arc, never negative.
    int32_t SecondsOfArc() const { return SecondsOfArcFromSegments(segments, secondsForm); }
    double Degrees() const { return DecimalDegreesFromSegments(segments, secondsForm); }
    // South for a latitude, east for a longitude: the hemisphere whose positions are negative.
    bool NegativeHemisphere() const { return hemisphere == 'S' || hemisphere == 'E'; }
};

// Nothing unless the text is degrees ":" minutes, then "." hundredths or ":" seconds, each part
// within the field's range (degrees 0-89 for a latitude, 0-179 for a longitude, minutes 0-59,
// hundredths 0-99, seconds 0-59), then optionally spaces and one hemisphere letter of the kind
// (either letter case).
std::optional<CoordinateEntryText> ParseCoordinateEntry(const QString& text, bool longitude);

// A field's text followed by the hemisphere letter of the sign: "47:26.94" -> "47:26.94N".
QString CoordinateEntryString(const QString& fieldText, bool negativeHemisphere, bool longitude);
