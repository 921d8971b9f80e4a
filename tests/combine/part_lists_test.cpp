// The lists and messages of the parts reports, the decision rules and the
// extension repair: pure functions, checked against the texts users see.
#include "combine/combine_decision.h"
#include "combine/ext_repair.h"
#include "combine/part_lists.h"
#include "support/temp_files.h"

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

TEST(PartLists, MissingRunsOfThreeOrMoreShowAsFirstDashLast)
{
    const PartTable t = tableWithout(14, {2, 3, 4, 5, 9, 12, 13, 14});
    EXPECT_EQ(missingPartsList(t, 13, false), QStringLiteral("2 - 5, 9, 12, 13"));
    EXPECT_EQ(missingPartsList(tableWithout(10, {1, 2, 3, 10}), 9, false),
              QStringLiteral("1 - 3"));
    EXPECT_EQ(missingPartsList(tableWithout(10, {1, 2, 10}), 9, false), QStringLiteral("1, 2"));
    EXPECT_EQ(missingPartsList(tableWithout(10, {6, 7, 8, 9, 10}), 9, false),
              QStringLiteral("6 - 9"));
    EXPECT_EQ(missingPartsList(tableWithout(10, {10}), 9, false), QString());
}

TEST(PartLists, MissingWithLetterSchemeCarriesExtensions)
{
    PartTable t = tableWithout(1006, {1000, 1001, 1002, 1003, 1006});
    EXPECT_EQ(missingPartsList(t, 1005, true), QStringLiteral("1000 (aja) - 1003 (ajd)"));
    t = tableWith(1001, {1, 2, 3, 4, 5});
    EXPECT_EQ(missingPartsList(t, 1000, true), QStringLiteral("6 (00f) - 1000 (aja)"));
}

TEST(PartLists, ExtraListsThePresentPiecesPastTheExpectedCount)
{
    EXPECT_EQ(extraPartsList(tableWith(11, {1, 2, 3, 4, 5, 6}), 4, 10), QStringLiteral("5, 6"));
    EXPECT_EQ(extraPartsList(tableWith(11, {1, 5, 6, 7, 8, 10}), 4, 10),
              QStringLiteral("5 - 8, 10"));
    EXPECT_EQ(extraPartsList(tableWith(11, {7, 8, 9, 10}), 4, 10), QStringLiteral("7 - 10"));
}

TEST(PartLists, MessagesForOneAndForMore)
{
    EXPECT_EQ(missingPartsMessage(QStringLiteral("clip.mpg"), 1, QStringLiteral("4")),
              QStringLiteral("clip.mpg is missing the following part:\r\n\r\n4\r\n\r\n"
                             "Do you want to combine the existing parts?"));
    EXPECT_EQ(missingPartsMessage(QStringLiteral("clip.mpg"), 2, QStringLiteral("2, 5")),
              QStringLiteral("clip.mpg is missing the following parts:\r\n\r\n2, 5\r\n\r\n"
                             "Do you want to combine the existing parts?"));
    EXPECT_EQ(extraPartsMessage(QStringLiteral("clip.mpg"), 1, QStringLiteral("5")),
              QStringLiteral("The following extra part to clip.mpg was found:\r\n\r\n5\r\n\r\n"
                             "Do you want to combine this one also?"));
    EXPECT_EQ(extraPartsMessage(QStringLiteral("clip.mpg"), 2, QStringLiteral("5, 6")),
              QStringLiteral("The following extra parts to clip.mpg were found:\r\n\r\n5, 6\r\n\r\n"
                             "Do you want to combine these also?"));
}

TEST(PartTableRules, LastPresentPartWithAndWithoutStoppingAtTheGap)
{
    const PartTable t = tableWith(8, {1, 2, 3, 5, 6});
    EXPECT_EQ(LastPresentPart(t, false), 6);
    EXPECT_EQ(LastPresentPart(t, true), 3);
    EXPECT_EQ(LastPresentPart(tableWith(8, {2, 3}), true), 0);
    EXPECT_EQ(LastPresentPart(tableWith(8, {}), false), 0);
    EXPECT_EQ(lastPresentUpTo(t, 4), 3);
}

