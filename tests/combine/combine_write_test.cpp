// Combine, second half: the output file and its questions, the copy, the
// restored time stamps and attributes, deleting the pieces, the extension
// repair, and what a failure leaves on disk.
#include "core/file_facts.h"
#include "support/engine_job.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");

QString runtimeText(int number, const QString& description, const QString& path)
{
    return runtimeQuestion(number, description, QStringLiteral("frmMain.cmdCombine"), path);
}

bool ownerWritable(const QString& path)
{
    return QFileInfo(path).permissions() & QFileDevice::WriteOwner;
}

TEST(CombineWrite, TimeStampsAndReadOnlyAttributeComeFromTheInfoFile)
{
    CombineJob job;
    PieceSetLayout s{.size = 3000, .pieceSize = 1000, .attributes = attr::ReadOnly | attr::Archive};
    const QByteArray data = job.pieces(s);
    job.combine({"clip.mpg.000"});
    const QFileInfo out(job.folder.path(Clip));
    EXPECT_EQ(out.lastModified().toUTC(), s.lastWrite);
    EXPECT_EQ(out.lastRead().toUTC(), s.lastAccess);
    EXPECT_FALSE(ownerWritable(out.filePath()));
    EXPECT_EQ(job.folder.read(Clip), data);

    // A set read from its pieces keeps the times of its making.
    CombineJob pieces;
    pieces.settings.HighPart = 3;
    s.info = false;
    pieces.pieces(s);
    pieces.host.inputs = {std::nullopt};
    pieces.combine({"clip.mpg.001"});
    const QFileInfo made(pieces.folder.path(Clip));
    EXPECT_GT(made.lastModified().toUTC(), QDateTime::currentDateTimeUtc().addSecs(-600));
    EXPECT_TRUE(ownerWritable(made.filePath()));
}

TEST(CombineWrite, ExistingOutputNoAsksForANameUntilAFreeOneOrSkipsOnNoName)
{
    CombineJob job;
    const QByteArray data = job.pieces({.size = 3000, .pieceSize = 1000});
    job.folder.write(Clip, "old");
    job.folder.write(".other", "hidden");
    job.host.answers = {Answer::No};
    job.host.inputs = {".other", "fresh"};
    const CombineOutcome o = job.combine({"clip.mpg.000"});
    EXPECT_EQ(job.host.prompts,
              QStringList({"Enter a new filename for\r\nclip.mpg.",
                           ".other exists, too. Please try again."}));
    EXPECT_EQ(o.outputs, QStringList{job.folder.path("fresh")});
    EXPECT_EQ(job.folder.read("fresh"), data);
    EXPECT_EQ(job.folder.read(Clip), QByteArray("old"));
    EXPECT_EQ(job.folder.read(".other"), QByteArray("hidden"));
    EXPECT_EQ(job.host.statuses.last(), "Processed fresh");

    // No name: the set is skipped and its pieces are kept.
    job.settings.CombineDelete = true;
    job.host.answers = {Answer::No};
    job.host.inputs = {QString()};
    EXPECT_EQ(job.combine({"clip.mpg.000"}).skipped, 1);
    EXPECT_EQ(job.folder.read(Clip), QByteArray("old"));
    EXPECT_EQ(job.folder.names().size(), 7);  // clip.mpg, .other, fresh, .000 and three pieces
}

