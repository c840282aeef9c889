#pragma once
// An item's text split into what to check and the expected result ("Mixture:Rich"), and the
// two-line text the checklist runner's large button shows for it.

#include <QString>

struct ChecklistItemText {
    QString name;  // the text before the first ":", or the whole text without one
    QString check; // the text after the first ":"
    bool hasCheck = false;

    bool operator==(const ChecklistItemText&) const = default;
};

ChecklistItemText SplitItemText(const QString& text);

// "Item: " + name + "\nCheck: " + check, or "Item: " + the whole text when it holds no ":".
QString ItemButtonText(const QString& text);
