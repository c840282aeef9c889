// File > Preferences...: pages, density unit switch, time zone, file choice and saving.
#include "ShellFixture.h"

#include "core/app/ViewTable.h"
#include "core/navdata/NavTestData.h"
#include "resource.h"
#include "ui/app/PreferencesDlg.h"
#include "ui/app/ScreenRegistrations.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>

namespace {

class PreferencesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        RegisterScreens(registry);
    }
    // Runs File > Preferences... from `viewId` with `script` acting on the dialog.
    void RunPreferences(int viewId, std::function<int(CPreferencesDlg&)> script) {
        MakeFrame(viewId);
        platform.dialogScripts.append([script](QDialog* dialog) {
            auto* preferences = dynamic_cast<CPreferencesDlg*>(dialog);
            EXPECT_NE(preferences, nullptr);
            return preferences ? script(*preferences) : int{kIdCancel};
        });
        frame->Commands().Run(ID_FILE_PREFERENCES);
        EXPECT_TRUE(platform.dialogScripts.isEmpty());
    }
};

TEST_F(PreferencesTest, FirstPageFollowsTheView) {
    for (int view : {kViewFlightPlanning, kViewAirportDirectory, kViewTimes}) {
        RunPreferences(view, [view](CPreferencesDlg& dialog) {
            const int page = view == kViewFlightPlanning ? 1 : 0;
            EXPECT_EQ(dialog.CurrentPage(), page);
            // Only the page's own controls show; the markers never do.
            EXPECT_EQ(dialog.GetDlgItem(IDC_PREF_AVGAS)->isVisible(), page == 1);
            EXPECT_EQ(dialog.GetDlgItem(IDC_PREF_METRIC)->isVisible(), page == 0);
            EXPECT_FALSE(dialog.GetDlgItem(IDC_PREF_PLANNING_PAGE)->isVisible());
            dialog.Item<QTabBar>(IDC_PREF_TABS)->setCurrentIndex(2);
            EXPECT_TRUE(dialog.GetDlgItem(IDC_PREF_OFFSET)->isVisible());
            EXPECT_FALSE(dialog.GetDlgItem(IDC_PREF_AVGAS)->isVisible());
            QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
            QCoreApplication::sendEvent(&dialog, &f1);
            return int{kIdCancel};
        });
        EXPECT_EQ(platform.helpTopics.value(0), "Preferences2");
        platform.helpTopics.clear();
    }
}

TEST_F(PreferencesTest, TwoUnitSwitchesGiveSlightlyDifferentDensities) {
    RunPreferences(kViewFlightPlanning, [](CPreferencesDlg& dialog) {
        QComboBox* units = dialog.Combo(IDC_PREF_FUEL_UNITS);
        EXPECT_EQ(units->currentText(), "pounds per gallon");
        units->setCurrentIndex(1);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PREF_AVGAS), "0.71");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PREF_JET), "0.83");
        units->setCurrentIndex(0);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PREF_AVGAS), "6.01");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PREF_JET), "7.03");
        dialog.Button(kIdOk)->click();
        return dialog.result();
    });
    EXPECT_DOUBLE_EQ(state.settings.jetDensity, 7.03);
    EXPECT_EQ(platform.settings.ReadText("JetWeight"), "7.03");
}

TEST_F(PreferencesTest, CustomOffsetIsStored) {
    RunPreferences(kViewTimes, [](CPreferencesDlg& dialog) {
        EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_PREF_DEVICE_ZONE));
        EXPECT_FALSE(dialog.GetDlgItemText(IDC_PREF_ZONE_NAME).isEmpty());
        dialog.CheckDlgButton(IDC_PREF_CUSTOM_ZONE, true);
        dialog.SetDlgItemText(IDC_PREF_OFFSET, "-300");
        dialog.Combo(IDC_PREF_LATLON_FORMAT)->setCurrentIndex(1);
        dialog.Button(kIdOk)->click();
        return dialog.result();
    });
    EXPECT_EQ(state.settings.timeZoneOffset, -300);
    EXPECT_EQ(platform.settings.ReadInt("TimeZone", 0), -300);
    EXPECT_EQ(platform.settings.ReadInt("Preferences", 0), 2);
}

TEST_F(PreferencesTest, CancelAfterChoosingAFileKeepsOnlyTheFile) {
    NavDataSet data;
    data.description = "Washington State";
    data.validityDate = (2006u << 16) | (31u << 8) | 12u;
    data.airports = {TestAirport("KSEA", "SEATTLE-TACOMA INTL", "SEATTLE")};
    TempFolder charts;
    const QString path = WriteNavFile(charts, NavBytes(data));
    platform.openFileAnswers = {path};
    RunPreferences(kViewAirportDirectory, [](CPreferencesDlg& dialog) {
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PREF_AIRPORT_FILE), "Airport file: { no file loaded }");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PREF_VALID_UNTIL), "");
        dialog.Button(IDC_PREF_SELECT_FILE)->click();
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PREF_AIRPORT_FILE), "Airport file: Washington State");
        EXPECT_TRUE(dialog.GetDlgItemText(IDC_PREF_VALID_UNTIL).startsWith("Valid until "));
        dialog.CheckDlgButton(IDC_PREF_METRIC, true);
        dialog.SetDlgItemText(IDC_PREF_AVGAS, "5.00");
        dialog.Button(kIdCancel)->click();
        return dialog.result();
    });
    EXPECT_EQ(platform.settings.ReadText("AirportFile"), path);
    EXPECT_TRUE(document->NavData().IsLoaded());
    EXPECT_FALSE(state.settings.metric);
    EXPECT_DOUBLE_EQ(state.settings.avgasDensity, 6.01);
    // The preferences were saved unchanged all the same.
    EXPECT_EQ(platform.settings.ReadText("AvGasWeight"), "6.01");
}

TEST_F(PreferencesTest, EveryScreenShape) {
    document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
    for (QSize size : {QSize(240, 320), QSize(320, 240), QSize(240, 240)}) {
        platform.screen.SetSize(size);
        CPreferencesDlg dialog(*document, 0);
        ASSERT_TRUE(dialog.Create()) << dialog.CreateError().toStdString();
        // OK is on the screen (on a square one beside the Cancel button in the title band).
        QWidget* ok = dialog.GetDlgItem(kIdOk);
        EXPECT_TRUE(ok->isVisibleTo(&dialog)) << size.width() << 'x' << size.height();
        EXPECT_LE(ok->geometry().bottom(), size.height());
        // Each page lies on the page area.
        for (int marker : CPreferencesDlg::kPageMarkers)
            EXPECT_EQ(dialog.GetDlgItem(marker)->pos(),
                      dialog.GetDlgItem(IDC_PREF_PAGE_AREA)->pos());
    }
}

} // namespace
