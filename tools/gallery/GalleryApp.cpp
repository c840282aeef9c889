// Screens of the application shell: the About dialog, and the main frame with each view.
#include "GalleryScreen.h"

#include "core/app/ViewTable.h"
#include "ui/app/AboutDlg.h"
#include "ui/app/MainFrame.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"

#include <array>

namespace {

const GalleryRegistration kAbout{"CAboutDlg", CAboutDlg::kTemplates, MakeDialog<CAboutDlg>};

// The main frame on a document of its own, showing one view with its menu bar.
class CFrameSample : public QWidget {
public:
    explicit CFrameSample(int viewId) : document_(CurrentPlatform().Settings(), fix_) {
        RegisterScreens(registry_);
        if (viewId == kViewLogbook)
            SeedGalleryLogbook(document_);
        frame_ = std::make_unique<CMainFrame>(document_, registry_, this);
        created_ = frame_->Create(viewId).ok();
        resize(frame_->size());
    }
    bool Created() const { return created_; }

private:
    GpsFix fix_;
    ScreenRegistry registry_;
    CTrevallionDoc document_;
    std::unique_ptr<CMainFrame> frame_; // destroyed first: its view borrows the document
    bool created_ = false;
};

GalleryRegistration FrameWith(const ViewInfo& view) {
    // The file names carry the view id where dialogs carry their template id.
    QString name = QStringLiteral("CMainFrame_") + QString::fromUtf8(view.helpTopic);
    name.remove('&');
    const int id = view.viewId;
    return GalleryRegistration(name, LayoutTriple{id, id, id},
                               [id](GalleryContext&) -> std::unique_ptr<QWidget> {
                                   auto sample = std::make_unique<CFrameSample>(id);
                                   if (!sample->Created())
                                       return nullptr;
                                   return sample;
                               });
}

[[maybe_unused]] const std::array<GalleryRegistration, kViewCount> kFrames{
    FrameWith(ViewTable()[0]), FrameWith(ViewTable()[1]), FrameWith(ViewTable()[2]),
    FrameWith(ViewTable()[3]), FrameWith(ViewTable()[4]), FrameWith(ViewTable()[5]),
    FrameWith(ViewTable()[6])};

} // namespace
