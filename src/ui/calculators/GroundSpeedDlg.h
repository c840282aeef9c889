#pragma once
// The "Ground Speed" dialog: heading and ground speed from the wind, the course and the TAS,
// with the compass graph.

#include "ui/calculators/WindGraphDlg.h"

class CGroundSpeedDlg : public CWindGraphDlg {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{118, 178, 209};

    explicit CGroundSpeedDlg(QWidget* parent = nullptr);
    void OnCalculate() override;

protected:
    bool OnInitDialog() override;
};
