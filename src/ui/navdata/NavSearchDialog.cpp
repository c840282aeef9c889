#include "ui/navdata/NavSearchDialog.h"

#include "core/common/Resources.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/navdata/ReportList.h"

#include <QGuiApplication>
#include <QTreeWidget>

CNavSearchDialog::CNavSearchDialog(LayoutTriple templates, CTrevallionDoc& document,
                                   QWidget* parent)
    : CCalcDialog(templates, parent), document_(document) {}

QTreeWidget* CNavSearchDialog::Results() const {
    return Item<QTreeWidget>(IDC_SEARCH_RESULTS);
}

bool CNavSearchDialog::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Results()->setSelectionBehavior(QAbstractItemView::SelectRows);
    Results()->setAllColumnsShowFocus(true);
    connect(Results(), &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) {
        Results()->setCurrentItem(row);
        OnSelect();
    });
    Bind(IDC_SEARCH_SELECT, [this] { OnSelect(); });
    return true;
}

bool CNavSearchDialog::Search(LocationKind kind) {
    const QString text = GetDlgItemText(IDC_SEARCH_TEXT);
    if (text.isEmpty()) {
        ShowMessage(LoadString(IDS_ENTER_SEARCH_TEXT));
        return false;
    }
    QTreeWidget* list = Results();
    list->clear();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    NavDatabase& nav = document_.NavData();
    const QVector<SearchRow> rows =
        kind == LocationKind::Airport ? nav.SearchAirports(text) : nav.SearchNavAids(text);
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const SearchRow& row : rows)
        items.append(new QTreeWidgetItem(QStringList{row.ident, row.name, row.detail}));
    list->addTopLevelItems(items);
    QGuiApplication::restoreOverrideCursor();
    if (rows.isEmpty()) {
        ShowMessage(LoadString(kind == LocationKind::Airport ? IDS_NO_AIRPORTS_FOUND
                                                             : IDS_NO_NAV_AIDS_FOUND));
        return false;
    }
    return true;
}

void CNavSearchDialog::OnSelect() {
    const QString ident = SelectedReportText(Results());
    if (ident.isEmpty())
        return;
    selectedIdent_ = ident;
    EndDialog(kIdOk);
}
