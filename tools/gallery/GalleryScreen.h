#pragma once
// Screens of the gallery. A subsystem registers each of its dialogs and views from its own
// source file with a static GalleryRegistration:
//
//   static const GalleryRegistration kAbout{"CAboutDlg", CAboutDlg::kTemplates,
//       [](GalleryContext& context) { return MakeDialog<CAboutDlg>(context); }};
//
// The factory creates the screen on the current device screen and returns it ready to show
// (controls created, initialised, filled with sample values where that helps a reviewer).

#include "ui/framework/CalcDialog.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/LayoutTriple.h"

#include <QWidget>

#include <functional>
#include <memory>

// What the gallery offers the factories: a parent window standing in for the main frame, and a
// command table with nothing in it (buttons that hand on to another screen show disabled).
struct GalleryContext {
    QWidget* frame = nullptr;
    CCommandTable commands;
};

using GalleryFactory = std::function<std::unique_ptr<QWidget>(GalleryContext&)>;

struct GalleryScreen {
    QString className;
    LayoutTriple templates;
    GalleryFactory create;
};

struct GalleryRegistration {
    GalleryRegistration(QString className, LayoutTriple templates, GalleryFactory create);
};

const QList<GalleryScreen>& GalleryScreens();

class CTrevallionDoc;
// Puts the gallery's sample flights into the document's logbook once.
void SeedGalleryLogbook(CTrevallionDoc& document);
// The document on the shipped world file that the navigation data screens share.
CTrevallionDoc& GalleryDocument();

// Creates a dialog of class T (constructible from a parent widget) and runs its initialisation.
template <typename T> std::unique_ptr<QWidget> MakeDialog(GalleryContext& context) {
    auto dialog = std::make_unique<T>(context.frame);
    if (!dialog->Create())
        return nullptr;
    return dialog;
}
