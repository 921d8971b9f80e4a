// The screenshot run of the test suite: once the window is on screen, each
// panel, the about box, each page of the options dialog, the parts report
// and, with a dark palette, each panel again are grabbed into PNG files; the
// file's name and the window's size are printed, and the program ends.
#pragma once

#include <QString>

namespace tsl {

class frmMain;

// Saves tsl-combine.png, tsl-split.png, tsl-append.png, tsl-about.png,
// tsl-options-0.png to tsl-options-3.png, tsl-parts-report.png and
// tsl-dark-combine.png, tsl-dark-split.png, tsl-dark-append.png in dir,
// printing "NAME WIDTHxHEIGHT" for each on standard output, then quits.
void saveScreenshots(frmMain& window, const QString& dir);

}  // namespace tsl
