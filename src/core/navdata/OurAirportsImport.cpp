#include "core/navdata/OurAirportsImport.h"

#include "core/navdata/OurAirportsCsv.h"
#include "core/navdata/OurAirportsNavAids.h"

#include "core/common/text/NumberText.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kVariationRangeNm = 100.0;
constexpr double kRegionMarginDegrees = 0.5;

struct PendingAirport {
    AirportDetails details;
    QStringList idents; // the ident, then gps_code and local_code
    double latitude = 0.0;
    double longitude = 0.0; // east positive, as published
    bool keep = false;
};

bool Selected(const OurAirportsOptions& options, const QString& country, const QString& region) {
    if (!options.country.isEmpty() && country.compare(options.country, Qt::CaseInsensitive) != 0)
        return false;
    return options.region.isEmpty() || region.compare(options.region, Qt::CaseInsensitive) == 0;
}

Status ReadAirports(const OurAirportsOptions& options, QVector<PendingAirport>* airports) {
    OurAirportsCsv csv;
    const QStringList required = {"ident", "type", "name", "latitude_deg", "longitude_deg"};
    if (Status s = csv.Open(options.folder, "airports.csv", required); !s)
        return s;
    const int ident = csv.Col("ident"), type = csv.Col("type"), name = csv.Col("name"),
              lat = csv.Col("latitude_deg"), lon = csv.Col("longitude_deg"),
              elevation = csv.Col("elevation_ft"), country = csv.Col("iso_country"),
              region = csv.Col("iso_region"), city = csv.Col("municipality"),
              gps = csv.Col("gps_code"), local = csv.Col("local_code");
    QStringList f;
    while (csv.Next(&f)) {
        if (f.size() < 2 || CsvReader::Field(f, type) == QLatin1String("closed") ||
            !Selected(options, CsvReader::Field(f, country), CsvReader::Field(f, region)) ||
            CsvReader::Field(f, lat).isEmpty() || CsvReader::Field(f, lon).isEmpty())
            continue;
        PendingAirport a;
        a.idents = {CsvReader::Field(f, ident).trimmed(), CsvReader::Field(f, gps).trimmed(),
                    CsvReader::Field(f, local).trimmed()};
        a.latitude = TextToDouble(CsvReader::Field(f, lat));
        a.longitude = TextToDouble(CsvReader::Field(f, lon));
        AirportRecord& r = a.details.record;
        r.latitude = OurAirportsCsv::SecondsOfArc(a.latitude);
        r.longitude = -OurAirportsCsv::SecondsOfArc(a.longitude);
        r.elevation = TextToInt(CsvReader::Field(f, elevation));
        a.details.name = CsvReader::Field(f, name);
        a.details.city = CsvReader::Field(f, city);
        airports->append(a);
    }
    return {};
}

// Gives each airport a key: first the airports whose own ident fits, then the others by their
// GPS or local code, so that a substitute never takes an identifier from its owner.
void AssignIdents(QVector<PendingAirport>* airports, OurAirportsSummary* summary) {
    QSet<uint32_t> used;
    const auto take = [&](PendingAirport& a, const QString& ident) {
        const IdentKey key = *IdentKey::FromText(ident);
        if (used.contains(key.Raw()))
            return false;
        used.insert(key.Raw());
        a.details.record.key = key;
        a.keep = true;
        return true;
    };
    QVector<PendingAirport*> later;
    for (PendingAirport& a : *airports) {
        if (!OurAirportsCsv::FitsKey(a.idents[0]))
            later.append(&a);
        else if (!take(a, a.idents[0]))
            ++summary->duplicateIdents;
    }
    for (PendingAirport* a : later) {
        const bool fits =
            OurAirportsCsv::FitsKey(a->idents[1]) || OurAirportsCsv::FitsKey(a->idents[2]);
        if (!fits)
            ++summary->airportsWithoutIdent;
        else if (!(OurAirportsCsv::FitsKey(a->idents[1]) && take(*a, a->idents[1])) &&
                 !(OurAirportsCsv::FitsKey(a->idents[2]) && take(*a, a->idents[2])))
            ++summary->duplicateIdents;
    }
}

int32_t EndCoordinate(const QString& text, bool longitude) {
    if (text.isEmpty())
        return 0; // no position
    const int32_t seconds = OurAirportsCsv::SecondsOfArc(TextToDouble(text));
    return longitude ? -seconds : seconds;
}

