#include "AirDataTestSupport.h"
#include "DialogTestHelpers.h"

#include "core/common/settings/IniSettingsStore.h"
#include "resource.h"
#include "support/TempFolder.h"
#include "ui/calculators/CrossWindDlg.h"
#include "ui/calculators/FindWindDlg.h"
#include "ui/calculators/GroundSpeedDlg.h"
#include "ui/calculators/HeadingTimeDlg.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/SpinButton.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QToolButton>

#include <functional>
#include <memory>
#include <vector>

namespace {

class WindDialogsTest : public CalculatorDialogTest {
protected:
    void TearDown() override {
        CurrentAppState().lastDistanceTrack = {};
        CalculatorDialogTest::TearDown();
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const auto& m : platform.messages)
            texts << m.text;
        return texts;
    }
    CCommandTable commands; // the frame's table: what Heading & Time hands on to
};

TEST_F(WindDialogsTest, GroundSpeedShowsHeadingGroundSpeedAndGraph) {
    CGroundSpeedDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_EQ(dialog.Combo(IDC_WIND_DIRECTION)->count(), 36);
    EXPECT_EQ(dialog.Combo(IDC_WIND_TAS)->itemText(0), "90");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DIRECTION), "");
    EXPECT_TRUE(dialog.Graph().hasAircraft);
    EXPECT_FALSE(dialog.Graph().hasResult);

    TypeInto(dialog, IDC_WIND_DIRECTION, "45");
    TypeInto(dialog, IDC_WIND_SPEED, "20");
    TypeInto(dialog, IDC_WIND_COURSE, "90");
    TypeInto(dialog, IDC_WIND_TAS, "1200"); // the field takes 3 characters
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_TAS), "120");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_HEADING), "83°");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_GROUND_SPEED), "105");
    EXPECT_TRUE(dialog.Graph().hasResult);
    EXPECT_NEAR(dialog.Graph().heading, 83.23, 0.01);

    // "0" becomes 360 in the field; a refused course shows its message and the zero results.
    TypeInto(dialog, IDC_WIND_DIRECTION, "0");
    TypeInto(dialog, IDC_WIND_COURSE, "361");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DIRECTION), "360");
    EXPECT_EQ(MessageTexts(), QStringList{"Invalid course value."});
    EXPECT_EQ(platform.messages.first().title, "Ground Speed");
    EXPECT_EQ(platform.messages.first().icon, MessageIcon::Information);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_HEADING), "0°");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_GROUND_SPEED), "0");
    EXPECT_FALSE(dialog.Graph().hasResult);
}

// Tab goes from input to input past the result fields, and Enter in a field calculates.
TEST_F(WindDialogsTest, TabSkipsResultsAndEnterCalculates) {
    CGroundSpeedDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    TypeInto(dialog, IDC_WIND_DIRECTION, "45");
    TypeInto(dialog, IDC_WIND_SPEED, "20");
    TypeInto(dialog, IDC_WIND_COURSE, "90");
    TypeInto(dialog, IDC_WIND_TAS, "120");
    for (int result : {IDC_WIND_HEADING, IDC_WIND_GROUND_SPEED})
        EXPECT_FALSE(dialog.GetDlgItem(result)->focusPolicy() & Qt::TabFocus) << result;
    QWidget* tas = dialog.Combo(IDC_WIND_TAS)->lineEdit();
    tas->setFocus();
    QTest::keyClick(tas, Qt::Key_Return);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_GROUND_SPEED), "105");
}

