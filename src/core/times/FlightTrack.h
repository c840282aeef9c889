#pragma once
// The flight track: while the GPS is open and a flight is timed (startup recorded, shutdown
// not), every new valid fix becomes a point of a GPX 1.1 track in
// "<documents>/Orvenda/Tracks/", named by the startup time ("2026-03-20_1005Z.gpx").
//
// The whole file is rewritten through the atomic writer every kFlushSeconds and when the flight
// ends, so the file on disk is always a complete GPX document and a crash loses at most the last
// few seconds. A program restarted during the flight (its times restored) goes on with the same
// file. Owned by the document; driven by the main frame's one-second tick.

#include "core/common/Outcome.h"
#include "core/common/SystemTime.h"
#include "core/gps/GpsFix.h"

#include <QByteArray>
#include <QString>

class FlightTimes;

class FlightTrack {
public:
    static constexpr int kFlushSeconds = 5;
    // The largest existing track taken up again after a restart.
    static constexpr qint64 kMaxTrackBytes = 64 * 1024 * 1024;

    // "<documents>/Orvenda/Tracks/".
    static QString TracksFolder();

    // One tick: adds the fix when it is new and valid, writes the file when due. Fails with the
    // message of a write that failed, once per flight (the track goes on in memory and the next
    // write tries again).
    Status Tick(const FlightTimes& times, const GpsReading& gps);

    // Writes the points not yet on disk now (the program is ending).
    Status Flush();

    // The file of the flight being tracked ("" when none).
    const QString& Path() const { return path_; }
    int PointCount() const { return points_; }

private:
    void Begin(const SystemTime& startup);
    void Add(const GpsReading& gps);
    Status Write();
    void End();

    QString path_;
    SystemTime startup_;
    QByteArray body_; // head and points, without the tail
    int points_ = 0;
    int pending_ = 0; // points not yet on disk
    qint64 lastWrite_ = 0;
    uint32_t lastDate_ = 0;
    double lastTime_ = -1;
    bool failureReported_ = false;
};
