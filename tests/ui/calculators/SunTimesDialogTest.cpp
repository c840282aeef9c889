// "Sun Rise - Sun Set": restored settings, the three locations, the UTC offset and its spin,
// Airport Search, OK storing the settings, and the menu command.
#include "AirDataTestSupport.h"
#include "DialogTestHelpers.h"

#include "core/calculators/SunTimes.h"
#include "core/common/io/DeviceFolders.h"
#include "core/navdata/NavTestData.h"
#include "resource.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/calculators/SunTimesDlg.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/LatLonEdit.h"
#include "ui/navdata/AirportSearchDlg.h"

#include <QDateEdit>
#include <QRegularExpression>
#include <QTreeView>

namespace {

const int kUtcFields[] = {IDC_SUN_DAY_UTC, IDC_SUN_RISE_UTC, IDC_SUN_SET_UTC, IDC_SUN_NIGHT_UTC};
const int kLocalFields[] = {IDC_SUN_DAY_LOCAL, IDC_SUN_RISE_LOCAL, IDC_SUN_SET_LOCAL,
                            IDC_SUN_NIGHT_LOCAL};

class SunTimesDialogTest : public CalculatorDialogTest {
protected:
    void SetUp() override {
        CalculatorDialogTest::SetUp();
        SetDocumentsFolder(documents.Path());
        platform.clock.Set(QDateTime(QDate(2026, 6, 21), QTime(12, 0), QTimeZone::utc()));
        NavDataSet data;
        data.airports = {TestAirport("KSEA", "SEATTLE-TACOMA INTL", "SEATTLE", 0, 0, 1),
                         TestAirport("KBFI", "BOEING FIELD", "SEATTLE", 0, 0, 2)};
        data.airports[0].record.latitude = 47 * 3600 + 26 * 60 + 56;   // north
        data.airports[0].record.longitude = 122 * 3600 + 18 * 60 + 33; // west
        data.airports[1].record.utcOffset = 0;
        navFile = WriteNavFile(folder, NavBytes(data));
    }
    void TearDown() override {
        document.reset();
        SetDocumentsFolder(QString());
        CalculatorDialogTest::TearDown();
    }
    CSunTimesDlg& Open() {
        document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
        EXPECT_TRUE(document->NavData().LoadNavData(navFile).ok());
        dialog = std::make_unique<CSunTimesDlg>(*document);
        EXPECT_TRUE(dialog->Create());
        return *dialog;
    }
    QStringList Column(const int (&ids)[4]) const {
        QStringList texts;
        for (int id : ids)
            texts << dialog->GetDlgItemText(id);
        return texts;
    }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& m : platform.messages)
            texts << m.text;
        return texts;
    }

    TempFolder documents;
    TempFolder folder;
    QString navFile;
    GpsFix fix;
    std::unique_ptr<CTrevallionDoc> document;
    std::unique_ptr<CSunTimesDlg> dialog;
};

TEST_F(SunTimesDialogTest, OpensWithTheStoredPositionAndHemispheres) {
    platform.settings.WriteInt("SunTimes.Location", CSunTimesDlg::kLatLon);
    platform.settings.WriteText("SunTimes.Lat", "33:56:46S");
    platform.settings.WriteText("SunTimes.Lon", "151:10.65E");
    platform.settings.WriteText("SunTimes.Zone", "10");
    CSunTimesDlg& d = Open();
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_NORTH_SOUTH), "S");
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_WEST_EAST), "E");
    EXPECT_TRUE(d.GetDlgItem(IDC_SUN_LATITUDE)->isVisibleTo(&d));
    EXPECT_FALSE(d.GetDlgItem(IDC_SUN_AIRPORT)->isVisibleTo(&d));
    // Stored in seconds, shown in the hundredths form the preference chooses.
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_LATITUDE), "33:56.77");
    const CalcResult expected = CalculateSunTimes(
        {-d.Item<CLatLonEdit>(IDC_SUN_LATITUDE)->DecimalDegrees(),
         -d.Item<CLatLonEdit>(IDC_SUN_LONGITUDE)->DecimalDegrees(), QDate(2026, 6, 21), 10});
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_RISE_UTC), expected.Text("Sun rise UTC"));
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_RISE_LOCAL), expected.Text("Sun rise Local"));
    EXPECT_TRUE(d.GetDlgItemText(IDC_SUN_RISE_UTC).endsWith("Z-")); // 7 am in Sydney

    // OK keeps the inputs, each coordinate with its hemisphere letter.
    ClickButton(d, IDC_SUN_NORTH_SOUTH);
    ClickButton(d, kIdOk);
    EXPECT_EQ(platform.settings.ReadInt("SunTimes.Location", -1), CSunTimesDlg::kLatLon);
    EXPECT_EQ(platform.settings.ReadText("SunTimes.Lat"), "33:56.77N");
    EXPECT_EQ(platform.settings.ReadText("SunTimes.Lon"), "151:10.65E");
    EXPECT_EQ(platform.settings.ReadText("SunTimes.Zone"), "10");
}

