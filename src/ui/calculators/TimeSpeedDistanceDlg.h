#pragma once
// The "Time/Speed/Distance" dialog: leave one of speed, distance and time empty and Calculate
// fills it in. A "CE" button beside each field empties it.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CTimeSpeedDistanceDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_TIME_SPEED_DISTANCE_P, IDD_TIME_SPEED_DISTANCE_L,
                                             0};

    explicit CTimeSpeedDistanceDlg(QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;
};
