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
#include <vector>

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
    bool terminated = false;      // the user chose to end the program at a run-time error question
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
                    const DriveMap& drives = DriveMap::system(), const AssocHook& checkAssoc = {});

// The range rule of a numeric setting: a value outside low..high (bounds
// included) is replaced by `replacement` when loaded. Front ends refuse what
// lies outside the same bounds.
struct SettingRange {
    const char* key;
    double low;
    double high;
    double replacement;
};

// The largest part size (1 TiB): far above every common size limit (a
// 25 GB disc), and still an exact whole number of bytes in the double that
// holds SplitSize.
constexpr double MaxSplitSize = 1099511627776.0;

// The range rules, in the order LoadReg applies them.
const std::vector<SettingRange>& settingRanges();

// The range rule of key (exact name); null when it has none.
const SettingRange* settingRange(const QString& key);

// Replaces out-of-range values; returns the keys it replaced.
QStringList applyRangeRules(Settings& settings);

}  // namespace tsl
