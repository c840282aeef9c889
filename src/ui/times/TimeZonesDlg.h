#pragma once
// The "Time Zones" dialog: the places of the world clocks in a list with check boxes (checked:
// shown in the view). "Add" and "Edit" open the "Time Zone" dialog for a new or the selected
// place, "Remove" asks "Remove NAME?" first. "Close" ends with OK: every checked place gets a
// positive key and every unchecked one a negative key. The dialog works on a copy of the places.

#include "core/times/WorldClocks.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class QTreeWidget;

class CTimeZonesDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_TIME_ZONES, IDD_TIME_ZONES, IDD_TIME_ZONES};

    explicit CTimeZonesDlg(WorldClocks clocks, QWidget* parent = nullptr);

    // The places as Close left them.
    const WorldClocks& Clocks() const { return clocks_; }

    void Add();
    void Remove();
    void EditPlace();
    // The list (tests tick and select its rows).
    QTreeWidget* List() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AddRow(const WorldClock& place);
    int SelectedRow() const;

    WorldClocks clocks_;
};