TEST_F(WindDialogsTest, FindWindDrawsTheCompassAloneUntilTheFirstResult) {
    CFindWindDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_FALSE(dialog.Graph().hasAircraft);
    TypeInto(dialog, IDC_WIND_HEADING, "180");
    TypeInto(dialog, IDC_WIND_GROUND_SPEED, "130");
    TypeInto(dialog, IDC_WIND_COURSE, "180");
    TypeInto(dialog, IDC_WIND_TAS, "120");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DIRECTION), "360°"); // a tail wind
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_SPEED), "10");
    EXPECT_TRUE(dialog.Graph().hasAircraft);
    EXPECT_TRUE(dialog.Graph().hasResult);

    TypeInto(dialog, IDC_WIND_TAS, "");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DIRECTION), "-1°");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_SPEED), "-1");
    EXPECT_FALSE(dialog.Graph().hasResult);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(WindDialogsTest, CrossWindLabelsTheTailWind) {
    CCrossWindDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_EQ(dialog.Graph().angle, -1);
    EXPECT_EQ(dialog.Combo(IDC_WIND_HEADING)->itemData(35).toInt(), 36);
    TypeInto(dialog, IDC_WIND_HEADING, "0");
    TypeInto(dialog, IDC_WIND_DIRECTION, "120");
    TypeInto(dialog, IDC_WIND_SPEED, "20");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_HEADING), "360");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_CROSS), "17");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_HEAD_LABEL), "Tail wind");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_HEAD), "10");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_ANGLE), "60° right");
    EXPECT_EQ(dialog.Graph().angle, 60);

    TypeInto(dialog, IDC_WIND_DIRECTION, "030");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_HEAD_LABEL), "Head wind");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_HEAD), "17");
}

TEST_F(WindDialogsTest, HeadingTimeRestoresCalculatesAndSavesTheTrackValues) {
    platform.settings.WriteText("Track.Track", "90");
    platform.settings.WriteText("Track.Distance", "210");
    platform.settings.WriteText("Track.TAS", "120");
    platform.settings.WriteText("Track.WindDir", "45");
    platform.settings.WriteText("Track.WindSpeed", "20");
    platform.settings.WriteText("Track.Var", "5");
    platform.settings.WriteText("Track.East", "Yes");
    platform.settings.WriteText("Track.Time", "9:15");
    CHeadingTimeDlg dialog(commands);
    ASSERT_TRUE(dialog.Create()); // calculates once on opening
    dialog.show();
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_WIND_EAST));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DEPARTURE), "09:15");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_GROUND_SPEED), "105");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_TRUE_HEADING), "83°");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_MAG_HEADING), "78°"); // East 5
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_ESTIMATED_TIME), "01:59:58");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_ARRIVAL), "11:14:58");

    TypeInto(dialog, IDC_WIND_TRACK, "0");
    TypeInto(dialog, IDC_WIND_DISTANCE, "175");
    TypeInto(dialog, IDC_WIND_DIRECTION, "360");
    TypeInto(dialog, IDC_WIND_SPEED, "0");
    TypeInto(dialog, IDC_WIND_TAS, "100");
    dialog.CheckDlgButton(IDC_WIND_EAST, false);
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_TRACK), "360");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_ESTIMATED_TIME), "01:45:00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_ARRIVAL), "11:00:00");
    const struct {
        const char* name;
        const char* text;
    } saved[] = {{"Track.Track", "360"},  {"Track.Distance", "175"}, {"Track.TAS", "100"},
                 {"Track.Var", "5"},      {"Track.WindDir", "360"},  {"Track.WindSpeed", "0"},
                 {"Track.Time", "09:15"}, {"Track.East", "No"}};
    for (const auto& s : saved)
        EXPECT_EQ(platform.settings.ReadText(s.name), s.text) << s.name;
    EXPECT_TRUE(platform.messages.isEmpty());
}

// The remembered inputs of one Calculate reach the settings file in at most one write, made
// behind (by the store's writer or the next flush), never one write per input; inputs that did
// not change are no write at all.
TEST_F(WindDialogsTest, OneHeadingTimeCalculateWritesTheSettingsFileAtMostOnce) {
    TempFolder folder;
    IniSettingsStore store(folder.File("Trevallion.ini"));
    platform.settingsOverride = &store;
    CHeadingTimeDlg dialog(commands);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    store.Flush(); // what opening wrote
    const struct {
        const char* track;
        const char* tas;
        uint64_t writes;
    } cases[] = {{"90", "120", 1}, {"90", "120", 0}, {"180", "100", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.track);
        const uint64_t before = store.FileWrites();
        TypeInto(dialog, IDC_WIND_TRACK, c.track);
        TypeInto(dialog, IDC_WIND_TAS, c.tas);
        ClickButton(dialog, IDC_CALCULATE);
        store.Flush();
        EXPECT_EQ(store.FileWrites(), before + c.writes);
        EXPECT_EQ(QSettings(store.Path(), QSettings::IniFormat).value("Settings/Track.Track"),
                  c.track);
    }
    platform.settingsOverride = nullptr;
}

