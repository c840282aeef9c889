#include "ui/weight-balance/WeightBalanceDlg.h"

#include "ui/framework/OwnerDrawArea.h"
#include "ui/weight-balance/DetailsList.h"
#include "ui/weight-balance/GraphOptions.h"

#include <QPainter>
#include <QTreeWidget>

CWeightBalanceDlg::CWeightBalanceDlg(const AircraftType& type, const Aircraft& aircraft,
                                     const Loading& loading, const LoadingResults& results,
                                     QWidget* parent)
    : CCalcDialog(kTemplates, parent), type_(type), results_(results),
      details_(MakeLoadingDetails(type, aircraft, loading, results)) {
    graph_.SetType(&type_);
    graph_.SetResults(&results_);
}

bool CWeightBalanceDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    auto* list = Item<QTreeWidget>(IDC_WB_DETAILS_LIST);
    auto* area = Item<COwnerDrawArea>(IDC_WB_GRAPH);
    if (!list || !area)
        return false;
    FillDetailsList(list, details_);
    area->SetPaintFunction([this](QPainter& painter, const QRect& rect) {
        graph_.Draw(painter, rect, GraphOptions());
    });
    Bind(IDC_WB_GRAPH, [this, area] {
        if (RunGraphOptionsMenu(this, area->mapToGlobal(area->rect().center())))
            area->update();
    });
    return true;
}

void CWeightBalanceDlg::done(int result) {
    SaveGraphOptions();
    CCalcDialog::done(result);
}
