// The bash completion of tsl-cli, run by bash-completion itself on typed
// lines: commands, options per command, option values, settings keys and
// file names; and kept in step with tsl-cli's own --help and settings keys.
#include "settings/setting_keys.h"
#include "support/temp_files.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The candidates bash offers for Tab at the end of line, sorted; the line is
// typed in folder dir.
QStringList complete(const QString& line, const QString& dir = {})
{
    QProcess bash;
    bash.setProcessEnvironment(isolatedEnvironment());
    if (!dir.isEmpty())
        bash.setWorkingDirectory(dir);
    bash.start(QStringLiteral("bash"),
               {QStringLiteral(TSL_SOURCE_DIR "/tests/cli/complete_line.sh"),
                QStringLiteral(TSL_SOURCE_DIR "/data/tsl-cli.bash"), line});
    EXPECT_TRUE(bash.waitForFinished(30000)) << line.toStdString();
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
    QStringList words = QString::fromUtf8(bash.readAllStandardOutput())
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

QStringList sorted(QStringList words)
{
    words.sort();
    return words;
}

// The long options listed under "Options:" in a --help text, but Qt's
// --help-all, which every command has and no list names.
QStringList helpOptions(const QString& help)
{
    QStringList names;
    static const QRegularExpression option(QStringLiteral(R"(^  (?:-\w, )?(--[\w-]+))"),
                                           QRegularExpression::MultilineOption);
    const QString options = help.mid(help.indexOf(QStringLiteral("\nOptions:")));
    for (auto it = option.globalMatch(options.left(options.indexOf(QStringLiteral("\n\n"))));
         it.hasNext();)
        names << it.next().captured(1);
    names.removeAll(QStringLiteral("--help-all"));
    return names;
}

}  // namespace

TEST(BashCompletion, WordsOfferedForEachKindOfLine)
{
    TempFolder t;
    for (const char* name : {"movie.avi", "movie.avi.000", "movie.avi.001", "movie.avi.002",
                             "clip_mpg.001", "notes.txt"})
        t.write(QString::fromLatin1(name), "x");
    t.mkdir(QStringLiteral("out"));
    const struct {
        const char* line;
        QStringList words;
    } cases[] = {
        {"tsl-cli co", {"combine", "config"}},
        {"tsl-cli split --ex", {"--existing"}},
        {"tsl-cli split --existing ", {"always", "ask", "never"}},
        {"tsl-cli split --existing=a", {"always", "ask"}},
        {"tsl-cli combine --no-s", {"--no-search-extra", "--no-size-check", "--no-size-prompt"}},
        {"tsl-cli split --size ", {}},
        {"tsl-cli config ", {"get", "list", "set", "store"}},
        {"tsl-cli config -y set Split0", {"Split000"}},
        {"tsl-cli config store ", {"ini", "registry"}},
        {"tsl-cli config set SameDir ", {}},
        {"tsl-cli desktop ", {"apply", "status"}},
        {"tsl-cli desktop status ", {}},
        // Files: every file to split or append, a set's .000 or .001 to
        // combine or verify, an info file to show; folders to go into.
        {"tsl-cli split -s 2MiB ",
         {"clip_mpg.001", "movie.avi", "movie.avi.000", "movie.avi.001", "movie.avi.002",
          "notes.txt", "out"}},
        {"tsl-cli append --to notes.txt mo",
         {"movie.avi", "movie.avi.000", "movie.avi.001", "movie.avi.002"}},
        {"tsl-cli append --to n", {"notes.txt"}},
        {"tsl-cli combine ", {"clip_mpg.001", "movie.avi.000", "movie.avi.001", "out"}},
        {"tsl-cli info ", {"movie.avi.000", "out"}},
        {"tsl-cli combine --out ", {"out"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(complete(QString::fromLatin1(c.line), t.dir()), sorted(c.words));
    }
}

TEST(BashCompletion, OffersEveryCommandAndOptionThatTslCliLists)
{
    const CliRun usage = runCli({QStringLiteral("--help")});
    ASSERT_EQ(usage.exitCode, 0);
    QStringList commands;
    static const QRegularExpression command(QStringLiteral(R"(^  ([a-z]+) )"),
                                            QRegularExpression::MultilineOption);
    for (auto it = command.globalMatch(usage.out); it.hasNext();)
        commands << it.next().captured(1);
    ASSERT_GE(commands.size(), 6) << usage.out.toStdString();

    const QStringList offered = complete(QStringLiteral("tsl-cli "));
    for (const QString& name : commands) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(offered.contains(name));
        const CliRun help = runCli({name, QStringLiteral("--help")});
        const QStringList options = helpOptions(help.out);
        EXPECT_FALSE(options.isEmpty()) << help.out.toStdString();
        const QStringList completed =
            complete(QStringLiteral("tsl-cli ") + name + QStringLiteral(" --"));
        for (const QString& option : options)
            EXPECT_TRUE(completed.contains(option)) << option.toStdString();
    }
}

TEST(BashCompletion, SettingsKeysAreTheKeysConfigKnows)
{
    QStringList keys;
    for (const KeyDef& d : loadedKeys())
        keys << d.key;
    for (const RecordKey& r : recordKeys())
        keys << r.key;
    EXPECT_EQ(complete(QStringLiteral("tsl-cli config get ")), sorted(keys));
}