Status ReadRunways(const OurAirportsOptions& options, const QHash<QString, int>& byIdent,
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
    QStringList f;
    while (csv.Next(&f)) {
        const int at = byIdent.value(CsvReader::Field(f, ref), -1);
        if (at < 0 || CsvReader::Field(f, closed) == QLatin1String("1"))
            continue;
        QVector<RunwayRecord>& runways = (*airports)[at].runways;
        if (runways.size() >= 10) {
            ++summary->runwaysDropped;
            continue;
        }
        RunwayRecord r;
        r.end1 = CsvReader::Field(f, le).left(3);
        r.end2 = CsvReader::Field(f, he).left(3);
        r.latitude1 = EndCoordinate(CsvReader::Field(f, leLat), false);
        r.latitude2 = EndCoordinate(CsvReader::Field(f, heLat), false);
        r.longitude1 = EndCoordinate(CsvReader::Field(f, leLon), true);
        r.longitude2 = EndCoordinate(CsvReader::Field(f, heLon), true);
        r.length = TextToInt(CsvReader::Field(f, length));
        r.width = TextToInt(CsvReader::Field(f, width));
        runways.append(r);
    }
    return {};
}

Status ReadFrequencies(const OurAirportsOptions& options, const QHash<QString, int>& byIdent,
                       QVector<AirportDetails>* airports) {
    OurAirportsCsv csv;
    if (Status s = csv.Open(options.folder, "airport-frequencies.csv",
                            {"airport_ident", "type", "frequency_mhz"});
        !s)
        return s;
    const int ref = csv.Col("airport_ident"), type = csv.Col("type"),
              description = csv.Col("description"), frequency = csv.Col("frequency_mhz");
    QStringList f;
    while (csv.Next(&f)) {
        const int at = byIdent.value(CsvReader::Field(f, ref), -1);
        if (at < 0 || (*airports)[at].comm.size() >= 0xFFFF)
            continue;
        CommEntry line;
        line.label = CsvReader::Field(f, type).trimmed();
        if (line.label.isEmpty())
            line.label = CsvReader::Field(f, description).trimmed();
        line.frequency = CsvReader::Field(f, frequency).trimmed();
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

} // namespace

// A filter that matches nothing would give an empty file that looks like a successful build.
Status RequireSomeAirport(const OurAirportsOptions& options,
                          const QVector<PendingAirport>& pending) {
    if (std::any_of(pending.begin(), pending.end(), [](const PendingAirport& a) { return a.keep; }))
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

Outcome<NavDataSet> ImportOurAirports(const OurAirportsOptions& options,
                                      OurAirportsSummary* summary) {
    *summary = OurAirportsSummary();
    QVector<OurAirportsNavAid> aids;
    std::vector<VariationFinder::Point> variationPoints;
    QVector<PendingAirport> pending;
    if (Status s = ReadOurAirportsNavAids(options.folder, &aids, &variationPoints); !s)
        return s.error();
    if (Status s = ReadAirports(options, &pending); !s)
        return s.error();
    AssignIdents(&pending, summary);
    if (Status s = RequireSomeAirport(options, pending); !s)
        return s.error();

    NavDataSet data;
    data.description = options.description;
    data.validityDate = options.validityDate;
    const VariationFinder finder(variationPoints);
    QHash<QString, int> byIdent;
    Area area;
    for (PendingAirport& a : pending) {
        if (!a.keep)
            continue;
        a.details.record.variation =
            finder.Nearest(a.latitude, a.longitude, kVariationRangeNm).value_or(0.0f);
        byIdent.insert(a.idents[0], static_cast<int>(data.airports.size()));
        data.airports.append(std::move(a.details));
        area.Add(a.latitude, a.longitude);
    }
    if (Status s = ReadRunways(options, byIdent, &data.airports, summary); !s)
        return s.error();
    if (Status s = ReadFrequencies(options, byIdent, &data.airports); !s)
        return s.error();
    for (const OurAirportsNavAid& aid : aids) {
        if (NavAidSelected(options, aid, area))
            data.navAids.append(aid.aid);
    }
    summary->airports = static_cast<int>(data.airports.size());
    summary->navAids = static_cast<int>(data.navAids.size());
    return data;
}
