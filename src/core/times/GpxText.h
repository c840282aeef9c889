#pragma once
// The text of a GPX 1.1 track file: the head (document, metadata, track and segment opened), one
// track point per fix, and the tail that closes them. Head + points + tail is always a complete
// GPX document. Speed and course, which GPX 1.1 has no element for, go into the track point's
// extensions in the widely read TrackPointExtension v2 form (metres per second, degrees).

#include "core/gps/GpsFix.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// Head of a track named after its startup time (UTC).
QByteArray GpxHead(const QDateTime& startupUtc);
QByteArray GpxTail();

// The UTC time of a fix: the RMC date (its century and week rollover judged from today, see
// NmeaDate) and time; today's date when the sentence had no date. Nothing when the fields are no
// valid date and time.
std::optional<QDateTime> GpsFixTime(const GpsValues& values, const QDate& today);

// ddmm.mmmm with its hemisphere letter as signed decimal degrees (south and west negative).
double NmeaDegrees(double ddmm, char hemisphere);

// One <trkpt> line for a valid fix at the given time.
QByteArray GpxTrackPoint(const GpsValues& values, const QDateTime& utc);
