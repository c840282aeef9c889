// trevallion-gallery OUTDIR [NAME-FILTER]: renders every registered screen in each layout it has
// (portrait 240x320, landscape 320x240, square 240x240) to OUTDIR/<Class>_<template>_<layout>.png
// in the day colours, and again to OUTDIR/night/ in the night colours.
#include "GalleryScreen.h"
#include "Version.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/resources/Resources.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/DesktopPlatform.h"
#include "ui/framework/LabelFit.h"
#include "ui/framework/TouchStyle.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QList<GalleryScreen>& Registry() {
    static QList<GalleryScreen> screens;
    return screens;
}

struct Layout {
    const char* name;
    QSize size;
    int LayoutTriple::*templateId;
};

const Layout kLayouts[] = {{"portrait", {240, 320}, &LayoutTriple::portrait},
                           {"landscape", {320, 240}, &LayoutTriple::landscape},
                           {"square", {240, 240}, &LayoutTriple::square}};

bool Render(const GalleryScreen& screen, const Layout& layout, DeviceScreen& device,
            const QDir& out, QTextStream& err) {
    device.SetSize(layout.size);
    GalleryContext context;
    QWidget frame;
    frame.resize(layout.size);
    context.frame = &frame;
    std::unique_ptr<QWidget> widget = screen.create(context);
    if (!widget) {
        err << "cannot create " << screen.className << " (" << layout.name << ")\n";
        return false;
    }
    widget->resize(layout.size);
    widget->show();
    QApplication::processEvents();
    const QString file = QStringLiteral("%1_%2_%3.png")
                             .arg(screen.className)
                             .arg(screen.templates.*layout.templateId)
                             .arg(layout.name);
    if (!widget->grab().save(out.filePath(file))) {
        err << "cannot write " << out.filePath(file) << '\n';
        return false;
    }
    // A label cut at its edge hides part of its text: the picture is written, the run fails.
    const QStringList clipped = ClippedLabels(widget.get());
    for (const QString& label : clipped)
        err << file << ": label " << label << '\n';
    return clipped.isEmpty();
}

// The desktop platform, except that a message box a screen opens while it is being made is
// written to the error output and answered at once: the gallery runs unattended and must never
// wait for a tap. (The message box pictures come from boxes made and drawn directly.)
class GalleryPlatform : public DesktopPlatform {
public:
    using DesktopPlatform::DesktopPlatform;
    int MessageBox(QWidget*, const QString& text, const QString& title, MessageButtons buttons,
                   MessageIcon) override {
        QTextStream(stderr) << "message box while making a screen: " << title << ": " << text
                            << '\n';
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? kIdYes
                                                                                          : kIdOk;
    }
};

} // namespace

GalleryRegistration::GalleryRegistration(QString className, LayoutTriple templates,
                                         GalleryFactory create) {
    Registry().append(GalleryScreen{std::move(className), templates, std::move(create)});
}

const QList<GalleryScreen>& GalleryScreens() {
    return Registry();
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    const QString usage = QStringLiteral(
        "Usage: trevallion-gallery OUTDIR [NAME-FILTER]\n"
        "Renders every dialog and view (or those whose class name holds NAME-FILTER) in each of\n"
        "its layouts to OUTDIR/<Class>_<template>_<layout>.png, and in night colours to\n"
        "OUTDIR/night/.\n");
    if (!args.isEmpty() && (args.first() == "--help" || args.first() == "-h")) {
        QTextStream(stdout) << usage;
        return 0;
    }
    if (!args.isEmpty() && args.first() == "--version") {
        QTextStream(stdout) << "trevallion-gallery " TREVALLION_VERSION_TEXT "\n";
        return 0;
    }
    if (args.isEmpty() || args.first().startsWith('-') || args.size() > 2) {
        err << usage;
        return 2;
    }
    const QDir out(args.first());
    const QDir nightOut(out.filePath(QStringLiteral("night")));
    if (!QDir().mkpath(nightOut.path())) {
        err << "cannot create " << nightOut.path() << '\n';
        return 1;
    }
    LocateProgramFolder(QApplication::applicationDirPath());
    LoadApplicationFonts();
    InstallTouchStyle(app);
    if (const Status resources = LoadResources(); !resources) {
        err << resources.error().text << '\n';
        return 1;
    }
    // Never touch the user's own settings or files.
    QTemporaryDir scratch;
    SetDocumentsFolder(scratch.filePath("Documents"));
    // Each pass starts from fresh settings, as the first start of a new user: what one pass's
    // screens remember (recent airports, say) must not change the other's pictures. Both stay
    // alive to the end, since the documents the screens share keep the first pass's settings.
    GalleryPlatform dayPlatform(scratch.filePath("Day.ini"));
    GalleryPlatform nightPlatform(scratch.filePath("Night.ini"));

    int rendered = 0;
    bool ok = true;
    for (const bool night : {false, true}) {
        GalleryPlatform& platform = night ? nightPlatform : dayPlatform;
        InstallPlatform(&platform);
        ApplyColourScheme(night);
        for (const GalleryScreen& screen : GalleryScreens()) {
            if (args.size() > 1 && !screen.className.contains(args[1], Qt::CaseInsensitive))
                continue;
            for (const Layout& layout : kLayouts) {
                if (screen.templates.*layout.templateId == 0)
                    continue;
                ok = Render(screen, layout, platform.Screen(), night ? nightOut : out, err) && ok;
                ++rendered;
            }
        }
    }
    ApplyColourScheme(false);
    InstallPlatform(nullptr);
    QTextStream(stdout) << "Rendered " << rendered << " pictures into " << out.path() << '\n';
    return ok ? 0 : 1;
}
