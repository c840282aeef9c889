// View, Night Colours switches the whole program at once and back, remembered in the settings;
// a painted graph then has no white left to dazzle the pilot.
#include "ShellFixture.h"

#include "core/common/settings/SettingsSchema.h"
#include "resource.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/calculators/WindGraph.h"
#include "ui/framework/ColourScheme.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

class NightColoursTest : public ShellTest {
protected:
    void TearDown() override {
        ApplyColourScheme(false);
        ShellTest::TearDown();
    }
};

bool HasWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).lightness() > 200)
                return true;
    return false;
}

QImage WindGraphPicture() {
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    WindGraphValues values;
    values.hasAircraft = values.hasResult = true;
    values.heading = 90;
    values.windDirection = 60;
    values.course = 120;
    DrawWindGraph(painter, image.rect(), values);
    return image;
}

TEST_F(NightColoursTest, TheCommandSwitchesAtOnceAndBackAndIsRemembered) {
    RegisterScreens(registry);
    CMainFrame& frame = MakeFrame(ID_VIEW_TIMES);
    const QPalette day = QApplication::palette();
    EXPECT_TRUE(HasWhite(WindGraphPicture()));

    frame.Commands().Run(ID_VIEW_NIGHT_COLOURS);
    EXPECT_EQ(setting::kNightColours.Read(platform.settings), 1);
    EXPECT_TRUE(frame.Commands().State(ID_VIEW_NIGHT_COLOURS).checked);
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightness(), 40);
    EXPECT_FALSE(HasWhite(WindGraphPicture()));

    frame.Commands().Run(ID_VIEW_NIGHT_COLOURS);
    EXPECT_EQ(setting::kNightColours.Read(platform.settings), 0);
    EXPECT_FALSE(frame.Commands().State(ID_VIEW_NIGHT_COLOURS).checked);
    EXPECT_EQ(QApplication::palette(), day);
}

} // namespace
