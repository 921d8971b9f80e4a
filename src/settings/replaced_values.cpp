#include "settings/replaced_values.h"

#include "core/texts.h"
#include "settings/value_conversion.h"

namespace tsl {

namespace {

// The names the options dialog shows the ranged settings under.
QString shownName(const QString& key)
{
    static const QHash<QString, QString> names = {
        {"ExtraParts", "When additional parts exist"},
        {"MissingParts", "When parts are missing"},
        {"PartsExist", "When parts exist"},
        {"SplitFileNames", "For part names"},
        {"SplitSize", "Part size"},
        {"SplitUnits", "Units"},
        {"ChunkSize", "Chunk size"},
        {"HighPart", "Highest part number to look for"},
        {"ListFontSize", "List font size"},
    };
    return names.value(key, key);
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
        lines << shownName(key) + QStringLiteral(" (") + key + QStringLiteral("): ") + stored
                + QStringLiteral(" is outside ") + number(range.low) + QStringLiteral(" to ")
                + number(range.high) + QStringLiteral("; ") + number(range.replacement)
                + QStringLiteral(" is used instead.");
    }
    return lines;
}

QString replacedValuesText(const QStringList& lines)
{
    return QStringLiteral("Some stored settings are outside the range TSL accepts:") + CrLf2
        + lines.join(CrLf) + CrLf2
        + QStringLiteral("Choose Options... and OK to store the values in use.");
}

}  // namespace tsl
