#pragma once
// The device screen: the area the program draws into, as on the handheld (240x320 by default).
// The width-is-exactly-320 rule (landscape templates) and the width-equals-height rule (square
// templates) read this screen. Rotation turns portrait and landscape into each other.

#include <QObject>
#include <QSize>

class DeviceScreen : public QObject {
    Q_OBJECT
public:
    // Orientation angles and the supported-orientation bits the orientation commands check.
    enum Angle { Angle0 = 0, Angle90 = 90, Angle180 = 180, Angle270 = 270 };
    static constexpr int kSupports90 = 1;
    static constexpr int kSupports180 = 2; // naturally landscape screens: the other landscape
    static constexpr int kSupports270 = 4;

    explicit DeviceScreen(QSize size = DefaultSize(), QObject* parent = nullptr);

    // 240x320, or TREVALLION_SCREEN=WxH when it holds a sensible size.
    static QSize DefaultSize();
    // Parses "WxH"; an invalid size when the text is not one (or outside 100..4000 pixels).
    static QSize ParseSize(const QString& text);

    QSize Size() const { return size_; }
    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    bool IsSquare() const { return size_.width() == size_.height(); }
    bool IsLandscapeWidth() const { return size_.width() == 320; }
    // Wider than high in its natural orientation (TREVALLION_SCREEN=320x240).
    bool NaturallyLandscape() const { return natural_.width() > natural_.height(); }

    int Orientation() const { return angle_; }
    int SupportedOrientations() const;
    // Turns the screen to the angle: 0 is the natural shape, 90 and 270 swap width and height.
    // Does nothing for an unsupported angle.
    void SetOrientation(int angle);
    // Replaces the screen (natural orientation).
    void SetSize(QSize size);
    // The display the screen fills when the program runs full screen on it; the orientations
    // whose shape it cannot show are then not supported. An empty size: no limit (a desktop).
    void SetDisplayLimit(QSize display);

signals:
    void Changed(QSize size);

private:
    QSize natural_;
    QSize size_;
    int angle_ = Angle0;
    QSize displayLimit_;
};
