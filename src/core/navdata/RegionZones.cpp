#include "core/navdata/RegionZones.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <unordered_map>

namespace {

// The regions of each zone, each written without its country ("TX" in "US-TX").
struct ZoneRegions {
    const char* zone;
    const char* country;
    const char* regions; // separated by spaces
};

constexpr ZoneRegions kZoneRegions[] = {
    // United States; territories are countries of their own.
    {"America/New_York", "US", "CT DC DE FL GA KY MA MD ME NC NH NJ NY OH PA RI SC VA VT WV"},
    {"America/Detroit", "US", "MI"},
    {"America/Indiana/Indianapolis", "US", "IN"},
    {"America/Chicago", "US", "AL AR IA IL KS LA MN MO MS ND NE OK SD TN TX WI"},
    {"America/Denver", "US", "CO MT NM UT WY"},
    {"America/Boise", "US", "ID"},
    {"America/Phoenix", "US", "AZ"},
    {"America/Los_Angeles", "US", "CA NV OR WA"},
    {"America/Anchorage", "US", "AK"},
    {"Pacific/Honolulu", "US", "HI"},
    // Canada; Nunavut is left to the nearest place but for its east (a split below).
    {"America/Vancouver", "CA", "BC"},
    {"America/Edmonton", "CA", "AB NT"},
    {"America/Regina", "CA", "SK"},
    {"America/Winnipeg", "CA", "MB"},
    {"America/Toronto", "CA", "ON QC"},
    {"America/Moncton", "CA", "NB"},
    {"America/Halifax", "CA", "NS PE"},
    {"America/Goose_Bay", "CA", "NL"},
    {"America/Whitehorse", "CA", "YT"},
    // Russia; the Sakha Republic (SA), which three zones share, is left to the nearest place.
    {"Europe/Kaliningrad", "RU", "KGD"},
    {"Europe/Moscow", "RU",
     "AD ARK BEL BRY CE CU DA IN IVA KB KC KDA KL KLU KO KOS KR KRS LEN LIP ME MO MOS MOW MUR "
     "NEN NGR NIZ ORL PNZ PSK ROS RYA SE SMO SPE STA TA TAM TUL TVE VLA VLG VOR YAR"},
    {"Europe/Kirov", "RU", "KIR"},
    {"Europe/Volgograd", "RU", "VGG"},
    {"Europe/Astrakhan", "RU", "AST"},
    {"Europe/Saratov", "RU", "SAR"},
    {"Europe/Ulyanovsk", "RU", "ULY"},
    {"Europe/Samara", "RU", "SAM UD"},
    {"Asia/Yekaterinburg", "RU", "BA CHE KGN KHM ORE PER SVE TYU YAN"},
    {"Asia/Omsk", "RU", "OMS"},
    {"Asia/Novosibirsk", "RU", "NVS"},
    {"Asia/Barnaul", "RU", "AL ALT"},
    {"Asia/Tomsk", "RU", "TOM"},
    {"Asia/Novokuznetsk", "RU", "KEM"},
    {"Asia/Krasnoyarsk", "RU", "KK KYA TY"},
    {"Asia/Irkutsk", "RU", "BU IRK"},
    {"Asia/Chita", "RU", "ZAB"},
    {"Asia/Yakutsk", "RU", "AMU"},
    {"Asia/Vladivostok", "RU", "KHA PRI YEV"},
    {"Asia/Magadan", "RU", "MAG"},
    {"Asia/Sakhalin", "RU", "SAK"},
    {"Asia/Kamchatka", "RU", "KAM"},
    {"Asia/Anadyr", "RU", "CHU"},
    // Brazil.
    {"America/Belem", "BR", "AP PA"},
    {"America/Fortaleza", "BR", "CE MA PB PI RN"},
    {"America/Recife", "BR", "PE"},
    {"America/Araguaina", "BR", "TO"},
    {"America/Maceio", "BR", "AL SE"},
    {"America/Bahia", "BR", "BA"},
    {"America/Sao_Paulo", "BR", "DF ES GO MG PR RJ RS SC SP"},
    {"America/Campo_Grande", "BR", "MS"},
    {"America/Cuiaba", "BR", "MT"},
    {"America/Porto_Velho", "BR", "RO"},
    {"America/Boa_Vista", "BR", "RR"},
    {"America/Manaus", "BR", "AM"},
    {"America/Rio_Branco", "BR", "AC"},
    // Australia.
    {"Australia/Perth", "AU", "WA"},
    {"Australia/Darwin", "AU", "NT"},
    {"Australia/Adelaide", "AU", "SA"},
    {"Australia/Brisbane", "AU", "QLD"},
    {"Australia/Sydney", "AU", "ACT NSW"},
    {"Australia/Melbourne", "AU", "VIC"},
    {"Australia/Hobart", "AU", "TAS"},
    // Indonesia: western (Sumatra, Java, west and central Borneo), central, eastern.
    {"Asia/Jakarta", "ID", "AC BB BE BT JA JB JI JK JT KR LA RI SB SS SU YO"},
    {"Asia/Pontianak", "ID", "KB KT"},
    {"Asia/Makassar", "ID", "BA GO KI KS KU NB NT SA SG SN SR ST"},
    {"Asia/Jayapura", "ID", "MA MU PA PB PD PP PS PT"},
    // Mexico.
    {"America/Mexico_City", "MX",
     "AGU CHP CMX COL DIF GRO GUA HID JAL MEX MIC MOR OAX PUE QUE SLP TAB TLA VER ZAC"},
    {"America/Monterrey", "MX", "COA DUR NLE TAM"},
    {"America/Merida", "MX", "CAM YUC"},
    {"America/Cancun", "MX", "ROO"},
    {"America/Chihuahua", "MX", "CHH"},
    {"America/Mazatlan", "MX", "BCS NAY SIN"},
    {"America/Hermosillo", "MX", "SON"},
    {"America/Tijuana", "MX", "BCN"},
};

// Which side of a border line holds the split's zone. West and east lines run from south to
// north (their points in rising latitude) and hold only alongside them; north and south lines
// run from west to east (rising longitude).
enum class Side { West, East, North, South };

struct Place {
    double latitude;
    double longitude;
};

struct RegionSplit {
    std::string_view region;
    const char* zone; // of the part beyond the line
    Side side;
    std::array<Place, 6> line; // the first `points` are used
    int points;
};

constexpr RegionSplit kSplits[] = {
    // The Aleutians west of 169 degrees 30 minutes west (the Pribilofs, further north, are not).
    {"US-AK", "America/Adak", Side::West, {{{50.5, -169.5}, {55.5, -169.5}}}, 2},
    // The Florida panhandle west of the Apalachicola River.
    {"US-FL", "America/Chicago", Side::West, {{{29.9, -85.0}, {31.1, -84.86}}}, 2},
    // Indiana's north-west (Lake to Starke and Jasper) and south-west (Posey to Perry, Gibson).
    {"US-IN",
     "America/Chicago",
     Side::West,
     {{{40.74, -86.93}, {41.1, -86.93}, {41.11, -86.5}, {41.77, -86.5}}},
     4},
    {"US-IN",
     "America/Chicago",
     Side::West,
     {{{37.77, -86.45}, {38.2, -86.45}, {38.21, -87.3}, {38.53, -87.3}, {38.54, -88.1}}},
     5},
    // Western Kentucky: west of Wayne, Taylor, LaRue, Hardin and Meade counties.
    {"US-KY",
     "America/Chicago",
     Side::West,
     {{{36.6, -84.95},
       {37.1, -84.95},
       {37.3, -85.45},
       {37.4, -85.6},
       {37.41, -86.1},
       {38.1, -86.3}}},
     6},
    // East Tennessee, from Chattanooga to the Cumberland Plateau.
    {"US-TN", "America/New_York", Side::East, {{{34.98, -85.45}, {36.68, -84.9}}}, 2},
    // The four counties of Michigan's Upper Peninsula on the Wisconsin border.
    {"US-MI",
     "America/Menominee",
     Side::West,
     {{{45.08, -87.3},
       {45.95, -87.3},
       {45.96, -88.05},
       {46.25, -88.05},
       {46.26, -89.35},
       {46.9, -89.35}}},
     6},
    // West Texas (El Paso and Hudspeth counties).
    {"US-TX", "America/Denver", Side::West, {{{29.0, -104.92}, {32.0, -104.92}}}, 2},
    // Sherman, Wallace, Greeley and Hamilton counties of Kansas.
    {"US-KS", "America/Denver", Side::West, {{{37.74, -101.48}, {39.57, -101.48}}}, 2},
    // The west of Nebraska, the Dakotas' West River and south-west North Dakota.
    {"US-NE",
     "America/Denver",
     Side::West,
     {{{40.0, -101.25}, {41.74, -101.25}, {41.75, -100.85}, {43.0, -100.85}}},
     4},
    {"US-SD",
     "America/Denver",
     Side::West,
     {{{42.98, -101.23}, {44.55, -101.23}, {44.56, -100.55}, {45.95, -100.55}}},
     4},
    {"US-ND",
     "America/Denver",
     Side::West,
     {{{45.93, -101.0}, {46.63, -101.0}, {46.64, -102.0}, {47.35, -102.0}}},
     4},
    // Idaho north of the Salmon River; Malheur County of Oregon.
    {"US-ID", "America/Los_Angeles", Side::North, {{{45.5, -117.3}, {45.5, -111.0}}}, 2},
    {"US-OR", "America/Boise", Side::East, {{{42.0, -118.2}, {44.5, -118.2}}}, 2},
    // British Columbia's East Kootenay and Peace River country.
    {"CA-BC",
     "America/Edmonton",
     Side::East,
     {{{49.0, -116.75}, {50.5, -116.75}, {51.5, -117.2}, {52.3, -118.3}}},
     4},
    {"CA-BC",
     "America/Dawson_Creek",
     Side::East,
     {{{54.9, -121.0}, {55.8, -122.4}, {60.0, -124.5}}},
     3},
    // North-western Ontario; Quebec's Magdalen Islands and Lower North Shore.
    {"CA-ON", "America/Winnipeg", Side::West, {{{48.0, -90.0}, {57.0, -90.0}}}, 2},
    {"CA-QC",
     "America/Halifax",
     Side::East,
     {{{47.0, -62.5}, {48.0, -62.5}, {50.0, -61.6}, {52.0, -61.6}}},
     4},
    // The island of Newfoundland and the south-east of Labrador.
    {"CA-NL",
     "America/St_Johns",
     Side::East,
     {{{46.5, -59.5}, {51.3, -59.5}, {51.4, -57.2}, {53.45, -57.2}}},
     4},
    // Nunavut's Qikiqtaaluk (Baffin) region and Southampton Island.
    {"CA-NU", "America/Iqaluit", Side::East, {{{55.0, -86.0}, {84.0, -86.0}}}, 2},
    // Fernando de Noronha; the west of Amazonas.
    {"BR-PE", "America/Noronha", Side::East, {{{-4.5, -33.5}, {-3.0, -33.5}}}, 2},
    {"BR-AM",
     "America/Eirunepe",
     Side::West,
     {{{-9.9, -67.0}, {-8.0, -67.2}, {-6.0, -68.0}, {-4.4, -69.98}, {-4.2, -69.98}}},
     5},
    // The Eucla strip of Western Australia; Broken Hill and Lord Howe Island in New South Wales.
    {"AU-WA", "Australia/Eucla", Side::East, {{{-32.5, 125.5}, {-31.3, 125.5}}}, 2},
    {"AU-NSW", "Australia/Broken_Hill", Side::West, {{{-33.0, 142.0}, {-31.0, 142.0}}}, 2},
    {"AU-NSW", "Australia/Lord_Howe", Side::East, {{{-32.0, 158.0}, {-31.0, 158.0}}}, 2},
    // Chihuahua's western border strip; Bahia de Banderas in Nayarit.
    {"MX-CHH", "America/Ciudad_Juarez", Side::North, {{{30.7, -109.1}, {30.7, -105.6}}}, 2},
    {"MX-NAY", "America/Bahia_Banderas", Side::South, {{{20.95, -105.6}, {20.95, -105.0}}}, 2},
};

// A longitude moved by whole turns to lie within half a turn of `near`.
double Unwrapped(double longitude, double near) {
    while (longitude - near > 180.0)
        longitude -= 360.0;
    while (longitude - near < -180.0)
        longitude += 360.0;
    return longitude;
}

// True when the place lies alongside the split's line and on its side.
bool Beyond(const RegionSplit& split, double latitude, double longitude) {
    const bool eastWest = split.side == Side::West || split.side == Side::East;
    // Along the line: latitude for west and east lines, longitude for north and south ones.
    const auto along = [&](const Place& p) { return eastWest ? p.latitude : p.longitude; };
    const auto across = [&](const Place& p) { return eastWest ? p.longitude : p.latitude; };
    const Place* line = split.line.data();
    const double at = eastWest ? latitude : Unwrapped(longitude, line[0].longitude);
    for (int i = 0; i + 1 < split.points; ++i) {
        const Place& a = line[i];
        const Place& b = line[i + 1];
        if (at < along(a) || at > along(b))
            continue;
        const double t = along(b) == along(a) ? 0.0 : (at - along(a)) / (along(b) - along(a));
        const double border = across(a) + t * (across(b) - across(a));
        const double place = eastWest ? Unwrapped(longitude, border) : latitude;
        // West and south hold the smaller values, east and north the larger.
        const bool below = split.side == Side::West || split.side == Side::South;
        return below ? place < border : place > border;
    }
    return false;
}

const std::unordered_map<std::string, const char*>& ZoneOfRegion() {
    static const std::unordered_map<std::string, const char*> regions = [] {
        std::unordered_map<std::string, const char*> map;
        for (const ZoneRegions& z : kZoneRegions) {
            const std::string_view list(z.regions);
            for (size_t start = 0; start < list.size();) {
                const size_t end = std::min(list.find(' ', start), list.size());
                map[std::string(z.country) + "-" + std::string(list.substr(start, end - start))] =
                    z.zone;
                start = end + 1;
            }
        }
        return map;
    }();
    return regions;
}

} // namespace

const char* RegionZone(std::string_view region, double latitude, double longitude) {
    for (const RegionSplit& split : kSplits) {
        if (region == split.region && Beyond(split, latitude, longitude))
            return split.zone;
    }
    const auto& regions = ZoneOfRegion();
    const auto found = regions.find(std::string(region));
    return found == regions.end() ? nullptr : found->second;
}

std::vector<const char*> RegionZoneNames() {
    std::vector<const char*> names;
    for (const ZoneRegions& z : kZoneRegions)
        names.push_back(z.zone);
    for (const RegionSplit& split : kSplits)
        names.push_back(split.zone);
    return names;
}
