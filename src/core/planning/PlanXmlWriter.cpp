#include "core/planning/PlanXmlWriter.h"

#include "core/common/text/Format.h"
#include "core/planning/FplTable.h"

#include <QXmlStreamWriter>

namespace {

QString Degrees(double degrees) {
    return FormatText("%.6f", degrees);
}

// The text without the characters XML cannot hold (control characters other than tab and line
// ends, U+FFFE, U+FFFF and halves of surrogate pairs), which a damaged waypoint name may have.
QString XmlSafe(const QString& text) {
    QString safe;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            safe += c;
            safe += text[++i];
        } else if ((c.unicode() >= 0x20 || c == '\t' || c == '\n' || c == '\r') &&
                   !c.isSurrogate() && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF) {
            safe += c;
        }
    }
    return safe;
}

QString TimeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODate);
}

// A point without a type (from a GPX file) is the pilot's own.
QString FplTypeText(const ExchangePoint& point) {
    return ExchangePointTypeText(point.type.value_or(ExchangePointType::UserWaypoint));
}

void StartDocument(QXmlStreamWriter& xml, const char* root, const char* ns) {
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(QString::fromLatin1(ns));
    xml.writeStartElement(QString::fromLatin1(ns), QString::fromLatin1(root));
}

void WriteFplWaypoint(QXmlStreamWriter& xml, const ExchangePoint& point) {
    xml.writeStartElement(QStringLiteral("waypoint"));
    xml.writeTextElement(QStringLiteral("identifier"), point.ident);
    xml.writeTextElement(QStringLiteral("type"), FplTypeText(point));
    xml.writeTextElement(QStringLiteral("country-code"), point.countryCode);
    xml.writeTextElement(QStringLiteral("lat"), Degrees(point.latitude));
    xml.writeTextElement(QStringLiteral("lon"), Degrees(point.longitude));
    xml.writeTextElement(QStringLiteral("comment"), point.comment);
    xml.writeEndElement();
}

void WriteFplRoutePoint(QXmlStreamWriter& xml, const ExchangePoint& point) {
    xml.writeStartElement(QStringLiteral("route-point"));
    xml.writeTextElement(QStringLiteral("waypoint-identifier"), point.ident);
    xml.writeTextElement(QStringLiteral("waypoint-type"), FplTypeText(point));
    xml.writeTextElement(QStringLiteral("waypoint-country-code"), point.countryCode);
    xml.writeEndElement();
}

void WriteGpxPoint(QXmlStreamWriter& xml, const ExchangePoint& point) {
    xml.writeStartElement(QStringLiteral("rtept"));
    xml.writeAttribute(QStringLiteral("lat"), Degrees(point.latitude));
    xml.writeAttribute(QStringLiteral("lon"), Degrees(point.longitude));
    xml.writeTextElement(QStringLiteral("name"), XmlSafe(point.ident));
    if (!point.comment.isEmpty())
        xml.writeTextElement(QStringLiteral("desc"), XmlSafe(point.comment));
    if (point.type)
        xml.writeTextElement(QStringLiteral("type"), ExchangePointTypeText(*point.type));
    xml.writeEndElement();
}

} // namespace

QByteArray MakeFplText(const ExchangeRoute& route, const QDateTime& created) {
    const FplTable table = BuildFplTable(route);
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    StartDocument(xml, "flight-plan", kFplNamespace);
    if (created.isValid())
        xml.writeTextElement(QStringLiteral("created"), TimeText(created));
    xml.writeStartElement(QStringLiteral("waypoint-table"));
    for (const ExchangePoint& point : table.waypoints)
        WriteFplWaypoint(xml, point);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("route"));
    xml.writeTextElement(QStringLiteral("route-name"), table.routeName);
    xml.writeTextElement(QStringLiteral("flight-plan-index"), QStringLiteral("1"));
    for (const int index : table.route)
        WriteFplRoutePoint(xml, table.waypoints[index]);
    xml.writeEndDocument();
    return bytes;
}

QByteArray MakeGpxText(const ExchangeRoute& route, const QDateTime& created) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    StartDocument(xml, "gpx", kGpxNamespace);
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Trevallion"));
    if (created.isValid()) {
        xml.writeStartElement(QStringLiteral("metadata"));
        xml.writeTextElement(QStringLiteral("time"), TimeText(created));
        xml.writeEndElement();
    }
    xml.writeStartElement(QStringLiteral("rte"));
    if (!route.name.isEmpty())
        xml.writeTextElement(QStringLiteral("name"), XmlSafe(route.name));
    for (const ExchangePoint& point : route.points)
        WriteGpxPoint(xml, point);
    xml.writeEndDocument();
    return bytes;
}
