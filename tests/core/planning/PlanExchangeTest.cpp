// The .fpl and GPX plan files: fitting names to their alphabets, the structure other programs
// require, round trips through both formats, and damaged files.
#include "PlanExchangeTestData.h"

#include "core/planning/FplTable.h"
#include "core/planning/IdentFitting.h"
#include "core/planning/PlanExchangeFile.h"
#include "core/planning/PlanImport.h"
#include "core/planning/PlanXmlWriter.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace {

const QDateTime kCreated(QDate(2026, 5, 1), QTime(12, 30), Qt::UTC);

// An element of a parsed file with its children, for checking a file's structure.
struct XmlNode {
    QString name;
    QString ns;
    QString text;
    QXmlStreamAttributes attributes;
    QVector<XmlNode> children;

    QStringList ChildNames() const {
        QStringList names;
        for (const XmlNode& child : children)
            names << child.name;
        return names;
    }
    QString ChildText(const char* childName) const {
        for (const XmlNode& child : children)
            if (child.name == QLatin1String(childName))
                return child.text;
        return {};
    }
};

XmlNode ReadNode(QXmlStreamReader& xml) {
    XmlNode node{xml.name().toString(), xml.namespaceUri().toString(), {}, xml.attributes(), {}};
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement)
            node.children.append(ReadNode(xml));
        else if (token == QXmlStreamReader::Characters && !xml.isWhitespace())
            node.text += xml.text();
        else if (token == QXmlStreamReader::EndElement)
            break;
    }
    return node;
}

// The root element of a well-formed document.
XmlNode ReadDocument(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    XmlNode root;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            root = ReadNode(xml);
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return root;
}

ExchangePoint Point(const char* ident, ExchangePointType type, double lat,
                    const char* comment = "") {
    return {QString::fromUtf8(ident), type, {}, QString::fromUtf8(comment), lat, 10.0};
}

