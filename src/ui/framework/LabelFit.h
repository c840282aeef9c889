#pragma once
// Finds labels whose text does not fit: a text cut at the right edge or through a line is a
// fault a pilot cannot see past, so the gallery reports every one.

#include <QStringList>

class QWidget;

// The shown labels under `root` whose text, laid out as the label lays it out (its font, its
// word wrap), needs more room than the label has; one line each: the text and the sizes.
QStringList ClippedLabels(const QWidget* root);
