#include "pieces/file_utils.h"
#include "pieces/short_name.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tsl;
using namespace tsl::test;

TEST(FileExists, PlainPathsAreOrdinaryVisibleFilesOnly)
{
    TempFolder t;
    t.write("movie.avi", "x");
    t.write(".hidden", "x");
    t.mkdir("folder");
    EXPECT_TRUE(FileExists(t.path("movie.avi")));
    EXPECT_FALSE(FileExists(t.path("missing")));
    EXPECT_FALSE(FileExists(t.path(".hidden")));
    EXPECT_FALSE(FileExists(t.path("folder")));
    EXPECT_FALSE(FileExists(t.path("nowhere/movie.avi")));
    EXPECT_FALSE(FileExists(QString()));
}

TEST(FileExists, WildcardsMatchAnyOrdinaryFileOfTheDirectory)
{
    TempFolder t;
    t.write("movie.avi", "x");
    EXPECT_FALSE(FileExists(t.path("movie.avi.*")));
    t.write("movie.avi.bat", "x");
    EXPECT_TRUE(FileExists(t.path("movie.avi.*")));
    EXPECT_TRUE(FileExists(t.path("movie.avi.b?t")));
    EXPECT_FALSE(FileExists(t.path("movie.avi.b?")));
    EXPECT_FALSE(FileExists(t.path("other.*")));
    // A hidden match does not count, nor does a directory.
    t.write(".other.001", "x");
    t.mkdir("other.002");
    EXPECT_FALSE(FileExists(t.path(".other.*")));
    EXPECT_FALSE(FileExists(t.path("other.*")));
    EXPECT_FALSE(FileExists(t.path("missing/*")));
}

TEST(FileExists, BracketsInNamesAreNotPatterns)
{
    TempFolder t;
    t.write("a[1].avi.001", "x");
    EXPECT_TRUE(FileExists(t.path("a[1].avi.*")));
    EXPECT_FALSE(FileExists(t.path("a1.avi.*")));
}

TEST(Wildcard, StarAndQuestionMark)
{
    EXPECT_TRUE(matchesWildcard("movie.avi.", "movie.avi.*"));
    EXPECT_TRUE(matchesWildcard("abc", "a*c"));
    EXPECT_TRUE(matchesWildcard("ac", "a*c"));
    EXPECT_FALSE(matchesWildcard("ab", "a*c"));
    EXPECT_TRUE(matchesWildcard("axxbxxc", "a*b*c"));
    EXPECT_FALSE(matchesWildcard("abc", "a?"));
}

// What the wipe left in the file: a descriptor opened before still reads the
// unlinked file.
static QByteArray wipedContent(TempFolder& t, qint64 size, ScriptedHost& host)
{
    const QString path = t.writePattern("victim", size);
    QFile keep(path);
    EXPECT_TRUE(keep.open(QIODevice::ReadOnly));
    EXPECT_FALSE(KillFile(path, true, &host).failed());
    EXPECT_FALSE(QFileInfo::exists(path));
    return keep.readAll();  // the open descriptor still reads the unlinked inode
}

TEST(KillFile, WipesInWholeBlocksEndingInZerosThenDeletes)
{
    TempFolder t;
    ScriptedHost host;
    const QByteArray last = wipedContent(t, 250000, host);
    EXPECT_EQ(last.size(), 300000);  // three blocks
    EXPECT_EQ(last, QByteArray(300000, '\0'));
    EXPECT_EQ(host.pumps, 0);
}

TEST(KillFile, EmptyFileGetsOneBlockAndExactMultipleOneMore)
{
    TempFolder t;
    ScriptedHost host;
    EXPECT_EQ(wipedContent(t, 0, host).size(), 100000);
    EXPECT_EQ(wipedContent(t, 200000, host).size(), 300000);
}

TEST(KillFile, ServicesEventsAfterEveryFifthBlock)
{
    TempFolder t;
    ScriptedHost host;
    wipedContent(t, 1000000, host);  // eleven blocks
    EXPECT_EQ(host.pumps, 2);
}

TEST(KillFile, WithoutWipeJustDeletesAndMissingIsQuiet)
{
    TempFolder t;
    t.write("a", "abc");
    EXPECT_FALSE(KillFile(t.path("a"), false, nullptr).failed());
    EXPECT_FALSE(t.exists("a"));
    EXPECT_FALSE(KillFile(t.path("a"), true, nullptr).failed());
}

TEST(KillFile, LeavesHiddenAndReadOnlyFilesInPlace)
{
    TempFolder t;
    t.write(".hidden", "abc");
    EXPECT_FALSE(KillFile(t.path(".hidden"), true, nullptr).failed());
    EXPECT_TRUE(t.exists(".hidden"));

    const QString ro = t.write("ro", "abc");
    ASSERT_EQ(::chmod(QFile::encodeName(ro).constData(), 0444), 0);
    const RunError e = KillFile(ro, true, nullptr);
    EXPECT_EQ(e.number, 75);
    EXPECT_EQ(e.description, "Path/File access error");
    EXPECT_EQ(t.read("ro"), "abc");
}

TEST(KillFile, ThroughALinkOnlyTheLinkGoes)
{
    TempFolder t;
    const QString target = t.write("target", "precious");
    ASSERT_TRUE(QFile::link(target, t.path("link")));
    EXPECT_FALSE(KillFile(t.path("link"), true, nullptr).failed());
    EXPECT_FALSE(QFileInfo(t.path("link")).isSymLink());
    EXPECT_EQ(t.read("target"), "precious");
}

TEST(ShortName, FitsEightDotThreeUpperCaseAndUniqueInItsFolder)
{
    TempFolder t;
    t.write("readme.txt", "x");
    t.write("My Long Report.doc", "x");
    t.write("My Long Resume.doc", "x");
    EXPECT_EQ(shortName(t.path("readme.txt")), "README.TXT");
    EXPECT_EQ(shortName(t.path("My Long Report.doc")), "MYLONG~1.DOC");
    EXPECT_EQ(shortName(t.path("My Long Resume.doc")), "MYLONG~2.DOC");
    // Characters that are commands in an unquoted batch line never appear.
    t.write("a&b(1)%.txt", "x");
    const QString alias = shortName(t.path("a&b(1)%.txt"));
    EXPECT_EQ(alias, "A_B_1_~1.TXT");
}
