#include "core/navdata/AirportBodyReader.h"

#include "core/navdata/NavFileFormat.h"

namespace {

ParseStatus ReadRecord(ByteReader& in, IdentKey expected, AirportRecord* record) {
    *record = ReadAirportRecord(in);
    if (!in.Ok())
        return ParseStatus::OutOfData;
    return record->key == expected ? ParseStatus::Ok : ParseStatus::Damaged;
}

ParseStatus Finish(const ByteReader& in) {
    return in.Ok() ? ParseStatus::Ok : ParseStatus::OutOfData;
}

} // namespace

ParseStatus ReadAirportText(ByteReader& in, IdentKey expected, bool withCity, AirportRecord* record,
                            AirportText* text) {
    const ParseStatus status = ReadRecord(in, expected, record);
    if (status != ParseStatus::Ok)
        return status;
    if (!in.Skip(qsizetype{record->runwayCount} * navfile::kRunwayBytes))
        return ParseStatus::OutOfData;
    for (int i = 0; i < record->commCount; ++i) {
        if (!SkipCountedString(in) || !SkipCountedString(in))
            return ParseStatus::OutOfData;
    }
    text->name = ReadCountedBytes(in, navfile::kTextBufferBytes);
    text->city = withCity ? ReadCountedBytes(in, navfile::kTextBufferBytes) : QByteArrayView();
    return Finish(in);
}

ParseStatus ReadAirportDetails(ByteReader& in, IdentKey expected, AirportDetails* details) {
    *details = AirportDetails();
    const ParseStatus status = ReadRecord(in, expected, &details->record);
    if (status != ParseStatus::Ok)
        return status;
    AirportRecord& record = details->record;
    const int kept = qMin<int>(record.runwayCount, navfile::kMaxRunwaysKept);
    for (int i = 0; i < kept && in.Ok(); ++i)
        details->runways.append(ReadRunwayRecord(in));
    in.Skip(qsizetype{record.runwayCount - kept} * navfile::kRunwayBytes);
    for (int i = 0; i < record.commCount && in.Ok(); ++i) {
        CommEntry line;
        line.label = ReadCountedString(in, navfile::kCommSlotBytes);
        line.frequency = ReadCountedString(in, navfile::kCommSlotBytes);
        details->comm.append(line);
    }
    details->name = ReadCountedString(in, navfile::kTextBufferBytes);
    details->city = ReadCountedString(in, navfile::kTextBufferBytes);
    if (!in.Ok())
        return ParseStatus::OutOfData;
    record.runwayCount = static_cast<uint16_t>(details->runways.size());
    return ParseStatus::Ok;
}
