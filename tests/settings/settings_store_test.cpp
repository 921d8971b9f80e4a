#include "settings/setting_keys.h"
#include "store_fixture.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::StoreFixture;

TEST(SettingsStore, MachineWideFileIsTheFallbackOfTheUserFile)
{
    StoreFixture f;
    f.machine("chunksize=20000\nHighPart=500\nWipeOnDel=0\n");  // keys match in any case
    f.user("HighPart=600\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_EQ(s.ChunkSize, 20000);
    EXPECT_EQ(s.HighPart, 600);
    EXPECT_FALSE(s.WipeOnDel);
    EXPECT_EQ(out.keys.value("ChunkSize").source, ValueSource::Store);

    // Writing goes to the user file only, and then wins.
    f.store.WriteReg("ChunkSize", "30000", section::Misc);
    EXPECT_EQ(f.loaded().ChunkSize, 30000);
    EXPECT_EQ(f.t.read("etc/Tessel/TSL.conf"),
              QByteArray("[General]\nchunksize=20000\nHighPart=500\nWipeOnDel=0\n"));

    // A native value over 1999 characters reads as the default.
    f.user("InitSplitDir=/" + QByteArray(1998, 'a') + "\nInitAppendDir=/" + QByteArray(1999, 'b'));
    EXPECT_EQ(f.store.ReadReg("InitSplitDir", "def").size(), 1999);
    EXPECT_EQ(f.store.ReadReg("InitAppendDir", "def"), "def");
}

TEST(SettingsStore, WriteRegGoesToTheCurrentStore)
{
    StoreFixture f;
    f.store.UseIni = true;
    EXPECT_EQ(f.store.WriteReg("SplitDir", "/films", false, section::Split), 0);
    EXPECT_EQ(f.iniText(), QByteArray("[Split]\nSplitDir=/films\n"));
    EXPECT_FALSE(f.t.exists("user"));
    // ForceRegistry writes the native store whatever UseIni says.
    EXPECT_EQ(f.store.WriteReg("CombineDir", "/parts", true, section::Combine), 0);
    EXPECT_EQ(f.userValue("CombineDir"), "/parts");
    EXPECT_EQ(f.store.ReadReg("CombineDir", "x", true), "/parts");
    EXPECT_EQ(f.store.ReadReg("CombineDir", "x", false, section::Combine), "x");

    // The engines' recorder writes with ForceRegistry off.
    SettingWriter& writer = f.store;
    writer.WriteReg("AppendPartDir", "/in", section::Append);
    EXPECT_EQ(f.store.readIni(section::Append, "AppendPartDir"), "/in");
}

TEST(SettingsStore, AFailedWriteReportsAStatus)
{
    StoreFixture f;
    SettingsStore broken(
        StoreLocations{f.t.path("no/such/dir"), f.t.path("user.conf/x"), QString()});
    f.t.write("user.conf", "a file where a folder should be");
    broken.UseIni = true;
    EXPECT_NE(broken.WriteReg("ChunkSize", "20000", false, section::Misc), 0);
    broken.UseIni = false;
    EXPECT_NE(broken.WriteReg("ChunkSize", "20000", false, section::Misc), 0);
}

TEST(StoreSwitch, ToIniWritesEveryValueThenClearsTheUserFileAndBack)
{
    StoreFixture f;
    f.user("ChunkSize=20000\nListFontSize=12\nInitSplitDir=" + f.t.dir().toUtf8() + "\n");
    f.machine("HighPart=500\n");
    Settings s = f.loaded();
    s.SplitSize = 1126.4;
    s.SplitUnits = 1;
    ASSERT_TRUE(SwitchStore(f.store, true, dialogValues(s)));
    EXPECT_TRUE(f.store.UseIni);
    const QByteArray ini = f.iniText();
    EXPECT_TRUE(ini.startsWith("[Combine]\nCombineAssoc=-1\nCombineAuto=0\n"));
    EXPECT_TRUE(ini.contains("[Misc]\nAssocSendTo=-1\nWipeOnDel=-1\nChunkSize=20000\n"));
    EXPECT_TRUE(ini.contains("SplitSize=1126.4\nSplitUnits=1\n"));
    EXPECT_TRUE(ini.contains("HighPart=500\n"));
    EXPECT_TRUE(ini.endsWith("[Directories]\nInitCombineDir=\nInitSplitDir=" + f.t.dir().toUtf8()
                             + "\nInitAppendDir=\n"));
    EXPECT_TRUE(ini.contains("ListFontSize=12\n"));  // written by the lists, carried over too
    EXPECT_TRUE(
        QSettings(f.store.locations().userFile, QSettings::NativeFormat).allKeys().isEmpty());

    Settings again = f.loaded();
    EXPECT_EQ(again.ChunkSize, 20000);
    EXPECT_EQ(again.SplitSize, 1126.4);
    EXPECT_EQ(again.ListFontSize, 12);

    // And back: the registry store gets every value and tsl.ini is deleted.
    ASSERT_TRUE(SwitchStore(f.store, false, dialogValues(again)));
    EXPECT_FALSE(f.t.exists("prog/tsl.ini"));
    EXPECT_EQ(f.userValue("SplitSize"), "1126.4");
    EXPECT_EQ(f.userValue("InitAppendDir"), QString());
    again = f.loaded();
    EXPECT_EQ(again.ChunkSize, 20000);
    EXPECT_EQ(again.HighPart, 500);
}

TEST(StoreSwitch, AnIniThatCannotBeWrittenKeepsTheRegistryStore)
{
    StoreFixture f;
    f.user("ChunkSize=20000\n");
    SettingsStore store(StoreLocations{f.t.path("gone"), f.store.locations().userFile, QString()});
    const Settings s = f.loaded();
    EXPECT_FALSE(SwitchStore(store, true, dialogValues(s)));
    EXPECT_FALSE(store.UseIni);
    EXPECT_FALSE(f.t.exists("gone"));
    EXPECT_EQ(f.userValue("ChunkSize"), "20000");
}
