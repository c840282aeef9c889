#pragma once
// The byte layout of a .nav file (all numbers little-endian, all text 8-bit): the 22-byte header,
// the counted strings (16-bit byte count, then the bytes including a terminating zero) and the
// fixed-size records. Readers never go past their ByteReader's data: a short read fails the
// reader and returns zeros.

#include "core/navdata/NavRecords.h"

#include "core/common/io/ByteReader.h"
#include "core/common/io/ByteWriter.h"

#include <QByteArrayView>

namespace navfile {
inline constexpr int kHeaderBytes = 22;
inline constexpr uint16_t kVersion = 2;
inline constexpr int kIndexEntryBytes = 8;
inline constexpr int kNavAidBytes = 28;
inline constexpr int kAirportBytes = 28;
inline constexpr int kRunwayBytes = 32;
inline constexpr int kMaxRunwaysKept = 10;
// Buffer sizes of the texts, each including the terminating zero.
inline constexpr int kTextBufferBytes = 256; // description, names and cities
inline constexpr int kCommSlotBytes = 80;    // communication label and frequency text
} // namespace navfile

struct NavFileHeader {
    uint16_t version = navfile::kVersion;
    uint32_t validityDate = 0;
    int32_t airportCount = 0;
    int32_t navAidCount = 0;
    uint16_t descriptionBytes = 0; // the counted description follows the header
};

NavFileHeader ReadNavFileHeader(ByteReader& in);
void WriteNavFileHeader(ByteWriter& out, const NavFileHeader& header);

AirportIndexEntry ReadAirportIndexEntry(ByteReader& in);
void WriteAirportIndexEntry(ByteWriter& out, const AirportIndexEntry& entry);
NavAidRecord ReadNavAidRecord(ByteReader& in);
void WriteNavAidRecord(ByteWriter& out, const NavAidRecord& record);
AirportRecord ReadAirportRecord(ByteReader& in);
void WriteAirportRecord(ByteWriter& out, const AirportRecord& record);
RunwayRecord ReadRunwayRecord(ByteReader& in);
void WriteRunwayRecord(ByteWriter& out, const RunwayRecord& runway);

// The text of `count` counted bytes: up to the first zero (or all of them when the zero is
// missing), at most bufferBytes - 1 characters.
QByteArrayView CountedText(QByteArrayView bytes, int bufferBytes);
// Reads a counted string and returns its text as CountedText does, viewing the reader's data.
// Empty, with the reader failed, when the bytes run past the end.
QByteArrayView ReadCountedBytes(ByteReader& in, int bufferBytes);
QString ReadCountedString(ByteReader& in, int bufferBytes);
// Skips a counted string; false (reader failed) when it runs past the end.
bool SkipCountedString(ByteReader& in);
// Writes the text as 8-bit characters, cut to bufferBytes - 1, with its terminating zero.
void WriteCountedString(ByteWriter& out, const QString& text, int bufferBytes);

// The 8-bit form of a text: Latin-1 characters as they are, others as their Latin-1 base letter
// when they have one (an accented letter without its accent), else "?".
QByteArray ToNavText(const QString& text);
QString FromNavText(QByteArrayView bytes);
