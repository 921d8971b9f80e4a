#include "settings/settings_store.h"

#include "core/file_utils.h"
#include "settings/profile_file.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace tsl {

namespace {

const QString NativeFile = QStringLiteral("/Tessel/TSL.conf");

QString machineConfigDir()
{
    const QStringList dirs = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'));
    for (const QString& d : dirs) {
        if (d.startsWith(QLatin1Char('/')))
            return d;
    }
    return QStringLiteral("/etc/xdg");
}

// The value of key in one native file, the key's spelling matched without
// regard to letter case when the exact one is missing.
std::optional<QString> nativeValue(const QString& file, const QString& key)
{
    if (file.isEmpty() || !QFile::exists(file))
        return std::nullopt;
    QSettings s(file, QSettings::NativeFormat);
    QString name = key;
    if (!s.contains(name)) {
        name.clear();
        for (const QString& k : s.childKeys()) {
            if (k.compare(key, Qt::CaseInsensitive) == 0) {
                name = k;
                break;
            }
        }
        if (name.isEmpty())
            return std::nullopt;
    }
    const QVariant v = s.value(name);
    // A hand-written value with commas and no quotes reads as a list.
    if (v.metaType().id() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

}  // namespace

StoreLocations StoreLocations::standard(const QString& programDir)
{
    return {programDir,
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + NativeFile,
            machineConfigDir() + NativeFile};
}

SettingsStore::SettingsStore(StoreLocations locations) : locations_(std::move(locations)) {}

QString SettingsStore::iniFile() const
{
    QString dir = locations_.programDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + IniFileName;
}

bool SettingsStore::iniExists() const
{
    return isOrdinaryFile(iniFile());
}

QString SettingsStore::ReadReg(const QString& key, const QString& def, bool forceRegistry,
                               const QString& section, const QString& regPath) const
{
    if (!forceRegistry && UseIni)
        return readIni(section, key).value_or(def);
    if (regPath.compare(RegistryPath, Qt::CaseInsensitive) != 0)
        return def;
    return readNative(key).value_or(def);
}

qint32 SettingsStore::WriteReg(const QString& key, const QString& value, bool forceRegistry,
                               const QString& section)
{
    if (readOnly)
        return 1;
    const bool written =
        !forceRegistry && UseIni ? writeIni(section, key, value) : writeNative(key, value);
    return written ? 0 : 1;
}

void SettingsStore::WriteReg(const QString& key, const QString& value, const QString& section)
{
    WriteReg(key, value, false, section);
}

std::optional<QString> SettingsStore::storedText(const QString& key, const QString& section) const
{
    return UseIni ? readIni(section, key) : readNative(key);
}

std::optional<QString> SettingsStore::readIni(const QString& section, const QString& key) const
{
    auto v = readProfileValue(iniFile(), section, key);
    // The profile reader gives the default for an empty value.
    if (v && v->isEmpty())
        return std::nullopt;
    return v;
}

std::optional<QString> SettingsStore::readNative(const QString& key) const
{
    auto v = nativeValue(locations_.userFile, key);
    if (!v)
        v = nativeValue(locations_.systemFile, key);
    if (v && v->size() > NativeValueMax)
        return std::nullopt;
    return v;
}

bool SettingsStore::writeIni(const QString& section, const QString& key, const QString& value)
{
    return writeProfileValue(iniFile(), section, key, value);
}

bool SettingsStore::writeNative(const QString& key, const QString& value)
{
    QSettings s(locations_.userFile, QSettings::NativeFormat);
    s.setValue(key, value);
    s.sync();
    return s.status() == QSettings::NoError;
}

bool SettingsStore::deleteIni()
{
    const QString file = iniFile();
    return !QFile::exists(file) || QFile::remove(file);
}

bool SettingsStore::clearNative()
{
    if (!QFile::exists(locations_.userFile))
        return true;
    QSettings s(locations_.userFile, QSettings::NativeFormat);
    s.clear();
    s.sync();
    return s.status() == QSettings::NoError;
}

namespace {

// The values nothing but the commands write, as the store in use holds them,
// unless values already has them.
QList<StoredValue> carriedValues(const SettingsStore& store, const QList<StoredValue>& values)
{
    QList<RecordKey> keys{{QStringLiteral("ListFontSize"), section::Append}};
    for (const RecordKey& r : recordKeys())
        keys << r;
    QList<StoredValue> carried;
    const bool fromIni = store.iniExists();
    for (const RecordKey& k : keys) {
        const bool given = std::any_of(values.begin(), values.end(), [&](const StoredValue& v) {
            return v.key.compare(k.key, Qt::CaseInsensitive) == 0;
        });
        const auto text = fromIni ? store.readIni(k.section, k.key) : store.readNative(k.key);
        if (!given && text)
            carried.append({k.key, k.section, *text});
    }
    return carried;
}

}  // namespace

StoreSwitch switchStore(SettingsStore& store, bool useIni, const QList<StoredValue>& values)
{
    StoreSwitch out;
    const bool iniWasThere = store.iniExists();
    const QString target = useIni ? store.iniFile() : store.locations().userFile;
    out.written = true;
    for (const StoredValue& v : values + carriedValues(store, values)) {
        out.written =
            (useIni ? store.writeIni(v.section, v.key, v.text) : store.writeNative(v.key, v.text))
            && out.written;
    }
    if (!out.written) {
        // A half-written ini file would otherwise take over at the next load.
        if (useIni && !iniWasThere)
            store.deleteIni();
        out.file = target;
        return out;
    }
    out.removed = useIni ? store.clearNative() : store.deleteIni();
    if (!out.removed)
        out.file = useIni ? store.locations().userFile : store.iniFile();
    store.UseIni = store.iniExists();
    return out;
}

bool SwitchStore(SettingsStore& store, bool useIni, const QList<StoredValue>& values)
{
    return switchStore(store, useIni, values).ok();
}

}  // namespace tsl