TEST_F(WindDialogsTest, HeadingTimeRefusesAWindTooStrongAndKeepsTheSavedValues) {
    CHeadingTimeDlg dialog(commands); // defaults: track and wind 360, TAS, distance, wind speed 0
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_GROUND_SPEED), "0");
    EXPECT_EQ(platform.settings.ReadText("Track.TAS"), "0");
    TypeInto(dialog, IDC_WIND_TAS, "100");
    TypeInto(dialog, IDC_WIND_DIRECTION, "90");
    TypeInto(dialog, IDC_WIND_SPEED, "150");
    ClickButton(dialog, IDC_CALCULATE);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages.first().title, "Heading & Time");
    EXPECT_TRUE(platform.messages.first().text.startsWith("The wind is too strong"));
    for (int id : {IDC_WIND_GROUND_SPEED, IDC_WIND_TRUE_HEADING, IDC_WIND_MAG_HEADING,
                   IDC_WIND_ESTIMATED_TIME, IDC_WIND_ARRIVAL})
        EXPECT_EQ(dialog.GetDlgItemText(id), "") << id;
    EXPECT_EQ(platform.settings.ReadText("Track.TAS"), "0");

    TypeInto(dialog, IDC_WIND_TRACK, "");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(platform.messages.last().text, "Please enter a track.");
}

TEST_F(WindDialogsTest, HeadingTimeTakesTheLastDistanceAndTrackAndHandsBackToIt) {
    platform.settings.WriteText("Track.Track", "90");
    CurrentAppState().lastDistanceTrack = {74.6, 36.5};
    int opened = 0;
    const CCommandTable::Layer distanceTrack =
        commands.Add({{ID_CALC_DISTANCE_TRACK, [&opened] { ++opened; }}});
    CHeadingTimeDlg dialog(commands);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_TRACK), "37");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DISTANCE), "75");

    // The spinner steps the selected part of the departure time.
    auto* spin = dialog.Item<CSpinButton>(IDC_WIND_DEPARTURE_SPIN);
    ASSERT_NE(spin, nullptr);
    emit spin->stepped(1);
    emit spin->stepped(1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DEPARTURE), "02:00");
    emit spin->stepped(-1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_DEPARTURE), "01:00");

    ClickButton(dialog, IDC_WIND_DISTANCE_TRACK);
    EXPECT_EQ(dialog.result(), CHeadingTimeDlg::kDistanceTrackResult);
    EXPECT_EQ(opened, 0); // once the dialog has returned
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 1);
}

// Without a Distance & Track screen to open the button would close the dialog for nothing.
TEST_F(WindDialogsTest, DistanceTrackButtonIsOfferedOnlyWhenTheFrameCanOpenIt) {
    for (const bool available : {false, true}) {
        CCommandTable::Layer distanceTrack;
        if (available)
            distanceTrack = commands.Add({{ID_CALC_DISTANCE_TRACK, [] {}}});
        CHeadingTimeDlg dialog(commands);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.GetDlgItem(IDC_WIND_DISTANCE_TRACK)->isEnabled(), available);
    }
}

