#pragma once
// The "Graph" dialog: the CG envelope graph of a type and its loading over the whole dialog. A
// press on the graph opens the pop-up menu of the graph options (unless the opener asks for none,
// as the type editor does). Closing writes the options to the settings.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/LoadingResults.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"
#include "ui/weight-balance/CgGraph.h"

class CGraphDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_CG_GRAPH_P, IDD_CG_GRAPH_L, IDD_CG_GRAPH_S};

    // The type and results are copied.
    CGraphDlg(const AircraftType& type, const LoadingResults& results, bool offerMenu,
              QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool OnInitDialog() override;

private:
    AircraftType type_;
    LoadingResults results_;
    bool offerMenu_;
    CCgGraph graph_;
};
