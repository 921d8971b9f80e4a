// What every tsl-cli command shares: the common options, usage errors,
// loading the settings, and the exit statuses.
#pragma once

#include "cli/terminal_host.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

#include <QCommandLineParser>
#include <QStringList>

namespace tsl::cli {

namespace exitcode {
constexpr int Done = 0;     // every file done
constexpr int Partial = 1;  // something skipped, cancelled, or a run-time error answered
constexpr int Usage = 2;    // bad usage
}  // namespace exitcode

// Adds --yes, --no, --quiet, --chunk and --help.
void addCommonOptions(QCommandLineParser& parser);

// Parses args (args[0] is the command's name); prints help and exits for
// --help. On a usage error prints it with the usage and returns false.
bool parseArguments(QCommandLineParser& parser, const QStringList& args);

// Prints message and the command's usage on standard error; returns exitcode::Usage.
int usageError(const QCommandLineParser& parser, const QString& message);

// The terminal options the common options ask for (--yes and --no together
// are a usage error, reported through *error).
TerminalOptions terminalOptions(const QCommandLineParser& parser, QString* error);

// A whole number of bytes, decimal; false when text is none.
bool parseCount(const QString& text, qint64* value);

// Why the FILE argument path cannot be worked on (no such file, a folder, a
// pipe or a device, a hidden file), as a usage error; empty when it can.
QString fileArgumentProblem(const QString& path);

// A size in bytes: a decimal number with an optional fraction and an optional
// unit, k, M, G (1000-based) or KiB, MiB, GiB (1024-based); false for anything
// else ("1e3" included).
bool parseByteSize(const QString& text, double* value);

// The folder that holds tsl.ini: $TSL_PROGRAM_DIR when set, else tsl-cli's own.
QString programDir();

// The settings store of this run: tsl.ini in programDir(), else the native
// store ($XDG_CONFIG_HOME/Tessel/TSL.conf, then the machine-wide file). Its
// SettingWriter side records the last used directories.
SettingsStore& settingsStore();

// The settings every command starts from: LoadReg on settingsStore(), with its
// directory messages and questions on host. When the user chose to end the
// program at a run-time error question, the program ends here (status 1).
Settings loadSettings(TerminalHost& host);

// Applies --chunk to settings, checking its range; false with *error on a bad value.
bool applyChunkOption(const QCommandLineParser& parser, Settings& settings, QString* error);

}  // namespace tsl::cli
