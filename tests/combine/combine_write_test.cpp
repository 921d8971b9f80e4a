// Combine, second half: the output file and its questions, the copy, the
// restored time stamps and attributes, deleting the pieces, the extension
// repair, and what a failure leaves on disk.
#include "combine/info_file.h"
#include "core/file_facts.h"
#include "pieces/part_names.h"
#include "support/combine_job.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");
const QString Entry = QStringLiteral("clip.mpg.000");

PieceSetLayout layout(qint64 size, qint64 pieceSize, const QString& name = Clip)
{
    PieceSetLayout s;
    s.name = name;
    s.size = size;
    s.pieceSize = pieceSize;
    return s;
}

QString runtimeText(int number, const char* description)
{
    return QStringLiteral("Runtime Error: ") + QString::number(number)
        + QStringLiteral("\r\nProcedure: frmMain.cmdCombine.Shit\r\n\r\n")
        + QString::fromLatin1(description)
        + QStringLiteral("\r\n\r\nDo you want the program to try to continue?\r\n"
                         "(Click NO to close the program.)");
}

bool ownerWritable(const QString& path)
{
    return QFileInfo(path).permissions() & QFileDevice::WriteOwner;
}

// A scripted host that does something to the files when a progress caption shows.
struct ActingHost : ScriptedHost {
    QString trigger;
    std::function<void()> action;
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override
    {
        ScriptedHost::progress(panel, line, caption, value, maximum);
        if (action && caption == trigger) {
            action();
            action = nullptr;
        }
    }
};

TEST(CombineWrite, TimeStampsAndReadOnlyAttributeComeFromTheInfoFile)
{
    CombineJob job;
    PieceSetLayout s = layout(3000, 1000);
    s.attributes = attr::ReadOnly | attr::Archive;
    const QByteArray data = writePieceSet(job.folder, s);
    job.run({Entry});
    const QFileInfo out(job.folder.path(Clip));
    EXPECT_EQ(out.lastModified().toUTC(), s.lastWrite);
    EXPECT_EQ(out.lastRead().toUTC(), s.lastAccess);
    EXPECT_FALSE(ownerWritable(out.filePath()));
    EXPECT_EQ(job.folder.read(Clip), data);

    // A set read from its pieces keeps the times of its making.
    CombineJob pieces;
    pieces.settings.HighPart = 3;
    s.info = false;
    writePieceSet(pieces.folder, s);
    pieces.host.inputs.push_back(std::nullopt);
    pieces.run({QStringLiteral("clip.mpg.001")});
    const QFileInfo made(pieces.folder.path(Clip));
    EXPECT_GT(made.lastModified().toUTC(), QDateTime::currentDateTimeUtc().addSecs(-600));
    EXPECT_TRUE(ownerWritable(made.filePath()));
}

