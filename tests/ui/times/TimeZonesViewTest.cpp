// The Time Zones view and its editor, as a user meets them: the default places, the editor's
// check boxes, add, edit and remove, and the "TimeZone%i" values written back.
#include "TimesFixture.h"

#include "core/common/settings/SettingsStore.h"
#include "ui/times/TimeZoneDlg.h"
#include "ui/times/TimeZonesDlg.h"
#include "ui/times/TimeZonesView.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class TimeZonesViewTest : public TimesViewTest {
protected:
    CTimeZonesView& MakeZonesView() {
        MakeFrame(ID_VIEW_TIME_ZONES);
        auto* view = dynamic_cast<CTimeZonesView*>(frame->ActiveView());
        EXPECT_NE(view, nullptr);
        return *view;
    }
    CTimeZonesView& ZonesView() const {
        return *dynamic_cast<CTimeZonesView*>(frame->ActiveView());
    }
    // Runs Edit, Time Zones... with a script for the editor, which then closes with "Close".
    void EditZones(std::function<void(CTimeZonesDlg&)> script) {
        platform.dialogScripts.append([script](QDialog* d) {
            auto& editor = *static_cast<CTimeZonesDlg*>(d);
            script(editor);
            QTest::mouseClick(editor.Button(kIdOk), Qt::LeftButton);
            return editor.result();
        });
        frame->Commands().Run(ID_EDIT_TIME_ZONES);
    }
    static void Select(CTimeZonesDlg& d, int row) {
        d.List()->setCurrentItem(d.List()->topLevelItem(row));
    }
    // The next "Time Zone" dialog: types the name, chooses the zone by key and taps OK.
    void AnswerZone(const QString& name, int key) {
        platform.dialogScripts.append([name, key](QDialog* d) {
            auto& zone = *static_cast<CTimeZoneDlg*>(d);
            zone.SetDlgItemText(IDC_ZONE_NAME, name);
            QComboBox* zones = zone.Combo(IDC_ZONE_LIST);
            zones->setCurrentIndex(zones->findData(key));
            static_cast<QDialog&>(zone).accept();
            return zone.result();
        });
    }
    QStringList Names() const {
        QStringList names;
        for (const WorldClockRow& row : ZonesView().Rows())
            names.append(row.name);
        return names;
    }
    QString Stored(int i) const {
        return platform.settings.ReadText(QStringLiteral("TimeZone%1").arg(i));
    }
};

TEST_F(TimeZonesViewTest, ANewUserSeesFourPlacesAtTheirTimes) {
    platform.clock.Set(QDateTime(QDate(2026, 6, 10), QTime(23, 30), QTimeZone::utc()));
    MakeZonesView();
    const QVector<WorldClockRow> expected = {
        {"London", "23:30"}, {"Toronto", "19:30"}, {"Seattle", "16:30"}, {"Sydney", "09:30+"}};
    EXPECT_EQ(ZonesView().Rows(), expected);
    EXPECT_TRUE(frame->Commands().State(ID_EDIT_TIME_ZONES).enabled);
    frame->SwitchView(ID_VIEW_TIMES);
    EXPECT_FALSE(frame->Commands().State(ID_EDIT_TIME_ZONES).enabled);
}

// In landscape only nine clocks fit; the others are reached by scrolling, down to the last and
// no further, and a turn to portrait, which holds more, shows no space after the last.
TEST_F(TimeZonesViewTest, MorePlacesThanFitScrollIntoView) {
    for (int i = 0; i < 14; ++i)
        platform.settings.WriteText(QStringLiteral("TimeZone%1").arg(i),
                                    QStringLiteral("Place %1=85").arg(i));
    platform.screen.SetSize(QSize(320, 240));
    CTimeZonesView& view = MakeZonesView();
    frame->show(); // laid out at the screen's size
    QApplication::processEvents();
    const int shown = view.VisibleRowCount();
    ASSERT_GE(shown, 8);
    ASSERT_LT(shown, 14);
    EXPECT_EQ(view.FirstRow(), 0);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(view.FirstRow(), 1);
    QTest::keyClick(&view, Qt::Key_PageDown);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.FirstRow(), 14 - shown); // the last place is on the screen
    QTest::keyClick(&view, Qt::Key_PageUp);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(view.FirstRow(), 0);
    QTest::keyClick(&view, Qt::Key_PageDown);
    platform.screen.SetSize(QSize(240, 320));
    QApplication::processEvents();
    EXPECT_EQ(view.FirstRow(), 14 - view.VisibleRowCount());
}

