#include "ui/calculators/FuelQuantityDlg.h"

#include "core/calculators/FuelQuantity.h"
#include "core/common/settings/SettingsSchema.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

// Fills a list, selects the first item, then the item whose text is `remembered`, if any.
void Fill(QComboBox* list, const QStringList& items, const QString& remembered) {
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(0);
    if (const int found = list->findText(remembered, Qt::MatchExactly);
        found >= 0 && !remembered.isEmpty())
        list->setCurrentIndex(found);
}

} // namespace

CFuelQuantityDlg::CFuelQuantityDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CFuelQuantityDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    QComboBox* source = Combo(IDC_FUEL_QTY_UNITS);
    QComboBox* target = Combo(IDC_FUEL_QTY_RESULT_UNITS);
    QComboBox* type = Combo(IDC_FUEL_QTY_TYPE);
    if (!source || !target || !type)
        return false;
    const SettingsStore& settings = CurrentPlatform().Settings();
    Fill(source, FuelSourceUnits(), setting::kFuelUnits.Read(settings));
    Fill(target, FuelResultUnits(source->currentIndex()), setting::kFuelResult.Read(settings));
    Fill(type, FuelTypes(), setting::kFuelType.Read(settings));
    connect(source, &QComboBox::currentIndexChanged, this, [this] {
        FillResultUnits();
        OnCalculate();
    });
    connect(target, &QComboBox::currentIndexChanged, this, [this] { OnCalculate(); });
    connect(type, &QComboBox::currentIndexChanged, this, [this] { OnCalculate(); });
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    OnCalculate();
    return true;
}

void CFuelQuantityDlg::FillResultUnits() {
    if (QComboBox* target = Combo(IDC_FUEL_QTY_RESULT_UNITS))
        Fill(target, FuelResultUnits(Combo(IDC_FUEL_QTY_UNITS)->currentIndex()), QString());
}

void CFuelQuantityDlg::OnCalculate() {
    const CalcResult result =
        FuelQuantity(GetDlgItemText(IDC_FUEL_QTY_INPUT), Combo(IDC_FUEL_QTY_TYPE)->currentIndex(),
                     Combo(IDC_FUEL_QTY_UNITS)->currentIndex(),
                     Combo(IDC_FUEL_QTY_RESULT_UNITS)->currentIndex());
    if (!ShowCalcResult(*this, result, {{kFuelResultLabel, IDC_FUEL_QTY_RESULT}}))
        return;
    SettingsStore& settings = CurrentPlatform().Settings();
    setting::kFuelType.Write(settings, GetDlgItemText(IDC_FUEL_QTY_TYPE));
    setting::kFuelUnits.Write(settings, GetDlgItemText(IDC_FUEL_QTY_UNITS));
    setting::kFuelResult.Write(settings, GetDlgItemText(IDC_FUEL_QTY_RESULT_UNITS));
}
