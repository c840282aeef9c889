// An exported GPX route as another reader sees it: gpsbabel lists the plan's points with their
// positions, in route order.
#include "PlanExchangeTestData.h"

#include "core/planning/PlanExchangeFile.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr double kSecondsPerDegree = 3600.0;

// gpsbabel's CSV lines: "latitude, longitude, name".
QList<QStringList> GpsbabelCsv(const QString& gpxPath) {
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    EXPECT_FALSE(gpsbabel.isEmpty())
        << "gpsbabel is not installed; scripts/install-deps.sh installs it";
    if (gpsbabel.isEmpty())
        return {};
    QProcess process;
    process.start(gpsbabel, {"-i", "gpx", "-f", gpxPath, "-o", "csv", "-F", "-"});
    EXPECT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QList<QStringList> lines;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QString::fromUtf8(line).split(QStringLiteral(", "));
    return lines;
}

TEST_F(ExchangeFixture, GpsbabelReadsTheExportedRouteInOrder) {
    // Airports, both kinds of nav aid, a user waypoint and the start again as the end.
    const FlightPlan plan = Plan(QStringLiteral("KSEA OLM SEA BF HOME KSEA"));
    ASSERT_EQ(plan.points.size(), 6);
    const QString path = folder_.File("plan.gpx");
    ASSERT_TRUE(WritePlanExchangeFile(path, PlanFileFormat::Gpx, plan, QDateTime()).ok());

    const QList<QStringList> lines = GpsbabelCsv(path);
    ASSERT_EQ(lines.size(), plan.points.size());
    for (int i = 0; i < lines.size(); ++i) {
        const PlanLeg& point = plan.points[i];
        ASSERT_EQ(lines[i].size(), 3) << lines[i].join('|').toStdString();
        EXPECT_EQ(lines[i][2], point.ident);
        // North and east positive in the file; the plan's longitude is positive west.
        EXPECT_NEAR(lines[i][0].toDouble(), point.latitude / kSecondsPerDegree, 1e-5);
        EXPECT_NEAR(lines[i][1].toDouble(), -point.longitude / kSecondsPerDegree, 1e-5);
    }
}

} // namespace
