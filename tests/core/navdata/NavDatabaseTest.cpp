#include "NavTestData.h"

#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavFileFormat.h"
#include "core/navdata/NavTextMatcher.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/common/text/Format.h"

#include <QRandomGenerator>

namespace {

NavDataSet SampleData() {
    NavDataSet data;
    data.description = QStringLiteral("Washington State");
    data.validityDate = (2006u << 16) | (31u << 8) | 12u;
    data.airports = {TestAirport("KSEA", "SEATTLE-TACOMA INTL", "SEATTLE", 3, 2, 1),
                     TestAirport("S43", "HARVEY FIELD", "SNOHOMISH", 1, 0, 2),
                     TestAirport("S43A", "PREFIX TEST", "NOWHERE", 0, 0, 3),
                     TestAirport("KBFI", "BOEING FIELD", "SEATTLE", 2, 1, 4),
                     TestAirport("0W0", "SEATTLE SEAPLANE BASE", "KENMORE", 0, 0, 5)};
    data.navAids = {TestNavAid("SEA", kNavAidVortac, "SEATTLE"),
                    TestNavAid("BF", kNavAidNdb, "Boeing field"),
                    TestNavAid("PAE", kNavAidVorDme, "PAINE")};
    return data;
}

class NavDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, NavBytes(SampleData()))));
    }

    TempFolder folder;
    MemorySettingsStore settings;
    NavDatabase db{&settings};
};

TEST_F(NavDatabaseTest, LoadsHeaderAndTables) {
    EXPECT_TRUE(db.IsLoaded());
    EXPECT_EQ(db.Description(), "Washington State");
    EXPECT_EQ(UnpackValidityDate(db.ValidityDate()), QDate(2006, 12, 31));
    EXPECT_EQ(db.AirportCount(), 5);
    EXPECT_EQ(db.NavAidCount(), 3);
    // Both tables are sorted by key: "0W0" < "KBFI" < "KSEA" < "S43" < "S43A".
    QStringList order;
    for (const AirportIndexEntry& e : db.AirportIndex())
        order << e.key.Text();
    EXPECT_EQ(order, QStringList({"0W0", "KBFI", "KSEA", "S43", "S43A"}));
}

// The tables are read at the first look-up; a file cut short after the load finds nothing then.
TEST(NavDatabaseLoad, FileCutShortBeforeTheFirstLookUpFindsNothing) {
    TempFolder folder;
    const QString path = WriteNavFile(folder, NavBytes(SampleData()));
    NavDatabase db;
    ASSERT_TRUE(db.LoadNavData(path));
    ASSERT_TRUE(QFile::resize(path, navfile::kHeaderBytes + 40));
    AirportRecord record;
    NavAidRecord aid;
    QString name;
    EXPECT_EQ(db.AirportCount(), 5); // as the header says
    EXPECT_TRUE(db.AirportIndex().empty());
    EXPECT_FALSE(db.GetAirportSummary(u"KSEA", &record, &name));
    EXPECT_FALSE(db.FindNavAid("SEA", &aid, &name));
    EXPECT_TRUE(db.SearchAirports("SEATTLE").isEmpty());
    EXPECT_TRUE(db.SearchNavAids("").isEmpty());
    EXPECT_TRUE(db.AirportRow(0).ident.isEmpty());
}

TEST(ValidityDate, UnpacksMonthDayYear) {
    EXPECT_FALSE(UnpackValidityDate(0).isValid()); // no "Valid until" line
    EXPECT_EQ(UnpackValidityDate((2006u << 16) | (31u << 8) | 12u), QDate(2006, 12, 31));
    EXPECT_FALSE(UnpackValidityDate((2006u << 16) | (31u << 8) | 13u).isValid());
    EXPECT_EQ(PackValidityDate(QDate(2026, 2, 3)), (2026u << 16) | (3u << 8) | 2u);
    EXPECT_EQ(PackValidityDate(QDate()), 0u);
}

TEST(NavDatabaseLoad, RefusesOtherVersions) {
    TempFolder folder;
    for (uint16_t version : {0, 1, 3, 0xFFFF}) {
        QByteArray bytes = NavBytes(SampleData());
        bytes[4] = static_cast<char>(version & 0xFF);
        bytes[5] = static_cast<char>(version >> 8);
        NavDatabase db;
        const Status loaded = db.LoadNavData(WriteNavFile(folder, bytes));
        EXPECT_EQ(loaded.error(), (Message{"Unsupported Airport file.", MessageIcon::None}))
            << version;
        EXPECT_FALSE(db.IsLoaded());
        EXPECT_EQ(db.AirportCount(), 0);
    }
}

