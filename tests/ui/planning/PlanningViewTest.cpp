// The Flight Planning view wired to the core: typing a route, the route menu, plans saved and
// opened, the settings, and the two plan actions of Distance & Track.
#include "ui/planning/PlanningView.h"
#include "core/common/io/DeviceFolders.h"
#include "core/navdata/NavTestData.h"
#include "core/planning/FlightPlanFile.h"
#include "support/ScriptedPlatform.h"
#include "ui/calculators/DistanceTrackDlg.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/ValueEdit.h"
#include "ui/navdata/SearchScripts.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

constexpr int kDegree = 3600;

class PlanningViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDocumentsFolder(documents.Path());
        InstallAppState(&state);
        document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
        NavDataSet data;
        // Three airports one degree apart eastwards on the equator.
        for (int i = 0; i < 3; ++i) {
            AirportDetails a = TestAirport(QStringLiteral("KAA%1").arg(i), "FIELD", "TOWN");
            a.record.latitude = 0;
            a.record.longitude = -i * kDegree;
            a.record.variation = 0;
            data.airports.append(a);
        }
        ASSERT_TRUE(document->NavData().LoadNavData(WriteNavFile(navFolder, NavBytes(data))));
    }
    void TearDown() override {
        view.reset();
        document.reset();
        InstallAppState(nullptr);
        SetDocumentsFolder(QString());
    }

    CPlanningView& MakeView() {
        view.reset();
        view = std::make_unique<CPlanningView>(*document, commands);
        view->resize(platform.screen.Size());
        EXPECT_TRUE(view->Create()) << view->CreateError().toStdString();
        return *view;
    }

    QList<QStringList> Rows() const {
        QList<QStringList> rows;
        auto* table = view->Item<QTreeWidget>(IDC_PLAN_TABLE);
        for (int r = 0; r < table->topLevelItemCount(); ++r) {
            QStringList row;
            for (int c = 0; c < table->columnCount(); ++c)
                row << table->topLevelItem(r)->text(c);
            rows << row;
        }
        return rows;
    }

    void TypeRoute(const QString& route) {
        view->Edit(IDC_PLAN_ROUTE)->clear();
        QTest::keyClicks(view->Edit(IDC_PLAN_ROUTE), route);
        view->Button(IDC_PLAN_CALC)->click();
    }

    ScriptedPlatform platform;
    TempFolder documents;
    TempFolder navFolder;
    AppState state;
    GpsFix fix;
    std::unique_ptr<CTrevallionDoc> document;
    CCommandTable commands; // the view's commands while it lives
    std::unique_ptr<CPlanningView> view;
};

TEST_F(PlanningViewTest, TypedRouteSavedAndReopenedGivesTheSameTable) {
    MakeView();
    // The default fleet's first type fills TAS (100 kts, 9 an hour).
    EXPECT_EQ(view->Combo(IDC_PLAN_AIRCRAFT)->currentText(), QStringLiteral("C172"));
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_TAS), QStringLiteral("100"));
    TypeRoute(QStringLiteral("kaa0  kaa1 kaa2 "));
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0  KAA1 KAA2"));
    const QList<QStringList> typed = Rows();
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed[1],
              (QStringList{"KAA1", "60", "90°", "90°", "100", "00:36:00", "10.8", "01:12:00"}));
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_TOTALS),
              QStringLiteral("Total time: 01:12:00  Fuel: 10.8"));

    const QString path = documents.File("trip.fp");
    platform.saveFileAnswers << path;
    ASSERT_TRUE(commands.Run(ID_FILE_SAVE));
    EXPECT_EQ(platform.fileRequests.last().initialPath, FlightPlanFolder());

    TypeRoute(QStringLiteral("KAA2"));
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_TRUE(view->GetDlgItemText(IDC_PLAN_TOTALS).isEmpty());
    platform.openFileAnswers << path;
    ASSERT_TRUE(commands.Run(ID_FILE_OPEN));
    EXPECT_EQ(Rows(), typed);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(PlanningViewTest, RouteMenuAppendsClearsAndSettingsOutliveTheView) {
    ASSERT_NE(document->NavData().SelectAirport(QStringLiteral("KAA1")), 0); // a recent airport
    MakeView();
    TypeRoute(QStringLiteral("KAA0"));
    auto* route = view->Item<CValueEdit>(IDC_PLAN_ROUTE);
    platform.popupAnswers << ID_ROUTE_IDENT_BASE; // Airports > KAA1
    route->ShowValueMenu(QPoint());
    ASSERT_FALSE(platform.popupMenus.isEmpty());
    EXPECT_EQ(platform.popupMenus.last(), (QStringList{"Search", "KAA1", "Clear"}));
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 KAA1"));

    view->SetDlgItemText(IDC_PLAN_WIND_DIR, QStringLiteral("90"));
    view->CheckDlgButton(IDC_PLAN_MAG, true);
    view->AddDestination(QStringLiteral("KAA2"));
    EXPECT_EQ(Rows().size(), 3);
    view->CreatePlan(QStringLiteral("KAA2"), QStringLiteral("KAA0"));
    EXPECT_EQ(Rows().first().mid(0, 3), (QStringList{"KAA2", "120", "270°"}));

    view.reset();
    EXPECT_EQ(platform.settings.ReadText("Plan.Route"), QStringLiteral("KAA2 KAA0"));
    EXPECT_EQ(platform.settings.ReadText("Plan.WindDir"), QStringLiteral("-90"));
    MakeView();
    EXPECT_TRUE(view->IsDlgButtonChecked(IDC_PLAN_MAG));
    EXPECT_EQ(Rows().size(), 2);

    platform.popupAnswers << ID_ROUTE_CLEAR;
    view->Item<CValueEdit>(IDC_PLAN_ROUTE)->ShowValueMenu(QPoint());
    EXPECT_TRUE(view->GetDlgItemText(IDC_PLAN_ROUTE).isEmpty());
    EXPECT_TRUE(Rows().isEmpty());
}

