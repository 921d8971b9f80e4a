// tsl-cli config against stores in a temporary folder.
#include "support/temp_files.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace tsl::test;

namespace {

struct CliStores {
    TempFolder t;
    QString prog = t.mkdir("program");
    QProcessEnvironment env = isolatedEnvironment(t.dir().chopped(1));
    QString userFile() const { return t.path("config/Tessel/TSL.conf"); }
    QString userValue(const QString& key) const
    {
        return QSettings(userFile(), QSettings::NativeFormat).value(key).toString();
    }
    CliRun run(const QStringList& args)
    {
        return runCli(QStringList{"config"} + args, {}, {}, env);
    }
};

}  // namespace

TEST(ConfigCli, ListShowsEveryKeyWithItsSource)
{
    CliStores c;
    c.t.write("etc/Tessel/TSL.conf", "[General]\nChunkSize=20000\nHighPart=0\n");
    const CliRun r = c.run({"list"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 39 + 3);
    for (const char* line : {"Misc        ChunkSize       20000      store",
                             "Split       SplitMode       0          default",
                             "Split       SplitPieces     2          default",
                             "Combine     HighPart        1000       replaced, stored \"0\"",
                             "Combine     CombineAssoc    -1         default",
                             "Append      ListFontSize    10         default"})
        EXPECT_TRUE(lines.contains(line)) << line;
}

// A value its range rule would replace is refused unwritten (the rule is
// LoadReg's); a value taken is shown as it loads, a size's name as its bytes.
TEST(ConfigCli, SetWritesTheStoreAndShowsWhatItLoadsAs)
{
    CliStores c;
    EXPECT_EQ(c.run({"set", "chunksize", "9999"}).exitCode, 2);
    const CliRun r = c.run({"set", "HighPart", "many"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err,
              "tsl-cli: HighPart many is out of its range: it would load as 1000. Nothing "
              "was written.\n");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(c.t.exists("config"));
    EXPECT_EQ(c.run({"set", "HighPart", "2.5"}).out, "HighPart = 2  (store)\n");
    EXPECT_EQ(c.run({"set", "SplitSize", "DVD"}).out, "SplitSize = 4697620480  (store)\n");
    EXPECT_EQ(c.userValue("SplitSize"), "4697620480");
    EXPECT_EQ(c.run({"get", "HighPart"}).out, "2\n");
}

TEST(ConfigCli, UnknownKeysAreRefusedWithTheKnownOnes)
{
    CliStores c;
    const CliRun r = c.run({"get", "ChunkSise"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("unknown key 'ChunkSise'"));
    EXPECT_TRUE(r.err.contains("InitAppendDir"));
    EXPECT_EQ(c.run({"set", "Nope", "1"}).exitCode, 2);
    EXPECT_FALSE(c.t.exists("config"));
}

TEST(ConfigCli, StoreSwitchesBetweenIniAndRegistryOrKeepsTheOldOne)
{
    CliStores c;
    ASSERT_EQ(c.run({"set", "WipeOnDel", "0"}).exitCode, 0);
    CliRun r = c.run({"store"});
    EXPECT_EQ(r.out,
              "registry: " + c.userFile()
                  + " (machine-wide fallback: " + c.t.path("etc/Tessel/TSL.conf") + ")\n");
    r = c.run({"store", "ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "ini: " + c.t.path("program/tsl.ini") + "\n");
    r = c.run({"store", "registry"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(c.t.exists("program/tsl.ini"));
    EXPECT_EQ(c.userValue("WipeOnDel"), "0");

    c.env.insert("TSL_PROGRAM_DIR", c.t.path("missing"));
    r = c.run({"store", "ini"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("could not be moved to " + c.t.path("missing/tsl.ini")));
    EXPECT_EQ(c.userValue("WipeOnDel"), "0");
}

TEST(ConfigCli, DirectoryQuestionsAreAnsweredByOptions)
{
    CliStores c;
    const QString path = c.t.path("films");
    CliRun r = c.run({"-n", "set", "InitSplitDir", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("The directory you specified (" + path
                               + ") for the\n"
                                 "initial split directory does not exist."));
    EXPECT_TRUE(r.err.contains("=> No (--no)"));
    EXPECT_EQ(r.out, "InitSplitDir = " + path + "  (store)\n");
    EXPECT_FALSE(c.t.exists("films"));

    r = c.run({"--yes", "list"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(c.t.exists("films"));
}
