#pragma once
// One OurAirports CSV file opened for reading, with its columns found by name, and the
// conversions its values need (positions, identifiers).

#include "core/navdata/CsvReader.h"

#include "core/common/Outcome.h"

#include <cstdint>

class OurAirportsCsv {
public:
    // Reads folder/file and its header. Fails with "Error:\nUnable to read <file>.\n" and the
    // system's reason, or when a required column is missing.
    Status Open(const QString& folder, const char* file, const QStringList& required);

    // Next record; false at the end.
    bool Next(QStringList* fields) { return reader_.Next(fields); }
    // The position of a column; -1 when the file has none (its fields then read as "").
    int Col(const char* name) const;

    // Degrees to whole seconds of arc (rounded), the sign kept.
    static int32_t SecondsOfArc(double degrees);
    // True for one to four printable ASCII characters: an identifier that fits a key.
    static bool FitsKey(const QString& ident);

private:
    CsvReader reader_{QByteArray()};
    QStringList header_;
};