TEST(Decision, FlagsOfTheAnswers)
{
    EXPECT_EQ(decisionFlag(ReportMode::Missing, ReportAnswer::Combine), CombineExisting);
    EXPECT_EQ(decisionFlag(ReportMode::Missing, ReportAnswer::Exclude), CombineToFirstGap);
    EXPECT_EQ(decisionFlag(ReportMode::Extra, ReportAnswer::Combine), IncludeExtra);
    EXPECT_EQ(decisionFlag(ReportMode::Extra, ReportAnswer::Exclude), ExcludeExtra);
    EXPECT_EQ(decisionFlag(ReportMode::Corrupt, ReportAnswer::Combine), IncludeWrongSize);
    EXPECT_EQ(decisionFlag(ReportMode::Corrupt, ReportAnswer::Exclude), ExcludeWrongSize);
    EXPECT_EQ(decisionFlag(ReportMode::Corrupt, ReportAnswer::Skip), 0);
}

TEST(Decision, HowFarASetIsCombined)
{
    // Expected 6 with 4 missing, extras 7 and 8.
    const PartTable t = tableWith(11, {1, 2, 3, 5, 6, 7, 8});
    SetDecision d = decideSet(t, 1, 6, 1, 2, 1);
    EXPECT_FALSE(d.combine);  // "ask" alone, nothing answered
    d = decideSet(t, 1 | CombineExisting, 6, 1, 2, 1);
    EXPECT_TRUE(d.combine);
    EXPECT_EQ(d.count, 8);
    EXPECT_TRUE(d.flags & IncludeExtra);
    d = decideSet(t, 1 | CombineExisting | ExcludeExtra, 6, 1, 2, 0);
    EXPECT_EQ(d.count, 6);
    d = decideSet(t, 1 | CombineToFirstGap, 6, 1, 2, 1);
    EXPECT_EQ(d.count, 3);
    EXPECT_FALSE(d.flags & IncludeExtra);
    d = decideSet(tableWith(5, {1, 2, 3, 4}), 0, 4, 0, 0, 1);  // MissingParts 0, nothing missing
    EXPECT_TRUE(d.combine);
    EXPECT_EQ(d.count, 4);
}

TEST(ExtensionRepair, TheTable)
{
    const std::pair<const char*, const char*> cases[] = {
        {"clip_mpg", "clip.mpg"}, {"clip_MPEG", "clip.mpg"}, {"clipmpg", "clip.mpg"},
        {"clip.mpg", "clip.mpg"}, {"platform", "platfo.rm"}, {"clipmpeg", "clip.mpg"},
        {"clipMPE", "clip.mpg"},  {"movieavi", "movie.avi"}, {"movie_AVI", "movie.avi"},
        {"moviemov", "movie.mov"}, {"movie_mov", "movie.mov"}, {"clip_mpe", "clip.mpg"},
        {"song_rm", "song.rm"},   {"movie.avi", "movie.avi"}, {"report.doc", "report.doc"},
        // A sound two-letter extension stays as it is.
        {"film.rm", "film.rm"},   {"clip.rm", "clip.rm"},
        // Names under six characters only get the "_" rules.
        {"a_mpg", "a.mpg"},       {"xmpg", "xmpg"},         {"abmpg", "abmpg"},
        {"ab_rm", "ab.rm"},       {"x.avi", "x.avi"},
    };
    for (const auto& [from, to] : cases)
        EXPECT_EQ(repairedExtension(QString::fromLatin1(from)), QString::fromLatin1(to)) << from;
}

TEST(ExtensionRepair, RenameNeverReplacesAFile)
{
    test::TempFolder folder;
    folder.write(QStringLiteral("clip_mpg"), "new");
    folder.write(QStringLiteral("clip.mpg"), "old");
    RunError e;
    EXPECT_EQ(renameNoReplace(folder.path(QStringLiteral("clip_mpg")),
                              folder.path(QStringLiteral("clip.mpg")), &e),
              RenameResult::TargetExists);
    EXPECT_EQ(folder.read(QStringLiteral("clip.mpg")), QByteArray("old"));
    EXPECT_EQ(folder.read(QStringLiteral("clip_mpg")), QByteArray("new"));
    EXPECT_EQ(renameNoReplace(folder.path(QStringLiteral("clip_mpg")),
                              folder.path(QStringLiteral("other.mpg")), &e),
              RenameResult::Renamed);
    EXPECT_EQ(folder.read(QStringLiteral("other.mpg")), QByteArray("new"));
}

}  // namespace
}  // namespace tsl
