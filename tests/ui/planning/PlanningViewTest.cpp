// The Flight Planning view wired to the core: typing a route, the route menu, plans saved and
// opened, plans exported and imported, the settings, and the two plan actions of Distance & Track.
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

    // A GPX route of the points ("IDENT lat lon" each, degrees east positive).
    QString WriteGpx(const char* name, const QStringList& points) {
        QByteArray text = "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\"><rte>";
        for (const QString& point : points) {
            const QStringList p = point.split(' ');
            text += "<rtept lat=\"" + p[1].toUtf8() + "\" lon=\"" + p[2].toUtf8() + "\"><name>" +
                    p[0].toUtf8() + "</name></rtept>";
        }
        const QString path = documents.File(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text + "</rte></gpx>");
        return path;
    }

    void Import(const QString& path) {
        platform.openFileAnswers << path;
        ASSERT_TRUE(commands.Run(ID_FILE_IMPORT_PLAN));
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
// identifier nearer the route's start, and it is the one an exported plan names.
TEST_F(PlanningViewTest, TheNavAidPickedFromASearchIsPlannedAndExported) {
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

    const QString path = documents.File("picked.gpx");
    platform.saveFileAnswers << path;
    ASSERT_TRUE(commands.Run(ID_FILE_EXPORT_PLAN));
    view->OnRouteCommand(ID_ROUTE_CLEAR);  // the pick goes with the route
    TypeRoute(QStringLiteral("SEQM OLM")); // typed, the nearer OLM
    ASSERT_NE(Rows()[0][1], QStringLiteral("3660"));
    Import(path);
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("SEQM OLM"));
    EXPECT_EQ(Rows()[0][1], QStringLiteral("3660"));
}

// File > Export... writes the format the name asks for (.fpl for a bare name) and File >
// Import... brings the same route back.
TEST_F(PlanningViewTest, ExportedPlansImportAsTheSameRoute) {
    const struct {
        const char* chosen;
        const char* written;
        const char* root;
    } cases[] = {
        {"trip.fpl", "trip.fpl", "<flight-plan"},
        {"Trip.GPX", "Trip.GPX", "<gpx"},
        {"bare", "bare.fpl", "<flight-plan"},
        {"v1.2", "v1.2.fpl", "<flight-plan"},
    };
    MakeView();
    for (const auto& c : cases) {
        TypeRoute(QStringLiteral("KAA0 KAA1 KAA2"));
        const QList<QStringList> typed = Rows();
        platform.saveFileAnswers << documents.File(c.chosen);
        ASSERT_TRUE(commands.Run(ID_FILE_EXPORT_PLAN));
        EXPECT_EQ(platform.fileRequests.last().filter,
                  QStringLiteral("Flight plan (*.fpl);;GPX route (*.gpx)"));
        QFile written(documents.File(c.written));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.written;
        EXPECT_TRUE(written.readAll().contains(c.root)) << c.written;

        TypeRoute(QStringLiteral("KAA2"));
        Import(documents.File(c.written));
        EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 KAA1 KAA2"));
        EXPECT_EQ(Rows(), typed) << c.chosen;
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}

// A damaged file, a wind the plan would stop at and an empty plan change nothing; an empty plan
// is refused before a file is chosen for it.
TEST_F(PlanningViewTest, RefusedExchangesLeaveThePlanAndWaypoints) {
    MakeView();
    TypeRoute(QStringLiteral("KAA0 KAA1"));
    const QList<QStringList> before = Rows();
    const int waypoints = document->Waypoints().Count();
    const QString damaged = documents.File("damaged.gpx");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><rte><rtept lat=\"1\"");
    file.close();
    Import(damaged);
    ASSERT_FALSE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.messages.last().text.startsWith("Error, Unable to open file.\nThe file "
                                                         "is damaged at line 1"));

    view->SetDlgItemText(IDC_PLAN_WIND_DIR, QStringLiteral("361"));
    Import(WriteGpx("new.gpx", {"KAA0 0 0", "LAKE 0.5 -0.5"}));
    EXPECT_EQ(platform.messages.last().text, QStringLiteral("Error: Invalid wind heading (361)"));
    EXPECT_EQ(platform.messages.last().buttons, MessageButtons::Ok); // no question asked
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 KAA1"));
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(document->Waypoints().Count(), waypoints);

    view->SetDlgItemText(IDC_PLAN_WIND_DIR, QStringLiteral("0"));
    TypeRoute(QString());
    const qsizetype requests = platform.fileRequests.size();
    ASSERT_TRUE(commands.Run(ID_FILE_EXPORT_PLAN));
    EXPECT_EQ(platform.messages.last().text,
              QStringLiteral("Error, Unable to save file.\nThere is no route to export."));
    EXPECT_EQ(platform.fileRequests.size(), requests);
}

// Points no known place has are added as user waypoints only when the pilot says Yes; once added
// they are those waypoints on the next import.
TEST_F(PlanningViewTest, NewPointsAreAddedAfterAskingOnly) {
    MakeView();
    TypeRoute(QStringLiteral("KAA0 KAA1"));
    const int waypoints = document->Waypoints().Count();
    const QString path = WriteGpx("new.gpx", {"KAA0 0 0", "LAKE 0.5 -0.5", "lake-2 0.5 -1"});
    platform.messageAnswers << kIdNo;
    Import(path);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Add 2 new user waypoints (LAKE, LAKE2)?"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 KAA1"));
    EXPECT_EQ(document->Waypoints().Count(), waypoints);

    platform.messageAnswers << kIdYes;
    Import(path);
    EXPECT_EQ(document->Waypoints().Count(), waypoints + 2);
    EXPECT_EQ(view->GetDlgItemText(IDC_PLAN_ROUTE), QStringLiteral("KAA0 LAKE LAKE2"));
    ASSERT_EQ(Rows().size(), 3);
    EXPECT_EQ(Rows()[0][1], QStringLiteral("42")); // half a degree each way: 42.4 nm
    TypeRoute(QStringLiteral("KAA0"));
    Import(path);
    EXPECT_EQ(platform.messages.size(), 2); // nothing new to ask about
    EXPECT_EQ(document->Waypoints().Count(), waypoints + 2);
    EXPECT_EQ(Rows().size(), 3);
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