TEST(NavDatabaseLoad, OpenFailureGivesTheSystemReason) {
    TempFolder folder;
    NavDatabase db;
    const Status loaded = db.LoadNavData(folder.File("missing.nav"));
    ASSERT_FALSE(loaded);
    const QString prefix = QStringLiteral("Error:\nUnable to open Airport file.\n");
    EXPECT_TRUE(loaded.error().text.startsWith(prefix));
    EXPECT_GT(loaded.error().text.size(), prefix.size());
    EXPECT_EQ(loaded.error().icon, MessageIcon::Error);
}

TEST_F(NavDatabaseTest, FailedLoadLeavesNothingToFind) {
    ASSERT_NE(db.SelectAirport("KSEA"), 0);
    EXPECT_FALSE(db.LoadNavData(folder.File("missing.nav")));
    AirportRecord record;
    NavAidRecord aid;
    QString name;
    EXPECT_FALSE(db.GetAirportSummary(u"KBFI", &record, &name));
    EXPECT_EQ(db.FindAirportOffset(Key("KBFI")), 0);
    EXPECT_FALSE(db.FindNavAid("SEA", &aid, &name));
    EXPECT_TRUE(db.SearchAirports("SEATTLE").isEmpty());
    EXPECT_TRUE(db.SearchNavAids("").isEmpty());
    EXPECT_EQ(db.Description(), "");
    // The current airport is a copy in memory and stays until the next selection.
    EXPECT_EQ(db.CurrentAirport().name, "SEATTLE-TACOMA INTL");
}

TEST(IdentKey, OrdersCharacterByCharacter) {
    EXPECT_LT(Key("ABC"), Key("ABCD")); // a prefix sorts first
    EXPECT_LT(Key("ABCD"), Key("ABD"));
    EXPECT_LT(Key("AB"), Key("B"));
    EXPECT_LT(Key("Z"), Key("a")); // as stored: no case folding
    EXPECT_EQ(Key("S43").Raw(), 0x00333453u);
    EXPECT_EQ(Key("KSEA").Text(), "KSEA");
    EXPECT_FALSE(IdentKey::FromText(u"").has_value());
    EXPECT_FALSE(IdentKey::FromText(u"KSEAX").has_value());
}

TEST_F(NavDatabaseTest, FindsIdentifiersExactly) {
    struct Case {
        const char* ident;
        const char* name; // "" = not found
    } cases[] = {{"S43", "HARVEY FIELD"},
                 {"S43A", "PREFIX TEST"},
                 {"KSE", ""},
                 {"ksea", ""},
                 {"KSEAX", ""},
                 {"", ""},
                 {"0W0", "SEATTLE SEAPLANE BASE"}};
    for (const Case& c : cases) {
        AirportRecord record;
        QString name;
        EXPECT_EQ(db.GetAirportSummary(QString::fromLatin1(c.ident), &record, &name), *c.name != 0)
            << c.ident;
        EXPECT_EQ(name, QString::fromLatin1(c.name));
    }
}

TEST(NavDatabaseSearch, BinarySearchStaysInsideTheIndex) {
    TempFolder folder;
    NavDataSet data;
    NavDatabase empty;
    ASSERT_TRUE(empty.LoadNavData(WriteNavFile(folder, NavBytes(data), "empty.nav")));
    EXPECT_EQ(empty.FindAirportOffset(Key("KSEA")), 0);
    for (int i = 0; i < 40; ++i)
        data.airports.append(TestAirport(QString::asprintf("K%03d", 100 + 2 * i), "N", "C"));
    NavDatabase db;
    ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, NavBytes(data))));
    EXPECT_EQ(db.FindAirportOffset(Key("A")), 0);    // below the first
    EXPECT_EQ(db.FindAirportOffset(Key("ZZZZ")), 0); // above the last
    EXPECT_EQ(db.FindAirportOffset(Key("K101")), 0); // between two
    for (int i = 0; i < 40; ++i)
        EXPECT_GT(db.FindAirportOffset(Key(QString::asprintf("K%03d", 100 + 2 * i))), 0) << i;
}

TEST_F(NavDatabaseTest, SummaryLeavesCurrentAirportAndRecentListAlone) {
    AirportRecord record;
    QString name;
    ASSERT_TRUE(db.GetAirportSummary(u"KBFI", &record, &name));
    EXPECT_EQ(record, SampleData().airports[3].record);
    EXPECT_EQ(name, "BOEING FIELD");
    EXPECT_TRUE(db.RecentAirports().isEmpty());
    EXPECT_EQ(db.CurrentAirport(), AirportDetails());
    EXPECT_TRUE(settings.WriteLog().isEmpty());
}