TEST_F(TimeZonesViewTest, RepaintsWhenTheUtcMinuteChanges) {
    platform.clock.Set(QDateTime(QDate(2026, 6, 10), QTime(8, 0, 10), QTimeZone::utc()));
    CTimeZonesView& view = MakeZonesView();
    const int before = view.RepaintCount();
    platform.clock.AdvanceSeconds(30);
    frame->OnTimer();
    EXPECT_EQ(view.RepaintCount(), before);
    platform.clock.AdvanceSeconds(30);
    frame->OnTimer();
    EXPECT_EQ(view.RepaintCount(), before + 1);
}

TEST_F(TimeZonesViewTest, AnUncheckedPlaceIsHiddenAndStoredWithANegativeKey) {
    MakeZonesView();
    EditZones([](CTimeZonesDlg& d) {
        ASSERT_EQ(d.List()->topLevelItemCount(), 4);
        EXPECT_EQ(d.List()->topLevelItem(1)->checkState(0), Qt::Checked);
        d.List()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    });
    EXPECT_EQ(Names(), (QStringList{"London", "Seattle", "Sydney"}));
    EXPECT_EQ((QStringList{Stored(0), Stored(1), Stored(2), Stored(3)}),
              (QStringList{"London=90", "Toronto=-35", "Seattle=4", "Sydney=255"}));
    EditZones([](CTimeZonesDlg& d) { // shown unchecked; ticking it brings it back
        EXPECT_EQ(d.List()->topLevelItem(1)->checkState(0), Qt::Unchecked);
        d.List()->topLevelItem(1)->setCheckState(0, Qt::Checked);
    });
    EXPECT_EQ(Stored(1), "Toronto=35");
}

TEST_F(TimeZonesViewTest, EditingRewritesTheValuesAndDeletesTheSurplus) {
    const QStringList stored = {"Home=85", "no equals sign", "Base=-4", "Work=210", "Far=290"};
    for (int i = 0; i < stored.size(); ++i)
        platform.settings.WriteText(QStringLiteral("TimeZone%1").arg(i), stored[i]);
    platform.settings.WriteText("TimeZone6", "After a gap=1"); // not read: TimeZone5 is missing
    MakeZonesView();
    EXPECT_EQ(Names(), (QStringList{"Home", "Work", "Far"}));
    platform.messageAnswers = {kIdCancel, kIdOk};
    EditZones([&](CTimeZonesDlg& d) {
        Select(d, 0);
        d.Remove(); // Cancel keeps it
        Select(d, 2);
        d.Remove();
        Select(d, 1);
        AnswerZone("Office", 35);
        d.EditPlace();
    });
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[0].text, "Remove Home?");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(platform.messages[1].text, "Remove Work?");
    EXPECT_EQ((QStringList{Stored(0), Stored(1), Stored(2), Stored(3), Stored(4)}),
              (QStringList{"Home=85", "Office=-35", "Far=290", "", ""}));
    EXPECT_EQ(Stored(6), "After a gap=1"); // never read, so left alone
}

TEST_F(TimeZonesViewTest, AnAddedPlaceIsThereAfterARestart) {
    MakeZonesView();
    EditZones([this](CTimeZonesDlg& d) {
        AnswerZone("Auckland", 290);
        d.Add();
    });
    frame.reset();
    document.reset();
    MakeZonesView();
    ASSERT_EQ(Names(), (QStringList{"London", "Toronto", "Seattle", "Sydney", "Auckland"}));
    EXPECT_EQ(Stored(4), "Auckland=290");
}

} // namespace
