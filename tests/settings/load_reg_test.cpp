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
    EXPECT_EQ(f.t.names(), QStringList{"prog"});
    EXPECT_TRUE(f.host.conversation.isEmpty());
}

// Empty is the default in tsl.ini but refused text (the preset) in the native
// store; some keys read a leading number, others a whole truth value or refuse.
TEST(LoadReg, StoredTextsLoadByTheirKeysRules)
{
    const struct {
        bool ini;
        const char* line;
        const char* loaded;
        ValueSource source;
    } cases[] = {
        // clang-format off
        {true, "[Combine]\nCombineAuto=", "0", ValueSource::Default},
        {true, "[Combine]\nSameDir=", "-1", ValueSource::Default},
        {false, "SameDir=", "-1", ValueSource::Refused},
        {false, "CombineAssoc=", "0", ValueSource::Refused},  // the preset
        {true, "[Combine]\nShowTipsC=True", "0", ValueSource::Store},  // no leading number: off
        {true, "[Combine]\nSameDir=True", "-1", ValueSource::Store},
        {true, "[Misc]\nAssocSendTo=1 please", "-1", ValueSource::Store},
        {true, "[Combine]\nCombineAssoc=yes", "0", ValueSource::Refused},
        // clang-format on
    };
    for (const auto& c : cases) {
        StoreFixture f;
        if (c.ini)
            f.ini(QByteArray(c.line) + "\n");
        else
            f.user(QByteArray(c.line) + "\n");
        const QString key = QString(c.line).section('\n', -1).section('=', 0, 0);
        Settings s;
        const LoadOutcome out = f.load(s);
        EXPECT_EQ(f.store.UseIni, c.ini) << c.line;
        EXPECT_EQ(loadedText(s, qPrintable(key)), c.loaded) << c.line;
        EXPECT_EQ(out.keys.value(key).source, c.source) << c.line;
    }
}

// One key's range at its bounds, and each other key once outside its range
// (the bounds themselves are settingRanges()'s table), each kind of number
// above and below; a part size out of range takes the unit back to bytes.
TEST(LoadReg, OutOfRangeValuesLoadAsTheirPresetAndStayInTheStore)
{
    const struct {
        const char* section;
        const char* key;
        const char* stored;
        const char* loaded;
    } cases[] = {
        // clang-format off
        {"Misc", "ChunkSize", "9999", "1000000"}, {"Misc", "ChunkSize", "10000", "10000"},
        {"Misc", "ChunkSize", "10000000", "10000000"}, {"Misc", "ChunkSize", "10000001", "1000000"},
        {"Combine", "HighPart", "0", "1000"}, {"Split", "SplitSize", "1099511627776.5", "512000"},
        {"Append", "ListFontSize", "6.9", "10"}, {"Append", "ListFontSize", "16.1", "10"},
        {"Combine", "ExtraParts", "2", "1"}, {"Combine", "MissingParts", "-1", "1"},
        {"Split", "PartsExist", "3", "1"}, {"Split", "SplitFileNames", "2", "0"},
        {"Split", "SplitUnits", "3", "0"}, {"Split", "SplitMode", "2", "0"},
        {"Split", "SplitPieces", "1", "2"},
        // clang-format on
    };
    for (const auto& c : cases) {
        StoreFixture f;
        const QByteArray line = QByteArray(c.key) + "=" + c.stored + "\n";
        f.ini(QByteArray("[") + c.section + "]\n" + line);
        EXPECT_EQ(loadedText(f.loaded(), c.key), c.loaded) << line.toStdString();
        EXPECT_TRUE(f.iniText().endsWith(line));
    }
    for (const auto& [size, units] : {std::pair{"99.5", 0}, {"100", 2}}) {
        StoreFixture f;
        f.ini("[Split]\nSplitSize=" + QByteArray(size) + "\nSplitUnits=2\n");
        Settings s;
        const LoadOutcome out = f.load(s);
        EXPECT_EQ(s.SplitUnits, units) << size;
        EXPECT_EQ(out.keys.value("SplitUnits").source,
                  units ? ValueSource::Store : ValueSource::Replaced);
    }
}

TEST(LoadReg, AValueThatCannotBeReadKeepsThePreviousLoadsValue)
{
    StoreFixture f;
    f.ini("[Combine]\nMissingParts=40000\nFixExt=maybe\nUnderPeriod=maybe\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_EQ(s.MissingParts, 0);  // nothing loaded before in this run
    EXPECT_EQ(out.keys.value("MissingParts").source, ValueSource::Refused);
    EXPECT_FALSE(s.FixExt);      // it has no preset: off on the first load of a run
    EXPECT_TRUE(s.UnderPeriod);  // its preset

    f.ini("[Combine]\nMissingParts=2\nFixExt=-1\n");
    f.load(s);
    EXPECT_EQ(s.MissingParts, 2);
    EXPECT_TRUE(s.FixExt);
    f.ini("[Combine]\nMissingParts=40000\nHighPart=3000000000\nFixExt=maybe\n");
    s.HighPart = 500;
    f.load(s);
    EXPECT_EQ(s.MissingParts, 2);
    EXPECT_EQ(s.HighPart, 500);
    EXPECT_TRUE(s.FixExt);
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

TEST(LoadReg, TheDesktopRegistrationRunsLastAndOnlyWhenTheCallerSuppliesIt)
{
    StoreFixture f;
    f.user("CombineAssoc=0\nInitSplitDir=relative/dir\n");
    QStringList calls;
    const AssocHook hook = [&](const Settings& s, Host& host) {
        calls << QString("CombineAssoc %1, InitSplitDir '%2', %3 message(s) before")
                     .arg(s.CombineAssoc)
                     .arg(s.InitSplitDir)
                     .arg(f.host.messages.size());
        return &host == &f.host;
    };
    Settings s;
    EXPECT_FALSE(LoadReg(s, f.store, f.host, f.drives, hook).terminated);
    EXPECT_EQ(calls, QStringList{"CombineAssoc 0, InitSplitDir '', 1 message(s) before"});
    EXPECT_TRUE(LoadReg(s, f.store, f.host, f.drives, [](const Settings&, Host&) {
                    return false;
                }).terminated);
    f.load(s);  // no hook: nothing else runs
    EXPECT_EQ(calls.size(), 1);
}