// An existing output is asked about, then, when it is read-only, asked again.
TEST(CombineWrite, ReadOnlyOutputYesOverwritesButKeepsPiecesForTheWholeRunNoKeepsIt)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        const QByteArray data = job.pieces({.size = 3000, .pieceSize = 1000});
        const QByteArray b = job.pieces({.name = "b.bin", .size = 2000, .pieceSize = 1000});
        job.folder.write(Clip, "old");
        applyAttributes(job.folder.path(Clip), attr::ReadOnly);
        job.host.answers = {Answer::Yes, answer};
        const CombineOutcome o = job.combine({"clip.mpg.000", "b.bin.000"});
        ASSERT_EQ(job.host.asked.size(), 2u);
        EXPECT_EQ(job.host.asked[0].text,
                  "Do you want to overwrite the existing file\r\nclip.mpg?");
        EXPECT_EQ(job.host.asked[0].buttons, Buttons::YesNo);
        EXPECT_EQ(job.host.asked[0].icon, Icon::Question);
        EXPECT_EQ(job.host.asked[1].text,
                  "clip.mpg is a read-only file.\r\nDo you want to overwrite it anyway?");
        EXPECT_EQ(job.host.asked[1].icon, Icon::Exclamation);
        EXPECT_EQ(job.host.asked[1].defaultAnswer, Answer::No);
        EXPECT_FALSE(o.errorFlag);
        EXPECT_EQ(job.folder.read("b.bin"), b);
        if (answer == Answer::Yes) {
            EXPECT_EQ(o.combined, 2);
            EXPECT_TRUE(o.noDelete);
            EXPECT_EQ(job.folder.read(Clip), data);
            for (const char* kept : {"clip.mpg.001", "b.bin.001", "b.bin.000"})
                EXPECT_TRUE(job.folder.exists(kept)) << kept;
        } else {
            EXPECT_EQ(o.skipped, 1);
            EXPECT_EQ(job.folder.read(Clip), QByteArray("old"));
            EXPECT_FALSE(ownerWritable(job.folder.path(Clip)));
        }
    }
}

TEST(CombineWrite, AMissingOutputFolderIsRefusedOnceBeforeAnySet)
{
    CombineJob job;
    job.settings.CombineDelete = true;
    job.pieces({.size = 3000, .pieceSize = 1000});
    job.pieces({.name = "b.bin", .size = 2000, .pieceSize = 1000});
    const CombineOutcome o = job.combine({"clip.mpg.000", "b.bin.000"}, job.folder.path("nowhere"));
    EXPECT_EQ(job.host.messages,
              QStringList{"Nothing was combined: " + job.folder.path("nowhere")
                          + ": the folder does not exist."});
    EXPECT_EQ(o.failed, 2);
    EXPECT_FALSE(o.allCombined());
    EXPECT_TRUE(job.host.reports.empty());
    EXPECT_EQ(job.folder.names().size(), 7);  // the two sets' files, nothing more
}

// A failed copy leaves nothing under the output's name (nor its temporary
// file) and keeps every piece of the run.
TEST(CombineWrite, CopyFailureLeavesNoOutputAndKeepsEveryPieceOfTheRun)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.settings.ChunkSize = 10000;
        const QByteArray data =
            job.pieces({.name = "a.bin", .size = 60000, .pieceSize = 30000, .batch = true});
        job.pieces({.name = "b.bin", .size = 2000, .pieceSize = 1000});
        TriggeredHost host;
        host.cancels = false;
        host.answers = {answer};
        host.trigger = "50% complete (1 of 2 parts read - a.bin)";
        host.onTrigger = [&] { QFile::resize(job.folder.path("a.bin.001"), 15000); };
        const CombineOutcome o = job.combineWith(host, {"a.bin.000", "b.bin.000"});
        EXPECT_EQ(
            host.messages,
            QStringList{runtimeText(62, "Input past end of file", job.folder.path("a.bin.001"))});
        EXPECT_FALSE(job.folder.exists("a.bin"));
        EXPECT_EQ(job.folder.names().filter("tsl-incomplete"), QStringList());
        for (const char* kept : {"a.bin.000", "a.bin.001", "a.bin.002", "a.bin.bat", "b.bin.001",
                                 "b.bin.002", "b.bin.000"})
            EXPECT_TRUE(job.folder.exists(kept)) << kept;
        EXPECT_TRUE(o.noDelete);
        EXPECT_EQ(o.terminated, answer == Answer::No);
        EXPECT_EQ(o.failed, answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(o.combined, answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(job.folder.exists("b.bin"), answer == Answer::Yes);
        EXPECT_FALSE(host.statuses.contains("Processed a.bin"));
    }
}

