#include "WeightBalanceFixture.h"

#include "core/weight-balance/FuelSelection.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

TEST_F(WeightBalanceTest, ANewUserSeesTheDefaultC172AndItsLoadingSurvives) {
    MakeView();
    EXPECT_EQ(view->Combo(IDC_WB_TYPE)->currentText(), QStringLiteral("C172"));
    EXPECT_EQ(view->Combo(IDC_WB_AIRCRAFT)->currentText(), QStringLiteral("N123A"));
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->RowCount(), 6);
    Type(IDC_WB_STATIONS, 0, {IDC_KEY_1, IDC_KEY_7, IDC_KEY_0});
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->ItemText(0, 1), QStringLiteral("170"));
    EXPECT_EQ(Status(), QStringLiteral("Aircraft is within limits."));
    EXPECT_DOUBLE_EQ(view->Session().Computed().results.rampWeight, 1720.0 + 300.5);
    // Written at once, not only when the view goes.
    EXPECT_TRUE(WeightFile().contains(QStringLiteral("Pilot seat=170.0\r\n")));

    MakeView(); // a restart
    EXPECT_EQ(view->Session().CurrentLoading().stationWeights[0], 170.0);
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->ItemText(0, 1), QStringLiteral("170.0"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

// The current aircraft deleted in the Aircraft List: another of its type takes the loading; the
// type and the weights stay.
TEST_F(WeightBalanceTest, DeletingTheCurrentAircraftKeepsTheTypeAndTheWeights) {
    const int c172 = document->Aircraft().Types().first().id;
    Aircraft second{0, c172, QStringLiteral("N456B"), 1700.0, 39.0, 0.0};
    ASSERT_TRUE(document->Aircraft().AddAircraft(second).ok());
    MakeView();
    view->Combo(IDC_WB_AIRCRAFT)->setCurrentIndex(1);
    ASSERT_EQ(view->Session().CurrentAircraft().ident, QStringLiteral("N456B"));
    Type(IDC_WB_STATIONS, 0, {IDC_KEY_1, IDC_KEY_7, IDC_KEY_0});
    platform.dialogScripts.append([&](QDialog*) {
        EXPECT_TRUE(document->Aircraft().DeleteAircraft(second.id).ok());
        return static_cast<int>(kIdOk);
    });
    view->Button(IDC_WB_AIRCRAFT_BUTTON)->click();
    EXPECT_EQ(view->Combo(IDC_WB_TYPE)->currentText(), QStringLiteral("C172"));
    EXPECT_EQ(view->Combo(IDC_WB_AIRCRAFT)->currentText(), QStringLiteral("N123A"));
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->ItemText(0, 1), QStringLiteral("170.0"));
    EXPECT_EQ(view->Session().CurrentLoading().stationWeights[0], 170.0);
    EXPECT_TRUE(platform.messages.isEmpty());

    // The last aircraft gone too: the view says so and shows no loading.
    platform.dialogScripts.append([&](QDialog*) {
        EXPECT_TRUE(document->Aircraft().DeleteAircraft(view->Session().CurrentAircraft().id).ok());
        return static_cast<int>(kIdOk);
    });
    view->Button(IDC_WB_AIRCRAFT_BUTTON)->click();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("No aircraft defined for selected type."));
    EXPECT_EQ(platform.messages[1].text, QStringLiteral("Error, there are no aircraft defined."));
    EXPECT_EQ(platform.messages[1].title, QStringLiteral("Weight & Balance"));
    EXPECT_FALSE(view->Session().HasAircraft());
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->RowCount(), 0);
}

