#include "core/navdata/OurAirportsImport.h"

#include "core/navdata/IdentIndex.h"
#include "core/navdata/OurAirportsAirports.h"
#include "core/navdata/OurAirportsCsv.h"
#include "core/navdata/OurAirportsNavAids.h"
#include "core/navdata/UtcOffsetFinder.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace {

constexpr double kVariationRangeNm = 100.0;
constexpr double kRegionMarginDegrees = 0.5;

// The place in the data set of the airport that a row names by its ident (as in airports.csv);
// -1 for none. The rows of one airport mostly follow each other, so the last answer is kept.
class AirportOfRow {
public:
    AirportOfRow(const IdentIndex& byIdent, const OurAirportsCsv& csv, int column)
        : byIdent_(byIdent), csv_(csv), column_(column) {}

    int Find() {
        const std::string_view ident = csv_.TextBytes(column_);
        if (!found_ || ident != last_) {
            last_ = ident; // stays valid: the file's bytes are never moved
            at_ = byIdent_.Find(ident);
            found_ = true;
        }
        return at_;
    }

private:
    const IdentIndex& byIdent_;
    const OurAirportsCsv& csv_;
    const int column_;
    bool found_ = false;
    std::string_view last_;
    int at_ = -1;
};

int32_t EndCoordinate(const OurAirportsCsv& csv, int column, bool longitude) {
    if (csv.Field(column).isEmpty())
        return 0; // no position
    const int32_t seconds = OurAirportsCsv::SecondsOfArc(csv.Number(column));
    return longitude ? -seconds : seconds;
}

Status ReadRunways(const OurAirportsOptions& options, const IdentIndex& byIdent,
                   QVector<AirportDetails>* airports, OurAirportsSummary* summary) {
    OurAirportsCsv csv;
    if (Status s =
            csv.Open(options.folder, "runways.csv", {"airport_ident", "le_ident", "he_ident"});
        !s)
        return s;
    const int ref = csv.Col("airport_ident"), length = csv.Col("length_ft"),
              width = csv.Col("width_ft"), closed = csv.Col("closed"), le = csv.Col("le_ident"),
              he = csv.Col("he_ident"), leLat = csv.Col("le_latitude_deg"),
              leLon = csv.Col("le_longitude_deg"), heLat = csv.Col("he_latitude_deg"),
              heLon = csv.Col("he_longitude_deg");
    AirportOfRow airportOf(byIdent, csv, ref);
    while (csv.Next()) {
        const int at = airportOf.Find();
        if (at < 0 || csv.Field(closed) == "1")
            continue;
        QVector<RunwayRecord>& runways = (*airports)[at].runways;
        if (runways.size() >= 10) {
            ++summary->runwaysDropped;
            continue;
        }
        RunwayRecord r;
        r.end1 = csv.Text(le);
        r.end1.truncate(3);
        r.end2 = csv.Text(he);
        r.end2.truncate(3);
        r.latitude1 = EndCoordinate(csv, leLat, false);
        r.latitude2 = EndCoordinate(csv, heLat, false);
        r.longitude1 = EndCoordinate(csv, leLon, true);
        r.longitude2 = EndCoordinate(csv, heLon, true);
        r.length = csv.Whole(length);
        r.width = csv.Whole(width);
        runways.append(r);
    }
    return {};
}

Status ReadFrequencies(const OurAirportsOptions& options, const IdentIndex& byIdent,
                       QVector<AirportDetails>* airports) {
    OurAirportsCsv csv;
    if (Status s = csv.Open(options.folder, "airport-frequencies.csv",
                            {"airport_ident", "type", "frequency_mhz"});
        !s)
        return s;
    const int ref = csv.Col("airport_ident"), type = csv.Col("type"),
              description = csv.Col("description"), frequency = csv.Col("frequency_mhz");
    AirportOfRow airportOf(byIdent, csv, ref);
    while (csv.Next()) {
        const int at = airportOf.Find();
        if (at < 0 || (*airports)[at].comm.size() >= 0xFFFF)
            continue;
        CommEntry line;
        line.label = csv.TrimmedText(type);
        if (line.label.isEmpty())
            line.label = csv.TrimmedText(description);
        line.frequency = csv.TrimmedText(frequency);
        (*airports)[at].comm.append(line);
    }
    return {};
}

// The area of the chosen airports, for choosing the nav aids of a region.
struct Area {
    double minLatitude = 90.0, maxLatitude = -90.0, minLongitude = 180.0, maxLongitude = -180.0;
    void Add(double latitude, double longitude) {
        minLatitude = std::min(minLatitude, latitude);
        maxLatitude = std::max(maxLatitude, latitude);
        minLongitude = std::min(minLongitude, longitude);
        maxLongitude = std::max(maxLongitude, longitude);
    }
    bool Holds(double latitude, double longitude) const {
        return latitude >= minLatitude - kRegionMarginDegrees &&
               latitude <= maxLatitude + kRegionMarginDegrees &&
               longitude >= minLongitude - kRegionMarginDegrees &&
               longitude <= maxLongitude + kRegionMarginDegrees;
    }
};

