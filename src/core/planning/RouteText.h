#pragma once
// The route as typed: identifiers separated by one or more spaces.

#include <QStringList>

// The route without spaces at either end.
QString TrimmedRoute(const QString& route);
// The identifiers in order: the trimmed text split at every run of spaces.
QStringList SplitRoute(const QString& route);
// The route with an identifier appended, after one space when the route is not empty.
QString AppendToRoute(const QString& route, const QString& ident);
