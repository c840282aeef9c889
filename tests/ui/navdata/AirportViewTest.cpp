// The Airport Directory view: Show with its identifier rule, the three tabs, Find and File Open.
#include "NavViewFixture.h"

#include "resource.h"
#include "ui/navdata/AirportSearchDlg.h"
#include "ui/navdata/AirportView.h"
#include "ui/navdata/RunwayDiagramDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {

class AirportViewTest : public NavViewTest {
protected:
    CAirportView& MakeView() {
        view = std::make_unique<CAirportView>(*document, commands);
        view->resize(240, 294);
        EXPECT_TRUE(view->Create()) << view->CreateError().toStdString();
        return *view;
    }
    void Type(const QString& ident) {
        QLineEdit* edit = view->Combo(IDC_AIRPORT_IDENT)->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, ident);
    }
    void ClickShow() { view->Button(IDC_AIRPORT_SHOW)->click(); }
    QStringList Rows(int id, int column) const {
        QStringList rows;
        auto* list = view->Item<QTreeWidget>(id);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(column);
        return rows;
    }
    void SelectTab(int tab) { view->Item<QTabBar>(IDC_AIRPORT_TABS)->setCurrentIndex(tab); }

    CCommandTable commands; // the view's commands while it lives
    std::unique_ptr<CAirportView> view;
};

TEST_F(AirportViewTest, StartsWithTheInstructionsOrTheLastAirport) {
    MakeView();
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(0), "Enter airport identifier to view, then");
    view.reset();
    platform.settings.WriteText("Airports", "KBFI,KSEA,");
    document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
    ASSERT_TRUE(document->NavData().LoadNavData(navFile));
    MakeView();
    EXPECT_EQ(view->Combo(IDC_AIRPORT_IDENT)->currentText(), "KBFI");
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(0), "BOEING FIELD");
}

// Enter after the identifier shows the airport, as the default button Show does.
TEST_F(AirportViewTest, EnterAfterTheIdentifierShowsTheAirport) {
    MakeView();
    Type("KBFI");
    QTest::keyClick(view->Combo(IDC_AIRPORT_IDENT)->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(0), "BOEING FIELD");
}

TEST_F(AirportViewTest, ShowNeedsThreeOrFourCharactersButAPickDoesNot) {
    platform.settings.WriteText("Airports", "KSEAX,");
    document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
    ASSERT_TRUE(document->NavData().LoadNavData(navFile));
    MakeView(); // shows the recent "KSEAX", which the file lacks
    platform.messages.clear();
    Type("kseax");
    EXPECT_EQ(view->Combo(IDC_AIRPORT_IDENT)->currentText(), "KSEAX"); // upper case
    ClickShow();
    EXPECT_EQ(Messages(), QStringList{"You must enter a 3 or 4 character ICAO identifier."});
    // The same identifier picked from the drop list is looked up.
    QComboBox* box = view->Combo(IDC_AIRPORT_IDENT);
    ASSERT_EQ(box->findText("KSEAX"), 0);
    emit box->activated(0);
    EXPECT_EQ(Messages().value(1), "Airport not found.");
}

TEST_F(AirportViewTest, ShowFillsTheTabs) {
    MakeView();
    Type("KSEA");
    ClickShow();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 0),
              QStringList({"Name:", "City:", "Elev:", "Var:", "Lat:", "Lon:", "UTC:"}));
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(0), "SEATTLE-TACOMA INTL");
    EXPECT_EQ(document->NavData().RecentAirports().value(0), "KSEA");
    EXPECT_EQ(view->Combo(IDC_AIRPORT_IDENT)->count(), 1);

    SelectTab(CAirportView::kRunwayTab);
    EXPECT_FALSE(view->GetDlgItem(IDC_AIRPORT_INFO_LIST)->isVisibleTo(view.get()));
    EXPECT_EQ(Rows(IDC_AIRPORT_RUNWAY_LIST, 0), QStringList({"01/19", "02/20", "03/21"}));
    EXPECT_EQ(Rows(IDC_AIRPORT_RUNWAY_LIST, 1).value(0), "5001 X 76");
    EXPECT_TRUE(view->GetDlgItem(IDC_AIRPORT_VIEW_RUNWAYS)->isEnabled());
    auto* runways = view->Item<QTreeWidget>(IDC_AIRPORT_RUNWAY_LIST);
    EXPECT_EQ(runways->columnWidth(0), 50);

    SelectTab(CAirportView::kCommTab);
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 0), QStringList({"TWR0", "TWR1"}));
    EXPECT_GE(view->Item<QTreeWidget>(IDC_AIRPORT_INFO_LIST)->columnWidth(0), 70);

    // An airport without a name starts with "City:"; one without runways cannot show any.
    SelectTab(CAirportView::kInfoTab);
    ASSERT_TRUE(view->ShowIdent("S43"));
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 0).value(0), "City:");
    ASSERT_TRUE(view->ShowIdent("KBFI"));
    EXPECT_FALSE(Rows(IDC_AIRPORT_INFO_LIST, 0).contains("UTC:"));
    SelectTab(CAirportView::kRunwayTab);
    EXPECT_FALSE(view->GetDlgItem(IDC_AIRPORT_VIEW_RUNWAYS)->isEnabled());
    SelectTab(CAirportView::kCommTab);
    EXPECT_EQ(view->Item<QTreeWidget>(IDC_AIRPORT_INFO_LIST)->topLevelItemCount(), 0);
}

