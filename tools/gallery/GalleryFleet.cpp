// The fleet editor's dialogs on the default fleet: the list, the default aircraft, each page of
// the type editor on the C172 with a second, variable-arm tank and a custom fuel load, that
// tank and that fuel load.
#include "GalleryScreen.h"

#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/AircraftTypeEntry.h"
#include "ui/weight-balance/AircraftDlg.h"
#include "ui/weight-balance/AircraftListDlg.h"
#include "ui/weight-balance/AircraftTypeDlg.h"
#include "ui/weight-balance/FuelLoadDlg.h"
#include "ui/weight-balance/FuelTankDlg.h"

namespace {

// The default fleet in memory only: the gallery never saves it.
AircraftStore& Store() {
    static AircraftStore store;
    return store;
}

FuelTank VariableTank() {
    FuelTank tank{QStringLiteral("Aux fuel"), 20.0, 0.0, 0.0, 0.5, {}};
    const TankArmRow rows[] = {{5.0, 50.0}, {10.0, 51.5}, {20.0, 52.0}};
    for (const TankArmRow& row : rows)
        (void)tank.rows.append(row);
    return tank;
}

AircraftType SampleType() {
    AircraftType type = Store().Types().first();
    (void)type.tanks.append(VariableTank());
    (void)type.fuelQuantities.append({QStringLiteral("Tabs"), {35.0, 10.0, 0, 0, 0, 0}});
    return type;
}

template <typename T> std::unique_ptr<QWidget> Created(std::unique_ptr<T> dialog) {
    if (!dialog->Create())
        return nullptr;
    return dialog;
}

GalleryRegistration TypePage(const char* name, int page) {
    return GalleryRegistration(name, CAircraftTypeDlg::kTemplates, [page](GalleryContext& c) {
        auto dialog = std::make_unique<CAircraftTypeDlg>(SampleType(), QStringLiteral("C172"),
                                                         Store(), c.frame);
        if (!dialog->Create())
            return std::unique_ptr<QWidget>();
        dialog->ShowPage(page);
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
}

const GalleryRegistration kList{
    "CAircraftListDlg", CAircraftListDlg::kTemplates, [](GalleryContext& c) {
        return Created(std::make_unique<CAircraftListDlg>(Store(), c.frame));
    }};
const GalleryRegistration kAircraft{
    "CAircraftDlg", CAircraftDlg::kTemplates, [](GalleryContext& c) {
        return Created(std::make_unique<CAircraftDlg>(Store().AircraftList().first(),
                                                      QStringLiteral("N123A"), Store(), c.frame));
    }};
const GalleryRegistration kTank{
    "CFuelTankDlg", CFuelTankDlg::kTemplates, [](GalleryContext& c) {
        return Created(std::make_unique<CFuelTankDlg>(VariableTank(), SampleType().flags, c.frame));
    }};
const GalleryRegistration kFixedTank{
    "CFuelTankDlg_Fixed", CFuelTankDlg::kTemplates, [](GalleryContext& c) {
        return Created(
            std::make_unique<CFuelTankDlg>(SampleType().tanks[0], SampleType().flags, c.frame));
    }};
const GalleryRegistration kLoad{
    "CFuelLoadDlg", CFuelLoadDlg::kTemplates, [](GalleryContext& c) {
        const AircraftType type = SampleType();
        return Created(std::make_unique<CFuelLoadDlg>(type.fuelQuantities[0], type, c.frame));
    }};

const GalleryRegistration kPage0 = TypePage("CAircraftTypeDlg_Info", kInfoPage);
const GalleryRegistration kPage1 = TypePage("CAircraftTypeDlg_Weights", kWeightsPage);
const GalleryRegistration kPage2 = TypePage("CAircraftTypeDlg_CofG", kCgPage);
const GalleryRegistration kPage3 = TypePage("CAircraftTypeDlg_MAC", kMacPage);
const GalleryRegistration kPage4 = TypePage("CAircraftTypeDlg_Stations", kStationsPage);
const GalleryRegistration kPage5 = TypePage("CAircraftTypeDlg_FuelTanks", kFuelTanksPage);
const GalleryRegistration kPage6 = TypePage("CAircraftTypeDlg_FuelQuantities", kFuelQuantitiesPage);
const GalleryRegistration kPage7 = TypePage("CAircraftTypeDlg_StartUp", kStartupPage);
const GalleryRegistration kPage8 = TypePage("CAircraftTypeDlg_Performance", kPerformancePage);

} // namespace
