#include "core/gps/ReplayGpsSource.h"

#include "core/common/io/FileIo.h"
#include "core/gps/NmeaSentence.h"

namespace {

// The time stamp of an RMC or GGA sentence; empty for other sentences.
QByteArrayView TimeStamp(const QByteArray& sentence) {
    if (NmeaSentenceType(sentence) == NmeaType::Other)
        return {};
    return NmeaField(sentence, 1);
}

} // namespace

QList<QList<QByteArray>> GroupNmeaSentences(const QByteArray& text) {
    QList<QList<QByteArray>> groups;
    QByteArray groupTime;
    for (const QByteArray& line : text.split('\n')) {
        const std::optional<QByteArray> sentence = NmeaSentenceFromLine(line);
        if (!sentence)
            continue;
        const QByteArrayView time = TimeStamp(*sentence);
        const bool startsGroup = groups.isEmpty() || (!time.isEmpty() && time != groupTime);
        if (startsGroup) {
            groups.append(QList<QByteArray>());
            if (!time.isEmpty())
                groupTime = time.toByteArray();
        }
        groups.last().append(*sentence);
    }
    return groups;
}

Status ReplayGpsSource::Open() {
    const QString prefix = QStringLiteral("Error: ");
    Outcome<QByteArray> read = ReadWholeFile(path_, prefix, kMaxReplayFileBytes);
    if (!read.ok())
        return Status(Message{read.error().text, MessageIcon::None});
    groups_ = GroupNmeaSentences(read.value());
    bool hasFix = false;
    GpsValues scratch;
    for (const QList<QByteArray>& group : groups_)
        for (const QByteArray& sentence : group)
            hasFix = hasFix || DecodeNmeaSentence(sentence, &scratch);
    if (!hasFix) {
        groups_.clear();
        return Status::Fail(prefix + QStringLiteral("The file holds no NMEA position sentences."),
                            MessageIcon::None);
    }
    return Status();
}

void ReplayGpsSource::Read(GpsReaderContext& context) {
    for (const QList<QByteArray>& group : groups_) {
        for (const QByteArray& sentence : group)
            context.ApplySentence(sentence);
        if (!context.Wait(interval_))
            return;
    }
    while (context.Wait(interval_)) {
        // The recording has ended: quiet until the receiver stops.
    }
}
