// The entry fields and the editable grid, shown in a demonstration dialog until real dialogs use
// them: a latitude (hundredths), a longitude (seconds), a time, three value fields with their
// tap-and-hold menus and a weight grid with grey read-only columns.
#include "GalleryScreen.h"

#include "resource.h"
#include "ui/framework/DialogUnits.h"
#include "ui/framework/EditGrid.h"
#include "ui/framework/LatLonEdit.h"
#include "ui/framework/TimeEdit.h"
#include "ui/framework/ValueEdit.h"

namespace {

class CFieldsDemoDlg : public CCalcDialog {
public:
    static constexpr LayoutTriple kTemplates{IDD_FIELDS_DEMO_P, IDD_FIELDS_DEMO_L,
                                             IDD_FIELDS_DEMO_S};

    explicit CFieldsDemoDlg(QWidget* parent = nullptr) : CCalcDialog(kTemplates, parent) {}

protected:
    QWidget* CreateControl(const ControlTemplate& control) override {
        switch (control.id) {
        case IDC_DEMO_LATITUDE:
        case IDC_DEMO_LONGITUDE:
            return new CLatLonEdit(Host());
        case IDC_DEMO_TIME:
            return new CTimeEdit(Host());
        case IDC_DEMO_WIND_DIR:
        case IDC_DEMO_TAS:
        case IDC_DEMO_WIND_SPEED:
            return new CValueEdit(Host());
        case IDC_DEMO_GRID:
            return CEditGrid::FromTemplate(control, Host());
        default:
            return nullptr;
        }
    }

    bool OnInitDialog() override {
        if (!CCalcDialog::OnInitDialog())
            return false;
        auto* latitude = Item<CLatLonEdit>(IDC_DEMO_LATITUDE);
        latitude->SetSecondsOfArc(45 * 3600 + 30 * 60 + 45);
        auto* longitude = Item<CLatLonEdit>(IDC_DEMO_LONGITUDE);
        longitude->SetLongitude();
        longitude->SetSecondsForm(true);
        longitude->SetSecondsOfArc(122 * 3600 + 18 * 60 + 30);
        Item<CTimeEdit>(IDC_DEMO_TIME)->SetTime(14, 35);
        Item<CValueEdit>(IDC_DEMO_WIND_DIR)->SetMenuResource(IDR_WIND_DIR);
        Item<CValueEdit>(IDC_DEMO_TAS)->SetMenuResource(IDR_TAS);
        Item<CValueEdit>(IDC_DEMO_WIND_SPEED)->SetRange(30, 2);
        SetDlgItemText(IDC_DEMO_WIND_DIR, QStringLiteral("270"));
        SetDlgItemText(IDC_DEMO_TAS, QStringLiteral("120"));
        SetDlgItemText(IDC_DEMO_WIND_SPEED, QStringLiteral("14"));
        auto* grid = Item<CEditGrid>(IDC_DEMO_GRID);
        FillGrid(grid);
        grid->EditCell(3, 1); // shows the cell editor open on the baggage weight
        return true;
    }

private:
    static void FillGrid(CEditGrid* grid) {
        const int width = grid->width() - 4;
        grid->InsertColumn(0, QStringLiteral("Station"), width * 2 / 5);
        grid->InsertColumn(1, QStringLiteral("Weight"), width * 3 / 10, Qt::AlignRight);
        grid->InsertColumn(2, QStringLiteral("Arm"), width * 3 / 10, Qt::AlignRight);
        grid->SetReadOnly(0, true);
        grid->SetReadOnly(2, true);
        grid->SetAllowedCharacters(QStringLiteral("0123456789."));
        const struct {
            const char *station, *weight, *arm;
        } rows[] = {{"Pilot", "170.0", "85.5"},
                    {"Passenger", "150.0", "85.5"},
                    {"Rear seats", "", "118.1"},
                    {"Baggage", "20.0", "142.8"},
                    {"Fuel (gal)", "40.0", "95.0"}};
        for (const auto& r : rows) {
            const int row = grid->InsertRow(grid->RowCount(), QString::fromUtf8(r.station));
            grid->SetItemText(row, 1, QString::fromUtf8(r.weight));
            grid->SetItemText(row, 2, QString::fromUtf8(r.arm));
        }
    }
};

const GalleryRegistration kFieldsDemo{"CFieldsDemoDlg", CFieldsDemoDlg::kTemplates,
                                      MakeDialog<CFieldsDemoDlg>};

} // namespace
