// The Append command on real files: the bytes of the target, the progress
// captions, and what is deleted.
#include "support/engine_job.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

using AppendEngine = AppendFixture;

TEST_F(AppendEngine, NewTargetHoldsExactlyTheConcatenation)
{
    folder.writePattern("a", 25000, 1);
    folder.write("empty", {});
    folder.writePattern("c", 3, 3);
    ScriptedHost host;
    const AppendOutcome out = run({"a", "empty", "c"}, host);
    EXPECT_EQ(folder.read("out.bin"), patternBytes(25000, 1) + patternBytes(3, 3));
    EXPECT_TRUE(out.complete(3));
    EXPECT_EQ(out.appended, 3);
    EXPECT_EQ(out.bytesAppended, 25003);
    // The bar reset to 0 of 3, then one step after each entry.
    const QStringList totals = host.captions(Line::Total);
    EXPECT_EQ(totals.size(), 3);
    EXPECT_EQ(totals.first(), "33% complete (1 of 3 parts read - out.bin)");
    EXPECT_EQ(totals.last(), "100% complete (3 of 3 parts read - out.bin)");
    EXPECT_EQ(host.totalUpdates, 4);
    EXPECT_TRUE(host.progressCalls.front().caption.isNull());
    EXPECT_EQ(host.conversation, QStringList{"status: Processed out.bin"});
    // The directory text handed back for the page, trimmed.
    EXPECT_EQ(out.folderToRecord, folder.dir());
    EXPECT_TRUE(folder.exists("a"));  // nothing deleted without AppendDelete
}

TEST_F(AppendEngine, ExistingTargetKeepsItsBytesInFrontAndTheSameListTwiceDoublesTheTail)
{
    const QByteArray head = patternBytes(12345, 9);
    folder.write("out.bin", head);
    folder.writePattern("a", 20000, 1);
    folder.writePattern("b", 7, 2);
    const QByteArray tail = patternBytes(20000, 1) + patternBytes(7, 2);
    ScriptedHost host;
    run({"a", "b"}, host);
    EXPECT_EQ(folder.read("out.bin"), head + tail);
    run({"a", "b"}, host);
    EXPECT_EQ(folder.read("out.bin"), head + tail + tail);
    EXPECT_EQ(host.statuses, QStringList(2, "Processed out.bin"));
}

// An entry that cannot be appended would leave the target with the rest in
// the wrong order: the run is refused before the first byte, naming each.
TEST_F(AppendEngine, EntriesThatCannotBeAppendedRefuseTheRunBeforeTheFirstByte)
{
    folder.writePattern("a", 5, 1);
    folder.write(".hidden", "h");
    folder.mkdir("dir");
    ASSERT_TRUE(QFile::setPermissions(folder.write("locked", "l"), {}));
    const bool rootReads = QFile(folder.path("locked")).open(QIODevice::ReadOnly);
    for (const QString& target : QStringList{"old.bin", "new.bin"}) {
        if (target == "old.bin")
            folder.write(target, "old");
        ScriptedHost host;
        const AppendOutcome out = run({"a", "gone", "dir", ".hidden", "locked"}, host, target);
        QStringList bad{"gone: does not exist", "dir: is a directory", ".hidden: is a hidden file"};
        if (!rootReads)
            bad << "locked: cannot be read";
        EXPECT_EQ(out.badEntries, bad);
        EXPECT_EQ(host.conversation,
                  QStringList{"message: Nothing was appended to " + target
                              + ": these list entries cannot be appended.\r\n" + bad.join("\r\n")});
        EXPECT_TRUE(out.refused);
        EXPECT_FALSE(out.complete(5));
        EXPECT_EQ(folder.exists("new.bin"), false);
        EXPECT_EQ(folder.names().filter(".tsl-"), QStringList());
    }
    EXPECT_EQ(folder.read("old.bin"), "old");
}

// An open descriptor keeps a deleted file's bytes readable: it shows whether
// the delete wiped them first.
TEST_F(AppendEngine, DeletesTheSourcesWipingThemFirstUnlessWipingIsOff)
{
    settings.AppendDelete = true;
    for (const bool wipe : {true, false}) {
        settings.WipeOnDel = wipe;
        folder.writePattern("a", 1000, 1);
        folder.writePattern("b", 2000, 2);
        QFile heldA(folder.path("a"));
        ASSERT_TRUE(heldA.open(QIODevice::ReadOnly));
        ScriptedHost host;
        const AppendOutcome out = run({"a", "b"}, host, "out" + QString::number(wipe));
        EXPECT_EQ(folder.read("out" + QString::number(wipe)),
                  patternBytes(1000, 1) + patternBytes(2000, 2));
        EXPECT_FALSE(folder.exists("a"));
        EXPECT_FALSE(folder.exists("b"));
        EXPECT_EQ(out.deleted, 2);
        EXPECT_TRUE(out.complete(2));
        EXPECT_EQ(heldA.readAll(), wipe ? QByteArray(100000, '\0') : patternBytes(1000, 1));
    }
}

}  // namespace
}  // namespace tsl::test
