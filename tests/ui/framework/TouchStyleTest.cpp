#include "ui/framework/TouchStyle.h"

#include "support/ScriptedPlatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// Runs a test under the touch style and gives the application its old style back afterwards.
class TouchStyleTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldStyle_ = QApplication::style()->name();
        InstallTouchStyle(*qApp);
    }
    void TearDown() override { QApplication::setStyle(oldStyle_); }

private:
    QString oldStyle_;
};

// The Wind Direction drop-down: 36 values, rows a finger high, a scroll bar a finger wide.
TEST_F(TouchStyleTest, DropDownRowsAndScrollBarsAreLargeEnoughToTouch) {
    ScriptedPlatform platform;
    QWidget window;
    window.resize(240, 320);
    QComboBox combo(&window);
    combo.setEditable(true);
    combo.setItemDelegate(new QStyledItemDelegate(&combo));
    for (int degrees = 10; degrees <= 360; degrees += 10)
        combo.addItem(QString::number(degrees));
    combo.setGeometry(60, 20, 60, 20);
    window.show();
    combo.showPopup();
    QCoreApplication::processEvents();
    QAbstractItemView* list = combo.view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_GE(list->visualRect(combo.model()->index(0, 0)).height(), CTouchStyle::kMinRowHeight);
    EXPECT_GE(list->verticalScrollBar()->sizeHint().width(), CTouchStyle::kMinScrollBarWidth);
    EXPECT_EQ(combo.height(), 20); // the closed control keeps its template rectangle
    combo.hidePopup();
}

TEST_F(TouchStyleTest, MenuRowsAreAtLeastTwentyPixelsHigh) {
    QMenu menu;
    QAction* first = menu.addAction(QStringLiteral("Portrait"));
    menu.addSeparator();
    QAction* last = menu.addAction(QStringLiteral("Landscape (Left)"));
    menu.popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    EXPECT_GE(menu.actionGeometry(first).height(), CTouchStyle::kMinRowHeight);
    EXPECT_GE(menu.actionGeometry(last).height(), CTouchStyle::kMinRowHeight);
    menu.close();
}

} // namespace
