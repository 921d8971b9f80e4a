#include "pieces/part_names.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace tsl;

TEST(PartExt, DigitSchemePadsToThreeAndGrowsBeyond)
{
    EXPECT_EQ(PartExt(1, false), "001");
    EXPECT_EQ(PartExt(42, false), "042");
    EXPECT_EQ(PartExt(999, false), "999");
    EXPECT_EQ(PartExt(1000, false), "1000");
    EXPECT_EQ(PartExt(19682, false), "19682");
}

TEST(PartExt, LetterSchemeIsBase27WithZeroDigits)
{
    const std::pair<int, const char*> table[] = {
        {1, "00a"},   {2, "00b"},   {26, "00z"},  {27, "0a0"},  {28, "0aa"},    {53, "0az"},
        {54, "0b0"},  {702, "0z0"}, {703, "0za"}, {728, "0zz"}, {729, "a00"},  {1000, "aja"},
        {1001, "ajb"}, {19682, "zzz"}};
    for (const auto& [i, ext] : table)
        EXPECT_EQ(PartExt(i, true), QString::fromLatin1(ext)) << i;
}

TEST(PartExt, EveryLetterNameIsUniqueAndThreeCharacters)
{
    QSet<QString> seen;
    for (int i = 1; i <= MaxPieceNumber; ++i) {
        const QString ext = PartExt(i, true);
        ASSERT_EQ(ext.size(), 3) << i;
        ASSERT_NE(ext, "000");
        seen.insert(ext);
    }
    EXPECT_EQ(seen.size(), MaxPieceNumber);
}

TEST(PieceCount, EveryByteLandsInAPieceAndNoPieceIsEmpty)
{
    EXPECT_EQ(PieceCount(0, 512000), 0);
    EXPECT_EQ(PieceCount(1, 512000), 1);
    EXPECT_EQ(PieceCount(512000, 512000), 1);
    EXPECT_EQ(PieceCount(512001, 512000), 2);
    EXPECT_EQ(PieceCount(3 * 512000, 512000), 3);
    EXPECT_EQ(PieceCount(999LL * 100, 100), 999);
    EXPECT_EQ(PieceCount(999LL * 100 + 1, 100), 1000);
    EXPECT_EQ(PieceCount(5LL << 30, 100000000), 54);
}

TEST(PieceCount, FractionalPartSizeCountsWholeBytes)
{
    // 1126.4 bytes per piece are 1126 whole bytes: 3379 bytes need four pieces.
    const qint64 w = wholePartSize(1126.4);
    EXPECT_EQ(w, 1126);
    EXPECT_EQ(PieceCount(3379, w), 4);
    EXPECT_EQ(wholePartSize(1126.6), 1127);
}

TEST(LetterScheme, TakesOverAbove999)
{
    EXPECT_FALSE(usesLetterScheme(999));
    EXPECT_TRUE(usesLetterScheme(1000));
}

TEST(StripExt, DropsTheLastExtensionOnly)
{
    EXPECT_EQ(StripExt("a.b.c"), "a.b");
    EXPECT_EQ(StripExt(".abc"), "");
    EXPECT_EQ(StripExt("abc"), "abc");
    EXPECT_EQ(StripExt("clip.mpg.000"), "clip.mpg");
}

TEST(LetterPieceNumber, InvertsTheLetterScheme)
{
    for (int i = 1; i <= MaxPieceNumber; i += 37)
        EXPECT_EQ(LetterPieceNumber(PartExt(i, true)), i);
    EXPECT_EQ(LetterPieceNumber("zzz"), 19682);
    EXPECT_EQ(LetterPieceNumber("bat"), 1505);  // the batch file's own ending
    EXPECT_EQ(LetterPieceNumber("000"), 0);
    EXPECT_EQ(LetterPieceNumber("001"), 0);
    EXPECT_EQ(LetterPieceNumber("ab"), 0);
}
