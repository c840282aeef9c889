#pragma once
// The "Distance Conversion" dialog: a distance in statute miles, nautical miles or kilometres
// shown in the two other units. CVolumeConvertDlg uses the same templates for gallons and litres.

#include "core/calculators/DistanceVolumeConversion.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CDistanceConvertDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_DISTANCE_CONVERT_P, IDD_DISTANCE_CONVERT_L, 0};

    explicit CDistanceConvertDlg(QWidget* parent = nullptr);
    // Converts the input from the selected unit into the two others.
    void OnConvert();

protected:
    CDistanceConvertDlg(ConversionKind kind, QWidget* parent);
    bool OnInitDialog() override;

private:
    ConversionKind kind_;
};
