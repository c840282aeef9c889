#include "core/app/ViewTable.h"

namespace {

constexpr std::array<ViewInfo, kViewCount> kViews{{
    {kViewTimes, "Times", "Times", "Times", IDM_TIMES, IDM_TIMES_V5},
    {kViewWeightBalance, "Weight - Balance", "Weight && Balance", "Weight&Balance",
     IDM_WEIGHT_BALANCE, IDM_WEIGHT_BALANCE_V5},
    {kViewAirportDirectory, "Airport Directory", "Airport Directory", "AirportDirectory",
     IDM_AIRPORT_DIRECTORY, IDM_AIRPORT_DIRECTORY_V5},
    {kViewFlightPlanning, "Flight Planning", "Flight Planning", "FlightPlanning",
     IDM_FLIGHT_PLANNING, IDM_FLIGHT_PLANNING_V5},
    {kViewChecklist, "Checklist", "Checklist", "CheckList", IDM_CHECKLIST, IDM_CHECKLIST_V5},
    {kViewTimeZones, "Time Zones", "Time Zones", "TimeZones", IDM_TIME_ZONES, IDM_TIME_ZONES_V5},
    {kViewLogbook, "Logbook", "Logbook", "Logbook", IDM_LOGBOOK, IDM_LOGBOOK_V5},
}};

} // namespace

const std::array<ViewInfo, kViewCount>& ViewTable() {
    return kViews;
}

const ViewInfo* FindView(int viewId) {
    for (const ViewInfo& view : kViews)
        if (view.viewId == viewId)
            return &view;
    return nullptr;
}

int StartViewId(uint32_t storedView) {
    // Every ViewId fits an int; a stored value above that range names no view.
    if (storedView > 0x7FFFFFFFu || !FindView(static_cast<int>(storedView)))
        return kViewTimes;
    return static_cast<int>(storedView);
}

bool UsesFirstMenuSet(int platformMajorVersion, int screenWidth, int screenHeight) {
    return platformMajorVersion < 5 || screenWidth == screenHeight;
}

int MenuIdForView(int viewId, bool firstSet) {
    const ViewInfo* view = FindView(viewId);
    if (!view)
        return 0;
    return firstSet ? view->firstSetMenu : view->secondSetMenu;
}
