#include "ui/weight-balance/GraphHostDlg.h"

#include "resource.h"
#include "ui/framework/OwnerDrawArea.h"
#include "ui/weight-balance/GraphOptions.h"

#include <QPainter>

CGraphHostDlg::CGraphHostDlg(LayoutTriple templates, const AircraftType& type,
                             const LoadingResults& results, QWidget* parent)
    : CCalcDialog(templates, parent), type_(type), results_(results) {
    graph_.SetType(&type_);
    graph_.SetResults(&results_);
}

bool CGraphHostDlg::SetUpGraph(const MenuPosition& position) {
    auto* area = Item<COwnerDrawArea>(IDC_WB_GRAPH);
    if (!area)
        return false;
    area->SetPaintFunction([this](QPainter& painter, const QRect& rect) {
        graph_.Draw(painter, rect, GraphOptions());
    });
    Bind(IDC_WB_GRAPH, [this, area, position] {
        if (position && RunGraphOptionsMenu(this, position(*area)))
            area->update();
    });
    return true;
}

void CGraphHostDlg::done(int result) {
    SaveGraphOptions();
    CCalcDialog::done(result);
}
