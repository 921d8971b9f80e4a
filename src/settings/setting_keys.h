// The keys of the settings store: for each its section, its type, its default
// text and the Settings member it fills, in the order LoadReg reads them, and
// the texts the options dialog writes for them.
#pragma once

#include "settings/settings.h"

#include <QList>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace tsl {

namespace section {
inline const QString Combine = QStringLiteral("Combine");
inline const QString Split = QStringLiteral("Split");
inline const QString Misc = QStringLiteral("Misc");
inline const QString Append = QStringLiteral("Append");
inline const QString Directories = QStringLiteral("Directories");
}  // namespace section

enum class KeyType {
    OnOff,         // a truth value: a number or True/False
    OnOffLeading,  // the number at the start of the text, non-zero is on
    Int16,
    Int32,
    Double,
    Single,
    Text,
};

using SettingMember = std::variant<bool Settings::*, qint16 Settings::*, qint32 Settings::*,
                                   double Settings::*, float Settings::*, QString Settings::*>;

struct KeyDef {
    QString key;
    QString section;
    KeyType type;
    QString defaultText;
    SettingMember member;
    // The value stored before the read; none: the previous value stays.
    std::optional<bool> preset;
};

// Every key LoadReg reads, in its reading order.
const std::vector<KeyDef>& loadedKeys();

// Keys the commands write for the record and nothing reads back.
struct RecordKey {
    QString key;
    QString section;
};
const std::vector<RecordKey>& recordKeys();

// The loaded key named key, matched without regard to letter case; null when
// there is none.
const KeyDef* findLoadedKey(const QString& key);
const RecordKey* findRecordKey(const QString& key);

// The variable's value as the store would hold it.
QString valueText(const Settings& settings, const KeyDef& def);

// Converts text by the key's type into its variable; false (variable left as
// it was) when the conversion fails.
bool applyText(Settings& settings, const KeyDef& def, const QString& text);

// Sets the key's variable to zero, off or empty: its value before any load.
void clearValue(Settings& settings, const KeyDef& def);

// One value to write: key, section and text.
struct StoredValue {
    QString key;
    QString section;
    QString text;
};

// The values the options dialog's OK writes, in its order, taken from
// settings: every loaded key except ListFontSize.
QList<StoredValue> dialogValues(const Settings& settings);

}  // namespace tsl
