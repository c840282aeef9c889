#include "ui/framework/DeviceScreen.h"
#include "ui/framework/ControlFactory.h"
#include "ui/framework/DialogUnits.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(DeviceScreen, ParsesSizesFromText) {
    EXPECT_EQ(DeviceScreen::ParseSize("240x240"), QSize(240, 240));
    EXPECT_EQ(DeviceScreen::ParseSize(" 320X240 "), QSize(320, 240));
    EXPECT_FALSE(DeviceScreen::ParseSize("240").isValid());
    EXPECT_FALSE(DeviceScreen::ParseSize("0x0").isValid());
    EXPECT_FALSE(DeviceScreen::ParseSize("99999x240").isValid());
    EXPECT_EQ(DeviceScreen::ParseSize("\t240 x 320\n"), QSize(240, 320));
    for (const char* bad : {"240x320x2", "+240x320", "240x32O", "x240", "240x", "24 0x320"})
        EXPECT_FALSE(DeviceScreen::ParseSize(QString::fromLatin1(bad)).isValid()) << bad;
}

TEST(DeviceScreen, RotationSwapsWidthAndHeight) {
    DeviceScreen screen(QSize(240, 320));
    QSignalSpy changed(&screen, &DeviceScreen::Changed);
    EXPECT_EQ(screen.SupportedOrientations(),
              DeviceScreen::kSupports90 | DeviceScreen::kSupports270);
    screen.SetOrientation(DeviceScreen::Angle270);
    EXPECT_EQ(screen.Size(), QSize(320, 240));
    EXPECT_TRUE(screen.IsLandscapeWidth());
    EXPECT_EQ(screen.Orientation(), 270);
    screen.SetOrientation(DeviceScreen::Angle270); // already there
    screen.SetOrientation(DeviceScreen::Angle0);
    EXPECT_EQ(screen.Size(), QSize(240, 320));
    EXPECT_EQ(changed.count(), 2);
}

// On a display the screen fills, a turn that the display cannot show is refused, and a screen
// already turned so is turned back when the limit becomes known; a display that holds both
// shapes turns both ways.
TEST(DeviceScreen, TurnsOnlyIntoShapesTheDisplayShows) {
    const struct {
        QSize natural, display;
        int supported;
    } cases[] = {
        {{320, 240}, {320, 240}, DeviceScreen::kSupports180},
        {{240, 320}, {240, 320}, 0},
        {{240, 320}, {320, 320}, DeviceScreen::kSupports90 | DeviceScreen::kSupports270},
        {{240, 320}, {}, DeviceScreen::kSupports90 | DeviceScreen::kSupports270},
    };
    for (const auto& c : cases) {
        DeviceScreen screen(c.natural);
        screen.SetOrientation(DeviceScreen::Angle90);
        screen.SetDisplayLimit(c.display);
        EXPECT_EQ(screen.SupportedOrientations(), c.supported) << c.natural.width();
        const bool turns = (c.supported & DeviceScreen::kSupports90) != 0;
        EXPECT_EQ(screen.Orientation(), turns ? 90 : 0) << c.natural.width();
        EXPECT_EQ(screen.Size(), turns ? c.natural.transposed() : c.natural);
    }
}

TEST(DeviceScreen, SquareScreenDoesNotTurn) {
    DeviceScreen screen(QSize(240, 240));
    EXPECT_TRUE(screen.IsSquare());
    EXPECT_EQ(screen.SupportedOrientations(), 0);
    screen.SetOrientation(DeviceScreen::Angle90);
    EXPECT_EQ(screen.Orientation(), 0);
}

TEST(DialogUnits, FixedBaseUnits) {
    EXPECT_EQ(DialogUnitsToPixelsX(160), 240);
    EXPECT_EQ(DialogUnitsToPixelsY(170), 276);
    EXPECT_EQ(DialogRectToPixels({1, 1, 1, 1}), QRect(2, 2, 1, 1)); // 1.5 and 1.625 round up
    ControlTemplate combo;
    combo.keyword = "COMBOBOX";
    combo.rect = {10, 10, 40, 80};
    EXPECT_EQ(ControlPixelRect(combo).height(),
              DialogUnitsToPixelsY(22) - DialogUnitsToPixelsY(10));
}

TEST(ControlFactory, StaticTextsLoseMnemonicMarkers) {
    EXPECT_EQ(StaticDisplayText("Weight && Balance"), QStringLiteral("Weight & Balance"));
    EXPECT_EQ(StaticDisplayText("&Wind:"), QStringLiteral("Wind:"));
    EXPECT_EQ(StaticDisplayText("A&&&B"), QStringLiteral("A&B"));
}

} // namespace

#include "ui/framework/SpinButton.h"

#include <QToolButton>

namespace {

// A low up-down control puts its arrows side by side, each at least a finger wide and the
// control's full height; a tall one keeps them stacked.
TEST(SpinButton, ArrowsAreLargeEnoughToHit) {
    CSpinButton low(Qt::Vertical);
    low.resize(33, 19);
    low.show();
    const QList<QToolButton*> lowArrows = low.findChildren<QToolButton*>();
    ASSERT_EQ(lowArrows.size(), 2);
    for (const QToolButton* arrow : lowArrows) {
        EXPECT_GE(arrow->width(), CSpinButton::kMinArrowSize);
        EXPECT_EQ(arrow->height(), 19);
    }
    CSpinButton tall(Qt::Vertical);
    tall.resize(20, 40);
    tall.show();
    for (const QToolButton* arrow : tall.findChildren<QToolButton*>()) {
        EXPECT_EQ(arrow->width(), 20);
        EXPECT_EQ(arrow->height(), 20);
    }
}

} // namespace
