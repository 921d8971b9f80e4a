#include "settings/load_reg.h"

#include "settings/setting_keys.h"
#include "settings/settings_store.h"

namespace tsl {

namespace {

// The directory settings in checking order, with their names in messages.
struct InitialDir {
    QString Settings::*member;
    const char* key;
    const char* description;
};

const InitialDir InitialDirs[] = {
    {&Settings::InitCombineDir, "InitCombineDir", "initial combine directory"},
    {&Settings::InitSplitDir, "InitSplitDir", "initial split directory"},
    {&Settings::InitAppendDir, "InitAppendDir", "initial append directory"},
};

// One range rule: a value outside low..high (bounds included) is replaced.
template <typename T, typename U>
bool rangeRule(T& value, U low, U high, U replacement, const char* key, QStringList& replaced)
{
    if (value >= low && value <= high)
        return false;
    value = T(replacement);
    replaced << QLatin1String(key);
    return true;
}

// Reads every key into its variable: presets first, then each key's text.
void readValues(Settings& s, const SettingsStore& store, LoadOutcome& outcome)
{
    for (const KeyDef& def : loadedKeys()) {
        if (def.preset)
            s.*std::get<bool Settings::*>(def.member) = *def.preset;
        else if (!s.loadedOnce)
            clearValue(s, def);
    }
    for (const KeyDef& def : loadedKeys()) {
        KeyLoad load;
        const std::optional<QString> stored = store.storedText(def.key, def.section);
        if (stored) {
            load.stored = *stored;
            load.source = applyText(s, def, *stored) ? ValueSource::Store : ValueSource::Refused;
        } else {
            applyText(s, def, def.defaultText);
        }
        outcome.keys.insert(def.key, load);
    }
    s.loadedOnce = true;
}

bool checkDirectories(Settings& s, SettingsStore& store, Host& host, const DriveMap& drives,
                      LoadOutcome& outcome)
{
    for (const InitialDir& d : InitialDirs) {
        const QString key = QLatin1String(d.key);
        const DirCheck r = checkInitialDirectory(s.*d.member, key, QLatin1String(d.description),
                                                 store, host, drives);
        if (r == DirCheck::Terminated)
            return false;
        if (r == DirCheck::Cleared)
            outcome.keys[key].source = ValueSource::Cleared;
    }
    return true;
}

}  // namespace

QStringList applyRangeRules(Settings& s)
{
    QStringList r;
    rangeRule(s.ExtraParts, 0, 1, 1, "ExtraParts", r);
    rangeRule(s.MissingParts, 0, 2, 1, "MissingParts", r);
    rangeRule(s.PartsExist, 0, 2, 1, "PartsExist", r);
    rangeRule(s.SplitFileNames, 0, 1, 0, "SplitFileNames", r);
    if (rangeRule(s.SplitSize, 100.0, 1000000000.0, 512000.0, "SplitSize", r)) {
        // A part size out of range also resets the unit it is shown in.
        s.SplitUnits = 0;
        r << QStringLiteral("SplitUnits");
    }
    rangeRule(s.SplitUnits, 0, 2, 0, "SplitUnits", r);
    rangeRule(s.ChunkSize, 10000, 10000000, 1000000, "ChunkSize", r);
    rangeRule(s.HighPart, 1, 19682, 1000, "HighPart", r);
    rangeRule(s.ListFontSize, 7.0f, 16.0f, 10.0f, "ListFontSize", r);
    r.removeDuplicates();
    return r;
}

LoadOutcome LoadReg(Settings& settings, SettingsStore& store, Host& host, const DriveMap& drives,
                    const AssocHook& checkAssoc)
{
    LoadOutcome outcome;
    store.UseIni = store.iniExists();
    readValues(settings, store, outcome);
    for (const QString& key : applyRangeRules(settings))
        outcome.keys[key].source = ValueSource::Replaced;
    if (!checkDirectories(settings, store, host, drives, outcome)
        || (checkAssoc && !checkAssoc(settings, host))) {
        outcome.terminated = true;
    }
    return outcome;
}

}  // namespace tsl
