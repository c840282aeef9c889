#include "ui/checklists/ChecklistQuestionKeys.h"
#include "ui/framework/DeviceMessageBox.h"

#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// At the end of a sub group the runner asks whether to go on; a clicker's keys answer OK, the
// way they step through the items, while Escape and a button chosen with Tab keep their meaning.
TEST(ChecklistQuestionKeys, SteppingKeysAnswerTheQuestionWithOk) {
    ScriptedPlatform platform;
    const struct {
        Qt::Key key;
        bool focusCancel; // the focus moved to Cancel first
        int expected;
    } cases[] = {
        {Qt::Key_PageDown, false, kIdOk}, {Qt::Key_MediaNext, false, kIdOk},
        {Qt::Key_Right, false, kIdOk},    {Qt::Key_Down, false, kIdOk},
        {Qt::Key_Space, false, kIdOk},    {Qt::Key_Return, false, kIdOk},
        {Qt::Key_PageDown, true, kIdOk},  {Qt::Key_Right, true, kIdOk},
        {Qt::Key_Space, true, kIdCancel}, {Qt::Key_Escape, false, kIdCancel},
    };
    for (const auto& c : cases) {
        const CChecklistQuestionKeys keys;
        CDeviceMessageBox box(nullptr, QStringLiteral("Continue with Start?"),
                              QStringLiteral("Checklist"), MessageButtons::OkCancel,
                              MessageIcon::Question);
        QTimer::singleShot(0, &box, [&] {
            // The key goes to the focused button: OK, or Cancel after Tab.
            QTest::keyClick(box.Buttons().value(c.focusCancel ? 1 : 0), c.key);
            // A box that took no answer is closed so the next case runs.
            QTimer::singleShot(50, &box, [&] { box.done(-1); });
        });
        EXPECT_EQ(box.Run(), c.expected) << c.key << " " << c.focusCancel;
    }
}

} // namespace
