#pragma once
// The checklist runner's large button: shows the selected item and what to check on it in a
// large bold font, wrapping long lines, and steps on when pressed. A check too long for the
// button's height is drawn in a smaller font, down to a floor, before anything is cut.

#include <QPushButton>

class CChecklistStepButton : public QPushButton {
    Q_OBJECT
public:
    explicit CChecklistStepButton(QWidget* parent = nullptr);

    // The height the text needs, wrapped at this button width, in the large font.
    int HeightForText(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The largest font, from the large one down to the floor, in which the text fits the area.
    QFont FittingFont(const QRect& area) const;
};
