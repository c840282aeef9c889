#pragma once
// While it lives, the checklist's stepping keys answer the message box the runner shows at the
// end of a sub group as its first button does (OK: go on to the next sub group, or close the
// end-of-group note), so a pilot stepping with a clicker or a page turner never has to touch the
// screen; without it Page Down and the media key would do nothing there and Right would move
// the focus to Cancel. Other keys (Escape, Tab, Left) keep their meaning, and Space or Enter on a
// button the focus was moved to press that button.

#include <QObject>

class CChecklistQuestionKeys : public QObject {
public:
    // Watches the application's key presses until destroyed.
    CChecklistQuestionKeys();
    ~CChecklistQuestionKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
