// The start-up's single-instance test with its message and the hand-over of
// files to the TSL that runs already.
#pragma once

#include <QStringList>

namespace tsl {

class SingleInstance;

// Takes the per-user lock of instance and returns true. When another running
// TSL holds it: the files the arguments name (as the command line reads them,
// in this program's working folder) go to that TSL, which selects them, and
// false is returned at once; with no files, or while that TSL runs a job or
// does not answer, "TSL is already running..." is shown (OK, information
// icon, titled "TSL") before false is returned. False: end before any window
// shows.
bool claimSingleInstance(SingleInstance& instance, const QStringList& arguments = {});

}  // namespace tsl
