// Screens of the application shell.
#include "GalleryScreen.h"

#include "ui/app/AboutDlg.h"

namespace {
const GalleryRegistration kAbout{"CAboutDlg", CAboutDlg::kTemplates, MakeDialog<CAboutDlg>};
}
