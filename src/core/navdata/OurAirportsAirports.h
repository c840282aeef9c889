#pragma once
// The airports of OurAirports' airports.csv on their way into a .nav file: read with their three
// identifiers (ident, gps_code, local_code), then given keys. Their texts stay views of the CSV
// file's bytes until they are kept, so the airports left out never become strings.

#include "core/navdata/NavRecords.h"
#include "core/navdata/OurAirportsCsv.h"
#include "core/navdata/OurAirportsImport.h"

#include <array>
#include <string_view>
#include <vector>

struct PendingAirport {
    AirportRecord record;                   // position and elevation, and the key once one is given
    std::array<std::string_view, 3> idents; // ident, gps_code, local_code; trimmed, UTF-8
    QByteArrayView name;                    // views of the CSV file's bytes
    QByteArrayView city;
    QByteArrayView country; // ISO codes: "US", "US-TX"
    QByteArrayView region;
    double latitude = 0.0;
    double longitude = 0.0; // east positive, as published
    bool keep = false;
};

// Reads the open airports that the options select and that have a position and a code that fits
// a key, from airports.csv opened into `csv`, which must outlive the list (its texts are views
// of the file); counts the others without such a code. Fails as OurAirportsCsv::Open does.
Status ReadPendingAirports(const OurAirportsOptions& options, OurAirportsCsv* csv,
                           std::vector<PendingAirport>* airports, OurAirportsSummary* summary);

// Gives each airport a key and marks it kept: first the airports whose own ident fits, then the
// others by their GPS or local code, so that a substitute never takes an identifier from its
// owner. Counts the airports whose code another took.
void AssignPendingIdents(std::vector<PendingAirport>* airports, OurAirportsSummary* summary);

// Fails, naming the filter, when no airport is kept: an empty file would look like a build.
Status RequireSomeAirport(const OurAirportsOptions& options,
                          const std::vector<PendingAirport>& airports);
