#include "core/navdata/NavFileFormat.h"

#include <bit>

namespace {

float ReadFloat(ByteReader& in) {
    return std::bit_cast<float>(in.U32());
}

void WriteFloat(ByteWriter& out, float value) {
    out.U32(std::bit_cast<uint32_t>(value));
}

// A runway designator field: four bytes, at most three characters and a zero.
QString ReadDesignator(ByteReader& in) {
    const QByteArray bytes = in.Bytes(4);
    return FromNavText(CountedText(bytes, 4));
}

// Typographic punctuation that Latin-1 lacks, as its plain form; 0 for other characters.
char PlainPunctuation(char16_t c) {
    if (c >= 0x2010 && c <= 0x2015)
        return '-'; // hyphens and dashes
    if (c >= 0x2018 && c <= 0x201B)
        return '\'';
    if (c >= 0x201C && c <= 0x201F)
        return '"';
    return 0;
}

// -1 for a character that is left out.
int NavByte(QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (c.unicode() <= 0xFF)
        return c.unicode();
    if (c.category() == QChar::Mark_NonSpacing)
        return -1; // an accent written apart from its letter
    if (const char plain = PlainPunctuation(c.unicode()); plain != 0)
        return plain;
    const QString decomposed = c.decomposition();
    if (!decomposed.isEmpty() && decomposed[0].unicode() <= 0xFF && decomposed[0] != '\0')
        return decomposed[0].unicode();
    return c.isLowSurrogate() ? -1 : '?';
}

// Writes the 8-bit form of `text` (see ToNavText) to `out`, at most `room` bytes; returns the
// number written. Each character gives at most one byte, so a prefix of the text gives a prefix
// of its 8-bit form.
qsizetype NavTextInto(char* out, QStringView text, qsizetype room) {
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size() && length < room; ++i) {
        if (const int byte = NavByte(text, i); byte >= 0)
            out[length++] = static_cast<char>(byte);
    }
    return length;
}

void WriteDesignator(ByteWriter& out, const QString& text) {
    QByteArray bytes(4, '\0');
    NavTextInto(bytes.data(), text, 3);
    out.Bytes(bytes);
}

} // namespace

NavFileHeader ReadNavFileHeader(ByteReader& in) {
    NavFileHeader h;
    in.Skip(4);
    h.version = in.U16();
    in.Skip(2);
    h.validityDate = in.U32();
    h.airportCount = in.I32();
    h.navAidCount = in.I32();
    h.descriptionBytes = in.U16();
    return h;
}

void WriteNavFileHeader(ByteWriter& out, const NavFileHeader& h) {
    out.Bytes(QByteArrayLiteral("TNAV")); // not interpreted by readers
    out.U16(h.version);
    out.Zeros(2);
    out.U32(h.validityDate);
    out.I32(h.airportCount);
    out.I32(h.navAidCount);
    out.U16(h.descriptionBytes);
}

AirportIndexEntry ReadAirportIndexEntry(ByteReader& in) {
    AirportIndexEntry e;
    e.key = IdentKey(in.U32());
    e.offset = in.I32();
    return e;
}

void WriteAirportIndexEntry(ByteWriter& out, const AirportIndexEntry& e) {
    out.U32(e.key.Raw());
    out.I32(e.offset);
}

NavAidRecord ReadNavAidRecord(ByteReader& in) {
    NavAidRecord r;
    r.key = IdentKey(in.U32());
    r.type = in.I32();
    r.latitude = in.I32();
    r.longitude = in.I32();
    r.variation = ReadFloat(in);
    r.frequency = ReadFloat(in);
    r.nameOffset = in.I32();
    return r;
}

void WriteNavAidRecord(ByteWriter& out, const NavAidRecord& r) {
    out.U32(r.key.Raw());
    out.I32(r.type);
    out.I32(r.latitude);
    out.I32(r.longitude);
    WriteFloat(out, r.variation);
    WriteFloat(out, r.frequency);
    out.I32(r.nameOffset);
}

AirportRecord ReadAirportRecord(ByteReader& in) {
    AirportRecord r;
    r.key = IdentKey(in.U32());
    r.latitude = in.I32();
    r.longitude = in.I32();
    r.runwayCount = in.U16();
    r.commCount = in.U16();
    r.elevation = in.I32();
    r.variation = ReadFloat(in);
    r.utcOffset = in.I32();
    return r;
}

void WriteAirportRecord(ByteWriter& out, const AirportRecord& r) {
    out.U32(r.key.Raw());
    out.I32(r.latitude);
    out.I32(r.longitude);
    out.U16(r.runwayCount);
    out.U16(r.commCount);
    out.I32(r.elevation);
    WriteFloat(out, r.variation);
    out.I32(r.utcOffset);
}

RunwayRecord ReadRunwayRecord(ByteReader& in) {
    RunwayRecord r;
    r.end1 = ReadDesignator(in);
    r.end2 = ReadDesignator(in);
    r.latitude1 = in.I32();
    r.latitude2 = in.I32();
    r.longitude1 = in.I32();
    r.longitude2 = in.I32();
    r.length = in.I32();
    r.width = in.I32();
    return r;
}

void WriteRunwayRecord(ByteWriter& out, const RunwayRecord& r) {
    WriteDesignator(out, r.end1);
    WriteDesignator(out, r.end2);
    out.I32(r.latitude1);
    out.I32(r.latitude2);
    out.I32(r.longitude1);
    out.I32(r.longitude2);
    out.I32(r.length);
    out.I32(r.width);
}

QByteArrayView CountedText(QByteArrayView bytes, int bufferBytes) {
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    return bytes.first(qMin<qsizetype>(end, bufferBytes - 1));
}

QByteArrayView ReadCountedBytes(ByteReader& in, int bufferBytes) {
    const uint16_t count = in.U16();
    const qsizetype start = in.Position();
    if (!in.Skip(count))
        return {};
    return CountedText(QByteArrayView(in.Data()).sliced(start, count), bufferBytes);
}

QString ReadCountedString(ByteReader& in, int bufferBytes) {
    return FromNavText(ReadCountedBytes(in, bufferBytes));
}

bool SkipCountedString(ByteReader& in) {
    const uint16_t count = in.U16();
    return in.Skip(count);
}

void WriteCountedString(ByteWriter& out, const QString& text, int bufferBytes) {
    const qsizetype room = std::min<qsizetype>(text.size(), bufferBytes - 1);
    // One buffer for every string a thread writes; the writer copies it.
    thread_local QByteArray bytes;
    bytes.resize(2 + room + 1); // the count, the text, its zero
    const qsizetype length = NavTextInto(bytes.data() + 2, text, room);
    const auto count = static_cast<uint16_t>(length + 1);
    bytes[0] = static_cast<char>(count & 0xFF);
    bytes[1] = static_cast<char>(count >> 8);
    bytes[2 + length] = '\0';
    bytes.truncate(2 + length + 1);
    out.Bytes(bytes);
}

QByteArray ToNavText(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(NavTextInto(bytes.data(), text, text.size()));
    return bytes;
}

QString FromNavText(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.data(), bytes.size());
}
