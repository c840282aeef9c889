// What is typed into a drop-down field stays as typed on every screen: no completion turns "35"
// into the list's "350".
#include "ShellFixture.h"

#include "core/app/ViewTable.h"
#include "ui/app/ScreenRegistrations.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QValidator>

namespace {

// Texts that start list items without being one: one and two digits of the number lists, and a
// first item's text without its last character (names and identifiers).
QStringList PrefixesFor(const QComboBox& combo) {
    QStringList texts{QStringLiteral("1"), QStringLiteral("35"), QStringLiteral("9")};
    const QString first = combo.itemText(0);
    if (first.size() > 1)
        texts.append(first.left(first.size() - 1));
    return texts;
}

bool Accepts(QLineEdit* edit, QString text) {
    int position = 0;
    return !edit->validator() || edit->validator()->validate(text, position) != QValidator::Invalid;
}

// Types each prefix into each editable list of `screen`; returns the fields that changed what
// was typed, as "screen: typed -> shown".
QStringList ChangedTypings(QWidget* screen, const QString& name) {
    QStringList changed;
    for (QComboBox* combo : screen->findChildren<QComboBox*>()) {
        if (!combo->isEditable() || combo->count() == 0 || !combo->isEnabled())
            continue;
        QLineEdit* edit = combo->lineEdit();
        for (const QString& typed : PrefixesFor(*combo)) {
            if (typed.size() > edit->maxLength() || !Accepts(edit, typed))
                continue;
            // Qt completes only in a focused field, so the window is made the active one.
            QApplication::setActiveWindow(screen->window());
            edit->setFocus();
            if (!edit->hasFocus())
                changed.append(name + ": no focus");
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, typed);
            if (combo->currentText() != typed)
                changed.append(name + ": " + typed + " -> " + combo->currentText());
        }
    }
    return changed;
}

class DropDownTypingTest : public ShellTest {};

TEST_F(DropDownTypingTest, EveryDialogAndViewKeepsTheTypedText) {
    RegisterScreens(registry);
    document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
    CCommandTable commands;
    QStringList changed;
    int lists = 0;
    for (int command : registry.DialogTemplates().keys()) {
        platform.dialogScripts = {[&](QDialog* dialog) {
            for (const QComboBox* combo : dialog->findChildren<QComboBox*>())
                lists += combo->isEditable() && combo->count() > 0;
            changed += ChangedTypings(dialog, dialog->windowTitle());
            return static_cast<int>(kIdCancel);
        }};
        CommandContext context{*document, nullptr, command, ID_VIEW_TIMES, commands};
        registry.RunCommand(command, context);
    }
    for (const ViewInfo& info : ViewTable()) {
        std::unique_ptr<CCustomFormView> view =
            registry.CreateView(info.viewId, *document, commands, nullptr);
        if (!view || !view->Create())
            continue;
        changed += ChangedTypings(view.get(), QString::fromUtf8(info.title));
    }
    EXPECT_GT(lists, 20); // the wind, hold and other number lists were reached
    EXPECT_TRUE(changed.isEmpty()) << changed.join("; ").toStdString();
}

} // namespace
