#include "ui/framework/EditGrid.h"
#include "support/ScriptedPlatform.h"
#include "ui/framework/CellEdit.h"
#include "ui/framework/ColourScheme.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Columns: Station (read-only, 80), Weight (60), Arm (read-only, 60), Moment (90), Note (100):
// 390 pixels in a viewport of about 200, so the last columns need horizontal scrolling.
struct ShownGrid {
    ScriptedPlatform platform;
    CEditGrid grid;
    QSignalSpy changed{&grid, &CEditGrid::CellChanged};

    ShownGrid() {
        grid.InsertColumn(0, "Station", 80);
        grid.InsertColumn(1, "Weight", 60, Qt::AlignRight);
        grid.InsertColumn(2, "Arm", 60, Qt::AlignRight);
        grid.InsertColumn(3, "Moment", 90);
        grid.InsertColumn(4, "Note", 100);
        grid.SetReadOnly(0, true);
        grid.SetReadOnly(2, true);
        grid.SetEditLabels(true);
        const char* stations[] = {"Pilot", "Passenger", "Baggage", "Fuel"};
        for (const char* s : stations) {
            const int row = grid.InsertRow(grid.RowCount(), s);
            grid.SetItemText(row, 1, QString::number(100 + row));
            grid.SetItemText(row, 2, "85.5");
            grid.SetItemText(row, 3, QString("m%1").arg(row));
        }
        grid.resize(204, 140);
        grid.show();
        grid.activateWindow();
        grid.setFocus();
        QApplication::processEvents();
    }
    ~ShownGrid() { CCellEdit::Release(&grid); }

    void Tap(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers,
                          grid.CellRect(row, column).center());
    }
    int Scroll() const { return grid.horizontalScrollBar()->value(); }
};

TEST(EditGrid, TapOnAnEditableCellOpensTheEditorAtOnce) {
    ShownGrid g;
    g.Tap(2, 1); // row 2 was not focused yet
    EXPECT_EQ(g.grid.currentIndex().row(), 2);
    CCellEdit* editor = CCellEdit::Instance();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Row(), 2);
    EXPECT_EQ(editor->Column(), 1);
    EXPECT_EQ(editor->text(), QStringLiteral("102"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("102"));
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->geometry(), g.grid.CellRect(2, 1));
    EXPECT_EQ(editor->MenuResource(), CCellEdit::kDefaultMenu);
    EXPECT_EQ(g.grid.EditedRow(), 2);

    QTest::keyClicks(editor, "250");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(CCellEdit::Instance(), nullptr);
    EXPECT_TRUE(g.grid.hasFocus());
    ASSERT_EQ(g.changed.size(), 1);
    EXPECT_EQ(g.changed[0], (QVariantList{2, 1, QStringLiteral("250")}));
    EXPECT_EQ(g.grid.ItemText(2, 1), QStringLiteral("250"));
    EXPECT_EQ(g.grid.EditedRow(), -1);
}

TEST(EditGrid, ReadOnlyCellsAndModifierTapsOnlySelect) {
    ShownGrid g;
    g.Tap(1, 0);
    EXPECT_EQ(g.grid.currentIndex().row(), 1);
    EXPECT_EQ(CCellEdit::Instance(), nullptr);
    g.grid.EditCell(3, 2); // read-only column: selected, no editor
    EXPECT_EQ(g.grid.currentIndex().row(), 3);
    EXPECT_EQ(CCellEdit::Instance(), nullptr);
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
        g.Tap(0, 1, modifier);
        EXPECT_EQ(g.grid.currentIndex().row(), 0);
        EXPECT_EQ(CCellEdit::Instance(), nullptr) << modifier;
    }
    g.grid.SetEditLabels(false); // without label editing nothing opens either
    g.Tap(2, 1);
    EXPECT_EQ(CCellEdit::Instance(), nullptr);
    EXPECT_TRUE(g.changed.isEmpty());
}

TEST(EditGrid, EscapeRestoresTheTextAndStillNotifies) {
    ShownGrid g;
    g.grid.EditCell(0, 1);
    ASSERT_NE(CCellEdit::Instance(), nullptr);
    QTest::keyClicks(CCellEdit::Instance(), "999");
    QTest::keyClick(CCellEdit::Instance(), Qt::Key_Escape);
    EXPECT_EQ(CCellEdit::Instance(), nullptr);
    ASSERT_EQ(g.changed.size(), 1);
    EXPECT_EQ(g.changed[0], (QVariantList{0, 1, QStringLiteral("100")}));
    EXPECT_EQ(g.grid.ItemText(0, 1), QStringLiteral("100"));
}

TEST(EditGrid, ColumnsScrollIntoViewByTheRule) {
    ShownGrid g;
    const int client = g.grid.viewport()->width();
    ASSERT_LT(client, 290);
    ASSERT_GT(g.grid.horizontalScrollBar()->maximum(), 100);
    // Moment (left 200) is cut off on the right: scrolled right by left + width - client.
    const int before = g.grid.ColumnLeft(3);
    g.grid.EditCell(0, 3);
    EXPECT_EQ(g.Scroll(), before + 90 - client);
    ASSERT_NE(CCellEdit::Instance(), nullptr);
    EXPECT_EQ(CCellEdit::Instance()->geometry(), g.grid.CellRect(0, 3));
    EXPECT_LE(CCellEdit::Instance()->geometry().right(), client - 1);
    g.grid.setFocus();
    // Weight is now partly hidden on the left: its left edge goes to the left edge.
    ASSERT_LT(g.grid.ColumnLeft(1), 0);
    g.grid.EditCell(1, 1);
    EXPECT_EQ(g.grid.ColumnLeft(1), 0);
    g.grid.setFocus();
    // A column in view does not scroll.
    const int scroll = g.Scroll();
    g.grid.EditCell(1, 1);
    EXPECT_EQ(g.Scroll(), scroll);
    g.grid.setFocus();
    EXPECT_EQ(g.changed.size(), 3);
}

