#pragma once
// For start-up measurements (bench/start-up.py): with TREVALLION_QUIT_AFTER_FIRST_FRAME set in
// the environment, the application quits as soon as a window has painted its first frame. The
// program and the bare comparison window of bench/ use the same probe, so both are measured the
// same way. A dialog or message box painted first (a missing data file at start) would be timed
// instead of the main window, and quitting from its modal loop would leave the main loop running:
// the probe then ends the process at once with status 3 and says so on standard error.

class QApplication;

// Installs the probe when the environment asks for it; does nothing otherwise.
void InstallFirstFrameProbe(QApplication& app);
