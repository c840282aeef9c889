// "Airport Search", "Search Location" and "View Nav Aid".
#include "NavViewFixture.h"

#include "resource.h"
#include "ui/navdata/AirportSearchDlg.h"
#include "ui/navdata/NavAidInfoDlg.h"
#include "ui/navdata/SearchLocationDlg.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

namespace {

class SearchDialogsTest : public NavViewTest {
protected:
    static QStringList Column(const CCalcDialog& dialog, int id, int column) {
        QStringList texts;
        const QAbstractItemModel* rows = dialog.Item<QTreeView>(id)->model();
        for (int i = 0; i < rows->rowCount(); ++i)
            texts << rows->index(i, column).data().toString();
        return texts;
    }
    static QList<int> Widths(const CCalcDialog& dialog) {
        auto* list = dialog.Item<QTreeView>(IDC_SEARCH_RESULTS);
        QList<int> widths;
        for (int i = 0; i < list->model()->columnCount(); ++i)
            widths << list->columnWidth(i);
        return widths;
    }
    static QStringList Headers(const CCalcDialog& dialog) {
        const QAbstractItemModel* rows = dialog.Item<QTreeView>(IDC_SEARCH_RESULTS)->model();
        QStringList titles;
        for (int i = 0; i < rows->columnCount(); ++i)
            titles << rows->headerData(i, Qt::Horizontal).toString();
        return titles;
    }
    static void SelectRow(const CCalcDialog& dialog, int row) {
        auto* list = dialog.Item<QTreeView>(IDC_SEARCH_RESULTS);
        list->setCurrentIndex(list->model()->index(row, 0));
    }
};

TEST_F(SearchDialogsTest, AirportSearchMessagesAndRememberedText) {
    platform.settings.WriteText("AirportSearch", "tacoma");
    CAirportSearchDlg search(*document);
    ASSERT_TRUE(search.Create());
    EXPECT_EQ(search.GetDlgItemText(IDC_SEARCH_TEXT), "tacoma");
    EXPECT_EQ(search.Edit(IDC_SEARCH_TEXT)->maxLength(), 20);
    EXPECT_EQ(Widths(search), QList<int>({40, 100, 75}));
    EXPECT_EQ(Headers(search), QStringList({"Ident", "Name", "City"}));
    EXPECT_FALSE(search.GetDlgItem(IDC_SEARCH_VIEW)->isVisibleTo(&search));

    const struct {
        const char* text;
        bool found;
        const char* message;
        QStringList idents;
    } cases[] = {
        {"", false, "Please enter the text you wish to search for.", {}},
        {"zzz", false, "No airports found.", {}},
        {"seattle", true, nullptr, {"KSEA", "KBFI"}}, // the city alone matches; last first
        {"Snohomish", true, nullptr, {"S43"}},
    };
    for (const auto& c : cases) {
        platform.messages.clear();
        search.SetDlgItemText(IDC_SEARCH_TEXT, c.text);
        EXPECT_EQ(search.OnSearch(), c.found) << c.text;
        EXPECT_EQ(Messages(), c.message ? QStringList{c.message} : QStringList()) << c.text;
        if (c.found) {
            EXPECT_EQ(Column(search, IDC_SEARCH_RESULTS, 0), c.idents);
            EXPECT_EQ(platform.settings.ReadText("AirportSearch"), c.text);
        }
    }
    EXPECT_EQ(platform.settings.ReadText("AirportSearch"), "Snohomish");

    // A double tap on a row chooses it.
    auto* list = search.Item<QTreeView>(IDC_SEARCH_RESULTS);
    emit list->doubleClicked(list->model()->index(0, 0));
    EXPECT_EQ(search.SelectedIdent(), "S43");
    EXPECT_EQ(search.result(), int{kIdOk});
}

TEST_F(SearchDialogsTest, SelectWithoutARowDoesNothing) {
    CAirportSearchDlg search(*document);
    ASSERT_TRUE(search.Create());
    search.Button(IDC_SEARCH_SELECT)->click();
    EXPECT_TRUE(search.SelectedIdent().isEmpty());
}

TEST_F(SearchDialogsTest, SearchLocationKindsColumnsAndView) {
    CSearchLocationDlg search(*document, LocationKind::NavAid);
    ASSERT_TRUE(search.Create());
    EXPECT_EQ(search.Combo(IDC_SEARCH_KIND)->currentText(), "NAV Aids");
    EXPECT_EQ(Headers(search), QStringList({"Ident", "Name", "Type"}));
    EXPECT_EQ(Widths(search), QList<int>({40, 100, 60}));
    EXPECT_TRUE(search.GetDlgItem(IDC_SEARCH_VIEW)->isEnabled());

    search.SetDlgItemText(IDC_SEARCH_TEXT, "seattle");
    ASSERT_TRUE(search.OnSearch());
    EXPECT_EQ(Column(search, IDC_SEARCH_RESULTS, 2), QStringList{"VORTAC"});
    SelectRow(search, 0);
    QStringList shown;
    platform.dialogScripts.append([&shown](QDialog* dialog) {
        auto* info = dynamic_cast<CNavAidInfoDlg*>(dialog);
        EXPECT_NE(info, nullptr);
        auto* list = info->Item<QTreeWidget>(IDC_NAV_AID_LIST);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            shown << list->topLevelItem(i)->text(0) + list->topLevelItem(i)->text(1);
        return int{kIdCancel};
    });
    search.Button(IDC_SEARCH_VIEW)->click();
    EXPECT_EQ(shown, QStringList({"ID:SEA", "Name:SEATTLE", "Type:VORTAC", "Lat:33:20.00 S",
                                  "Lon:83:20.00 W", "Freq:116.8"}));
    EXPECT_EQ(document->NavData().RecentNavAids(), QStringList{"SEA"});

    search.SetDlgItemText(IDC_SEARCH_TEXT, "zzz");
    EXPECT_FALSE(search.OnSearch());
    EXPECT_EQ(Messages(), QStringList{"No nav aids found."});

    // Airports: the list empties, the columns change and View is off.
    search.Combo(IDC_SEARCH_KIND)->setCurrentIndex(0);
    EXPECT_EQ(search.SelectedKind(), LocationKind::Airport);
    EXPECT_EQ(Headers(search), QStringList({"Ident", "Name", "City"}));
    EXPECT_EQ(Widths(search), QList<int>({40, 100, 80}));
    EXPECT_FALSE(search.GetDlgItem(IDC_SEARCH_VIEW)->isEnabled());
    search.SetDlgItemText(IDC_SEARCH_TEXT, "field");
    ASSERT_TRUE(search.OnSearch());
    SelectRow(search, 0);
    search.Button(IDC_SEARCH_SELECT)->click();
    EXPECT_EQ(search.result(), int{kIdOk});
    EXPECT_EQ(search.SelectedIdent(), "KBFI");
    EXPECT_EQ(search.SelectedKind(), LocationKind::Airport);
}

TEST_F(SearchDialogsTest, EveryLayoutCreates) {
    for (QSize size : {QSize(240, 320), QSize(320, 240), QSize(240, 240)}) {
        platform.screen.SetSize(size);
        CSearchLocationDlg location(*document, LocationKind::Airport);
        EXPECT_TRUE(location.Create()) << location.CreateError().toStdString();
        CAirportSearchDlg airports(*document);
        EXPECT_TRUE(airports.Create()) << airports.CreateError().toStdString();
        // On a square screen Select stays; Close gives way to the Cancel at the top.
        EXPECT_TRUE(airports.GetDlgItem(IDC_SEARCH_SELECT)->isVisibleTo(&airports));
    }
}

} // namespace
