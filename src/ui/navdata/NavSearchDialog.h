#pragma once
// The part the two search dialogs ("Airport Search", "Search Location") share: searching the
// navigation data by name into the result list, and taking the selected row's identifier with
// "Select" or a double tap on a row. The list is a view of a CSearchRowsModel, so a search of
// the whole world formats only the rows on the screen.

#include "ui/framework/CalcDialog.h"

#include "core/navdata/NavRecords.h"

#include <memory>
#include <vector>

class CSearchRowsModel;
class CTrevallionDoc;
class QTreeView;

enum class LocationKind { Airport = 0, NavAid = 1 };

class CNavSearchDialog : public CCalcDialog {
    Q_OBJECT
public:
    CNavSearchDialog(LayoutTriple templates, CTrevallionDoc& document, QWidget* parent);

    // The identifier of the row chosen with "Select"; "" before.
    const QString& SelectedIdent() const { return selectedIdent_; }
    // Where that row's record lies: its position in the airport index or the nav aid table (as
    // searched; -1 before), so the place picked is the place used even where several share the
    // identifier.
    int SelectedPosition() const { return selectedPosition_; }

    // "Search": the text of the search field, in the airports or the nav aids. False (after its
    // message) for an empty text or no match.
    bool Search(LocationKind kind);
    // "Select" and a double tap: takes the selected row's identifier and closes with OK.
    void OnSelect();

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const ControlTemplate& control) override;
    QTreeView* Results() const;
    // Replaces the result columns (pixel widths and titles) and removes the rows.
    void SetResultColumns(const QList<int>& widths, const QStringList& titles);
    // The identifier of the selected row; "" when none is selected.
    QString SelectedResultIdent() const;
    // The selected row's position in the table searched; -1 when none is selected.
    int SelectedResultPosition() const;
    CTrevallionDoc& Document() const { return document_; }

private:
    CTrevallionDoc& document_;
    CSearchRowsModel* rows_ = nullptr;
    // The rows found, as positions in the table searched; they are formatted when shown.
    std::shared_ptr<const std::vector<int>> found_;
    QString selectedIdent_;
    int selectedPosition_ = -1;
};
