// LoadReg: every setting read from the current store into its variable, with
// the presets, the conversions and the range rules, then the check of the
// three initial directories and, when the caller supplies it, the desktop
// integration (CheckAssoc): the window does, tsl-cli never.
#pragma once

#include "settings/directory_check.h"
#include "settings/settings.h"

#include <QMap>
#include <QString>
#include <functional>

namespace tsl {

class Host;
class SettingsStore;

// Where a loaded value came from.
enum class ValueSource {
    Default,   // nothing usable stored: the key's default
    Store,     // the stored text, converted
    Refused,   // stored text that did not convert: the preset or previous value
    Replaced,  // a range rule replaced the value
    Cleared,   // the directory check emptied the setting, in the store too
};

struct KeyLoad {
    ValueSource source = ValueSource::Default;
    QString stored;  // the stored text, when there was one
};

struct LoadOutcome {
    bool terminated = false;    // the user chose to end the program at a run-time error question
    QMap<QString, KeyLoad> keys;  // every loaded key
};

// The desktop registration a load ends with; false when the user chose to
// end the program.
using AssocHook = std::function<bool(const Settings&, Host&)>;

// Loads every setting of the current store into settings (UseIni first, from
// whether tsl.ini exists). The directory messages and questions and the
// run-time error question ("modSplit.LoadReg") go to host. Writes nothing
// but the emptying of a bad initial directory; checkAssoc, when given, runs
// last on the loaded settings.
LoadOutcome LoadReg(Settings& settings, SettingsStore& store, Host& host,
                    const DriveMap& drives = DriveMap::system(),
                    const AssocHook& checkAssoc = {});

// Replaces out-of-range values; returns the keys it replaced.
QStringList applyRangeRules(Settings& settings);

}  // namespace tsl
