#include "core/gps/NmeaSentence.h"

#include "core/common/text/NumberText.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The shortest sentence with an address: "$" and five characters.
constexpr qsizetype kMinimumSentence = 6;
// Fields after the address that NMEA 0183 (2.0 and later) defines for each type.
constexpr int kRmcFields = 11;
constexpr int kGgaFields = 14;

bool IsPrintable(char c) {
    return c >= 0x20 && c <= 0x7E;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

// A decimal number as NMEA writes it: an optional sign, digits, an optional "." and digits,
// at least one digit in all; no exponent, no spaces.
bool IsNumber(QByteArrayView field) {
    qsizetype i = (!field.isEmpty() && (field[0] == '-' || field[0] == '+')) ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (; i < field.size(); ++i) {
        if (field[i] >= '0' && field[i] <= '9')
            ++digits;
        else if (field[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

// An optional number: empty, or a number.
bool IsEmptyOrNumber(QByteArrayView field) {
    return field.isEmpty() || IsNumber(field);
}

// An optional number that cannot be negative (a speed, a course, a variation).
bool IsEmptyOrUnsigned(QByteArrayView field) {
    return field.isEmpty() || (IsNumber(field) && field[0] != '-');
}

// hhmmss with an optional fraction: six digits before the point, a time of day.
bool IsTimeOfDay(QByteArrayView field) {
    if (!IsNumber(field) || field.size() < 6 || field[0] == '-' || field[0] == '+')
        return false;
    if (field.size() > 6 && field[6] != '.')
        return false;
    const int h = (field[0] - '0') * 10 + (field[1] - '0');
    const int m = (field[2] - '0') * 10 + (field[3] - '0');
    const int s = (field[4] - '0') * 10 + (field[5] - '0');
    return h < 24 && m < 60 && s <= 60; // 60: a leap second
}

int FieldCount(QByteArrayView body) {
    return static_cast<int>(std::count(body.begin(), body.end(), ','));
}

double FieldNumber(QByteArrayView sentence, int n) {
    return TextToDouble(QString::fromLatin1(NmeaField(sentence, n)));
}

int FieldInteger(QByteArrayView sentence, int n) {
    return TextToInt(QString::fromLatin1(NmeaField(sentence, n)));
}

// Truncation toward zero that saturates instead of overflowing on absurd input.
int32_t Truncate(double x) {
    if (!(x > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(x < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(x);
}

char FieldLetter(QByteArrayView sentence, int n) {
    const QByteArrayView field = NmeaField(sentence, n);
    return field.size() == 1 ? field[0] : '\0';
}

bool IsOneOf(QByteArrayView field, const char* letters) {
    return field.size() == 1 && std::strchr(letters, field[0]) != nullptr;
}

// A position given in two fields, ddmm.mmmm and its hemisphere letter: both, or neither.
bool IsPosition(QByteArrayView number, QByteArrayView hemisphere, const char* letters) {
    if (number.isEmpty() && hemisphere.isEmpty())
        return true;
    return IsNumber(number) && number[0] != '-' && IsOneOf(hemisphere, letters);
}

// An RMC sentence whose fields hold what they must. A valid fix ("A") must carry its position
// and speed; a sentence without a fix may leave them empty, but never hold anything else there.
bool RmcIntact(QByteArrayView s) {
    const QByteArrayView status = NmeaField(s, 2);
    if (FieldCount(s) < kRmcFields || !IsTimeOfDay(NmeaField(s, 1)) || !IsOneOf(status, "AV"))
        return false;
    if (!IsPosition(NmeaField(s, 3), NmeaField(s, 4), "NS") ||
        !IsPosition(NmeaField(s, 5), NmeaField(s, 6), "EW"))
        return false;
    for (int n : {7, 8, 10})
        if (!IsEmptyOrUnsigned(NmeaField(s, n)))
            return false;
    const QByteArrayView date = NmeaField(s, 9);
    if (!date.isEmpty() && (date.size() != 6 || !IsNumber(date) || date[0] == '-'))
        return false;
    if (status[0] == 'A' &&
        (NmeaField(s, 3).isEmpty() || NmeaField(s, 5).isEmpty() || NmeaField(s, 7).isEmpty()))
        return false;
    return true;
}

void DecodeRmc(QByteArrayView s, GpsValues* values) {
    values->heading = MagneticHeading(FieldNumber(s, 8), FieldNumber(s, 10), FieldLetter(s, 11));
    values->speed = Truncate(FieldNumber(s, 7));
    values->latitude = FieldNumber(s, 3);
    values->longitude = FieldNumber(s, 5);
    values->time = static_cast<uint32_t>(FieldInteger(s, 1));
    // Mode "N" (NMEA 2.3 and later) marks data that is not valid even with status "A".
    values->fixValid = FieldLetter(s, 2) == 'A' && FieldLetter(s, 12) != 'N';
    values->latitudeHemisphere = FieldLetter(s, 4);
    values->longitudeHemisphere = FieldLetter(s, 6);
    values->date = static_cast<uint32_t>(std::max(FieldInteger(s, 9), 0));
    values->timeSeconds = FieldNumber(s, 1);
    values->speedKnots = FieldNumber(s, 7);
    values->course = FieldNumber(s, 8);
}

// A GGA sentence whose fields hold what they must: with a fix (quality above 0) a position and
// an altitude; without one they may be empty.
bool GgaIntact(QByteArrayView s) {
    const QByteArrayView quality = NmeaField(s, 6);
    if (FieldCount(s) < kGgaFields || !IsTimeOfDay(NmeaField(s, 1)) || !IsNumber(quality))
        return false;
    if (!IsPosition(NmeaField(s, 2), NmeaField(s, 3), "NS") ||
        !IsPosition(NmeaField(s, 4), NmeaField(s, 5), "EW") || !IsEmptyOrNumber(NmeaField(s, 9)))
        return false;
    return FieldInteger(s, 6) == 0 || !NmeaField(s, 9).isEmpty();
}

void DecodeGga(QByteArrayView s, GpsValues* values) {
    values->altitude = Truncate(FieldNumber(s, 9) * 3.3);
    values->altitudeMetres = FieldNumber(s, 9);
    values->hasAltitude = !NmeaField(s, 9).isEmpty();
}

} // namespace

std::optional<QByteArray> NmeaSentenceFromLine(QByteArrayView line) {
    const qsizetype start = line.lastIndexOf('$');
    if (start < 0)
        return std::nullopt;
    qsizetype end = line.size();
    while (end > start && (line[end - 1] == '\r' || line[end - 1] == ' ' || line[end - 1] == '\t'))
        --end;
    if (end - start < kMinimumSentence)
        return std::nullopt;
    return line.sliced(start, end - start).toByteArray();
}

std::optional<QByteArrayView> NmeaSentenceBody(QByteArrayView sentence) {
    if (sentence.size() < kMinimumSentence || sentence[0] != '$')
        return std::nullopt;
    const qsizetype star = sentence.indexOf('*');
    const qsizetype end = star < 0 ? sentence.size() : star;
    unsigned sum = 0;
    for (qsizetype i = 1; i < end; ++i) {
        if (!IsPrintable(sentence[i]) || sentence[i] == '$')
            return std::nullopt;
        sum ^= static_cast<unsigned char>(sentence[i]);
    }
    if (star >= 0) {
        if (sentence.size() != star + 3)
            return std::nullopt;
        const int high = HexValue(sentence[star + 1]);
        const int low = HexValue(sentence[star + 2]);
        if (high < 0 || low < 0 || static_cast<unsigned>(high * 16 + low) != sum)
            return std::nullopt;
    }
    return sentence.first(end);
}

NmeaType NmeaSentenceType(QByteArrayView sentence) {
    if (sentence.size() < kMinimumSentence || sentence[0] != '$')
        return NmeaType::Other;
    if (sentence.size() > kMinimumSentence && sentence[kMinimumSentence] != ',' &&
        sentence[kMinimumSentence] != '*')
        return NmeaType::Other; // an address longer than five characters
    if (!IsUpperLetter(sentence[1]) || !IsUpperLetter(sentence[2]) || sentence[1] == 'P')
        return NmeaType::Other;
    const QByteArrayView type = sentence.sliced(3, 3);
    if (type == "RMC")
        return NmeaType::Rmc;
    if (type == "GGA")
        return NmeaType::Gga;
    return NmeaType::Other;
}

QByteArrayView NmeaField(QByteArrayView sentence, int n) {
    qsizetype begin = 0;
    for (int comma = 0; comma < n; ++comma) {
        const qsizetype found = sentence.indexOf(',', begin);
        if (found < 0)
            return {};
        begin = found + 1;
    }
    qsizetype end = sentence.indexOf(',', begin);
    if (end < 0)
        end = sentence.size();
    return sentence.sliced(begin, end - begin);
}

bool DecodeNmeaSentence(QByteArrayView sentence, GpsValues* values) {
    const std::optional<QByteArrayView> body = NmeaSentenceBody(sentence);
    if (!body)
        return false;
    switch (NmeaSentenceType(*body)) {
    case NmeaType::Rmc:
        if (!RmcIntact(*body))
            return false;
        DecodeRmc(*body, values);
        return true;
    case NmeaType::Gga:
        if (!GgaIntact(*body))
            return false;
        DecodeGga(*body, values);
        return true;
    case NmeaType::Other:
        break;
    }
    return false;
}

int32_t MagneticHeading(double trueCourse, double variation, char eastWest) {
    double heading = trueCourse;
    if (eastWest == 'E')
        heading -= variation;
    else if (eastWest == 'W')
        heading += variation;
    heading = std::fmod(heading, 360.0);
    if (heading < 0)
        heading += 360.0;
    return std::clamp(Truncate(heading), 0, 359);
}

QByteArray NmeaWithChecksum(QByteArrayView body) {
    unsigned sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    QByteArray sentence = '$' + body.toByteArray() + '*';
    sentence += QByteArray::number(sum, 16).rightJustified(2, '0').toUpper();
    return sentence;
}
