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
    const qsizetype indexStart = out.Size();
    out.Zeros(airports.size() * navfile::kIndexEntryBytes);
    out.Zeros(aids.size() * navfile::kNavAidBytes);
    for (qsizetype i = 0; i < aids.size(); ++i) {
        aids[i].record.nameOffset = static_cast<int32_t>(out.Size());
        WriteCountedString(out, aids[i].name, navfile::kTextBufferBytes);
    }
    QVector<int32_t> bodyOffsets;
    for (const AirportDetails* a : airports) {
        bodyOffsets.append(static_cast<int32_t>(out.Size()));
        WriteAirportBody(out, *a);
    }
    if (out.Size() > kMaxFileBytes) // offsets are 32-bit
        return Outcome<QByteArray>::Fail(QStringLiteral("The data is too large for one file."));

    QByteArray bytes = out.Data();
    ByteWriter tables;
    for (qsizetype i = 0; i < airports.size(); ++i)
        WriteAirportIndexEntry(tables, {airports[i]->record.key, bodyOffsets[i]});
    for (const NavAid& aid : aids)
        WriteNavAidRecord(tables, aid.record);
    bytes.replace(indexStart, tables.Size(), tables.Data());
    return bytes;
}

Status NavFileWriter::Write(const QString& path, const NavDataSet& data) {
    const Outcome<QByteArray> bytes = Build(data);
    if (!bytes)
        return Status(bytes.error());
    return WriteWholeFile(path, bytes.value(),
                          QStringLiteral("Error:\nUnable to write the Airport file.\n"));
}
