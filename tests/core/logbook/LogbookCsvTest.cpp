#include "LogbookTestSupport.h"

#include "core/logbook/LogbookCsv.h"

namespace {

const QByteArray kHeader = "Date,Aircraft,Type,From,To,Startup,Takeoff,Landing,Shutdown,Block,"
                           "Flight,Air,Night,Landings,Night landings,Remarks\r\n";

TEST(LogbookCsv, RoundTripKeepsEveryFieldToTheMinute) {
    LogbookEntry night = PlainFlight(QDate(2026, 3, 20), 23, 50, 13, 3, 2); // over midnight
    night.blockMinutes = 23;
    night.nightMinutes = 23;
    night.remarks = QStringLiteral("Circuits, \"night\"\nrating: é");
    night.departure.clear();
    LogbookEntry ground = PlainFlight(QDate(2026, 3, 21), 9, 1, 0);
    ground.takeoff = ground.landing = QDateTime();
    ground.flightMinutes = ground.airMinutes = 0;
    ground.blockMinutes = 61; // typed by the pilot, with no times to check it against
    ground.startup = ground.shutdown = QDateTime();
    const QList<LogbookEntry> entries = {night, ground};

    const QByteArray text = LogbookCsvText(entries);
    EXPECT_TRUE(text.startsWith(kHeader));
    EXPECT_TRUE(text.contains("2026-03-20,N123A,C172,,KBFI,23:50,23:55,00:08,00:13,0.4,0.2,0.2,"
                              "0.4,3,2,\"Circuits, \"\"night\"\"\nrating: \xC3\xA9\"\r\n"));
    EXPECT_TRUE(text.contains(",,,,,1.0,0.0,0.0,0.0,1,0,\r\n"));
    const Outcome<QList<LogbookEntry>> back = ParseLogbookCsv(text);
    ASSERT_TRUE(back.ok()) << back.error().text.toStdString();
    ASSERT_EQ(back->size(), 2);
    EXPECT_EQ(back->at(0), night);
    EXPECT_EQ(back->at(1).blockMinutes, 60); // a typed duration is kept to the tenth
    EXPECT_EQ(LogbookCsvText(back.value()), text);
}

TEST(LogbookCsv, RefusesAnotherShapeWithTheLine) {
    const QByteArray row = "2026-03-20,N1,C172,KSEA,KBFI,10:00,10:05,11:00,11:05,1.1,0.9,0.9,0.0,"
                           "1,0,\r\n";
    const struct {
        QByteArray text;
        const char* message;
    } cases[] = {
        {"", "Line 1: this is not a logbook file"},
        {"Date,Aircraft\r\n" + row, "Line 1: this is not a logbook file"},
        {kHeader + row + "2026-03-21,N1\r\n", "Line 3: 2 fields where a logbook row has 16."},
        {kHeader + "\"a\nb\",x\r\n" + row + "20260320" + row.mid(10), "Line 2: 2 fields"},
        {kHeader + row + QByteArray(row).replace("2026-03-20", "2026-02-30"),
         "Line 3: the date \"2026-02-30\" is not a date"},
        {kHeader + QByteArray(row).replace("10:05", "10:5"), "Line 2: the takeoff time \"10:5\""},
        {kHeader + QByteArray(row).replace("1.1", "1,1"), "Line 2: 17 fields"},
        {kHeader + QByteArray(row).replace("1.1", "1.15"), "Line 2: the block time \"1.15\""},
        {kHeader + QByteArray(row).replace(",1,0,", ",1,2,"),
         "Line 2: The night landings cannot be more"},
        {kHeader + QByteArray(row).replace("11:05", "23:59"), "Line 2: "}, // block 1.1 of 14 h
        {kHeader + row + "\r\n" + QByteArray(row).replace("N1", "\"N1"),
         "Line 4: a quoted field is not closed."},
        {kHeader + row + "\xff\xfe\r\n", "Line 3: the text is not UTF-8."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const Outcome<QList<LogbookEntry>> parsed = ParseLogbookCsv(c.text);
        if (QByteArrayView(c.message) == "Line 2: ") {
            // A block time that disagrees with the times is the pilot's: taken as typed.
            ASSERT_TRUE(parsed.ok());
            EXPECT_EQ(parsed->at(0).blockMinutes, 66);
            continue;
        }
        ASSERT_FALSE(parsed.ok());
        EXPECT_TRUE(parsed.error().text.startsWith(QString::fromUtf8(c.message)))
            << parsed.error().text.toStdString();
    }
    // Empty durations are worked out from the times (a flight entered by hand).
    const Outcome<QList<LogbookEntry>> worked =
        ParseLogbookCsv(kHeader + QByteArray(row).replace("1.1,0.9,0.9,0.0", ",,,"));
    ASSERT_TRUE(worked.ok());
    EXPECT_EQ(worked->at(0).blockMinutes, 65);
    EXPECT_EQ(worked->at(0).airMinutes, 55);
    EXPECT_EQ(worked->at(0).nightMinutes, 0);
    const Outcome<QList<LogbookEntry>> blankEnd = ParseLogbookCsv(kHeader + row + "\r\n\r\n");
    ASSERT_TRUE(blankEnd.ok());
    EXPECT_EQ(blankEnd->size(), 1);
}

} // namespace
