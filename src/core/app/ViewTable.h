#pragma once
// The seven full-screen views of the main frame. A view is named by the command id of its View-menu
// item (its ViewId, also stored as "View"); each has a View-menu text, a painted title, a help
// topic and two menu resources: one for platforms before version 5 and square screens, one for
// the others (with the Orientation sub-menu).

#include "resource.h"

#include <array>
#include <cstdint>

inline constexpr int kViewTimes = ID_VIEW_TIMES;
inline constexpr int kViewWeightBalance = ID_VIEW_WEIGHT_BALANCE;
inline constexpr int kViewAirportDirectory = ID_VIEW_AIRPORT_DIRECTORY;
inline constexpr int kViewFlightPlanning = ID_VIEW_FLIGHT_PLANNING;
inline constexpr int kViewChecklist = ID_VIEW_CHECKLIST;
inline constexpr int kViewTimeZones = ID_VIEW_TIME_ZONES;
inline constexpr int kViewLogbook = ID_VIEW_LOGBOOK;

// This program counts as a platform of major version 5, so non-square screens get the second
// menu set.
inline constexpr int kPlatformMajorVersion = 5;

struct ViewInfo {
    int viewId;
    const char* menuText;  // the View-menu item
    const char* title;     // painted at the top of the view ("&&" shows as "&")
    const char* helpTopic; // the help file's anchor
    int firstSetMenu;      // menu resource on platforms before version 5 or square screens
    int secondSetMenu;     // menu resource otherwise
};

inline constexpr int kViewCount = 7;
const std::array<ViewInfo, kViewCount>& ViewTable();

// The row of a ViewId; nullptr when no view has that id.
const ViewInfo* FindView(int viewId);
// A stored "View" value as the view to start with: unknown values become Times.
int StartViewId(uint32_t storedView);
// The first menu set serves platforms before version 5 and square screens.
bool UsesFirstMenuSet(int platformMajorVersion, int screenWidth, int screenHeight);
// The menu resource of a view in the chosen set; 0 for an unknown view.
int MenuIdForView(int viewId, bool firstSet);
