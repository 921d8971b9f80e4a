// Piece names: three digits, then the letter scheme above 999 pieces.
#include "pieces/part_names.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace tsl;

TEST(PartExt, DigitSchemePadsToThreeAndGrowsBeyond)
{
    EXPECT_EQ(PartExt(1, false), "001");
    EXPECT_EQ(PartExt(42, false), "042");
    EXPECT_EQ(PartExt(1000, false), "1000");
    EXPECT_EQ(PartExt(19682, false), "19682");
}

TEST(PartExt, LetterSchemeIsBase27WithZeroDigits)
{
    const std::pair<int, const char*> table[] = {
        {1, "00a"},   {2, "00b"},    {26, "00z"},   {27, "0a0"},   {28, "0aa"},
        {53, "0az"},  {54, "0b0"},   {702, "0z0"},  {703, "0za"},  {728, "0zz"},
        {729, "a00"}, {1000, "aja"}, {1001, "ajb"}, {19682, "zzz"}};
    for (const auto& [i, ext] : table)
        EXPECT_EQ(PartExt(i, true), ext) << i;
}

TEST(PartExt, EveryLetterNameIsThreeCharactersAndReadsBackAsItsNumber)
{
    for (int i = 1; i <= MaxPieceNumber; ++i) {
        const QString ext = PartExt(i, true);
        ASSERT_EQ(ext.size(), 3) << i;
        ASSERT_EQ(LetterPieceNumber(ext), i) << i;
    }
    EXPECT_EQ(LetterPieceNumber("bat"), 1505);  // the batch file's own ending
    for (const char* none : {"000", "001", "ab"})
        EXPECT_EQ(LetterPieceNumber(none), 0) << none;
}

TEST(PieceCount, FractionalPartSizeCountsWholeBytes)
{
    // 1126.4 bytes per piece are 1126 whole bytes: 3379 bytes need four pieces.
    EXPECT_EQ(wholePartSize(1126.4), 1126);
    EXPECT_EQ(PieceCount(3379, wholePartSize(1126.4)), 4);
    EXPECT_EQ(wholePartSize(1126.6), 1127);
}
