#include "ui/calculators/HoldTimingDlg.h"

#include "core/calculators/HoldTiming.h"
#include "core/common/entry/FieldLimits.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"
#include "ui/calculators/NumberList.h"

#include <QComboBox>
#include <QLineEdit>

CHoldTimingDlg::CHoldTimingDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CHoldTimingDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    FillNumberList(Combo(IDC_WIND_DIRECTION), 10, 360, 10);
    FillNumberList(Combo(IDC_WIND_COURSE), 10, 360, 10);
    FillNumberList(Combo(IDC_WIND_SPEED), 4, 48, 2);
    FillNumberList(Combo(IDC_WIND_TAS), 90, 195, 5);
    if (QComboBox* time = Combo(IDC_HOLD_INBOUND_TIME)) {
        time->addItems(HoldInboundTimeItems());
        if (QLineEdit* edit = time->lineEdit())
            edit->setMaxLength(kInboundTimeChars);
        time->setCurrentIndex(0);
    }
    if (QComboBox* correction = Combo(IDC_HOLD_CORRECTION)) {
        correction->addItems(HoldCorrectionItems());
        correction->setCurrentIndex(0);
    }
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    return true;
}

void CHoldTimingDlg::OnCalculate() {
    HoldTimingInput in;
    in.windDirection = GetDlgItemText(IDC_WIND_DIRECTION);
    in.windSpeed = GetDlgItemText(IDC_WIND_SPEED);
    in.inboundCourse = GetDlgItemText(IDC_WIND_COURSE);
    in.tas = GetDlgItemText(IDC_WIND_TAS);
    in.inboundTime = GetDlgItemText(IDC_HOLD_INBOUND_TIME);
    in.outboundCorrection = GetDlgItemText(IDC_HOLD_CORRECTION);
    in.lastDistance = distance_;
    const HoldTimingResult r = CalculateHoldTiming(in);
    distance_ = r.distance;
    ShowCalcResult(*this, r.texts,
                   {{"Wind Direction", IDC_WIND_DIRECTION},
                    {"Inbound Course", IDC_WIND_COURSE},
                    {"Inbound Heading", IDC_HOLD_INBOUND_HEADING},
                    {"Outbound Heading", IDC_HOLD_OUTBOUND_HEADING},
                    {"Outbound Time", IDC_HOLD_OUTBOUND_TIME},
                    {"Distance", IDC_HOLD_DISTANCE}});
}
