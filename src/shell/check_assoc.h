// The desktop integration that follows the settings at every load of the
// window: with CombineAssoc the info file type (*.000, "TSL Info File") opens
// in TSL by default; with AssocSplit MPEG video offers Split with TSL; with
// AssocSendTo the file managers' send-to places offer TSL. Everything lives
// per user under $XDG_DATA_HOME and $XDG_CONFIG_HOME; a setting turned off
// removes exactly what TSL added, never another program's file or default.
// Repeating it changes nothing. The earlier release's "Vantor" send-to entry
// is removed whenever it is found.
#pragma once

#include "settings/load_reg.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace tsl {

struct DesktopLocations {
    QString dataHome;    // $XDG_DATA_HOME, else ~/.local/share
    QString configHome;  // $XDG_CONFIG_HOME, else ~/.config
    QString program;     // the tsl executable the entries start
    // Run update-mime-database and update-desktop-database after a change,
    // where they are installed.
    bool runTools = true;

    // The folders from the environment, for the given program.
    static DesktopLocations fromEnvironment(const QString& program);
};

// One thing TSL can place on the desktop.
enum class DesktopFeature { InfoType, SplitVerb, SendTo };

struct DesktopItem {
    DesktopFeature feature;
    QString what;  // e.g. "Send to (Thunar)"
    QString path;
    bool isDefault = false;  // the mimeapps.list line rather than a file
    bool executable = false;
    QString contents;  // empty for the mimeapps.list line
};

struct DesktopOutcome {
    QStringList changed;   // paths written or removed
    QStringList failures;  // "path: reason", one per failed step
};

class DesktopRegistration {
public:
    explicit DesktopRegistration(DesktopLocations where);

    const DesktopLocations& locations() const { return where_; }

    // Everything TSL can place, in order, for this program; empty contents
    // when the program path cannot stand in a desktop entry.
    QList<DesktopItem> items() const;
    // Paths of the earlier release's send-to entries.
    QStringList earlierReleaseEntries() const;

    // Brings the desktop in line with the three settings. Never asks.
    DesktopOutcome apply(bool combineAssoc, bool assocSplit, bool assocSendTo);

    // CheckAssoc of the loads: apply, then one message through host naming
    // every failure not reported before in this run. Never ends the program:
    // always true.
    bool CheckAssoc(const Settings& settings, Host& host);

    // LoadReg's hook for this registration, which must outlive it.
    AssocHook hook()
    {
        return [this](const Settings& s, Host& h) { return CheckAssoc(s, h); };
    }

    // Whether the item is in place as TSL would place it.
    bool isRegistered(const DesktopItem& item) const;

private:
    DesktopLocations where_;
    QSet<QString> reported_;
};

// The message of failures: what could not be written, one path a line.
QString desktopFailureMessage(const QStringList& failures);

}  // namespace tsl
