// waypoints.db: whatever the parser reads writes back as version 3 and reads back equal, with an
// image that is then stable; the JSON form is valid JSON with every waypoint. Through the store,
// a file that loads (a version 2 file is rewritten at once) saves and reads back as the store's
// sorted list, and a refused file is kept beside it before the first save.

#include "FuzzSupport.h"

#include "core/navdata/NavJson.h"
#include "core/navdata/UserWaypointFile.h"
#include "core/navdata/UserWaypointStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

void CheckJson(const UserWaypointFileContent& content) {
    const QByteArray json = QJsonDocument(UserWaypointFileJson(content)).toJson();
    QJsonParseError error;
    const QJsonDocument back = QJsonDocument::fromJson(json, &error);
    FUZZ_CHECK(error.error == QJsonParseError::NoError);
    FUZZ_CHECK(back.object().value(QStringLiteral("waypoints")).toArray().size() ==
               content.waypoints.size());
}

QByteArray ReadBack(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CheckStore(const QByteArray& input, const UserWaypointFileContent& content) {
    const QString folder = FuzzFolder() + QStringLiteral("store/");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString path = WriteFuzzFile(QStringLiteral("store/waypoints.db"), input);
    UserWaypointStore store(path, folder + QStringLiteral("missing.db"));
    const Status loaded = store.LoadUserWaypoints();
    FUZZ_CHECK(store.Count() == content.waypoints.size());
    FUZZ_CHECK(loaded.ok() == content.problem.isEmpty());
    const bool rewritten = loaded.ok() && content.version == 2;
    FUZZ_CHECK(ReadBack(path) == (rewritten ? BuildUserWaypointFile(store.Waypoints()) : input));
    FUZZ_CHECK(store.SaveUserWaypoints().ok());
    const UserWaypointFileContent saved = ParseUserWaypointFile(ReadBack(path));
    FUZZ_CHECK(saved.problem.isEmpty() && saved.version == 3);
    FUZZ_CHECK(saved.waypoints == store.Waypoints());
    if (!loaded.ok())
        FUZZ_CHECK(ReadBack(path + QStringLiteral(".bad")) == input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = FuzzBytes(data, size);
    const UserWaypointFileContent content = ParseUserWaypointFile(input);
    CheckJson(content);
    const QByteArray image = BuildUserWaypointFile(content.waypoints);
    const UserWaypointFileContent back = ParseUserWaypointFile(image);
    FUZZ_CHECK(back.version == 3 && back.problem.isEmpty());
    FUZZ_CHECK(back.waypoints == content.waypoints);
    FUZZ_CHECK(BuildUserWaypointFile(back.waypoints) == image);
    CheckStore(input, content);
    return 0;
}
