// The message box on each device screen, shown over a grey screen as a pilot sees it.
#include "GalleryScreen.h"
#include "ui/framework/ColourScheme.h"

#include "ui/framework/DeviceMessageBox.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace {

class MessageBoxPreview : public QWidget {
public:
    explicit MessageBoxPreview(QPixmap box) : box_(std::move(box)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), CurrentColourScheme().backdrop);
        painter.drawPixmap((width() - box_.width()) / 2, (height() - box_.height()) / 2, box_);
    }

private:
    QPixmap box_;
};

std::unique_ptr<QWidget> MakePreview(GalleryContext& context) {
    CDeviceMessageBox box(context.frame,
                          QStringLiteral("You currently have flight timers running, do you wish "
                                         "to exit the program?"),
                          QStringLiteral("Trevallion"), MessageButtons::YesNoCancel,
                          MessageIcon::Question);
    box.show();
    QApplication::processEvents();
    auto preview = std::make_unique<MessageBoxPreview>(box.grab());
    box.hide();
    return preview;
}

// The gallery names pictures by template id; a message box has none, so IDOK (1) stands in.
const GalleryRegistration kMessageBox{"CDeviceMessageBox", LayoutTriple{1, 1, 1}, &MakePreview};

} // namespace
