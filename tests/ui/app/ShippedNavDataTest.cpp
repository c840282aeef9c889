// A new user: no settings, no data files, the program's shipped data. The program starts without
// any message and the airport directory shows airports of the shipped world file.
#include "ShellFixture.h"

#include "core/app/ViewTable.h"
#include "core/navdata/NavFileChoice.h"
#include "resource.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/app/TrevallionApp.h"
#include "ui/navdata/AirportView.h"

#include <QTreeWidget>

namespace {

class ShippedNavDataTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetProgramFolder(QStringLiteral(TREVALLION_SHARE_DIR));
    }
};

TEST_F(ShippedNavDataTest, AFreshHomeStartsWithoutAMessageAndShowsAnAirport) {
    platform.settings.WriteInt("View", kViewAirportDirectory);
    CTrevallionApp app;
    ASSERT_TRUE(app.InitInstance()) << app.StartupError().toStdString();
    for (const auto& m : platform.messages)
        ADD_FAILURE() << m.text.toStdString();
    EXPECT_EQ(app.Document()->NavFilePath(), ShippedNavFilePath());
    const NavDatabase& nav = app.Document()->NavData();
    ASSERT_TRUE(nav.IsLoaded());
    EXPECT_TRUE(nav.Description().startsWith("OurAirports World"));
    EXPECT_NE(nav.ValidityDate(), 0u);
    EXPECT_GT(nav.AirportCount(), 20000);

    auto* view = dynamic_cast<CAirportView*>(app.MainFrame()->ActiveView());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->ShowIdent("KSEA"));
    EXPECT_TRUE(platform.messages.isEmpty());
    auto* info = view->Item<QTreeWidget>(IDC_AIRPORT_INFO_LIST);
    ASSERT_GT(info->topLevelItemCount(), 4);
    EXPECT_TRUE(info->topLevelItem(0)->text(1).contains("Seattle", Qt::CaseInsensitive));
    EXPECT_GE(nav.CurrentAirport().runways.size(), 3);
    EXPECT_FALSE(nav.CurrentAirport().comm.isEmpty());
}

TEST_F(ShippedNavDataTest, AChosenFileThatCannotOpenIsReportedWithItsPath) {
    const QString chosen = documents.File("charts/gone.nav");
    platform.settings.WriteText("AirportFile", chosen);
    CTrevallionApp app;
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(platform.messages.size(), 1);
    const QString text = platform.messages[0].text;
    EXPECT_TRUE(text.startsWith("Error:\nUnable to open Airport file.\n"));
    EXPECT_TRUE(text.contains(chosen));
    EXPECT_TRUE(text.contains("trevallion-data nav build"));
    EXPECT_FALSE(app.Document()->NavData().IsLoaded());
}

} // namespace
