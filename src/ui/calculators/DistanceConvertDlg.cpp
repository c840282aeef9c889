#include "ui/calculators/DistanceConvertDlg.h"

#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"
#include "ui/calculators/VolumeConvertDlg.h"

#include <QComboBox>

CDistanceConvertDlg::CDistanceConvertDlg(QWidget* parent)
    : CDistanceConvertDlg(ConversionKind::Distance, parent) {}

CDistanceConvertDlg::CDistanceConvertDlg(ConversionKind kind, QWidget* parent)
    : CCalcDialog(kTemplates, parent), kind_(kind) {}

bool CDistanceConvertDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    if (kind_ == ConversionKind::Volume)
        SetCaption(QString::fromUtf8(CVolumeConvertDlg::kTitle));
    if (QComboBox* units = Combo(IDC_UNITS_LIST)) {
        units->addItems(ConversionUnits(kind_));
        units->setCurrentIndex(0);
        connect(units, &QComboBox::currentIndexChanged, this, [this] { OnConvert(); });
    }
    Bind(IDC_UNITS_CONVERT, [this] { OnConvert(); });
    OnConvert();
    return true;
}

void CDistanceConvertDlg::OnConvert() {
    const QComboBox* units = Combo(IDC_UNITS_LIST);
    const int source = units ? units->currentIndex() : 0;
    const QStringList targets = ConversionTargets(kind_, source);
    if (targets.size() != 2)
        return;
    SetDlgItemText(IDC_UNITS_LABEL1, targets[0]);
    SetDlgItemText(IDC_UNITS_LABEL2, targets[1]);
    ShowCalcResult(*this, ConvertDistanceOrVolume(kind_, source, GetDlgItemText(IDC_UNITS_INPUT)),
                   {{targets[0], IDC_UNITS_OUTPUT1}, {targets[1], IDC_UNITS_OUTPUT2}});
}
