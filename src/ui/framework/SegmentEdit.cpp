#include "ui/framework/SegmentEdit.h"

#include "core/common/entry/SegmentedEntry.h"

#include <QKeyEvent>

namespace {

// Keys the field leaves to its dialog (default button, cancel, focus change, help).
bool IsDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_Tab || key == Qt::Key_Backtab ||
           (key >= Qt::Key_F1 && key <= Qt::Key_F35);
}

} // namespace

CSegmentEdit::CSegmentEdit(QWidget* parent) : QLineEdit(parent) {
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &QLineEdit::textChanged, this, &CSegmentEdit::TextChangedOutside);
}

bool CSegmentEdit::Configure(const QStringList& initialTexts, const QStringList& separators,
                             const QString& prefix, const QString& suffix) {
    if (!mask_.Configure(initialTexts, separators, prefix, suffix))
        return false;
    current_ = 0;
    Rebuild();
    return true;
}

bool CSegmentEdit::SetSegmentTexts(const QStringList& texts) {
    if (!mask_.SetTexts(texts))
        return false;
    Rebuild();
    return true;
}

void CSegmentEdit::SelectSegment(int index) {
    if (index < 0 || index >= mask_.Count())
        return;
    current_ = index;
    OnSegmentEntered(index);
    SelectCurrent();
}

void CSegmentEdit::Rebuild() {
    if (!mask_.IsConfigured())
        return;
    rebuilding_ = true;
    setText(mask_.Text());
    rebuilding_ = false;
    SelectCurrent();
}

void CSegmentEdit::SelectCurrent() {
    // Without the focus the selection would only confuse (several fields would show one); the
    // focus brings it back.
    if (!mask_.IsConfigured() || !hasFocus())
        return;
    // The caret ends at the segment's start, so a long mask scrolls to show the segment.
    setSelection(mask_.End(current_), -mask_.Width(current_));
}

void CSegmentEdit::TextChangedOutside(const QString& text) {
    if (rebuilding_ || !mask_.IsConfigured() || text == mask_.Text())
        return;
    OnExternalText(text);
    Rebuild();
}

bool CSegmentEdit::OnSegmentCharacter(QChar c) {
    if (!entry_ || current_ >= entry_->Count())
        return false;
    const int next = entry_->Type(current_, c);
    if (next < 0)
        return false;
    SetSegmentTexts(entry_->Texts());
    if (next != current_)
        SelectSegment(next);
    return true;
}

bool CSegmentEdit::OnSegmentKey(int key) {
    if (!entry_ || current_ >= entry_->Count())
        return false;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        entry_->Zero(current_);
        break;
    case Qt::Key_Up:
        entry_->StepUp(current_);
        break;
    case Qt::Key_Down:
        entry_->StepDown(current_);
        break;
    default:
        return false;
    }
    SetSegmentTexts(entry_->Texts());
    return true;
}

void CSegmentEdit::OnSegmentEntered(int index) {
    if (entry_ && index < entry_->Count())
        entry_->Enter(index);
}

void CSegmentEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsDialogKey(key)) {
        event->ignore();
        return;
    }
    event->accept();
    const int count = mask_.Count();
    if (count == 0)
        return;
    if (key == Qt::Key_Right || key == Qt::Key_Space) {
        SelectSegment((current_ + 1) % count);
    } else if (key == Qt::Key_Left) {
        SelectSegment((current_ + count - 1) % count);
    } else if (!OnSegmentKey(key)) {
        const QString text = event->text();
        if (text.size() == 1 && text[0].isPrint())
            OnSegmentCharacter(text[0]);
    }
    // The field's own caret movement and editing are not used: the selection stays on the
    // current segment.
    SelectCurrent();
}

void CSegmentEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (mask_.IsConfigured())
        SelectSegment(current_);
}

void CSegmentEdit::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !mask_.IsConfigured())
        return;
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    SelectSegment(mask_.SegmentAtPosition(PositionAfterCharacterAt(event->position().toPoint())));
}

void CSegmentEdit::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void CSegmentEdit::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void CSegmentEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CSegmentEdit::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void CSegmentEdit::inputMethodEvent(QInputMethodEvent* event) {
    // On-screen keyboards commit text here: it goes to the segments character by character.
    for (QChar c : event->commitString())
        if (c.isPrint())
            OnSegmentCharacter(c);
    event->accept();
    SelectCurrent();
}

int CSegmentEdit::PositionAfterCharacterAt(const QPoint& point) {
    // The nearest caret position, then which side of it the point lies on: right of it means
    // the character after the caret was tapped.
    const int caret = cursorPositionAt(point);
    setCursorPosition(caret);
    const int caretX = cursorRect().center().x();
    return point.x() >= caretX ? caret + 1 : caret;
}
