#include "core/common/text/PositionText.h"

#include "core/common/entry/CoordinateSegments.h"

#include <QRegularExpression>

namespace {

// One coordinate: degrees, minutes, ":" and seconds or "." and hundredths, hemisphere letter.
std::optional<int32_t> Coordinate(const QRegularExpressionMatch& m, int first, int maxDegrees) {
    const int degrees = m.captured(first).toInt();
    const int minutes = m.captured(first + 1).toInt();
    const bool seconds = m.captured(first + 2) == QLatin1String(":");
    QString last = m.captured(first + 3);
    if (!seconds && last.size() == 1)
        last += '0'; // "30.5" is 30.50 minutes
    const int lastValue = last.toInt();
    if (minutes > 59 || (seconds && lastValue > 59))
        return std::nullopt;
    const int32_t value = SecondsOfArcFromSegments({degrees, minutes, lastValue}, seconds);
    if (value > maxDegrees * 3600)
        return std::nullopt;
    const QChar hemisphere = m.captured(first + 4).at(0).toUpper();
    return hemisphere == 'S' || hemisphere == 'E' ? -value : value;
}

} // namespace

std::optional<Position> ParsePositionText(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})([:.])(\\d{1,2})\\s*([NS])\\s*[,\\s]\\s*"
                       "(\\d{1,3}):(\\d{1,2})([:.])(\\d{1,2})\\s*([EW])\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const std::optional<int32_t> latitude = Coordinate(m, 1, 90);
    const std::optional<int32_t> longitude = Coordinate(m, 6, 180);
    if (!latitude || !longitude)
        return std::nullopt;
    return Position{*latitude, *longitude};
}
