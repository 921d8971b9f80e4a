// The command line: tsl's own options answered before anything else, and the
// files as the shell hands them over (which mode they open, which files they
// select, files of several folders refused); the long form of a short path.
#include "core/file_utils.h"
#include "mainwindow/command_line.h"
#include "mainwindow/path_utils.h"
#include "mainwindow/window_options.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

CommandLineStart read(const QStringList& args)
{
    return readCommandLine(args, FileExists);
}

}  // namespace

TEST(CommandLine, ModeFilesAndFolderFromEachKindOfArgumentList)
{
    TempFolder t;
    t.write("My Files/x.avi", "x");
    t.write("My Files/clip.mpg.000", "i");
    t.write("a.001", "a");
    t.write("b.001", "b");
    t.write("notes.000 draft.txt", "n");
    t.write("set.0001", "s");
    const QString d = t.dir();
    const struct {
        const char* what;
        QStringList args;
        StartMode mode;
        QStringList files;
        QString dir;
    } cases[] = {
        // clang-format off
        {"nothing", {}, StartMode::None, {}, {}},
        {"four characters or fewer", {"a.av"}, StartMode::None, {}, {}},
        {"blank entries", {"  ", ""}, StartMode::None, {}, {}},
        {"a path with a blank", {d + "My Files/x.avi"}, StartMode::Split, {"x.avi"},
         d + "My Files/"},
        {"a path split by the shell", {d + "My", "Files/x.avi"}, StartMode::Split, {"x.avi"},
         d + "My Files/"},
        {"an info file", {d + "My Files/clip.mpg.000"}, StartMode::Combine, {"clip.mpg.000"},
         d + "My Files/"},
        {"two pieces", {d + "a.001", d + "b.001"}, StartMode::Combine, {"a.001", "b.001"}, d},
        {"\".000 \" inside a name is no set", {d + "notes.000 draft.txt"}, StartMode::Split,
         {"notes.000 draft.txt"}, d},
        {"a four-digit piece is no set", {d + "set.0001"}, StartMode::Split, {"set.0001"}, d},
        {"a missing file is kept on its own", {d + "gone.000", d + "a.001"}, StartMode::Combine,
         {"gone.000", "a.001"}, d},
        {"missing files that never join into one", {d + "gone", d + "away.avi"}, StartMode::Split,
         {"gone", "away.avi"}, d},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CommandLineStart start = read(c.args);
        EXPECT_EQ(start.mode, c.mode);
        EXPECT_EQ(start.files, c.files);
        EXPECT_EQ(start.srcDir, c.dir);
        EXPECT_TRUE(start.folders.isEmpty());
    }
}

TEST(CommandLine, RelativeNamesAreTakenFromTheCurrentFolder)
{
    TempFolder t;
    t.write("movie.avi", "m");
    const QString before = QDir::currentPath();
    QDir::setCurrent(t.dir());
    const CommandLineStart start = read({"movie.avi"});
    QDir::setCurrent(before);
    EXPECT_EQ(start.files, QStringList{"movie.avi"});
    EXPECT_EQ(start.srcDir, QDir(t.dir()).canonicalPath() + "/");
}

TEST(CommandLine, FilesOfSeveralFoldersAreRefusedNamingTheFolders)
{
    TempFolder t;
    t.write("one/a.001", "a");
    t.write("two/a.001", "b");
    const CommandLineStart start = read({t.path("one/a.001"), t.path("two/a.001")});
    EXPECT_EQ(start.mode, StartMode::Combine);
    EXPECT_TRUE(start.files.isEmpty());
    EXPECT_EQ(start.folders, (QStringList{t.path("one/"), t.path("two/")}));
    EXPECT_EQ(differentFoldersText(start.folders),
              "The chosen files lie in different folders:\r\n\r\n" + t.path("one/") + "\r\n"
                  + t.path("two/")
                  + "\r\n\r\nChoose files of one folder at a time. Nothing was selected.");
}

TEST(WindowArguments, ActionAndFilesOfEachKindOfArgumentList)
{
    const struct {
        const char* what;
        QStringList args;  // after the program
        WindowAction action;
        QStringList files;
    } cases[] = {
        // clang-format off
        {"nothing", {}, WindowAction::Open, {}},
        {"files", {"/a b/x.avi", "y.avi"}, WindowAction::Open, {"/a b/x.avi", "y.avi"}},
        {"--help", {"--help"}, WindowAction::Help, {}},
        {"-h among files", {"x.avi", "-h"}, WindowAction::Help, {}},
        {"--help-all", {"--help-all"}, WindowAction::HelpAll, {}},
        {"-v", {"-v"}, WindowAction::Version, {}},
        {"--version after Qt's option", {"-platform", "xcb", "--version"}, WindowAction::Version,
         {}},
        {"unknown option", {"--bogus", "x.avi"}, WindowAction::BadUsage, {}},
        {"Qt's option not taken out", {"-style", "fusion"}, WindowAction::BadUsage, {}},
        {"a FILE after --", {"--", "-clip.mpg", "--help"}, WindowAction::Open,
         {"-clip.mpg", "--help"}},
        // clang-format on
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

// Without a tilde a path comes back trimmed, unlooked; with one, as the
// names are stored (a folder without its closing "/"), or empty when it names nothing.
TEST(GetLongPathLegacy, APathWithTildeBecomesTheNamesAsStored)
{
    EXPECT_EQ(GetLongPathLegacy("  /no/such/dir/movie.avi  "), "/no/such/dir/movie.avi");
    EXPECT_EQ(GetLongPathLegacy("relative name.avi"), "relative name.avi");
    EXPECT_EQ(GetLongPathLegacy("    "), "");
    TempFolder t;
    const QString dir = t.mkdir("Program Files");
    t.write("Program Files/Movie file.avi", "x");
    ASSERT_TRUE(QFile::link(dir, t.path("PROGRA~1")));
    ASSERT_TRUE(QFile::link(dir + "Movie file.avi", dir + "MOVIE~1.AVI"));
    EXPECT_EQ(GetLongPathLegacy(" " + t.path("PROGRA~1/MOVIE~1.AVI") + " "),
              QFileInfo(dir + "Movie file.avi").canonicalFilePath());
    EXPECT_EQ(GetLongPathLegacy(t.path("PROGRA~1/")), QFileInfo(dir).canonicalFilePath());
    const QString tilde = t.write("a~b.txt", "y");  // a real name with a tilde
    EXPECT_EQ(GetLongPathLegacy(tilde), QFileInfo(tilde).canonicalFilePath());
    EXPECT_EQ(GetLongPathLegacy(t.path("MOVIE~1.AVI")), "");
    EXPECT_EQ(GetLongPathLegacy(t.path("NOPE~1/x")), "");
}
