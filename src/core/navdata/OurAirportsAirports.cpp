#include "core/navdata/OurAirportsAirports.h"

#include <QSet>

#include <algorithm>

namespace {

// Room is made at once for the rows of a file of this size (about 100 bytes a row), so that the
// list seldom moves; the memory is taken from the system only as rows fill it.
constexpr qsizetype kBytesPerRowAtLeast = 64;
constexpr size_t kRowsReservedAtMost = 1 << 20;

bool Selected(const OurAirportsOptions& options, const OurAirportsCsv& csv, int country,
              int region) {
    if (!options.country.isEmpty() &&
        csv.Text(country).compare(options.country, Qt::CaseInsensitive) != 0)
        return false;
    return options.region.isEmpty() ||
           csv.Text(region).compare(options.region, Qt::CaseInsensitive) == 0;
}

} // namespace

Status ReadPendingAirports(const OurAirportsOptions& options, OurAirportsCsv* csv,
                           std::vector<PendingAirport>* airports, OurAirportsSummary* summary) {
    const QStringList required = {"ident", "type", "name", "latitude_deg", "longitude_deg"};
    if (Status s = csv->Open(options.folder, "airports.csv", required); !s)
        return s;
    const int ident = csv->Col("ident"), type = csv->Col("type"), name = csv->Col("name"),
              lat = csv->Col("latitude_deg"), lon = csv->Col("longitude_deg"),
              elevation = csv->Col("elevation_ft"), country = csv->Col("iso_country"),
              region = csv->Col("iso_region"), city = csv->Col("municipality"),
              gps = csv->Col("gps_code"), local = csv->Col("local_code");
    airports->reserve(
        std::min(static_cast<size_t>(csv->ByteCount() / kBytesPerRowAtLeast), kRowsReservedAtMost));
    while (csv->Next()) {
        if (csv->Field(type) == "closed" || !Selected(options, *csv, country, region) ||
            csv->Field(lat).isEmpty() || csv->Field(lon).isEmpty())
            continue;
        const std::array<std::string_view, 3> idents = {
            csv->TrimmedTextBytes(ident), csv->TrimmedTextBytes(gps), csv->TrimmedTextBytes(local)};
        if (std::none_of(idents.begin(), idents.end(),
                         [](std::string_view i) { return OurAirportsCsv::FitsKey(i); })) {
            ++summary->airportsWithoutIdent;
            continue;
        }
        PendingAirport& a = airports->emplace_back();
        a.idents = idents;
        a.latitude = csv->Number(lat);
        a.longitude = csv->Number(lon);
        a.record.latitude = OurAirportsCsv::SecondsOfArc(a.latitude);
        a.record.longitude = -OurAirportsCsv::SecondsOfArc(a.longitude);
        a.record.elevation = csv->Whole(elevation);
        a.name = csv->Field(name);
        a.city = csv->Field(city);
        a.country = csv->Field(country);
        a.region = csv->Field(region);
    }
    return {};
}

void AssignPendingIdents(std::vector<PendingAirport>* airports, OurAirportsSummary* summary) {
    QSet<uint32_t> used;
    const auto take = [&](PendingAirport& a, std::string_view ident) {
        if (!OurAirportsCsv::FitsKey(ident))
            return false;
        const IdentKey key = OurAirportsCsv::KeyOf(ident);
        if (used.contains(key.Raw()))
            return false;
        used.insert(key.Raw());
        a.record.key = key;
        a.keep = true;
        return true;
    };
    std::vector<PendingAirport*> later;
    for (PendingAirport& a : *airports) {
        if (!OurAirportsCsv::FitsKey(a.idents[0]))
            later.push_back(&a);
        else if (!take(a, a.idents[0]))
            ++summary->duplicateIdents;
    }
    for (PendingAirport* a : later) {
        if (!take(*a, a->idents[1]) && !take(*a, a->idents[2]))
            ++summary->duplicateIdents;
    }
}

Status RequireSomeAirport(const OurAirportsOptions& options,
                          const std::vector<PendingAirport>& airports) {
    if (std::any_of(airports.begin(), airports.end(),
                    [](const PendingAirport& a) { return a.keep; }))
        return {};
    QString filter = QStringLiteral("the data");
    if (!options.region.isEmpty())
        filter =
            QStringLiteral("region \"%1\" (a region is written as COUNTRY-REGION, such as US-WA)")
                .arg(options.region);
    else if (!options.country.isEmpty())
        filter = QStringLiteral("country \"%1\"").arg(options.country);
    return Status::Fail(
        QStringLiteral("Error:\nNo open airport with an identifier was found for ") + filter +
        QStringLiteral(".\nNothing was written."));
}
