// tsl-cli config against stores in a temporary folder.
#include "support/temp_files.h"

#include <QProcessEnvironment>
#include <QSettings>
#include <gtest/gtest.h>

using namespace tsl::test;

namespace {

struct CliStores {
    TempFolder t;
    QString prog = t.mkdir("prog");
    QProcessEnvironment env = [this] {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("TSL_PROGRAM_DIR", t.path("prog"));
        e.insert("XDG_CONFIG_HOME", t.path("config"));
        e.insert("XDG_CONFIG_DIRS", t.path("etc"));
        e.insert("HOME", t.path("home"));
        return e;
    }();
    QString userFile() const { return t.path("config/Tessel/TSL.conf"); }

    CliRun run(const QStringList& args) { return runCli(QStringList{"config"} + args, {}, {}, env); }
};

}  // namespace

TEST(ConfigCli, ListShowsEveryKeyWithItsSource)
{
    CliStores c;
    c.t.write("etc/Tessel/TSL.conf", "[General]\nChunkSize=20000\nHighPart=0\n");
    const CliRun r = c.run({"list"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 36 + 3);
    EXPECT_TRUE(lines.contains("Misc        ChunkSize       20000      store"));
    EXPECT_TRUE(lines.contains("Combine     HighPart        1000       replaced, stored \"0\""));
    EXPECT_TRUE(lines.contains("Combine     CombineAssoc    -1         default"));
    EXPECT_TRUE(lines.contains("Append      ListFontSize    10         default"));
}

TEST(ConfigCli, SetWritesTheStoreAndShowsWhatItLoadsAs)
{
    CliStores c;
    CliRun r = c.run({"set", "chunksize", "9999"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "ChunkSize = 1000000  (replaced, stored \"9999\")\n");
    EXPECT_EQ(QSettings(c.userFile(), QSettings::NativeFormat).value("ChunkSize").toString(),
              "9999");
    r = c.run({"set", "MissingParts", "-1"});  // a value that looks like an option
    EXPECT_EQ(r.out, "MissingParts = 1  (replaced, stored \"-1\")\n");
    r = c.run({"set", "HighPart", "2.5"});
    EXPECT_EQ(r.out, "HighPart = 2  (store)\n");
    r = c.run({"get", "HighPart"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "2\n");
}

TEST(ConfigCli, SetWritesIntoTheKeysIniSection)
{
    CliStores c;
    c.t.write("prog/tsl.ini", "; mine\n[Split]\nSplitUnits=1\n");
    const CliRun r = c.run({"set", "SplitSize", "1126.4"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "SplitSize = 1126.4  (store)\n");
    EXPECT_EQ(c.t.read("prog/tsl.ini"), QByteArray("; mine\n[Split]\nSplitUnits=1\nSplitSize=1126.4\n"));
    EXPECT_FALSE(c.t.exists("config"));
}

TEST(ConfigCli, UnknownKeysAreRefusedWithTheKnownOnes)
{
    CliStores c;
    const CliRun r = c.run({"get", "ChunkSise"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("unknown key 'ChunkSise'"));
    EXPECT_TRUE(r.err.contains("ChunkSize"));
    EXPECT_TRUE(r.err.contains("InitAppendDir"));
    EXPECT_EQ(c.run({"set", "Nope", "1"}).exitCode, 2);
    EXPECT_EQ(c.run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(c.run({"store", "floppy"}).exitCode, 2);
    EXPECT_FALSE(c.t.exists("config"));
}

TEST(ConfigCli, StoreSwitchesBetweenIniAndRegistry)
{
    CliStores c;
    ASSERT_EQ(c.run({"set", "WipeOnDel", "0"}).exitCode, 0);
    CliRun r = c.run({"store"});
    EXPECT_EQ(r.out, "registry: " + c.userFile() + " (machine-wide fallback: "
                         + c.t.path("etc/Tessel/TSL.conf") + ")\n");
    r = c.run({"store", "ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "ini: " + c.t.path("prog/tsl.ini") + "\n");
    EXPECT_TRUE(c.t.read("prog/tsl.ini").contains("[Misc]\nAssocSendTo=-1\nWipeOnDel=0\n"));
    EXPECT_TRUE(QSettings(c.userFile(), QSettings::NativeFormat).allKeys().isEmpty());
    EXPECT_EQ(c.run({"get", "WipeOnDel"}).out, "0\n");

    r = c.run({"store", "registry"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(c.t.exists("prog/tsl.ini"));
    EXPECT_EQ(QSettings(c.userFile(), QSettings::NativeFormat).value("WipeOnDel").toString(), "0");
}

TEST(ConfigCli, DirectoryQuestionsAreAnsweredByOptions)
{
    CliStores c;
    const QString path = c.t.path("films");
    CliRun r = c.run({"-n", "set", "InitSplitDir", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("The directory you specified (" + path + ") for the\n"
                               "initial split directory does not exist."));
    EXPECT_TRUE(r.err.contains("=> No (--no)"));
    EXPECT_EQ(r.out, "InitSplitDir = " + path + "  (store)\n");
    EXPECT_FALSE(c.t.exists("films"));

    r = c.run({"--yes", "list"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(c.t.exists("films"));
}

TEST(ConfigCli, AStoreThatCannotBeWrittenKeepsTheOldOne)
{
    CliStores c;
    ASSERT_EQ(c.run({"set", "WipeOnDel", "0"}).exitCode, 0);
    c.env.insert("TSL_PROGRAM_DIR", c.t.path("missing"));
    const CliRun r = c.run({"store", "ini"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("could not be moved to " + c.t.path("missing/tsl.ini")));
    EXPECT_EQ(QSettings(c.userFile(), QSettings::NativeFormat).value("WipeOnDel").toString(), "0");
}
