// Piece names: three digits, then the letter scheme above 999 pieces.
#include "pieces/part_names.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tsl;

TEST(PartExt, DigitAndLetterNamesOfAPieceNumber)
{
    const std::tuple<int, const char*, const char*> table[] = {
        {1, "001", "00a"},     {2, "002", "00b"},       {26, "026", "00z"},  {27, "027", "0a0"},
        {28, "028", "0aa"},    {53, "053", "0az"},      {54, "054", "0b0"},  {702, "702", "0z0"},
        {703, "703", "0za"},   {728, "728", "0zz"},     {729, "729", "a00"}, {1000, "1000", "aja"},
        {1001, "1001", "ajb"}, {19682, "19682", "zzz"},
    };
    for (const auto& [i, digits, letters] : table) {
        EXPECT_EQ(PartExt(i, false), digits) << i;
        EXPECT_EQ(PartExt(i, true), letters) << i;
    }
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

TEST(PieceSizeForCount, LengthOverCountRoundedUpThenToBlocksFromOneMebibyte)
{
    const struct {
        qint64 length;
        int count;
        qint64 size;
        qint64 pieces;
    } table[] = {
        {1000, 2, 500, 2},
        {1001, 2, 501, 2},  // the last piece one byte smaller
        {7, 7, 1, 7},
        {1, 2, 1, 1},  // too small for two pieces: fewer, never more
        {0, 3, 0, 0},
        {3 * 1048575, 3, 1048575, 3},          // below 1 MiB: not rounded to blocks
        {3 * 1048576, 3, 1048576, 3},          // already whole blocks
        {3 * 1048576 + 1, 3, 1052672, 3},      // 1048577 rounded up to 257 blocks
        {19682 * 100, 19682, 100, 19682},      // a multiple of the count
        {19682 * 100 + 1, 19682, 101, 19488},  // one byte more: 101-byte pieces
        {19681 * 100, 19682, 100, 19681},
        // The rounding to blocks makes a big file need fewer pieces.
        {19682LL * 1048576 + 1, 19682, 1052672, 19606},
    };
    for (const auto& row : table) {
        EXPECT_EQ(pieceSizeForCount(row.length, row.count), row.size) << row.length;
        EXPECT_EQ(PieceCount(row.length, row.size), row.pieces) << row.length;
    }
}
