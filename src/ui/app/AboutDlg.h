#pragma once
// The About dialog: program name, version and copyright.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CAboutDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_ABOUT_P, 0, IDD_ABOUT_S};

    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
};
