#include "core/weight-balance/AircraftFileFormat.h"

#include "core/weight-balance/AircraftType.h"

QString FitName(const QString& name) {
    if (name.size() <= AircraftType::kMaxNameLength)
        return name;
    qsizetype length = AircraftType::kMaxNameLength;
    if (name.at(length - 1).isHighSurrogate())
        --length;
    return name.left(length);
}

void WriteFixedName(ByteWriter& out, const QString& name) {
    const QString fitted = FitName(name);
    for (QChar c : fitted)
        out.U16(c.unicode());
    out.Zeros(2 * (kFixedNameUnits - fitted.size()));
}

namespace {

// The text with every half of a surrogate pair that lacks its other half replaced by U+FFFD.
// Version 6 stores names as UTF-8, which cannot hold such a unit: without this a version 5 name
// would change on its first save, and the fleet in memory would differ from the one on disk.
QString WithoutLoneSurrogates(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool paired =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (paired)
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

std::optional<QString> ReadFixedName(ByteReader& in) {
    char16_t units[kFixedNameUnits];
    for (char16_t& unit : units)
        unit = in.U16();
    if (!in.Ok())
        return std::nullopt;
    for (int length = 0; length < kFixedNameUnits; ++length) {
        if (units[length] == 0)
            return WithoutLoneSurrogates(QString::fromUtf16(units, length));
    }
    in.Fail();
    return std::nullopt;
}
