// "Distance && Track": calculating between the document's places, the hand-over to Heading &
// Time and back, "<-", "..." and the flight plan buttons.
#include "AirDataTestSupport.h"
#include "DialogTestHelpers.h"

#include "core/common/io/DeviceFolders.h"
#include "core/navdata/NavTestData.h"
#include "resource.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/calculators/DistanceTrackDlg.h"
#include "ui/calculators/HeadingTimeDlg.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/navdata/SearchLocationDlg.h"
#include "ui/navdata/SearchScripts.h"
#include "ui/navdata/UserWaypointsDlg.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTreeView>

namespace {

constexpr int32_t kDegree = 3600;

class DistanceTrackDlgTest : public CalculatorDialogTest {
protected:
    void SetUp() override {
        CalculatorDialogTest::SetUp();
        SetDocumentsFolder(folder.Path());
        CDistanceTrackDlg::Last() = {};
        CurrentAppState().lastDistanceTrack = {};
        NavDataSet data;
        data.airports = {TestAirport("KAAA", "ALPHA FIELD", "ALPHA")};
        data.airports[0].record.latitude = 41 * kDegree;
        data.airports[0].record.longitude = -kDegree; // 1 degree east
        data.navAids = {TestNavAid("SEA", 1, "SEATTLE")};
        document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
        ASSERT_TRUE(document->NavData().LoadNavData(WriteNavFile(folder, NavBytes(data))).ok());
        ASSERT_TRUE(
            document->Waypoints().AddUserWaypoint({"HOME", "Home strip", 40 * kDegree, 0, 0}).ok());
        // The two screens the dialogs hand on to, recording that they were run.
        handOffs = commands.Add({{ID_CALC_HEADING_TIME, [this] { ran.append("Heading"); }},
                                 {ID_CALC_DISTANCE_TRACK, [this] { ran.append("Distance"); }}});
    }
    void TearDown() override {
        document.reset();
        CDistanceTrackDlg::Last() = {};
        CurrentAppState().lastDistanceTrack = {};
        SetDocumentsFolder({});
        CalculatorDialogTest::TearDown();
    }
    static void SetKind(CDistanceTrackDlg& dialog, int id, PlaceKind kind) {
        dialog.Combo(id)->setCurrentIndex(static_cast<int>(kind));
    }
    static QStringList Results(const CDistanceTrackDlg& dialog) {
        QStringList texts;
        for (int id :
             {IDC_DT_FROM_NAME, IDC_DT_TO_NAME, IDC_DT_DISTANCE, IDC_DT_TRACK, IDC_DT_RETURN})
            texts << dialog.GetDlgItemText(id);
        return texts;
    }

    TempFolder folder;
    GpsFix fix;
    std::unique_ptr<CTrevallionDoc> document;
    CCommandTable commands;
    CCommandTable::Layer handOffs;
    QStringList ran;
};

TEST_F(DistanceTrackDlgTest, RoundTripWithHeadingTimeCarriesTheResult) {
    {
        CDistanceTrackDlg dialog(*document, commands);
        ASSERT_TRUE(dialog.Create());
        EXPECT_FALSE(dialog.GetDlgItem(IDC_DT_NEW_PLAN)->isVisibleTo(&dialog));
        EXPECT_FALSE(dialog.GetDlgItem(IDC_DT_ADD_TO_PLAN)->isVisibleTo(&dialog));
        EXPECT_EQ(dialog.Combo(IDC_DT_FROM_KIND)->currentText(), "Airport");
        SetKind(dialog, IDC_DT_FROM_KIND, PlaceKind::User);
        EXPECT_EQ(dialog.Combo(IDC_DT_FROM_IDENT)->itemText(0), "HOME");
        TypeInto(dialog, IDC_DT_FROM_IDENT, "home"); // the field takes upper case
        TypeInto(dialog, IDC_DT_TO_IDENT, "KAAA");
        ClickButton(dialog, IDC_CALCULATE);
        EXPECT_EQ(Results(dialog),
                  QStringList({"Home strip", "ALPHA FIELD", "75nm", "37°T", "218°T"}));
        ClickButton(dialog, IDC_DT_HEADING_TIME);
        EXPECT_EQ(dialog.result(), CDistanceTrackDlg::kHeadingTimeResult);
        EXPECT_TRUE(ran.isEmpty()); // once the dialog has returned
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, QStringList{"Heading"});
    CHeadingTimeDlg headingTime(commands);
    ASSERT_TRUE(headingTime.Create());
    EXPECT_EQ(headingTime.GetDlgItemText(IDC_WIND_TRACK), "37");
    EXPECT_EQ(headingTime.GetDlgItemText(IDC_WIND_DISTANCE), "75");
    ClickButton(headingTime, IDC_WIND_DISTANCE_TRACK);
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, (QStringList{"Heading", "Distance"}));

