// What every tsl-cli command shares: the common options, usage errors,
// loading the settings, and the exit statuses.
#pragma once

#include "cli/terminal_host.h"
#include "core/run_frame.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace tsl::cli {

namespace exitcode {
constexpr int Done = 0;         // every file done
constexpr int Partial = 1;      // something skipped, cancelled, or a run-time error answered
constexpr int Usage = 2;        // bad usage
constexpr int Cancelled = 130;  // stopped by Ctrl-C (SIGINT) or SIGTERM, as a shell reports it
}  // namespace exitcode

// Adds --yes, --no, --on-error, --quiet, --chunk and --help.
void addCommonOptions(QCommandLineParser& parser);

// parseArguments, then terminalOptions; nullopt after a usage error was printed.
std::optional<TerminalOptions> parseCommand(QCommandLineParser& parser, const QStringList& args);

// Adds --yes, --no, --quiet and --help: the options of the commands that run no job.
void addAnswerOptions(QCommandLineParser& parser);

// Parses args (args[0] is the command's name); prints help and exits for
// --help. On a usage error prints it with the usage and returns false.
bool parseArguments(QCommandLineParser& parser, const QStringList& args);

// Prints message and "Try 'tsl-cli COMMAND --help'." on standard error;
// returns exitcode::Usage.
int usageError(const QCommandLineParser& parser, const QString& message);

// The terminal options the common options ask for (--yes and --no together,
// or an --on-error other than stop or continue, are a usage error, reported
// through *error).
TerminalOptions terminalOptions(const QCommandLineParser& parser, QString* error);

// A whole number of bytes, decimal; false when text is none.
bool parseCount(const QString& text, qint64* value);

// Why the FILE argument path cannot be worked on (no such file, a folder, a
// pipe or a device, a hidden file), as a usage error; empty when it can.
QString fileArgumentProblem(const QString& path);

// A size in bytes: a decimal number with an optional fraction and an optional
// unit, k, M, G (1000-based) or KiB, MiB, GiB (1024-based), or the name of a
// common limit (cd700, fat32, ...: settings/named_sizes.h); false for anything
// else ("1e3" included).
bool parseByteSize(const QString& text, double* value);

// Whether value lies within the range rule of the setting key; when not,
// *error says "--option takes <what> from LOW to HIGH." with the rule's bounds.
bool withinRange(const QString& key, double value, const QString& option, const QString& what,
                 QString* error);

// The folder that holds tsl.ini: $TSL_PROGRAM_DIR when set, else tsl-cli's own.
QString programDir();

// The settings store of this run: tsl.ini in programDir(), else the native
// store ($XDG_CONFIG_HOME/Tessel/TSL.conf, then the machine-wide file). The
// job commands only read it: a script's run leaves the window's last used
// directories (SplitDir, CombineDir, AppendPartDir) as they were.
SettingsStore& settingsStore();

// The settings every command starts from: LoadReg on settingsStore(), with its
// directory messages and questions on host. When the user chose to end the
// program at a run-time error question, the program ends here (status 1).
Settings loadSettings(TerminalHost& host);

// Reads the whole number of --option, checked against the range rule of the
// setting key; false with *error ("--option takes <what> from LOW to HIGH.").
bool readCountOption(const QCommandLineParser& parser, const QString& option, const QString& key,
                     const QString& what, qint64* value, QString* error);

// Applies --chunk to settings, checking its range; false with *error on a bad value.
bool applyChunkOption(const QCommandLineParser& parser, Settings& settings, QString* error);

// Turns SIGINT and SIGTERM into host's cancel request for the job that
// follows. The first signal asks the job to stop and take back the file it
// is on; a second Ctrl-C ends the program at once.
void cancelOnSignals(Host& host);

// The exit status of a job: Cancelled when the cancel request stopped it,
// else Done when done is set, else Partial. Prints what was taken back first.
int jobStatus(TerminalHost& host, const JobEnd& end, bool done);

}  // namespace tsl::cli
