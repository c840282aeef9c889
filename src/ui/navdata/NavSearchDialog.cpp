#include "ui/navdata/NavSearchDialog.h"

#include "core/common/resources/Resources.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/navdata/SearchRowsModel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QTreeView>

CNavSearchDialog::CNavSearchDialog(LayoutTriple templates, CTrevallionDoc& document,
                                   QWidget* parent)
    : CCalcDialog(templates, parent), document_(document), rows_(new CSearchRowsModel(this)) {}

QWidget* CNavSearchDialog::CreateControl(const ControlTemplate& control) {
    if (control.id != IDC_SEARCH_RESULTS)
        return nullptr;
    auto* list = new QTreeView(this); // a report list on the lazy rows
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setStretchLastSection(false);
    list->setModel(rows_);
    return list;
}

QTreeView* CNavSearchDialog::Results() const {
    return Item<QTreeView>(IDC_SEARCH_RESULTS);
}

void CNavSearchDialog::SetResultColumns(const QList<int>& widths, const QStringList& titles) {
    rows_->SetColumns(titles);
    found_.reset();
    for (int i = 0; i < widths.size(); ++i)
        Results()->header()->resizeSection(i, std::max(0, widths[i]));
}

QString CNavSearchDialog::SelectedResultIdent() const {
    const QModelIndexList selected = Results()->selectionModel()->selectedRows(0);
    return selected.isEmpty() ? QString() : rows_->Row(selected.first().row()).ident;
}

int CNavSearchDialog::SelectedResultPosition() const {
    const QModelIndexList selected = Results()->selectionModel()->selectedRows(0);
    if (selected.isEmpty() || !found_)
        return -1;
    const auto row = static_cast<size_t>(selected.first().row());
    return row < found_->size() ? (*found_)[row] : -1;
}

bool CNavSearchDialog::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Results()->setSelectionBehavior(QAbstractItemView::SelectRows);
    Results()->setAllColumnsShowFocus(true);
    connect(Results(), &QTreeView::doubleClicked, this, [this](const QModelIndex& row) {
        Results()->setCurrentIndex(row);
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
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    NavDatabase& nav = document_.NavData();
    const bool airports = kind == LocationKind::Airport;
    auto found = std::make_shared<const std::vector<int>>(airports ? nav.FindAirports(text)
                                                                   : nav.FindNavAids(text));
    found_ = found;
    const int count = static_cast<int>(found->size());
    rows_->SetRows(count, [&nav, found, airports](int row) {
        const int position = (*found)[static_cast<size_t>(row)];
        return airports ? nav.AirportRow(position) : nav.NavAidRow(position);
    });
    QGuiApplication::restoreOverrideCursor();
    if (count == 0) {
        ShowMessage(LoadString(kind == LocationKind::Airport ? IDS_NO_AIRPORTS_FOUND
                                                             : IDS_NO_NAV_AIDS_FOUND));
        return false;
    }
    return true;
}

void CNavSearchDialog::OnSelect() {
    const QString ident = SelectedResultIdent();
    if (ident.isEmpty())
        return;
    selectedIdent_ = ident;
    selectedPosition_ = SelectedResultPosition();
    EndDialog(kIdOk);
}
