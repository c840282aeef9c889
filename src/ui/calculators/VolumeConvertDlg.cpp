#include "ui/calculators/VolumeConvertDlg.h"

CVolumeConvertDlg::CVolumeConvertDlg(QWidget* parent)
    : CDistanceConvertDlg(ConversionKind::Volume, parent) {}
