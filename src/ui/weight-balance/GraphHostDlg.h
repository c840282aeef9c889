#pragma once
// The base of the dialogs that show the CG graph of a loading ("Graph", "Weight & Balance"): a
// copy of the type and results, the graph in the owner-drawn IDC_WB_GRAPH area, the graph
// options' pop-up menu on a tap, and the options written to the settings when the dialog closes.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/LoadingResults.h"
#include "ui/framework/CalcDialog.h"
#include "ui/weight-balance/CgGraph.h"

#include <functional>

class COwnerDrawArea;

class CGraphHostDlg : public CCalcDialog {
    Q_OBJECT
public:
    void done(int result) override;

protected:
    // Where the options menu opens for a tap on the graph (screen coordinates).
    using MenuPosition = std::function<QPoint(const COwnerDrawArea& area)>;

    CGraphHostDlg(LayoutTriple templates, const AircraftType& type, const LoadingResults& results,
                  QWidget* parent);
    // Draws the graph into its area; a tap opens the options menu where `position` says, or
    // nothing when it is empty. False when the template has no graph.
    bool SetUpGraph(const MenuPosition& position);

    const AircraftType& Type() const { return type_; }

private:
    AircraftType type_;
    LoadingResults results_;
    CCgGraph graph_;
};
