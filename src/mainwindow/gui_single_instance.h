// The start-up's single-instance test with its message.
#pragma once

namespace tsl {

class SingleInstance;

// Takes the per-user lock of instance; when another running TSL holds it,
// shows "TSL is already running..." (OK, information icon, titled "TSL")
// and returns false: the program is to end before any window shows.
bool claimSingleInstance(SingleInstance& instance);

}  // namespace tsl
