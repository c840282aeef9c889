#include "core/navdata/NavFileWriter.h"

#include "core/navdata/NavFileFormat.h"

#include "core/common/io/FileIo.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kMaxFileBytes = std::numeric_limits<int32_t>::max();

QString CheckAirports(const QVector<const AirportDetails*>& airports) {
    for (qsizetype i = 0; i < airports.size(); ++i) {
        const AirportDetails& a = *airports[i];
        const QString ident = a.record.key.Text();
        if (ident.isEmpty())
            return QStringLiteral("An airport has no identifier.");
        if (i > 0 && airports[i - 1]->record.key == a.record.key)
            return QStringLiteral("The airport identifier %1 is used twice.").arg(ident);
        if (a.runways.size() > 0xFFFF || a.comm.size() > 0xFFFF)
            return QStringLiteral("The airport %1 has too many runways or frequencies.").arg(ident);
    }
    return {};
}

void WriteAirportBody(ByteWriter& out, const AirportDetails& a) {
    AirportRecord record = a.record;
    record.runwayCount = static_cast<uint16_t>(a.runways.size());
    record.commCount = static_cast<uint16_t>(a.comm.size());
    WriteAirportRecord(out, record);
    for (const RunwayRecord& runway : a.runways)
        WriteRunwayRecord(out, runway);
    for (const CommEntry& line : a.comm) {
        WriteCountedString(out, line.label, navfile::kCommSlotBytes);
        WriteCountedString(out, line.frequency, navfile::kCommSlotBytes);
    }
    WriteCountedString(out, a.name, navfile::kTextBufferBytes);
    WriteCountedString(out, a.city, navfile::kTextBufferBytes);
}

} // namespace

Outcome<QByteArray> NavFileWriter::Build(const NavDataSet& data) {
    QVector<const AirportDetails*> airports;
    for (const AirportDetails& a : data.airports)
        airports.append(&a);
    std::stable_sort(airports.begin(), airports.end(),
                     [](const auto* a, const auto* b) { return a->record.key < b->record.key; });
    if (const QString problem = CheckAirports(airports); !problem.isEmpty())
        return Outcome<QByteArray>::Fail(problem);
    QVector<NavAid> aids = data.navAids;
    std::stable_sort(aids.begin(), aids.end(),
                     [](const NavAid& a, const NavAid& b) { return a.record.key < b.record.key; });

    ByteWriter descriptionBytes;
    WriteCountedString(descriptionBytes, data.description, navfile::kTextBufferBytes);
    NavFileHeader header;
    header.validityDate = data.validityDate;
    header.airportCount = static_cast<int32_t>(airports.size());
    header.navAidCount = static_cast<int32_t>(aids.size());
    header.descriptionBytes = static_cast<uint16_t>(descriptionBytes.Size() - 2);

    ByteWriter out;
    WriteNavFileHeader(out, header);
    out.Bytes(descriptionBytes.Data().mid(2)); // the header's last field is the count
    // The index is written with its keys; each offset is filled in when its body is written.
    const qsizetype indexStart = out.Size();
    for (const AirportDetails* a : airports)
        WriteAirportIndexEntry(out, {a->record.key, 0});
    const qsizetype namesStart = out.Size() + aids.size() * navfile::kNavAidBytes;
    ByteWriter names;
    for (NavAid& aid : aids) {
        aid.record.nameOffset = static_cast<int32_t>(namesStart + names.Size());
        WriteCountedString(names, aid.name, navfile::kTextBufferBytes);
    }
    for (const NavAid& aid : aids)
        WriteNavAidRecord(out, aid.record);
    out.Bytes(names.Data());
    for (qsizetype i = 0; i < airports.size(); ++i) {
        constexpr qsizetype kOffsetField = 4; // after the key
        out.PatchU32(indexStart + i * navfile::kIndexEntryBytes + kOffsetField,
                     static_cast<uint32_t>(out.Size()));
        WriteAirportBody(out, *airports[i]);
    }
    if (out.Size() > kMaxFileBytes) // offsets are 32-bit
        return Outcome<QByteArray>::Fail(QStringLiteral("The data is too large for one file."));
    return out.Data();
}

Status NavFileWriter::Write(const QString& path, const NavDataSet& data) {
    const Outcome<QByteArray> bytes = Build(data);
    if (!bytes)
        return Status(bytes.error());
    return WriteWholeFile(path, bytes.value(),
                          QStringLiteral("Error:\nUnable to write the Airport file.\n"));
}
