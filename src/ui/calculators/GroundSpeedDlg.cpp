#include "ui/calculators/GroundSpeedDlg.h"

#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"
#include "ui/calculators/NumberList.h"

CGroundSpeedDlg::CGroundSpeedDlg(QWidget* parent) : CWindGraphDlg(kTemplates, parent) {}

bool CGroundSpeedDlg::OnInitDialog() {
    if (!CWindGraphDlg::OnInitDialog())
        return false;
    FillNumberList(Combo(IDC_WIND_DIRECTION), 10, 360, 10);
    FillNumberList(Combo(IDC_WIND_COURSE), 10, 360, 10);
    FillNumberList(Combo(IDC_WIND_SPEED), 5, 45, 5);
    FillNumberList(Combo(IDC_WIND_TAS), 90, 195, 5);
    SetDlgItemText(IDC_WIND_HEADING, QString());
    SetDlgItemText(IDC_WIND_GROUND_SPEED, QString());
    WindGraphValues start; // the aircraft points north until there is a result
    start.hasAircraft = true;
    SetGraph(start);
    return true;
}

void CGroundSpeedDlg::OnCalculate() {
    const GroundSpeedResult r =
        CalculateGroundSpeed({GetDlgItemText(IDC_WIND_DIRECTION), GetDlgItemText(IDC_WIND_SPEED),
                              GetDlgItemText(IDC_WIND_COURSE), GetDlgItemText(IDC_WIND_TAS)});
    SetGraph(r.graph); // a stopped calculation shows its zero results too
    ShowCalcResult(*this, r.texts,
                   {{"Wind Direction", IDC_WIND_DIRECTION},
                    {"Course", IDC_WIND_COURSE},
                    {"Heading", IDC_WIND_HEADING},
                    {"Ground Speed", IDC_WIND_GROUND_SPEED}});
}
