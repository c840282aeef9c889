#pragma once
// The "Wind" dialog: the wind found from the heading and ground speed flown on a course at a
// TAS, with the compass graph (the compass alone before the first calculation).

#include "resource.h"
#include "ui/calculators/WindGraphDlg.h"

class CFindWindDlg : public CWindGraphDlg {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_FIND_WIND_P, IDD_FIND_WIND_L, IDD_FIND_WIND_S};

    explicit CFindWindDlg(QWidget* parent = nullptr);
    void OnCalculate() override;

protected:
    bool OnInitDialog() override;
};