bool NavAidSelected(const OurAirportsOptions& options, const OurAirportsNavAid& aid,
                    const Area& area) {
    const auto sameCountry = [&](const QString& code) {
        return code.isEmpty() || aid.country.compare(code, Qt::CaseInsensitive) == 0;
    };
    if (!sameCountry(options.country))
        return false;
    return options.region.isEmpty() ||
           (sameCountry(options.region.section(QLatin1Char('-'), 0, 0)) &&
            area.Holds(aid.latitude, aid.longitude));
}

// The time zones of the options' table; nothing, with the reason in the summary, when the table
// cannot be read.
std::optional<UtcOffsetFinder> ReadZones(const OurAirportsOptions& options,
                                         OurAirportsSummary* summary) {
    if (options.zoneTable.isEmpty())
        return std::nullopt;
    Outcome<std::vector<ZoneTableRow>> rows = ReadZoneTable(options.zoneTable);
    if (!rows) {
        summary->zoneProblem = rows.error().text;
        return std::nullopt;
    }
    const QDate day =
        options.zoneDay.isValid() ? options.zoneDay : QDateTime::currentDateTimeUtc().date();
    return UtcOffsetFinder(std::move(rows).value(), day);
}

// Where a kept airport lies, for its variation and time zone.
struct AirportPlace {
    double latitude = 0.0;
    double longitude = 0.0; // east positive
    std::string country;    // ISO codes: "US", "US-TX"
    std::string region;
};

// Moves the kept airports into the data set, and notes their identifiers, places and area.
void KeepAirports(std::vector<PendingAirport>* pending, NavDataSet* data, IdentIndex* byIdent,
                  std::vector<AirportPlace>* places, Area* area) {
    const auto kept = std::count_if(pending->begin(), pending->end(),
                                    [](const PendingAirport& a) { return a.keep; });
    data->airports.reserve(kept);
    places->reserve(kept);
    *byIdent = IdentIndex(kept);
    for (PendingAirport& a : *pending) {
        if (!a.keep)
            continue;
        AirportDetails& details = data->airports.emplace_back();
        details.record = a.record;
        details.name = QString::fromUtf8(a.name);
        details.city = QString::fromUtf8(a.city);
        places->push_back({a.latitude, a.longitude, std::string(a.country.data(), a.country.size()),
                           std::string(a.region.data(), a.region.size())});
        byIdent->Insert(a.idents[0], static_cast<int>(data->airports.size() - 1));
        area->Add(a.latitude, a.longitude);
    }
}

// Gives each airport its magnetic variation and UTC offset. It runs on a thread of its own while
// the runways and frequencies are read, and writes only these two fields of each record.
void PlaceAirports(const std::vector<AirportPlace>& places,
                   const std::vector<VariationFinder::Point>& variationPoints,
                   UtcOffsetFinder* zones, AirportDetails* airports) {
    const VariationFinder finder(variationPoints, kVariationRangeNm);
    for (size_t i = 0; i < places.size(); ++i) {
        const AirportPlace& p = places[i];
        AirportRecord& record = airports[i].record;
        record.variation = finder.Nearest(p.latitude, p.longitude).value_or(0.0f);
        if (zones != nullptr)
            record.utcOffset = zones->StandardHours(p.country, p.region, p.latitude, p.longitude);
    }
}

} // namespace

Outcome<NavDataSet> ImportOurAirports(const OurAirportsOptions& options,
                                      OurAirportsSummary* summary) {
    *summary = OurAirportsSummary();
    QVector<OurAirportsNavAid> aids;
    std::vector<VariationFinder::Point> variationPoints;
    if (Status s = ReadOurAirportsNavAids(options.folder, &aids, &variationPoints); !s)
        return s.error();
    NavDataSet data;
    data.description = options.description;
    data.validityDate = options.validityDate;
    IdentIndex byIdent;
    std::vector<AirportPlace> places;
    Area area;
    {
        OurAirportsCsv csv; // holds the texts of the pending airports
        std::vector<PendingAirport> pending;
        if (Status s = ReadPendingAirports(options, &csv, &pending, summary); !s)
            return s.error();
        AssignPendingIdents(&pending, summary);
        if (Status s = RequireSomeAirport(options, pending); !s)
            return s.error();
        KeepAirports(&pending, &data, &byIdent, &places, &area);
    }
    std::optional<UtcOffsetFinder> zones = ReadZones(options, summary);
    AirportDetails* const airports = data.airports.data(); // the thread uses no list operation
    std::jthread placing(
        [&] { PlaceAirports(places, variationPoints, zones ? &*zones : nullptr, airports); });
    if (Status s = ReadRunways(options, byIdent, &data.airports, summary); !s)
        return s.error();
    if (Status s = ReadFrequencies(options, byIdent, &data.airports); !s)
        return s.error();
    placing.join();
    for (const OurAirportsNavAid& aid : aids) {
        if (NavAidSelected(options, aid, area))
            data.navAids.append(aid.aid);
    }
    summary->airports = static_cast<int>(data.airports.size());
    summary->navAids = static_cast<int>(data.navAids.size());
    summary->utcOffsets = static_cast<int>(
        std::count_if(data.airports.begin(), data.airports.end(),
                      [](const AirportDetails& a) { return a.record.utcOffset != 0; }));
    return data;
}
