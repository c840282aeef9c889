#include "core/navdata/VariationFinder.h"

namespace {

std::vector<NearestPointIndex::Point> IndexPoints(const std::vector<VariationFinder::Point>& in) {
    std::vector<NearestPointIndex::Point> points;
    points.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i)
        points.push_back({in[i].latitude, in[i].longitude, static_cast<int>(i)});
    return points;
}

std::vector<float> Variations(const std::vector<VariationFinder::Point>& in) {
    std::vector<float> variations;
    variations.reserve(in.size());
    for (const VariationFinder::Point& p : in)
        variations.push_back(p.variation);
    return variations;
}

} // namespace

VariationFinder::VariationFinder(const std::vector<Point>& points)
    : variations_(Variations(points)), index_(IndexPoints(points)) {}

std::optional<float> VariationFinder::Nearest(double latitude, double longitude,
                                              double maxNauticalMiles) const {
    const std::optional<NearestPointIndex::Found> found =
        index_.Nearest(latitude, longitude, maxNauticalMiles);
    if (!found)
        return std::nullopt;
    return variations_[static_cast<size_t>(found->id)];
}
