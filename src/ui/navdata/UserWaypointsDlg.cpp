#include "ui/navdata/UserWaypointsDlg.h"

#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/navdata/UserWaypointDlg.h"

#include <QListWidget>

CUserWaypointsDlg::CUserWaypointsDlg(CTrevallionDoc& document, bool selectMode, QWidget* parent)
    : CCalcDialog(kTemplates, parent), document_(document), selectMode_(selectMode) {}

QListWidget* CUserWaypointsDlg::List() const {
    return Item<QListWidget>(IDC_WP_LIST);
}

bool CUserWaypointsDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog() || !List())
        return false;
    GetDlgItem(IDC_WP_SELECT)->setVisible(selectMode_);
    Bind(IDC_WP_ADD, [this] { OnAdd(); });
    Bind(IDC_WP_EDIT, [this] { OnEdit(); });
    Bind(IDC_WP_DELETE, [this] { OnDelete(); });
    Bind(IDC_WP_SELECT, [this] { OnSelect(); });
    connect(List(), &QListWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    Fill();
    return true;
}

void CUserWaypointsDlg::Fill(const QString& selectName) {
    QListWidget* list = List();
    list->clear();
    const QVector<UserWaypoint>& waypoints = document_.Waypoints().Waypoints();
    int selectRow = 0;
    for (int i = 0; i < waypoints.size(); ++i) {
        auto* item = new QListWidgetItem(waypoints[i].ident + QStringLiteral(" (") +
                                         waypoints[i].name + QStringLiteral(")"));
        item->setData(Qt::UserRole, i);
        list->addItem(item);
        if (!selectName.isEmpty() && waypoints[i].name == selectName)
            selectRow = i;
    }
    if (list->count() > 0)
        list->setCurrentRow(selectRow);
}

int CUserWaypointsDlg::SelectedIndex() const {
    const QListWidgetItem* item = List()->currentItem();
    if (!item || !item->isSelected())
        return -1;
    const int index = item->data(Qt::UserRole).toInt();
    return index < document_.Waypoints().Count() ? index : -1;
}

void CUserWaypointsDlg::OnAdd() {
    CUserWaypointDlg edit(UserWaypoint(), document_.Settings(),
                          CurrentAppState().settings.secondsFormat, this);
    if (edit.DoModal() != kIdOk)
        return;
    ShowStatus(document_.Waypoints().AddUserWaypoint(edit.Waypoint()));
    Fill(edit.Waypoint().name);
}

void CUserWaypointsDlg::OnEdit() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    CUserWaypointDlg edit(document_.Waypoints().Waypoints()[index], document_.Settings(),
                          CurrentAppState().settings.secondsFormat, this);
    if (edit.DoModal() != kIdOk)
        return;
    ShowStatus(document_.Waypoints().ReplaceUserWaypoint(index, edit.Waypoint()));
    Fill(edit.Waypoint().name);
}

void CUserWaypointsDlg::OnDelete() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    const QString& name = document_.Waypoints().Waypoints()[index].name;
    if (ShowMessage(QStringLiteral("Delete ") + name + QStringLiteral("?"),
                    MessageButtons::OkCancel, MessageIcon::Question) != kIdOk)
        return;
    ShowStatus(document_.Waypoints().DeleteUserWaypoint(index));
    Fill();
}

void CUserWaypointsDlg::OnSelect() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    selectedIdent_ = document_.Waypoints().Waypoints()[index].ident;
    EndDialog(kIdOk);
}
