#pragma once
// The checklist runner's large button: shows the selected item and what to check on it in a
// large bold font, wrapping long lines, and steps on when pressed.

#include <QPushButton>

class CChecklistStepButton : public QPushButton {
    Q_OBJECT
public:
    explicit CChecklistStepButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
