#include "ui/logbook/LogbookEntryDlg.h"

#include "core/logbook/LogbookCsvRow.h"

#include <QLineEdit>

namespace {

// The fields in the order of the CSV columns.
constexpr int kFieldIds[] = {
    IDC_LB_DATE,     IDC_LB_AIRCRAFT, IDC_LB_TYPE,           IDC_LB_FROM,
    IDC_LB_TO,       IDC_LB_STARTUP,  IDC_LB_TAKEOFF,        IDC_LB_LANDING,
    IDC_LB_SHUTDOWN, IDC_LB_BLOCK,    IDC_LB_FLIGHT,         IDC_LB_AIR,
    IDC_LB_NIGHT,    IDC_LB_LANDINGS, IDC_LB_NIGHT_LANDINGS, IDC_LB_REMARKS};
constexpr int kFirstDuration = 9; // Block, Flight, Air, Night

QString Capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

CLogbookEntryDlg::CLogbookEntryDlg(LogbookEntry entry, bool durationsFromTimes, QWidget* parent)
    : CCalcDialog(kTemplates, parent), entry_(std::move(entry)),
      durationsFromTimes_(durationsFromTimes) {}

bool CLogbookEntryDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    // A square screen hides OK with the other dialog buttons; the flight is kept only with it.
    if (QWidget* ok = GetDlgItem(kIdOk))
        ok->show();
    QStringList fields = LogbookCsvFields(entry_);
    for (int i = 0; i < 4 && durationsFromTimes_; ++i)
        fields[kFirstDuration + i].clear();
    for (int i = 0; i < fields.size(); ++i)
        SetDlgItemText(kFieldIds[i], fields[i]);
    for (const int id : {IDC_LB_DATE, IDC_LB_AIRCRAFT, IDC_LB_TYPE, IDC_LB_FROM, IDC_LB_TO})
        if (QLineEdit* edit = Edit(id))
            edit->setMaxLength(kMaxLogbookNameChars);
    return true;
}

void CLogbookEntryDlg::OnOK() {
    QStringList fields;
    for (const int id : kFieldIds)
        fields.append(GetDlgItemText(id).trimmed());
    Outcome<LogbookEntry> parsed = ParseLogbookCsvFields(fields);
    if (!parsed) {
        ShowStatus(Message{Capitalised(parsed.error().text), parsed.error().icon});
        return;
    }
    parsed.value().id = entry_.id;
    entry_ = std::move(parsed.value());
    CCalcDialog::OnOK();
}
