#pragma once
// The content of a .nav file to be written: the description, the validity date, the airports
// in full and the nav aids with their names.

#include "core/navdata/NavRecords.h"

struct NavDataSet {
    QString description;
    uint32_t validityDate = 0; // packed as in the file; 0 = no date
    QVector<AirportDetails> airports;
    QVector<NavAid> navAids;
};
