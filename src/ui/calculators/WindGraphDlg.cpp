#include "ui/calculators/WindGraphDlg.h"

#include "core/common/resources/Resources.h"
#include "resource.h"
#include "ui/calculators/WindGraph.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/OwnerDrawArea.h"

#include <QPainter>

CWindGraphDlg::CWindGraphDlg(LayoutTriple templates, QWidget* parent)
    : CCalcDialog(templates, parent) {
    // After the base has moved the controls to the new screen's layout.
    connect(&CurrentPlatform().Screen(), &DeviceScreen::Changed, this,
            [this] { ShowLegendOfLayout(); });
}

bool CWindGraphDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    if (auto* area = Item<COwnerDrawArea>(IDC_WIND_GRAPH))
        area->SetPaintFunction(
            [this](QPainter& painter, const QRect& rect) { DrawWindGraph(painter, rect, graph_); });
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    ShowLegendOfLayout();
    return true;
}

void CWindGraphDlg::SetGraph(const WindGraphValues& values) {
    graph_ = values;
    if (QWidget* area = GetDlgItem(IDC_WIND_GRAPH))
        area->update();
}

void CWindGraphDlg::ShowLegendOfLayout() {
    const DialogTemplate* layout = FindDialogTemplate(CurrentLayoutId());
    if (layout == nullptr)
        return;
    if (const ControlTemplate* legend = layout->Control(IDC_WIND_LEGEND))
        SetDlgItemText(IDC_WIND_LEGEND, legend->text);
}
