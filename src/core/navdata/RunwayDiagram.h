#pragma once
// The geometry of the runway diagram: where the airport reference point and each runway go in a
// drawing area, with one scale for both axes so that runway angles are true, north up and west
// left. Positions are taken relative to the airport reference point as signed seconds of arc, and
// east-west distances are shortened by the cosine of the mid latitude, so the picture is right on
// both sides of the equator and of the prime meridian.

#include "core/navdata/NavRecords.h"

#include <QPoint>
#include <QSize>
#include <QVector>

struct DiagramRunway {
    QPoint end1;
    QPoint end2;
    int penWidth = 1;
    QString label1; // designators of the two ends
    QString label2;
};

struct RunwayDiagramLayout {
    // False when no runway has positions for both ends ("Runway information not available.").
    bool available = false;
    QPoint reference; // the airport reference point
    QVector<DiagramRunway> runways;
};

// Area margin: the drawing keeps 15 pixels free on each side.
inline constexpr int kDiagramMargin = 15;

// Lays out the runways whose four end coordinates are all non-zero (0 means "no position" in a
// .nav file), centred in an area of the given size. A single runway lying exactly east-west or
// north-south is scaled by its length alone.
RunwayDiagramLayout LayOutRunwayDiagram(const AirportRecord& airport,
                                        const QVector<RunwayRecord>& runways, QSize area);

// Pen width of a runway line: width in feet / 50 + 1 pixels.
int RunwayPenWidth(int widthFeet);

// The leading number of a designator ("09L" -> 9, "H1" -> 0).
int RunwayNumber(const QString& designator);

// Where a designator label goes relative to its runway end: the shift of the text's top-left
// corner from the end's point, by the runway number of that end, the text's size and the width
// of a "0".
QPoint RunwayLabelOffset(bool firstEnd, int number, QSize text, int zeroWidth);
