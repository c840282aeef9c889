#include "core/navdata/OurAirportsNavAids.h"

#include "core/navdata/OurAirportsCsv.h"

#include "core/common/text/NumberText.h"

#include <QHash>

int32_t OurAirportsNavAidType(const QString& type) {
    static const QHash<QString, int32_t> types = {
        {"VOR", kNavAidVor},        {"VORTAC", kNavAidVortac}, {"TACAN", kNavAidTacan},
        {"VOR-DME", kNavAidVorDme}, {"NDB", kNavAidNdb},       {"NDB-DME", kNavAidNdbDme},
        {"DME", kNavAidDme}};
    return types.value(type, 0);
}

Status ReadOurAirportsNavAids(const QString& folder, QVector<OurAirportsNavAid>* aids,
                              std::vector<VariationFinder::Point>* variations) {
    OurAirportsCsv csv;
    const QStringList required = {"ident", "name", "type", "latitude_deg", "longitude_deg"};
    if (Status s = csv.Open(folder, "navaids.csv", required); !s)
        return s;
    const int ident = csv.Col("ident"), name = csv.Col("name"), type = csv.Col("type"),
              khz = csv.Col("frequency_khz"), lat = csv.Col("latitude_deg"),
              lon = csv.Col("longitude_deg"), country = csv.Col("iso_country"),
              variation = csv.Col("magnetic_variation_deg");
    while (csv.Next()) {
        if (csv.Field(lat).isEmpty() || csv.Field(lon).isEmpty())
            continue;
        OurAirportsNavAid s;
        s.latitude = csv.Number(lat);
        s.longitude = csv.Number(lon);
        NavAidRecord& r = s.aid.record;
        // Published with east positive; the file keeps west positive.
        r.variation = static_cast<float>(-csv.Number(variation));
        if (!csv.Field(variation).isEmpty())
            variations->push_back({s.latitude, s.longitude, r.variation});
        r.type = OurAirportsNavAidType(csv.Text(type));
        const std::string_view id = csv.TrimmedTextBytes(ident);
        if (r.type == 0 || !OurAirportsCsv::FitsKey(id))
            continue;
        r.key = OurAirportsCsv::KeyOf(id);
        r.latitude = OurAirportsCsv::SecondsOfArc(s.latitude);
        r.longitude = -OurAirportsCsv::SecondsOfArc(s.longitude);
        const double frequency = csv.Number(khz);
        const bool ndb = r.type == kNavAidNdb || r.type == kNavAidNdbDme;
        r.frequency = static_cast<float>(ndb ? frequency : frequency / 1000.0);
        s.aid.name = csv.Text(name);
        s.country = csv.Text(country);
        aids->append(s);
    }
    return {};
}
