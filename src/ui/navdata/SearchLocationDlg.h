#pragma once
// "Search Location": finds airports (by name or city) or nav aids (by name) and returns the
// chosen identifier with its kind. The opener chooses the kind shown first; "View" shows a nav
// aid's details. Distance & Track and flight planning open it:
//
//   CSearchLocationDlg search(document, LocationKind::NavAid, this);
//   if (search.DoModal() == kIdOk) use(search.SelectedIdent(), search.SelectedKind());

#include "resource.h"
#include "ui/navdata/NavSearchDialog.h"

class CSearchLocationDlg : public CNavSearchDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_SEARCH_LOCATION_P, IDD_SEARCH_LOCATION_L,
                                             IDD_SEARCH_LOCATION_S};

    CSearchLocationDlg(CTrevallionDoc& document, LocationKind kind, QWidget* parent = nullptr);

    // The kind shown in "What to search:" (after OK: the kind of the chosen identifier).
    LocationKind SelectedKind() const { return kind_; }

    // A new kind empties the list and sets its columns; "View" only serves nav aids.
    void SetKind(LocationKind kind);
    bool OnSearch() { return Search(kind_); }
    // "View": the selected nav aid's details (it becomes the most recent nav aid).
    void OnView();

protected:
    bool OnInitDialog() override;

private:
    LocationKind kind_;
};
