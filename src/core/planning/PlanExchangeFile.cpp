#include "core/planning/PlanExchangeFile.h"

#include "core/common/io/FileIo.h"
#include "core/planning/PlanXmlReader.h"
#include "core/planning/PlanXmlRoutes.h"
#include "core/planning/PlanXmlWriter.h"

namespace {

const QString kOpenPrefix = QStringLiteral("Error, Unable to open file.\n");
const QString kSavePrefix = QStringLiteral("Error, Unable to save file.\n");
const QString kGpx10Namespace = QStringLiteral("http://www.topografix.com/GPX/1/0");

std::optional<PlanFileFormat> RootFormat(const PlanXmlReader& xml) {
    const QString ns = xml.RootNamespace();
    if (xml.RootName() == QLatin1String("flight-plan") &&
        (ns.isEmpty() || ns == QLatin1String(kFplNamespace)))
        return PlanFileFormat::Fpl;
    if (xml.RootName() == QLatin1String("gpx") &&
        (ns.isEmpty() || ns == QLatin1String(kGpxNamespace) || ns == kGpx10Namespace))
        return PlanFileFormat::Gpx;
    return std::nullopt;
}

} // namespace

std::optional<PlanFileFormat> PlanFileFormatForPath(const QString& path) {
    if (path.endsWith(QLatin1String(".fpl"), Qt::CaseInsensitive))
        return PlanFileFormat::Fpl;
    if (path.endsWith(QLatin1String(".gpx"), Qt::CaseInsensitive))
        return PlanFileFormat::Gpx;
    return std::nullopt;
}

Outcome<ExchangeRoute> ParsePlanExchangeText(const QByteArray& bytes) {
    PlanXmlReader xml(bytes);
    std::optional<PlanFileFormat> format;
    if (xml.ReadRoot()) {
        format = RootFormat(xml);
        if (!format)
            return Outcome<ExchangeRoute>::Fail(
                kOpenPrefix +
                QStringLiteral("The file is neither a FlightPlan v1 (.fpl) nor a GPX file."));
    }
    ExchangeRoute route;
    if (format)
        route = *format == PlanFileFormat::Fpl ? ReadFplRoute(xml) : ReadGpxRoute(xml);
    if (!xml.Finish())
        return Outcome<ExchangeRoute>::Fail(kOpenPrefix + xml.Problem());
    if (route.points.isEmpty())
        return Outcome<ExchangeRoute>::Fail(kOpenPrefix +
                                            QStringLiteral("The file holds no route points."));
    return route;
}

Outcome<ExchangeRoute> ReadPlanExchangeFile(const QString& path) {
    const Outcome<QByteArray> bytes = ReadWholeFile(path, kOpenPrefix, kMaxPlanExchangeFileBytes);
    if (!bytes)
        return bytes.error();
    return ParsePlanExchangeText(bytes.value());
}

QByteArray MakePlanExchangeText(PlanFileFormat format, const FlightPlan& plan,
                                const QDateTime& created) {
    const ExchangeRoute route = ExchangeRouteFromPlan(plan);
    return format == PlanFileFormat::Fpl ? MakeFplText(route, created)
                                         : MakeGpxText(route, created);
}

Status WritePlanExchangeFile(const QString& path, PlanFileFormat format, const FlightPlan& plan,
                             const QDateTime& created) {
    if (plan.points.isEmpty())
        return Status::Fail(kSavePrefix + QStringLiteral("There is no route to export."));
    return WriteWholeFile(path, MakePlanExchangeText(format, plan, created), kSavePrefix);
}
