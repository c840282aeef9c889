#include "core/navdata/UserWaypointFile.h"
#include "core/common/text/Format.h"

#include <algorithm>

namespace {

constexpr int kCurrentVersion = 3;
constexpr int kOldVersion = 2;

} // namespace

UserWaypointFileContent ParseUserWaypointFile(const QByteArray& bytes) {
    UserWaypointFileContent content;
    ByteReader in(bytes);
    content.version = in.I32();
    const int32_t count = in.I32();
    if (!in.Ok()) {
        content.problem = QStringLiteral("The file is too short.");
        return content;
    }
    if (content.version != kCurrentVersion && content.version != kOldVersion) {
        content.problem = FormatText("The file has the unknown version %i.", content.version);
        return content;
    }
    const bool old = content.version == kOldVersion;
    if (old)
        in.Skip(4);
    const int recordBytes = old ? waypointfile::kOldRecordBytes : waypointfile::kRecordBytes;
    const qint64 present = in.Remaining() / recordBytes;
    if (count < 0 || count > present)
        content.problem = QStringLiteral("The file holds fewer waypoints than it says.");
    const qint64 readable = std::clamp<qint64>(count, 0, present);
    for (qint64 i = 0; i < readable; ++i)
        content.waypoints.append(old ? ReadOldUserWaypoint(in) : ReadUserWaypoint(in));
    return content;
}

QByteArray BuildUserWaypointFile(const QVector<UserWaypoint>& waypoints) {
    ByteWriter out;
    out.I32(kCurrentVersion);
    out.I32(static_cast<int32_t>(waypoints.size()));
    for (const UserWaypoint& w : waypoints)
        WriteUserWaypoint(out, w);
    return out.Data();
}
