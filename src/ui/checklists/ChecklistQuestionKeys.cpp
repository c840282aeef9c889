#include "ui/checklists/ChecklistQuestionKeys.h"

#include "ui/checklists/ChecklistStepKeys.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// The button a stepping key presses in the modal box: its default (first) button.
QPushButton* AnsweringButton() {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box)
        return nullptr;
    for (QPushButton* button : box->findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisible() && button->isEnabled())
            return button;
    return nullptr;
}

} // namespace

CChecklistQuestionKeys::CChecklistQuestionKeys() {
    qApp->installEventFilter(this);
}

CChecklistQuestionKeys::~CChecklistQuestionKeys() {
    qApp->removeEventFilter(this);
}

bool CChecklistQuestionKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!IsChecklistStepKey(key->key(), key->modifiers()))
        return false;
    QPushButton* answer = AnsweringButton();
    if (!answer)
        return false;
    // Space and Enter on another button the pilot moved to (Tab to Cancel) press that button.
    const bool pressKey =
        key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (const auto* focused = qobject_cast<QPushButton*>(watched);
        pressKey && focused && focused != answer)
        return false;
    // Clicked once the key press has been consumed, so the box closes outside its delivery.
    QMetaObject::invokeMethod(answer, &QPushButton::click, Qt::QueuedConnection);
    return true;
}
