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

std::optional<QString> ReadFixedName(ByteReader& in) {
    char16_t units[kFixedNameUnits];
    for (char16_t& unit : units)
        unit = in.U16();
    if (!in.Ok())
        return std::nullopt;
    for (int length = 0; length < kFixedNameUnits; ++length) {
        if (units[length] == 0)
            return QString::fromUtf16(units, length);
    }
    in.Fail();
    return std::nullopt;
}
