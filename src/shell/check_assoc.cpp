#include "shell/check_assoc.h"

#include "core/host.h"
#include "core/texts.h"
#include "settings/settings.h"
#include "shell/desktop_entries.h"
#include "shell/desktop_files.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace tsl {

namespace {

QString envFolder(const char* name, const QString& fallback)
{
    const QString v = qEnvironmentVariable(name);
    // The base directory specification ignores relative paths.
    return QDir::isAbsolutePath(v) ? QDir::cleanPath(v) : QDir::homePath() + fallback;
}

// Runs tool on folder when the tool is installed; a failure as "folder: ...".
QString runTool(const QString& tool, const QStringList& args, const QString& folder)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        return {};
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(exe, args + QStringList{folder});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(p.readAll()).trimmed();
        //: %1 a folder, %2 the tool run on it (update-mime-database), %3 what the tool said
        return said.isEmpty()
            ? DesktopText::tr("%1: %2 failed").arg(QDir::toNativeSeparators(folder), tool)
            : DesktopText::tr("%1: %2 failed (%3)")
                  .arg(QDir::toNativeSeparators(folder), tool, said);
    }
    return {};
}

bool featureOn(DesktopFeature f, bool combineAssoc, bool assocSplit, bool assocSendTo)
{
    switch (f) {
    case DesktopFeature::InfoType: return combineAssoc;
    case DesktopFeature::SplitVerb: return assocSplit;
    case DesktopFeature::SendTo: return assocSendTo;
    }
    return false;
}

}  // namespace

DesktopLocations DesktopLocations::fromEnvironment(const QString& program)
{
    return {envFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")),
            envFolder("XDG_CONFIG_HOME", QStringLiteral("/.config")), program, true};
}

DesktopRegistration::DesktopRegistration(DesktopLocations where) : where_(std::move(where)) {}

QList<DesktopItem> DesktopRegistration::items() const
{
    const QString data = where_.dataHome + QLatin1Char('/');
    const QString exec = execProgram(where_.program).value_or(QString());
    const QString script = shellQuoted(where_.program);
    const auto text = [&](QString (*make)(const QString&)) {
        return exec.isEmpty() ? QString() : make(exec);
    };
    using F = DesktopFeature;
    return {
        {F::InfoType, DesktopText::tr("Info file type (*.000)"),
         data + QStringLiteral("mime/packages/tsl.xml"), false, false, mimePackage()},
        {F::InfoType, DesktopText::tr("Open .000 files with TSL"),
         data + QStringLiteral("applications/") + DesktopId, false, false, text(openEntry)},
        {F::InfoType,
         DesktopText::tr("Default for .000 files"),
         where_.configHome + QStringLiteral("/mimeapps.list"),
         true,
         false,
         {}},
        {F::SplitVerb, DesktopText::tr("Split (Open With)"),
         data + QStringLiteral("applications/tsl-split.desktop"), false, false, text(splitEntry)},
        {F::SplitVerb, DesktopText::tr("Split (KDE menu)"),
         data + QStringLiteral("kio/servicemenus/tsl-split.desktop"), false, true,
         text(kdeSplitMenu)},
        {F::SendTo, DesktopText::tr("Send to (Thunar)"),
         data + QStringLiteral("Thunar/sendto/tsl.desktop"), false, false, text(thunarSendTo)},
        {F::SendTo, DesktopText::tr("Send to (Nautilus scripts)"),
         data + QStringLiteral("nautilus/scripts/TSL"), false, true, nautilusScript(script)},
        {F::SendTo, DesktopText::tr("Send to (KDE menu)"),
         data + QStringLiteral("kio/servicemenus/tsl-sendto.desktop"), false, true,
         text(kdeSendToMenu)},
    };
}

QStringList DesktopRegistration::earlierReleaseEntries() const
{
    const QString data = where_.dataHome + QLatin1Char('/');
    return {data + QStringLiteral("Thunar/sendto/Vantor.desktop"),
            data + QStringLiteral("Thunar/sendto/vantor.desktop"),
            data + QStringLiteral("nautilus/scripts/Vantor"),
            data + QStringLiteral("kio/servicemenus/vantor.desktop")};
}

DesktopOutcome DesktopRegistration::apply(bool combineAssoc, bool assocSplit, bool assocSendTo)
{
    DesktopOutcome out;
    bool mimeChanged = false;
    bool entriesChanged = false;
    const auto record = [&](const FileStep& step, const QString& path) {
        if (!step.failure.isEmpty())
            out.failures << step.failure;
        if (!step.changed)
            return;
        out.changed << path;
        mimeChanged = mimeChanged || path.contains(QStringLiteral("/mime/packages/"));
        entriesChanged = entriesChanged || path.contains(QStringLiteral("/applications/"));
    };
    for (const DesktopItem& item : items()) {
        const bool on = featureOn(item.feature, combineAssoc, assocSplit, assocSendTo);
        if (item.isDefault) {
            record(setDefaultApplication(item.path, InfoMimeType, DesktopId, on), item.path);
        } else if (on && item.contents.isEmpty()) {
            out.failures << DesktopText::tr(
                                "%1: the program's path cannot stand in a desktop entry")
                                .arg(QDir::toNativeSeparators(item.path));
        } else {
            record(on ? writeOwnFile(item.path, item.contents, item.executable)
                      : removeOwnFile(item.path),
                   item.path);
        }
    }
    for (const QString& path : earlierReleaseEntries())
        record(removeEarlierEntry(path), path);
    if (where_.runTools && mimeChanged) {
        if (QString f = runTool(QStringLiteral("update-mime-database"), {},
                                where_.dataHome + QStringLiteral("/mime"));
            !f.isEmpty())
            out.failures << f;
    }
    if (where_.runTools && entriesChanged) {
        if (QString f = runTool(QStringLiteral("update-desktop-database"), {QStringLiteral("-q")},
                                where_.dataHome + QStringLiteral("/applications"));
            !f.isEmpty())
            out.failures << f;
    }
    return out;
}

bool DesktopRegistration::isRegistered(const DesktopItem& item) const
{
    if (item.isDefault)
        return defaultApplications(item.path, InfoMimeType).value(0) == DesktopId;
    QFile f(item.path);
    return fileState(item.path) == FileState::Own && f.open(QIODevice::ReadOnly)
        && QString::fromUtf8(f.readAll()) == item.contents;
}

bool DesktopRegistration::CheckAssoc(const Settings& s, Host& host)
{
    const DesktopOutcome out = apply(s.CombineAssoc, s.AssocSplit, s.AssocSendTo);
    QStringList fresh;
    for (const QString& f : out.failures) {
        if (!reported_.contains(f))
            fresh << f;
        reported_.insert(f);
    }
    if (!fresh.isEmpty())
        host.ask(Ask::Notice, desktopFailureMessage(fresh), Buttons::Ok, Icon::Exclamation,
                 Answer::Ok);
    return true;
}

QString desktopFailureMessage(const QStringList& failures)
{
    return DesktopText::tr("TSL could not bring its desktop registration up to date:") + CrLf2
        + failures.join(CrLf) + CrLf2
        + DesktopText::tr("TSL works as before; only the file manager's entries for TSL may be "
                          "missing or out of date.");
}

}  // namespace tsl
