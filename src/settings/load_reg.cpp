#include "settings/load_reg.h"
#include "core/texts.h"

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
    {&Settings::InitCombineDir, "InitCombineDir",
     QT_TRANSLATE_NOOP("Settings", "initial combine directory")},
    {&Settings::InitSplitDir, "InitSplitDir",
     QT_TRANSLATE_NOOP("Settings", "initial split directory")},
    {&Settings::InitAppendDir, "InitAppendDir",
     QT_TRANSLATE_NOOP("Settings", "initial append directory")},
};

// One range rule applied to its variable; true when it replaced the value.
template <typename T>
bool rangeRule(T& value, const char* key, QStringList& replaced)
{
    const SettingRange& r = *settingRange(QLatin1String(key));
    if (double(value) >= r.low && double(value) <= r.high)
        return false;
    value = T(r.replacement);
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
        const DirCheck r = checkInitialDirectory(s.*d.member, key, SettingsText::tr(d.description),
                                                 store, host, drives);
        if (r == DirCheck::Terminated)
            return false;
        if (r == DirCheck::Cleared)
            outcome.keys[key].source = ValueSource::Cleared;
    }
    return true;
}

}  // namespace

const std::vector<SettingRange>& settingRanges()
{
    static const std::vector<SettingRange> ranges = {
        {"ExtraParts", 0, 1, 1},
        {"MissingParts", 0, 2, 1},
        {"PartsExist", 0, 2, 1},
        {"SplitFileNames", 0, 1, 0},
        {"SplitSize", 100, MaxSplitSize, 512000},
        {"SplitUnits", 0, 2, 0},
        {"SplitMode", 0, 1, 0},
        {"SplitPieces", 2, 19682, 2},
        {"ChunkSize", 10000, 10000000, 1000000},
        {"HighPart", 1, 19682, 1000},
        {"ListFontSize", 7, 16, 10},
    };
    return ranges;
}

const SettingRange* settingRange(const QString& key)
{
    for (const SettingRange& r : settingRanges()) {
        if (key == QLatin1String(r.key))
            return &r;
    }
    return nullptr;
}

QStringList applyRangeRules(Settings& s)
{
    QStringList r;
    rangeRule(s.ExtraParts, "ExtraParts", r);
    rangeRule(s.MissingParts, "MissingParts", r);
    rangeRule(s.PartsExist, "PartsExist", r);
    rangeRule(s.SplitFileNames, "SplitFileNames", r);
    if (rangeRule(s.SplitSize, "SplitSize", r)) {
        // A part size out of range also resets the unit it is shown in.
        s.SplitUnits = 0;
        r << QStringLiteral("SplitUnits");
    }
    rangeRule(s.SplitUnits, "SplitUnits", r);
    rangeRule(s.SplitMode, "SplitMode", r);
    rangeRule(s.SplitPieces, "SplitPieces", r);
    rangeRule(s.ChunkSize, "ChunkSize", r);
    rangeRule(s.HighPart, "HighPart", r);
    rangeRule(s.ListFontSize, "ListFontSize", r);
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
