// The window's texts and numbers that need no widget: status summaries in the
// locale's format, the extract range's clamping and check, progress bar values
// for files of any size.
#include "mainwindow/extract_range.h"
#include "mainwindow/progress_scale.h"
#include "mainwindow/status_text.h"

#include <gtest/gtest.h>

using namespace tsl;

TEST(StatusText, SummariesUseTheLocalesThousandsSeparatorAndSayOnePiece)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(combineSummary(12, 1457664, 17000000, c),
              "12 pieces -- 1,457,664 bytes each -- 17,000,000 bytes total");
    EXPECT_EQ(combineSummary(12, 1457664, 17000000, QLocale(QLocale::German, QLocale::Germany)),
              "12 pieces -- 1.457.664 bytes each -- 17.000.000 bytes total");
    EXPECT_EQ(combineSummary(3, -1, 5368709120ull, c), "3 pieces -- 5,368,709,120 bytes total");
    EXPECT_EQ(combineSummary(0, 0, 0, c), "0 pieces --  bytes each --  bytes total");
    EXPECT_EQ(combineSummary(1, 700, 700, c), "1 piece -- 700 bytes each -- 700 bytes total");
    EXPECT_EQ(splitSummary(1, 1126.4), "1 piece -- 1126.4 bytes each");
    EXPECT_EQ(splitOptionsSummary(2, 512000), "2 pieces, 512000 bytes each.");
    EXPECT_EQ(splitFileGoneText("movie.avi"), "movie.avi -- file not found");
    EXPECT_EQ(quotedList({"a.001", "b c.001"}), "\"a.001\" \"b c.001\"");
    EXPECT_EQ(appendFileSummary("movie.mpg", 1048576), "movie.mpg -- 1048576 bytes");
    Settings s;
    EXPECT_EQ(splitByText(s, c), "Each file is cut into pieces of 512,000 bytes.");
    s.SplitMode = 1;
    s.SplitPieces = 4;
    EXPECT_EQ(splitByText(s, c),
              "Each file is cut into 4 pieces of its own size: the last may be "
              "smaller, and a very small file gives fewer pieces (never more).");
}

TEST(ExtractRange, TypedNumbersAreClampedAndShownByTheBar)
{
    const struct {
        const char* typed;
        const char* shown;
        int bar;
    } cases[] = {
        {"12", "10", 0},   {"-3", "0", 10},   {"3", "3", 7}, {"abc", "abc", 10},
        {"2.6", "2.6", 7}, {" 4x", " 4x", 6}, {"", "", 10},  {"1e3", "10", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const RangeField field = clampRangeField(c.typed, 10);
        EXPECT_EQ(field.text, c.shown);
        EXPECT_EQ(field.barValue, c.bar);
    }
    EXPECT_EQ(rangeFieldText(6, 10), "4");
}

TEST(ExtractRange, OnlyWholePieceNumbersOrTwoZerosPass)
{
    const struct {
        const char* start;
        const char* end;
        bool ok;
        qint64 first, last;
    } cases[] = {
        {"0", "0", true, 0, 0},    {"", " ", true, 0, 0},     {"2", "5", true, 2, 5},
        {"5", "2", true, 5, 2},    {"1", "10", true, 1, 10},  {"0.4", "3", false, 0, 0},
        {"abc", "3", false, 0, 0}, {"0", "5", false, 0, 0},   {"1", "11", false, 0, 0},
        {"-1", "3", false, 0, 0},  {"2 3", "4", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end);
        const ExtractRange range = checkExtractRange(c.start, c.end, 10, "movie.avi");
        EXPECT_EQ(range.ok, c.ok);
        EXPECT_EQ(range.start, c.first);
        EXPECT_EQ(range.end, c.last);
        EXPECT_EQ(range.message.isEmpty(), c.ok);
    }
    EXPECT_EQ(checkExtractRange("x", "1", 10, "movie.avi").message,
              "The pieces to extract must be whole numbers from 1 to 10, the pieces of movie.avi. "
              "Leave both at 0 to split the whole file.");
}

TEST(ProgressScale, BarsShowTheSameShareForAnySize)
{
    const double fiveGiB = 5368709120.0;
    const struct {
        double value, maximum;
        int barValue, barMaximum;
    } cases[] = {
        {50, 100, 50, 100},
        {fiveGiB / 2, fiveGiB, 500000000, 1000000000},
        {fiveGiB, fiveGiB, 1000000000, 1000000000},
        {1e30, 4e30, 250000000, 1000000000},
        {150, 100, 100, 100},
        {-5, 100, 0, 100},
        {5, 0, 0, 1},
    };
    for (const auto& c : cases) {
        const BarValues v = barValues(c.value, c.maximum);
        EXPECT_EQ(v.value, c.barValue) << c.value << " of " << c.maximum;
        EXPECT_EQ(v.maximum, c.barMaximum) << c.value << " of " << c.maximum;
    }
}
