#pragma once
// The axes of the CG envelope graph: weight and arm ranges from the envelope and the ramp point,
// and the steps of their scales. Drawing is left to the graph.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/LoadingResults.h"

#include <QList>

#include <optional>

struct GraphScale {
    double topWeight = 0.0;
    double bottomWeight = 0.0;
    double leftArm = 0.0;
    double rightArm = 0.0;
    double weightStep = 0.0;
    double armStep = 0.0;

    // Labelled weights: the bottom weight, then each following multiple of the step up to the
    // top weight.
    QList<double> WeightTicks() const;
    // Labelled arms: from the left arm in steps up to the right arm.
    QList<double> ArmTicks() const;

    bool operator==(const GraphScale&) const = default;
};

// The scale of the type's graph, the ramp point of the results widening the ranges. Nothing
// when the type has no envelope (its largest weight or arm is 0): the graph then says "CG values
// not definded".
std::optional<GraphScale> ComputeGraphScale(const AircraftType& type,
                                            const LoadingResults& results);

// The first weight step for which the range holds 5 to 10 steps; when none does, the step whose
// count comes nearest to that.
double WeightScaleStep(double range);
// The first arm step for which the range holds 5 to 10 steps, else 1.
double ArmScaleStep(double range);
