#include "ui/weight-balance/GraphDlg.h"

#include "ui/framework/OwnerDrawArea.h"
#include "ui/weight-balance/GraphOptions.h"

#include <QCursor>
#include <QPainter>

CGraphDlg::CGraphDlg(const AircraftType& type, const LoadingResults& results, bool offerMenu,
                     QWidget* parent)
    : CCalcDialog(kTemplates, parent), type_(type), results_(results), offerMenu_(offerMenu) {
    graph_.SetType(&type_);
    graph_.SetResults(&results_);
}

bool CGraphDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    auto* area = Item<COwnerDrawArea>(IDC_WB_GRAPH);
    if (!area)
        return false;
    area->SetPaintFunction([this](QPainter& painter, const QRect& rect) {
        graph_.Draw(painter, rect, GraphOptions());
    });
    Bind(IDC_WB_GRAPH, [this, area] {
        if (offerMenu_ && RunGraphOptionsMenu(this, QCursor::pos()))
            area->update();
    });
    return true;
}

void CGraphDlg::done(int result) {
    SaveGraphOptions();
    CCalcDialog::done(result);
}
