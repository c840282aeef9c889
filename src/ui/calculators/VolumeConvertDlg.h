#pragma once
// The volume conversion dialog "Gallons-Litres": U.S. gallons, imperial gallons or litres shown
// in the two other units, on the templates of the distance conversion.

#include "ui/calculators/DistanceConvertDlg.h"

class CVolumeConvertDlg : public CDistanceConvertDlg {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Gallons-Litres";

    explicit CVolumeConvertDlg(QWidget* parent = nullptr);
};
