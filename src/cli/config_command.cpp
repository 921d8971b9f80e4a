// tsl-cli config: the stored settings, one key or all, changed one at a time,
// and the choice between tsl.ini and the native store.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/texts.h"
#include "settings/load_reg.h"
#include "settings/named_sizes.h"
#include "settings/setting_keys.h"

#include <cstdio>

namespace tsl::cli {

namespace {

const char* const Description = QT_TRANSLATE_NOOP(
    "Cli",
    "Shows and changes the stored settings.\n"
    "\n"
    "  list              every key: section, loaded value, where it came from\n"
    "                    (store, default, refused: stored text that does not convert,\n"
    "                    replaced: by its range rule, cleared: a bad initial directory)\n"
    "  get KEY           the loaded value of KEY\n"
    "  set KEY VALUE     writes VALUE into KEY's section of the current store, then\n"
    "                    shows what it loads as; SplitSize also takes a size's name\n"
    "                    (%1)\n"
    "  store             which store is in use\n"
    "  store ini|registry  moves every setting into tsl.ini or the native store and\n"
    "                    removes the other one\n"
    "\n"
    "Options go before the action, so a VALUE may start with '-' (set SameDir -1).\n"
    "The store is tsl.ini in the program directory while that file exists, else the\n"
    "native store: $XDG_CONFIG_HOME/Tessel/TSL.conf (~/.config), with the machine-wide\n"
    "file in the first folder of $XDG_CONFIG_DIRS (/etc/xdg) read for missing keys.\n"
    "\n"
    "Environment (for every tsl-cli command):\n"
    "  TSL_PROGRAM_DIR   the program directory that holds tsl.ini\n"
    "                    (default: the folder of tsl-cli)\n"
    "  XDG_CONFIG_HOME   moves the per-user store\n"
    "  XDG_CONFIG_DIRS   moves the machine-wide store");

QString sourceWord(ValueSource source)
{
    switch (source) {
    case ValueSource::Default: return QStringLiteral("default");
    case ValueSource::Store: return QStringLiteral("store");
    case ValueSource::Refused: return QStringLiteral("refused");
    case ValueSource::Replaced: return QStringLiteral("replaced");
    case ValueSource::Cleared: return QStringLiteral("cleared");
    }
    return {};
}

// What list shows after the value: where it came from, and the stored text
// when that was not taken.
QString sourceText(const KeyLoad& load)
{
    QString text = sourceWord(load.source);
    if (load.source == ValueSource::Refused || load.source == ValueSource::Replaced)
        text += CliText::tr(", stored \"%1\"").arg(load.stored);
    return text;
}

void printOut(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
}

QString storeDescription(const SettingsStore& store)
{
    if (store.UseIni)
        return CliText::tr("ini: %1").arg(store.iniFile());
    return CliText::tr("registry: %1 (machine-wide fallback: %2)")
        .arg(store.locations().userFile, store.locations().systemFile);
}

int unknownKey(const QString& key)
{
    QStringList known;
    for (const KeyDef& d : loadedKeys())
        known << d.key;
    for (const RecordKey& r : recordKeys())
        known << r.key;
    const QString text = CliText::tr("tsl-cli: unknown key '%1'. Known keys:\n  %2\n")
                             .arg(key, known.join(QStringLiteral(" ")));
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return exitcode::Usage;
}

QString recordValue(const SettingsStore& store, const RecordKey& r)
{
    return store.ReadReg(r.key, QString(), false, r.section);
}

int listKeys(const Settings& settings, const LoadOutcome& loaded)
{
    const SettingsStore& store = settingsStore();
    for (const KeyDef& d : loadedKeys()) {
        printOut(QStringLiteral("%1 %2 %3 %4")
                     .arg(d.section, -11)
                     .arg(d.key, -15)
                     .arg(valueText(settings, d), -10)
                     .arg(sourceText(loaded.keys.value(d.key))));
    }
    for (const RecordKey& r : recordKeys()) {
        const bool stored = store.storedText(r.key, r.section).has_value();
        printOut(QStringLiteral("%1 %2 %3 %4")
                     .arg(r.section, -11)
                     .arg(r.key, -15)
                     .arg(recordValue(store, r), -10)
                     .arg(stored ? CliText::tr("store, recorded only")
                                 : CliText::tr("default, recorded only")));
    }
    return exitcode::Done;
}

int getKey(const Settings& settings, const QString& name)
{
    if (const KeyDef* d = findLoadedKey(name)) {
        printOut(valueText(settings, *d));
        return exitcode::Done;
    }
    if (const RecordKey* r = findRecordKey(name)) {
        printOut(recordValue(settingsStore(), *r));
        return exitcode::Done;
    }
    return unknownKey(name);
}

// Why value cannot be stored in the key d: text that does not convert, or a
// value its range rule would replace; empty when it loads as given.
QString refusedValue(const Settings& loaded, const KeyDef& d, const QString& value)
{
    Settings trial = loaded;
    if (!applyText(trial, d, value)) {
        const QString refusal = d.type == KeyType::Text
            ? CliText::tr("%1 cannot hold \"%2\": it is no text it takes. Nothing was written.")
            : CliText::tr("%1 cannot hold \"%2\": it is no number it takes. Nothing was written.");
        return refusal.arg(d.key, value);
    }
    const QString given = valueText(trial, d);
    applyRangeRules(trial);
    if (valueText(trial, d) == given)
        return {};
    return CliText::tr("%1 %2 is out of its range: it would load as %3. Nothing was written.")
        .arg(d.key, value, valueText(trial, d));
}

// The text to store for value: a part size given as --size takes it (2MiB,
// 1.5G) or by a size's name (cd700) is stored as its number of bytes.
QString storedForm(const KeyDef* d, const QString& value)
{
    if (d && d->key == QLatin1String("SplitSize")) {
        if (const std::optional<qint64> bytes = namedSize(value))
            return QString::number(*bytes);
    }
    double bytes = 0;
    const bool withUnit = !value.trimmed().isEmpty() && value.trimmed().back().isLetter();
    if (d && withUnit
        && (d->key == QLatin1String("SplitSize") || d->key == QLatin1String("ChunkSize"))
        && parseByteSize(value, &bytes))
        return QString::number(qint64(bytes));
    return value;
}

int setKey(TerminalHost& host, const Settings& loadedSettings, const QString& name,
           const QString& given)
{
    const KeyDef* d = findLoadedKey(name);
    const RecordKey* r = d ? nullptr : findRecordKey(name);
    if (!d && !r)
        return unknownKey(name);
    const QString value = storedForm(d, given);
    if (d) {
        const QString refused = refusedValue(loadedSettings, *d, value);
        if (!refused.isEmpty()) {
            host.printLine(QStringLiteral("tsl-cli: ") + refused);
            return exitcode::Usage;
        }
    }
    const QString key = d ? d->key : r->key;
    SettingsStore& store = settingsStore();
    if (store.WriteReg(key, value, false, d ? d->section : r->section) != 0) {
        host.printLine(
            CliText::tr("tsl-cli: could not write %1 to %2").arg(key, storeDescription(store)));
        return exitcode::Partial;
    }
    Settings settings;
    const LoadOutcome loaded = LoadReg(settings, store, host);
    if (loaded.terminated)
        return exitcode::Partial;
    if (d) {
        printOut(key + QStringLiteral(" = ") + valueText(settings, *d) + QStringLiteral("  (")
                 + sourceText(loaded.keys.value(key)) + QLatin1Char(')'));
    } else {
        printOut(CliText::tr("%1 = %2  (recorded only)").arg(key, recordValue(store, *r)));
    }
    return exitcode::Done;
}

int switchTo(TerminalHost& host, const Settings& settings, bool useIni)
{
    SettingsStore& store = settingsStore();
    if (!SwitchStore(store, useIni, dialogValues(settings))) {
        host.printLine(
            CliText::tr("tsl-cli: the settings could not be moved to %1; the store in use is %2")
                .arg(useIni ? store.iniFile() : store.locations().userFile,
                     storeDescription(store)));
        return exitcode::Partial;
    }
    Settings reloaded;
    if (LoadReg(reloaded, store, host).terminated)
        return exitcode::Partial;
    printOut(storeDescription(store));
    return exitcode::Done;
}

}  // namespace

int configCommand(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(Description).arg(namedSizeList()));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    addAnswerOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("ACTION"),
        CliText::tr("list, get KEY, set KEY VALUE or store [ini|registry]."));
    const std::optional<TerminalOptions> options = parseCommand(parser, args);
    if (!options)
        return exitcode::Usage;
    QStringList words = parser.positionalArguments();
    const QString action = words.value(0);
    const qsizetype expected = action == QLatin1String("list") ? 1
        : action == QLatin1String("get")                       ? 2
        : action == QLatin1String("set")                       ? 3
        : action == QLatin1String("store")                     ? (words.size() == 1 ? 1 : 2)
                                                               : -1;
    if (expected < 0)
        return usageError(parser, CliText::tr("Name an action: list, get, set or store."));
    if (words.size() != expected)
        return usageError(parser, CliText::tr("Wrong number of words for '%1'.").arg(action));
    if (words.size() == 2 && action == QLatin1String("store"))
        words[1] = words[1].toLower();
    if (action == QLatin1String("store") && words.size() == 2 && words[1] != QLatin1String("ini")
        && words[1] != QLatin1String("registry"))
        return usageError(parser, CliText::tr("The store is 'ini' or 'registry'."));

    if ((action == QLatin1String("get") || action == QLatin1String("set"))
        && !findLoadedKey(words[1]) && !findRecordKey(words[1]))
        return unknownKey(words[1]);

    TerminalHost host(*options);
    Settings settings;
    const LoadOutcome loaded = LoadReg(settings, settingsStore(), host);
    if (loaded.terminated)
        return exitcode::Partial;
    if (action == QLatin1String("list"))
        return listKeys(settings, loaded);
    if (action == QLatin1String("get"))
        return getKey(settings, words[1]);
    if (action == QLatin1String("set"))
        return setKey(host, settings, words[1], words[2]);
    if (words.size() == 1) {
        printOut(storeDescription(settingsStore()));
        return exitcode::Done;
    }
    return switchTo(host, settings, words[1] == QLatin1String("ini"));
}

}  // namespace tsl::cli