TEST_F(NavDatabaseTest, SelectAirportReadsTheAirportInFull) {
    const int32_t offset = db.SelectAirport("KSEA");
    EXPECT_EQ(offset, db.FindAirportOffset(Key("KSEA")));
    EXPECT_EQ(db.CurrentAirport(), SampleData().airports[0]);
    EXPECT_EQ(db.RecentAirports(), QStringList{"KSEA"});
    EXPECT_EQ(settings.WriteLog(), QStringList{"Airports=KSEA,"});

    // No runways and no communication lines: name and city follow the record directly.
    ASSERT_NE(db.SelectAirport("0W0"), 0);
    EXPECT_EQ(db.CurrentAirport(), SampleData().airports[4]);

    // A failed selection clears the current airport and pushes nothing.
    EXPECT_EQ(db.SelectAirport("XXXX"), 0);
    EXPECT_EQ(db.CurrentAirport(), AirportDetails());
    EXPECT_EQ(db.RecentAirports(), QStringList({"0W0", "KSEA"}));
}

TEST(NavDatabaseRunways, KeepsTheFirstTenRunways) {
    TempFolder folder;
    NavDataSet data;
    data.airports = {TestAirport("KBIG", "BIG", "TOWN", 13, 2), TestAirport("KNXT", "NEXT", "X")};
    NavDatabase db;
    ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, NavBytes(data))));
    ASSERT_NE(db.SelectAirport("KBIG"), 0);
    const AirportDetails& a = db.CurrentAirport();
    EXPECT_EQ(a.runways, data.airports[0].runways.first(10));
    EXPECT_EQ(a.record.runwayCount, 10);
    EXPECT_EQ(a.comm, data.airports[0].comm);
    EXPECT_EQ(a.name, "BIG");
    EXPECT_EQ(a.city, "TOWN");
    AirportRecord record;
    QString name;
    EXPECT_TRUE(db.GetAirportSummary(u"KBIG", &record, &name));
    EXPECT_EQ(record.runwayCount, 13); // the summary gives the record as stored
    EXPECT_EQ(name, "BIG");
}

TEST_F(NavDatabaseTest, FindNavAidPushesOnlyWhenFound) {
    NavAidRecord record;
    QString name;
    EXPECT_FALSE(db.FindNavAid("XXX", &record, &name));
    EXPECT_TRUE(db.RecentNavAids().isEmpty());
    ASSERT_TRUE(db.FindNavAid("BF", &record, &name));
    EXPECT_EQ(name, "Boeing field");
    EXPECT_EQ(record.type, kNavAidNdb);
    EXPECT_EQ(record.latitude, -120000);
    EXPECT_FLOAT_EQ(record.frequency, 116.8f);
    EXPECT_EQ(db.RecentNavAids(), QStringList{"BF"});
    EXPECT_EQ(settings.ReadText("Nav"), "BF,");
}

TEST(RecentList, PushRule) {
    MemorySettingsStore settings;
    RecentList list(setting::kRecentAirports);
    for (int i = 1; i <= 11; ++i)
        list.Push(QStringLiteral("K%1").arg(i), &settings);
    ASSERT_EQ(list.Entries().size(), 10);
    EXPECT_EQ(list.Entries().front(), "K11");
    EXPECT_EQ(list.Entries().back(), "K2"); // the oldest, K1, was dropped
    list.Push(QStringLiteral("K5"), &settings);
    EXPECT_EQ(list.Entries().size(), 10);
    EXPECT_EQ(list.Entries().mid(0, 3), QStringList({"K5", "K11", "K10"}));
    EXPECT_EQ(list.Entries().count("K5"), 1);
    list.Push(QStringLiteral("k5"), &settings); // exact case: another entry
    EXPECT_EQ(list.Entries().mid(0, 2), QStringList({"k5", "K5"}));
    EXPECT_EQ(settings.ReadText("Airports"), "k5,K5,K11,K10,K9,K8,K7,K6,K4,K3,");
}

TEST(RecentList, ReadsTheStoredText) {
    struct Case {
        const char* stored;
        QStringList entries;
    } cases[] = {{"KSEA,KBFI,", {"KSEA", "KBFI"}}, {"KSEA,KBFI", {"KSEA"}}, {"", {}}, {"KSEA", {}}};
    for (const Case& c : cases)
        EXPECT_EQ(RecentList::Split(QString::fromLatin1(c.stored)), c.entries) << c.stored;
    MemorySettingsStore settings;
    settings.WriteText("Airports", "A,B,");
    settings.WriteText("Nav", "SEA,PAE");
    NavDatabase db(&settings);
    EXPECT_EQ(db.RecentAirports(), QStringList({"A", "B"}));
    EXPECT_EQ(db.RecentNavAids(), QStringList{"SEA"});
}

