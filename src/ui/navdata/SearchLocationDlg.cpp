#include "ui/navdata/SearchLocationDlg.h"

#include "ui/document/TrevallionDoc.h"
#include "ui/navdata/NavAidInfoDlg.h"

#include <QComboBox>
#include <QTreeView>

CSearchLocationDlg::CSearchLocationDlg(CTrevallionDoc& document, LocationKind kind, QWidget* parent)
    : CNavSearchDialog(kTemplates, document, parent), kind_(kind) {}

bool CSearchLocationDlg::OnInitDialog() {
    if (!CNavSearchDialog::OnInitDialog())
        return false;
    QComboBox* kinds = Combo(IDC_SEARCH_KIND);
    kinds->addItems({QStringLiteral("Airports"), QStringLiteral("NAV Aids")});
    kinds->setCurrentIndex(static_cast<int>(kind_));
    connect(kinds, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetKind(static_cast<LocationKind>(index)); });
    Bind(IDC_SEARCH_GO, [this] { OnSearch(); });
    Bind(IDC_SEARCH_VIEW, [this] { OnView(); });
    SetKind(kind_);
    return true;
}

void CSearchLocationDlg::SetKind(LocationKind kind) {
    kind_ = kind;
    const bool navAids = kind == LocationKind::NavAid;
    if (QComboBox* kinds = Combo(IDC_SEARCH_KIND); kinds->currentIndex() != static_cast<int>(kind))
        kinds->setCurrentIndex(static_cast<int>(kind));
    if (navAids)
        SetResultColumns({40, 100, 60},
                         {QStringLiteral("Ident"), QStringLiteral("Name"), QStringLiteral("Type")});
    else
        SetResultColumns({40, 100, 80},
                         {QStringLiteral("Ident"), QStringLiteral("Name"), QStringLiteral("City")});
    GetDlgItem(IDC_SEARCH_VIEW)->setEnabled(navAids);
}

void CSearchLocationDlg::OnView() {
    const QString ident = SelectedResultIdent();
    if (kind_ != LocationKind::NavAid || ident.isEmpty())
        return;
    NavAidRecord record;
    QString name;
    if (!Document().NavData().NavAidAt(SelectedResultPosition(), ident, &record, &name))
        return;
    CNavAidInfoDlg info(record, name, this);
    info.DoModal();
    Results()->setFocus();
}
