#include "ui/navdata/NavAidInfoDlg.h"

#include "core/navdata/AirportDisplay.h"
#include "ui/framework/AppContext.h"
#include "ui/navdata/ReportList.h"

#include <QTreeWidget>

CNavAidInfoDlg::CNavAidInfoDlg(const NavAidRecord& record, const QString& name, QWidget* parent)
    : CCalcDialog(kTemplates, parent), record_(record), name_(name) {}

bool CNavAidInfoDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Fill();
    return true;
}

void CNavAidInfoDlg::Fill() {
    auto* list = Item<QTreeWidget>(IDC_NAV_AID_LIST);
    if (!list)
        return;
    SetReportColumns(list, {45, ReportClientWidth(list) - 45});
    AddReportRows(list, NavAidInfoRows(record_, name_, CurrentAppState().settings.secondsFormat));
}

void CNavAidInfoDlg::resizeEvent(QResizeEvent* event) {
    CCalcDialog::resizeEvent(event);
    Fill(); // the value column follows the list's width
}
