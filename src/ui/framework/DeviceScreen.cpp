#include "ui/framework/DeviceScreen.h"

#include <QStringView>

namespace {

// A side of three or four ASCII digits, blanks around it allowed; 0 for anything else.
int ParseSide(QStringView text) {
    text = text.trimmed();
    if (text.size() < 3 || text.size() > 4)
        return 0;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return 0;
    return text.toInt();
}

} // namespace

DeviceScreen::DeviceScreen(QSize size, QObject* parent)
    : QObject(parent), natural_(size), size_(size) {}

QSize DeviceScreen::ParseSize(const QString& text) {
    // Read by hand rather than with a regular expression: this runs at every start.
    const qsizetype x = text.indexOf(u'x', 0, Qt::CaseInsensitive);
    if (x < 0)
        return {};
    const QSize size(ParseSide(QStringView(text).first(x)),
                     ParseSide(QStringView(text).sliced(x + 1)));
    if (size.width() < 100 || size.height() < 100 || size.width() > 4000 || size.height() > 4000)
        return {};
    return size;
}

QSize DeviceScreen::DefaultSize() {
    const QSize fromEnvironment = ParseSize(qEnvironmentVariable("TREVALLION_SCREEN"));
    return fromEnvironment.isValid() ? fromEnvironment : QSize(240, 320);
}

int DeviceScreen::SupportedOrientations() const {
    // A square screen looks the same in every orientation; others turn both ways, and a screen
    // that is naturally landscape also turns by half a turn into its other landscape.
    if (natural_.width() == natural_.height())
        return 0;
    const int turns = NaturallyLandscape() ? (kSupports90 | kSupports180 | kSupports270)
                                           : (kSupports90 | kSupports270);
    // A display the screen fills shows only the shapes it holds: a 320x240 touchscreen never
    // turns to 240x320, which would put the menu bar off its edge.
    const bool turnedFits =
        displayLimit_.isEmpty() ||
        (natural_.height() <= displayLimit_.width() && natural_.width() <= displayLimit_.height());
    return turnedFits ? turns : (turns & kSupports180);
}

void DeviceScreen::SetDisplayLimit(QSize display) {
    displayLimit_ = display;
    // A shape the display cannot show is turned back to the natural one.
    if ((angle_ == Angle90 || angle_ == Angle270) && !(SupportedOrientations() & kSupports90))
        SetOrientation(Angle0);
}

void DeviceScreen::SetOrientation(int angle) {
    if (angle == angle_)
        return;
    const int supported = SupportedOrientations();
    if ((angle == Angle90 && !(supported & kSupports90)) ||
        (angle == Angle180 && !(supported & kSupports180)) ||
        (angle == Angle270 && !(supported & kSupports270)) ||
        (angle != Angle0 && angle != Angle90 && angle != Angle180 && angle != Angle270))
        return;
    angle_ = angle;
    size_ = angle == Angle0 || angle == Angle180 ? natural_ : natural_.transposed();
    emit Changed(size_);
}

void DeviceScreen::SetSize(QSize size) {
    natural_ = size;
    angle_ = Angle0;
    if (size_ == size)
        return;
    size_ = size;
    emit Changed(size_);
}