TEST(CombineWrite, PieceThatVanishedBeforeTheCopy)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.pieces({.size = 3000, .pieceSize = 1000, .batch = true});
        TriggeredHost host;
        host.cancels = false;
        host.answers = {answer};
        host.trigger = "Checking file size for part 3 - 100% complete";
        host.onTrigger = [&] { QFile::remove(job.folder.path("clip.mpg.002")); };
        const CombineOutcome o = job.combineWith(host, {"clip.mpg.000"});
        // Whatever the answer, what is left is not the set: nothing is
        // written and every file that is left stays.
        EXPECT_EQ(host.messages,
                  (QStringList{"Part 2 is missing. Continue with the next piece?",
                               "clip.mpg was not combined: " + job.folder.path("clip.mpg.002")
                                   + ": the file is gone since the set was checked.\r\nNothing "
                                     "was written for it, and its parts were kept."}));
        EXPECT_EQ(o.combined, 0);
        EXPECT_EQ(o.failed, 1);
        EXPECT_EQ(job.folder.names(),
                  QStringList({"clip.mpg.000", "clip.mpg.001", "clip.mpg.003", "clip.mpg.bat"}));
    }
}

TEST(CombineWrite, OneProgressUpdatePerChunkAndPiece)
{
    for (const qint64 pieceSize : {12288, 12289}) {
        CombineJob job;
        job.settings.ChunkSize = 12288;  // whole blocks: used as it stands
        const QByteArray data = job.pieces({.size = 2 * pieceSize, .pieceSize = pieceSize});
        job.combine({"clip.mpg.000"});
        EXPECT_EQ(job.folder.read(Clip), data);
        const QStringList read = job.host.captions(Line::Part).filter("parts read - clip.mpg");
        // A piece of exactly one chunk is one step; one byte more is two.
        EXPECT_EQ(read.size(), pieceSize == 12288 ? 2 : 4);
        EXPECT_EQ(read.first(), "50% complete (1 of 2 parts read - clip.mpg)");
        EXPECT_EQ(read.last(), "100% complete (2 of 2 parts read - clip.mpg)");
    }
}

TEST(CombineWrite, DeletingRemovesPiecesInfoAndBatchFileOfTheSetOnly)
{
    for (const bool wipe : {false, true}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.settings.WipeOnDel = wipe;
        const QByteArray data = job.pieces({.size = 250000, .pieceSize = 100000, .batch = true});
        job.pieces({.name = "other.bin", .size = 2000, .pieceSize = 1000});
        EXPECT_EQ(job.combine({"clip.mpg.000"}).combined, 1);
        EXPECT_EQ(job.folder.read(Clip), data);
        EXPECT_EQ(job.folder.names(),
                  QStringList({Clip, "other.bin.000", "other.bin.001", "other.bin.002"}));
    }
}

TEST(CombineWrite, ExtensionRepairRenamesUnlessTheNameIsTakenOrItIsOff)
{
    for (const auto& [fixExt, taken] : {std::pair{true, false}, {false, false}, {true, true}}) {
        CombineJob job;
        job.settings.FixExt = fixExt;
        const QByteArray data = job.pieces({.name = "clip_mpg", .size = 2000, .pieceSize = 1000});
        if (taken)
            job.folder.write(Clip, "someone else's");
        const CombineOutcome o = job.combine({"clip_mpg.000"});
        const QString out = fixExt && !taken ? Clip : "clip_mpg";
        EXPECT_EQ(job.folder.read(out), data);
        EXPECT_EQ(job.folder.exists("clip_mpg"), out != Clip);
        EXPECT_EQ(o.outputs, QStringList{job.folder.path(out)});
        EXPECT_EQ(job.host.statuses.last(), "Processed " + out);
        EXPECT_TRUE(job.host.messages.isEmpty());
        EXPECT_EQ(job.folder.read(Clip), taken ? "someone else's" : out == Clip ? data : "");
    }
}

TEST(CombineWrite, OutputDirectoryFieldIsTrimmedHandedBackAndMayBeEmpty)
{
    CombineJob job;
    const QByteArray data = job.pieces({.size = 2000, .pieceSize = 1000});
    const QString out = job.folder.mkdir("out").chopped(1);
    EXPECT_EQ(
        runCombine({{"clip.mpg.000"}, job.folder.dir(), "  " + out + "  "}, job.settings, job.host)
            .folderToRecord,
        out);
    EXPECT_EQ(job.folder.read("out/clip.mpg"), data);

    job.host.answers = {Answer::Yes};
    EXPECT_EQ(runCombine({{"clip.mpg.000"}, job.folder.dir(), {}}, job.settings, job.host).outputs,
              QStringList{job.folder.path(Clip)});
}

}  // namespace
}  // namespace tsl::test
