#pragma once
// The CG envelope graph: an aircraft type's envelope as a filled polygon on weight (up) and arm
// (across) axes with their scales, the maximum zero fuel and landing weights as lines, and the
// loading's ramp, take-off, landing and zero fuel points as coloured markers, as the graph
// options ask. Drawn into any owner-drawn rectangle; the type and results are borrowed.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/GraphScale.h"
#include "core/weight-balance/LoadingResults.h"

#include <QRect>

#include <cstdint>

class QPainter;

class CCgGraph {
public:
    // The type and results drawn (nullptr: nothing but white). Both must outlive the drawing.
    void SetType(const AircraftType* type) { type_ = type; }
    void SetResults(const LoadingResults* results) { results_ = results; }

    // Draws the whole graph into the rectangle with the option bits (graph_options).
    void Draw(QPainter& painter, const QRect& rect, uint32_t options);

private:
    struct Plot {
        double left = 0, top = 0, width = 0, height = 0, bottom = 0;
        double pixelsPerArm = 0, pixelsPerWeight = 0;
        GraphScale scale;
        int pen = 1; // pen width in pixels
        QRect area;  // the rectangle drawn into
    };

    QPoint At(double weight, double arm) const;
    void DrawEnvelope(QPainter& painter) const;
    void DrawWeightScale(QPainter& painter) const;
    void DrawArmScale(QPainter& painter) const;
    void DrawWeightLines(QPainter& painter) const;
    void DrawMarkers(QPainter& painter, uint32_t options) const;

    const AircraftType* type_ = nullptr;
    const LoadingResults* results_ = nullptr;
    Plot plot_;
};
