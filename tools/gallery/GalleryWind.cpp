// Screens of the wind calculators and holding patterns, filled with sample values and computed
// so that the graphs show a result.
#include "GalleryScreen.h"

#include "resource.h"
#include "ui/calculators/CrossWindDlg.h"
#include "ui/calculators/FindWindDlg.h"
#include "ui/calculators/GroundSpeedDlg.h"
#include "ui/calculators/HeadingTimeDlg.h"
#include "ui/calculators/HoldEntryDlg.h"
#include "ui/calculators/HoldTimingDlg.h"

#include <QComboBox>

#include <type_traits>

namespace {

struct Sample {
    int id;
    const char* text;
};

// Creates the dialog, types the samples into its fields and runs `calculate`.
template <typename T>
std::unique_ptr<QWidget> Filled(GalleryContext& context, std::initializer_list<Sample> samples,
                                void (T::*calculate)()) {
    auto dialog = [&context] {
        // Heading & Time hands on through the (empty) table: its button shows disabled.
        if constexpr (std::is_constructible_v<T, CCommandTable&, QWidget*>)
            return std::make_unique<T>(context.commands, context.frame);
        else
            return std::make_unique<T>(context.frame);
    }();
    if (!dialog->Create())
        return nullptr;
    for (const Sample& sample : samples)
        dialog->SetDlgItemText(sample.id, QString::fromUtf8(sample.text));
    if (calculate)
        (dialog.get()->*calculate)();
    return dialog;
}

const GalleryRegistration kGroundSpeed{
    "CGroundSpeedDlg", CGroundSpeedDlg::kTemplates, [](GalleryContext& c) {
        return Filled<CGroundSpeedDlg>(c,
                                       {{IDC_WIND_DIRECTION, "300"},
                                        {IDC_WIND_SPEED, "25"},
                                        {IDC_WIND_COURSE, "250"},
                                        {IDC_WIND_TAS, "110"}},
                                       &CGroundSpeedDlg::OnCalculate);
    }};

const GalleryRegistration kFindWind{"CFindWindDlg", CFindWindDlg::kTemplates,
                                    [](GalleryContext& c) {
                                        return Filled<CFindWindDlg>(c,
                                                                    {{IDC_WIND_HEADING, "83"},
                                                                     {IDC_WIND_GROUND_SPEED, "105"},
                                                                     {IDC_WIND_COURSE, "90"},
                                                                     {IDC_WIND_TAS, "120"}},
                                                                    &CFindWindDlg::OnCalculate);
                                    }};

const GalleryRegistration kCrossWind{
    "CCrossWindDlg", CCrossWindDlg::kTemplates, [](GalleryContext& c) {
        return Filled<CCrossWindDlg>(
            c, {{IDC_WIND_HEADING, "360"}, {IDC_WIND_DIRECTION, "060"}, {IDC_WIND_SPEED, "20"}},
            &CCrossWindDlg::OnCalculate);
    }};

const GalleryRegistration kHeadingTime{
    "CHeadingTimeDlg", CHeadingTimeDlg::kTemplates, [](GalleryContext& c) {
        return Filled<CHeadingTimeDlg>(c,
                                       {{IDC_WIND_TRACK, "90"},
                                        {IDC_WIND_DISTANCE, "210"},
                                        {IDC_WIND_TAS, "120"},
                                        {IDC_WIND_DIRECTION, "45"},
                                        {IDC_WIND_SPEED, "20"},
                                        {IDC_WIND_MAG_VAR, "5"},
                                        {IDC_WIND_DEPARTURE, "09:15"}},
                                       &CHeadingTimeDlg::OnCalculate);
    }};

const GalleryRegistration kHoldTiming{
    "CHoldTimingDlg", CHoldTimingDlg::kTemplates, [](GalleryContext& c) {
        return Filled<CHoldTimingDlg>(c,
                                      {{IDC_WIND_DIRECTION, "270"},
                                       {IDC_WIND_SPEED, "20"},
                                       {IDC_WIND_COURSE, "360"},
                                       {IDC_WIND_TAS, "120"}},
                                      &CHoldTimingDlg::OnCalculate);
    }};

const GalleryRegistration kHoldEntry{
    "CHoldEntryDlg", CHoldEntryDlg::kTemplates, [](GalleryContext& c) {
        return Filled<CHoldEntryDlg>(c,
                                     {{IDC_HOLD_INBOUND_COURSE, "360"}, {IDC_HOLD_APPROACH, "150"}},
                                     &CHoldEntryDlg::Evaluate);
    }};

} // namespace