TEST_F(PlanningViewTest, RefusalsKeepOrEmptyThePlanAsTheyShould) {
    MakeView();
    TypeRoute(QStringLiteral("KAA0 KAA1"));
    view->SetDlgItemText(IDC_PLAN_WIND_DIR, QStringLiteral("361"));
    EXPECT_FALSE(view->Recompute());
    EXPECT_EQ(platform.messages.last().text, QStringLiteral("Error: Invalid wind heading (361)"));
    EXPECT_EQ(Rows().size(), 2); // the plan shown before stays
    view->SetDlgItemText(IDC_PLAN_WIND_DIR, QStringLiteral("0"));
    TypeRoute(QStringLiteral("KAA0 NOPE"));
    EXPECT_EQ(platform.messages.last().text, QStringLiteral("Identifier NOPE not found."));
    EXPECT_TRUE(Rows().isEmpty());

    const QString path = documents.File("other.fp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Aircraft=NOSUCH\r\nRoute=KAA0 KAA1\r\n");
    file.close();
    EXPECT_FALSE(view->OpenPlan(path));
    EXPECT_EQ(platform.messages.last().text,
              QStringLiteral("Unknown aircraft type in flight plan.\n"));
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 NOPE"));
}

// A value chosen from a field's menu goes in whole: the last result 123.4 offered in the wind
// speed (2 characters to type) meets the plan's own check instead of becoming a 12 kt wind, and
// a new view shows it as it was left.
TEST_F(PlanningViewTest, ValueMenuChoiceIsCheckedWhole) {
    state.lastCalcResult = 123.4;
    MakeView();
    TypeRoute(QStringLiteral("KAA0 KAA1"));
    auto* speed = view->Item<CValueEdit>(IDC_PLAN_WIND_SPEED);
    platform.popupAnswers = {CValueEdit::kLastResultCommand};
    speed->ShowValueMenu(QPoint());
    EXPECT_EQ(speed->text(), QStringLiteral("123.4"));
    EXPECT_FALSE(view->Recompute());
    EXPECT_EQ(platform.messages.last().text, QStringLiteral("Error: Invalid wind speed (123)"));
    MakeView();
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_WIND_SPEED), QStringLiteral("123.4"));
    state.lastCalcResult = 0;
}

// A nav aid picked with the route's "Search" is the one planned, though another shares its
// identifier nearer the route's start.
TEST_F(PlanningViewTest, TheNavAidPickedFromASearchIsPlanned) {
    NavDataSet data;
    data.airports = {Quito()};
    data.navAids = SharedIdentNavAids();
    ASSERT_TRUE(
        document->NavData().LoadNavData(WriteNavFile(navFolder, NavBytes(data), "w.nav")).ok());
    MakeView();
    TypeRoute(QStringLiteral("SEQM"));
    platform.dialogScripts << SelectFirstFound("olympia", LocationKind::NavAid);
    platform.popupAnswers = {ID_ROUTE_SEARCH};
    view->Item<CValueEdit>(IDC_PLAN_ROUTE)->ShowValueMenu(QPoint());
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("SEQM OLM"));
    ASSERT_EQ(Rows().size(), 2);
    EXPECT_EQ(Rows()[0][1], QStringLiteral("3660"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

// Calc > Distance/Track... from this view shows the flight-plan buttons; each one changes the
// route as its name says.
TEST_F(PlanningViewTest, DistanceTrackButtonsStartAndExtendThePlan) {
    MakeView();
    const auto press = [this](const char* from, const char* to, int button) {
        platform.dialogScripts << [=](QDialog* dialog) {
            auto* dt = static_cast<CDistanceTrackDlg*>(dialog);
            EXPECT_FALSE(dt->GetDlgItem(IDC_DT_NEW_PLAN)->isHidden());
            dt->SetDlgItemText(IDC_DT_FROM_IDENT, QString::fromLatin1(from));
            dt->SetDlgItemText(IDC_DT_TO_IDENT, QString::fromLatin1(to));
            dt->Button(button)->click();
            return dialog->result();
        };
        EXPECT_TRUE(commands.Run(ID_CALC_DISTANCE_TRACK));
    };
    press("KAA0", "KAA1", IDC_DT_NEW_PLAN);
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 KAA1"));
    press("KAA1", "KAA2", IDC_DT_ADD_TO_PLAN);
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 KAA1 KAA2"));
    EXPECT_EQ(Rows().size(), 3);
}

} // namespace
