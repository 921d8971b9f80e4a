// The shell integration that follows the settings at every load: the info
// file type, the Split verb on .mpg files and the SendTo entry.
#pragma once

namespace tsl {

class Host;
struct Settings;

// Registers or removes the shell integration to match settings. Returns false
// when the user chose to end the program at a run-time error question.
// Registers nothing yet: the desktop integration is still to be built.
bool CheckAssoc(const Settings& settings, Host& host);

}  // namespace tsl
