#pragma once
// The "Time" dialog: adds and subtracts "h:mm" durations to a running total (0:00 when the
// dialog opens; never below zero).

#include "core/calculators/TimeSum.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CTimeSumDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_TIME_SUM_P, IDD_TIME_SUM_L, 0};

    explicit CTimeSumDlg(QWidget* parent = nullptr);
    unsigned TotalMinutes() const { return totalMinutes_; }
    void OnStep(TimeStep step);

protected:
    bool OnInitDialog() override;

private:
    unsigned totalMinutes_ = 0;
};
