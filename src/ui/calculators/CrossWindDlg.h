#pragma once
// The "Cross Wind" dialog: the cross-wind and head- or tail-wind components of a wind on a
// heading (a runway's or the aircraft's), the wind's angle and side, and their graph.

#include "core/calculators/WindCalculators.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CCrossWindDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_CROSS_WIND_P, IDD_CROSS_WIND_L, IDD_CROSS_WIND_S};

    explicit CCrossWindDlg(QWidget* parent = nullptr);
    void OnCalculate();
    const CrossWindGraphValues& Graph() const { return graph_; }

protected:
    bool OnInitDialog() override;

private:
    CrossWindGraphValues graph_; // angle -1: nothing calculated yet
};
