#include "core/planning/PlanTable.h"

#include "core/common/text/ElapsedTime.h"
#include "core/common/text/Format.h"

#include <cmath>
#include <limits>

const QList<PlanColumn>& PlanColumns() {
    static const QList<PlanColumn> columns{{"ID", 47}, {"NM", 38},   {"MT", 35},   {"MH", 35},
                                           {"GS", 35}, {"Time", 60}, {"Fuel", 40}, {"ETE", 60}};
    return columns;
}

QString PlanHoursText(double hours) {
    if (!(hours >= 0) || hours >= std::numeric_limits<unsigned>::max())
        return {};
    // Whole seconds, cut after the elapsed-time tolerance: a sum such as 0.6 + 0.6 hours
    // (1.1999...) shows 01:12:00, not 01:11:59.
    const ElapsedParts parts = HoursToSeconds(hours);
    return FormatText("%02u:%02u:%02u", static_cast<unsigned>(parts.hours), parts.minutes,
                      parts.seconds);
}

QList<QStringList> PlanTableRows(const FlightPlan& plan) {
    QList<QStringList> rows;
    const QVector<PlanLeg>& points = plan.points;
    for (int i = 0; i + 1 < points.size(); ++i) {
        const PlanLeg& leg = points[i];
        QStringList row{leg.ident, FormatText("%.0f", leg.distance),
                        FormatText("%.0f°", leg.magneticTrack)};
        row << (leg.hasHeading ? FormatText("%.0f°", leg.magneticHeading) : QString())
            << (leg.hasHeading ? FormatText("%.0f", leg.groundSpeed) : QString())
            << (leg.hasTime ? PlanHoursText(leg.legTime) : QString())
            << (leg.hasTotals ? FormatText("%.1f", leg.fuel) : QString())
            << (leg.hasTotals ? PlanHoursText(leg.elapsed) : QString());
        rows.append(row);
    }
    if (!points.isEmpty()) {
        QStringList last(PlanColumns().size());
        last[0] = points.last().ident;
        rows.append(last);
    }
    return rows;
}

QString PlanTotalsText(const FlightPlan& plan) {
    if (plan.points.size() < 2)
        return {};
    const PlanLeg& last = plan.points[plan.points.size() - 2];
    const QString time = last.hasTotals ? PlanHoursText(last.elapsed) : QString();
    if (time.isEmpty())
        return {};
    return QStringLiteral("Total time: ") + time + FormatText("  Fuel: %.1f", last.fuel);
}
