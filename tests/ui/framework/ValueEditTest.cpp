#include "ui/framework/ValueEdit.h"
#include "core/common/resources/ResourceScript.h"
#include "core/common/resources/Resources.h"
#include "resource.h"
#include "support/ScriptedPlatform.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/MenuBuilder.h"
#include "ui/framework/WholeText.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A value field on screen with the last calculator result set for the test's lifetime.
struct ShownValueField {
    ScriptedPlatform platform;
    CValueEdit field;
    explicit ShownValueField(double lastResult = 0.0) {
        CurrentAppState().lastCalcResult = lastResult;
        field.resize(80, 24);
        field.show();
        QApplication::processEvents();
    }
    ~ShownValueField() { CurrentAppState().lastCalcResult = 0.0; }
    void RightClick() {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&field, &event);
    }
};

QStringList Numbers(int from, int to, int step) {
    QStringList texts;
    for (int v = from; v <= to; v += step)
        texts.append(QString::number(v));
    return texts;
}

TEST(ValueEdit, GeneratedRangeFollowsTheLastResult) {
    ShownValueField f(12.34);
    f.field.SetRange(20, 5);
    f.platform.popupAnswers = {CValueEdit::kRangeCommandBase + 15};
    f.RightClick();
    ASSERT_EQ(f.platform.popupMenus.size(), 1);
    EXPECT_EQ(f.platform.popupMenus[0], (QStringList{"12.3", "0", "5", "10", "15", "20"}));
    EXPECT_EQ(f.field.text(), QStringLiteral("15"));

    f.platform.popupAnswers = {CValueEdit::kLastResultCommand};
    f.RightClick();
    EXPECT_EQ(f.field.text(), QStringLiteral("12.3"));
    f.RightClick(); // dismissed: the text stays
    EXPECT_EQ(f.field.text(), QStringLiteral("12.3"));
}

TEST(ValueEdit, MenuResourceFirstSubMenuAndNoMenuCases) {
    ShownValueField f;
    f.field.SetMenuResource(IDR_TAS);
    f.field.SetRange(20, 5); // the resource wins
    f.platform.popupAnswers = {ID_VALUE_BASE + 175};
    f.RightClick();
    ASSERT_EQ(f.platform.popupMenus.size(), 1);
    EXPECT_EQ(f.platform.popupMenus[0], Numbers(100, 150, 5) + Numbers(150, 200, 5));
    EXPECT_EQ(f.field.text(), QStringLiteral("175"));

    // Without a resource and without a maximum, or with a missing resource: no menu at all,
    // not even for the last result.
    CurrentAppState().lastCalcResult = 5.0;
    CValueEdit none;
    EXPECT_EQ(none.CreateValueMenu(), nullptr);
    none.SetMenuResource(4242);
    EXPECT_EQ(none.CreateValueMenu(), nullptr);
    none.SetMenuResource(0);
    none.SetRange(10, 0); // a step below 1 counts as 1
    EXPECT_EQ(MenuCommandTexts(none.CreateValueMenu().get()),
              QStringList{"5.0"} + Numbers(0, 10, 1));
    none.SetRange(2000000000, 1); // a huge range is cut short instead of hanging
    EXPECT_EQ(MenuCommandTexts(none.CreateValueMenu().get()).size(),
              CValueEdit::kMaxRangeItems + 1);
}

// A chosen value goes in whole, whatever the field's length limit; the limit holds for typing,
// also while such a text is in the field, and comes back as the text is edited down.
TEST(ValueEdit, ChosenTextGoesInWholeAndTheLimitStaysForTyping) {
    const struct {
        int limit;
        int command;
        const char* chosen;
    } cases[] = {
        {2, CValueEdit::kLastResultCommand, "123.4"}, // the plan's wind speed
        {3, CValueEdit::kLastResultCommand, "123.4"}, // the plan's wind direction
        {1, CValueEdit::kRangeCommandBase + 30, "30"},
        {5, CValueEdit::kLastResultCommand, "123.4"}, // fits: nothing to lift
    };
    for (const auto& c : cases) {
        ShownValueField f(123.4);
        f.field.SetRange(30, 2);
        f.field.setMaxLength(c.limit);
        f.platform.popupAnswers = {c.command};
        f.RightClick();
        const QString chosen = QString::fromLatin1(c.chosen);
        EXPECT_EQ(f.field.text(), chosen) << c.limit;
        f.field.setFocus();
        f.field.end(false);
        QTest::keyClicks(&f.field, QStringLiteral("7")); // typing cannot lengthen it
        EXPECT_EQ(f.field.text(), chosen.size() < c.limit ? chosen + "7" : chosen) << c.limit;
        f.field.setCursorPosition(1);
        QTest::keyClick(&f.field, Qt::Key_Delete); // edited down, the cursor stays
        EXPECT_EQ(f.field.cursorPosition(), 1) << c.limit;
        f.field.selectAll();
        QTest::keyClicks(&f.field, QStringLiteral("987654"));
        EXPECT_EQ(f.field.text(), QStringLiteral("987654").left(c.limit)) << c.limit;
        EXPECT_EQ(TypingLimit(&f.field), c.limit);
    }
}

