#pragma once
// The take-offs and landings of one flight with the places where they happened, for the logbook.
// The first leg is the take-off and landing of FlightTimes; after that landing and before
// shutdown, every further take-off and landing the GPS detects adds a leg (circuits with
// full-stop landings), without changing the recorded times. Each place is the GPS position of
// that moment when a fresh valid fix was there. Held by TimesState; at most kMaxLegs legs.

#include "core/common/SystemTime.h"
#include "core/gps/GpsFix.h"

#include <optional>
#include <vector>

class FlightTimes;

// A position in degrees, latitude positive north, longitude positive west (as the navigation
// data and the sun calculations take it).
struct FlightPosition {
    double latitude = 0.0;
    double longitude = 0.0;

    bool operator==(const FlightPosition&) const = default;
};

struct FlightLeg {
    SystemTime takeoff;
    SystemTime landing; // not recorded while airborne
    std::optional<FlightPosition> takeoffAt;
    std::optional<FlightPosition> landingAt;

    bool operator==(const FlightLeg&) const = default;
};

class FlightLegs {
public:
    static constexpr int kMaxLegs = 99;

    // The take-off of FlightTimes: the legs of an earlier flight are dropped.
    void FirstTakeoff(const SystemTime& at, const std::optional<FlightPosition>& where);
    // The landing of FlightTimes (again after its reset): only the first leg stays, landed.
    void FirstLanding(const SystemTime& at, const std::optional<FlightPosition>& where);
    // Another take-off after the last landing; false when airborne, before the first leg, or
    // with kMaxLegs legs.
    bool FurtherTakeoff(const SystemTime& at, const std::optional<FlightPosition>& where);
    // The landing of the last leg; false when not airborne.
    bool Landing(const SystemTime& at, const std::optional<FlightPosition>& where);

    bool Airborne() const { return !legs_.empty() && !legs_.back().landing.IsRecorded(); }
    const std::vector<FlightLeg>& Legs() const { return legs_; }
    // Replaces the legs (as read back from the settings).
    void Set(std::vector<FlightLeg> legs) { legs_ = std::move(legs); }

    // The legs when their first one holds the take-off and landing of `times`; otherwise (the
    // times were reset or set by hand since) one leg of those times without places. Empty when
    // no take-off is recorded.
    std::vector<FlightLeg> Matching(const FlightTimes& times) const;

private:
    std::vector<FlightLeg> legs_;
};

// The position of the reading's fix when it is fresh, valid and plausible; nothing otherwise.
std::optional<FlightPosition> FixPosition(const GpsReading& gps);
