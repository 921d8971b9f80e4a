// tsl's own options: --help and --version answered before anything else,
// unknown options refused, and the files after the options (and after "--")
// handed on unchanged.
#include "mainwindow/window_options.h"

#include <gtest/gtest.h>

using namespace tsl;

TEST(WindowArguments, ActionAndFilesOfEachKindOfArgumentList)
{
    const struct {
        const char* what;
        QStringList args;  // after the program
        WindowAction action;
        QStringList files;
    } cases[] = {
        {"nothing", {}, WindowAction::Open, {}},
        {"files", {"/a b/x.avi", "y.avi"}, WindowAction::Open, {"/a b/x.avi", "y.avi"}},
        {"--help", {"--help"}, WindowAction::Help, {}},
        {"-h among files", {"x.avi", "-h"}, WindowAction::Help, {}},
        {"--help-all", {"--help-all"}, WindowAction::HelpAll, {}},
        {"--version", {"--version"}, WindowAction::Version, {}},
        {"-v", {"-v"}, WindowAction::Version, {}},
        {"--version after Qt's own option",
         {"-platform", "xcb", "--version"},
         WindowAction::Version,
         {}},
        {"unknown option", {"--bogus", "x.avi"}, WindowAction::BadUsage, {}},
        {"Qt's option not taken out", {"-style", "fusion"}, WindowAction::BadUsage, {}},
        {"a FILE after --",
         {"--", "-clip.mpg", "--help"},
         WindowAction::Open,
         {"-clip.mpg", "--help"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WindowArguments got = readWindowArguments(
            QStringList{QStringLiteral("/usr/bin/tsl")} + c.args, QStringLiteral("25.8.2"));
        EXPECT_EQ(got.action, c.action);
        EXPECT_EQ(got.files, c.files);
    }
}

TEST(WindowArguments, HelpVersionAndUsageErrorTexts)
{
    const QString program = QStringLiteral("build/tsl");
    const QString help =
        readWindowArguments({program, QStringLiteral("--help")}, QStringLiteral("25.8.2")).text;
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: tsl [options] [FILE...]\nTSL moves large ")))
        << help.toStdString();
    for (const char* line : {"-h, --help", "-v, --version", "FILE ", "$TSL_PROGRAM_DIR",
                             "\"TSL is already running...\""})
        EXPECT_TRUE(help.contains(QLatin1String(line))) << line;

    EXPECT_EQ(readWindowArguments({program, QStringLiteral("-v")}, QStringLiteral("25.8.2")).text,
              QStringLiteral("tsl 25.8.2\n"));
    EXPECT_EQ(
        readWindowArguments({program, QStringLiteral("--bogus")}, QStringLiteral("25.8.2")).text,
        QStringLiteral("tsl: Unknown option 'bogus'.\n"
                       "Try 'tsl --help' for more information.\n"));
}
