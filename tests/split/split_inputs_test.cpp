// What a split takes as its input and output: an empty output folder, a
// FILE that is no ordinary file, and which files count as existing pieces.
#include "split/split_engine.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tsl::test {
namespace {

SplitOutcome split(const TempFolder& t, Host& host, const Settings& s, const QString& name,
                   const QString& outDirText)
{
    return runSplit({{name}, t.dir(), outDirText, 0, 0}, s, host);
}

TEST(SplitInputs, AnEmptyOutputFolderIsTheFilesOwnOrNone)
{
    // The typed folder, SplitSameDir, and where the pieces go (empty: nowhere).
    struct Case {
        QString typed;
        bool sameDir;
        bool besideTheFile;
    };
    for (const Case& c : {Case{"", true, true}, Case{"   ", true, true}, Case{"", false, false}}) {
        TempFolder t;
        const QString name = "tsl-out-" + QFileInfo(t.dir().chopped(1)).fileName();
        t.writePattern(name, 250);
        Settings s;
        s.SplitSize = 100;
        s.SplitSameDir = c.sameDir;
        ScriptedHost host;
        const SplitOutcome o = split(t, host, s, name, c.typed);
        EXPECT_EQ(o.split, c.besideTheFile ? 1 : 0);
        EXPECT_EQ(t.exists(name + ".003"), c.besideTheFile);
        EXPECT_FALSE(QFileInfo::exists(QDir::rootPath() + name + ".001"));
        if (!c.besideTheFile) {
            EXPECT_EQ(
                host.messages,
                QStringList{"Choose the folder the pieces go to: the output folder is empty."});
        }
    }
}

TEST(SplitInputs, AFolderOrPipeIsNotAnOrdinaryFile)
{
    TempFolder t;
    t.mkdir("folder");
    ASSERT_EQ(::mkfifo(QFile::encodeName(t.path("pipe")).constData(), 0600), 0);
    for (const QString name : {"folder", "pipe"}) {
        ScriptedHost host;
        Settings s;
        EXPECT_EQ(split(t, host, s, name, t.dir()).skipped, 1);
        EXPECT_EQ(host.messages,
                  QStringList{"The file " + name
                              + " will be skipped because it is not an ordinary file."});
    }
    EXPECT_EQ(QDir(t.dir()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList({"folder", "pipe"}));
}

TEST(SplitInputs, OnlyTheSetsOwnNamesCountAsExistingPieces)
{
    // Files beside f and whether the split asks before overwriting.
    struct Case {
        QString present;
        bool asks;
    };
    // f.004 is not overwritten, but an earlier set's piece past the new last
    // one would be deleted: that too needs leave. So would the checksum file
    // alone, rewritten by the split.
    const QList<Case> cases = {{"f.txt", false}, {"f.", false},     {"f.004", true},
                               {"f.001", true},  {"f.000", true},   {"f.bat", true},
                               {"f.003", true},  {"f.sha256", true}};
    for (const Case& c : cases) {
        TempFolder t;
        const QByteArray data = patternBytes(250);
        t.write("f", data);
        t.write(c.present, "someone's");
        Settings s;
        s.SplitSize = 100;
        ScriptedHost host;
        if (c.asks)
            host.answers = {Answer::No};
        split(t, host, s, "f", t.dir());
        EXPECT_EQ(host.asked.size(), c.asks ? 1u : 0u) << c.present.toStdString();
        if (c.asks) {
            EXPECT_EQ(t.names(), QStringList({"f", c.present}));  // declined: nothing written
        } else {
            EXPECT_TRUE(t.exists("f.003"));
        }
        EXPECT_EQ(t.read(c.present), "someone's");
    }
}

}  // namespace
}  // namespace tsl::test
