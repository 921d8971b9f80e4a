// How stored texts become numbers and truth values and back, and the common
// part sizes by name.
#include "settings/load_reg.h"
#include "settings/named_sizes.h"
#include "settings/value_conversion.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace tsl;

TEST(ValueConversion, NumbersAreReadFromTheStartWithAPointWhateverTheLocale)
{
    const std::pair<const char*, double> numbers[] = {
        {"12abc", 12},
        {"  \t-3.25 kB", -3.25},
        {".5", 0.5},
        {"1e3", 1000},
        {"2e", 2},
        {"abc", 0},
        {"", 0},
        {"1,5", 1},
        {"1126.4", 1126.4},
    };
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(leadingNumber(text).value, value) << text;
    EXPECT_EQ(toSingle("6,9"), 6.0f);
    EXPECT_EQ(numberText(1126.4), "1126.4");
    if (german)
        std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(leadingNumber("1e999").overflow);
    EXPECT_FALSE(leadingNumber("1e-999").overflow);
}

TEST(ValueConversion, TruthValuesIntegersAndTheirLimits)
{
    const std::pair<const char*, std::optional<bool>> truths[] = {
        {"-1", true},       {"2.5", true},         {"0", false},         {"tRuE", true},
        {" FALSE ", false}, {"yes", std::nullopt}, {"1x", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, truth] : truths)
        EXPECT_EQ(toTruth(text), truth) << text;
    EXPECT_FALSE(leadingTruth("True"));  // read as a leading number, True is none
    EXPECT_TRUE(leadingTruth(" 7 days"));
    // Halves round to the even neighbour; a value that does not fit fails.
    const std::pair<const char*, std::optional<qint16>> shorts[] = {
        {"1.5", 2},
        {"2.5", 2},
        {"-2.5", -2},
        {"-1.5", -2},
        {"2.5001", 3},
        {"32767", 32767},
        {"-32768", -32768},
        {"abc", 0},
        {"32767.5", std::nullopt},
        {"40000", std::nullopt},
    };
    for (const auto& [text, value] : shorts)
        EXPECT_EQ(toInt16(text), value) << text;
    EXPECT_EQ(toInt32("2147483647"), 2147483647);
    EXPECT_EQ(toInt32("2147483648"), std::nullopt);
    EXPECT_EQ(toInt32("12 bytes"), 12);
    EXPECT_EQ(toDouble("99.5"), 99.5);
    EXPECT_EQ(toDouble("1e999"), std::nullopt);
    EXPECT_EQ(toSingle("1e39"), std::nullopt);
    EXPECT_EQ(truthText(true) + truthText(false), "-10");
    EXPECT_EQ(numberText(1000000000), "1000000000");
    EXPECT_EQ(numberText(0.48828125), "0.48828125");
    EXPECT_EQ(singleText(6.9f), "6.9");
    EXPECT_EQ(dialogNumberText(100.0 / 1048576), ".000095367431640625");
}

TEST(NamedSizes, EveryNameGivesItsBytesAndIsAPartSizeTheSettingsKeep)
{
    const std::pair<const char*, qint64> table[] = {
        {"floppy", 1457664},    {"email", 25000000},   {"cd650", 681574400},
        {"cd700", 734003200},   {"fat32", 4294967295}, {"dvd", 4697620480},
        {"dvd-dl", 8522825728}, {"bd", 25025314816},   {" FAT32 ", 4294967295},
        {"Dvd-DL", 8522825728},
    };
    const SettingRange& range = *settingRange("SplitSize");
    for (const auto& [name, bytes] : table) {
        EXPECT_EQ(namedSize(name), bytes) << name;
        EXPECT_TRUE(bytes >= range.low && bytes <= range.high) << name;
    }
    for (const char* none : {"", "cd", "dvd dl", "dvd-", "700", "floppy2"})
        EXPECT_EQ(namedSize(none), std::nullopt) << none;
    EXPECT_EQ(namedSizeList(), "floppy, email, cd650, cd700, fat32, dvd, dvd-dl, bd");
}
