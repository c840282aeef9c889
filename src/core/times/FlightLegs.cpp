#include "core/times/FlightLegs.h"

#include "core/times/FlightTimes.h"
#include "core/times/GpxText.h"

#include <cmath>

void FlightLegs::FirstTakeoff(const SystemTime& at, const std::optional<FlightPosition>& where) {
    legs_.assign(1, FlightLeg{at, SystemTime(), where, std::nullopt});
}

void FlightLegs::FirstLanding(const SystemTime& at, const std::optional<FlightPosition>& where) {
    if (legs_.empty())
        return;
    legs_.resize(1);
    legs_.front().landing = at;
    legs_.front().landingAt = where;
}

bool FlightLegs::FurtherTakeoff(const SystemTime& at, const std::optional<FlightPosition>& where) {
    if (legs_.empty() || Airborne() || legs_.size() >= static_cast<size_t>(kMaxLegs))
        return false;
    legs_.push_back(FlightLeg{at, SystemTime(), where, std::nullopt});
    return true;
}

bool FlightLegs::Landing(const SystemTime& at, const std::optional<FlightPosition>& where) {
    if (!Airborne())
        return false;
    legs_.back().landing = at;
    legs_.back().landingAt = where;
    return true;
}

std::vector<FlightLeg> FlightLegs::Matching(const FlightTimes& times) const {
    const SystemTime& takeoff = times.Time(FlightEvent::Takeoff);
    const SystemTime& landing = times.Time(FlightEvent::Landing);
    if (!takeoff.IsRecorded())
        return {};
    if (!legs_.empty() && legs_.front().takeoff == takeoff && legs_.front().landing == landing)
        return legs_;
    return {FlightLeg{takeoff, landing, std::nullopt, std::nullopt}};
}

std::optional<FlightPosition> FixPosition(const GpsReading& gps) {
    const GpsValues& v = gps.values;
    if (!gps.open || !gps.fresh || !v.fixValid || v.latitudeHemisphere == 0 ||
        v.longitudeHemisphere == 0)
        return std::nullopt;
    const double latitude = NmeaDegrees(v.latitude, v.latitudeHemisphere);
    const double longitude = -NmeaDegrees(v.longitude, v.longitudeHemisphere);
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::fabs(latitude) > 90.0 ||
        std::fabs(longitude) > 180.0)
        return std::nullopt;
    return FlightPosition{latitude, longitude};
}
