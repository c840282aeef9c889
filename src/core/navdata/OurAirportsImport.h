#pragma once
// Builds the content of a .nav file from the CSV files published by OurAirports
// (airports.csv, runways.csv, airport-frequencies.csv, navaids.csv; public domain).
//
// Airports that are closed, outside the chosen country or region, or without an identifier of
// at most four characters (the ident, else gps_code, else local_code) are left out; so is a
// second airport with an identifier already taken. Positions become seconds of arc with west
// positive; variation is taken west positive from the nearest nav aid within 100 NM (0 when
// none). Runways (not closed, at most 10 per airport) and frequencies follow their airport.
// Nav aids of the known types (VOR, VORTAC, TACAN, VOR-DME, NDB, NDB-DME, DME) with identifiers
// of at most four characters are kept: VHF frequencies in MHz, NDB frequencies in kHz. With a
// region, nav aids of the region's country within its airports' area (widened by half a degree)
// are kept. With a zone table, each airport gets the standard offset of its time zone in whole
// hours (UtcOffsetFinder.h); a table that cannot be read leaves every offset 0 (not given) and
// says why in the summary, as the offsets are the one optional part of the file.

#include "core/navdata/NavDataSet.h"

#include "core/common/Outcome.h"

struct OurAirportsOptions {
    QString folder;      // holding the four CSV files
    QString country;     // ISO country code such as "US"; "" = every country
    QString region;      // ISO region code such as "US-WA"; "" = the whole country (or world)
    QString description; // the file's title
    uint32_t validityDate = 0;
    QString zoneTable; // zone1970.tab of the time-zone database; "" = no UTC offsets
    QDate zoneDay;     // the day of the standard offsets; invalid = today (UTC)
};

struct OurAirportsSummary {
    int airports = 0;
    int navAids = 0;
    int airportsWithoutIdent = 0; // no identifier of at most four characters
    int duplicateIdents = 0;
    int runwaysDropped = 0; // beyond 10 per airport
    int utcOffsets = 0;     // airports given a UTC offset other than 0
    QString zoneProblem;    // why the zone table gave no offsets; "" when it was read
};

// Fails with "Error:\nUnable to read <file>.\n" and the system's reason when a file is missing,
// or with a message naming a file whose header lacks a needed column.
// Fails, naming the filter, when no airport is kept (an empty file is never built).
Outcome<NavDataSet> ImportOurAirports(const OurAirportsOptions& options,
                                      OurAirportsSummary* summary);
