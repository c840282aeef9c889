#pragma once
// The "Ground Speed" dialog: heading and ground speed from the wind, the course and the TAS,
// with the compass graph.

#include "resource.h"
#include "ui/calculators/WindGraphDlg.h"

class CGroundSpeedDlg : public CWindGraphDlg {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_GROUND_SPEED_P, IDD_GROUND_SPEED_L,
                                             IDD_GROUND_SPEED_S};

    explicit CGroundSpeedDlg(QWidget* parent = nullptr);
    void OnCalculate() override;

protected:
    bool OnInitDialog() override;
};
