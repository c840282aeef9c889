#include "ui/navdata/AirportSearchDlg.h"

#include "core/common/settings/SettingsSchema.h"

#include <QLineEdit>
#include <QTreeView>

CAirportSearchDlg::CAirportSearchDlg(CTrevallionDoc& document, QWidget* parent)
    : CNavSearchDialog(kTemplates, document, parent) {}

bool CAirportSearchDlg::OnInitDialog() {
    if (!CNavSearchDialog::OnInitDialog())
        return false;
    Edit(IDC_SEARCH_TEXT)->setMaxLength(kMaxSearchChars);
    RestoreLastValue(setting::kAirportSearch, IDC_SEARCH_TEXT);
    SetResultColumns({40, 100, 75},
                     {QStringLiteral("Ident"), QStringLiteral("Name"), QStringLiteral("City")});
    Bind(IDC_SEARCH_GO, [this] { OnSearch(); });
    return true;
}

bool CAirportSearchDlg::OnSearch() {
    if (!Search(LocationKind::Airport))
        return false;
    SaveLastValue(setting::kAirportSearch, IDC_SEARCH_TEXT);
    return true;
}
