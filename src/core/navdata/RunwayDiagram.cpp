#include "core/navdata/RunwayDiagram.h"

#include "core/common/Constants.h"

#include <algorithm>
#include <cmath>

namespace {

bool HasPositions(const RunwayRecord& r) {
    return r.latitude1 != 0 && r.latitude2 != 0 && r.longitude1 != 0 && r.longitude2 != 0;
}

// A position relative to the reference point, in seconds of arc of latitude: x east, y north.
struct Offset {
    double x = 0.0;
    double y = 0.0;
};

class Projection {
public:
    Projection(const AirportRecord& airport, double cosLatitude)
        : airport_(airport), cos_(cosLatitude) {}
    Offset operator()(int32_t latitude, int32_t longitude) const {
        // Longitude is positive west: east of the reference point is a smaller value.
        const double west = static_cast<double>(longitude) - airport_.longitude;
        return {-west * cos_, static_cast<double>(latitude) - airport_.latitude};
    }

private:
    const AirportRecord& airport_;
    double cos_;
};

struct Bounds {
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0; // the reference point is inside
    void Add(Offset p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
};

double MidLatitudeCosine(const AirportRecord& airport, const QVector<RunwayRecord>& runways) {
    int32_t low = airport.latitude;
    int32_t high = airport.latitude;
    for (const RunwayRecord& r : runways) {
        if (!HasPositions(r))
            continue;
        low = std::min({low, r.latitude1, r.latitude2});
        high = std::max({high, r.latitude1, r.latitude2});
    }
    const double mid = (static_cast<double>(low) + high) * 0.5 * units::kOne3600th;
    return std::cos(mid * units::kDegreesToRadians);
}

// One scale for both axes: the largest that fits the bounds into the area less the margins.
double Scale(const Bounds& b, QSize area) {
    const double width = std::max(1, area.width() - 2 * kDiagramMargin);
    const double height = std::max(1, area.height() - 2 * kDiagramMargin);
    const double rangeX = b.maxX - b.minX;
    const double rangeY = b.maxY - b.minY;
    double scale = 0.0;
    if (rangeX > 0.0)
        scale = width / rangeX;
    if (rangeY > 0.0)
        scale = scale > 0.0 ? std::min(scale, height / rangeY) : height / rangeY;
    return scale;
}

} // namespace

int RunwayPenWidth(int widthFeet) {
    return widthFeet / 50 + 1;
}

int RunwayNumber(const QString& designator) {
    int number = 0;
    for (const QChar c : designator) {
        if (!c.isDigit())
            break;
        number = number * 10 + c.digitValue();
    }
    return number;
}

QPoint RunwayLabelOffset(bool firstEnd, int n, QSize text, int zeroWidth) {
    const int tw = text.width();
    const int th = text.height();
    if (firstEnd) {
        if (n < 27)
            return {-tw / 2, -th};
        if (n <= 29)
            return {zeroWidth, -th / 2};
        if (n <= 32)
            return {0, 0};
        return {-zeroWidth, 0};
    }
    int dy = 0;
    if (n >= 10)
        dy -= th;
    if (n >= 7 && n <= 11)
        dy -= th / 2;
    int dx = 0;
    if (n < 7)
        dx = -tw / 2;
    else if (n <= 11)
        dx = -tw;
    else if (n >= 15)
        dx = -zeroWidth;
    return {dx, dy};
}

RunwayDiagramLayout LayOutRunwayDiagram(const AirportRecord& airport,
                                        const QVector<RunwayRecord>& runways, QSize area) {
    RunwayDiagramLayout layout;
    const Projection project(airport, MidLatitudeCosine(airport, runways));
    Bounds bounds;
    for (const RunwayRecord& r : runways) {
        if (!HasPositions(r))
            continue;
        layout.available = true;
        bounds.Add(project(r.latitude1, r.longitude1));
        bounds.Add(project(r.latitude2, r.longitude2));
    }
    if (!layout.available)
        return layout;
    const double scale = Scale(bounds, area);
    const double midX = (bounds.minX + bounds.maxX) * 0.5;
    const double midY = (bounds.minY + bounds.maxY) * 0.5;
    const int cx = area.width() / 2;
    const int cy = area.height() / 2;
    auto place = [&](Offset p) {
        return QPoint(cx + static_cast<int>((p.x - midX) * scale),
                      cy - static_cast<int>((p.y - midY) * scale));
    };
    layout.reference = place(Offset{});
    for (const RunwayRecord& r : runways) {
        if (!HasPositions(r))
            continue;
        layout.runways.append({place(project(r.latitude1, r.longitude1)),
                               place(project(r.latitude2, r.longitude2)), RunwayPenWidth(r.width),
                               r.end1, r.end2});
    }
    return layout;
}
