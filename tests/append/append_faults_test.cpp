// The Append command when things go wrong: the read-only and in-use
// conversations, a list holding the target itself, a source that cannot be
// read completely, a target that cannot be opened.
#include "core/file_facts.h"
#include "support/engine_job.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tsl::test {
namespace {

const QString ReadOnlyQuestion =
    "out.bin is a read-only file.\r\nDo you want to add the selected files to it anyway?";

QString inUseMessage(const QString& target)
{
    return target
        + " is in use by another program.\r\nTo add the specified parts to the file, "
          "first close\r\nit in whatever program is using it, and then click OK.";
}

struct AppendFaults : AppendFixture {
    const QByteArray head = "old bytes";
    AppendFaults()
    {
        folder.write("out.bin", head);
        folder.write("a", "AAA");
        folder.write("b", "BB");
        settings.AppendDelete = true;
    }
};

TEST_F(AppendFaults, ReadOnlyTargetYesIsAppendedButNoSourceDeletedNoLeavesItAlone)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        ASSERT_TRUE(applyAttributes(folder.path("out.bin"), attr::ReadOnly));
        ScriptedHost host;
        host.answers = {answer};
        const AppendOutcome out = run({"a", "b"}, host);
        ASSERT_EQ(host.asked.size(), 1u);
        EXPECT_EQ(host.asked[0].text, ReadOnlyQuestion);
        EXPECT_EQ(host.asked[0].buttons, Buttons::YesNo);
        EXPECT_EQ(host.asked[0].icon, Icon::Exclamation);
        EXPECT_EQ(host.asked[0].defaultAnswer, Answer::No);
        EXPECT_TRUE(folder.exists("a"));
        EXPECT_TRUE(folder.exists("b"));
        const bool yes = answer == Answer::Yes;
        EXPECT_EQ(folder.read("out.bin"), yes ? head + "AAABB" : head);
        EXPECT_EQ(fileAttributes(folder.path("out.bin")) & attr::ReadOnly,
                  yes ? 0 : attr::ReadOnly);
        EXPECT_EQ(out.sourcesKept, yes);
        EXPECT_EQ(out.stopped, !yes);
        // No leaves the status line as it was, and the progress untouched.
        EXPECT_EQ(host.statuses, yes ? QStringList{"Processed out.bin"} : QStringList());
        EXPECT_EQ(host.captions(Line::Total).isEmpty(), !yes);
        folder.write("out.bin", head);
    }
}

// Every spelling of the target in its list is refused before anything is
// written: the same name, "./", "..", a link, a second hard link, a link to a
// target not yet there, and the new target's own name.
TEST_F(AppendFaults, TargetInItsOwnListIsRefusedWithNothingWritten)
{
    folder.mkdir("sub");
    ASSERT_TRUE(QFile::link(folder.path("out.bin"), folder.path("link")));
    ASSERT_TRUE(QFile::link("new.bin", folder.path("dangling")));
    ASSERT_EQ(::link(QFile::encodeName(folder.path("out.bin")).constData(),
                     QFile::encodeName(folder.path("hard")).constData()),
              0);
    const std::pair<QString, QString> cases[] = {
        {"out.bin", "out.bin"}, {"./out.bin", "out.bin"}, {"sub/../out.bin", "out.bin"},
        {"link", "out.bin"},    {"hard", "out.bin"},      {"dangling", "new.bin"},
        {"new.bin", "new.bin"},
    };
    for (const auto& [entry, target] : cases) {
        ScriptedHost host;
        const AppendOutcome out = run({"a", entry, "b"}, host, target);
        EXPECT_EQ(host.conversation,
                  QStringList{"message: " + target
                              + " cannot be appended to itself: the list "
                                "entry "
                              + entry + " is that file.\r\nNothing was appended."})
            << entry.toStdString();
        EXPECT_TRUE(out.refused);
        EXPECT_EQ(host.asked.at(0).icon, Icon::Exclamation);
        EXPECT_EQ(folder.read("out.bin"), head);
        EXPECT_FALSE(folder.exists("new.bin")) << entry.toStdString();
        EXPECT_TRUE(folder.exists("a"));
    }
}

// A file under /sys says it holds 4096 bytes and gives far fewer: a source
// that cannot be read completely.
QString shortSysFile()
{
    for (const char* name : {"/sys/kernel/mm/transparent_hugepage/enabled",
                             "/sys/kernel/uevent_seqnum", "/sys/kernel/profiling"}) {
        QFile f(name);
        if (f.open(QIODevice::ReadOnly) && QFileInfo(f).size() > f.readAll().size())
            return f.fileName();
    }
    return {};
}

