#include "ui/calculators/CrossWindDlg.h"

#include "core/common/resources/Resources.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"
#include "ui/calculators/CrossWindGraph.h"
#include "ui/calculators/NumberList.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/OwnerDrawArea.h"

#include <QComboBox>
#include <QPainter>

CCrossWindDlg::CCrossWindDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CCrossWindDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    // The direction lists carry their position (1..36) as item data.
    for (int id : {IDC_WIND_HEADING, IDC_WIND_DIRECTION}) {
        QComboBox* list = Combo(id);
        FillNumberList(list, 10, 360, 10);
        for (int i = 0; list && i < list->count(); ++i)
            list->setItemData(i, i + 1);
    }
    FillNumberList(Combo(IDC_WIND_SPEED), 5, 45, 5);
    if (auto* area = Item<COwnerDrawArea>(IDC_WIND_GRAPH))
        area->SetPaintFunction([this](QPainter& painter, const QRect& rect) {
            DrawCrossWindGraph(painter, rect, graph_, CurrentPlatform().Screen().IsSquare());
        });
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    return true;
}

void CCrossWindDlg::OnCalculate() {
    const CrossWindResult r =
        CalculateCrossWind({GetDlgItemText(IDC_WIND_HEADING), GetDlgItemText(IDC_WIND_DIRECTION),
                            GetDlgItemText(IDC_WIND_SPEED)});
    const QString headLabel = LoadString(IDS_HEAD_WIND);
    const QString tailLabel = LoadString(IDS_TAIL_WIND);
    if (!ShowCalcResult(*this, r.texts,
                        {{"Heading", IDC_WIND_HEADING},
                         {"Wind Direction", IDC_WIND_DIRECTION},
                         {"Cross Wind", IDC_WIND_CROSS},
                         {headLabel, IDC_WIND_HEAD},
                         {tailLabel, IDC_WIND_HEAD},
                         {"Angle", IDC_WIND_ANGLE}}))
        return;
    // The second output's label says whether the wind is from ahead or behind.
    if (r.texts.outputs.size() > 1)
        SetDlgItemText(IDC_WIND_HEAD_LABEL, r.texts.outputs[1].label);
    graph_ = r.graph;
    if (QWidget* area = GetDlgItem(IDC_WIND_GRAPH))
        area->update();
}
