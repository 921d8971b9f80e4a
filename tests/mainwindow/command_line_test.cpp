// The command line as the shell hands it over: which mode it opens, which
// files it selects, and files of several folders refused.
#include "mainwindow/command_line.h"
#include "core/file_utils.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QDir>
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
        {"nothing", {}, StartMode::None, {}, {}},
        {"four characters or fewer", {"a.av"}, StartMode::None, {}, {}},
        {"blank entries", {"  ", ""}, StartMode::None, {}, {}},
        {"a path with a blank, whole",
         {d + "My Files/x.avi"},
         StartMode::Split,
         {"x.avi"},
         d + "My Files/"},
        {"a path split by the shell",
         {d + "My", "Files/x.avi"},
         StartMode::Split,
         {"x.avi"},
         d + "My Files/"},
        {"an info file",
         {d + "My Files/clip.mpg.000"},
         StartMode::Combine,
         {"clip.mpg.000"},
         d + "My Files/"},
        {"two pieces", {d + "a.001", d + "b.001"}, StartMode::Combine, {"a.001", "b.001"}, d},
        {"\".000 \" inside a name is no set",
         {d + "notes.000 draft.txt"},
         StartMode::Split,
         {"notes.000 draft.txt"},
         d},
        {"a four-digit piece is no set", {d + "set.0001"}, StartMode::Split, {"set.0001"}, d},
        {"a missing file is kept on its own",
         {d + "gone.000", d + "a.001"},
         StartMode::Combine,
         {"gone.000", "a.001"},
         d},
        {"missing files that never join into one",
         {d + "gone", d + "away.avi"},
         StartMode::Split,
         {"gone", "away.avi"},
         d},
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
