#include "core/navdata/OurAirportsCsv.h"

#include "core/common/io/FileIo.h"
#include "core/common/text/NumberText.h"

#include <QDir>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Longer number fields are read through a decoded copy.
constexpr qsizetype kShortNumberBytes = 48;

// Reads a number field with `read` (a reader of number texts) without a decoded copy on the
// heap: ASCII bytes are the characters they encode, and any other byte ends the number as the
// character it is part of would.
template <typename Read> auto ReadNumber(QByteArrayView field, Read read) {
    if (field.size() > kShortNumberBytes)
        return read(QString::fromUtf8(field));
    char16_t text[kShortNumberBytes];
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto byte = static_cast<unsigned char>(field[i]);
        text[i] = byte < 0x80 ? byte : u'\xFFFD';
    }
    return read(QStringView(text, field.size()));
}

bool IsAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A plain decimal, as most fields are written ("-122.30899810791016"): an optional minus, digits
// and at most one point. TextToDouble hands such a text to std::from_chars as it is.
bool IsPlainDecimal(QByteArrayView field) {
    qsizetype i = !field.isEmpty() && field[0] == '-' ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < field.size(); ++i) {
        if (field[i] >= '0' && field[i] <= '9')
            digits = true;
        else if (field[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

} // namespace

Status OurAirportsCsv::Open(const QString& folder, const char* file, const QStringList& required) {
    const QString name = QString::fromLatin1(file);
    const Outcome<QByteArray> bytes = ReadWholeFile(
        QDir(folder).filePath(name), QStringLiteral("Error:\nUnable to read %1.\n").arg(name),
        kMaxImportFileBytes);
    if (!bytes)
        return Status(bytes.error());
    reader_ = CsvReader(bytes.value());
    reader_.Next();
    header_ = reader_.Texts();
    for (const QString& column : required) {
        if (!header_.contains(column))
            return Status::Fail(
                QStringLiteral("Error:\n%1 has no column \"%2\".").arg(name, column));
    }
    return {};
}

int OurAirportsCsv::Col(const char* name) const {
    return CsvReader::Column(header_, QString::fromLatin1(name));
}

QString OurAirportsCsv::TrimmedText(int column) const {
    const QByteArrayView field = reader_.Field(column);
    // ASCII white space is all the white space an ASCII field can hold.
    return IsAscii(field) ? QString::fromLatin1(field.trimmed()) : Text(column).trimmed();
}

std::string_view OurAirportsCsv::TextBytes(int column) const {
    const QByteArrayView field = reader_.Field(column);
    if (IsAscii(field))
        return {field.data(), static_cast<size_t>(field.size())};
    return converted_.emplace_back(Text(column).toStdString());
}

std::string_view OurAirportsCsv::TrimmedTextBytes(int column) const {
    const QByteArrayView field = reader_.Field(column);
    if (!IsAscii(field))
        return converted_.emplace_back(Text(column).trimmed().toStdString());
    const QByteArrayView trimmed = field.trimmed();
    return {trimmed.data(), static_cast<size_t>(trimmed.size())};
}

double OurAirportsCsv::Number(int column) const {
    const QByteArrayView field = reader_.Field(column);
    if (IsPlainDecimal(field)) {
        double value = 0.0;
        const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
        if (result.ec == std::errc())
            return value;
    }
    return ReadNumber(field, [](QStringView text) { return TextToDouble(text); });
}

int OurAirportsCsv::Whole(int column) const {
    return ReadNumber(reader_.Field(column), [](QStringView text) { return TextToInt(text); });
}

int32_t OurAirportsCsv::SecondsOfArc(double degrees) {
    return static_cast<int32_t>(std::lround(std::clamp(degrees, -180.0, 180.0) * 3600.0));
}

bool OurAirportsCsv::FitsKey(QStringView ident) {
    if (ident.isEmpty() || ident.size() > 4)
        return false;
    return std::all_of(ident.begin(), ident.end(),
                       [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; });
}

bool OurAirportsCsv::FitsKey(std::string_view ident) {
    if (ident.empty() || ident.size() > 4)
        return false;
    return std::all_of(ident.begin(), ident.end(), [](char c) { return c > 0x20 && c < 0x7F; });
}

IdentKey OurAirportsCsv::KeyOf(std::string_view ident) {
    char16_t text[4] = {};
    const size_t size = std::min<size_t>(ident.size(), 4);
    std::copy_n(ident.begin(), size, text);
    return IdentKey::FromText(QStringView(text, static_cast<qsizetype>(size))).value_or(IdentKey());
}