    // Opened again, the dialog shows the places it had and calculates at once.
    platform.messages.clear();
    CDistanceTrackDlg again(*document, commands);
    ASSERT_TRUE(again.Create());
    EXPECT_EQ(again.Combo(IDC_DT_FROM_KIND)->currentText(), "User");
    EXPECT_EQ(again.GetDlgItemText(IDC_DT_FROM_IDENT), "HOME");
    EXPECT_EQ(Results(again), QStringList({"Home strip", "ALPHA FIELD", "75nm", "37°T", "218°T"}));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(DistanceTrackDlgTest, TheKindChosenIsTheKindLookedUp) {
    CDistanceTrackDlg dialog(*document, commands);
    ASSERT_TRUE(dialog.Create());
    TypeInto(dialog, IDC_DT_FROM_IDENT, "KAAA");
    SetKind(dialog, IDC_DT_TO_KIND, PlaceKind::User);
    TypeInto(dialog, IDC_DT_TO_IDENT, "KAAA");
    ClickButton(dialog, IDC_CALCULATE);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "User location KAAA not found.");
    EXPECT_EQ(platform.messages[0].title, "Distance & Track");
    EXPECT_EQ(Results(dialog), QStringList({"ALPHA FIELD", "", "", "", ""}));
    EXPECT_EQ(CurrentAppState().lastDistanceTrack.distance, 0.0);
}

TEST_F(DistanceTrackDlgTest, SwapPickAndPlanButtons) {
    CDistanceTrackDlg dialog(*document, commands);
    dialog.ShowFlightPlanButtons(true);
    ASSERT_TRUE(dialog.Create());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_DT_ADD_TO_PLAN)->isVisibleTo(&dialog));

    // "<-": the destination becomes the start with its kind.
    SetKind(dialog, IDC_DT_TO_KIND, PlaceKind::NavAid);
    TypeInto(dialog, IDC_DT_TO_IDENT, "SEA");
    ClickButton(dialog, IDC_DT_SWAP);
    EXPECT_EQ(dialog.Combo(IDC_DT_FROM_KIND)->currentText(), "Nav aid");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DT_FROM_IDENT), "SEA");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DT_TO_IDENT), "");

    // "..." for an airport searches the navigation data; the choice is calculated at once.
    SetKind(dialog, IDC_DT_TO_KIND, PlaceKind::Airport);
    platform.dialogScripts.append(SelectFirstFound("alpha"));
    ClickButton(dialog, IDC_DT_TO_PICK);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DT_TO_IDENT), "KAAA");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DT_TO_NAME), "ALPHA FIELD");
    EXPECT_FALSE(dialog.GetDlgItemText(IDC_DT_DISTANCE).isEmpty());

    // "..." for a user waypoint picks from the list in select mode.
    SetKind(dialog, IDC_DT_FROM_KIND, PlaceKind::User);
    platform.dialogScripts.append([](QDialog* d) {
        auto* list = dynamic_cast<CUserWaypointsDlg*>(d);
        EXPECT_NE(list, nullptr);
        list->Item<QListWidget>(IDC_WP_LIST)->setCurrentRow(0);
        list->OnSelect();
        return list->result();
    });
    ClickButton(dialog, IDC_DT_FROM_PICK);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DT_FROM_IDENT), "HOME");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DT_DISTANCE), "75nm");

    ClickButton(dialog, IDC_DT_ADD_TO_PLAN);
    EXPECT_EQ(dialog.result(), int{kIdOk});
    EXPECT_EQ(dialog.RequestedPlanAction(), PlanAction::AddDestination);
    EXPECT_EQ(dialog.FromText(), "HOME");
    EXPECT_EQ(dialog.ToText(), "KAAA");
}

// The nav aid picked from a search is the one used, though another shares its identifier and
// lies nearer the other end; so it is when the dialog opens again with the last places.
TEST_F(DistanceTrackDlgTest, ThePlacePickedIsThePlaceUsed) {
    NavDataSet data;
    data.airports = {Quito()};
    data.navAids = SharedIdentNavAids();
    ASSERT_TRUE(
        document->NavData().LoadNavData(WriteNavFile(folder, NavBytes(data), "w.nav")).ok());
    for (int opening = 0; opening < 2; ++opening) {
        CDistanceTrackDlg dialog(*document, commands);
        ASSERT_TRUE(dialog.Create());
        if (opening == 0) {
            SetKind(dialog, IDC_DT_FROM_KIND, PlaceKind::NavAid);
            TypeInto(dialog, IDC_DT_TO_IDENT, "SEQM");
            platform.dialogScripts.append(SelectFirstFound("olympia", LocationKind::NavAid));
            ClickButton(dialog, IDC_DT_FROM_PICK);
        }
        EXPECT_EQ(Results(dialog),
                  (QStringList{"Olympia VORTAC", "MARISCAL SUCRE", "3660nm", "127°T", "327°T"}))
            << opening;
        ClickButton(dialog, IDC_CLOSE);
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(DistanceTrackDlgTest, TheCalcMenuOpensItWithoutThePlanButtons) {
    ScreenRegistry registry;
    RegisterScreens(registry);
    bool planButtons = true;
    platform.dialogScripts.append([&planButtons](QDialog* d) {
        auto* dialog = dynamic_cast<CDistanceTrackDlg*>(d);
        EXPECT_NE(dialog, nullptr);
        if (dialog)
            planButtons = dialog->GetDlgItem(IDC_DT_NEW_PLAN)->isVisible();
        return int{kIdCancel};
    });
    CommandContext context{*document, nullptr, ID_CALC_DISTANCE_TRACK, ID_VIEW_TIMES, commands};
    ASSERT_TRUE(registry.RunCommand(ID_CALC_DISTANCE_TRACK, context));
    EXPECT_FALSE(planButtons);
    EXPECT_EQ(platform.modalTitles, QStringList{"Distance & Track"});
}

} // namespace
