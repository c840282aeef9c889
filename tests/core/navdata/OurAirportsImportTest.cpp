// Building .nav files from OurAirports CSV files: the test's own sample round-trips through the
// writer, the reader and the JSON that trevallion-data nav airport prints.
#include "NavTestData.h"

#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavJson.h"
#include "core/navdata/OurAirportsImport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>

namespace {

struct Built {
    OurAirportsSummary summary;
    NavDatabase db;
};

// Imports the fixture with the given filter, writes the file and loads it.
void Build(const TempFolder& folder, const QString& country, const QString& region, Built* out,
           const QString& source = QStringLiteral(NAVDATA_FIXTURE_DIR)) {
    OurAirportsOptions options;
    options.folder = source;
    options.country = country;
    options.region = region;
    options.description = QStringLiteral("Test data");
    options.validityDate = PackValidityDate(QDate(2026, 12, 31));
    const Outcome<NavDataSet> data = ImportOurAirports(options, &out->summary);
    ASSERT_TRUE(data.ok()) << data.error().text.toStdString();
    const QString path = folder.File("built.nav");
    ASSERT_TRUE(NavFileWriter::Write(path, data.value()));
    ASSERT_TRUE(out->db.LoadNavData(path));
}

QStringList AirportIdents(NavDatabase& db) {
    QStringList idents;
    for (const AirportIndexEntry& e : db.AirportIndex())
        idents << e.key.Text();
    return idents;
}

QStringList NavAidIdents(NavDatabase& db) {
    QStringList idents;
    for (const NavAidRecord& r : db.NavAidTable())
        idents << r.key.Text();
    return idents;
}

TEST(OurAirportsImport, AirportRoundTripsToJson) {
    TempFolder folder;
    Built built;
    Build(folder, {}, {}, &built);
    ASSERT_NE(built.db.SelectAirport("KAAA"), 0);
    QJsonArray runways{QJsonObject{{"ends", "16L/34R"},
                                   {"latitude1", 171036},
                                   {"longitude1", 440100},
                                   {"latitude2", 170964},
                                   {"longitude2", 440100},
                                   {"length", 8000},
                                   {"width", 150}}};
    for (int i = 1; i <= 9; ++i) // the closed runway is left out, the 11th open one dropped
        runways.append(QJsonObject{{"ends", QString::asprintf("N%d/S%d", i, i)},
                                   {"latitude1", 0},
                                   {"longitude1", 0},
                                   {"latitude2", 0},
                                   {"longitude2", 0},
                                   {"length", 2000 + i},
                                   {"width", 50}});
    const QJsonObject expected{
        {"ident", "KAAA"},
        {"name", "Alpha Field, Main"},
        {"city", "Alpha \"Town\""},
        {"elevation", 100},
        {"variation", -15.5}, // from the VORTAC 3.6 NM away, west positive
        {"utcOffset", 0},
        {"latitude", 171000},
        {"longitude", 440100},
        {"latitudeText", "47:30:00 N"},
        {"longitudeText", "122:15:00 W"},
        {"runways", runways},
        {"comm", QJsonArray{QJsonObject{{"label", "TWR"}, {"frequency", "118.3"}},
                            QJsonObject{{"label", "UNICOM"}, {"frequency", "122.95"}}}}};
    EXPECT_EQ(QJsonDocument(AirportJson(built.db.CurrentAirport())).toJson().toStdString(),
              QJsonDocument(expected).toJson().toStdString());
}

TEST(OurAirportsImport, IdentifiersAndSummary) {
    TempFolder folder;
    Built built;
    Build(folder, {}, {}, &built);
    // C01 and K9DD by their local and GPS codes; KCLO closed; Echo has no code that fits;
    // Foxtrot's local code KBBB belongs to another airport.
    EXPECT_EQ(AirportIdents(built.db),
              QStringList({"C01", "CYVR", "K9DD", "KAAA", "KBBB", "KZZZ", "LFPG", "YSSY"}));
    EXPECT_EQ(built.summary.airports, 8);
    EXPECT_EQ(built.summary.airportsWithoutIdent, 1);
    EXPECT_EQ(built.summary.duplicateIdents, 1);
    EXPECT_EQ(built.summary.runwaysDropped, 1);
    EXPECT_EQ(NavAidIdents(built.db),
              QStringList({"AAA", "BB", "DM", "ND", "SY", "TAC", "V", "VD", "YVR"}));
    EXPECT_EQ(built.db.Description(), "Test data");
    EXPECT_EQ(UnpackValidityDate(built.db.ValidityDate()), QDate(2026, 12, 31));
}

TEST(OurAirportsImport, PositionsVariationAndTexts) {
    TempFolder folder;
    Built built;
    Build(folder, {}, {}, &built);
    struct Case {
        const char* ident;
        float variation;
        const char* name;
    } cases[] = {{"C01", -16.0f, "Charlie Strip"}, // nearest is VD, 39 NM
                 {"KZZZ", 0.0f, "Zulu Remote"},    // nothing within 100 NM
                 {"YSSY", 12.6f, "Sydney Kingsford Smith International Airport"},
                 {"LFPG", 0.0f, "A\xe9roport de Paris-Charles de Gaulle"}};
    for (const Case& c : cases) {
        AirportRecord record;
        QString name;
        ASSERT_TRUE(built.db.GetAirportSummary(QString::fromLatin1(c.ident), &record, &name));
        EXPECT_FLOAT_EQ(record.variation, c.variation) << c.ident;
        EXPECT_EQ(name, QString::fromLatin1(c.name)) << c.ident;
    }
    ASSERT_NE(built.db.SelectAirport("YSSY"), 0);
    const AirportDetails& sydney = built.db.CurrentAirport();
    EXPECT_EQ(sydney.record.latitude, -122206);  // south negative
    EXPECT_EQ(sydney.record.longitude, -544237); // east negative
    EXPECT_EQ(sydney.runways.value(0).latitude1, -122151);
    EXPECT_EQ(sydney.runways.value(0).longitude2, -544270);
    ASSERT_NE(built.db.SelectAirport("K9DD"), 0);
    EXPECT_EQ(built.db.CurrentAirport().record.elevation, 0); // not published
    EXPECT_EQ(built.db.CurrentAirport().city, "");
}

TEST(OurAirportsImport, NavAidTypesAndFrequencies) {
    TempFolder folder;
    Built built;
    Build(folder, {}, {}, &built);
    struct Case {
        const char* ident;
        int32_t type;
        float frequency;
        float variation;
    } cases[] = {{"AAA", kNavAidVortac, 116.8f, -15.5f}, {"BB", kNavAidNdb, 350.0f, -14.0f},
                 {"TAC", kNavAidTacan, 113.5f, 0.0f},    {"VD", kNavAidVorDme, 112.0f, -16.0f},
                 {"V", kNavAidVor, 110.0f, -5.0f},       {"ND", kNavAidNdbDme, 400.0f, -15.0f},
                 {"DM", kNavAidDme, 111.0f, 0.0f},       {"SY", kNavAidNdb, 230.0f, 12.6f}};
    for (const Case& c : cases) {
        NavAidRecord record;
        QString name;
        ASSERT_TRUE(built.db.FindNavAid(QString::fromLatin1(c.ident), &record, &name)) << c.ident;
        EXPECT_EQ(record.type, c.type) << c.ident;
        EXPECT_FLOAT_EQ(record.frequency, c.frequency) << c.ident;
        EXPECT_FLOAT_EQ(record.variation, c.variation) << c.ident;
    }
}

TEST(OurAirportsImport, CountryAndRegionFilters) {
    TempFolder folder;
    Built us;
    Build(folder, "US", {}, &us);
    EXPECT_EQ(AirportIdents(us.db), QStringList({"C01", "K9DD", "KAAA", "KBBB", "KZZZ"}));
    EXPECT_EQ(NavAidIdents(us.db), QStringList({"AAA", "BB", "DM", "ND", "TAC", "V", "VD"}));
    Built washington;
    Build(folder, {}, "US-WA", &washington);
    EXPECT_EQ(AirportIdents(washington.db), QStringList({"C01", "K9DD", "KAAA", "KBBB"}));
    EXPECT_EQ(washington.summary.duplicateIdents, 0); // Foxtrot is in Oregon
    // Nav aids of the region's area: V in Texas is left out.
    EXPECT_EQ(NavAidIdents(washington.db), QStringList({"AAA", "BB", "DM", "ND", "TAC", "VD"}));
}

TEST(OurAirportsImport, MissingFileIsReported) {
    TempFolder folder;
    OurAirportsOptions options;
    options.folder = folder.Path();
    OurAirportsSummary summary;
    const Outcome<NavDataSet> data = ImportOurAirports(options, &summary);
    ASSERT_FALSE(data.ok());
    EXPECT_TRUE(data.error().text.startsWith("Error:\nUnable to read navaids.csv.\n"));
}

// The published data: the repository's snapshot as the build unpacks it, or another copy named
// by TREVALLION_OURAIRPORTS.
QString SharedData() {
    const QString fromEnvironment = qEnvironmentVariable("TREVALLION_OURAIRPORTS");
    const QString folder =
        fromEnvironment.isEmpty() ? QStringLiteral(OURAIRPORTS_SNAPSHOT_DIR) : fromEnvironment;
    return QFile::exists(QDir(folder).filePath("airports.csv")) ? folder : QString();
}

TEST(OurAirportsImport, PublishedDataForOneRegion) {
    const QString shared = SharedData();
    ASSERT_FALSE(shared.isEmpty()) << "the OurAirports snapshot is not unpacked";
    TempFolder folder;
    Built built;
    Build(folder, {}, "US-WA", &built, shared);
    EXPECT_GT(built.summary.airports, 300);
    ASSERT_NE(built.db.SelectAirport("KSEA"), 0);
    const AirportDetails& sea = built.db.CurrentAirport();
    EXPECT_EQ(sea.record.elevation, 433);
    EXPECT_NEAR(sea.record.latitude, 47.449 * 3600, 60);
    EXPECT_NEAR(sea.record.longitude, 122.309 * 3600, 60);
    EXPECT_LT(sea.record.variation, -10.0f); // easterly variation
    EXPECT_GE(sea.runways.size(), 3);
    EXPECT_FALSE(sea.comm.isEmpty());
    NavAidRecord record;
    QString name;
    EXPECT_TRUE(built.db.FindNavAid("SEA", &record, &name));
    EXPECT_FALSE(built.db.SearchAirports("seattle").isEmpty());
}

} // namespace