TEST_F(WeightBalanceTest, TheKeypadRefusesANinthCharacterAndTakesBackspace) {
    MakeView();
    Type(IDC_WB_STATIONS, 1,
         {IDC_KEY_1, IDC_KEY_2, IDC_KEY_3, IDC_KEY_4, IDC_KEY_5, IDC_KEY_POINT, IDC_KEY_6,
          IDC_KEY_7});
    EXPECT_EQ(platform.beeps, 0);
    view->Button(IDC_KEY_8)->click();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->ItemText(1, 1), QStringLiteral("12345.67"));
    view->Button(IDC_WB_KEY_BACK)->click();
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->ItemText(1, 1), QStringLiteral("12345.6"));
    EXPECT_DOUBLE_EQ(view->Session().CurrentLoading().stationWeights[1], 12345.6);
    EXPECT_EQ(Status(), QStringLiteral("Aircraft exceeds max landing weight."));
    EXPECT_NE(view->Label(IDC_WB_STATUS)->palette().color(QPalette::WindowText),
              view->palette().color(QPalette::WindowText)); // red while out of limits
}

TEST_F(WeightBalanceTest, FuelChoicesSetTheLoadsAndCustomMakesThemEditable) {
    MakeView();
    view->ShowTab(CWeightBalanceView::kFuelTab);
    QComboBox* fuel = view->Combo(IDC_WB_FUEL);
    EXPECT_EQ(fuel->count(), 5); // Full, 3/4, 1/2, 1/4, Custom
    EXPECT_EQ(view->GetDlgItemText(IDC_WB_UNITS), QStringLiteral("Units: Gallons"));
    fuel->setCurrentIndex(1);
    EXPECT_EQ(Grid(IDC_WB_TANKS)->ItemText(0, 1), QStringLiteral("37.5"));
    EXPECT_TRUE(Grid(IDC_WB_TANKS)->IsReadOnly(1));
    Type(IDC_WB_TANKS, 0, {IDC_KEY_1});
    EXPECT_EQ(platform.beeps, 1); // not while a fixed choice sets the loads
    fuel->setCurrentIndex(fuel->count() - 1);
    EXPECT_FALSE(Grid(IDC_WB_TANKS)->IsReadOnly(1));
    EXPECT_EQ(view->Session().CurrentLoading().tanks[0].rampQuantity, 37.5);
    Grid(IDC_WB_TANKS)->EndCellEdit(0, 2, QStringLiteral("20"));
    EXPECT_EQ(view->Session().CurrentLoading().tanks[0].burn, 20.0);
    EXPECT_TRUE(WeightFile().contains(QStringLiteral("Fuel=Custom\r\nMain fuel=37.5,20.0\r\n")));
}

TEST_F(WeightBalanceTest, AnUnknownAircraftInWeightTxtIsReportedAndChangesNothing) {
    ASSERT_TRUE(WriteLoadingFile(WeightFilePath(), "Aircraft=N999\r\nPilot seat=80.0\r\n").ok());
    const AircraftFleet before = document->Aircraft().Fleet();
    MakeView();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Unknown aircraft.\nN999"));
    EXPECT_EQ(view->Session().CurrentAircraft().ident, QStringLiteral("N123A"));
    EXPECT_EQ(view->Session().CurrentLoading().stationWeights[0], 0.0);
    EXPECT_EQ(document->Aircraft().Fleet(), before);
}

TEST_F(WeightBalanceTest, AnOversizedWeightTxtIsRefusedWithAMessage) {
    ASSERT_TRUE(
        WriteLoadingFile(WeightFilePath(), QString(kMaxLoadingFileBytes + 10, QLatin1Char('x')))
            .ok());
    MakeView();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(
        platform.messages[0].text.startsWith(QStringLiteral("Error, Unable to open file.")));
    EXPECT_EQ(view->Session().CurrentAircraft().ident, QStringLiteral("N123A"));
}