TEST(CombineWrite, ExistingOutputOverwrittenOnYes)
{
    CombineJob job;
    const QByteArray data = writePieceSet(job.folder, layout(3000, 1000));
    job.folder.write(Clip, QByteArray(5000, 'o'));
    job.host.answers = {Answer::Yes};
    EXPECT_EQ(job.run({Entry}).combined, 1);
    ASSERT_EQ(job.host.asked.size(), 1u);
    EXPECT_EQ(job.host.asked[0].text,
              QStringLiteral("Do you want to overwrite the existing file\r\nclip.mpg?"));
    EXPECT_EQ(job.host.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(job.host.asked[0].icon, Icon::Question);
    EXPECT_EQ(job.folder.read(Clip), data);
}

TEST(CombineWrite, ExistingOutputNoAsksForANameUntilAFreeOne)
{
    CombineJob job;
    const QByteArray data = writePieceSet(job.folder, layout(3000, 1000));
    job.folder.write(Clip, "old");
    job.folder.write(QStringLiteral(".other"), "hidden");
    job.host.answers = {Answer::No};
    job.host.inputs = {QStringLiteral(".other"), QStringLiteral("fresh")};
    const CombineOutcome o = job.run({Entry});
    EXPECT_EQ(job.host.prompts,
              (QStringList{QStringLiteral("Enter a new filename for\r\nclip.mpg."),
                           QStringLiteral(".other exists, too. Please try again.")}));
    EXPECT_EQ(o.outputs, QStringList{job.folder.path(QStringLiteral("fresh"))});
    EXPECT_EQ(job.folder.read(QStringLiteral("fresh")), data);
    EXPECT_EQ(job.folder.read(Clip), QByteArray("old"));
    EXPECT_EQ(job.folder.read(QStringLiteral(".other")), QByteArray("hidden"));
    EXPECT_EQ(job.host.statuses.last(), QStringLiteral("Processed fresh"));
}

TEST(CombineWrite, ExistingOutputNoAndNoNameSkipsTheSetAndKeepsThePieces)
{
    CombineJob job;
    job.settings.CombineDelete = true;
    writePieceSet(job.folder, layout(3000, 1000));
    job.folder.write(Clip, "old");
    job.host.answers = {Answer::No};
    job.host.inputs = {QString()};
    const CombineOutcome o = job.run({Entry});
    EXPECT_EQ(o.skipped, 1);
    EXPECT_EQ(job.folder.read(Clip), QByteArray("old"));
    EXPECT_EQ(job.folder.names().size(), 5);  // clip.mpg, .000 and three pieces
}

TEST(CombineWrite, ReadOnlyOutputYesOverwritesButKeepsPiecesForTheWholeRun)
{
    CombineJob job;
    job.settings.CombineDelete = true;
    const QByteArray data = writePieceSet(job.folder, layout(3000, 1000));
    PieceSetLayout b = layout(2000, 1000, QStringLiteral("b.bin"));
    const QByteArray bData = writePieceSet(job.folder, b);
    job.folder.write(Clip, "old");
    applyAttributes(job.folder.path(Clip), attr::ReadOnly);
    job.host.answers = {Answer::Yes, Answer::Yes};
    const CombineOutcome o = job.run({Entry, QStringLiteral("b.bin.000")});
    ASSERT_EQ(job.host.asked.size(), 2u);
    EXPECT_EQ(job.host.asked[1].text,
              QStringLiteral("clip.mpg is a read-only file.\r\n"
                             "Do you want to overwrite it anyway?"));
    EXPECT_EQ(job.host.asked[1].icon, Icon::Exclamation);
    EXPECT_EQ(job.host.asked[1].defaultAnswer, Answer::No);
    EXPECT_EQ(o.combined, 2);
    EXPECT_TRUE(o.noDelete);
    EXPECT_FALSE(o.errorFlag);
    EXPECT_EQ(job.folder.read(Clip), data);
    EXPECT_EQ(job.folder.read(QStringLiteral("b.bin")), bData);
    EXPECT_TRUE(job.folder.exists(QStringLiteral("clip.mpg.001")));
    EXPECT_TRUE(job.folder.exists(QStringLiteral("b.bin.001")));
    EXPECT_TRUE(job.folder.exists(QStringLiteral("b.bin.000")));
}

TEST(CombineWrite, ReadOnlyOutputNoLeavesItAsItWas)
{
    CombineJob job;
    writePieceSet(job.folder, layout(3000, 1000));
    job.folder.write(Clip, "old");
    applyAttributes(job.folder.path(Clip), attr::ReadOnly);
    job.host.answers = {Answer::Yes, Answer::No};
    EXPECT_EQ(job.run({Entry}).skipped, 1);
    EXPECT_EQ(job.folder.read(Clip), QByteArray("old"));
    EXPECT_FALSE(ownerWritable(job.folder.path(Clip)));
}

TEST(CombineWrite, OutputThatCannotBeCreatedIsARunTimeErrorOfTheSet)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        writePieceSet(job.folder, layout(3000, 1000));
        job.host.answers = {answer};
        const CombineOutcome o = job.run({Entry}, job.folder.path(QStringLiteral("nowhere")));
        EXPECT_EQ(job.host.messages, QStringList{runtimeText(76, "Path not found")});
        EXPECT_EQ(o.terminated, answer == Answer::No);
        EXPECT_EQ(o.failed, answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(o.errorFlag, answer == Answer::Yes);
        EXPECT_EQ(job.folder.names().size(), 4);
    }
}