TEST_F(SunTimesDialogTest, AirportSetsItsOffsetPositionAndHemispheres) {
    platform.settings.WriteText("SunTimes.Zone", "5");
    platform.settings.WriteText("SunTimes.Lon", "010:00.00E");
    platform.settings.WriteText("Airports", "KBFI,");
    CSunTimesDlg& d = Open();
    // KBFI (first recent airport) has no offset (0 = not given): the typed 5 stays, and the
    // local column is filled with it.
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_UTC_OFFSET), "5");
    for (const QString& text : Column(kUtcFields))
        EXPECT_TRUE(text.contains(QRegularExpression("^\\d\\d:\\d\\dZ[+-]?$")))
            << text.toStdString();
    for (const QString& text : Column(kLocalFields))
        EXPECT_TRUE(text.contains(QRegularExpression("^\\d\\d:\\d\\d[+-]?$")))
            << text.toStdString();

    TypeInto(d, IDC_SUN_AIRPORT, "ksea");
    ClickButton(d, IDC_CALCULATE);
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_UTC_OFFSET), "-8");
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_PLACE_NAME), "SEATTLE-TACOMA INTL");
    EXPECT_EQ(Column(kUtcFields), QStringList({"11:42Z", "12:12Z", "04:10Z+", "04:40Z+"}));
    EXPECT_EQ(Column(kLocalFields), QStringList({"03:42", "04:12", "20:10", "20:40"}));
    EXPECT_EQ(d.RecentAirports(), QStringList({"KSEA", "KBFI"}));
    EXPECT_EQ(platform.settings.ReadText("Airports"), "KBFI,"); // the dialog's own list only
    // The hidden toggles follow the airport (west again), ready for "Lat/Lon".
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_WEST_EAST), "W");

    // The spin steps the offset and shows the local times again at once.
    d.StepUtcOffset(+1);
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_UTC_OFFSET), "-7");
    EXPECT_EQ(Column(kLocalFields), QStringList({"04:42", "05:12", "21:10", "21:40"}));

    TypeInto(d, IDC_SUN_AIRPORT, "KXXX");
    ClickButton(d, IDC_CALCULATE);
    EXPECT_EQ(Messages(), QStringList{"Airport not found."});
    ClickButton(d, IDC_CLOSE);
    EXPECT_EQ(platform.settings.ReadText("SunTimes.Zone"), "5"); // closing stores nothing
}

TEST_F(SunTimesDialogTest, LookupCalculatesTheChosenAirport) {
    CSunTimesDlg& d = Open();
    platform.dialogScripts.append([](QDialog* dlg) {
        auto* search = static_cast<CAirportSearchDlg*>(dlg);
        search->SetDlgItemText(IDC_SEARCH_TEXT, "tacoma");
        search->OnSearch();
        auto* list = search->Item<QTreeView>(IDC_SEARCH_RESULTS);
        list->setCurrentIndex(list->model()->index(0, 0));
        search->OnSelect();
        return static_cast<int>(kIdOk);
    });
    ClickButton(d, IDC_SUN_LOOKUP);
    EXPECT_EQ(d.Combo(IDC_SUN_AIRPORT)->currentText(), "KSEA");
    EXPECT_EQ(d.GetDlgItemText(IDC_SUN_SET_UTC), "04:10Z+");
}

TEST_F(SunTimesDialogTest, EquatorAndPrimeMeridianAndPolarDay) {
    platform.settings.WriteInt("SunTimes.Location", CSunTimesDlg::kLatLon);
    CSunTimesDlg& d = Open();
    d.Item<QDateEdit>(IDC_SUN_DATE)->setDate(QDate(2026, 3, 20));
    ClickButton(d, IDC_CALCULATE); // 00:00.00 N 000:00.00 W is a place like any other
    EXPECT_EQ(Column(kUtcFields), QStringList({"05:34Z", "06:04Z", "18:11Z", "18:41Z"}));
    EXPECT_TRUE(Messages().isEmpty());

    d.Item<QDateEdit>(IDC_SUN_DATE)->setDate(QDate(2026, 6, 21));
    d.Item<CLatLonEdit>(IDC_SUN_LATITUDE)->SetSecondsOfArc(78 * 3600);
    ClickButton(d, IDC_CALCULATE);
    EXPECT_EQ(Column(kUtcFields), QStringList(4, "Up all day"));
}

TEST_F(SunTimesDialogTest, TheRegisteredCommandOpensTheCalculator) {
    ScreenRegistry registry;
    RegisterScreens(registry);
    CTrevallionDoc doc(platform.settings, fix);
    QString caption;
    platform.dialogScripts.append([&](QDialog* d) {
        caption = static_cast<CCalcDialog*>(d)->Caption();
        return static_cast<int>(kIdCancel);
    });
    CCommandTable commands;
    CommandContext context{doc, nullptr, ID_CALC_SUNRISE_SUNSET, ID_VIEW_TIMES, commands};
    ASSERT_TRUE(registry.RunCommand(ID_CALC_SUNRISE_SUNSET, context));
    EXPECT_EQ(caption, "Sun Rise - Sun Set");
}

} // namespace
