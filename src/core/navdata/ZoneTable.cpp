#include "core/navdata/ZoneTable.h"

#include "core/common/io/FileIo.h"

#include <QDir>
#include <QList>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

constexpr qint64 kMaxZoneTableBytes = 1024 * 1024; // the table holds about 18 KB

// One part of an ISO 6709 position such as "+4230" or "-0740023": the sign, `degreeDigits`
// digits of degrees, two of minutes and optionally two of seconds.
std::optional<double> Sexagesimal(QByteArrayView text, int degreeDigits, double limit) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5)
        return std::nullopt;
    if (text[0] != '+' && text[0] != '-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const int widths[3] = {degreeDigits, 2, 2};
    qsizetype at = 1;
    for (int p = 0; p < 3 && at < text.size(); ++p) {
        for (int i = 0; i < widths[p]; ++i, ++at) {
            if (text[at] < '0' || text[at] > '9')
                return std::nullopt;
            parts[p] = parts[p] * 10 + (text[at] - '0');
        }
    }
    if (parts[1] >= 60 || parts[2] >= 60)
        return std::nullopt;
    const double degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    if (degrees > limit)
        return std::nullopt;
    return text[0] == '-' ? -degrees : degrees;
}

// "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS".
bool ReadPosition(QByteArrayView text, ZoneTableRow* row) {
    qsizetype split = 1;
    while (split < text.size() && text[split] != '+' && text[split] != '-')
        ++split;
    const std::optional<double> latitude = Sexagesimal(text.first(split), 2, 90.0);
    const std::optional<double> longitude = Sexagesimal(text.sliced(split), 3, 180.0);
    if (!latitude || !longitude)
        return false;
    row->latitude = *latitude;
    row->longitude = *longitude;
    return true;
}

bool ReadCountries(QByteArrayView text, ZoneTableRow* row) {
    for (const QByteArray& code : text.toByteArray().split(',')) {
        if (code.size() != 2 || !std::isupper(static_cast<unsigned char>(code[0])) ||
            !std::isupper(static_cast<unsigned char>(code[1])))
            return false;
        row->countries.push_back(code.toStdString());
    }
    return true;
}

// A zone name: letters, digits and "/_-+", not empty.
bool IsZoneName(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '-' ||
               c == '+';
    });
}

std::optional<ZoneTableRow> ReadRow(QByteArrayView line) {
    const QList<QByteArrayView> columns = [&] {
        QList<QByteArrayView> parts;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i == line.size() || line[i] == '\t') {
                parts.append(line.sliced(start, i - start));
                start = i + 1;
            }
        }
        return parts;
    }();
    ZoneTableRow row;
    if (columns.size() < 3 || columns.size() > 4 || !ReadCountries(columns[0], &row) ||
        !ReadPosition(columns[1], &row) || !IsZoneName(columns[2]))
        return std::nullopt;
    row.zone = columns[2].toByteArray();
    return row;
}

} // namespace

QString SystemZoneTablePath() {
    const QString folder = qEnvironmentVariable("TZDIR", QStringLiteral("/usr/share/zoneinfo"));
    return QDir(folder).filePath(QStringLiteral("zone1970.tab"));
}

Outcome<std::vector<ZoneTableRow>> ReadZoneTable(const QString& path) {
    const Outcome<QByteArray> text = ReadWholeFile(
        path, QStringLiteral("Error:\nUnable to read %1.\n").arg(path), kMaxZoneTableBytes);
    if (!text)
        return text.error();
    return ParseZoneTable(text.value(), path);
}

Outcome<std::vector<ZoneTableRow>> ParseZoneTable(const QByteArray& text, const QString& name) {
    std::vector<ZoneTableRow> rows;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArrayView line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        std::optional<ZoneTableRow> row = ReadRow(line);
        if (!row)
            return Outcome<std::vector<ZoneTableRow>>::Fail(
                QStringLiteral("Error:\n%1 is damaged at line %2.").arg(name).arg(i + 1));
        rows.push_back(std::move(*row));
    }
    if (rows.empty())
        return Outcome<std::vector<ZoneTableRow>>::Fail(
            QStringLiteral("Error:\n%1 lists no time zone.").arg(name));
    return rows;
}
