#pragma once
// "Preferences": the global preferences on three tab pages: "Airport Directory" (navigation data
// file, coordinate format, metric values, night colours), "Flight Planning" (fuel densities and
// their unit) and "Time Zone" (the device's zone or a custom offset). OK copies the fields into the
// application's preferences; a navigation file chosen here is opened and stored at once, so
// Cancel keeps it. Night colours are stored and shown at OK. The opener saves the preferences after
// the dialog, whichever button closed it.
//
// The pages are a CDialogPages: each page's controls follow its marker frame in the template.

#include "resource.h"
#include "ui/framework/CalcDialog.h"
#include "ui/framework/DialogPages.h"

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
    void OpenContextHelp() override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* Tabs() const;
    void MovePagesOntoArea();
    void PlaceSquareOk();
    void ShowFileTexts();

    CTrevallionDoc& document_;
    int initialPage_;
    int shownFuelUnit_ = 0;
    CDialogPages pages_;
};
