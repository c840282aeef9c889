#pragma once
// "Airport Search": finds airports whose name or city holds a text ("AirportSearch" remembers the
// last text that found some) and returns the chosen identifier.

#include "core/common/entry/FieldLimits.h"
#include "resource.h"
#include "ui/navdata/NavSearchDialog.h"

class CAirportSearchDlg : public CNavSearchDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_AIRPORT_SEARCH_P, IDD_AIRPORT_SEARCH_L,
                                             IDD_AIRPORT_SEARCH_S};
    static constexpr int kMaxSearchChars = kSearchTextChars;

    CAirportSearchDlg(CTrevallionDoc& document, QWidget* parent = nullptr);

    // "Search"; with matches the text is stored as "AirportSearch".
    bool OnSearch();

protected:
    bool OnInitDialog() override;
};
