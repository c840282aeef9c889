// The "Sun Rise - Sun Set" dialog on the world file shipped with the program: Seattle-Tacoma at
// midsummer (its sunset falls on the next UTC day), and a typed position at 78 N in the polar day.
#include "GalleryScreen.h"

#include "core/navdata/NavFileChoice.h"
#include "resource.h"
#include "ui/calculators/SunTimesDlg.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/LatLonEdit.h"
#include "ui/framework/Platform.h"

#include <QComboBox>
#include <QDateEdit>

namespace {

GalleryRegistration SunTimesAt(const char* name, int location) {
    return GalleryRegistration(
        name, CSunTimesDlg::kTemplates, [location](GalleryContext& c) -> std::unique_ptr<QWidget> {
            auto dialog = std::make_unique<CSunTimesDlg>(GalleryDocument(), c.frame);
            if (!dialog->Create())
                return nullptr;
            dialog->Item<QDateEdit>(IDC_SUN_DATE)->setDate(QDate(2026, 6, 21));
            dialog->SetLocation(location);
            if (location == CSunTimesDlg::kAirport) {
                dialog->Combo(IDC_SUN_AIRPORT)->setCurrentText(QStringLiteral("KSEA"));
            } else {
                dialog->Item<CLatLonEdit>(IDC_SUN_LATITUDE)->SetSecondsOfArc(78 * 3600 + 13 * 60);
                dialog->Item<CLatLonEdit>(IDC_SUN_LONGITUDE)->SetSecondsOfArc(15 * 3600 + 33 * 60);
                if (!dialog->East())
                    dialog->ToggleEast();
                dialog->SetDlgItemText(IDC_SUN_UTC_OFFSET, QStringLiteral("2"));
            }
            // Without the file the airport is not found; the picture then shows no times.
            if (location != CSunTimesDlg::kAirport || GalleryDocument().NavData().IsLoaded())
                dialog->OnCalculate();
            return dialog;
        });
}

const GalleryRegistration kAirport = SunTimesAt("CSunTimesDlg_Airport", CSunTimesDlg::kAirport);
const GalleryRegistration kLatLon = SunTimesAt("CSunTimesDlg_LatLon", CSunTimesDlg::kLatLon);

} // namespace
