#pragma once
// Which nav aid a typed identifier means when several share it (the world data holds OLM as a
// VORTAC in the United States and as an NDB in Ecuador): the one nearest a reference point,
// such as the other end of a leg or the current airport; without a reference, the first in the
// table.

#include "core/common/text/PositionText.h"

#include <QStringView>

#include <optional>

class NavDatabase;

struct NavAidChoice {
    int position = -1;    // in NavDatabase::NavAidTable(); -1 when no nav aid has the identifier
    int sharing = 0;      // how many nav aids have the identifier
    bool nearest = false; // several share it and the one nearest the reference was taken
};

NavAidChoice ChooseNavAid(NavDatabase& navData, QStringView ident,
                          const std::optional<Position>& near);

// The current airport's position; nothing while no airport is shown.
std::optional<Position> CurrentAirportPosition(const NavDatabase& navData);
