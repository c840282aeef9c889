#include "ui/calculators/FindWindDlg.h"

#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"
#include "ui/calculators/NumberList.h"

CFindWindDlg::CFindWindDlg(QWidget* parent) : CWindGraphDlg(kTemplates, parent) {}

bool CFindWindDlg::OnInitDialog() {
    if (!CWindGraphDlg::OnInitDialog())
        return false;
    FillNumberList(Combo(IDC_WIND_HEADING), 10, 360, 10);
    FillNumberList(Combo(IDC_WIND_COURSE), 10, 360, 10);
    FillNumberList(Combo(IDC_WIND_GROUND_SPEED), 90, 195, 5);
    FillNumberList(Combo(IDC_WIND_TAS), 90, 195, 5);
    return true;
}

void CFindWindDlg::OnCalculate() {
    const FindWindResult r =
        CalculateFindWind({GetDlgItemText(IDC_WIND_HEADING), GetDlgItemText(IDC_WIND_GROUND_SPEED),
                           GetDlgItemText(IDC_WIND_COURSE), GetDlgItemText(IDC_WIND_TAS)});
    // A refused direction leaves the results and the graph as they were.
    if (ShowCalcResult(*this, r.texts,
                       {{"Heading", IDC_WIND_HEADING},
                        {"Course", IDC_WIND_COURSE},
                        {"Wind Direction", IDC_WIND_DIRECTION},
                        {"Wind Speed", IDC_WIND_SPEED}}))
        SetGraph(r.graph);
}
