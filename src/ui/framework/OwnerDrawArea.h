#pragma once
// An owner-drawn control: a template "Button" with BS_OWNERDRAW. Its owner draws it through the
// paint callback (graphs, diagrams) and hears taps through clicked(), or clickedAt() where it
// matters where the tap was.

#include <QWidget>

#include <functional>

class QPainter;

class COwnerDrawArea : public QWidget {
    Q_OBJECT
public:
    using PaintFunction = std::function<void(QPainter& painter, const QRect& area)>;

    explicit COwnerDrawArea(QWidget* parent = nullptr);
    void SetPaintFunction(PaintFunction paint);

signals:
    void clicked();
    // The same tap, with its position in the control's coordinates.
    void clickedAt(const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PaintFunction paint_;
};
