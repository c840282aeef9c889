// Air data, descent, time, speed, distance, fuel, weight shift and conversion dialogs, each with
// sample inputs and their results.
#include "GalleryScreen.h"

#include "core/calculators/AirData.h"
#include "core/calculators/UnitConversion.h"
#include "resource.h"
#include "ui/calculators/AirDataDlg.h"
#include "ui/calculators/ConvertDlg.h"
#include "ui/calculators/DescentRateDlg.h"
#include "ui/calculators/DistanceConvertDlg.h"
#include "ui/calculators/FuelBurnDlg.h"
#include "ui/calculators/FuelQuantityDlg.h"
#include "ui/calculators/TimeSpeedDistanceDlg.h"
#include "ui/calculators/TimeSumDlg.h"
#include "ui/calculators/VolumeConvertDlg.h"
#include "ui/calculators/WeightShiftDlg.h"

namespace {

using Fill = std::function<void(CCalcDialog&)>;

// Creates the dialog, sets the sample field texts and lets `then` press its buttons.
template <typename T, typename... Args>
std::unique_ptr<QWidget> Sample(const QList<QPair<int, QString>>& texts,
                                std::function<void(T&)> then, GalleryContext& context,
                                Args... args) {
    auto dialog = std::make_unique<T>(args..., context.frame);
    if (!dialog->Create())
        return nullptr;
    for (const auto& [id, text] : texts)
        dialog->SetDlgItemText(id, text);
    if (then)
        then(*dialog);
    return dialog;
}

GalleryFactory AirData(int mode, const QList<QPair<int, QString>>& texts) {
    return [mode, texts](GalleryContext& c) {
        return Sample<CAirDataDlg>(
            texts, [](CAirDataDlg& d) { d.OnCalculate(); }, c, mode);
    };
}

const GalleryRegistration kDensityAltitude{
    "CAirDataDlg-DensityAltitude", CAirDataDlg::kTemplates,
    AirData(kDensityAltitudeMode,
            {{IDC_AIR_INPUT1, "5000"}, {IDC_AIR_INPUT2, "29.92"}, {IDC_AIR_INPUT3, "30"}})};
const GalleryRegistration kPressureAltitude{
    "CAirDataDlg-PressureAltitude", CAirDataDlg::kTemplates,
    AirData(kPressureAltitudeMode, {{IDC_AIR_INPUT1, "5000"}, {IDC_AIR_INPUT2, "1013"}})};
const GalleryRegistration kStandardTemperature{
    "CAirDataDlg-StandardTemperature", CAirDataDlg::kTemplates,
    AirData(kStandardTemperatureMode, {{IDC_AIR_INPUT1, "10000"}})};
const GalleryRegistration kTrueAirSpeed{
    "CAirDataDlg-TrueAirSpeed", CAirDataDlg::kTemplates,
    AirData(kTrueAirSpeedMode,
            {{IDC_AIR_INPUT1, "30000"}, {IDC_AIR_INPUT2, "-40"}, {IDC_AIR_INPUT3, "250"}})};
const GalleryRegistration kMach{
    "CAirDataDlg-Mach", CAirDataDlg::kTemplates,
    AirData(kMachMode, {{IDC_AIR_INPUT1, "250"}, {IDC_AIR_INPUT2, "30000"}})};

const GalleryRegistration kDescentRate{"CDescentRateDlg", CDescentRateDlg::kTemplates,
                                       [](GalleryContext& c) {
                                           return Sample<CDescentRateDlg>(
                                               {{IDC_DESCENT_CURRENT_ALT, "5000"},
                                                {IDC_DESCENT_DESIRED_ALT, "1000"},
                                                {IDC_DESCENT_GROUND_SPEED, "120"}},
                                               [](CDescentRateDlg& d) { d.OnCalculate(); }, c);
                                       }};

const GalleryRegistration kTimeSpeedDistance{
    "CTimeSpeedDistanceDlg", CTimeSpeedDistanceDlg::kTemplates, [](GalleryContext& c) {
        return Sample<CTimeSpeedDistanceDlg>(
            {{IDC_TSD_SPEED, "120"}, {IDC_TSD_TIME, "1:30"}},
            [](CTimeSpeedDistanceDlg& d) { d.OnCalculate(); }, c);
    }};

const GalleryRegistration kFuelBurn{
    "CFuelBurnDlg", CFuelBurnDlg::kTemplates, [](GalleryContext& c) {
        return Sample<CFuelBurnDlg>(
            {{IDC_FUEL_BURN_QUANTITY, "40"}, {IDC_FUEL_BURN_TIME, "2:30"}},
            [](CFuelBurnDlg& d) { d.OnCalculate(); }, c);
    }};

const GalleryRegistration kTimeSum{"CTimeSumDlg", CTimeSumDlg::kTemplates, [](GalleryContext& c) {
                                       return Sample<CTimeSumDlg>(
                                           {{IDC_TIME_SUM_TIME, "1:30"}},
                                           [](CTimeSumDlg& d) {
                                               d.OnStep(TimeStep::Add);
                                               d.SetDlgItemText(IDC_TIME_SUM_TIME, "0:45");
                                           },
                                           c);
                                   }};

const GalleryRegistration kWeightShift{"CWeightShiftDlg", CWeightShiftDlg::kTemplates,
                                       [](GalleryContext& c) {
                                           return Sample<CWeightShiftDlg>(
                                               {{IDC_SHIFT_AIRCRAFT_WEIGHT, "2000"},
                                                {IDC_SHIFT_ARM_DISTANCE, "50"},
                                                {IDC_SHIFT_WEIGHT_TO_MOVE, "20"}},
                                               [](CWeightShiftDlg& d) { d.OnCalculate(); }, c);
                                       }};

const GalleryRegistration kConvert{
    "CConvertDlg", CConvertDlg::kTemplates, [](GalleryContext& c) {
        return Sample<CConvertDlg>(
            {{IDC_CONVERT_INPUT1, "212"}, {IDC_CONVERT_INPUT2, "100"}},
            [](CConvertDlg& d) {
                d.OnConvert(ConvertRow::FirstToSecond);
                d.OnConvert(ConvertRow::SecondToFirst);
            },
            c, kFahrenheitCelsiusMode);
    }};

const GalleryRegistration kDistanceConvert{
    "CDistanceConvertDlg", CDistanceConvertDlg::kTemplates, [](GalleryContext& c) {
        return Sample<CDistanceConvertDlg>(
            {{IDC_UNITS_INPUT, "100"}}, [](CDistanceConvertDlg& d) { d.OnConvert(); }, c);
    }};

const GalleryRegistration kVolumeConvert{
    "CVolumeConvertDlg", CDistanceConvertDlg::kTemplates, [](GalleryContext& c) {
        return Sample<CVolumeConvertDlg>(
            {{IDC_UNITS_INPUT, "40"}}, [](CVolumeConvertDlg& d) { d.OnConvert(); }, c);
    }};

const GalleryRegistration kFuelQuantity{
    "CFuelQuantityDlg", CFuelQuantityDlg::kTemplates, [](GalleryContext& c) {
        return Sample<CFuelQuantityDlg>(
            {{IDC_FUEL_QTY_INPUT, "10"}}, [](CFuelQuantityDlg& d) { d.OnCalculate(); }, c);
    }};

} // namespace
