#include "core/common/entry/CoordinateEntryText.h"

#include <QRegularExpression>

namespace {

QChar HemisphereLetter(bool negative, bool longitude) {
    if (longitude)
        return negative ? 'E' : 'W';
    return negative ? 'S' : 'N';
}

} // namespace

std::optional<CoordinateEntryText> ParseCoordinateEntry(const QString& text, bool longitude) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,3}):(\\d{1,2})([.:])(\\d{1,2})\\s*([NSEWnsew]?)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    CoordinateEntryText entry;
    entry.secondsForm = match.captured(3) == QStringLiteral(":");
    entry.segments = {match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(4).toInt()};
    const QString letter = match.captured(5).toUpper();
    if (!letter.isEmpty()) {
        entry.hemisphere = letter.front();
        if (entry.hemisphere != HemisphereLetter(false, longitude) &&
            entry.hemisphere != HemisphereLetter(true, longitude))
            return std::nullopt;
    }
    const CoordinateSegments& s = entry.segments;
    if (s.degrees > (longitude ? 179 : 89) || s.minutes > 59 ||
        s.last > (entry.secondsForm ? 59 : 99))
        return std::nullopt;
    return entry;
}

QString CoordinateEntryString(const QString& fieldText, bool negativeHemisphere, bool longitude) {
    return fieldText + HemisphereLetter(negativeHemisphere, longitude);
}