// One and two digits typed into the number lists are computed as typed, though list items start
// with them ("35" and "350", "2" and "20"), on the tall and the square screen.
TEST_F(WindDialogsTest, TypedDigitsAreComputedAsTyped) {
    using Fields = std::vector<std::pair<int, const char*>>;
    const struct {
        std::function<std::unique_ptr<CCalcDialog>()> make;
        Fields typed;
        Fields shown;
    } cases[] = {
        {[this] { return std::make_unique<CHeadingTimeDlg>(commands); },
         {{IDC_WIND_TRACK, "35"},
          {IDC_WIND_DISTANCE, "12"},
          {IDC_WIND_TAS, "100"},
          {IDC_WIND_DIRECTION, "270"},
          {IDC_WIND_SPEED, "2"},
          {IDC_WIND_MAG_VAR, "1"}},
         {{IDC_WIND_GROUND_SPEED, "101"},
          {IDC_WIND_TRUE_HEADING, "34°"},
          {IDC_WIND_ESTIMATED_TIME, "00:07:07"}}},
        {[] { return std::make_unique<CGroundSpeedDlg>(); },
         {{IDC_WIND_DIRECTION, "270"},
          {IDC_WIND_SPEED, "2"},
          {IDC_WIND_COURSE, "35"},
          {IDC_WIND_TAS, "100"}},
         {{IDC_WIND_HEADING, "34°"}, {IDC_WIND_GROUND_SPEED, "101"}}},
        {[] { return std::make_unique<CFindWindDlg>(); },
         {{IDC_WIND_HEADING, "35"},
          {IDC_WIND_GROUND_SPEED, "98"},
          {IDC_WIND_COURSE, "36"},
          {IDC_WIND_TAS, "100"}},
         {{IDC_WIND_DIRECTION, "355°"}, {IDC_WIND_SPEED, "3"}}},
        {[] { return std::make_unique<CCrossWindDlg>(); },
         {{IDC_WIND_HEADING, "35"}, {IDC_WIND_DIRECTION, "27"}, {IDC_WIND_SPEED, "2"}},
         {{IDC_WIND_CROSS, "0"}, {IDC_WIND_HEAD, "2"}, {IDC_WIND_ANGLE, "8° left"}}},
    };
    for (QSize screen : {QSize(240, 320), QSize(240, 240)}) {
        platform.screen.SetSize(screen);
        for (const auto& c : cases) {
            std::unique_ptr<CCalcDialog> dialog = c.make();
            ASSERT_TRUE(dialog->Create());
            dialog->show();
            QApplication::setActiveWindow(dialog.get()); // Qt completes only in a focused field
            for (const auto& [id, text] : c.typed)
                TypeInto(*dialog, id, QString::fromUtf8(text));
            ClickButton(*dialog, IDC_CALCULATE);
            const std::string where =
                dialog->Caption().toStdString() + " " + std::to_string(screen.height());
            for (const auto& [id, text] : c.typed)
                EXPECT_EQ(dialog->GetDlgItemText(id), QString::fromUtf8(text)) << where;
            for (const auto& [id, text] : c.shown)
                EXPECT_EQ(dialog->GetDlgItemText(id), QString::fromUtf8(text)) << where << id;
        }
        EXPECT_EQ(platform.settings.ReadText("Track.Track"), "35");
        EXPECT_EQ(platform.settings.ReadText("Track.Distance"), "12");
        EXPECT_EQ(platform.settings.ReadText("Track.WindSpeed"), "2");
        EXPECT_EQ(platform.settings.ReadText("Track.Var"), "1");
    }
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(WindDialogsTest, SquareAndLandscapeScreensUseTheirTemplates) {
    platform.screen.SetSize(QSize(240, 240));
    {
        CCrossWindDlg dialog;
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.CreatedTemplateId(), IDD_CROSS_WIND_S);
        EXPECT_TRUE(dialog.GetDlgItem(IDC_CLOSE)->isHidden());
        bool cancel = false;
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            cancel |= b->property("controlId").toInt() == CCalcDialog::kCancelOnSquare;
        EXPECT_TRUE(cancel);
    }
    platform.screen.SetSize(QSize(240, 320));
    CGroundSpeedDlg dialog;
    ASSERT_TRUE(dialog.Create());
    const QString portraitLegend = dialog.GetDlgItemText(IDC_WIND_LEGEND);
    EXPECT_TRUE(portraitLegend.startsWith("Green line = Wind"));
    platform.screen.SetSize(QSize(320, 240));
    EXPECT_EQ(dialog.CurrentLayoutId(), IDD_GROUND_SPEED_L);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_LEGEND), "Green = wind, Blue = course");
    platform.screen.SetSize(QSize(240, 320));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_LEGEND), portraitLegend);
}

} // namespace
