#pragma once
// One OurAirports CSV file opened for reading, with its columns found by name, and the
// conversions its values need (texts, numbers, positions, identifiers). Fields are read as
// views of the file's bytes; only the texts that are kept become strings.

#include "core/navdata/CsvReader.h"
#include "core/navdata/IdentKey.h"

#include "core/common/Outcome.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

class OurAirportsCsv {
public:
    // Reads folder/file and its header. Fails with "Error:\nUnable to read <file>.\n" and the
    // system's reason, or when a required column is missing.
    Status Open(const QString& folder, const char* file, const QStringList& required);

    // The size of the file in bytes.
    qsizetype ByteCount() const { return reader_.ByteCount(); }
    // Next record; false at the end.
    bool Next() { return reader_.Next(); }
    // The position of a column; -1 when the file has none (its fields then read as "").
    int Col(const char* name) const;

    // The field's UTF-8 bytes, valid as long as this object.
    QByteArrayView Field(int column) const { return reader_.Field(column); }
    QString Text(int column) const { return QString::fromUtf8(reader_.Field(column)); }
    // The field without the white space around it (as QString::trimmed sees white space).
    QString TrimmedText(int column) const;
    // The UTF-8 form of Text and TrimmedText: the field's bytes, except that bytes that are no
    // UTF-8 read as the replacement character. Two fields compare equal as these exactly when
    // they do as texts. Valid as long as this object: a field that is not plain ASCII is kept
    // converted here.
    std::string_view TextBytes(int column) const;
    std::string_view TrimmedTextBytes(int column) const;
    // The number the field starts with, read as TextToDouble and TextToInt read a text.
    double Number(int column) const;
    int Whole(int column) const;

    // Degrees to whole seconds of arc (rounded), the sign kept.
    static int32_t SecondsOfArc(double degrees);
    // True for one to four printable ASCII characters: an identifier that fits a key.
    static bool FitsKey(QStringView ident);
    static bool FitsKey(std::string_view ident);
    // The key of an identifier that fits one.
    static IdentKey KeyOf(std::string_view ident);

private:
    CsvReader reader_{QByteArray()};
    QStringList header_;
    mutable std::deque<std::string> converted_; // the converted fields, at fixed addresses
};
