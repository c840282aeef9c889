#include "ui/logbook/LogbookView.h"

#include "core/common/Clock.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/logbook/LogbookStore.h"
#include "core/logbook/LogbookTexts.h"
#include "core/logbook/LogbookTotals.h"
#include "core/logbook/LogbookTransfer.h"
#include "core/logbook/PassengerCurrency.h"
#include "core/weight-balance/ChosenAircraft.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"
#include "ui/logbook/LogbookEntryDlg.h"
#include "ui/navdata/ReportList.h"

#include <QTreeWidget>

namespace {

QDate TodayUtc() {
    return CurrentClock().NowUtc().date();
}

QStringList RowTexts(const LogbookEntry& e) {
    return {e.date.toString(Qt::ISODate), e.registration,
            e.departure + QLatin1Char('-') + e.arrival, LogbookHoursText(e.blockMinutes)};
}

QString FlightName(const LogbookEntry& e) {
    return e.date.toString(Qt::ISODate) + QStringLiteral(" (") + e.departure + QLatin1Char('-') +
           e.arrival + QLatin1Char(')');
}

} // namespace

CLogbookView::CLogbookView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)
    : CCustomFormView(kTemplates, QStringLiteral("Logbook"), parent), document_(document),
      ownCommands_(commands.Add({{ID_FILE_EXPORT_LOGBOOK, [this] { ExportWithDialog(); }}})) {}

QTreeWidget* CLogbookView::List() const {
    return Item<QTreeWidget>(IDC_LOGBOOK_LIST);
}

void CLogbookView::OnInitialUpdate() {
    CCustomFormView::OnInitialUpdate();
    Bind(IDC_LOGBOOK_ADD, [this] { AddFlight(); });
    Bind(IDC_LOGBOOK_DELETE, [this] { DeleteSelected(); });
    connect(List(), &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { EditRow(List()->indexOfTopLevelItem(item)); });
    LogbookStore& logbook = document_.Logbook();
    if (!logbook.IsOpen())
        ShowStatus(logbook.Open());
    Reload();
}

void CLogbookView::Relayout() {
    CCustomFormView::Relayout();
    if (List())
        DrawList();
}

void CLogbookView::AfterDialog() {
    CCustomFormView::AfterDialog();
    Reload();
}

void CLogbookView::Reload() {
    entries_.clear();
    if (document_.Logbook().IsOpen()) {
        Outcome<QList<LogbookEntry>> listed = document_.Logbook().List();
        if (listed)
            entries_ = std::move(listed.value());
        else
            ShowStatus(listed.error());
    }
    DrawList();
    DrawSummary();
}

void CLogbookView::DrawList() {
    QTreeWidget* list = List();
    const int width = ReportClientWidth(list);
    // Date, aircraft, from-to and block hours share the width 30:22:32:16.
    const QList<int> widths{width * 30 / 100, width * 22 / 100, width * 32 / 100,
                            width - width * 84 / 100};
    SetReportColumns(list, widths,
                     {QStringLiteral("Date"), QStringLiteral("Aircraft"), QStringLiteral("From-To"),
                      QStringLiteral("Block")});
    for (const LogbookEntry& entry : entries_)
        AddReportRow(list, RowTexts(entry));
}

void CLogbookView::DrawSummary() {
    if (!document_.Logbook().IsOpen()) {
        SetDlgItemText(IDC_LOGBOOK_TOTALS, QStringLiteral("The logbook is not open."));
        SetDlgItemText(IDC_LOGBOOK_CURRENCY, QString());
        return;
    }
    const QDate today = TodayUtc();
    SetDlgItemText(IDC_LOGBOOK_TOTALS, LogbookTotalsText(ComputeLogbookTotals(entries_, today)));
    const PassengerCurrency currency = ComputePassengerCurrency(entries_, today);
    SetDlgItemText(IDC_LOGBOOK_CURRENCY, DayCurrencyText(currency.day, today) + QLatin1Char('\n') +
                                             NightCurrencyText(currency.night, today));
}

int CLogbookView::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = List()->selectedItems();
    return selected.isEmpty() ? -1 : List()->indexOfTopLevelItem(selected.first());
}

void CLogbookView::EditRow(int row) {
    if (row < 0 || row >= entries_.size())
        return;
    CLogbookEntryDlg dialog(entries_[row], false, this);
    if (dialog.DoModal() != kIdOk)
        return;
    ShowStatus(document_.Logbook().Update(dialog.Entry()));
    Reload();
}

void CLogbookView::AddFlight() {
    if (!ShowStatus(document_.Logbook().IsOpen() ? Status() : document_.Logbook().Open()))
        return;
    LogbookEntry entry;
    entry.date = TodayUtc();
    const ChosenAircraftNames aircraft = ChosenAircraft(document_.Aircraft());
    entry.registration = aircraft.registration;
    entry.aircraftType = aircraft.typeName;
    entry.landings = 1;
    CLogbookEntryDlg dialog(entry, true, this);
    if (dialog.DoModal() != kIdOk)
        return;
    const Outcome<qint64> added = document_.Logbook().Add(dialog.Entry());
    if (!added)
        ShowStatus(added.error());
    Reload();
}

void CLogbookView::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0) {
        ShowStatus(Status::Fail(QStringLiteral("Choose the flight to delete first."),
                                MessageIcon::Information));
        return;
    }
    const Message question{
        QStringLiteral("Delete the flight of %1?").arg(FlightName(entries_[row])),
        MessageIcon::Question};
    if (ShowMessageBox(this, question, QStringLiteral("Logbook"), MessageButtons::YesNo) != kIdYes)
        return;
    ShowStatus(document_.Logbook().Delete(entries_[row].id));
    Reload();
}

bool CLogbookView::ExportTo(const QString& path) {
    const Outcome<QByteArray> csv = ExportLogbookCsv(document_.Logbook());
    if (!csv)
        return ShowStatus(csv.error());
    if (!ShowStatus(
            WriteWholeFile(path, csv.value(), QStringLiteral("Error, Unable to save file.\n"))))
        return false;
    ShowMessageBox(
        this,
        Message{QStringLiteral("The logbook was exported: %1 flights.").arg(entries_.size()),
                MessageIcon::Information},
        QStringLiteral("Logbook"), MessageButtons::Ok);
    return true;
}

void CLogbookView::ExportWithDialog() {
    const FileDialogRequest request{QStringLiteral("Export logbook"),
                                    QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"),
                                    DocumentsFolder() + QStringLiteral("/logbook.csv")};
    if (!ShowStatus(MakeFolder(DocumentsFolder(), QStringLiteral("Error: "))))
        return;
    const QString path = CurrentPlatform().GetSaveFileName(this, request);
    if (!path.isEmpty())
        ExportTo(path);
}
