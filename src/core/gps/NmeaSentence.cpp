#include "core/gps/NmeaSentence.h"

#include "core/common/NumberText.h"

#include <QString>

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
        // The variation is added whatever its E/W letter.
        values->heading = Truncate(FieldNumber(sentence, 10) + FieldNumber(sentence, 8));
        values->speed = FieldInteger(sentence, 7);
        values->latitude = FieldNumber(sentence, 3);
        values->longitude = FieldNumber(sentence, 5);
        values->time = static_cast<uint32_t>(FieldInteger(sentence, 1));
        return true;
    case NmeaType::Gga:
        values->altitude = Truncate(FieldNumber(sentence, 9) * 3.3);
        return true;
    case NmeaType::Other:
        break;
    }
    return false;
}
