#pragma once
// "User Waypoints": the document's user waypoints as "ID (Name)" in list order, with Add, Edit
// (or a double tap on a row) and Delete; every change is saved at once. Opened in select mode
// (Distance & Track's "..."), it also offers "Select", which closes with OK and hands back the
// chosen waypoint's identifier:
//
//   CUserWaypointsDlg list(document, true, this);
//   if (list.DoModal() == kIdOk) use(list.SelectedIdent());

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CTrevallionDoc;
class QListWidget;

class CUserWaypointsDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_USER_WAYPOINTS_P, IDD_USER_WAYPOINTS_L,
                                             IDD_USER_WAYPOINTS_S};

    CUserWaypointsDlg(CTrevallionDoc& document, bool selectMode, QWidget* parent = nullptr);

    // The identifier chosen with "Select"; "" before.
    const QString& SelectedIdent() const { return selectedIdent_; }

    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnSelect();

protected:
    bool OnInitDialog() override;

private:
    QListWidget* List() const;
    // The array index of the selected row; -1 when none.
    int SelectedIndex() const;
    // Fills the list; selects the last row whose waypoint has this name, else the first row.
    void Fill(const QString& selectName = {});
    // Shows a failed save; the list in memory keeps the change.

    CTrevallionDoc& document_;
    bool selectMode_;
    QString selectedIdent_;
};
