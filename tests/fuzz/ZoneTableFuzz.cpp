// The time-zone table (zone1970.tab): a table that is read gives rows that hold only what the
// format allows, and written again in whole seconds it reads back to the same rows; a refused
// table names a line of the input (or says that it lists no zone).

#include "FuzzSupport.h"

#include "core/navdata/ZoneTable.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// ISO 6709 with seconds: "+DDMMSS" or "+DDDMMSS".
std::string Sexagesimal(double degrees, int degreeDigits) {
    const long seconds = std::lround(std::fabs(degrees) * 3600.0);
    char text[16];
    std::snprintf(text, sizeof text, "%c%0*ld%02ld%02ld", degrees < 0 ? '-' : '+', degreeDigits,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

QByteArray Written(const std::vector<ZoneTableRow>& rows) {
    QByteArray text = "# written again\n";
    for (const ZoneTableRow& row : rows) {
        for (size_t i = 0; i < row.countries.size(); ++i)
            text += (i == 0 ? "" : ",") + QByteArray::fromStdString(row.countries[i]);
        text += '\t' + QByteArray::fromStdString(Sexagesimal(row.latitude, 2)) +
                QByteArray::fromStdString(Sexagesimal(row.longitude, 3)) + '\t' + row.zone + '\n';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text = FuzzBytes(data, size);
    const Outcome<std::vector<ZoneTableRow>> rows = ParseZoneTable(text, QStringLiteral("t"));
    if (!rows) {
        const QString& message = rows.error().text;
        FUZZ_CHECK(message.startsWith(QLatin1String("Error:\nt is damaged at line ")) ||
                   message == QLatin1String("Error:\nt lists no time zone."));
        return 0;
    }
    for (const ZoneTableRow& row : rows.value()) {
        FUZZ_CHECK(!row.countries.empty() && !row.zone.isEmpty());
        for (const std::string& code : row.countries)
            FUZZ_CHECK(code.size() == 2 && std::isupper(static_cast<unsigned char>(code[0])) &&
                       std::isupper(static_cast<unsigned char>(code[1])));
        FUZZ_CHECK(std::fabs(row.latitude) <= 90.0 && std::fabs(row.longitude) <= 180.0);
    }
    const Outcome<std::vector<ZoneTableRow>> again =
        ParseZoneTable(Written(rows.value()), QStringLiteral("t"));
    FUZZ_CHECK(again.ok() && again->size() == rows->size());
    for (size_t i = 0; i < rows->size(); ++i) {
        const ZoneTableRow& a = rows.value()[i];
        const ZoneTableRow& b = again.value()[i];
        FUZZ_CHECK(a.countries == b.countries && a.zone == b.zone);
        FUZZ_CHECK(a.latitude == b.latitude && a.longitude == b.longitude);
    }
    return 0;
}
