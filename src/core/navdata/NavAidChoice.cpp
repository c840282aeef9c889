#include "core/navdata/NavAidChoice.h"

#include "core/common/Constants.h"
#include "core/navdata/GreatCircle.h"
#include "core/navdata/NavDatabase.h"

namespace {

double AngleBetween(const NavAidRecord& aid, const Position& point) {
    return GreatCircleAngle(aid.latitude * units::kOne3600th, aid.longitude * units::kOne3600th,
                            point.latitude * units::kOne3600th,
                            point.longitude * units::kOne3600th);
}

} // namespace

NavAidChoice ChooseNavAid(NavDatabase& navData, QStringView ident,
                          const std::optional<Position>& near) {
    const std::vector<int> positions = navData.NavAidPositions(ident);
    NavAidChoice choice;
    choice.sharing = static_cast<int>(positions.size());
    if (positions.empty())
        return choice;
    choice.position = positions.front();
    if (positions.size() == 1 || !near)
        return choice;
    const std::vector<NavAidRecord>& table = navData.NavAidTable();
    double best = AngleBetween(table[static_cast<size_t>(choice.position)], *near);
    for (const int position : positions) {
        const double angle = AngleBetween(table[static_cast<size_t>(position)], *near);
        if (angle < best) {
            best = angle;
            choice.position = position;
        }
    }
    choice.nearest = true;
    return choice;
}

std::optional<Position> CurrentAirportPosition(const NavDatabase& navData) {
    const AirportRecord& airport = navData.CurrentAirport().record;
    if (airport.key == IdentKey())
        return std::nullopt;
    return Position{airport.latitude, airport.longitude};
}