TEST_F(AirportViewTest, MetricAndSecondsPreferences) {
    state.settings.metric = true;
    state.settings.secondsFormat = true;
    MakeView();
    ASSERT_TRUE(view->ShowIdent("KSEA"));
    const QStringList values = Rows(IDC_AIRPORT_INFO_LIST, 1);
    EXPECT_EQ(values[2], "30M"); // 100 ft
    EXPECT_EQ(values[4], "47:13:21 N");
    SelectTab(CAirportView::kRunwayTab);
    EXPECT_EQ(Rows(IDC_AIRPORT_RUNWAY_LIST, 1).value(0), "1524 X 23");
}

TEST_F(AirportViewTest, ChangedPreferencesRedrawOnTheNextTick) {
    MakeView();
    ASSERT_TRUE(view->ShowIdent("KSEA"));
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(2), "100'");
    state.settings.metric = true;
    view->OnTimerTick();
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(2), "30M");
}

TEST_F(AirportViewTest, UnknownAirportAndEmptyIdent) {
    MakeView();
    ASSERT_TRUE(view->ShowIdent("KSEA"));
    SelectTab(CAirportView::kCommTab);
    ASSERT_FALSE(Rows(IDC_AIRPORT_INFO_LIST, 1).isEmpty()); // the frequencies of KSEA
    EXPECT_FALSE(view->ShowIdent("KXXX"));
    EXPECT_EQ(Messages(), QStringList{"Airport not found."});
    // Nothing of KSEA stays on screen: no frequencies, no runways, no details.
    EXPECT_TRUE(Rows(IDC_AIRPORT_INFO_LIST, 1).isEmpty());
    SelectTab(CAirportView::kInfoTab);
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(2), "for an airport by name.");
    EXPECT_TRUE(view->ShowIdent(QString()));
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(2), "for an airport by name.");
}

TEST_F(AirportViewTest, FindShowsTheChosenAirport) {
    MakeView();
    platform.dialogScripts.append([](QDialog* dialog) {
        auto* search = dynamic_cast<CAirportSearchDlg*>(dialog);
        EXPECT_NE(search, nullptr);
        search->SetDlgItemText(IDC_SEARCH_TEXT, "boeing");
        EXPECT_TRUE(search->OnSearch());
        auto* list = search->Item<QTreeView>(IDC_SEARCH_RESULTS);
        list->setCurrentIndex(list->model()->index(0, 0));
        search->Button(IDC_SEARCH_SELECT)->click();
        return dialog->result();
    });
    view->Button(IDC_AIRPORT_FIND)->click();
    EXPECT_EQ(view->Combo(IDC_AIRPORT_IDENT)->currentText(), "KBFI");
    EXPECT_EQ(Rows(IDC_AIRPORT_INFO_LIST, 1).value(0), "BOEING FIELD");
}

TEST_F(AirportViewTest, ViewRunwaysOpensTheDiagram) {
    MakeView();
    ASSERT_TRUE(view->ShowIdent("KSEA"));
    QString header;
    platform.dialogScripts.append([&header](QDialog* dialog) {
        header = dynamic_cast<CRunwayDiagramDlg*>(dialog)->HeaderText();
        EXPECT_FALSE(dialog->grab().isNull()); // paints without a fault
        return int{kIdCancel};
    });
    SelectTab(CAirportView::kRunwayTab);
    view->Button(IDC_AIRPORT_VIEW_RUNWAYS)->click();
    EXPECT_EQ(header, "Runways - KSEA");
}

TEST_F(AirportViewTest, FileOpenLoadsAndStoresTheFile) {
    MakeView();
    ASSERT_TRUE(view->ShowIdent("KSEA"));
    EXPECT_TRUE(commands.State(ID_FILE_OPEN).enabled);
    const QString other = WriteNavFile(folder, NavBytes(SampleData()), "other.nav");
    platform.openFileAnswers = {other, folder.File("missing.nav")};
    ASSERT_TRUE(commands.Run(ID_FILE_OPEN));
    EXPECT_EQ(platform.settings.ReadText("AirportFile"), other);
    EXPECT_EQ(platform.fileRequests.value(0).initialPath, "");
    EXPECT_TRUE(view->Combo(IDC_AIRPORT_IDENT)->currentText().isEmpty());
    // Show then asks for an identifier.
    EXPECT_EQ(Messages(), QStringList{"You must enter a 3 or 4 character ICAO identifier."});
    // A file that cannot be opened is reported and stored all the same.
    ASSERT_TRUE(commands.Run(ID_FILE_OPEN));
    EXPECT_TRUE(Messages().value(1).startsWith("Error:\nUnable to open Airport file.\n"));
    EXPECT_EQ(platform.settings.ReadText("AirportFile"), folder.File("missing.nav"));
    EXPECT_FALSE(document->NavData().IsLoaded());
}

} // namespace
