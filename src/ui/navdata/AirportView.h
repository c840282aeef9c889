#pragma once
// The Airport Directory view: one airport of the navigation data file on three tabs ("Info",
// "RWY", "Comm"), looked up by identifier ("Show", or a pick from the recent airports) or by name
// ("Find"), with its runway diagram ("View runways"). Its File Open command loads another
// navigation data file. The view borrows the document's navigation data set.

#include "resource.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"

class CTrevallionDoc;
class QComboBox;
class QTabBar;
class QTreeWidget;

class CAirportView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_AIRPORT_VIEW_P, IDD_AIRPORT_VIEW_L,
                                             IDD_AIRPORT_VIEW_S};
    enum Tab { kInfoTab = 0, kRunwayTab = 1, kCommTab = 2 };

    // File, Open airport file... is in `commands` while the view lives.
    CAirportView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent = nullptr);

    // "Show": the identifier in the box must have 3 or 4 characters.
    void OnShow();
    // Shows an airport by identifier; an empty one clears the shown airport. False (after
    // "Airport not found.") when it is not in the file.
    bool ShowIdent(const QString& ident);
    // "Find": the Airport Search dialog; its choice is shown.
    void OnFind();
    void OnViewRunways();
    // Opens another navigation data file through the file dialog.
    void OnFileOpen();

    // Once a second: redraws the lists when the metric or coordinate preference has changed
    // (in Preferences) since they were drawn.
    void OnTimerTick() override;

protected:
    void OnInitialUpdate() override;
    void Relayout() override;

private:
    void FillIdentBox(const QString& ident);
    void FillRunwayList();
    void DrawTab();
    QComboBox* IdentBox() const;
    QTabBar* Tabs() const;
    QTreeWidget* InfoList() const;
    QTreeWidget* RunwayList() const;

    CTrevallionDoc& document_;
    int drawnPreferences_ = -1; // the preference bits the lists were drawn with
    CCommandTable::Layer ownCommands_;
};
