// "User Waypoints" and "User Waypoint": changes saved at once, selection by name, select mode,
// and the edit dialog's fields.
#include "NavViewFixture.h"

#include "core/common/io/DeviceFolders.h"
#include "resource.h"
#include "ui/framework/LatLonEdit.h"
#include "ui/framework/SpinButton.h"
#include "ui/navdata/UserWaypointDlg.h"
#include "ui/navdata/UserWaypointsDlg.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace {

class UserWaypointsTest : public NavViewTest {
protected:
    void SetUp() override {
        SetDocumentsFolder(documents.Path());
        NavViewTest::SetUp();
    }
    void TearDown() override {
        NavViewTest::TearDown();
        SetDocumentsFolder({});
    }
    static QStringList Rows(const CUserWaypointsDlg& dialog) {
        QStringList rows;
        auto* list = dialog.Item<QListWidget>(IDC_WP_LIST);
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        return rows;
    }
    static int CurrentRow(const CUserWaypointsDlg& dialog) {
        return dialog.Item<QListWidget>(IDC_WP_LIST)->currentRow();
    }
    // The next edit dialog gets these texts and OK.
    void ScriptEdit(const QString& ident, const QString& name) {
        platform.dialogScripts.append([ident, name](QDialog* dialog) {
            auto* edit = dynamic_cast<CUserWaypointDlg*>(dialog);
            EXPECT_NE(edit, nullptr);
            edit->SetDlgItemText(IDC_WP_IDENT, ident);
            edit->SetDlgItemText(IDC_WP_NAME, name);
            edit->SetDlgItemText(IDC_WP_LATITUDE, "47:30:00");
            edit->SetDlgItemText(IDC_WP_LONGITUDE, "122:10:00");
            edit->Button(kIdOk)->click();
            return edit->result();
        });
    }
    // The waypoints as the file on disk holds them.
    QStringList Saved() const {
        UserWaypointStore store(UserWaypointStore::DefaultPath(), {});
        EXPECT_TRUE(store.LoadUserWaypoints().ok());
        QStringList idents;
        for (const UserWaypoint& w : store.Waypoints())
            idents << w.ident + ' ' + w.name;
        return idents;
    }

    TempFolder documents;
};

TEST_F(UserWaypointsTest, AddEditAndDeleteAreSavedAtOnce) {
    CUserWaypointsDlg dialog(*document, false);
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_WP_SELECT)->isVisibleTo(&dialog));

    ScriptEdit("LAKE", "Lake");
    dialog.OnAdd();
    ScriptEdit("ALPHA", "Alpha");
    dialog.OnAdd();
    EXPECT_EQ(Rows(dialog), QStringList({"ALPHA (Alpha)", "LAKE (Lake)"}));
    EXPECT_EQ(CurrentRow(dialog), 0); // the added one, by name
    EXPECT_EQ(Saved(), QStringList({"ALPHA Alpha", "LAKE Lake"}));

    // An edit keeps the row's place and selects it by its new name.
    dialog.Item<QListWidget>(IDC_WP_LIST)->setCurrentRow(1);
    ScriptEdit("BETA", "Beta");
    dialog.OnEdit();
    EXPECT_EQ(Rows(dialog), QStringList({"ALPHA (Alpha)", "BETA (Beta)"}));
    EXPECT_EQ(CurrentRow(dialog), 1);
    EXPECT_EQ(Saved(), QStringList({"ALPHA Alpha", "BETA Beta"}));

    // Delete asks first; Cancel keeps the waypoint.
    platform.messageAnswers = {kIdCancel, kIdOk};
    dialog.OnDelete();
    EXPECT_EQ(platform.messages.last().text, "Delete Beta?");
    EXPECT_EQ(platform.messages.last().icon, MessageIcon::Question);
    EXPECT_EQ(Rows(dialog).size(), 2);
    dialog.OnDelete();
    EXPECT_EQ(Rows(dialog), QStringList{"ALPHA (Alpha)"});
    EXPECT_EQ(Saved(), QStringList{"ALPHA Alpha"});
}

TEST_F(UserWaypointsTest, SelectModeReturnsTheChosenIdentifier) {
    for (const char* ident : {"HOME", "LAKE"})
        ASSERT_TRUE(document->Waypoints().AddUserWaypoint({ident, ident, 100, 100, 0}).ok());
    CUserWaypointsDlg dialog(*document, true);
    ASSERT_TRUE(dialog.Create());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_WP_SELECT)->isVisibleTo(&dialog));
    dialog.Item<QListWidget>(IDC_WP_LIST)->setCurrentRow(1);
    dialog.Button(IDC_WP_SELECT)->click();
    EXPECT_EQ(dialog.result(), int{kIdOk});
    EXPECT_EQ(dialog.SelectedIdent(), "LAKE");
}

TEST_F(UserWaypointsTest, EditDialogShowsSignsStepsAndRemembersTheFormat) {
    platform.settings.WriteText("Waypoint.Seconds", "Yes");
    const UserWaypoint south{"HOME", "Home", -(47 * 3600 + 30 * 60 + 15), -122 * 3600, -15};
    CUserWaypointDlg dialog(south, platform.settings, false);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Combo(IDC_WP_FORMAT)->currentText(), "DD:MM:SS");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WP_LATITUDE), "47:30:15");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WP_LONGITUDE), "122:00:00");
    EXPECT_EQ(dialog.Combo(IDC_WP_NORTH_SOUTH)->currentText(), "South");
    EXPECT_EQ(dialog.Combo(IDC_WP_EAST_WEST)->currentText(), "East");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WP_MAG_VAR), "15");
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_WP_VAR_EAST));
    EXPECT_EQ(dialog.Edit(IDC_WP_IDENT)->maxLength(), 6);
    EXPECT_EQ(dialog.Edit(IDC_WP_NAME)->maxLength(), 15);

    dialog.Combo(IDC_WP_FORMAT)->setCurrentIndex(CUserWaypointDlg::kHundredthsFormat);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WP_LATITUDE), "47:30.25");
    emit dialog.Item<CSpinButton>(IDC_WP_LATITUDE_SPIN)->stepped(1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WP_LATITUDE), "48:30.25");
    dialog.Combo(IDC_WP_EAST_WEST)->setCurrentIndex(1); // West
    dialog.Button(kIdOk)->click();
    EXPECT_EQ(dialog.result(), int{kIdOk});
    EXPECT_EQ(dialog.Waypoint(),
              (UserWaypoint{"HOME", "Home", -(48 * 3600 + 30 * 60 + 15), 122 * 3600, -15}));
    EXPECT_EQ(platform.settings.ReadText("Waypoint.Seconds"), "No");
}

TEST_F(UserWaypointsTest, EditDialogRefusesTheEquatorWithItsMessage) {
    CUserWaypointDlg dialog(UserWaypoint(), platform.settings, false);
    ASSERT_TRUE(dialog.Create());
    dialog.SetDlgItemText(IDC_WP_IDENT, "EQ");
    dialog.SetDlgItemText(IDC_WP_NAME, "Equator");
    dialog.SetDlgItemText(IDC_WP_LONGITUDE, "010:00.00");
    dialog.Button(kIdOk)->click();
    EXPECT_NE(dialog.result(), int{kIdOk});
    ASSERT_EQ(Messages(), QStringList{"You must enter a latitude for this waypoint."});
    EXPECT_EQ(platform.messages.last().title, "User Waypoint");
}

} // namespace
