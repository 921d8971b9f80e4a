#include "split/batch_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

const QStringList Head{"@Echo Off", "Echo.", "", "Echo.", "Echo This may take a while..."};

QStringList tail(const QString& name)
{
    return {"Echo.", "Echo File creation is complete - " + name, "Echo.", "Echo.", "Echo.", "Echo.",
            "Echo."};
}

QStringList progressLines(const QStringList& lines)
{
    return lines.filter("Echo Copying parts");
}

}  // namespace

TEST(BatchFile, TwentyThreePiecesWithLongNames)
{
    const QStringList lines = batchFileLines({"movie.avi", "movie.avi", 23, false});
    EXPECT_EQ(lines.mid(0, 2), Head.mid(0, 2));
    EXPECT_EQ(lines[2], "Echo Creating movie.avi from the 23 original pieces.");
    EXPECT_EQ(lines[5], "Copy /b \"movie.avi.001\" \"movie.avi\" /y > nul");
    EXPECT_EQ(lines[6], "Copy /b \"movie.avi\" + \"movie.avi.002\" /y > nul");
    // The progress lines come right after the Copy lines of pieces 9 and 19.
    const qsizetype at10 = lines.indexOf("Echo Copying parts 10 - 19...");
    ASSERT_GT(at10, 0);
    EXPECT_EQ(lines[at10 - 1], "Copy /b \"movie.avi\" + \"movie.avi.009\" /y > nul");
    const qsizetype at20 = lines.indexOf("Echo Copying parts 20 - 23...");
    EXPECT_EQ(lines[at20 - 1], "Copy /b \"movie.avi\" + \"movie.avi.019\" /y > nul");
    EXPECT_EQ(progressLines(lines).size(), 2);
    EXPECT_EQ(lines.size(), 5 + 1 + 22 + 2 + 7);
    EXPECT_EQ(lines.mid(lines.size() - 7), tail("movie.avi"));
}

TEST(BatchFile, TenPiecesGetOneProgressLineNineGetNone)
{
    const QStringList ten = batchFileLines({"a.b", "a.b", 10, false});
    EXPECT_EQ(progressLines(ten), QStringList{"Echo Copying parts 10 - 10..."});
    EXPECT_EQ(ten[ten.indexOf("Echo Copying parts 10 - 10...") - 1],
              "Copy /b \"a.b\" + \"a.b.009\" /y > nul");
    EXPECT_TRUE(progressLines(batchFileLines({"a.b", "a.b", 9, false})).isEmpty());
}

TEST(BatchFile, LetterSchemeAndZeroPieces)
{
    const QStringList many = batchFileLines({"big.iso", "big.iso", 1000, false});
    EXPECT_EQ(many[5], "Copy /b \"big.iso.00a\" \"big.iso\" /y > nul");
    EXPECT_EQ(many[many.size() - 8], "Copy /b \"big.iso\" + \"big.iso.aja\" /y > nul");

    const QStringList none = batchFileLines({"empty", "empty", 0, false});
    EXPECT_EQ(none[2], "Echo Creating empty from the 0 original pieces.");
    EXPECT_EQ(none.size(), 6 + 7);
}

TEST(BatchFile, ShortNamesHaveNoQuotesAndTheTargetKeepsTheLongEnding)
{
    const QStringList lines = batchFileLines({"readme.txt", "README.TXT", 3, true});
    EXPECT_EQ(lines[5], "Copy /b README.TXT.001 README.TXT.txt /y > nul");
    EXPECT_EQ(lines[6], "Copy /b README.TXT.txt + README.TXT.002 /y > nul");
    for (const QString& line : lines)
        EXPECT_FALSE(line.contains('"')) << line.toStdString();
}

TEST(BatchFile, SpecialCharactersCannotRunAnything)
{
    const QStringList lines = batchFileLines({"a&b (50%)|x.avi", "a&b (50%)|x.avi", 2, false});
    EXPECT_EQ(lines[2], "Echo Creating a^&b ^(50%%^)^|x.avi from the 2 original pieces.");
    EXPECT_EQ(lines[5], "Copy /b \"a&b (50%%)|x.avi.001\" \"a&b (50%%)|x.avi\" /y > nul");
    EXPECT_EQ(lines[lines.size() - 6], "Echo File creation is complete - a^&b ^(50%%^)^|x.avi");
    const QStringList shortForm = batchFileLines({"q%<1>.a&c", "Q_1_~1.A_C", 2, true});
    EXPECT_EQ(shortForm[5], "Copy /b Q_1_~1.A_C.001 Q_1_~1.A_C.a^&c /y > nul");
}

TEST(BatchFile, WrittenWithCrLfLineEnds)
{
    TempFolder t;
    ASSERT_FALSE(writeBatchFile(t.path("x.bat"), {"x", "x", 2, false}).failed());
    const QByteArray bytes = t.read("x.bat");
    EXPECT_TRUE(
        bytes.startsWith("@Echo Off\r\nEcho.\r\nEcho Creating x from the 2 original pieces.\r\n"));
    EXPECT_TRUE(bytes.endsWith("Echo.\r\nEcho.\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));
}
