#pragma once
// "Flight": one logbook flight as its fields (the same texts as a row of the CSV export: date as
// YYYY-MM-DD, UTC times hh:mm, hours as 1.5). A duration left empty is worked out from the
// times. After OK, Entry() holds the checked flight; the caller stores it.

#include "core/logbook/LogbookEntry.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CLogbookEntryDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_LOGBOOK_ENTRY_P, IDD_LOGBOOK_ENTRY_L,
                                             IDD_LOGBOOK_ENTRY_S};

    // `durationsFromTimes` leaves the four duration fields empty (a flight entered by hand).
    explicit CLogbookEntryDlg(LogbookEntry entry, bool durationsFromTimes = false,
                              QWidget* parent = nullptr);

    const LogbookEntry& Entry() const { return entry_; }

protected:
    bool OnInitDialog() override;
    // Closes with OK only when the fields make a flight the logbook takes.
    void OnOK() override;

private:
    LogbookEntry entry_;
    bool durationsFromTimes_;
};
