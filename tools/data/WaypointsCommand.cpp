// trevallion-data waypoints: the user waypoints of a waypoints.db as JSON (the file is only read;
// an old version 2 file is shown converted but not rewritten).
#include "DataCommand.h"

#include "core/navdata/NavJson.h"
#include "core/navdata/UserWaypointFile.h"

#include "core/common/io/FileIo.h"

#include <QJsonDocument>

namespace {

int RunWaypoints(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1) {
        err << "Usage: trevallion-data waypoints FILE\n";
        return 2;
    }
    const Outcome<QByteArray> bytes = ReadWholeFile(
        args[0], QStringLiteral("Error:\nUnable to open the waypoint file.\n"), kMaxDataFileBytes);
    if (!bytes) {
        err << bytes.error().text << '\n';
        return 1;
    }
    const UserWaypointFileContent content = ParseUserWaypointFile(bytes.value());
    out << QJsonDocument(UserWaypointFileJson(content)).toJson(QJsonDocument::Indented);
    if (!content.problem.isEmpty()) {
        err << content.problem << '\n';
        return 1;
    }
    return 0;
}

const DataCommandRegistration kWaypoints{
    "waypoints", "FILE", "print the user waypoints of a waypoints.db as JSON", &RunWaypoints};

} // namespace
