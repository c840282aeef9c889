// A flight recorded with the Times view's buttons shows in the Logbook view, which edits,
// deletes after asking, adds by hand and exports it.
#include "../times/TimesFixture.h"

#include "core/common/settings/SettingsSchema.h"
#include "core/logbook/LogbookStore.h"
#include "ui/logbook/LogbookEntryDlg.h"
#include "ui/logbook/LogbookRegistrations.h"
#include "ui/logbook/LogbookView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class LogbookViewTest : public TimesViewTest {
protected:
    void SetUp() override {
        TimesViewTest::SetUp();
        RegisterLogbookScreens(registry);
    }

    // Start-up 10:00, take-off 10:05, landing 11:00 and shut-down 11:06 by the buttons.
    void RecordFlight() {
        MakeTimesView();
        for (const auto& [minute, button] :
             {std::pair{0, IDC_TIMES_STARTUP}, std::pair{5, IDC_TIMES_TAKEOFF},
              std::pair{60, IDC_TIMES_LANDING}, std::pair{66, IDC_TIMES_SHUTDOWN}}) {
            SetTime(10 + minute / 60, minute % 60);
            Press(button);
        }
    }

    CLogbookView& Logbook() {
        frame->Commands().Run(ID_VIEW_LOGBOOK);
        auto* view = dynamic_cast<CLogbookView*>(frame->ActiveView());
        EXPECT_NE(view, nullptr);
        return *view;
    }

    static QStringList Row(CLogbookView& view, int row) {
        QTreeWidgetItem* item = view.Item<QTreeWidget>(IDC_LOGBOOK_LIST)->topLevelItem(row);
        QStringList texts;
        for (int c = 0; item && c < item->columnCount(); ++c)
            texts.append(item->text(c));
        return texts;
    }

    // A dialog script that types into the flight's fields and presses OK.
    static ScriptedPlatform::DialogScript TypeAndOk(QList<std::pair<int, QString>> fields) {
        return [fields](QDialog* dialog) {
            auto* flight = dynamic_cast<CLogbookEntryDlg*>(dialog);
            EXPECT_NE(flight, nullptr);
            for (const auto& [id, text] : fields)
                flight->SetDlgItemText(id, text);
            QTest::mouseClick(flight->Button(kIdOk), Qt::LeftButton);
            return flight->result();
        };
    }
};

TEST_F(LogbookViewTest, ARecordedFlightAppearsAndIsEditedDeletedAndExported) {
    setting::kPlanRoute.Write(platform.settings, QStringLiteral("KSEA KBFI"));
    RecordFlight();
    CLogbookView& view = Logbook();
    ASSERT_EQ(view.Entries().size(), 1);
    // The aircraft is the one weight and balance starts with: the default fleet's first.
    EXPECT_EQ(Row(view, 0), QStringList({"2026-03-20", "N123A", "KSEA-KBFI", "1.1"}));
    EXPECT_TRUE(view.GetDlgItemText(IDC_LOGBOOK_TOTALS).startsWith("All: 1.1 h, 1 landing\n"));
    EXPECT_EQ(view.GetDlgItemText(IDC_LOGBOOK_CURRENCY),
              "No day passenger currency\nNo night passenger currency");

    // A tap opens the flight; a wrong time is refused and the dialog stays open.
    platform.dialogScripts = {[](QDialog* dialog) {
        auto* flight = dynamic_cast<CLogbookEntryDlg*>(dialog);
        flight->SetDlgItemText(IDC_LB_TAKEOFF, QStringLiteral("25:00"));
        QTest::mouseClick(flight->Button(kIdOk), Qt::LeftButton);
        EXPECT_TRUE(flight->isVisible());
        flight->SetDlgItemText(IDC_LB_TAKEOFF, QStringLiteral("10:05"));
        flight->SetDlgItemText(IDC_LB_AIRCRAFT, QStringLiteral("G-ABCD"));
        QTest::mouseClick(flight->Button(kIdOk), Qt::LeftButton);
        return flight->result();
    }};
    auto* list = view.Item<QTreeWidget>(IDC_LOGBOOK_LIST);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(0)).center());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith("The takeoff time \"25:00\" is not a time"));
    EXPECT_EQ(Row(view, 0)[1], "G-ABCD");

    // Add by hand: the durations come from the times typed.
    platform.dialogScripts = {TypeAndOk(
        {{IDC_LB_DATE, "2026-03-19"}, {IDC_LB_STARTUP, "08:00"}, {IDC_LB_SHUTDOWN, "09:30"}})};
    QTest::mouseClick(view.Button(IDC_LOGBOOK_ADD), Qt::LeftButton);
    ASSERT_EQ(view.Entries().size(), 2);
    EXPECT_EQ(Row(view, 1), QStringList({"2026-03-19", "N123A", "-", "1.5"}));

    // Export: the CSV of both flights, oldest first.
    const QString csv = documents.File(QStringLiteral("flights.csv"));
    platform.saveFileAnswers = {csv};
    frame->Commands().Run(ID_FILE_EXPORT_LOGBOOK);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4); // header, two rows, the end
    EXPECT_TRUE(lines[1].startsWith("2026-03-19,"));
    EXPECT_TRUE(lines[2].startsWith("2026-03-20,G-ABCD,"));
    EXPECT_TRUE(lines[2].contains(",KSEA,KBFI,10:00,10:05,11:00,11:06,1.1,"));

    // Delete asks first: No keeps the flight, Yes removes it.
    list->setCurrentItem(list->topLevelItem(0));
    platform.messageAnswers = {kIdNo, kIdYes};
    QTest::mouseClick(view.Button(IDC_LOGBOOK_DELETE), Qt::LeftButton);
    EXPECT_EQ(view.Entries().size(), 2);
    QTest::mouseClick(view.Button(IDC_LOGBOOK_DELETE), Qt::LeftButton);
    ASSERT_EQ(view.Entries().size(), 1);
    EXPECT_EQ(view.Entries()[0].date, QDate(2026, 3, 19));
    EXPECT_EQ(document->Logbook().List()->size(), 1);
}

TEST_F(LogbookViewTest, ADamagedLogbookIsToldAndKeptAsItIs) {
    const QByteArray foreign("the pilot's own notes, not a database");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(LogbookStore::DefaultPath()).path()));
    QFile file(LogbookStore::DefaultPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(foreign);
    file.close();
    RecordFlight(); // the shut-down cannot log it
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(
        platform.messages[0].text.startsWith("The flight could not be added to the logbook.\n"));
    CLogbookView& view = Logbook();
    EXPECT_EQ(view.GetDlgItemText(IDC_LOGBOOK_TOTALS), "The logbook is not open.");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), foreign);
}

} // namespace
