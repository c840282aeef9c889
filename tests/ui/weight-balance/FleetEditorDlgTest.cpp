// The fleet editor as a pilot uses it: the Aircraft List with its nested dialogs run by script,
// from the weight and balance view and from Edit > Aircraft... in every menu set.
#include "WeightBalanceFixture.h"

#include "core/weight-balance/AircraftTypeEntry.h"
#include "ui/calculators/DialogTestHelpers.h"
#include "ui/weight-balance/AircraftDlg.h"
#include "ui/weight-balance/AircraftListDlg.h"
#include "ui/weight-balance/AircraftTypeDlg.h"
#include "ui/weight-balance/FuelLoadDlg.h"
#include "ui/weight-balance/FuelTankDlg.h"

#include <QFileInfo>
#include <QListWidget>

#include <functional>

namespace {

template <typename T> using Script = std::function<void(T&)>;

class FleetEditorTest : public WeightBalanceTest {
protected:
    // The next modal run is a T: the script fills it, then OK is pressed; the run ends with the
    // dialog's result (Cancel when OK refused).
    template <typename T> void ThenOk(Script<T> script) {
        platform.dialogScripts.append([script](QDialog* d) {
            auto* dialog = dynamic_cast<T*>(d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return int{kIdCancel};
            script(*dialog);
            dialog->Button(kIdOk)->click();
            return dialog->result() == kIdOk ? int{kIdOk} : int{kIdCancel};
        });
    }
    // The next modal run is the list: the script works in it, then it is closed.
    void InList(Script<CAircraftListDlg> script) {
        platform.dialogScripts.append([script](QDialog* d) {
            auto* list = dynamic_cast<CAircraftListDlg*>(d);
            EXPECT_NE(list, nullptr);
            if (list)
                script(*list);
            return int{kIdCancel};
        });
    }
    void Cell(CCalcDialog& d, int gridId, int row, int column, const QString& text) {
        d.Item<CEditGrid>(gridId)->EndCellEdit(row, column, text);
    }
    QByteArray FileBytes() const {
        QFile f(document->Aircraft().FilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& m : platform.messages)
            texts << m.text;
        return texts;
    }
};

// A new type with two stations, two tanks (one with an arm table), an envelope and a fuel load,
// and an aircraft of it, entered from the view's Aircraft button: the view loads it, and the
// file holds it after a restart.
TEST_F(FleetEditorTest, ANewTypeAndAircraftReachTheViewAndTheFile) {
    CWeightBalanceView& v = MakeView();
    InList([this](CAircraftListDlg& list) {
        ThenOk<CAircraftTypeDlg>([this](CAircraftTypeDlg& d) {
            TypeInto(d, IDC_TYPE_NAME, "PA28");
            d.ShowPage(kWeightsPage); // fields of hidden pages take no typing
            TypeInto(d, IDC_TYPE_RAMP, "2550");
            const char* envelope[][2] = {
                {"1200", "84"}, {"2550", "88"}, {"2550", "93"}, {"1200", "93"}};
            for (int row = 0; row < 4; ++row) {
                Cell(d, IDC_TYPE_ENVELOPE, row, 1, envelope[row][0]);
                Cell(d, IDC_TYPE_ENVELOPE, row, 2, envelope[row][1]);
            }
            Cell(d, IDC_TYPE_STATIONS, 0, 1, "Front");
            Cell(d, IDC_TYPE_STATIONS, 0, 2, "80.5");
            Cell(d, IDC_TYPE_STATIONS, 1, 1, "Rear");
            Cell(d, IDC_TYPE_STATIONS, 1, 2, "118.1");
            ThenOk<CFuelTankDlg>([this](CFuelTankDlg& t) {
                TypeInto(t, IDC_TANK_NAME, "Left");
                TypeInto(t, IDC_TANK_CAPACITY, "25");
                TypeInto(t, IDC_TANK_ARM, "95");
            });
            d.OnAddTank();
            ThenOk<CFuelTankDlg>([this](CFuelTankDlg& t) {
                TypeInto(t, IDC_TANK_NAME, "Right");
                TypeInto(t, IDC_TANK_CAPACITY, "25");
                t.Combo(IDC_TANK_ARM_TYPE)->setCurrentIndex(CFuelTankDlg::kVariable);
                Cell(t, IDC_TANK_ROWS, 0, 1, "10");
                Cell(t, IDC_TANK_ROWS, 0, 2, "94");
                Cell(t, IDC_TANK_ROWS, 1, 1, "25");
                Cell(t, IDC_TANK_ROWS, 1, 2, "96");
            });
            d.OnAddTank();
            ThenOk<CFuelLoadDlg>([this](CFuelLoadDlg& q) {
                TypeInto(q, IDC_FQ_TITLE, "Tabs");
                Cell(q, IDC_FQ_GRID, 0, 2, "17");
                Cell(q, IDC_FQ_GRID, 1, 2, "17");
            });
            d.OnAddQuantity();
            Cell(d, IDC_TYPE_STARTUP, 0, 1, "1");
        });
        list.OnNewType();
        EXPECT_EQ(list.SelectedLabel(), QStringLiteral("PA28"));
        ThenOk<CAircraftDlg>([this](CAircraftDlg& d) {
            EXPECT_EQ(d.Combo(IDC_AC_TYPE)->currentText(), QStringLiteral("PA28"));
            TypeInto(d, IDC_AC_IDENT, "G-ABCD");
            TypeInto(d, IDC_AC_WEIGHT, "1500");
            TypeInto(d, IDC_AC_ARM, "86");
        });
        list.OnNewAircraft();
        EXPECT_EQ(list.SelectedLabel(), QStringLiteral("G-ABCD"));
    });
    v.Button(IDC_WB_AIRCRAFT_BUTTON)->click();
    EXPECT_TRUE(platform.messages.isEmpty()) << Messages().join("|").toStdString();

    v.Combo(IDC_WB_TYPE)->setCurrentIndex(1);
    EXPECT_EQ(v.Combo(IDC_WB_AIRCRAFT)->currentText(), QStringLiteral("G-ABCD"));
    EXPECT_EQ(Grid(IDC_WB_TANKS)->RowCount(), 2);
    EXPECT_EQ(v.Session().Computed().results.zeroFuelWeight, 1500.0);

    AircraftStore again(document->Aircraft().FilePath().section('/', 0, -2));
    ASSERT_TRUE(again.LoadAircraftFile().ok());
    EXPECT_EQ(again.Fleet(), document->Aircraft().Fleet());
    const AircraftType& pa28 = *again.FindAircraftTypeByName("PA28");
    EXPECT_EQ(pa28.maxLandingWeight, 2550.0);
    EXPECT_EQ(pa28.tanks[1].rows.size(), 2);
    EXPECT_EQ(pa28.tanks[0].startupQuantity, 1.0);
    EXPECT_EQ(pa28.fuelQuantities[0].quantities[1], 17.0);
    EXPECT_GT(pa28.lastChange, 0u);
}

// An Edit that changes nothing leaves aircraft.db as it was, bytes and time.
TEST_F(FleetEditorTest, EditAndOkWithoutChangesWritesNothing) {
    Aircraft added{0, 1, QStringLiteral("N456B"), 1600.0, 40.25, 0.0};
    ASSERT_TRUE(document->Aircraft().AddAircraft(added).ok());
    const QByteArray before = FileBytes();
    const QDateTime written = QFileInfo(document->Aircraft().FilePath()).lastModified();
    InList([this](CAircraftListDlg& list) {
        for (const char* node : {"C172", "N456B"}) {
            list.SelectNode(node);
            if (QString(node) == "C172")
                ThenOk<CAircraftTypeDlg>([](CAircraftTypeDlg&) {});
            else
                ThenOk<CAircraftDlg>([](CAircraftDlg&) {});
            list.OnEdit();
        }
    });
    ShowAircraftList(*document, nullptr);
    EXPECT_TRUE(platform.dialogScripts.isEmpty());
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(QFileInfo(document->Aircraft().FilePath()).lastModified(), written);
}

// Deleting: the only type is refused; the last aircraft of a type leaves the type; a copy that
// keeps its name is refused and the type editor shows the page of the failure.
TEST_F(FleetEditorTest, DeleteAndCopyRules) {
    InList([this](CAircraftListDlg& list) {
        list.SelectNode("C172");
        list.OnDelete();
        list.SelectNode("N123A");
        list.OnDelete();
        EXPECT_EQ(list.SelectedLabel(), QStringLiteral("C172"));
        platform.dialogScripts.append([](QDialog* d) {
            auto& dialog = *dynamic_cast<CAircraftTypeDlg*>(d);
            dialog.ShowPage(kStationsPage);
            dialog.Button(kIdOk)->click();
            EXPECT_EQ(dialog.CurrentPage(), kInfoPage);
            dialog.OpenContextHelp();
            return int{kIdCancel};
        });
        list.OnCopy();
    });
    ShowAircraftList(*document, nullptr);
    EXPECT_EQ(Messages(),
              (QStringList{"This aircraft type can not be deleted - at least one type "
                           "must be defined.",
                           "Delete N123A?", "An aircraft type with this name already exists."}));
    EXPECT_EQ(document->Aircraft().Types().size(), 1);
    EXPECT_TRUE(document->Aircraft().AircraftList().isEmpty());
    EXPECT_EQ(platform.helpTopics, QStringList{"AircraftType0"});
}

// Deleting the second of three tanks keeps the third tank's fuel load and start-up fuel.
TEST_F(FleetEditorTest, DeletingATankKeepsTheLaterTanksValues) {
    AircraftType type = document->Aircraft().Types()[0];
    type.tanks.clear();
    for (const char* name : {"Left", "Centre", "Right"})
        (void)type.tanks.append({QString::fromLatin1(name), 40.0, 48.0, 0.0, 0.0, {}});
    (void)type.fuelQuantities.append({QStringLiteral("Tabs"), {10.0, 20.0, 30.0, 0, 0, 0}});
    CAircraftTypeDlg dialog(type, type.name, document->Aircraft());
    ASSERT_TRUE(dialog.Create());
    Cell(dialog, IDC_TYPE_STARTUP, 2, 1, "3");
    dialog.Item<QListWidget>(IDC_TYPE_TANKS)->setCurrentRow(1);
    dialog.OnDeleteTank();
    EXPECT_EQ(dialog.Working().fuelQuantities[0].quantities[1], 30.0);
    EXPECT_EQ(dialog.Item<CEditGrid>(IDC_TYPE_STARTUP)->ItemText(1, 0), QStringLiteral("Right"));
    EXPECT_EQ(dialog.Item<CEditGrid>(IDC_TYPE_STARTUP)->ItemText(1, 1), QStringLiteral("3"));
    EXPECT_EQ(Messages(), QStringList{"Delete Centre?"});
}

} // namespace
