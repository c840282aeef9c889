#pragma once
// The hold timing dialog ("Hold"): inbound and outbound headings, the outbound leg time and the
// leg length of a holding pattern in a wind, with an outbound wind correction factor.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

#include <optional>

class CHoldTimingDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_HOLD_TIMING_P, IDD_HOLD_TIMING_L,
                                             IDD_HOLD_TIMING_S};

    explicit CHoldTimingDlg(QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;

private:
    std::optional<double> distance_; // the leg length shown (none before the first one)
};
