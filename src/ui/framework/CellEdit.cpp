#include "ui/framework/CellEdit.h"

#include "ui/framework/ColourScheme.h"
#include "ui/framework/EditGrid.h"
#include "ui/framework/Platform.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>

namespace {

CCellEdit* g_instance = nullptr;

// Control characters that pass the allowed-set filter: copy, backspace, paste and cut.
bool IsEditingControl(QChar c) {
    const char16_t u = c.unicode();
    return u == 3 || u == 8 || u == 22 || u == 24;
}

} // namespace

CCellEdit::CCellEdit(CEditGrid* grid, int row, int column, QString allowed, QString initialText)
    : CValueEdit(grid->viewport()), grid_(grid), row_(row), column_(column),
      allowed_(std::move(allowed)), initialText_(std::move(initialText)) {
    SetSchemeStyleSheet(this, SchemeSheet::CellEdit);
}

CCellEdit::~CCellEdit() {
    if (g_instance == this)
        g_instance = nullptr;
}

CCellEdit* CCellEdit::Start(CEditGrid* grid, const QRect& cellRect, int row, int column,
                            const QString& allowedCharacters, const QString& initialText) {
    if (g_instance || !grid)
        return nullptr;
    auto* editor = new CCellEdit(grid, row, column, allowedCharacters, initialText);
    g_instance = editor;
    editor->setFont(grid->font());
    editor->SetMenuResource(grid->CellMenuResource());
    editor->setGeometry(cellRect);
    editor->show();
    editor->setText(initialText);
    editor->selectAll();
    editor->setFocus(Qt::OtherFocusReason);
    return editor;
}

CEditGrid* CCellEdit::Grid() const {
    return grid_;
}

CCellEdit* CCellEdit::Instance() {
    return g_instance;
}

void CCellEdit::Release(CEditGrid* grid) {
    if (!g_instance || g_instance->grid_ != grid)
        return;
    CCellEdit* editor = g_instance;
    editor->finished_ = true;
    g_instance = nullptr;
    delete editor;
}

bool CCellEdit::IsAllowed(QStringView text) const {
    if (allowed_.isEmpty())
        return true;
    for (QChar c : text)
        if (!allowed_.contains(c))
            return false;
    return true;
}

void CCellEdit::PasteChecked() {
    const QString text = CurrentPlatform().ClipboardText();
    if (IsAllowed(text))
        insert(text);
}

void CCellEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        cancelled_ = true;
        [[fallthrough]];
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (grid_)
            grid_->setFocus(Qt::OtherFocusReason);
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        PasteChecked();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && !IsEditingControl(text[0]) && text[0].isPrint() && !IsAllowed(text)) {
        event->accept();
        CurrentPlatform().Beep();
        return;
    }
    CValueEdit::keyPressEvent(event);
}

void CCellEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!IsAllowed(event->commitString())) {
        event->accept();
        CurrentPlatform().Beep();
        return;
    }
    CValueEdit::inputMethodEvent(event);
}

void CCellEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the primary selection on X11; it obeys the allowed set too.
    if (event->button() == Qt::MiddleButton && !allowed_.isEmpty()) {
        event->accept();
        return;
    }
    CValueEdit::mouseReleaseEvent(event);
}

void CCellEdit::focusOutEvent(QFocusEvent* event) {
    CValueEdit::focusOutEvent(event);
    // The value menu takes the focus only while it is shown; the edit goes on.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    Finish();
}

void CCellEdit::Finish() {
    if (finished_)
        return;
    finished_ = true;
    g_instance = nullptr; // the grid's owner may open the next edit from the notification
    hide();
    const QString text = cancelled_ ? initialText_ : this->text();
    if (grid_)
        grid_->EndCellEdit(row_, column_, text);
    deleteLater();
}
