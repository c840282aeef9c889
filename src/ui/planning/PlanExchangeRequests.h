#pragma once
// What the Flight Planning view asks when a plan goes to or comes from another program's file:
// the file choosers for .fpl and GPX files, the file name a chosen export is written to, and the
// question before an import adds user waypoints.

#include "core/navdata/UserWaypoint.h"
#include "core/planning/PlanExchangeFile.h"
#include "ui/framework/Platform.h"

#include <QVector>

// The chooser for an export ("Flight plan (*.fpl)" first, then "GPX route (*.gpx)") and for an
// import (either kind), both starting in the plan files' folder.
FileDialogRequest ExportPlanRequest();
FileDialogRequest ImportPlanRequest();

// A chosen export name with its format: an ".fpl" or ".gpx" name as it is (any letter case),
// any other name with ".fpl" added.
struct ExportTarget {
    QString path;
    PlanFileFormat format = PlanFileFormat::Fpl;
};
ExportTarget ExportTargetForPath(const QString& path);

// "Add 2 new user waypoints (WPT1, WPT2)?": the identifiers in route order.
QString NewWaypointsQuestion(const QVector<UserWaypoint>& waypoints);
