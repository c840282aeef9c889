#pragma once
// Plan files that other programs read and write: a FlightPlan v1 file (.fpl) or a GPX 1.1
// route (.gpx). Reading tells the two apart by their root element, whatever the file's name.

#include "core/common/Outcome.h"
#include "core/planning/ExchangeRoute.h"

#include <QByteArray>
#include <QDateTime>

#include <optional>

enum class PlanFileFormat { Fpl, Gpx };

// Larger than any plan such a file holds by far; a larger file is refused unread.
inline constexpr qint64 kMaxPlanExchangeFileBytes = 1024 * 1024;

// The format a file name asks for by its extension (".fpl" or ".gpx", any letter case); nothing
// for another name.
std::optional<PlanFileFormat> PlanFileFormatForPath(const QString& path);

// The route of an .fpl or GPX text. Fails with "Error, Unable to open file.\n" and why: "The
// file is damaged at line N: ..." (bad XML, a DTD, a waypoint without a position or with an
// unknown type, a route point missing from the table), "The file is neither a FlightPlan v1
// (.fpl) nor a GPX file.", or "The file holds no route points.".
Outcome<ExchangeRoute> ParsePlanExchangeText(const QByteArray& bytes);
// The same for a file of at most kMaxPlanExchangeFileBytes (the reason when it cannot be read).
Outcome<ExchangeRoute> ReadPlanExchangeFile(const QString& path);

// The text of the plan in the format (see MakeFplText and MakeGpxText).
QByteArray MakePlanExchangeText(PlanFileFormat format, const FlightPlan& plan,
                                const QDateTime& created);
// Writes the plan through the atomic writer. Fails with "Error, Unable to save file.\n" and the
// reason, or "There is no route to export." for a plan without points (nothing is written then).
Status WritePlanExchangeFile(const QString& path, PlanFileFormat format, const FlightPlan& plan,
                             const QDateTime& created);
