#pragma once
// One corner of a CG envelope: the points go up the forward limit (rising weight) and then down
// the aft limit. An arm of 0 marks the end of the usable points.

struct EnvelopePoint {
    double weight = 0.0;
    double arm = 0.0;

    bool operator==(const EnvelopePoint&) const = default;
};
