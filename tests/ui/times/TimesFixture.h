#pragma once
// Fixture of the Times view and GPS dialog tests: the application shell's fixture with the Times
// screens registered, and helpers to press the view's buttons.

#include "resource.h"
#include "ui/app/ShellFixture.h"
#include "ui/times/TimerView.h"
#include "ui/times/TimesRegistrations.h"

#include <QTest>

class TimesViewTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        RegisterTimesScreens(registry);
    }

    CTimerView& MakeTimesView() {
        MakeFrame(ID_VIEW_TIMES);
        auto* view = dynamic_cast<CTimerView*>(frame->ActiveView());
        EXPECT_NE(view, nullptr);
        return *view;
    }
    CTimerView& View() const { return *dynamic_cast<CTimerView*>(frame->ActiveView()); }
    void Press(int id) const { QTest::mouseClick(View().Control(id), Qt::LeftButton); }
    QString Text(int id) const { return View().ButtonText(id).text; }
    TextColour Colour(int id) const { return View().ButtonText(id).colour; }
    QString Caption(int id) const;
    void SetTime(int hour, int minute) {
        platform.clock.Set(QDateTime(QDate(2026, 3, 20), QTime(hour, minute), QTimeZone::utc()));
    }
    const FlightTimes& Flight() const { return document->Times().flight; }
};
