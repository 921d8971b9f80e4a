// tsl-cli desktop: what TSL has placed on the desktop (the .000 type, the
// Split entry, the send-to entries), and bringing it in line with the stored
// settings, as the window does at every load.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/texts.h"
#include "settings/load_reg.h"
#include "shell/check_assoc.h"
#include "shell/desktop_entries.h"
#include "shell/desktop_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QMimeDatabase>
#include <cstdio>

namespace tsl::cli {

namespace {

const char Description[] = QT_TRANSLATE_NOOP(
    "Cli",
    "Show or apply TSL's desktop registration: the info file type (*.000) opening in\n"
    "TSL (CombineAssoc), the Split entry for MPEG video (AssocSplit) and the send-to\n"
    "entries of Thunar, Nautilus and KDE (AssocSendTo). Everything is per user under\n"
    "$XDG_DATA_HOME and $XDG_CONFIG_HOME; a setting that is off removes what TSL\n"
    "added and nothing else.\n\n"
    "  status  (the default) what is registered, and the type of a .000 file\n"
    "  apply   bring the registration in line with the stored settings");

void printOut(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
}

QString onOff(bool on)
{
    return on ? CliText::tr("on") : CliText::tr("off");
}

QString itemState(const DesktopRegistration& reg, const DesktopItem& item)
{
    if (item.isDefault) {
        const QStringList ids = defaultApplications(item.path, InfoMimeType);
        return ids.isEmpty() ? CliText::tr("none") : ids.join(QLatin1Char(';'));
    }
    switch (fileState(item.path)) {
    case FileState::Absent: return CliText::tr("not registered");
    case FileState::Foreign: return CliText::tr("another program's file (left alone)");
    case FileState::Own: break;
    }
    return reg.isRegistered(item) ? CliText::tr("registered")
                                  : CliText::tr("registered, out of date");
}

void printStatus(const DesktopRegistration& reg, const Settings& s)
{
    printOut(CliText::tr("Settings: CombineAssoc %1, AssocSplit %2, AssocSendTo %3")
                 .arg(onOff(s.CombineAssoc), onOff(s.AssocSplit), onOff(s.AssocSendTo)));
    printOut(CliText::tr("Program: %1").arg(QDir::toNativeSeparators(reg.locations().program)));
    for (const DesktopItem& item : reg.items()) {
        printOut(item.what + QStringLiteral(": ") + itemState(reg, item) + QStringLiteral("  ")
                 + QDir::toNativeSeparators(item.path));
    }
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("name.000"), QMimeDatabase::MatchExtension);
    printOut(CliText::tr("A file named name.000 is: %1 (%2)").arg(type.name(), type.comment()));
}

}  // namespace

int desktopCommand(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(Description));
    addAnswerOptions(parser);
    parser.addPositionalArgument(QStringLiteral("ACTION"), CliText::tr("status or apply."));
    const std::optional<TerminalOptions> options = parseCommand(parser, args);
    if (!options)
        return exitcode::Usage;
    const QStringList words = parser.positionalArguments();
    if (words.size() > 1)
        return usageError(parser, CliText::tr("Name one action: status or apply."));
    const QString action = words.value(0, QStringLiteral("status"));
    if (action != QLatin1String("status") && action != QLatin1String("apply"))
        return usageError(parser, CliText::tr("The action is 'status' or 'apply'."));

    TerminalHost host(*options);
    const Settings settings = loadSettings(host);
    DesktopRegistration reg(DesktopLocations::fromEnvironment(QCoreApplication::applicationDirPath()
                                                              + QStringLiteral("/tsl")));
    int status = exitcode::Done;
    if (action == QLatin1String("apply")) {
        const DesktopOutcome out =
            reg.apply(settings.CombineAssoc, settings.AssocSplit, settings.AssocSendTo);
        for (const QString& path : out.changed)
            printOut(CliText::tr("Changed %1").arg(QDir::toNativeSeparators(path)));
        for (const QString& f : out.failures)
            std::fprintf(stderr, "tsl-cli: %s\n", f.toLocal8Bit().constData());
        if (!out.failures.isEmpty())
            status = exitcode::Partial;
    }
    printStatus(reg, settings);
    return status;
}

}  // namespace tsl::cli
