#include "ui/framework/ColourScheme.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <optional>

namespace {

// The widget property that names the scheme style sheet a widget carries.
constexpr char kSheetProperty[] = "schemeStyleSheet";

// Night: near-black paper, amber ink, and dimmed hues that stay apart from one another.
const QColor kNightWindow(24, 17, 12);
const QColor kNightButton(44, 30, 20);
const QColor kNightDisabled(96, 64, 34);
const QColor kNightHighlight(120, 56, 24);
const QColor kNightHighlightedText(250, 190, 120);

bool g_night = false;
std::optional<QPalette> g_dayPalette;

QPalette NightPalette() {
    const ColourScheme& night = NightColours();
    QPalette palette(night.ink, kNightButton, kNightButton.lighter(150), night.paper,
                     kNightButton.darker(120), night.ink, night.warning, night.paper, kNightWindow);
    palette.setColor(QPalette::ButtonText, night.ink);
    palette.setColor(QPalette::AlternateBase, kNightWindow);
    palette.setColor(QPalette::Highlight, kNightHighlight);
    palette.setColor(QPalette::HighlightedText, kNightHighlightedText);
    palette.setColor(QPalette::ToolTipBase, kNightWindow);
    palette.setColor(QPalette::ToolTipText, night.ink);
    palette.setColor(QPalette::PlaceholderText, night.dimInk);
    palette.setColor(QPalette::Link, night.course);
    palette.setColor(QPalette::LinkVisited, night.purple);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kNightDisabled);
    palette.setColor(QPalette::Disabled, QPalette::Base, kNightWindow);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, kNightButton);
    return palette;
}

void ApplySchemeSheets() {
    for (QWidget* widget : QApplication::allWidgets()) {
        const QVariant sheet = widget->property(kSheetProperty);
        if (sheet.isValid())
            widget->setStyleSheet(SchemeStyleSheet(static_cast<SchemeSheet>(sheet.toInt())));
    }
}

} // namespace

const ColourScheme& DayColours() {
    static const ColourScheme day{
        .paper = QColor(255, 255, 255),
        .ink = QColor(0, 0, 0),
        .dimInk = QColor(64, 64, 64),
        .grid = QColor(176, 176, 176),
        .title = QColor(0, 0, 156),
        .course = QColor(0, 0, 255),
        .wind = QColor(0, 192, 0),
        .warning = QColor(255, 0, 0),
        .purple = QColor(128, 0, 128),
        .markerPink = QColor(255, 0, 255),
        .markerGreen = QColor(0, 128, 0),
        .markerNavy = QColor(0, 0, 128),
        .envelopeFill = QColor(192, 192, 192),
        .readOnly = QColor(247, 247, 247),
        .tab = QColor(220, 220, 220),
        .tabBorder = QColor(154, 154, 154),
        .scrollTrack = QColor(224, 224, 224),
        .scrollThumb = QColor(96, 96, 96),
        .backdrop = QColor(200, 200, 200),
    };
    return day;
}

const ColourScheme& NightColours() {
    static const ColourScheme night{
        .paper = QColor(10, 8, 6),
        .ink = QColor(204, 132, 60),
        .dimInk = QColor(150, 96, 44),
        .grid = QColor(92, 60, 32),
        .title = QColor(224, 92, 52),
        .course = QColor(96, 120, 216),
        .wind = QColor(64, 168, 72),
        .warning = QColor(240, 48, 40),
        .purple = QColor(176, 96, 184),
        .markerPink = QColor(216, 80, 176),
        .markerGreen = QColor(48, 128, 56),
        .markerNavy = QColor(88, 88, 168),
        .envelopeFill = QColor(52, 36, 24),
        .readOnly = QColor(30, 22, 16),
        .tab = QColor(36, 26, 18),
        .tabBorder = QColor(110, 72, 40),
        .scrollTrack = QColor(40, 28, 20),
        .scrollThumb = QColor(150, 96, 44),
        .backdrop = QColor(40, 30, 22),
    };
    return night;
}

const ColourScheme& CurrentColourScheme() {
    return g_night ? NightColours() : DayColours();
}

bool NightColoursShown() {
    return g_night;
}

void ApplyColourScheme(bool night) {
    // Never switched: the day colours are the application's own, left untouched.
    if (night == g_night && (night || !g_dayPalette))
        return;
    if (!g_dayPalette)
        g_dayPalette = QApplication::palette();
    g_night = night;
    QApplication::setPalette(night ? NightPalette() : *g_dayPalette);
    ApplySchemeSheets();
    for (QWidget* widget : QApplication::allWidgets())
        widget->update();
}

QString SchemeStyleSheet(SchemeSheet sheet) {
    const ColourScheme& scheme = CurrentColourScheme();
    switch (sheet) {
    case SchemeSheet::Menu:
        // Items a finger high (20 pixels: 14 of text and 3 above and below) with thin
        // separators, so that the longest menu (Calc) still fits above a 240x320 screen's bar.
        return QStringLiteral("QMenu::item { padding: 3px 18px 3px 18px; min-height: 14px; }"
                              "QMenu::separator { height: 5px; }");
    case SchemeSheet::TabBar:
        return QStringLiteral("QTabBar::tab { padding: 2px 3px; border: 1px solid %1;"
                              " border-bottom: none; background: %2; margin-right: 1px; }"
                              "QTabBar::tab:selected { background: %3; }")
            .arg(scheme.tabBorder.name(), scheme.tab.name(), scheme.paper.name());
    case SchemeSheet::CellEdit:
        // A plain one-pixel border, so the text fits the height of a grid row.
        return QStringLiteral("QLineEdit { border: 1px solid %1; padding: 0px; }")
            .arg(scheme.ink.name());
    }
    return {};
}

void SetSchemeStyleSheet(QWidget* widget, SchemeSheet sheet) {
    widget->setProperty(kSheetProperty, static_cast<int>(sheet));
    widget->setStyleSheet(SchemeStyleSheet(sheet));
}
