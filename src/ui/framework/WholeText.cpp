#include "ui/framework/WholeText.h"

#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace {

constexpr char kTypingLimitProperty[] = "typingLimit";

// Lowers a lifted maximum as far as the text allows, keeping the cursor where it is (setting
// the maximum puts the text in again, which would move the cursor to the end).
void FollowText(QLineEdit* edit) {
    const int wanted = std::max(TypingLimit(edit), static_cast<int>(edit->text().size()));
    if (edit->maxLength() == wanted)
        return;
    const int cursor = edit->cursorPosition();
    edit->setMaxLength(wanted);
    edit->setCursorPosition(cursor);
}

} // namespace

int TypingLimit(const QLineEdit* edit) {
    const QVariant limit = edit->property(kTypingLimitProperty);
    return limit.isValid() ? limit.toInt() : edit->maxLength();
}

void SetTypingLimit(QLineEdit* edit, int limit) {
    if (!edit)
        return;
    if (edit->property(kTypingLimitProperty).isValid()) {
        edit->setProperty(kTypingLimitProperty, limit);
        FollowText(edit);
    } else {
        edit->setMaxLength(limit);
    }
}

void SetWholeText(QLineEdit* edit, const QString& text) {
    if (!edit)
        return;
    if (text.size() > edit->maxLength()) {
        if (!edit->property(kTypingLimitProperty).isValid()) {
            edit->setProperty(kTypingLimitProperty, edit->maxLength());
            QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { FollowText(edit); });
        }
        edit->setMaxLength(static_cast<int>(text.size()));
    }
    edit->setText(text);
}
