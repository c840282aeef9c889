#pragma once
// The graph options shared by every CG graph (the application's "GraphOptions"): the Graph menu's
// commands, the pop-up menu of the graph dialogs, and writing them back to the settings.

#include <QPoint>

#include <cstdint>

class QWidget;

// The option bit of a Graph command (ID_GRAPH_LINES ... ID_GRAPH_LANDING); 0 for other ids.
uint32_t GraphOptionBit(int commandId);
// The options in use now.
uint32_t GraphOptions();
// Flips one option bit.
void ToggleGraphOption(uint32_t bit);
// Writes the options to the settings ("GraphOptions").
void SaveGraphOptions();
// Shows the pop-up menu of the five options at a screen position, each checked when set; the
// chosen one is toggled. True when an option was chosen.
bool RunGraphOptionsMenu(QWidget* owner, const QPoint& globalPos);
