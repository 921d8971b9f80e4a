// The file helpers: FileExists with and without wildcards, KillFile's wipe,
// the 8.3 alias, and the copy chunk cut to whole blocks.
#include "core/file_handle.h"
#include "core/file_utils.h"
#include "pieces/short_name.h"
#include "support/temp_files.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

using namespace tsl;
using namespace tsl::test;

TEST(FileExists, PlainPathsAreOrdinaryVisibleFilesOnly)
{
    TempFolder t;
    t.write("movie.avi", "x");
    t.write(".hidden", "x");
    t.mkdir("folder");
    EXPECT_TRUE(FileExists(t.path("movie.avi")));
    for (const char* no : {"missing", ".hidden", "folder", "nowhere/movie.avi"})
        EXPECT_FALSE(FileExists(t.path(no))) << no;
    EXPECT_FALSE(FileExists(QString()));
}

TEST(FileExists, WildcardsMatchAnyOrdinaryVisibleFileOfTheDirectory)
{
    TempFolder t;
    t.write("movie.avi", "x");
    EXPECT_FALSE(FileExists(t.path("movie.avi.*")));
    t.write("movie.avi.bat", "x");
    t.write(".other.001", "x");
    t.mkdir("other.002");
    t.write("a[1].avi.001", "x");  // brackets are no pattern
    for (const char* yes : {"movie.avi.*", "movie.avi.b?t", "a[1].avi.*", "mov*i.b*"})
        EXPECT_TRUE(FileExists(t.path(yes))) << yes;
    for (const char* no : {"movie.avi.b?", "other.*", ".other.*", "missing/*", "a1.avi.*"})
        EXPECT_FALSE(FileExists(t.path(no))) << no;
}

TEST(MatchesWildcard, BacktracksAsFnmatchDoes)
{
    // name, pattern, match: a "*" in the name is an ordinary character.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"a*xb", "a*b", true},    {"a*b", "a*b", true},        {"axbyc", "a*b*c", true},
        {"abc", "a?c", true},     {"a?c", "a?c", true},        {"aXbXc", "a*c", true},
        {"a*x", "a*b", false},    {"abc", "a?", false},        {"", "*", true},
        {"x.txt", "*.txt", true}, {"x.txt.1", "*.txt", false},
    };
    for (const auto& [name, pattern, match] : cases)
        EXPECT_EQ(matchesWildcard(name, pattern), match) << name << " ~ " << pattern;
}

// KillFile wipes in whole blocks of zeros, then deletes. A descriptor opened
// before still reads the unlinked file: it shows what the wipe left.
TEST(KillFile, WipesInWholeBlocksEndingInZerosThenDeletes)
{
    TempFolder t;
    // Sizes and the blocks written.
    const std::pair<qint64, qint64> cases[] = {{250000, 3}, {0, 1}, {200000, 3}, {1000000, 11}};
    for (const auto& [size, blocks] : cases) {
        const QString path = t.writePattern("victim", size);
        QFile keep(path);
        ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
        EXPECT_FALSE(KillFile(path, true).failed());
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_EQ(keep.readAll(), QByteArray(blocks * 100000, '\0')) << size;
    }
}

TEST(KillFile, LeavesHiddenReadOnlyAndLinkedFilesInPlace)
{
    TempFolder t;
    t.write("a", "abc");
    EXPECT_FALSE(KillFile(t.path("a"), false).failed());
    EXPECT_FALSE(t.exists("a"));
    EXPECT_FALSE(KillFile(t.path("a"), true).failed());  // missing is quiet

    t.write(".hidden", "abc");
    EXPECT_FALSE(KillFile(t.path(".hidden"), true).failed());
    EXPECT_TRUE(t.exists(".hidden"));

    const QString ro = t.write("ro", "abc");
    ASSERT_EQ(::chmod(QFile::encodeName(ro).constData(), 0444), 0);
    const RunError e = KillFile(ro, true);
    EXPECT_EQ(e.number, 75);
    EXPECT_EQ(e.description, "Path/File access error");
    EXPECT_EQ(t.read("ro"), "abc");

    // Through a link only the link goes.
    ASSERT_TRUE(QFile::link(t.write("target", "precious"), t.path("link")));
    EXPECT_FALSE(KillFile(t.path("link"), true).failed());
    EXPECT_FALSE(QFileInfo(t.path("link")).isSymLink());
    EXPECT_EQ(t.read("target"), "precious");
}

TEST(ShortName, FitsEightDotThreeUpperCaseAndUniqueInItsFolder)
{
    TempFolder t;
    EXPECT_EQ(shortName(t.write("readme.txt", "x")), "README.TXT");
    t.write("My Long Resume.doc", "x");
    EXPECT_EQ(shortName(t.write("My Long Report.doc", "x")), "MYLONG~1.DOC");
    EXPECT_EQ(shortName(t.path("My Long Resume.doc")), "MYLONG~2.DOC");
    // Characters that are commands in an unquoted batch line never appear.
    EXPECT_EQ(shortName(t.write("a&b(1)%.txt", "x")), "A_B_1_~1.TXT");
}

// Copies are cut at whole blocks of the file system, so that one which shares
// blocks (XFS, btrfs) can share them; a block that is none to cut at leaves
// the setting as it is.
TEST(AlignedChunk, CutsTheSettingToWholeBlocks)
{
    EXPECT_EQ(alignedChunk(10000, 4096), 8192);
    EXPECT_EQ(alignedChunk(12288, 4096), 12288);
    EXPECT_EQ(alignedChunk(10000, 3000), 10000);  // no power of two
    EXPECT_EQ(alignedChunk(1000, 4096), 1000);    // larger than the setting
    EXPECT_EQ(alignedChunk(10000, 0), 10000);
}