TEST(ValueEdit, ForwardFlagPassesTheCommandOn) {
    ShownValueField f(3.0);
    f.field.SetMenuResource(IDR_WIND_DIR);
    f.field.SetForward(true);
    f.field.setText(QStringLiteral("90"));
    QSignalSpy forwarded(&f.field, &CValueEdit::CommandForwarded);
    f.platform.popupAnswers = {ID_VALUE_BASE + 270};
    f.RightClick();
    ASSERT_EQ(forwarded.size(), 1);
    EXPECT_EQ(forwarded[0][0].toInt(), ID_VALUE_BASE + 270);
    EXPECT_EQ(f.field.text(), QStringLiteral("90"));
    // The last result still fills the field itself.
    f.platform.popupAnswers = {CValueEdit::kLastResultCommand};
    f.RightClick();
    EXPECT_EQ(f.field.text(), QStringLiteral("3.0"));
    EXPECT_EQ(forwarded.size(), 1);
}

TEST(ValueEdit, LongPressCountsAsTapAndHoldButAShortTapDoesNot) {
    ShownValueField f;
    f.field.SetRange(4, 2);
    // A short tap ends the hold before it completes: no menu.
    QTest::mouseClick(&f.field, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_FALSE(f.field.HoldPending());
    EXPECT_TRUE(f.platform.popupMenus.isEmpty());
    // A press that moves away is no hold either.
    QTest::mousePress(&f.field, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(f.field.HoldPending());
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 10), f.field.mapToGlobal(QPointF(60, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.field, &move);
    EXPECT_FALSE(f.field.HoldPending());
    QTest::mouseRelease(&f.field, Qt::LeftButton, Qt::NoModifier, QPoint(60, 10));
    // A press held until the hold timer runs out (completed here instead of waiting).
    f.platform.popupAnswers = {CValueEdit::kRangeCommandBase + 4};
    QTest::mousePress(&f.field, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_TRUE(f.field.HoldPending());
    f.field.CompleteHold();
    QTest::mouseRelease(&f.field, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_EQ(f.platform.popupMenus.size(), 1);
    EXPECT_EQ(f.platform.popupMenus[0], (QStringList{"0", "2", "4"}));
    EXPECT_EQ(f.field.text(), QStringLiteral("4"));
}

TEST(ValueMenus, TheProgramsMenusHoldTheirValues) {
    ScriptedPlatform platform;
    const struct {
        int menuId;
        QStringList texts;
    } menus[] = {
        {IDR_VALUES_0_59, Numbers(0, 59, 1)},
        {IDR_WEIGHTS, Numbers(0, 390, 10)},
        {IDR_WIND_DIR,
         Numbers(0, 90, 10) + Numbers(90, 180, 10) + Numbers(180, 270, 10) + Numbers(270, 350, 10)},
        {IDR_TAS, Numbers(100, 150, 5) + Numbers(150, 200, 5)}, // not an id
    };
    for (const auto& m : menus) {
        const QVector<MenuItem>* items = FirstSubMenuItems(m.menuId);
        ASSERT_NE(items, nullptr) << m.menuId;
        QMenu menu;
        AppendMenuItems(&menu, *items);
        EXPECT_EQ(MenuCommandTexts(&menu), m.texts) << m.menuId;
        // Every item's command is ID_VALUE_BASE + its value.
        for (const QString& text : m.texts) {
            const QAction* action = FindMenuCommand(&menu, ID_VALUE_BASE + text.toInt());
            ASSERT_NE(action, nullptr) << text.toStdString();
            EXPECT_EQ(action->text(), text);
        }
    }
}

TEST(MenuBuilder, FlagsAndSeparators) {
    ResourceSet set;
    set.symbols = PredefinedResourceSymbols();
    ASSERT_TRUE(ParseResourceScript(R"(
500 MENU
BEGIN
    MENUITEM "Top", 10
    POPUP "File"
    BEGIN
        MENUITEM "Open", 11
        MENUITEM SEPARATOR
        MENUITEM "Save", 12, GRAYED
        MENUITEM "Metric", 13, CHECKED
    END
END
)",
                                    "menus.rc", &set)
                    .ok());
    OverrideResourcesForTesting(&set);
    const QVector<MenuItem>* file = FirstSubMenuItems(500);
    ASSERT_NE(file, nullptr);
    QMenu menu;
    AppendMenuItems(&menu, *file);
    EXPECT_EQ(MenuCommandTexts(&menu), (QStringList{"Open", "Save", "Metric"}));
    EXPECT_TRUE(menu.actions()[1]->isSeparator());
    EXPECT_EQ(FindMenuCommand(&menu, 12), nullptr); // greyed commands cannot be chosen
    EXPECT_TRUE(FindMenuCommand(&menu, 13)->isChecked());
    EXPECT_EQ(MenuCommandId(menu.actions()[0]), 11);
    OverrideResourcesForTesting(nullptr);
}

} // namespace
