#include "ui/app/AboutDlg.h"

#include "Version.h"
#include "core/common/resources/Resources.h"
#include "resource.h"

#include <QFont>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CAboutDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    SetDlgItemText(IDC_ABOUT_NAME, LoadString(IDS_APP_TITLE));
    if (QLabel* name = Label(IDC_ABOUT_NAME)) {
        QFont bold = name->font();
        bold.setBold(true);
        bold.setPixelSize(14);
        name->setFont(bold);
    }
    SetDlgItemText(IDC_ABOUT_VERSION, QStringLiteral("Version " TREVALLION_VERSION_TEXT));
    return true;
}
