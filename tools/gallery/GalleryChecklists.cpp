// Screens of the checklists: the checklist view on the shipped default checklist, and the
// checklist editor on the same data.
#include "GalleryScreen.h"

#include "core/checklists/ChecklistData.h"
#include "core/common/io/DeviceFolders.h"
#include "resource.h"
#include "ui/checklists/CheckListView.h"
#include "ui/checklists/ChecklistEditDlg.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"

#include <QTreeWidget>

namespace {

QString ShippedChecklists() {
    return ProgramFolder() + QStringLiteral("checklist.db");
}

// What the view borrows: a document holding the shipped checklist.
struct ShippedDocument {
    ShippedDocument() : document(CurrentPlatform().Settings(), fix) {
        loaded = document.Checklists().LoadChecklists(ShippedChecklists()).ok();
    }
    GpsFix fix;
    CTrevallionDoc document;
    bool loaded = false;
};

class CGalleryCheckListView : private ShippedDocument, public CCheckListView {
public:
    CGalleryCheckListView() : CCheckListView(document) {}
    bool Loaded() const { return loaded; }
};

struct ShippedData {
    ShippedData() { loaded = checklists.LoadChecklists(ShippedChecklists()).ok(); }
    ChecklistData checklists;
    bool loaded = false;
};

class CGalleryChecklistEditDlg : private ShippedData, public CChecklistEditDlg {
public:
    explicit CGalleryChecklistEditDlg(QWidget* parent) : CChecklistEditDlg(checklists, parent) {}
    bool Loaded() const { return loaded; }
};

const GalleryRegistration kView{"CCheckListView", CCheckListView::kTemplates,
                                [](GalleryContext&) -> std::unique_ptr<QWidget> {
                                    auto view = std::make_unique<CGalleryCheckListView>();
                                    if (!view->Loaded() || !view->Create())
                                        return nullptr;
                                    view->Step(); // the second item, to show an item with its check
                                    return view;
                                }};

const GalleryRegistration kEditor{"CChecklistEditDlg", CChecklistEditDlg::kTemplates,
                                  [](GalleryContext& context) -> std::unique_ptr<QWidget> {
                                      auto editor =
                                          std::make_unique<CGalleryChecklistEditDlg>(context.frame);
                                      if (!editor->Loaded() || !editor->Create())
                                          return nullptr;
                                      // Open down to the first items, with an item selected (its
                                      // buttons: no "Add2").
                                      auto* tree = editor->Item<QTreeWidget>(IDC_CHECKLIST_TREE);
                                      QTreeWidgetItem* item = tree->topLevelItem(0);
                                      for (int level = 0; item && level < 4; ++level) {
                                          item->setExpanded(true);
                                          item = item->child(0);
                                      }
                                      if (item)
                                          tree->setCurrentItem(item);
                                      return editor;
                                  }};

} // namespace
