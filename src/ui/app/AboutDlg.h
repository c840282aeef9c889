#pragma once
// The About dialog: program name, version and copyright.

#include "ui/framework/CalcDialog.h"

class CAboutDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{100, 0, 220};

    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
};
