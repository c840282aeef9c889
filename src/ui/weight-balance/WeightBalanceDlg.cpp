#include "ui/weight-balance/WeightBalanceDlg.h"

#include "ui/framework/OwnerDrawArea.h"
#include "ui/weight-balance/DetailsList.h"

#include <QTreeWidget>

CWeightBalanceDlg::CWeightBalanceDlg(const AircraftType& type, const Aircraft& aircraft,
                                     const Loading& loading, const LoadingResults& results,
                                     QWidget* parent)
    : CGraphHostDlg(kTemplates, type, results, parent),
      details_(MakeLoadingDetails(type, aircraft, loading, results)) {}

bool CWeightBalanceDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    auto* list = Item<QTreeWidget>(IDC_WB_DETAILS_LIST);
    if (!list)
        return false;
    FillDetailsList(list, details_);
    return SetUpGraph(
        [](const COwnerDrawArea& area) { return area.mapToGlobal(area.rect().center()); });
}
