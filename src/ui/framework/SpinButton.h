#pragma once
// An up-down control ("msctls_updown32"): two arrow buttons that report a step of +1 or -1.
// The owner decides what a step changes (a time field, a list selection).

#include <QWidget>

class QToolButton;

class CSpinButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinArrowSize = 16; // pixels a finger needs on each arrow

    explicit CSpinButton(Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    // +1 for up (or right), -1 for down (or left).
    void stepped(int delta);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Qt::Orientation orientation_;
    QToolButton* up_;
    QToolButton* down_;
};

// What a spin button beside an entry field does: sends the field an Up (delta > 0) or Down key
// press, which steps its selected part, and gives it the focus. Nothing for a null field.
void StepFieldWithArrowKey(QWidget* field, int delta);