TEST(CombineWrite, CopyFailureKeepsWhatWasWrittenAndEveryPieceOfTheRun)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.settings.ChunkSize = 10000;
        PieceSetLayout a = layout(60000, 30000, QStringLiteral("a.bin"));
        a.batch = true;
        const QByteArray data = writePieceSet(job.folder, a);
        writePieceSet(job.folder, layout(2000, 1000, QStringLiteral("b.bin")));
        ActingHost host;
        host.answers = {answer};
        host.trigger = QStringLiteral("50% complete (1 of 2 parts read - a.bin)");
        const QString first = job.folder.path(QStringLiteral("a.bin.001"));
        host.action = [first] { QFile(first).resize(15000); };
        const CombineOutcome o = job.runWith(host, {QStringLiteral("a.bin.000"),
                                                    QStringLiteral("b.bin.000")});
        EXPECT_EQ(host.messages, QStringList{runtimeText(62, "Input past end of file")});
        EXPECT_EQ(job.folder.read(QStringLiteral("a.bin")), data.left(15000));
        for (const char* kept : {"a.bin.000", "a.bin.001", "a.bin.002", "a.bin.bat", "b.bin.001",
                                 "b.bin.002", "b.bin.000"})
            EXPECT_TRUE(job.folder.exists(QString::fromLatin1(kept))) << kept;
        EXPECT_TRUE(o.noDelete);
        if (answer == Answer::Yes) {
            EXPECT_EQ(o.failed, 1);
            EXPECT_EQ(o.combined, 1);
            EXPECT_TRUE(job.folder.exists(QStringLiteral("b.bin")));
            EXPECT_FALSE(host.statuses.contains(QStringLiteral("Processed a.bin")));
        } else {
            EXPECT_TRUE(o.terminated);
            EXPECT_FALSE(job.folder.exists(QStringLiteral("b.bin")));
        }
    }
}

TEST(CombineWrite, PieceThatVanishedBeforeTheCopy)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        PieceSetLayout s = layout(3000, 1000);
        s.batch = true;
        const QByteArray data = writePieceSet(job.folder, s);
        ActingHost host;
        host.answers = {answer};
        host.trigger = QStringLiteral("Checking file size for part 3 - 100% complete");
        const QString second = job.folder.path(QStringLiteral("clip.mpg.002"));
        host.action = [second] { QFile::remove(second); };
        const CombineOutcome o = job.runWith(host, {Entry});
        EXPECT_EQ(host.messages,
                  QStringList{QStringLiteral("Part 2 is missing. Continue with the next piece?")});
        // The set is finished, but not reported as whole, and the info file
        // and batch file stay as the record of what is left.
        EXPECT_EQ(o.combined, 1);
        EXPECT_EQ(o.incomplete, 1);
        EXPECT_FALSE(o.allCombined());
        EXPECT_EQ(host.statuses.last(), QStringLiteral("Processed clip.mpg"));
        const QStringList record{QStringLiteral("clip.mpg.000"), QStringLiteral("clip.mpg.bat")};
        if (answer == Answer::Yes) {
            EXPECT_EQ(job.folder.read(Clip), data.left(1000) + data.mid(2000));
            EXPECT_EQ(job.folder.names(), QStringList{Clip} + record);
        } else {
            EXPECT_EQ(job.folder.read(Clip), data.left(1000));
            EXPECT_EQ(job.folder.names(),
                      QStringList{Clip} + record.mid(0, 1) + QStringList{QStringLiteral("clip.mpg.003")}
                          + record.mid(1));
        }
    }
}

TEST(CombineWrite, OneProgressUpdatePerChunkAndPiece)
{
    for (const qint64 pieceSize : {qint64(10000), qint64(10001)}) {
        CombineJob job;
        job.settings.ChunkSize = 10000;
        const QByteArray data = writePieceSet(job.folder, layout(2 * pieceSize, pieceSize));
        job.run({Entry});
        EXPECT_EQ(job.folder.read(Clip), data);
        const QStringList read =
            job.host.captions(Line::Part).filter(QStringLiteral("parts read - clip.mpg"));
        // A piece of exactly one chunk is one step; one byte more is two.
        EXPECT_EQ(read.size(), pieceSize == 10000 ? 2 : 4);
        EXPECT_EQ(read.first(), QStringLiteral("50% complete (1 of 2 parts read - clip.mpg)"));
        EXPECT_EQ(read.last(), QStringLiteral("100% complete (2 of 2 parts read - clip.mpg)"));
    }
}

TEST(CombineWrite, DeletingRemovesPiecesInfoAndBatchFileOfTheSetOnly)
{
    for (const bool wipe : {false, true}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.settings.WipeOnDel = wipe;
        PieceSetLayout s = layout(250000, 100000);
        s.batch = true;
        const QByteArray data = writePieceSet(job.folder, s);
        writePieceSet(job.folder, layout(2000, 1000, QStringLiteral("other.bin")));
        EXPECT_EQ(job.run({Entry}).combined, 1);
        EXPECT_EQ(job.folder.read(Clip), data);
        EXPECT_EQ(job.folder.names(),
                  (QStringList{Clip, QStringLiteral("other.bin.000"),
                               QStringLiteral("other.bin.001"), QStringLiteral("other.bin.002")}));
    }
}

