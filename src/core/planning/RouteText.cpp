#include "core/planning/RouteText.h"

QString TrimmedRoute(const QString& route) {
    return route.trimmed();
}

QStringList SplitRoute(const QString& route) {
    return TrimmedRoute(route).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString AppendToRoute(const QString& route, const QString& ident) {
    return route.isEmpty() ? ident : route + QLatin1Char(' ') + ident;
}
