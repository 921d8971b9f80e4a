// The lists and messages of the parts reports and the extension repair:
// pure functions, checked against the texts users see.
#include "combine/ext_repair.h"
#include "combine/part_lists.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace tsl {
namespace {

PartTable tableWith(qint64 upper, std::initializer_list<qint64> present)
{
    PartTable table;
    table.reset(upper);
    for (qint64 i : present)
        table[i].Present = true;
    return table;
}

PartTable tableWithout(qint64 upper, std::initializer_list<qint64> absent)
{
    PartTable table;
    table.reset(upper);
    for (qint64 i = 1; i <= upper; ++i)
        table[i].Present = true;
    for (qint64 i : absent)
        table[i].Present = false;
    return table;
}

TEST(PartLists, RunsOfThreeOrMoreShowAsFirstDashLast)
{
    EXPECT_EQ(missingPartsList(tableWithout(14, {2, 3, 4, 5, 9, 12, 13, 14}), 13, false),
              "2 - 5, 9, 12, 13");
    EXPECT_EQ(missingPartsList(tableWithout(10, {1, 2, 3, 10}), 9, false), "1 - 3");
    EXPECT_EQ(missingPartsList(tableWithout(10, {1, 2, 10}), 9, false), "1, 2");
    EXPECT_EQ(missingPartsList(tableWithout(10, {6, 7, 8, 9, 10}), 9, false), "6 - 9");
    EXPECT_EQ(missingPartsList(tableWithout(10, {10}), 9, false), QString());
    // With the letter scheme each number carries its extension.
    EXPECT_EQ(missingPartsList(tableWithout(1006, {1000, 1001, 1002, 1003, 1006}), 1005, true),
              "1000 (aja) - 1003 (ajd)");
    EXPECT_EQ(missingPartsList(tableWith(1001, {1, 2, 3, 4, 5}), 1000, true),
              "6 (00f) - 1000 (aja)");
    // Extra pieces are the present ones past the expected count.
    EXPECT_EQ(extraPartsList(tableWith(11, {1, 2, 3, 4, 5, 6}), 4, 10), "5, 6");
    EXPECT_EQ(extraPartsList(tableWith(11, {1, 5, 6, 7, 8, 10}), 4, 10), "5 - 8, 10");
    EXPECT_EQ(extraPartsList(tableWith(11, {7, 8, 9, 10}), 4, 10), "7 - 10");
}

TEST(PartLists, TheExtraMessageForOnePiece)
{
    // The plural forms and the missing messages show in the Combine tests.
    EXPECT_EQ(extraPartsMessage("clip.mpg", 1, "5"),
              "The following extra part to clip.mpg was found:\r\n\r\n5\r\n\r\n"
              "Do you want to combine this one also?");
}

TEST(ExtensionRepair, TheTable)
{
    const std::pair<const char*, const char*> cases[] = {
        {"clip_mpg", "clip.mpg"},
        {"clipMPE", "clip.mpg"},
        {"song_rm", "song.rm"},
        {"clip_MPEG", "clip.mpg"},
        {"clipmpg", "clip.mpg"},
        {"clip.mpg", "clip.mpg"},
        {"platform", "platfo.rm"},
        {"clipmpeg", "clip.mpg"},
        {"movie.avi", "movie.avi"},
        {"report.doc", "report.doc"},
        // A sound two-letter extension stays as it is.
        {"film.rm", "film.rm"},
        {"clip.rm", "clip.rm"},
        // Names under six characters only get the "_" rules.
        {"a_mpg", "a.mpg"},
        {"xmpg", "xmpg"},
        {"abmpg", "abmpg"},
        {"ab_rm", "ab.rm"},
        {"x.avi", "x.avi"},
    };
    for (const auto& [from, to] : cases)
        EXPECT_EQ(repairedExtension(from), to) << from;
}

}  // namespace
}  // namespace tsl
