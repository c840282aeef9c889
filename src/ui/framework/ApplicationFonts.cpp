#include "ui/framework/ApplicationFonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {
bool g_tahoma = false;
}

bool LoadApplicationFonts() {
    // Only the regular face: the bold face of fonts-wine is drawn almost like the regular one,
    // while Qt's synthetic bold of the regular face gives titles a clearly bold look.
    static const bool loaded = [] {
        const char* path = "/usr/share/wine/fonts/tahoma.ttf";
        return QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0;
    }();
    g_tahoma = loaded;
    return loaded;
}

QFont DialogFont() {
    QFont font(g_tahoma ? QStringLiteral("Tahoma") : QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
