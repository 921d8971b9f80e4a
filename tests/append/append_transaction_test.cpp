// Append is all or nothing, on real files: an existing target is recorded
// before anything may fail, so a Cancel at "in use" leaves it as it was; a
// cancel or a source that changes while it is read takes the run back (an
// existing target cut back to its old length, a new one, written under a
// temporary name until complete, removed); a target that is a link is
// refused; a new target is never more open than its sources.
#include "support/engine_job.h"
#include "support/faulty_file_system.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

using AppendTransaction = AppendFixture;
using AppendCancel = AppendFixture;

TEST_F(AppendTransaction, CancelAtInUseLeavesTheTargetAsItWas)
{
    folder.write("out.bin", "kept bytes");
    folder.writePattern("a", 3000);
    ScriptedHost host;
    host.answers = {Answer::Cancel};  // "in use by another program": Cancel
    FaultyFileSystem disk;
    disk.failAt(FaultyFileSystem::Open, 1, EACCES);  // the target's open
    AppendOutcome o;
    {
        ScopedFileSystem installed(disk);
        o = run({"a"}, host);
    }
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].kind, Ask::TargetInUse);
    EXPECT_EQ(folder.read("out.bin"), "kept bytes");
    EXPECT_FALSE(o.complete(1));
}

TEST_F(AppendTransaction, ASourceThatChangesWhileReadAppendsNothing)
{
    settings.AppendDelete = true;
    settings.WipeOnDel = false;
    for (const bool existing : {true, false}) {
        const QString target = existing ? "old.bin" : "new.bin";
        if (existing)
            folder.write(target, "old");
        folder.writePattern("a", 3000, 1);
        folder.writePattern("b", 3000, 2);
        TriggeredHost host;
        host.cancels = false;
        host.trigger = "50% complete (1 of 2 parts read - " + target + ")";  // a was appended
        host.onTrigger = [&] {
            QFile f(folder.path("a"));
            ASSERT_TRUE(f.open(QIODevice::Append));
            f.write("late");
        };
        const AppendOutcome o = run({"a", "b"}, host, target);
        EXPECT_FALSE(o.complete(2)) << existing;
        EXPECT_EQ(folder.exists(target), existing);
        if (existing) {
            EXPECT_EQ(folder.read(target), "old");
        }
        EXPECT_EQ(folder.size("a"), 3004) << "a source that changed is never deleted";
        EXPECT_TRUE(folder.exists("b"));
        EXPECT_TRUE(host.messages.contains("Nothing was appended to " + target + ": "
                                           + folder.path("a")
                                           + ": the file changed while it was read."))
            << host.messages.join(" | ").toStdString();
    }
}

TEST_F(AppendTransaction, ANewTargetIsNeverMoreOpenThanItsSources)
{
    folder.writePattern("a", 300, 1);
    folder.writePattern("b", 300, 2);
    QFile::setPermissions(folder.path("a"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                              | QFile::ReadOther);
    QFile::setPermissions(folder.path("b"), QFile::ReadOwner | QFile::WriteOwner);
    ScriptedHost host;
    EXPECT_TRUE(run({"a", "b"}, host, "new").complete(2));
    EXPECT_EQ(folder.mode("new"), 0600u);
    EXPECT_EQ(folder.read("new"), patternBytes(300, 1) + patternBytes(300, 2));
}

TEST_F(AppendCancel, BetweenFilesTheTargetIsTakenBack)
{
    folder.writePattern("a", 25000, 1);
    folder.writePattern("b", 25000, 2);
    for (const bool existing : {true, false}) {
        if (existing)
            folder.write("out.bin", "old");
        TriggeredHost host;
        host.trigger = "50% complete (1 of 2 parts read - out.bin)";
        QStringList namesDuring;
        host.onTrigger = [&] { namesDuring = folder.names(); };
        const AppendOutcome out = run({"a", "b"}, host);
        EXPECT_TRUE(out.cancelled);
        EXPECT_FALSE(out.complete(2));
        EXPECT_TRUE(host.statuses.isEmpty());
        if (existing) {
            EXPECT_EQ(folder.read("out.bin"), "old");
            EXPECT_EQ(out.undone,
                      QStringList{"cut " + folder.path("out.bin") + " back to 3 bytes"});
        } else {
            // Meanwhile only the temporary file had the bytes; now neither is there.
            const QStringList temporary = namesDuring.filter(QRegularExpression("^\\.tsl-a"));
            ASSERT_EQ(temporary.size(), 1);
            EXPECT_FALSE(namesDuring.contains("out.bin"));
            EXPECT_EQ(out.undone, QStringList{"removed " + folder.path(temporary.first())});
        }
        EXPECT_EQ(folder.names(),
                  existing ? QStringList({"a", "b", "out.bin"}) : QStringList({"a", "b"}));
        EXPECT_EQ(folder.read("a"), patternBytes(25000, 1));
        QFile::remove(folder.path("out.bin"));
    }
}

TEST_F(AppendCancel, ATargetThatIsALinkIsRefused)
{
    const QString victim = folder.write("victim", "keep me");
    ASSERT_TRUE(QFile::link(victim, folder.path("out.bin")));
    folder.write("a", "A");
    ScriptedHost host;
    const AppendOutcome out = run({"a"}, host);
    EXPECT_TRUE(out.refused);
    EXPECT_EQ(host.conversation,
              QStringList{"message: out.bin is a symbolic link. Name the file it leads "
                          "to;\r\nnothing was appended."});
    EXPECT_EQ(folder.read("victim"), "keep me");
    EXPECT_TRUE(QFileInfo(folder.path("out.bin")).isSymLink());
}

}  // namespace
}  // namespace tsl::test
