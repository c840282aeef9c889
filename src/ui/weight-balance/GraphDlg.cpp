#include "ui/weight-balance/GraphDlg.h"

#include <QCursor>

CGraphDlg::CGraphDlg(const AircraftType& type, const LoadingResults& results, bool offerMenu,
                     QWidget* parent)
    : CGraphHostDlg(kTemplates, type, results, parent), offerMenu_(offerMenu) {}

bool CGraphDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    MenuPosition atPress;
    if (offerMenu_)
        atPress = [](const COwnerDrawArea&) { return QCursor::pos(); };
    return SetUpGraph(atPress);
}