TEST(EditGrid, AllowedCharactersBeepAndPastesAreCheckedWhole) {
    ShownGrid g;
    g.grid.SetAllowedCharacters("0123456789.");
    g.grid.EditCell(1, 1);
    CCellEdit* editor = CCellEdit::Instance();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "1a2");
    EXPECT_EQ(editor->text(), QStringLiteral("12"));
    EXPECT_EQ(g.platform.beeps, 1);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), QStringLiteral("1"));
    g.platform.clipboard = "5x";
    QTest::keySequence(editor, QKeySequence::Paste);
    EXPECT_EQ(editor->text(), QStringLiteral("1"));
    g.platform.clipboard = "5.5";
    QTest::keySequence(editor, QKeySequence::Paste);
    EXPECT_EQ(editor->text(), QStringLiteral("15.5"));
    EXPECT_EQ(g.platform.beeps, 1);
}

TEST(EditGrid, OneEditorForTheWholeProgram) {
    ShownGrid g;
    CEditGrid other;
    other.InsertColumn(0, "A", 50);
    other.InsertRow(0, "x");
    g.grid.EditCell(0, 1);
    CCellEdit* first = CCellEdit::Instance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CCellEdit::Start(&other, QRect(0, 0, 50, 16), 0, 0, {}, "x"), nullptr);
    EXPECT_EQ(CCellEdit::Instance(), first);
    CCellEdit::Release(&other); // not its editor: stays open
    EXPECT_EQ(CCellEdit::Instance(), first);
}

TEST(EditGrid, ScrollingEndsAnOpenEdit) {
    ShownGrid g;
    g.grid.EditCell(2, 1);
    ASSERT_NE(CCellEdit::Instance(), nullptr);
    QTest::keyClicks(CCellEdit::Instance(), "7");
    g.grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(CCellEdit::Instance(), nullptr);
    ASSERT_EQ(g.changed.size(), 1);
    EXPECT_EQ(g.changed[0], (QVariantList{2, 1, QStringLiteral("7")}));
}

TEST(EditGrid, DestroyingTheGridReleasesItsEditorQuietly) {
    ScriptedPlatform platform;
    bool notified = false;
    {
        CEditGrid grid;
        grid.InsertColumn(0, "A", 50);
        grid.InsertRow(0, "x");
        grid.SetEditLabels(true);
        grid.resize(100, 80);
        grid.show();
        QObject::connect(&grid, &CEditGrid::CellChanged, [&] { notified = true; });
        grid.EditCell(0, 0);
        ASSERT_NE(CCellEdit::Instance(), nullptr);
    }
    EXPECT_EQ(CCellEdit::Instance(), nullptr);
    EXPECT_FALSE(notified);
}

TEST(EditGrid, HitTestReadOnlySetAndGreyColumns) {
    ShownGrid g;
    const QRect cell = g.grid.CellRect(1, 1);
    EXPECT_EQ(g.grid.CellAt(cell.center()), (CEditGrid::Cell{1, 1}));
    EXPECT_FALSE(g.grid.CellAt(QPoint(5, g.grid.viewport()->height() - 2)).IsValid());
    g.grid.setColumnWidth(0, 40); // now the columns end before the right edge
    g.grid.setColumnWidth(3, 30);
    g.grid.setColumnWidth(4, 0);
    const int rightOfLast = g.grid.ColumnLeft(4) + 2;
    ASSERT_LT(rightOfLast, g.grid.viewport()->width());
    EXPECT_FALSE(g.grid.CellAt(QPoint(rightOfLast, cell.center().y())).IsValid());

    g.grid.SetReadOnly(1, true);
    g.grid.SetReadOnly(1, true);
    g.grid.SetReadOnly(1, false); // added twice, removed once: gone
    EXPECT_FALSE(g.grid.IsReadOnly(1));
    EXPECT_TRUE(g.grid.IsReadOnly(2));

    // Below the last row the background still shows the columns: grey where read-only.
    g.grid.setFocus();
    const QImage image = g.grid.viewport()->grab().toImage();
    const int y = image.height() - 3;
    EXPECT_EQ(image.pixel(g.grid.ColumnLeft(0) + 10, y) & 0xFFFFFF,
              (DayColours().readOnly.rgb() & 0xFFFFFF));
    EXPECT_EQ(image.pixel(g.grid.ColumnLeft(1) + 10, y) & 0xFFFFFF,
              g.grid.palette().color(QPalette::Base).rgb() & 0xFFFFFF);
    EXPECT_EQ(image.pixel(g.grid.ColumnLeft(2) + 10, y) & 0xFFFFFF,
              (DayColours().readOnly.rgb() & 0xFFFFFF));
}

} // namespace
