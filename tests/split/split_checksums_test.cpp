// The checksum file a split writes beside its pieces: its exact lines, that
// sha256sum itself accepts it before and after a combine, what an extract
// and a re-split do to an earlier one, and a name too long for it.
#include "combine/combine_engine.h"
#include "core/sha256.h"
#include "pieces/sha256_sidecar.h"
#include "split/split_engine.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

QByteArray line(const QByteArray& bytes, const char* name)
{
    return Sha256::of(bytes).toHex() + "  " + name + "\n";
}

int sha256sumCheck(const TempFolder& t, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(t.dir());
    p.start("sha256sum", QStringList{"--quiet", "-c"} + args);
    p.waitForFinished(60000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

Settings pieceSize(double size)
{
    Settings s;
    s.SplitSize = size;
    s.WipeOnDel = false;
    return s;
}

TEST(SplitChecksums, ALinePerPieceAndOneForTheWholeFileThatSha256sumAccepts)
{
    TempFolder t;
    const QByteArray data = patternBytes(2500, 3);
    t.write("clip.mpg", data);
    ScriptedHost host;
    ASSERT_EQ(runSplit({{"clip.mpg"}, t.dir(), t.dir()}, pieceSize(1000), host).split, 1);
    EXPECT_EQ(t.read("clip.mpg.sha256"),
              line(data.mid(0, 1000), "clip.mpg.001") + line(data.mid(1000, 1000), "clip.mpg.002")
                  + line(data.mid(2000), "clip.mpg.003") + line(data, "clip.mpg"));
    // Pieces checked on their own, then the joined file with every line.
    ASSERT_TRUE(QFile::remove(t.path("clip.mpg")));
    EXPECT_EQ(sha256sumCheck(t, {"--ignore-missing", "clip.mpg.sha256"}), 0);
    EXPECT_NE(sha256sumCheck(t, {"clip.mpg.sha256"}), 0);
    ASSERT_EQ(runCombine({{"clip.mpg.000"}, t.dir(), t.dir()}, pieceSize(1000), host).combined, 1);
    EXPECT_EQ(sha256sumCheck(t, {"clip.mpg.sha256"}), 0);
}

TEST(SplitChecksums, AnExtractWritesItsPiecesLinesAndKeepsTheOthersOfAnEarlierFile)
{
    TempFolder t;
    const QByteArray data = patternBytes(5000, 4);
    t.write("clip.mpg", data);
    ScriptedHost host;
    const QString out = t.mkdir("out") + "/";
    ASSERT_EQ(runSplit({{"clip.mpg"}, t.dir(), out, 2, 3}, pieceSize(1000), host).split, 1);
    EXPECT_EQ(t.read("out/clip.mpg.sha256"),
              line(data.mid(1000, 1000), "clip.mpg.002")
                  + line(data.mid(2000, 1000), "clip.mpg.003"));

    // Over a whole set's file: lines 3 and 4 are written again, the rest stay.
    const QByteArray earlier = line("old 3", "clip.mpg.003") + line("x", "notes.txt")
        + line(data.mid(0, 1000), "clip.mpg.001");
    t.write("out/clip.mpg.sha256", earlier);
    host.answers = {Answer::Yes};  // piece 3 is there from the first extract
    ASSERT_EQ(runSplit({{"clip.mpg"}, t.dir(), out, 3, 4}, pieceSize(1000), host).split, 1);
    EXPECT_EQ(t.read("out/clip.mpg.sha256"),
              line("x", "notes.txt") + line(data.mid(0, 1000), "clip.mpg.001")
                  + line(data.mid(2000, 1000), "clip.mpg.003")
                  + line(data.mid(3000, 1000), "clip.mpg.004"));

    // A file that is no checksum file is left as it was, and the status says so.
    t.write("out/clip.mpg.sha256", "my own notes\n");
    ASSERT_EQ(runSplit({{"clip.mpg"}, t.dir(), out, 5, 5}, pieceSize(1000), host).split, 1);
    EXPECT_EQ(t.read("out/clip.mpg.sha256"), "my own notes\n");
    EXPECT_TRUE(host.statuses.contains(out + "clip.mpg.sha256"
                                       + " was left as it is: it is not a checksum file TSL can "
                                         "rewrite, so it has no lines for these pieces."))
        << host.statuses.join("|").toStdString();
}

TEST(SplitChecksums, AReSplitReplacesTheEarlierFileOrRemovesItWhenWritingNone)
{
    for (const bool checksums : {true, false}) {
        TempFolder t;
        const QByteArray data = patternBytes(3000, 5);
        t.write("clip.mpg", data);
        ScriptedHost host;
        ASSERT_EQ(runSplit({{"clip.mpg"}, t.dir(), t.dir()}, pieceSize(1000), host).split, 1);
        Settings again = pieceSize(1500);
        again.Checksums = checksums;
        host.answers = {Answer::Yes};  // overwrite the earlier set
        ASSERT_EQ(runSplit({{"clip.mpg"}, t.dir(), t.dir()}, again, host).split, 1);
        EXPECT_EQ(host.asked.size(), 1u);
        if (checksums)
            EXPECT_EQ(t.read("clip.mpg.sha256"),
                      line(data.mid(0, 1500), "clip.mpg.001") + line(data.mid(1500), "clip.mpg.002")
                          + line(data, "clip.mpg"));
        else
            EXPECT_FALSE(t.exists("clip.mpg.sha256"));
        EXPECT_FALSE(t.exists("clip.mpg.003"));
    }
}

TEST(SplitChecksums, ANameTooLongForTheChecksumFileStillSplits)
{
    TempFolder t;
    const QString name = QString(251, QChar('n'));
    t.writePattern(name, 3000);
    ScriptedHost host;
    ASSERT_EQ(runSplit({{name}, t.dir(), t.dir()}, pieceSize(1000), host).split, 1);
    EXPECT_TRUE(t.exists(name + ".003"));
    EXPECT_TRUE(host.statuses.contains("No checksum file was written for " + name
                                       + ": its name would be too long."));
}

}  // namespace
}  // namespace tsl::test
