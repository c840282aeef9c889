#pragma once
// For start-up measurements (bench/start-up.py): with TREVALLION_QUIT_AFTER_FIRST_FRAME set in
// the environment, the application quits as soon as a window has painted its first frame. The
// program and the bare comparison window of bench/ use the same probe, so both are measured the
// same way.

class QApplication;

// Installs the probe when the environment asks for it; does nothing otherwise.
void InstallFirstFrameProbe(QApplication& app);
