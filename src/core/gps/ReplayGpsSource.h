#pragma once
// A recorded NMEA file played back as if a receiver sent it: one sentence group a second, a
// group being the consecutive sentences of one time stamp (RMC and GGA carry it in field 1;
// sentences without a time stay with the group before them). At the end of the file the source
// goes quiet, so the data go stale as with a receiver that stops talking. For demonstrations,
// tests and replaying a flight.

#include "core/gps/GpsSource.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The largest recording accepted: about a day of sentences at one group a second.
inline constexpr qint64 kMaxReplayFileBytes = 32 * 1024 * 1024;

// The sentences of a recording grouped by time stamp. Lines that are no sentence are skipped.
QList<QList<QByteArray>> GroupNmeaSentences(const QByteArray& text);

class ReplayGpsSource : public GpsSource {
public:
    static constexpr int kDefaultIntervalMilliseconds = 1000;

    explicit ReplayGpsSource(QString path, int intervalMilliseconds = kDefaultIntervalMilliseconds)
        : path_(std::move(path)), interval_(intervalMilliseconds) {}

    // Reads the whole recording. Fails ("Error: " and the reason) when the file cannot be read,
    // is too large or holds no intact RMC or GGA sentence.
    Status Open() override;
    void Read(GpsReaderContext& context) override;
    void Close() override { groups_.clear(); }

private:
    QString path_;
    int interval_;
    QList<QList<QByteArray>> groups_;
};