TEST(IdentFitting, NamesFitTheAlphabetsOfTheFiles) {
    const struct {
        const char* text;
        int length;
        const char* ident;
        const char* comment;
    } cases[] = {
        {"kpae", 12, "KPAE", "KPAE"},
        {"Zürich-Kloten 2", 12, "ZURICHKLOTEN", "ZURICH KLOTEN 2"},
        {"Boeing Field/King Co.", 6, "BOEING", "BOEING FIELD/KING CO"},
        {"  ---  ", 12, "", ""},
        {"東京 Tokyo", 12, "TOKYO", "TOKYO"},
        {"Seattle-Tacoma International", 12, "SEATTLETACOM", "SEATTLE TACOMA INTERNATIO"},
        {"A                        B", 12, "AB", "A B"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(FitIdentifier(text, c.length), QString::fromUtf8(c.ident)) << c.text;
        EXPECT_EQ(FitComment(text), QString::fromUtf8(c.comment)) << c.text;
    }
}

TEST(FplTable, PointsKeepOneFittedIdentifierEachAndNoTwoShareOne) {
    using T = ExchangePointType;
    const struct {
        const char* name;
        QVector<ExchangePoint> points;
        QStringList table;
        QVector<int> route;
    } cases[] = {
        {"a point twice is one entry",
         {Point("KSEA", T::Airport, 47), Point("SEA", T::Vor, 47.1), Point("KSEA", T::Airport, 47)},
         {"KSEA", "SEA"},
         {0, 1, 0}},
        {"two places of one identifier: the second numbered",
         {Point("OLM", T::Vor, 47), Point("OLM", T::Ndb, -0.1)},
         {"OLM", "OLM2"},
         {0, 1}},
        {"a number never takes an identifier a later point has by itself",
         {Point("OLM", T::Vor, 47), Point("olm", T::Ndb, 1), Point("OLM2", T::UserWaypoint, 2)},
         {"OLM", "OLM3", "OLM2"},
         {0, 1, 2}},
        {"a long identifier gives room for its number",
         {Point("ABCDEFGHIJKLM", T::UserWaypoint, 1), Point("ABCDEFGHIJKLN", T::UserWaypoint, 2)},
         {"ABCDEFGHIJKL", "ABCDEFGHIJK2"},
         {0, 1}},
        {"nothing left of an identifier",
         {Point("--", T::UserWaypoint, 1), Point("++", T::UserWaypoint, 2)},
         {"WPT", "WPT2"},
         {0, 1}},
    };
    for (const auto& c : cases) {
        const FplTable table = BuildFplTable({QStringLiteral("Trip"), c.points});
        QStringList idents;
        for (const ExchangePoint& point : table.waypoints)
            idents << point.ident;
        EXPECT_EQ(idents, c.table) << c.name;
        EXPECT_EQ(table.route, c.route) << c.name;
    }
}

TEST_F(ExchangeFixture, ExportedFplHasTheStructureTheFormatRequires) {
    // An airport, a VOR/DME, both OLMs, an NDB and user waypoints, one named like an airport.
    const QVector<PlacePick> picks = {
        {PlaceKind::NavAid, "OLM", nav_.NavAidRow(0).name == "Olmedo" ? 0 : 1}};
    FlightPlan plan = Plan(QStringLiteral("KSEA SEA BF HOME KBFI OLM"), picks);
    plan.points += Plan(QStringLiteral("KSEA OLM")).points; // the other OLM, after KSEA
    const XmlNode root = ReadDocument(MakePlanExchangeText(PlanFileFormat::Fpl, plan, kCreated));
    EXPECT_EQ(root.name, "flight-plan");
    EXPECT_EQ(root.ns, QLatin1String(kFplNamespace));
    EXPECT_EQ(root.ChildNames(), QStringList({"created", "waypoint-table", "route"}));
    EXPECT_EQ(root.ChildText("created"), "2026-05-01T12:30:00Z");
    const QRegularExpression ident(QStringLiteral("^[A-Z0-9]{1,12}$"));
    const QRegularExpression comment(QStringLiteral("^[A-Z0-9 /]{0,25}$"));
    const QSet<QString> types = {"USER WAYPOINT", "AIRPORT", "NDB", "VOR", "INT", "INT-VRP"};
    QSet<QString> table;
    for (const XmlNode& waypoint : root.children[1].children) {
        EXPECT_EQ(waypoint.ChildNames(),
                  QStringList({"identifier", "type", "country-code", "lat", "lon", "comment"}));
        const QString id = waypoint.ChildText("identifier");
        EXPECT_TRUE(ident.match(id).hasMatch()) << id.toStdString();
        EXPECT_FALSE(table.contains(id)) << "two waypoints are called " << id.toStdString();
        table.insert(id + '|' + waypoint.ChildText("type"));
        table.insert(id);
        EXPECT_TRUE(types.contains(waypoint.ChildText("type")));
        EXPECT_TRUE(comment.match(waypoint.ChildText("comment")).hasMatch());
        EXPECT_LE(waypoint.ChildText("country-code").size(), 2);
        EXPECT_LE(std::abs(waypoint.ChildText("lat").toDouble()), 90.0);
        EXPECT_LE(std::abs(waypoint.ChildText("lon").toDouble()), 180.0);
    }
    EXPECT_EQ(root.children[1].children.size(), 7); // KSEA and OLM (Olmedo) come again
    const XmlNode& route = root.children[2];
    QStringList routeIds;
    for (const XmlNode& point : route.children.mid(2)) {
        EXPECT_EQ(point.ChildNames(),
                  QStringList({"waypoint-identifier", "waypoint-type", "waypoint-country-code"}));
        EXPECT_TRUE(table.contains(point.ChildText("waypoint-identifier") + '|' +
                                   point.ChildText("waypoint-type")));
        routeIds << point.ChildText("waypoint-identifier");
    }
    EXPECT_EQ(route.ChildNames().mid(0, 2), QStringList({"route-name", "flight-plan-index"}));
    EXPECT_EQ(route.ChildText("route-name"), "KSEA/OLM");
    EXPECT_EQ(route.ChildText("flight-plan-index"), "1");
    EXPECT_EQ(routeIds, QStringList({"KSEA", "SEA", "BF", "HOME", "KBFI", "OLM", "KSEA", "OLM2"}));
}

TEST_F(ExchangeFixture, ExportedGpxIsARouteOfNamedPositions) {
    const FlightPlan plan = Plan(QStringLiteral("KSEA HOME"));
    const XmlNode root = ReadDocument(MakePlanExchangeText(PlanFileFormat::Gpx, plan, kCreated));
    EXPECT_EQ(root.ns, QLatin1String(kGpxNamespace));
    EXPECT_EQ(root.attributes.value("version"), QLatin1String("1.1"));
    EXPECT_EQ(root.ChildNames(), QStringList({"metadata", "rte"}));
    const XmlNode& rte = root.children[1];
    EXPECT_EQ(rte.ChildNames(), QStringList({"name", "rtept", "rtept"}));
    const XmlNode& home = rte.children[2];
    EXPECT_EQ(home.ChildNames(), QStringList({"name", "desc", "type"}));
    EXPECT_EQ(home.ChildText("name"), "HOME");
    EXPECT_EQ(home.attributes.value("lat"), QLatin1String("47.638889"));   // 171500 seconds north
    EXPECT_EQ(home.attributes.value("lon"), QLatin1String("-121.944444")); // 439000 west
    // A damaged waypoint name with characters XML cannot hold still makes a well-formed file.
    const QString damaged = QStringLiteral("a") + QChar(1) + "b" + QChar(0xD800) + "c";
    const ExchangeRoute odd{"R", {{"ODD", {}, {}, damaged, 1, 2}}};
    const XmlNode oddRoot = ReadDocument(MakeGpxText(odd, QDateTime()));
    ASSERT_EQ(oddRoot.ChildNames(), QStringList({"rte"}));
    EXPECT_EQ(oddRoot.children[0].children[1].ChildText("desc"), "abc");
}

TEST_F(ExchangeFixture, BothFormatsRoundTripOntoTheSamePlaces) {
    const int olmedo = nav_.NavAidRow(0).name == "Olmedo" ? 0 : 1;
    const struct {
        const char* route;
        QVector<PlacePick> picks;
    } cases[] = {
        {"KSEA OLM SEA BF HOME KSEA", {}},
        {"SEA KBFI", {{PlaceKind::Airport, "KBFI", 0}}}, // the airport, not the user waypoint
        {"KBFI SEA", {}},                                // the user waypoint
        {"OLM", {{PlaceKind::NavAid, "OLM", olmedo}}},
    };
    ASSERT_EQ(nav_.AirportIndex()[0].key, Key("KBFI"));
    for (const auto& c : cases) {
        for (const PlanFileFormat format : {PlanFileFormat::Fpl, PlanFileFormat::Gpx}) {
            const QByteArray first = MakePlanExchangeText(format, Plan(c.route, c.picks), kCreated);
            const Outcome<ExchangeRoute> read = ParsePlanExchangeText(first);
            ASSERT_TRUE(read.ok()) << read.error().text.toStdString();
            const PlanImport import = ResolvePlanImport(read.value(), &waypoints_, &nav_);
            EXPECT_EQ(import.route, c.route);
            EXPECT_TRUE(import.newWaypoints.isEmpty()) << c.route;
            const QByteArray again =
                MakePlanExchangeText(format, Plan(import.route, import.picks), kCreated);
            EXPECT_EQ(again, first) << c.route;
        }
    }
}

TEST(PlanExchangeFile, DamagedFilesAreRefusedWithWhatAndWhere) {
    const QByteArray gpx = "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">\n";
    const QByteArray fpl = "<flight-plan xmlns=\"http://www8.garmin.com/xmlschemas/FlightPlan/v1\">"
                           "\n<waypoint-table>\n<waypoint><identifier>A</identifier>";
    const struct {
        const char* name;
        QByteArray text;
        const char* message;
    } cases[] = {
        {"empty", "", "at line 1: "},
        {"cut short", gpx + "<rte>\n<rtept lat=\"1\" lon=\"2\">", "at line 3: Premature end"},
        {"an internal entity", "<!DOCTYPE gpx [<!ENTITY a \"b\">]>\n" + gpx + "</gpx>",
         "document type (DTD)"},
        {"an external entity", "<!DOCTYPE gpx SYSTEM \"file:///etc/passwd\">" + gpx + "</gpx>",
         "document type (DTD)"},
        {"an undeclared entity", gpx + "<rte><rtept lat=\"1\" lon=\"2\"><name>&x;</name>",
         "line 2"},
        {"another root", "<kml/>", "neither a FlightPlan v1 (.fpl) nor a GPX file."},
        {"GPX of another namespace", "<gpx xmlns=\"urn:x\"><rte/></gpx>", "neither"},
        {"waypoints but no route", gpx + "<wpt lat=\"1\" lon=\"2\"/></gpx>", "no route points"},
        {"a latitude beyond the pole", gpx + "<rte>\n<rtept lat=\"95\" lon=\"2\"/></rte></gpx>",
         "at line 3: lat \"95\" is not a number from -90 to 90."},
        {"a longitude that is no number", gpx + "<rte><rtept lat=\"1\" lon=\"nan\"/></rte></gpx>",
         "lon \"nan\""},
        {"a decimal comma", gpx + "<rte><rtept lat=\"1,5\" lon=\"2\"/></rte></gpx>", "lat \"1,5\""},
        {"no longitude", gpx + "<rte><rtept lat=\"1\"/></rte></gpx>", "lon \"\""},
        {"content after the root", gpx + "<rte><rtept lat=\"1\" lon=\"2\"/></rte></gpx><x/>",
         "Extra content"},
        {"an unknown type", fpl + "<type>FIX</type></waypoint>", "unknown type \"FIX\""},
        {"a waypoint without a position", fpl + "<type>INT</type></waypoint>", "no lat or no lon"},
        {"a route point missing from the table",
         fpl + "<type>INT</type><lat>1</lat><lon>2</lon></waypoint></waypoint-table>\n<route>\n"
               "<route-point><waypoint-identifier>B</waypoint-identifier></route-point>",
         "at line 5: route point \"B\" is not in the waypoint table."},
    };
    for (const auto& c : cases) {
        const Outcome<ExchangeRoute> read = ParsePlanExchangeText(c.text);
        ASSERT_FALSE(read.ok()) << c.name;
        EXPECT_TRUE(read.error().text.startsWith("Error, Unable to open file.\n")) << c.name;
        EXPECT_TRUE(read.error().text.contains(QString::fromUtf8(c.message)))
            << c.name << ": " << read.error().text.toStdString();
    }
}

TEST_F(ExchangeFixture, FilesAreWrittenWholeAndReadWithinTheirLimit) {
    const QString path = folder_.File("trip.fpl");
    EXPECT_FALSE(WritePlanExchangeFile(path, PlanFileFormat::Fpl, FlightPlan(), kCreated).ok());
    EXPECT_FALSE(QFile::exists(path)) << "an empty plan is no file";
    const FlightPlan plan = Plan(QStringLiteral("KSEA SEA"));
    ASSERT_TRUE(WritePlanExchangeFile(path, PlanFileFormat::Fpl, plan, kCreated).ok());
    const Outcome<ExchangeRoute> read = ReadPlanExchangeFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->points.size(), 2);
    QFile big(folder_.File("big.gpx"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(kMaxPlanExchangeFileBytes + 1, ' '));
    big.close();
    const Outcome<ExchangeRoute> refused = ReadPlanExchangeFile(big.fileName());
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().text.contains("larger than 1048576 bytes"));
}

} // namespace
