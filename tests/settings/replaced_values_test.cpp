// The notice about stored values the range rules replaced: one line for each
// value that was itself out of range, each value reported once.
#include "settings/replaced_values.h"
#include "store_fixture.h"

#include <gtest/gtest.h>

namespace tsl::test {
namespace {

TEST(ReplacedValues, EachValueOutsideItsRangeHasOneLine)
{
    StoreFixture f;
    f.user("SplitSize=50\nSplitUnits=1\nChunkSize=12\nHighPart=500\nMissingParts=7\n"
           "ListFontSize=30\n");
    Settings s;
    const LoadOutcome loaded = f.load(s);
    QSet<QString> reported;
    const QStringList lines = replacedValueLines(loaded, reported);
    // The unit went back to bytes with the part size: not a value of its own to report.
    EXPECT_EQ(lines,
              (QStringList{
                  "When parts are missing (MissingParts): 7 is outside 0 to 2; 1 is used "
                  "instead.",
                  "Part size (SplitSize): 50 is outside 100 to 1099511627776; 512000 is used "
                  "instead.",
                  "Chunk size (ChunkSize): 12 is outside 10000 to 10000000; 1000000 is "
                  "used instead.",
                  "List font size (ListFontSize): 30 is outside 7 to 16; 10 is used "
                  "instead.",
              }));
    EXPECT_EQ(s.SplitSize, 512000);
    EXPECT_EQ(replacedValuesText(lines.mid(2, 1)),
              "Some stored settings are outside the range TSL accepts:\r\n\r\n" + lines[2]
                  + "\r\n\r\nChoose Options... and OK to store the values in use.");

    // Loaded again: nothing new to say; a value changed since is said again.
    EXPECT_TRUE(replacedValueLines(f.load(s), reported).isEmpty());
    f.user("ChunkSize=13\n");
    EXPECT_EQ(replacedValueLines(f.load(s), reported),
              QStringList{"Chunk size (ChunkSize): 13 is outside 10000 to 10000000; 1000000 is "
                          "used instead."});
    f.user("ChunkSize=20000\n");
    EXPECT_TRUE(replacedValueLines(f.load(s), reported).isEmpty());
}

}  // namespace
}  // namespace tsl::test
