#include "core/navdata/NavJson.h"
#include "core/common/text/Format.h"

#include "core/navdata/NavDatabase.h"

#include "core/common/text/CoordinateText.h"

namespace {

// A stored float as the decimal it was written from (116.8, not 116.80000305175781).
double FloatValue(float value) {
    return FormatText("%.7g", static_cast<double>(value)).toDouble();
}

void AddPosition(QJsonObject* object, int32_t latitude, int32_t longitude) {
    object->insert("latitude", latitude);
    object->insert("longitude", longitude);
    object->insert("latitudeText", LatitudeText(latitude, true));
    object->insert("longitudeText", LongitudeText(longitude, true));
}

QJsonObject RunwayJson(const RunwayRecord& r) {
    return QJsonObject{{"ends", r.end1 + '/' + r.end2},
                       {"latitude1", r.latitude1},
                       {"longitude1", r.longitude1},
                       {"latitude2", r.latitude2},
                       {"longitude2", r.longitude2},
                       {"length", r.length},
                       {"width", r.width}};
}

} // namespace

QJsonObject NavInfoJson(const NavDatabase& data) {
    const QDate date = UnpackValidityDate(data.ValidityDate());
    return QJsonObject{
        {"description", data.Description()},
        {"validUntil", date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue()},
        {"validityDate", static_cast<qint64>(data.ValidityDate())},
        {"airports", data.AirportCount()},
        {"navAids", data.NavAidCount()}};
}

QJsonObject AirportJson(const AirportDetails& airport) {
    const AirportRecord& r = airport.record;
    QJsonObject object{{"ident", r.key.Text()},
                       {"name", airport.name},
                       {"city", airport.city},
                       {"elevation", r.elevation},
                       {"variation", FloatValue(r.variation)},
                       {"utcOffset", r.utcOffset}};
    AddPosition(&object, r.latitude, r.longitude);
    QJsonArray runways;
    for (const RunwayRecord& runway : airport.runways)
        runways.append(RunwayJson(runway));
    QJsonArray comm;
    for (const CommEntry& line : airport.comm)
        comm.append(QJsonObject{{"label", line.label}, {"frequency", line.frequency}});
    object.insert("runways", runways);
    object.insert("comm", comm);
    return object;
}

QJsonObject NavAidJson(const NavAidRecord& record, const QString& name) {
    QJsonObject object{{"ident", record.key.Text()},
                       {"name", name},
                       {"type", record.type},
                       {"typeText", NavAidTypeText(record.type)},
                       {"frequency", FloatValue(record.frequency)},
                       {"frequencyText", FormatText("%.1f", record.frequency)},
                       {"variation", FloatValue(record.variation)}};
    AddPosition(&object, record.latitude, record.longitude);
    return object;
}

QJsonArray SearchRowsJson(const QVector<SearchRow>& rows, bool airports) {
    QJsonArray array;
    for (const SearchRow& row : rows) {
        array.append(QJsonObject{
            {"ident", row.ident}, {"name", row.name}, {airports ? "city" : "type", row.detail}});
    }
    return array;
}

QJsonObject UserWaypointFileJson(const UserWaypointFileContent& content) {
    QJsonArray waypoints;
    for (const UserWaypoint& w : content.waypoints) {
        QJsonObject object{{"ident", w.ident}, {"name", w.name}, {"variation", w.variation}};
        AddPosition(&object, w.latitude, w.longitude);
        waypoints.append(object);
    }
    QJsonObject object{{"version", content.version},
                       {"count", static_cast<int>(content.waypoints.size())},
                       {"waypoints", waypoints}};
    if (!content.problem.isEmpty())
        object.insert("problem", content.problem);
    return object;
}
