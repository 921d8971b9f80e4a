#include "settings/profile_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::TempFolder;

namespace {

const QByteArray Foreign = "; written by hand\r\n"
                           "[combine]\r\n"
                           "  combineauto = -1  \r\n"
                           "Other=keep me\r\n"
                           "\r\n"
                           "; between sections\r\n"
                           "[Elsewhere]\r\n"
                           "CombineAuto=0\r\n"
                           "[Split]\r\n"
                           "SplitSize=\"1000\"\r\n";

}  // namespace

TEST(ProfileFile, ReadsWithoutRegardToCaseAndBlanks)
{
    TempFolder t;
    const QString ini = t.write("tsl.ini", Foreign);
    EXPECT_EQ(readProfileValue(ini, "Combine", "CombineAuto"), "-1");
    EXPECT_EQ(readProfileValue(ini, "COMBINE", "other"), "keep me");
    EXPECT_EQ(readProfileValue(ini, "Elsewhere", "CombineAuto"), "0");
    EXPECT_EQ(readProfileValue(ini, "Split", "SplitSize"), "1000");  // quotes go
    EXPECT_EQ(readProfileValue(ini, "Split", "CombineAuto"), std::nullopt);
    EXPECT_EQ(readProfileValue(ini, "Misc", "ChunkSize"), std::nullopt);
    EXPECT_EQ(readProfileValue(t.path("none.ini"), "Split", "SplitSize"), std::nullopt);
}

TEST(ProfileFile, WriteReplacesInPlaceAddsToTheSectionAndNewSectionsAtTheEnd)
{
    TempFolder t;
    const QString ini = t.write("tsl.ini", Foreign);
    ASSERT_TRUE(writeProfileValue(ini, "Combine", "CombineAuto", "0"));
    ASSERT_TRUE(writeProfileValue(ini, "COMBINE", "SameDir", "-1"));
    ASSERT_TRUE(writeProfileValue(ini, "Misc", "ChunkSize", "500000"));
    QByteArray expected = Foreign;
    expected.replace("  combineauto = -1  \r\n", "combineauto=0\r\n");
    expected.replace("Other=keep me\r\n", "Other=keep me\r\nSameDir=-1\r\n");
    expected += "\r\n[Misc]\r\nChunkSize=500000\r\n";
    EXPECT_EQ(QString::fromUtf8(t.read("tsl.ini")), QString::fromUtf8(expected));
    EXPECT_EQ(readProfileValue(ini, "misc", "chunksize"), "500000");
}

// The first write creates the file, a last line gets its line end, and a
// value is cut to 1999 characters on reading (the whole stays in the file).
TEST(ProfileFile, FirstWriteCreatesTheFileALastLineGetsItsEndAndLongValuesAreCut)
{
    TempFolder t;
    const QString ini = t.path("tsl.ini");
    ASSERT_TRUE(writeProfileValue(ini, "Split", "SplitSize", "1126.4"));
    ASSERT_TRUE(writeProfileValue(ini, "Directories", "InitSplitDir", ""));
    EXPECT_EQ(t.read("tsl.ini"), "[Split]\nSplitSize=1126.4\n\n[Directories]\nInitSplitDir=\n");
    EXPECT_EQ(readProfileValue(ini, "Directories", "InitSplitDir"), QString());
    t.write("tsl.ini", "[Misc]\nWipeOnDel=0");
    ASSERT_TRUE(writeProfileValue(ini, "Misc", "ChunkSize", "20000"));
    EXPECT_EQ(t.read("tsl.ini"), "[Misc]\nWipeOnDel=0\nChunkSize=20000\n");
    const QString longValue = QString(1998, QLatin1Char('a')) + "bc";
    ASSERT_TRUE(writeProfileValue(ini, "Directories", "InitSplitDir", longValue));
    EXPECT_EQ(readProfileValue(ini, "Directories", "InitSplitDir"), longValue.left(1999));
    EXPECT_TRUE(t.read("tsl.ini").contains(longValue.toUtf8()));
}

TEST(ProfileFile, AFailedWriteLeavesTheFileAsItWas)
{
    TempFolder t;
    const QString ini = t.write("tsl.ini", Foreign);
    EXPECT_FALSE(writeProfileValue(ini, "Combine", "CombineAuto", "0\r\n[Misc]"));
    EXPECT_FALSE(writeProfileValue(t.path("missing/tsl.ini"), "Combine", "CombineAuto", "0"));
    EXPECT_EQ(QString::fromUtf8(t.read("tsl.ini")), QString::fromUtf8(Foreign));
    EXPECT_FALSE(t.exists("missing"));
    // Only the file itself is left in the folder: no temporary file beside it.
    EXPECT_EQ(t.names(), QStringList{"tsl.ini"});
}

TEST(ProfileFile, ANewKeyGoesAfterTheLastKeyOfTheFirstMatchingSection)
{
    TempFolder t;
    const QString ini = t.write("tsl.ini", "[Misc]\n\n; chunk notes\n[misc]\nWipeOnDel=0\n");
    ASSERT_TRUE(writeProfileValue(ini, "Misc", "ChunkSize", "20000"));
    ASSERT_TRUE(writeProfileValue(ini, "Misc", "WipeOnDel", "-1"));
    EXPECT_EQ(QString::fromUtf8(t.read("tsl.ini")),
              "[Misc]\nChunkSize=20000\n\n; chunk notes\n[misc]\nWipeOnDel=-1\n");
}
