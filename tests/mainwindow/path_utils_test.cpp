#include "mainwindow/path_utils.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::TempFolder;

TEST(GetLongPathLegacy, APathWithoutTildeComesBackTrimmedUnlooked)
{
    EXPECT_EQ(GetLongPathLegacy("  /no/such/dir/movie.avi  "), "/no/such/dir/movie.avi");
    EXPECT_EQ(GetLongPathLegacy("relative name.avi"), "relative name.avi");
    EXPECT_EQ(GetLongPathLegacy(""), "");
    EXPECT_EQ(GetLongPathLegacy("    "), "");
}

TEST(GetLongPathLegacy, APathWithTildeBecomesTheNamesAsStored)
{
    TempFolder t;
    const QString dir = t.mkdir("Program Files");
    t.write("Program Files/Movie file.avi", "x");
    ASSERT_TRUE(QFile::link(dir, t.path("PROGRA~1")));
    ASSERT_TRUE(QFile::link(dir + "Movie file.avi", dir + "MOVIE~1.AVI"));
    const QString expected = QFileInfo(dir + "Movie file.avi").canonicalFilePath();
    EXPECT_EQ(GetLongPathLegacy(" " + t.path("PROGRA~1/MOVIE~1.AVI") + " "), expected);
    // A folder comes back without a closing "/".
    EXPECT_EQ(GetLongPathLegacy(t.path("PROGRA~1/")), QFileInfo(dir).canonicalFilePath());
    // A real name with a tilde is its own long form.
    const QString tilde = t.write("a~b.txt", "y");
    EXPECT_EQ(GetLongPathLegacy(tilde), QFileInfo(tilde).canonicalFilePath());
}

TEST(GetLongPathLegacy, AShortNameThatNamesNothingGivesEmptyText)
{
    TempFolder t;
    EXPECT_EQ(GetLongPathLegacy(t.path("MOVIE~1.AVI")), "");
    EXPECT_EQ(GetLongPathLegacy(t.path("NOPE~1/x")), "");
}
