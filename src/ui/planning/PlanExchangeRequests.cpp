#include "ui/planning/PlanExchangeRequests.h"

#include "core/common/text/Format.h"
#include "core/planning/FlightPlanFile.h"

#include <QStringList>

FileDialogRequest ExportPlanRequest() {
    return {QStringLiteral("Export flight plan"),
            QStringLiteral("Flight plan (*.fpl);;GPX route (*.gpx)"), QStringLiteral("fpl"),
            FlightPlanFolder()};
}

FileDialogRequest ImportPlanRequest() {
    return {QStringLiteral("Import flight plan"),
            QStringLiteral("Flight plans and GPX routes (*.fpl *.gpx)"), QString(),
            FlightPlanFolder()};
}

ExportTarget ExportTargetForPath(const QString& path) {
    if (const std::optional<PlanFileFormat> format = PlanFileFormatForPath(path))
        return {path, *format};
    return {path + QStringLiteral(".fpl"), PlanFileFormat::Fpl};
}

QString NewWaypointsQuestion(const QVector<UserWaypoint>& waypoints) {
    QStringList idents;
    for (const UserWaypoint& waypoint : waypoints)
        idents << waypoint.ident;
    const char* noun = waypoints.size() == 1 ? "waypoint" : "waypoints";
    return FormatText("Add %d new user %s (%s)?", static_cast<int>(waypoints.size()), noun,
                      idents.join(QStringLiteral(", ")).toUtf8().constData());
}
