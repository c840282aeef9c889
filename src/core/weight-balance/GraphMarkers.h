#pragma once
// What the CG envelope graph marks besides the envelope: the four phase markers with their
// colours, and the lines of the maximum zero fuel and landing weights. Drawing is left to the
// graph.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/LoadingResults.h"

#include <QList>
#include <QString>

#include <cstdint>

// The graph option bits ("GraphOptions"; all set by default).
namespace graph_options {
inline constexpr uint32_t kLines = 0x01;
inline constexpr uint32_t kRamp = 0x02;
inline constexpr uint32_t kTakeoff = 0x04;
inline constexpr uint32_t kZeroFuel = 0x08;
inline constexpr uint32_t kLanding = 0x10;
} // namespace graph_options

enum class MarkerColour { Red, Magenta, Green, Navy, Black };

struct GraphMarker {
    QChar label; // 'R', 'T', 'L', 'Z'
    double weight = 0.0;
    double arm = 0.0;
    MarkerColour colour = MarkerColour::Black;

    bool operator==(const GraphMarker&) const = default;
};

struct WeightLine {
    QString label; // "MZFW", "MLW"
    double weight = 0.0;
    double forwardArm = 0.0;
    double aftArm = 0.0;

    bool operator==(const WeightLine&) const = default;
};

// The markers the options ask for, in drawing order (ramp, take-off, landing, zero fuel),
// without those whose weight or arm is 0. Ramp is red above the maximum ramp weight, else
// magenta; take-off green (landing navy) when its CG lies within the limits at its weight, both
// included, and its weight is not above the maximum, else red; zero fuel red above a maximum
// zero fuel weight, else black.
QList<GraphMarker> MakeGraphMarkers(const AircraftType& type, const LoadingResults& results,
                                    uint32_t options);

// "MZFW" and "MLW" lines for the maximum weights that are not 0 and below the maximum ramp
// weight, from the forward to the aft limit at that weight.
QList<WeightLine> MakeWeightLines(const AircraftType& type);