TEST_F(WeightBalanceTest, SavedAndOpenedWbFilesKeepTheLoading) {
    MakeView();
    Type(IDC_WB_STATIONS, 2, {IDC_KEY_9, IDC_KEY_0});
    view->Combo(IDC_WB_FUEL)->setCurrentIndex(2);
    const QString path = documents.File(QStringLiteral("trip.wb"));
    platform.saveFileAnswers = {path};
    ASSERT_TRUE(commands.Run(ID_FILE_SAVE));
    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_EQ(platform.fileRequests[0].initialPath, LoadingFilesFolder());
    EXPECT_TRUE(QDir(LoadingFilesFolder()).exists()); // made for the dialog
    const Loading saved = view->Session().CurrentLoading();

    Type(IDC_WB_STATIONS, 2, {IDC_WB_KEY_BACK, IDC_WB_KEY_BACK});
    view->Combo(IDC_WB_FUEL)->setCurrentIndex(0);
    platform.openFileAnswers = {path};
    ASSERT_TRUE(commands.Run(ID_FILE_OPEN));
    EXPECT_EQ(view->Session().CurrentLoading(), saved);
    EXPECT_EQ(view->Combo(IDC_WB_FUEL)->currentText(), QStringLiteral("1/2"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

// A loading files' folder that cannot be made (a file holds its name) is told, and no file
// dialog opens on a folder that is not there.
TEST_F(WeightBalanceTest, AFolderThatCannotBeMadeIsToldBeforeAnyFileDialog) {
    MakeView();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(LoadingFilesFolder()).absolutePath()));
    ASSERT_TRUE(WriteLoadingFile(LoadingFilesFolder(), QStringLiteral("not a folder")).ok());
    for (const int command : {ID_FILE_SAVE, ID_FILE_OPEN}) {
        platform.messages.clear();
        ASSERT_TRUE(commands.Run(command));
        ASSERT_EQ(platform.messages.size(), 1) << command;
        EXPECT_EQ(platform.messages[0].text,
                  QStringLiteral("Error: Cannot create the folder ") + LoadingFilesFolder());
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_TRUE(platform.fileRequests.isEmpty()) << command;
    }
}

TEST_F(WeightBalanceTest, GraphMenuCommandsToggleTheSharedOptions) {
    MakeView();
    EXPECT_TRUE(commands.State(ID_GRAPH_RAMP).checked);
    ASSERT_TRUE(commands.Run(ID_GRAPH_RAMP));
    EXPECT_FALSE(commands.State(ID_GRAPH_RAMP).checked);
    EXPECT_TRUE(commands.State(ID_GRAPH_RAMP).enabled);
    EXPECT_EQ(static_cast<uint32_t>(platform.settings.ReadInt(QStringLiteral("GraphOptions"), 0)),
              0xFFFFFFFFu & ~0x02u);
    EXPECT_TRUE(commands.State(ID_FILE_SAVE).enabled);
}

TEST_F(WeightBalanceTest, WithoutAircraftDetailsAndGraphSaySo) {
    ASSERT_TRUE(document->Aircraft().DeleteAircraft(1).ok());
    MakeView();
    EXPECT_EQ(Grid(IDC_WB_STATIONS)->RowCount(), 0);
    for (int button : {IDC_WB_DETAILS, IDC_WB_GRAPH_BUTTON}) {
        platform.messages.clear();
        view->Button(button)->click();
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages[0].text, QStringLiteral("No aircraft selected."));
    }
    // The Aircraft button opens the fleet editor, where an aircraft can be added.
    view->Button(IDC_WB_AIRCRAFT_BUTTON)->click();
    EXPECT_EQ(platform.modalTitles.last(), QStringLiteral("Aircraft List"));
}

TEST_F(WeightBalanceTest, TheSquareLayoutShowsDetailsAndGraphAsTabs) {
    platform.screen.SetSize(QSize(240, 240));
    MakeView();
    EXPECT_EQ(view->CreatedTemplateId(), IDD_WEIGHT_BALANCE_S);
    view->ShowTab(CWeightBalanceView::kDetailsTab);
    auto* details = view->Item<QTreeWidget>(IDC_WB_DETAILS_LIST);
    EXPECT_TRUE(details->isVisibleTo(view.get()));
    EXPECT_EQ(details->topLevelItem(0)->text(0), QStringLiteral("Aircraft"));
    EXPECT_FALSE(view->Button(IDC_KEY_1)->isVisibleTo(view.get()));
    EXPECT_FALSE(view->GetDlgItem(IDC_WB_INFO)->isVisibleTo(view.get()));
}

} // namespace
