#include "core/navdata/UserWaypointStore.h"

#include "core/navdata/UserWaypointFile.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/common/settings/SettingsSchema.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kFileName = QStringLiteral("waypoints.db");

Status ReadFailure(const QString& path, const QString& detail) {
    return Status::Fail(QStringLiteral("Error:\nUnable to read all user waypoints from ") + path +
                            QStringLiteral(".\n") + detail,
                        MessageIcon::Warning);
}

int Compare(const UserWaypoint& a, const UserWaypoint& b) {
    return QString::compare(a.ident, b.ident, Qt::CaseInsensitive);
}

} // namespace

QString UserWaypointStore::DefaultPath() {
    return DataFolder() + kFileName;
}

QString UserWaypointStore::DefaultFallbackPath() {
    return ProgramFolder().isEmpty() ? QString() : ProgramFolder() + kFileName;
}

UserWaypointStore::UserWaypointStore(QString path, QString fallbackPath)
    : path_(std::move(path)), fallbackPath_(std::move(fallbackPath)) {}

Status UserWaypointStore::LoadUserWaypoints() {
    waypoints_.clear();
    capacity_ = kMinimumCapacity;
    refusedFileAtPath_ = false;
    RemoveStaleSaveFiles(path_);
    // The program folder's copy serves only while the data folder has none.
    const QString readFrom =
        QFileInfo::exists(path_) || fallbackPath_.isEmpty() ? path_ : fallbackPath_;
    if (!QFileInfo::exists(readFrom))
        return {}; // no waypoints yet
    const Outcome<QByteArray> bytes = ReadWholeFile(readFrom, {}, kMaxDataFileBytes);
    if (!bytes) {
        // A file that is there but cannot be read (too large, no permission) is kept as it is.
        refusedFileAtPath_ = readFrom == path_;
        return ReadFailure(readFrom, bytes.error().text);
    }
    const UserWaypointFileContent content = ParseUserWaypointFile(bytes.value());
    waypoints_ = content.waypoints;
    if (content.version == 2 || content.version == 3)
        capacity_ = static_cast<int>(waypoints_.size()) + kMinimumCapacity;
    waypoints_.reserve(capacity_);
    Sort();
    if (!content.problem.isEmpty()) {
        refusedFileAtPath_ = readFrom == path_;
        return ReadFailure(readFrom, content.problem);
    }
    if (content.version == 2)
        return SaveUserWaypoints(); // rewritten as version 3 at once
    return {};
}

Status UserWaypointStore::KeepRefusedFile() {
    if (!refusedFileAtPath_)
        return {};
    Status kept =
        ::KeepRefusedFile(path_, QStringLiteral("Error:\nUnable to save the user waypoints.\n"));
    if (kept)
        refusedFileAtPath_ = false;
    return kept;
}

Status UserWaypointStore::SaveUserWaypoints() {
    if (Status kept = KeepRefusedFile(); !kept)
        return kept;
    return WriteWholeFile(path_, BuildUserWaypointFile(waypoints_),
                          QStringLiteral("Error:\nUnable to save the user waypoints.\n"));
}

void UserWaypointStore::Sort() {
    // An exchange sort: every later record that is smaller swaps with the one at i.
    for (qsizetype i = 0; i + 1 < waypoints_.size(); ++i) {
        for (qsizetype j = i + 1; j < waypoints_.size(); ++j) {
            if (Compare(waypoints_[j], waypoints_[i]) < 0)
                std::swap(waypoints_[i], waypoints_[j]);
        }
    }
}

bool UserWaypointStore::FindUserWaypoint(const QString& ident, UserWaypoint* waypoint) const {
    return FindUserWaypointIn(waypoints_, ident, waypoint);
}

bool FindUserWaypointIn(const QVector<UserWaypoint>& waypoints, const QString& ident,
                        UserWaypoint* waypoint) {
    for (const UserWaypoint& w : waypoints) {
        if (QString::compare(w.ident, ident, Qt::CaseInsensitive) == 0) {
            *waypoint = w;
            return true;
        }
    }
    return false;
}

Status UserWaypointStore::AddUserWaypoint(const UserWaypoint& waypoint) {
    if (waypoints_.size() >= capacity_) {
        capacity_ += kGrowth;
        waypoints_.reserve(capacity_);
    }
    waypoints_.append(waypoint);
    Sort();
    return SaveUserWaypoints();
}

Status UserWaypointStore::DeleteUserWaypoint(int index) {
    if (index < 0 || index >= waypoints_.size())
        return {};
    waypoints_.removeAt(index);
    return SaveUserWaypoints();
}

Status UserWaypointStore::ReplaceUserWaypoint(int index, const UserWaypoint& waypoint) {
    if (index < 0 || index >= waypoints_.size())
        return {};
    waypoints_[index] = waypoint;
    return SaveUserWaypoints();
}

bool WaypointSecondsFormat(const SettingsStore& settings, bool preferenceSecondsFormat) {
    const QString stored = setting::kWaypointSeconds.Read(settings);
    if (stored.isEmpty())
        return preferenceSecondsFormat;
    return stored == QLatin1String("Yes");
}

void StoreWaypointSecondsFormat(SettingsStore& settings, bool secondsFormat) {
    setting::kWaypointSeconds.Write(settings, YesNoText(secondsFormat));
}