QStringList Idents(const QVector<SearchRow>& rows) {
    QStringList idents;
    for (const SearchRow& row : rows)
        idents << row.ident;
    return idents;
}

TEST_F(NavDatabaseTest, SearchesIgnoreCaseAndListInReverseFileOrder) {
    // In file order 0W0 (city KENMORE), KBFI and KSEA (city SEATTLE) match; each goes on top.
    const QVector<SearchRow> rows = db.SearchAirports("seattle");
    EXPECT_EQ(Idents(rows), QStringList({"KSEA", "KBFI", "0W0"}));
    EXPECT_EQ(rows[1], (SearchRow{"KBFI", "BOEING FIELD", "SEATTLE"})); // city alone suffices
    EXPECT_EQ(Idents(db.SearchAirports("Snohomish")), QStringList{"S43"});
    EXPECT_TRUE(db.SearchAirports("PORTLAND").isEmpty());
    const QVector<SearchRow> aids = db.SearchNavAids("FIELD"); // finds "Boeing field"
    ASSERT_EQ(aids.size(), 1);
    EXPECT_EQ(aids[0], (SearchRow{"BF", "Boeing field", "NDB"}));
    EXPECT_EQ(Idents(db.SearchNavAids("")), QStringList({"SEA", "PAE", "BF"}));
    EXPECT_TRUE(db.RecentAirports().isEmpty()); // searching pushes nothing
}

TEST(NavTextMatcher, UpperCasesLatin1) {
    EXPECT_TRUE(
        NavTextMatcher(QStringLiteral("zürich")).Matches(QString("FLUGHAFEN ZÜRICH").toLatin1()));
    EXPECT_TRUE(NavTextMatcher(QStringLiteral("ÉCOLE")).Matches(QString("école").toLatin1()));
    EXPECT_FALSE(NavTextMatcher(QStringLiteral("ABCD")).Matches("ABC"));
}

TEST(NavAidType, TextsOfTheKnownTypes) {
    const std::pair<int, const char*> cases[] = {{1, "VOR"},     {2, "VORTAC"}, {3, "TACAN"},
                                                 {4, "VOR/DME"}, {5, "NDB"},    {7, "NDB/DME"},
                                                 {9, "DME"},     {6, "6"},      {-2, "-2"}};
    for (const auto& [type, text] : cases)
        EXPECT_EQ(NavAidTypeText(type), QString::fromLatin1(text));
}

// The search index finds exactly what a scan of every record finds, in the same order, over
// names and cities with lower-case and Latin-1 letters, texts cut at 255 bytes, and queries
// that would only match across the end of a name into its city.
TEST(AirportSearchIndex, FindsWhatAScanOfEveryRecordFinds) {
    const QStringList words = {"RIVER", "river", "Ste-Émilie", "ÅSEN", "FIELD", "Bay", "ß", "X"};
    QRandomGenerator random(1234);
    NavDataSet data;
    for (int i = 0; i < 400; ++i) {
        QString name, city;
        for (int w = random.bounded(1, 4); w > 0; --w)
            name += words[random.bounded(words.size())] + ' ';
        city = words[random.bounded(words.size())];
        if (i % 97 == 0)
            name = QString(300, 'A') + "TAIL"; // longer than a stored text
        data.airports.append(TestAirport(FormatText("K%03i", i), name.trimmed(), city, 0, 0, i));
    }
    TempFolder folder;
    NavDatabase db;
    ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, NavBytes(data))));
    QStringList queries = {"",     "r",    "RIVER",  "ver b",    "émil",  "ÉMIL",   "åsen", "ß",
                           "AAAA", "TAIL", "DRIVER", "FIELDBAY", "bay x", "xRIVER", "zzz"};
    for (const AirportDetails& a : data.airports.mid(0, 20))
        queries << a.name.right(2) + a.city.left(2); // only across the name's end
    for (const QString& query : queries) {
        const NavTextMatcher matcher(query);
        QVector<SearchRow> expected;
        for (const AirportIndexEntry& entry : db.AirportIndex()) {
            const SearchRow row = db.AirportRow(static_cast<int>(&entry - &db.AirportIndex()[0]));
            if (matcher.Matches(ToNavText(row.name)) || matcher.Matches(ToNavText(row.detail)))
                expected.prepend(row);
        }
        EXPECT_EQ(db.SearchAirports(query), expected) << query.toStdString();
    }
    EXPECT_GT(db.SearchIndexBytes(), 0);
}

} // namespace
