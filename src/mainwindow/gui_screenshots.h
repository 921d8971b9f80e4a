// The screenshot run of the test suite: once the window is on screen, each
// panel (and the about box) is grabbed into a PNG file, the file's name and
// the window's size are printed, and the program ends.
#pragma once

#include <QString>

namespace tsl {

class frmMain;

// Saves tsl-combine.png, tsl-split.png, tsl-append.png and tsl-about.png in
// dir, printing "NAME WIDTHxHEIGHT" for each on standard output, then quits.
void saveScreenshots(frmMain& window, const QString& dir);

}  // namespace tsl
