#pragma once
// The application's style, made for fingers on a small touchscreen: rows of menus and of pop-up
// lists (drop-downs) at least 20 pixels high, scroll bars at least 16 pixels wide, and menus
// taller than the screen that scroll in one column instead of running off its edge in two. The
// closed controls keep their template rectangles; everything else is drawn by the platform's style.

#include <QProxyStyle>

class QApplication;

class CTouchStyle : public QProxyStyle {
public:
    static constexpr int kMinRowHeight = 20;
    static constexpr int kMinScrollBarWidth = 16;

    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Gives the application the touch style over its current style.
void InstallTouchStyle(QApplication& application);
