#pragma once
// The program's two colour schemes: the day colours, and the night colours that keep a pilot's
// night vision (near-black paper, dimmed amber ink, dimmed but distinct hues for the lines and
// marks that carry meaning). Painting code asks the current scheme for a role instead of naming
// a colour; the style sheets of menus, tab bars and cell editors are built from it too.
//
// The scheme is application-wide state owned here; ApplyColourScheme switches it at once.

#include <QColor>
#include <QString>

class QWidget;

struct ColourScheme {
    QColor paper;      // backgrounds of painted areas and of selected tabs
    QColor ink;        // text, lines and frames
    QColor dimInk;     // secondary text: a graph's compass letters
    QColor grid;       // rings and grid lines
    QColor title;      // title bands and headers
    QColor course;     // course, entry, head-wind and envelope lines; the clocks' blue text
    QColor wind;       // the wind line; the cross-wind graph's cross-wind component
    QColor warning;    // out of limits; the cross-wind graph's wind line
    QColor purple;     // the clocks' third text colour
    QColor markerPink; // the weight-and-balance graph's marker hues, besides warning and ink
    QColor markerGreen;
    QColor markerNavy;
    QColor envelopeFill; // inside of the weight-and-balance envelope
    QColor readOnly;     // read-only cells of an edit grid
    QColor tab;          // unselected tabs
    QColor tabBorder;
    QColor scrollTrack; // the thin scroll mark of a painted list
    QColor scrollThumb;
    QColor backdrop; // the screen behind a message box in previews
};

const ColourScheme& DayColours();
const ColourScheme& NightColours();

// The scheme in use: the day colours until ApplyColourScheme(true).
const ColourScheme& CurrentColourScheme();
bool NightColoursShown();

// Makes the night (true) or day (false) colours the application's: its palette, the style
// sheets set through SetSchemeStyleSheet, and a repaint of every open window. Needs a
// QApplication; the day palette is the one the application had before the first switch.
void ApplyColourScheme(bool night);

// The style sheets that carry colours, built from the current scheme.
enum class SchemeSheet { Menu, TabBar, CellEdit };
QString SchemeStyleSheet(SchemeSheet sheet);
// Gives the widget the sheet now and again whenever the scheme changes.
void SetSchemeStyleSheet(QWidget* widget, SchemeSheet sheet);
