#pragma once
// The details list of a loading (the "Details" tab and the "Weight & Balance" dialog): the
// aircraft, each station, the zero fuel total, then the fuel of each tank and the total at ramp,
// take-off ("Startup" shows the fuel used before it) and landing, with the CG limits.

#include "core/weight-balance/Aircraft.h"
#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/Loading.h"
#include "core/weight-balance/LoadingResults.h"

#include <QList>
#include <QString>
#include <QStringList>

struct DetailsColumn {
    QString title;
    int width = 0; // pixels
    bool operator==(const DetailsColumn&) const = default;
};

struct LoadingDetails {
    QList<DetailsColumn> columns; // "%MAC" only when the type has a MAC leading edge
    QList<QStringList> rows;      // one text per column
};

LoadingDetails MakeLoadingDetails(const AircraftType& type, const Aircraft& aircraft,
                                  const Loading& loading, const LoadingResults& results);
