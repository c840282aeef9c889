#pragma once
// Shared facts of the aircraft.db format: versions, record sizes, and the fixed 16-character
// UTF-16 names of version 5 and of the fuel quantity records.

#include "core/common/io/ByteReader.h"
#include "core/common/io/ByteWriter.h"

#include <QString>

#include <optional>

inline constexpr int kAircraftFileVersion = 6;    // the version written
inline constexpr int kAircraftFileOldVersion = 5; // read, then rewritten as version 6
inline constexpr int kFixedNameUnits = 16;        // UTF-16 units including the terminating zero
inline constexpr int kOldStationBytes = 88;       // a version 5 station record
inline constexpr int kOldAircraftBytes = 64;      // a version 5 aircraft record
inline constexpr int kFuelQuantityBytes = 80;

// The name cut to the 15 characters a record holds, never splitting a surrogate pair.
QString FitName(const QString& name);

// 32 bytes: the name as UTF-16 (cut by FitName), padded with zeros.
void WriteFixedName(ByteWriter& out, const QString& name);

// Reads 32 bytes of UTF-16 up to the first zero; a lone half of a surrogate pair reads as U+FFFD.
// Nothing (and the reader failed) when the bytes run past the end or hold no terminating zero.
std::optional<QString> ReadFixedName(ByteReader& in);
