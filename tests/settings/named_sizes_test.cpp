// The common size limits by name: what each name stands for, and that every
// one is a part size the settings keep.
#include "settings/load_reg.h"
#include "settings/named_sizes.h"

#include <gtest/gtest.h>

using namespace tsl;

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
    EXPECT_EQ(namedSizes().size(), 8u);
    for (const char* none : {"", "cd", "dvd dl", "dvd-", "700", "floppy2"})
        EXPECT_EQ(namedSize(none), std::nullopt) << none;
    EXPECT_EQ(namedSizeList(), "floppy, email, cd650, cd700, fat32, dvd, dvd-dl, bd");
}
