#pragma once
// The Logbook view: the pilot's flights newest first (date, aircraft, from-to, block hours), the
// totals of all time, the last 90 days and the last 12 months, and whether the pilot may carry
// passengers by day and by night. Tapping a flight opens it for editing; Add enters a flight by
// hand; Delete removes the chosen flight after asking. File, Export Logbook... writes the CSV.
// The view borrows the document's logbook and fleet.

#include "core/logbook/LogbookEntry.h"
#include "resource.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"

#include <QList>

class CTrevallionDoc;
class QTreeWidget;

class CLogbookView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_LOGBOOK_VIEW_P, IDD_LOGBOOK_VIEW_L,
                                             IDD_LOGBOOK_VIEW_S};

    // File, Export Logbook... is in `commands` while the view lives.
    CLogbookView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent = nullptr);

    // The flights as listed, newest first.
    const QList<LogbookEntry>& Entries() const { return entries_; }
    // Reads the logbook again and redraws the list, totals and currency.
    void Reload();
    // Opens the flight of a row for editing and stores it after OK.
    void EditRow(int row);
    // Asks for a flight entered by hand and adds it.
    void AddFlight();
    // Asks, then deletes the selected flight.
    void DeleteSelected();
    // Writes the CSV of every flight to the file; false after its message.
    bool ExportTo(const QString& path);

protected:
    void OnInitialUpdate() override;
    void Relayout() override;
    // Another dialog (the GPS, the fleet) may have changed what a new flight starts with.
    void AfterDialog() override;

private:
    void DrawList();
    void DrawSummary();
    void ExportWithDialog();
    int SelectedRow() const;
    QTreeWidget* List() const;

    CTrevallionDoc& document_;
    QList<LogbookEntry> entries_;
    CCommandTable::Layer ownCommands_;
};