// Whatever the answer, the run is taken back: the target cut to its old
// length, every source kept.
TEST_F(AppendFaults, SourceThatCannotBeReadCompletelyIsARuntimeErrorAndTheRunIsTakenBack)
{
    const QString sys = shortSysFile();
    if (sys.isEmpty())
        GTEST_SKIP() << "no /sys file whose size overstates its contents";
    ASSERT_TRUE(QFile::link(sys, folder.path("short")));
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        ScriptedHost host;
        host.answers = {answer};
        const AppendOutcome out = run({"a", "short", "b"}, host);
        EXPECT_EQ(host.messages,
                  QStringList{runtimeQuestion(62, "Input past end of file", "frmMain.cmdAppend",
                                              folder.path("short"))});
        EXPECT_EQ(host.asked.at(0).defaultAnswer, Answer::No);
        EXPECT_EQ(folder.read("out.bin"), head);
        EXPECT_EQ(out.undone, QStringList{"cut " + folder.path("out.bin") + " back to 9 bytes"});
        EXPECT_EQ(out.failed, 1);
        EXPECT_EQ(out.appended, 0);
        EXPECT_EQ(out.terminated, answer == Answer::No);
        EXPECT_TRUE(folder.exists("a"));
        EXPECT_TRUE(folder.exists("b"));
        EXPECT_TRUE(host.statuses.isEmpty());
    }
}

// Foreseen, so refused before the first byte with the folder named.
TEST_F(AppendFaults, TargetInAMissingDirectoryIsRefused)
{
    ScriptedHost host;
    const AppendOutcome out = run({"a"}, host, "nodir/out.bin");
    EXPECT_EQ(host.messages,
              QStringList{"Nothing was appended to nodir/out.bin: " + folder.path("nodir")
                          + ": the folder does not exist."});
    EXPECT_TRUE(out.refused);
    EXPECT_FALSE(out.terminated);
    EXPECT_TRUE(host.statuses.isEmpty());
    EXPECT_TRUE(folder.exists("a"));
}

// A running program's file cannot be opened for writing (ETXTBSY): the
// in-use conversation. OK after the program ended goes on; Cancel stops.
TEST_F(AppendFaults, TargetInUseByARunningProgram)
{
    const QString prog = folder.path("prog");
    ASSERT_TRUE(QFile::copy("/bin/sleep", prog));
    const QByteArray before = folder.read("prog");
    QProcess running;
    running.start(prog, {"60"});
    if (!running.waitForStarted())
        GTEST_SKIP() << "cannot run a program from the temporary folder";

    ScriptedHost cancel;
    cancel.answers = {Answer::Cancel};
    EXPECT_TRUE(run({"a"}, cancel, "prog").stopped);
    ASSERT_EQ(cancel.asked.size(), 1u);
    EXPECT_EQ(cancel.asked[0].text, inUseMessage("prog"));
    EXPECT_EQ(cancel.asked[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(cancel.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(cancel.asked[0].defaultAnswer, Answer::Cancel);
    EXPECT_TRUE(cancel.statuses.isEmpty());

    TriggeredHost ok;
    ok.answers = {Answer::Ok};
    ok.onAsk = [&] {  // the user closes the program, then clicks OK
        running.kill();
        running.waitForFinished();
    };
    const AppendOutcome out = run({"a", "b"}, ok, "prog");
    EXPECT_EQ(ok.messages, QStringList{inUseMessage("prog")});
    EXPECT_EQ(folder.read("prog"), before + "AAABB");
    EXPECT_EQ(out.appended, 2);
    EXPECT_TRUE(out.sourcesKept);
    EXPECT_TRUE(folder.exists("a"));
    EXPECT_EQ(ok.statuses, QStringList{"Processed prog"});
    running.kill();
    running.waitForFinished();
}

// Sets or clears the immutable flag of path (root only); false when refused.
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

// A new target in a folder that cannot be written (immutable, which holds
// for root too) is refused before the first byte, never the in-use conversation.
TEST_F(AppendFaults, NewTargetInAFolderThatCannotBeWrittenIsRefused)
{
    const QString locked = folder.mkdir("locked");
    if (!setImmutable(locked, true))
        GTEST_SKIP() << "this file system or user cannot make a folder immutable";
    ScriptedHost host;
    host.answers = {Answer::Yes};
    const AppendOutcome out = run({"a"}, host, "locked/out.bin");
    setImmutable(locked, false);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].text,
              "Nothing was appended to locked/out.bin: " + folder.path("locked")
                  + ": the folder cannot be written to.");
    EXPECT_TRUE(out.refused);
    EXPECT_FALSE(folder.exists("locked/out.bin"));
    EXPECT_TRUE(folder.exists("a"));
}

// A write refused in the middle of the run (the target made immutable after
// the first source) is the in-use conversation too; after OK the refused
// chunk goes to its own place, nothing doubled or lost.
TEST_F(AppendFaults, WriteRefusedMidRunIsTheInUseConversationAndTheChunkIsRepeated)
{
    const QString target = folder.path("out.bin");
    if (!setImmutable(target, true) || !setImmutable(target, false))
        GTEST_SKIP() << "the immutable flag cannot be set here";
    TriggeredHost host;
    host.cancels = false;
    host.answers = {Answer::Ok};
    host.trigger = "50% complete (1 of 2 parts read - out.bin)";  // a was appended
    host.onTrigger = [&] { ASSERT_TRUE(setImmutable(target, true)); };
    host.onAsk = [&] { setImmutable(target, false); };
    const AppendOutcome out = run({"a", "b"}, host);
    setImmutable(target, false);
    EXPECT_EQ(host.messages, QStringList{inUseMessage("out.bin")});
    EXPECT_EQ(folder.read("out.bin"), head + "AAABB");
    EXPECT_EQ(out.appended, 2);
    EXPECT_TRUE(out.sourcesKept);
    EXPECT_TRUE(folder.exists("b"));
}

}  // namespace
}  // namespace tsl::test
