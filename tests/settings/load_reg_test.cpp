#include "settings/setting_keys.h"
#include "store_fixture.h"

#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::StoreFixture;

namespace {

QString loadedText(const Settings& s, const char* key)
{
    return valueText(s, *findLoadedKey(QLatin1String(key)));
}

}  // namespace

TEST(LoadReg, NoStoreGivesEveryDefaultAndWritesNothing)
{
    StoreFixture f;
    Settings s;
    s.ChunkSize = 12345;  // a value from an earlier load is overwritten by the default
    const LoadOutcome out = f.load(s);
    EXPECT_FALSE(out.terminated);
    EXPECT_FALSE(f.store.UseIni);
    const Settings defaults;
    for (const KeyDef& d : loadedKeys()) {
        EXPECT_EQ(valueText(s, d), valueText(defaults, d)) << d.key.toStdString();
        EXPECT_EQ(out.keys.value(d.key).source, ValueSource::Default) << d.key.toStdString();
    }
    EXPECT_EQ(f.t.names(), QStringList{QStringLiteral("prog")});
    EXPECT_TRUE(f.host.conversation.isEmpty());
}

TEST(LoadReg, EmptyIniValueReadsAsTheDefault)
{
    StoreFixture f;
    f.ini("[Combine]\nCombineAuto=\nSameDir=\nFixExt=\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_TRUE(f.store.UseIni);
    EXPECT_FALSE(s.CombineAuto);
    EXPECT_TRUE(s.SameDir);
    EXPECT_TRUE(s.FixExt);
    EXPECT_EQ(out.keys.value("CombineAuto").source, ValueSource::Default);
}

TEST(LoadReg, TrueAndYes)
{
    StoreFixture f;
    f.ini("[Combine]\nShowTipsC=True\nSameDir=True\nCombineAssoc=yes\nSearchExtra=yes\n"
          "[Split]\nAssocSplit=TRUE\n[Misc]\nAssocSendTo=1 please\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_FALSE(s.ShowTipsC);      // read as leading number: no number, off
    EXPECT_TRUE(s.SameDir);         // a truth value
    EXPECT_FALSE(s.AssocSplit);
    EXPECT_TRUE(s.AssocSendTo);
    EXPECT_FALSE(s.CombineAssoc);   // "yes" does not convert: the preset, off
    EXPECT_TRUE(s.SearchExtra);     // the preset, on
    EXPECT_EQ(out.keys.value("CombineAssoc").source, ValueSource::Refused);
    EXPECT_EQ(out.keys.value("CombineAssoc").stored, QStringLiteral("yes"));
    EXPECT_EQ(out.keys.value("ShowTipsC").source, ValueSource::Store);
}

struct RangeCase {
    const char* section;
    const char* key;
    const char* stored;
    const char* loaded;
};

void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << c.section << "/" << c.key << "=" << c.stored << " loads as " << c.loaded;
}

class LoadRegRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(LoadRegRange, LoadsAs)
{
    const RangeCase c = GetParam();
    StoreFixture f;
    f.ini(QByteArray("[") + c.section + "]\n" + c.key + "=" + c.stored + "\n");
    const Settings s = f.loaded();
    EXPECT_EQ(loadedText(s, c.key), QLatin1String(c.loaded));
    // Replaced values stay in the store as written.
    EXPECT_TRUE(f.iniText().contains(QByteArray(c.key) + "=" + c.stored));
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, LoadRegRange,
    ::testing::Values(RangeCase{"Misc", "ChunkSize", "9999", "1000000"},
                      RangeCase{"Misc", "ChunkSize", "10000", "10000"},
                      RangeCase{"Misc", "ChunkSize", "10000000", "10000000"},
                      RangeCase{"Misc", "ChunkSize", "10000001", "1000000"},
                      RangeCase{"Combine", "HighPart", "19682", "19682"},
                      RangeCase{"Combine", "HighPart", "19683", "1000"},
                      RangeCase{"Combine", "HighPart", "0", "1000"},
                      RangeCase{"Combine", "HighPart", "1", "1"},
                      RangeCase{"Split", "SplitSize", "100", "100"},
                      RangeCase{"Split", "SplitSize", "1000000000", "1000000000"},
                      RangeCase{"Split", "SplitSize", "1000000000.5", "512000"},
                      RangeCase{"Split", "SplitSize", "1126.4", "1126.4"},
                      RangeCase{"Append", "ListFontSize", "6.9", "10"},
                      RangeCase{"Append", "ListFontSize", "7", "7"},
                      RangeCase{"Append", "ListFontSize", "16", "16"},
                      RangeCase{"Append", "ListFontSize", "16.1", "10"},
                      RangeCase{"Combine", "ExtraParts", "2", "1"},
                      RangeCase{"Combine", "ExtraParts", "0", "0"},
                      RangeCase{"Combine", "MissingParts", "-1", "1"},
                      RangeCase{"Combine", "MissingParts", "1.5", "2"},
                      RangeCase{"Combine", "MissingParts", "2.5", "2"},
                      RangeCase{"Combine", "MissingParts", "0.5", "0"},
                      RangeCase{"Split", "PartsExist", "3", "1"},
                      RangeCase{"Split", "SplitFileNames", "2", "0"},
                      RangeCase{"Split", "SplitUnits", "3", "0"},
                      RangeCase{"Split", "SplitUnits", "2", "2"}),
    [](const ::testing::TestParamInfo<RangeCase>& info) {
        std::string name = std::string(info.param.key) + "_" + info.param.stored;
        for (char& ch : name) {
            if (ch == '.')
                ch = 'p';
            else if (ch == '-')
                ch = 'm';
        }
        return name;
    });

TEST(LoadReg, SplitSizeOutOfRangeResetsSplitUnits)
{
    StoreFixture f;
    f.ini("[Split]\nSplitSize=99.5\nSplitUnits=2\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_EQ(s.SplitSize, 512000);
    EXPECT_EQ(s.SplitUnits, 0);
    EXPECT_EQ(out.keys.value("SplitUnits").source, ValueSource::Replaced);

    f.ini("[Split]\nSplitSize=100\nSplitUnits=2\n");
    f.load(s);
    EXPECT_EQ(s.SplitSize, 100);
    EXPECT_EQ(s.SplitUnits, 2);
}

TEST(LoadReg, ANumberThatDoesNotFitKeepsThePreviousValue)
{
    StoreFixture f;
    f.ini("[Combine]\nMissingParts=40000\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_EQ(s.MissingParts, 0);  // nothing loaded before in this run
    EXPECT_EQ(out.keys.value("MissingParts").source, ValueSource::Refused);

    f.ini("[Combine]\nMissingParts=2\n");
    f.load(s);
    EXPECT_EQ(s.MissingParts, 2);
    f.ini("[Combine]\nMissingParts=40000\nHighPart=3000000000\n");
    s.HighPart = 500;
    f.load(s);
    EXPECT_EQ(s.MissingParts, 2);  // the previous load's value
    EXPECT_EQ(s.HighPart, 500);
}

TEST(LoadReg, FixExtHasNoPreset)
{
    StoreFixture f;
    f.ini("[Combine]\nFixExt=maybe\nUnderPeriod=maybe\n");
    Settings s;
    f.load(s);
    EXPECT_FALSE(s.FixExt);       // off on the first load of a run
    EXPECT_TRUE(s.UnderPeriod);   // its preset
    f.ini("[Combine]\nFixExt=-1\n");
    f.load(s);
    EXPECT_TRUE(s.FixExt);
    f.ini("[Combine]\nFixExt=maybe\n");
    f.load(s);
    EXPECT_TRUE(s.FixExt);        // the previous load's value
}

TEST(LoadReg, IniSectionsAndKeysMatchWithoutRegardToCase)
{
    StoreFixture f;
    f.ini("[COMBINE]\ncombineauto=-1\n[misc]\nCHUNKSIZE=20000\n[Split]\nChunkSize=30000\n");
    const Settings s = f.loaded();
    EXPECT_TRUE(s.CombineAuto);
    EXPECT_EQ(s.ChunkSize, 20000);  // only its own section counts
}

TEST(LoadReg, IniModeLastsWhileTheFileExists)
{
    StoreFixture f;
    f.user("ChunkSize=20000\n");
    f.ini("[Misc]\nWipeOnDel=0\n");
    Settings s = f.loaded();
    EXPECT_TRUE(f.store.UseIni);
    EXPECT_EQ(s.ChunkSize, 1000000);
    EXPECT_FALSE(s.WipeOnDel);
    QFile::remove(f.t.path("prog/tsl.ini"));
    s = f.loaded();
    EXPECT_FALSE(f.store.UseIni);
    EXPECT_EQ(s.ChunkSize, 20000);
    EXPECT_TRUE(s.WipeOnDel);
}

TEST(LoadReg, EmptyNativeValueIsEmptyTextNotTheDefault)
{
    StoreFixture f;
    f.user("CombineAuto=\nSameDir=\nCombineAssoc=\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_FALSE(s.CombineAuto);
    EXPECT_TRUE(s.SameDir);
    EXPECT_FALSE(s.CombineAssoc);  // refused: its preset is off
    EXPECT_EQ(out.keys.value("CombineAssoc").source, ValueSource::Refused);
}
