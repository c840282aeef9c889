#pragma once
// The "Graph" dialog: the CG envelope graph of a type and its loading over the whole dialog. A
// press on the graph opens the pop-up menu of the graph options at that point (unless the opener
// asks for none, as the type editor does). Closing writes the options to the settings.

#include "resource.h"
#include "ui/weight-balance/GraphHostDlg.h"

class CGraphDlg : public CGraphHostDlg {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_CG_GRAPH_P, IDD_CG_GRAPH_L, IDD_CG_GRAPH_S};

    // The type and results are copied.
    CGraphDlg(const AircraftType& type, const LoadingResults& results, bool offerMenu,
              QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    bool offerMenu_;
};
