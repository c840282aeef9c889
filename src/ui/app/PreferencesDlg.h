#pragma once
// "Preferences": the global preferences on three tab pages: "Airport Directory" (navigation data
// file, coordinate format, metric values), "Flight Planning" (fuel densities and their unit) and
// "Time Zone" (the device's zone or a custom offset). OK copies the fields into the
// application's preferences; a navigation file chosen here is opened and stored at once, so
// Cancel keeps it. The opener saves the preferences after the dialog, whichever button closed it.
//
// A page is the controls after its marker frame up to the next marker (the last page: up to the
// tab strip); re-layout moves each page as a block onto the page area frame.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CTrevallionDoc;
class QTabBar;

class CPreferencesDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_PREFERENCES_P, IDD_PREFERENCES_L, 0};
    static constexpr int kPageMarkers[] = {IDC_PREF_AIRPORT_PAGE, IDC_PREF_PLANNING_PAGE,
                                           IDC_PREF_TIMES_PAGE};
    static constexpr int kPageCount = 3;

    CPreferencesDlg(CTrevallionDoc& document, int initialPage, QWidget* parent = nullptr);

    int CurrentPage() const;
    // Shows one page and hides the others.
    void ShowPage(int page);
    // "Select airport file": opens the chosen file and stores it as "AirportFile" at once.
    void OnSelectFile();
    // The fuel unit list changed: both densities are converted to the new unit.
    void OnFuelUnitChanged(int unit);
    // Help: the topic "Preferences" followed by the page's index.
    void OnHelp();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTabBar* Tabs() const;
    // Template-order positions of the page area frame, the markers and the tab strip.
    int IndexOf(int id) const;
    QList<QWidget*> PageControls(int page) const;
    void MovePagesOntoArea();
    void PlaceSquareOk();
    void ShowFileTexts();

    CTrevallionDoc& document_;
    int initialPage_;
    int shownFuelUnit_ = 0;
};
