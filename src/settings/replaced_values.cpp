#include "settings/replaced_values.h"

#include "core/texts.h"
#include "settings/value_conversion.h"

namespace tsl {

namespace {

// The names the options dialog shows the ranged settings under.
QString shownName(const QString& key)
{
    static const QHash<QString, const char*> names = {
        {"ExtraParts", QT_TRANSLATE_NOOP("Settings", "When additional parts exist")},
        {"MissingParts", QT_TRANSLATE_NOOP("Settings", "When parts are missing")},
        {"PartsExist", QT_TRANSLATE_NOOP("Settings", "When parts exist")},
        {"SplitFileNames", QT_TRANSLATE_NOOP("Settings", "For part names")},
        {"SplitSize", QT_TRANSLATE_NOOP("Settings", "Part size")},
        {"SplitUnits", QT_TRANSLATE_NOOP("Settings", "Units")},
        {"ChunkSize", QT_TRANSLATE_NOOP("Settings", "Chunk size")},
        {"HighPart", QT_TRANSLATE_NOOP("Settings", "Highest part number to look for")},
        {"ListFontSize", QT_TRANSLATE_NOOP("Settings", "List font size")},
    };
    const char* name = names.value(key);
    return name ? SettingsText::tr(name) : key;
}

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

}  // namespace

QStringList replacedValueLines(const LoadOutcome& outcome, QSet<QString>& reported)
{
    QStringList lines;
    for (const SettingRange& range : settingRanges()) {
        const QString key = QLatin1String(range.key);
        const auto it = outcome.keys.find(key);
        if (it == outcome.keys.end() || it->source != ValueSource::Replaced)
            continue;
        const QString stored = it->stored.trimmed();
        const double value = leadingNumber(stored).value;
        if (value >= range.low && value <= range.high)
            continue;  // its own value was fine
        const QString id = key + QLatin1Char('=') + stored;
        if (reported.contains(id))
            continue;
        reported.insert(id);
        //: %1 the setting's name, %2 its key, %3 the stored value
        lines << SettingsText::tr("%1 (%2): %3 is outside %4 to %5; %6 is used instead.")
                     .arg(shownName(key), key, stored, number(range.low), number(range.high),
                          number(range.replacement));
    }
    return lines;
}

QString replacedValuesText(const QStringList& lines)
{
    return SettingsText::tr("Some stored settings are outside the range TSL accepts:") + CrLf2
        + lines.join(CrLf) + CrLf2
        + SettingsText::tr("Choose Options... and OK to store the values in use.");
}

}  // namespace tsl
