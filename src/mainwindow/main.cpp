// tsl: the main window. Loads the settings, reads the files named on the
// command line and opens the window on the Combine or Split panel.
#include "core/translations.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/gui_app_icon.h"
#include "mainwindow/gui_hand_over_link.h"
#include "mainwindow/gui_screenshots.h"
#include "mainwindow/gui_single_instance.h"
#include "mainwindow/single_instance.h"
#include "mainwindow/window_options.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "shell/check_assoc.h"

#include <QApplication>
#include <cstdio>

namespace {

// The folder of tsl.ini: $TSL_PROGRAM_DIR when set, else the program's own.
QString programDir()
{
    const QString dir = qEnvironmentVariable("TSL_PROGRAM_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

void print(FILE* out, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), out);
}

}  // namespace

int main(int argc, char** argv)
{
    // --help and --version answer before QApplication exists: on a terminal
    // without a display, and for help2man at build time.
    // A translator needs an application object: a core one serves the help.
    {
        QCoreApplication core(argc, argv);
        const tsl::Translations translations(
            tsl::messageLanguages(QProcessEnvironment::systemEnvironment()));
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        const tsl::WindowArguments early =
            tsl::readWindowArguments(raw, QStringLiteral(TSL_VERSION));
        if (early.action == tsl::WindowAction::Help || early.action == tsl::WindowAction::Version) {
            print(stdout, early.text);
            return 0;
        }
    }

    QApplication app(argc, argv);
    const tsl::Translations translations(
        tsl::messageLanguages(QProcessEnvironment::systemEnvironment()));
    QApplication::setOrganizationName(QStringLiteral("Tessel"));
    QApplication::setApplicationName(QStringLiteral("TSL"));
    QApplication::setApplicationVersion(QStringLiteral(TSL_VERSION));
    // Qt's own options are gone now; anything else that starts with '-' is refused.
    const tsl::WindowArguments arguments =
        tsl::readWindowArguments(QApplication::arguments(), QStringLiteral(TSL_VERSION));
    if (arguments.action == tsl::WindowAction::BadUsage) {
        print(stderr, arguments.text);
        return 2;
    }
    if (arguments.action == tsl::WindowAction::HelpAll) {
        QCommandLineParser parser;
        tsl::addWindowOptions(parser);
        parser.process(app);  // prints the help with Qt's options and ends
    }

    QApplication::setDesktopFileName(QStringLiteral("tsl"));
    QApplication::setWindowIcon(tsl::applicationIcon());

    // A second TSL hands its files to the first, or says that TSL runs, and ends.
    tsl::SingleInstance instance;
    if (!tsl::claimSingleInstance(instance, QApplication::arguments().mid(1)))
        return 0;

    tsl::Settings settings;
    tsl::SettingsStore store(tsl::StoreLocations::standard(programDir()));
    // One registration for the whole run, so each failure is reported once.
    tsl::DesktopRegistration registration(
        tsl::DesktopLocations::fromEnvironment(QCoreApplication::applicationFilePath()));
    tsl::frmMain window(settings, store, &registration);
    if (!window.Form_Load(arguments.files))
        return window.exitCode() ? window.exitCode() : 1;
    window.show();
    // Files a later `tsl FILE...` hands over.
    const auto handOvers = tsl::serveHandOvers(window, instance.path());
    // A hidden switch of the screenshot test: save each panel and leave.
    const QString shots = qEnvironmentVariable("TSL_SCREENSHOTS");
    if (!shots.isEmpty())
        tsl::saveScreenshots(window, shots);
    const int code = app.exec();
    return code ? code : window.exitCode();
}
