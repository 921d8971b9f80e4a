// An Append run as a transaction, on real files: an existing target is
// recorded before anything may fail, so a Cancel at "in use" leaves it as it
// was; a source that changes while it is read appends nothing; a new target
// is never more open than its sources.
#include "support/engine_job.h"
#include "support/faulty_file_system.h"

#include <QFile>
#include <sys/stat.h>

namespace tsl::test {
namespace {

TEST(AppendTransaction, CancelAtInUseLeavesTheTargetAsItWas)
{
    TempFolder t;
    t.write("target", "kept bytes");
    t.writePattern("a", 3000);
    ScriptedHost host;
    host.answers = {Answer::Cancel};  // "in use by another program": Cancel
    FaultyFileSystem disk;
    disk.failAt(FaultyFileSystem::Open, 1, EACCES);  // the target's open
    AppendOutcome o;
    {
        ScopedFileSystem installed(disk);
        o = runAppend({{"a"}, t.dir(), t.dir(), "target", t.dir()}, Settings(), host);
    }
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].kind, Ask::TargetInUse);
    EXPECT_EQ(t.read("target"), "kept bytes");
    EXPECT_FALSE(o.complete(1));
}

TEST(AppendTransaction, ASourceThatChangesWhileReadAppendsNothing)
{
    for (const bool existing : {true, false}) {
        TempFolder t;
        if (existing)
            t.write("target", "old");
        t.writePattern("a", 3000, 1);
        t.writePattern("b", 3000, 2);
        Settings s;
        s.AppendDelete = true;
        s.WipeOnDel = false;
        TriggeredHost host;
        host.cancels = false;
        host.trigger = "50% complete (1 of 2 parts read - target)";  // a was appended
        host.onTrigger = [&] {
            QFile f(t.path("a"));
            ASSERT_TRUE(f.open(QIODevice::Append));
            f.write("late");
        };
        const AppendOutcome o =
            runAppend({{"a", "b"}, t.dir(), t.dir(), "target", t.dir()}, s, host);
        EXPECT_FALSE(o.complete(2)) << existing;
        EXPECT_EQ(t.exists("target"), existing);
        if (existing) {
            EXPECT_EQ(t.read("target"), "old");
        }
        EXPECT_EQ(t.size("a"), 3004) << "a source that changed is never deleted";
        EXPECT_TRUE(t.exists("b"));
        EXPECT_TRUE(host.messages.contains("Nothing was appended to target: " + t.path("a")
                                           + ": the file changed while it was read."))
            << host.messages.join(" | ").toStdString();
    }
}

TEST(AppendTransaction, ANewTargetIsNeverMoreOpenThanItsSources)
{
    TempFolder t;
    t.writePattern("a", 300, 1);
    t.writePattern("b", 300, 2);
    QFile::setPermissions(
        t.path("a"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(t.path("b"), QFile::ReadOwner | QFile::WriteOwner);
    ScriptedHost host;
    const AppendOutcome o =
        runAppend({{"a", "b"}, t.dir(), t.dir(), "new", t.dir()}, Settings(), host);
    EXPECT_TRUE(o.complete(2));
    EXPECT_EQ(t.mode("new"), 0600u);
    EXPECT_EQ(t.read("new"), patternBytes(300, 1) + patternBytes(300, 2));
}

}  // namespace
}  // namespace tsl::test
