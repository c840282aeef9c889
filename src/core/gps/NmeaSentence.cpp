#include "core/gps/NmeaSentence.h"

#include "core/common/text/NumberText.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

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
    return field.isEmpty() ? '\0' : field[0];
}

void DecodeRmc(QByteArrayView s, GpsValues* values) {
    // The variation is added whatever its E/W letter.
    values->heading = Truncate(FieldNumber(s, 10) + FieldNumber(s, 8));
    values->speed = FieldInteger(s, 7);
    values->latitude = FieldNumber(s, 3);
    values->longitude = FieldNumber(s, 5);
    values->time = static_cast<uint32_t>(FieldInteger(s, 1));
    values->fixValid = FieldLetter(s, 2) == 'A';
    values->latitudeHemisphere = FieldLetter(s, 4);
    values->longitudeHemisphere = FieldLetter(s, 6);
    values->date = static_cast<uint32_t>(std::max(FieldInteger(s, 9), 0));
    values->timeSeconds = FieldNumber(s, 1);
    values->speedKnots = FieldNumber(s, 7);
    values->course = FieldNumber(s, 8);
}

} // namespace

NmeaType NmeaSentenceType(QByteArrayView sentence) {
    if (sentence.size() < 6 || sentence[0] != '$')
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
    switch (NmeaSentenceType(sentence)) {
    case NmeaType::Rmc:
        DecodeRmc(sentence, values);
        return true;
    case NmeaType::Gga:
        values->altitude = Truncate(FieldNumber(sentence, 9) * 3.3);
        values->altitudeMetres = FieldNumber(sentence, 9);
        values->hasAltitude = !NmeaField(sentence, 9).isEmpty();
        return true;
    case NmeaType::Other:
        break;
    }
    return false;
}
