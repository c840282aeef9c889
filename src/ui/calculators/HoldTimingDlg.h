#pragma once
// The hold timing dialog ("Hold"): inbound and outbound headings, the outbound leg time and the
// leg length of a holding pattern in a wind, with an outbound wind correction factor.

#include "ui/framework/CalcDialog.h"

#include <optional>

class CHoldTimingDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{119, 176, 211};

    explicit CHoldTimingDlg(QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;

private:
    std::optional<double> distance_; // the leg length shown (none before the first one)
};
