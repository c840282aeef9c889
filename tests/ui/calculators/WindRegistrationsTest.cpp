#include "AirDataTestSupport.h"

#include "core/common/io/DeviceFolders.h"
#include "core/gps/GpsFix.h"
#include "resource.h"
#include "support/TempFolder.h"
#include "ui/calculators/WindRegistrations.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"

namespace {

const struct {
    int command;
    const char* caption;
    int portrait;
} kWindCommands[] = {
    {ID_CALC_GROUND_SPEED, "Ground Speed", IDD_GROUND_SPEED_P},
    {ID_CALC_HEADING_TIME, "Heading && Time", IDD_HEADING_TIME_P},
    {ID_CALC_FIND_WIND, "Wind", IDD_FIND_WIND_P},
    {ID_CALC_CROSS_WIND, "Cross Wind", IDD_CROSS_WIND_P},
    {ID_CALC_HOLD_TIMES, "Hold", IDD_HOLD_TIMING_P},
    {ID_CALC_HOLD_VIEW, "Hold", IDD_HOLD_ENTRY_P},
};

class WindRegistrationsTest : public CalculatorDialogTest {
protected:
    void SetUp() override {
        CalculatorDialogTest::SetUp();
        SetDocumentsFolder(documents.Path());
    }
    void TearDown() override {
        SetDocumentsFolder(QString());
        CalculatorDialogTest::TearDown();
    }
    TempFolder documents;
    GpsFix fix;
    ScreenRegistry registry;
    CCommandTable commands;
};

TEST_F(WindRegistrationsTest, EachCommandOpensItsDialog) {
    RegisterWindCalculators(registry);
    CTrevallionDoc document(platform.settings, fix);
    for (const auto& c : kWindCommands) {
        QString caption;
        int created = 0;
        platform.dialogScripts.append([&](QDialog* d) {
            auto* dialog = static_cast<CCalcDialog*>(d);
            caption = dialog->Caption();
            created = dialog->CreatedTemplateId();
            return static_cast<int>(kIdCancel);
        });
        CommandContext context{document, nullptr, c.command, ID_VIEW_TIMES, commands};
        ASSERT_TRUE(registry.RunCommand(c.command, context)) << c.command;
        EXPECT_EQ(caption, c.caption) << c.command;
        EXPECT_EQ(created, c.portrait) << c.command;
    }
    EXPECT_EQ(registry.DialogTemplates().size(), std::size(kWindCommands));
}

} // namespace
