// The settings store: tsl.ini in the program directory while that file
// exists, otherwise the per-user native store with the machine-wide file read
// as fallback. ReadReg and WriteReg read and write one value of the current
// store; SwitchStore moves every value from one store to the other.
//
// The native store is one flat QSettings file (organisation "Tessel",
// application "TSL"): ~/.config/Tessel/TSL.conf, written per user, and
// /etc/xdg/Tessel/TSL.conf, read for keys the user file lacks, so an
// administrator can preset values. "Deleting the key" clears the user file.
// Every location is given to the store, so tests point them at temporary
// folders.
#pragma once

#include "settings/setting_keys.h"
#include "settings/settings.h"

#include <QList>
#include <QString>
#include <optional>

namespace tsl {

inline const QString IniFileName = QStringLiteral("tsl.ini");
// The one native key path the store knows; readers naming another path get
// their default.
inline const QString RegistryPath = QStringLiteral("Software\\Tessel");

struct StoreLocations {
    QString programDir;  // the folder of tsl.ini: the running executable's folder
    QString userFile;    // the per-user native store, read and written
    QString systemFile;  // the machine-wide native store, only read

    // The usual locations for a program in programDir: the user file under
    // $XDG_CONFIG_HOME (~/.config), the machine-wide file under the first
    // folder of $XDG_CONFIG_DIRS (/etc/xdg).
    static StoreLocations standard(const QString& programDir);
};

class SettingsStore : public SettingWriter {
public:
    explicit SettingsStore(StoreLocations locations);

    const StoreLocations& locations() const { return locations_; }
    QString iniFile() const;
    // Whether tsl.ini is there (the ordinary-file test of the file helpers).
    bool iniExists() const;

    // Which store ReadReg and WriteReg use; LoadReg sets it from iniExists().
    bool UseIni = false;
    // WriteReg writes nothing (a run that nobody can be asked about).
    bool readOnly = false;

    // The text of key: from section of tsl.ini when UseIni is on and
    // forceRegistry off, else from the native store when regPath is
    // RegistryPath. def when nothing usable is stored.
    QString ReadReg(const QString& key, const QString& def, bool forceRegistry = false,
                    const QString& section = QString(),
                    const QString& regPath = RegistryPath) const;

    // Writes key=value into section of tsl.ini when UseIni is on and
    // forceRegistry off, else into the native store. 0 when written.
    qint32 WriteReg(const QString& key, const QString& value, bool forceRegistry,
                    const QString& section);
    // SettingWriter: WriteReg with forceRegistry off.
    void WriteReg(const QString& key, const QString& value, const QString& section) override;

    // What ReadReg would give when it does not fall back to the default:
    // nullopt for a missing value, an empty ini value or an over-long
    // native value.
    std::optional<QString> storedText(const QString& key, const QString& section) const;

    // The two stores themselves.
    std::optional<QString> readIni(const QString& section, const QString& key) const;
    std::optional<QString> readNative(const QString& key) const;
    bool writeIni(const QString& section, const QString& key, const QString& value);
    bool writeNative(const QString& key, const QString& value);
    // Removes tsl.ini; true when it is gone.
    bool deleteIni();
    // Empties the per-user native store; true when it holds nothing.
    bool clearNative();

private:
    StoreLocations locations_;
};

// The longest native value that reads; a longer one reads as the default.
constexpr qsizetype NativeValueMax = 1999;

// The store switch of the options dialog's OK: writes every value into the
// chosen store (tsl.ini when useIni), together with the values only the
// commands write (ListFontSize, the last used directories) as the store in
// use holds them, then deletes the other store, and sets store.UseIni from
// whether tsl.ini is there. Writing first means a store that cannot be
// written costs nothing: the other store is then kept.
struct StoreSwitch {
    bool written = false;  // every value is in the chosen store
    bool removed = false;  // and the other store is gone
    QString file;          // the file that could not be written or removed
    bool ok() const { return written && removed; }
};
StoreSwitch switchStore(SettingsStore& store, bool useIni, const QList<StoredValue>& values);

// switchStore(...).ok().
bool SwitchStore(SettingsStore& store, bool useIni, const QList<StoredValue>& values);

}  // namespace tsl
