#pragma once
// A scripted run of the "Search Location" dialog for the tests of the screens that open it.

#include "resource.h"
#include "support/ScriptedPlatform.h"
#include "ui/navdata/SearchLocationDlg.h"

#include <QTreeView>

#include <gtest/gtest.h>

// Searches `text` in the kind given and selects the first row found.
inline ScriptedPlatform::DialogScript SelectFirstFound(const char* text,
                                                       LocationKind kind = LocationKind::Airport) {
    return [text, kind](QDialog* d) {
        auto* search = dynamic_cast<CSearchLocationDlg*>(d);
        EXPECT_NE(search, nullptr);
        if (!search)
            return 0;
        search->SetKind(kind);
        search->SetDlgItemText(IDC_SEARCH_TEXT, QString::fromUtf8(text));
        EXPECT_TRUE(search->OnSearch());
        auto* list = search->Item<QTreeView>(IDC_SEARCH_RESULTS);
        list->setCurrentIndex(list->model()->index(0, 0));
        search->OnSelect();
        return search->result();
    };
}
