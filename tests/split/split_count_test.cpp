// Split into a number of pieces: every file of a selection gets its own part
// size, the info file records it, and the set combines back byte for byte
// through the real Combine engine; a file too small for that many pieces is
// refused with the size it would need.
#include "combine/combine_engine.h"
#include "pieces/info_file.h"
#include "pieces/part_names.h"
#include "split/split_engine.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct CountCase {
    qint64 length;
    qint64 size;    // the part size it gets
    qint64 pieces;  // the pieces written
};

QString nameOf(qint64 length)
{
    return QStringLiteral("f%1.bin").arg(length);
}

// Splits every file of the table in one selection, then combines each set
// into out/ and compares it with the file.
void roundTrip(int count, const std::vector<CountCase>& table)
{
    TempFolder t;
    Settings settings;
    settings.SplitMode = 1;
    settings.SplitPieces = count;
    settings.SplitBat = false;
    QStringList names;
    for (const CountCase& c : table) {
        t.writePattern(nameOf(c.length), c.length, int(c.length % 251));
        names << nameOf(c.length);
    }
    ScriptedHost splitHost;
    const SplitOutcome split = runSplit({names, t.dir(), t.dir(), 0, 0}, settings, splitHost);
    ASSERT_EQ(split.split, int(table.size()));
    EXPECT_TRUE(splitHost.messages.isEmpty()) << splitHost.messages.join('|').toStdString();

    const QString out = t.mkdir("out") + QLatin1Char('/');
    for (const CountCase& c : table) {
        const QString name = nameOf(c.length);
        SCOPED_TRACE(name.toStdString());
        const bool letters = usesLetterScheme(c.pieces);
        const std::optional<InfoRecord> info = readInfoQuietly(t.path(name + ".000"));
        ASSERT_TRUE(info);
        EXPECT_EQ(info->InfoPieceSize, quint64(c.size));
        EXPECT_EQ(info->InfoPieceCount, quint64(c.pieces));
        EXPECT_EQ(t.size(name + "." + PartExt(1, letters)), c.size);
        EXPECT_EQ(t.size(name + "." + PartExt(c.pieces, letters)),
                  c.length - (c.pieces - 1) * c.size);
        EXPECT_FALSE(t.exists(name + "." + PartExt(c.pieces + 1, letters)));

        ScriptedHost combineHost;
        const CombineOutcome joined = runCombine({{name + ".000"}, t.dir(), out}, {}, combineHost);
        EXPECT_TRUE(joined.allCombined());
        EXPECT_TRUE(t.read("out/" + name) == patternBytes(c.length, int(c.length % 251)));
    }
}

}  // namespace

// The sizes themselves are pieceSizeForCount's (part_names_test.cpp): here
// each file of one selection gets its own, in digit names and in letter names
// with fewer pieces than asked for.
TEST(SplitCount, EachFileOfASelectionGetsItsOwnPartSizeAndCombinesBack)
{
    roundTrip(3, {{300, 100, 3}, {301, 101, 3}, {3 * 1048576 + 1, 1052672, 3}});
}

TEST(SplitCount, MostPiecesGiveLetterNamesAndFewerPiecesForAnOddLength)
{
    roundTrip(19682, {{19682 * 100 + 1, 101, 19488}});
}

TEST(SplitCount, ASizeBelowTheSmallestPartSizeIsRefusedAndNamed)
{
    const struct {
        int count;
        qint64 length;
        qint64 size;
    } table[] = {{2, 199, 100},           {2, 198, 99}, {3, 250, 84}, {7, 650, 93}, {7, 6, 1},
                 {19682, 19682 * 99, 99}, {3, 0, 0}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.length);
        TempFolder t;
        t.writePattern("small", row.length);
        Settings settings;
        settings.SplitMode = 1;
        settings.SplitPieces = row.count;
        ScriptedHost host;
        const SplitOutcome o = runSplit({{"small"}, t.dir(), t.dir(), 0, 0}, settings, host);
        if (row.size >= 100) {
            EXPECT_EQ(o.split, 1);
            continue;
        }
        EXPECT_EQ(o.skipped, 1);
        EXPECT_EQ(t.names(), QStringList{"small"});
        EXPECT_EQ(host.messages,
                  QStringList{QStringLiteral("small will not be split into %1 "
                                             "pieces because each would hold %2 "
                                             "bytes, less than the smallest part "
                                             "size (100 bytes).")
                                  .arg(row.count)
                                  .arg(row.size)});
    }
}
