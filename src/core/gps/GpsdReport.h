#pragma once
// gpsd's JSON protocol: the request that starts its reports, and the fix in a TPV report (time,
// position, velocity). Mode 2 or 3 with a position and a speed is a valid fix; lat and lon in
// degrees, speed in metres a second, track (and magtrack) in degrees, time in ISO 8601 UTC,
// altMSL (older gpsd: alt) in metres.

#include "core/gps/DecimalFix.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

inline constexpr char kGpsdWatchRequest[] = "?WATCH={\"enable\":true,\"json\":true};\n";
inline constexpr uint16_t kDefaultGpsdPort = 2947;
// The longest report line read; gpsd's reports of a fix are far shorter.
inline constexpr qsizetype kMaxGpsdLineBytes = 64 * 1024;

// The fix of a TPV report; nothing for any other report or a line that is no JSON object.
std::optional<DecimalFix> ParseGpsdReport(QByteArrayView line);
