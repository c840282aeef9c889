#pragma once
// The part the two search dialogs ("Airport Search", "Search Location") share: searching the
// navigation data by name into the result list, and taking the selected row's identifier with
// "Select" or a double tap on a row.

#include "ui/framework/CalcDialog.h"

class CTrevallionDoc;
class QTreeWidget;

enum class LocationKind { Airport = 0, NavAid = 1 };

class CNavSearchDialog : public CCalcDialog {
    Q_OBJECT
public:
    CNavSearchDialog(LayoutTriple templates, CTrevallionDoc& document, QWidget* parent);

    // The identifier of the row chosen with "Select"; "" before.
    const QString& SelectedIdent() const { return selectedIdent_; }

    // "Search": the text of the search field, in the airports or the nav aids. False (after its
    // message) for an empty text or no match.
    bool Search(LocationKind kind);
    // "Select" and a double tap: takes the selected row's identifier and closes with OK.
    void OnSelect();

protected:
    bool OnInitDialog() override;
    QTreeWidget* Results() const;
    CTrevallionDoc& Document() const { return document_; }

private:
    CTrevallionDoc& document_;
    QString selectedIdent_;
};
