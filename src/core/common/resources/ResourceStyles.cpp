#include "core/common/resources/ResourceStyles.h"

#include <QSet>

namespace {

// Window styles (WS_), then by control class: static texts (SS_), edit fields (ES_), buttons
// (BS_), combo boxes (CBS_), list boxes (LBS_), list views (LVS_), tree views (TVS_), tab strips
// (TCS_), up-down spinners (UDS_) and date pickers (DTS_).
const QSet<QString>& KnownStyles() {
    static const QSet<QString> styles = {
        "WS_BORDER",
        "WS_DISABLED",
        "WS_GROUP",
        "WS_TABSTOP",
        "WS_VISIBLE",
        "WS_VSCROLL",
        "SS_BLACKFRAME",
        "SS_CENTER",
        "SS_CENTERIMAGE",
        "SS_ETCHEDFRAME",
        "SS_GRAYFRAME",
        "SS_LEFTNOWORDWRAP",
        "SS_RIGHT",
        "SS_SUNKEN",
        "ES_AUTOHSCROLL",
        "ES_CENTER",
        "ES_MULTILINE",
        "ES_NUMBER",
        "ES_READONLY",
        "ES_RIGHT",
        "ES_UPPERCASE",
        "BS_AUTOCHECKBOX",
        "BS_AUTORADIOBUTTON",
        "BS_CHECKBOX",
        "BS_DEFPUSHBUTTON",
        "BS_GROUPBOX",
        "BS_MULTILINE",
        "BS_OWNERDRAW",
        "BS_RADIOBUTTON",
        "CBS_AUTOHSCROLL",
        "CBS_DROPDOWN",
        "CBS_DROPDOWNLIST",
        "CBS_UPPERCASE",
        "LBS_NOINTEGRALHEIGHT",
        "LBS_NOTIFY",
        "LVS_EDITLABELS",
        "LVS_NOCOLUMNHEADER",
        "LVS_REPORT",
        "LVS_SHOWSELALWAYS",
        "LVS_SINGLESEL",
        "TVS_EDITLABELS",
        "TVS_HASBUTTONS",
        "TVS_HASLINES",
        "TVS_LINESATROOT",
        "TVS_SHOWSELALWAYS",
        "TCS_TABS",
        "UDS_ARROWKEYS",
        "UDS_HORZ",
        "DTS_SHORTDATEFORMAT",
        "DTS_TIMEFORMAT",
    };
    return styles;
}

} // namespace

bool IsKnownResourceStyle(const QString& name) {
    return KnownStyles().contains(name);
}
