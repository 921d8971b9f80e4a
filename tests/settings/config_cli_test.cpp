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

TEST(ConfigCli, SetWritesTheStoreAndShowsWhatItLoadsAs)
{
    CliStores c;
    // A value its range rule would replace, or text that is no number, is refused unwritten.
    const QList<QStringList> refused = {
        {"chunksize", "9999", "ChunkSize 9999 is out of its range: it would load as 1000000."},
        {"MissingParts", "-1", "MissingParts -1 is out of its range: it would load as 1."},
        {"HighPart", "many", "HighPart many is out of its range: it would load as 1000."},
    };
    for (const QStringList& k : refused) {
        const CliRun r = c.run({"set", k[0], k[1]});
        EXPECT_EQ(r.exitCode, 2) << k[0].toStdString();
        EXPECT_EQ(r.err, "tsl-cli: " + k[2] + " Nothing was written.\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(c.t.exists("config"));
    CliRun r = c.run({"set", "HighPart", "2.5"});
    EXPECT_EQ(r.out, "HighPart = 2  (store)\n");
    r = c.run({"get", "HighPart"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "2\n");
}

TEST(ConfigCli, SetWritesIntoTheKeysIniSection)
{
    CliStores c;
    c.t.write("program/tsl.ini", "; mine\n[Split]\nSplitUnits=1\n");
    const CliRun r = c.run({"set", "SplitSize", "1126.4"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "SplitSize = 1126.4  (store)\n");
    EXPECT_EQ(c.t.read("program/tsl.ini"), "; mine\n[Split]\nSplitUnits=1\nSplitSize=1126.4\n");
    EXPECT_FALSE(c.t.exists("config"));
}

TEST(ConfigCli, ThePartSizeTakesASizesNameAndThePiecesTheirRange)
{
    CliStores c;
    CliRun r = c.run({"set", "SplitSize", "DVD"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "SplitSize = 4697620480  (store)\n");
    EXPECT_EQ(c.userValue("SplitSize"), "4697620480");
    r = c.run({"set", "SplitPieces", "19683"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err,
              "tsl-cli: SplitPieces 19683 is out of its range: it would load as 2. Nothing "
              "was written.\n");
    r = c.run({"set", "SplitMode", "1"});
    EXPECT_EQ(r.out, "SplitMode = 1  (store)\n");
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
    EXPECT_EQ(c.run({"get", "WipeOnDel"}).out, "0\n");
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
