#pragma once
// The nav aids of OurAirports' navaids.csv: those of the known types with identifiers of at most
// four characters, and the magnetic variation of every nav aid that gives one (for airports).

#include "core/navdata/NavRecords.h"
#include "core/navdata/VariationFinder.h"

#include "core/common/Outcome.h"

#include <vector>

struct OurAirportsNavAid {
    NavAid aid;
    QString country;       // ISO code
    double latitude = 0.0; // degrees as published (east positive)
    double longitude = 0.0;
};

// VOR, VORTAC, TACAN, VOR-DME, DME frequencies in MHz; NDB and NDB-DME in kHz; variation west
// positive. Fails as OurAirportsCsv::Open does.
Status ReadOurAirportsNavAids(const QString& folder, QVector<OurAirportsNavAid>* aids,
                              std::vector<VariationFinder::Point>* variations);

// The type number of a published type name; 0 for other types.
int32_t OurAirportsNavAidType(const QString& type);
