#include "core/planning/FplTable.h"

#include "core/planning/IdentFitting.h"

#include <QSet>

namespace {

bool SamePoint(const ExchangePoint& a, const ExchangePoint& b) {
    return a.ident == b.ident && a.type == b.type && a.latitude == b.latitude &&
           a.longitude == b.longitude;
}

// The distinct points of the route, and for each route point the index of its distinct one.
QVector<ExchangePoint> DistinctPoints(const ExchangeRoute& route, QVector<int>* indexes) {
    QVector<ExchangePoint> distinct;
    for (const ExchangePoint& point : route.points) {
        qsizetype index = 0;
        while (index < distinct.size() && !SamePoint(distinct[index], point))
            ++index;
        if (index == distinct.size())
            distinct.append(point);
        indexes->append(static_cast<int>(index));
    }
    return distinct;
}

} // namespace

FplTable BuildFplTable(const ExchangeRoute& route) {
    FplTable table;
    table.waypoints = DistinctPoints(route, &table.route);
    QSet<QString> claimed;
    QVector<bool> named(table.waypoints.size(), false);
    // First every point that can keep its own fitted identifier, then the numbered ones, so a
    // number never takes an identifier that a later point has by itself.
    for (qsizetype i = 0; i < table.waypoints.size(); ++i) {
        ExchangePoint& point = table.waypoints[i];
        point.ident = FitIdentifier(point.ident, kMaxFplIdentLength);
        if (!point.ident.isEmpty() && !claimed.contains(point.ident)) {
            claimed.insert(point.ident);
            named[i] = true;
        }
    }
    const auto taken = [&claimed](const QString& ident) { return claimed.contains(ident); };
    for (qsizetype i = 0; i < table.waypoints.size(); ++i) {
        ExchangePoint& point = table.waypoints[i];
        if (!named[i]) {
            point.ident = UniqueIdentifier(point.ident, kMaxFplIdentLength, taken);
            claimed.insert(point.ident);
        }
        point.comment = FitComment(point.comment);
        point.countryCode.clear();
    }
    table.routeName = FitComment(route.name);
    return table;
}
