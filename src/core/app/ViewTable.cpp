#include "core/app/ViewTable.h"

namespace {

constexpr std::array<ViewInfo, kViewCount> kViews{{
    {kViewTimes, "Times", "Times", "Times", 128, 161},
    {kViewWeightBalance, "Weight - Balance", "Weight && Balance", "Weight&Balance", 129, 163},
    {kViewAirportDirectory, "Airport Directory", "Airport Directory", "AirportDirectory", 141, 158},
    {kViewFlightPlanning, "Flight Planning", "Flight Planning", "FlightPlanning", 143, 160},
    {kViewChecklist, "Checklist", "Checklist", "CheckList", 156, 159},
    {kViewTimeZones, "Time Zones", "Time Zones", "TimeZones", 157, 162},
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