TEST(CombineWrite, ExtensionRepairRenamesUnlessTheNameIsTaken)
{
    CombineJob job;
    const QByteArray data = writePieceSet(job.folder, layout(2000, 1000, QStringLiteral("clip_mpg")));
    CombineOutcome o = job.run({QStringLiteral("clip_mpg.000")});
    EXPECT_EQ(job.folder.read(Clip), data);
    EXPECT_FALSE(job.folder.exists(QStringLiteral("clip_mpg")));
    EXPECT_EQ(o.outputs, QStringList{job.folder.path(Clip)});
    EXPECT_EQ(job.host.statuses.last(), QStringLiteral("Processed clip.mpg"));

    CombineJob off;
    off.settings.FixExt = false;
    writePieceSet(off.folder, layout(2000, 1000, QStringLiteral("clip_mpg")));
    off.run({QStringLiteral("clip_mpg.000")});
    EXPECT_TRUE(off.folder.exists(QStringLiteral("clip_mpg")));
    EXPECT_FALSE(off.folder.exists(Clip));

    CombineJob taken;
    writePieceSet(taken.folder, layout(2000, 1000, QStringLiteral("clip_mpg")));
    taken.folder.write(Clip, "someone else's");
    o = taken.run({QStringLiteral("clip_mpg.000")});
    EXPECT_EQ(taken.folder.read(Clip), QByteArray("someone else's"));
    EXPECT_EQ(taken.folder.size(QStringLiteral("clip_mpg")), 2000);
    EXPECT_EQ(taken.host.statuses.last(), QStringLiteral("Processed clip_mpg"));
    EXPECT_TRUE(taken.host.messages.isEmpty());
}

struct RecordingWriter : SettingWriter {
    QStringList calls;
    void WriteReg(const QString& key, const QString& value, const QString& section) override
    {
        calls << key + QLatin1Char('=') + value + QLatin1Char('@') + section;
    }
};

TEST(CombineWrite, OutputDirectoryFieldIsTrimmedRecordedAndMayBeEmpty)
{
    CombineJob job;
    const QByteArray data = writePieceSet(job.folder, layout(2000, 1000));
    const QString out = job.folder.mkdir(QStringLiteral("out"));
    RecordingWriter writer;
    const QString typed = QStringLiteral("  ") + out.chopped(1) + QStringLiteral("  ");
    CombineRequest request{{Entry}, job.folder.dir(), typed, job.settings, &writer};
    combineSets(request, job.host);
    EXPECT_EQ(writer.calls, QStringList{QStringLiteral("CombineDir=") + out.chopped(1)
                                        + QStringLiteral("@Combine")});
    EXPECT_EQ(job.folder.read(QStringLiteral("out/clip.mpg")), data);

    CombineRequest empty{{Entry}, job.folder.dir(), QString(), job.settings, nullptr};
    job.host.answers = {Answer::Yes};
    EXPECT_EQ(combineSets(empty, job.host).outputs, QStringList{job.folder.path(Clip)});
}

TEST(CombineWrite, RoundTripOfTheInfoWriterAndTheLetterScheme)
{
    CombineJob job;
    const QString source = job.folder.writePattern(QStringLiteral("movie.avi"), 10010, 3);
    const QByteArray data = job.folder.read(QStringLiteral("movie.avi"));
    const QDateTime written(QDate(2004, 5, 6), QTime(7, 8, 9), Qt::UTC);
    ASSERT_TRUE(applyTimes(source, written, written));
    for (qint64 i = 1; i <= 1001; ++i)
        job.folder.write(QStringLiteral("movie.avi.") + PartExt(i, true), pieceOf(data, 10, i));
    ASSERT_FALSE(writeInfoFile(source, job.folder.path(QStringLiteral("movie.avi.000")), 1001, 10)
                     .failed());
    QFile::remove(source);
    EXPECT_EQ(job.run({QStringLiteral("movie.avi.000")}).combined, 1);
    EXPECT_EQ(QFileInfo(source).lastModified().toUTC(), written);
    EXPECT_EQ(job.folder.read(QStringLiteral("movie.avi")), data);
}

}  // namespace
}  // namespace tsl::test
