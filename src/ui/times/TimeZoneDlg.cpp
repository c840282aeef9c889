#include "ui/times/TimeZoneDlg.h"

#include "core/times/PlaceChoice.h"
#include "ui/framework/DeviceScreen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

CTimeZoneDlg::CTimeZoneDlg(WorldClock place, bool newPlace, QWidget* parent)
    : CCalcDialog(kTemplates, parent), place_(std::move(place)), newPlace_(newPlace) {}

bool CTimeZoneDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Edit(IDC_ZONE_NAME)->setMaxLength(WorldClocks::kMaxNameLength);
    SetDlgItemText(IDC_ZONE_NAME, place_.name);
    QComboBox* zones = Combo(IDC_ZONE_LIST);
    for (const auto& [name, key] : SortedZoneNames())
        zones->addItem(name, key);
    zones->setCurrentIndex(zones->findData(place_.key));
    // The open list may be wider than the field, up to the screen's edge, so that the long zone
    // names show in full where they can.
    const int screenRoom = CurrentPlatform().Screen().Width() - zones->x() - 2;
    zones->view()->setMinimumWidth(std::min(zones->view()->sizeHintForColumn(0) + 8, screenRoom));
    // A square screen hides OK with the other dialog buttons; this dialog needs it to store.
    if (CurrentPlatform().Screen().IsSquare())
        if (QWidget* ok = GetDlgItem(kIdOk))
            ok->show();
    return true;
}

void CTimeZoneDlg::OnOK() {
    const QComboBox* zones = Combo(IDC_ZONE_LIST);
    std::optional<int> chosen;
    if (zones->currentIndex() >= 0)
        chosen = zones->currentData().toInt();
    Outcome<WorldClock> place =
        ChoosePlace(GetDlgItemText(IDC_ZONE_NAME), chosen, place_.key, newPlace_);
    if (!place.ok()) {
        ShowStatus(place.error());
        return;
    }
    place_ = std::move(place).value();
    CCalcDialog::OnOK();
}
