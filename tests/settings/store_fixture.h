// Stores in a temporary folder for the settings tests: the program directory
// (tsl.ini), the per-user and the machine-wide native files, and a drive map
// with no removable media and a made-up home folder.
#pragma once

#include "settings/load_reg.h"
#include "settings/settings_store.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QSettings>

namespace tsl::test {

struct StoreFixture {
    TempFolder t;
    SettingsStore store{StoreLocations{t.mkdir("prog"), t.path("user/Tessel/TSL.conf"),
                                       t.path("etc/Tessel/TSL.conf")}};
    DriveMap drives{{}, QStringLiteral("tester"), QStringLiteral("/home/tester"), [] {
                        return QStringList();
                    }};
    ScriptedHost host;

    void ini(const QByteArray& text) { t.write("prog/tsl.ini", text); }
    QByteArray iniText() const { return t.read("prog/tsl.ini"); }
    // A native file as an administrator or an older run left it.
    void user(const QByteArray& lines) { t.write("user/Tessel/TSL.conf", "[General]\n" + lines); }
    void machine(const QByteArray& lines) { t.write("etc/Tessel/TSL.conf", "[General]\n" + lines); }
    // A value of the per-user native file as QSettings reads it back.
    QString userValue(const QString& key) const
    {
        return QSettings(store.locations().userFile, QSettings::NativeFormat).value(key).toString();
    }

    LoadOutcome load(Settings& s) { return LoadReg(s, store, host, drives); }
    Settings loaded()
    {
        Settings s;
        load(s);
        return s;
    }
};

}  // namespace tsl::test
