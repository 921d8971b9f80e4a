// The Append command on real files: the bytes of the target, the progress
// captions, the chunking, and what is deleted.
#include "append/append_test_support.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

class AppendEngine : public ::testing::Test, public AppendFixture
{
};

TEST_F(AppendEngine, NewTargetHoldsExactlyTheConcatenation)
{
    folder.writePattern(QStringLiteral("a"), 25000, 1);
    folder.write(QStringLiteral("empty"), {});
    folder.writePattern(QStringLiteral("c"), 3, 3);
    ScriptedHost host;
    const AppendOutcome out
        = run({ QStringLiteral("a"), QStringLiteral("empty"), QStringLiteral("c") }, host);

    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), patternBytes(25000, 1) + patternBytes(3, 3));
    EXPECT_TRUE(out.complete(3));
    EXPECT_EQ(out.appended, 3);
    EXPECT_EQ(out.bytesAppended, 25003);
    EXPECT_EQ(host.captions(Line::Total),
        QStringList({ QStringLiteral("33% complete (1 of 3 parts read - out.bin)"),
            QStringLiteral("66% complete (2 of 3 parts read - out.bin)"),
            QStringLiteral("100% complete (3 of 3 parts read - out.bin)") }));
    ASSERT_FALSE(host.progressCalls.empty());
    EXPECT_TRUE(host.progressCalls.front().caption.isNull());  // the bar reset to 0 of 3
    EXPECT_EQ(host.progressCalls.front().maximum, 3);
    EXPECT_EQ(host.progressCalls.back().value, 3);
    EXPECT_EQ(host.conversation, QStringList({ QStringLiteral("status: Processed out.bin") }));
    EXPECT_EQ(host.busyOn, 1);
    EXPECT_EQ(host.busyOff, 1);
    EXPECT_EQ(host.pumps, 4);  // once at the start, once after each entry
    // Nothing deleted without AppendDelete.
    EXPECT_TRUE(folder.exists(QStringLiteral("a")));
}

TEST_F(AppendEngine, ExistingTargetKeepsItsBytesInFrontAndTheSameListTwiceDoublesTheTail)
{
    const QByteArray head = patternBytes(12345, 9);
    folder.write(QStringLiteral("out.bin"), head);
    folder.writePattern(QStringLiteral("a"), 20000, 1);
    folder.writePattern(QStringLiteral("b"), 7, 2);
    const QByteArray tail = patternBytes(20000, 1) + patternBytes(7, 2);
    ScriptedHost host;
    run({ QStringLiteral("a"), QStringLiteral("b") }, host);
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), head + tail);
    run({ QStringLiteral("a"), QStringLiteral("b") }, host);
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), head + tail + tail);
    EXPECT_EQ(host.statuses, QStringList(2, QStringLiteral("Processed out.bin")));
}

TEST_F(AppendEngine, VanishedEntryIsPassedOverSilentlyButCountedInTheProgress)
{
    folder.writePattern(QStringLiteral("a"), 5, 1);
    folder.writePattern(QStringLiteral("b"), 6, 2);
    folder.mkdir(QStringLiteral("dir"));
    ScriptedHost host;
    const AppendOutcome out = run(
        { QStringLiteral("a"), QStringLiteral("gone"), QStringLiteral("dir"), QStringLiteral("b") },
        host);
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), patternBytes(5, 1) + patternBytes(6, 2));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(host.captions(Line::Total).at(1),
        QStringLiteral("50% complete (2 of 4 parts read - out.bin)"));
    EXPECT_EQ(host.captions(Line::Total).size(), 4);
    EXPECT_EQ(out.skipped, 2);
    EXPECT_EQ(out.passedOver, QStringList({ QStringLiteral("gone"), QStringLiteral("dir") }));
    EXPECT_FALSE(out.complete(4));
    EXPECT_EQ(host.statuses, QStringList({ QStringLiteral("Processed out.bin") }));
}

