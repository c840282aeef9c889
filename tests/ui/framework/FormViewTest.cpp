#include "TestTemplates.h"

#include "support/ScriptedPlatform.h"
#include "ui/framework/CustomFormView.h"
#include "ui/framework/DialogUnits.h"

namespace {

class FormViewTest : public TestTemplatesFixture {};

constexpr LayoutTriple kViewTriple{300, 301, 302};

TEST_F(FormViewTest, TemplateChoiceFollowsTheScreenShape) {
    const struct {
        QSize screen;
        LayoutTriple templates;
        int expected;
    } cases[] = {
        {{240, 320}, kViewTriple, 300},   {{320, 240}, kViewTriple, 301},
        {{240, 240}, kViewTriple, 302},   {{320, 320}, kViewTriple, 302}, // square wins
        {{640, 480}, kViewTriple, 300},   {{320, 240}, {300, 0, 302}, 300},
        {{240, 240}, {300, 301, 0}, 300},
    };
    for (const auto& c : cases) {
        ScriptedPlatform platform(c.screen);
        CCustomFormView view(c.templates, "Airport Directory");
        ASSERT_TRUE(view.Create());
        EXPECT_EQ(view.CreatedTemplateId(), c.expected)
            << c.screen.width() << "x" << c.screen.height();
    }
}

TEST_F(FormViewTest, RelaysOutOnResize) {
    ScriptedPlatform platform(QSize(240, 320));
    CCustomFormView view(kViewTriple, "Checklist");
    ASSERT_TRUE(view.Create());
    view.show();
    platform.screen.SetOrientation(DeviceScreen::Angle90);
    view.resize(320, 240);
    EXPECT_EQ(view.GetDlgItem(kFieldA)->geometry(),
              ControlPixelRect(*Resources().dialogs[301].Control(kFieldA)));
}

TEST_F(FormViewTest, MessagesAreTitledWithTheView) {
    ScriptedPlatform platform;
    CCustomFormView view(kViewTriple, "Weight && Balance");
    ASSERT_TRUE(view.Create());
    view.ShowMessage("Error, Unable to open file.\n", MessageButtons::Ok, MessageIcon::None);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Weight & Balance"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
}

} // namespace