TEST_F(AppendEngine, ChunkSizeSourceIsOneCopyAndOneMoreByteIsAChunkPlusOneByte)
{
    folder.writePattern(QStringLiteral("exact"), 10000, 1);
    folder.writePattern(QStringLiteral("plus1"), 10001, 2);
    ScriptedHost host;
    AppendOutcome out = run({ QStringLiteral("exact") }, host, QStringLiteral("t1"));
    EXPECT_EQ(out.chunkCopies, 1);
    EXPECT_EQ(out.largestChunk, 10000);
    EXPECT_EQ(folder.read(QStringLiteral("t1")), patternBytes(10000, 1));

    out = run({ QStringLiteral("plus1") }, host, QStringLiteral("t2"));
    EXPECT_EQ(out.chunkCopies, 2);
    EXPECT_EQ(out.largestChunk, 10000);
    EXPECT_EQ(out.bytesAppended, 10001);
    EXPECT_EQ(folder.read(QStringLiteral("t2")), patternBytes(10001, 2));
}

TEST_F(AppendEngine, RecordsTheTrimmedDirectoryText)
{
    struct Recorder : SettingWriter {
        QStringList writes;
        void WriteReg(const QString& key, const QString& value, const QString& section) override
        {
            writes << section + QLatin1Char('/') + key + QLatin1Char('=') + value;
        }
    } recorder;
    folder.write(QStringLiteral("a"), "x");
    ScriptedHost host;
    appendFiles(request({ QStringLiteral("a") }), settings, &recorder, host);
    EXPECT_EQ(
        recorder.writes, QStringList({ QStringLiteral("Append/AppendPartDir=") + folder.dir() }));
}

TEST_F(AppendEngine, WorksFromTheListAsItWasAtTheStart)
{
    folder.write(QStringLiteral("a"), "A");
    folder.write(QStringLiteral("b"), "B");
    AppendRequest req = request({ QStringLiteral("a"), QStringLiteral("b") });
    ActingHost host;
    host.onPump = [&](int pump) {
        if (pump == 2)  // after the first entry: the user rearranges the list
            req.entries
                = QStringList({ QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a") });
    };
    appendFiles(req, settings, nullptr, host);
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), QByteArray("AB"));
    EXPECT_EQ(host.captions(Line::Total).last(),
        QStringLiteral("100% complete (2 of 2 parts read - out.bin)"));
}

// An open descriptor keeps a deleted file's bytes readable: it shows whether
// the delete wiped them first.
TEST_F(AppendEngine, DeletesTheSourcesWipingThemFirstUnlessWipingIsOff)
{
    folder.writePattern(QStringLiteral("a"), 1000, 1);
    folder.writePattern(QStringLiteral("b"), 2000, 2);
    settings.AppendDelete = true;
    QFile heldA(folder.path(QStringLiteral("a")));
    ASSERT_TRUE(heldA.open(QIODevice::ReadOnly));
    ScriptedHost host;
    const AppendOutcome out = run({ QStringLiteral("a"), QStringLiteral("b") }, host);

    EXPECT_EQ(
        folder.read(QStringLiteral("out.bin")), patternBytes(1000, 1) + patternBytes(2000, 2));
    EXPECT_FALSE(folder.exists(QStringLiteral("a")));
    EXPECT_FALSE(folder.exists(QStringLiteral("b")));
    EXPECT_EQ(out.deleted, 2);
    EXPECT_TRUE(out.complete(2));
    EXPECT_EQ(heldA.readAll(), QByteArray(100000, '\0'));

    folder.writePattern(QStringLiteral("c"), 1000, 3);
    settings.WipeOnDel = false;
    QFile heldC(folder.path(QStringLiteral("c")));
    ASSERT_TRUE(heldC.open(QIODevice::ReadOnly));
    run({ QStringLiteral("c") }, host);
    EXPECT_FALSE(folder.exists(QStringLiteral("c")));
    EXPECT_EQ(heldC.readAll(), patternBytes(1000, 3));
}

TEST_F(AppendEngine, AnEntryPassedOverIsNotDeletedWhenItsFileTurnsUpMeanwhile)
{
    folder.write(QStringLiteral("a"), "A");
    settings.AppendDelete = true;
    ActingHost host;
    host.onPump = [&](int pump) {
        if (pump == 3)  // after "late" was passed over
            folder.write(QStringLiteral("late"), "never appended");
    };
    const AppendOutcome out = run({ QStringLiteral("a"), QStringLiteral("late") }, host);
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), QByteArray("A"));
    EXPECT_FALSE(folder.exists(QStringLiteral("a")));
    EXPECT_EQ(folder.read(QStringLiteral("late")), QByteArray("never appended"));
    EXPECT_EQ(out.deleted, 1);
}

}  // namespace
}  // namespace tsl::test
