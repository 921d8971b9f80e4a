// The Append command when things go wrong: the read-only and in-use
// conversations, a list holding the target itself, a source that cannot be
// read completely, a target that cannot be opened.
#include "append/append_test_support.h"
#include "core/file_facts.h"

#include <QDir>
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

const QString ReadOnlyQuestion = QStringLiteral(
    "out.bin is a read-only file.\r\nDo you want to add the selected files to it anyway?");
const QString InUseMessage = QStringLiteral(
    "prog is in use by another program.\r\nTo add the specified parts to the file, first close\r\n"
    "it in whatever program is using it, and then click OK.");

QString runtimeQuestion(int number, const QString& description)
{
    return QStringLiteral("Runtime Error: ") + QString::number(number)
        + QStringLiteral("\r\nProcedure: frmMain.cmdAppend.Shit\r\n\r\n") + description
        + QStringLiteral("\r\n\r\nDo you want the program to try to continue?\r\n"
                         "(Click NO to close the program.)");
}

class AppendFaults : public ::testing::Test, public AppendFixture
{
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("out.bin"), head);
        folder.write(QStringLiteral("a"), "AAA");
        folder.write(QStringLiteral("b"), "BB");
        settings.AppendDelete = true;
    }
    const QByteArray head = QByteArray("old bytes");
};

TEST_F(AppendFaults, ReadOnlyTargetAnsweredYesIsAppendedButNoSourceDeleted)
{
    ASSERT_TRUE(applyAttributes(folder.path(QStringLiteral("out.bin")), attr::ReadOnly));
    ScriptedHost host;
    host.answers = { Answer::Yes };
    const AppendOutcome out = run({ QStringLiteral("a"), QStringLiteral("b") }, host);

    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].text, ReadOnlyQuestion);
    EXPECT_EQ(host.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(host.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(host.asked[0].defaultAnswer, Answer::No);
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), head + "AAABB");
    EXPECT_EQ(fileAttributes(folder.path(QStringLiteral("out.bin"))) & attr::ReadOnly, 0);
    EXPECT_TRUE(folder.exists(QStringLiteral("a")));
    EXPECT_TRUE(folder.exists(QStringLiteral("b")));
    EXPECT_TRUE(out.error);
    EXPECT_TRUE(out.sourcesKept);
    EXPECT_EQ(host.statuses, QStringList({ QStringLiteral("Processed out.bin") }));
}

TEST_F(AppendFaults, ReadOnlyTargetAnsweredNoIsLeftAloneAndTheStatusUnchanged)
{
    ASSERT_TRUE(applyAttributes(folder.path(QStringLiteral("out.bin")), attr::ReadOnly));
    ScriptedHost host;
    host.answers = { Answer::No };
    const AppendOutcome out = run({ QStringLiteral("a"), QStringLiteral("b") }, host);

    EXPECT_EQ(host.messages, QStringList({ ReadOnlyQuestion }));
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), head);
    EXPECT_NE(fileAttributes(folder.path(QStringLiteral("out.bin"))) & attr::ReadOnly, 0);
    EXPECT_TRUE(folder.exists(QStringLiteral("a")));
    EXPECT_TRUE(out.stopped);
    EXPECT_TRUE(host.statuses.isEmpty());
    EXPECT_TRUE(host.captions(Line::Total).isEmpty());
    EXPECT_EQ(host.busyOff, 1);
}

// Every spelling of the target in its list is refused before anything is
// written: the same name, "./", "..", a link, a second hard link, a link to a
// target not yet there, and the new target's own name.
TEST_F(AppendFaults, TargetInItsOwnListIsRefusedWithNothingWritten)
{
    folder.mkdir(QStringLiteral("sub"));
    ASSERT_TRUE(
        QFile::link(folder.path(QStringLiteral("out.bin")), folder.path(QStringLiteral("link"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("new.bin"), folder.path(QStringLiteral("dangling"))));
    ASSERT_EQ(::link(QFile::encodeName(folder.path(QStringLiteral("out.bin"))).constData(),
                  QFile::encodeName(folder.path(QStringLiteral("hard"))).constData()),
        0);
    const struct {
        QString entry;
        QString target;
    } cases[] = {
        { QStringLiteral("out.bin"), QStringLiteral("out.bin") },
        { QStringLiteral("./out.bin"), QStringLiteral("out.bin") },
        { QStringLiteral("sub/../out.bin"), QStringLiteral("out.bin") },
        { QStringLiteral("link"), QStringLiteral("out.bin") },
        { QStringLiteral("hard"), QStringLiteral("out.bin") },
        { QStringLiteral("dangling"), QStringLiteral("new.bin") },
        { QStringLiteral("new.bin"), QStringLiteral("new.bin") },
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        const AppendOutcome out
            = run({ QStringLiteral("a"), c.entry, QStringLiteral("b") }, host, c.target);
        EXPECT_EQ(host.conversation,
            QStringList({ QStringLiteral("message: ") + c.target
                + QStringLiteral(" cannot be appended to itself: the list entry ") + c.entry
                + QStringLiteral(" is that file.\r\nNothing was appended.") }))
            << c.entry.toStdString();
        EXPECT_TRUE(out.refused);
        EXPECT_EQ(host.asked.at(0).icon, Icon::Exclamation);
        EXPECT_EQ(folder.read(QStringLiteral("out.bin")), head);
        EXPECT_FALSE(folder.exists(QStringLiteral("new.bin"))) << c.entry.toStdString();
        EXPECT_TRUE(folder.exists(QStringLiteral("a")));
    }
}

// A file under /sys says it holds 4096 bytes and gives far fewer: a source
// that cannot be read completely.
QString shortSysFile()
{
    for (const char* name : { "/sys/kernel/mm/transparent_hugepage/enabled",
             "/sys/kernel/uevent_seqnum", "/sys/kernel/profiling" }) {
        QFile f(QString::fromLatin1(name));
        if (f.open(QIODevice::ReadOnly) && QFileInfo(f).size() > f.readAll().size())
            return f.fileName();
    }
    return {};
}

TEST_F(AppendFaults, SourceThatCannotBeReadCompletelyIsARuntimeErrorAndKeepsEverySource)
{
    const QString sys = shortSysFile();
    if (sys.isEmpty())
        GTEST_SKIP() << "no /sys file whose size overstates its contents";
    ASSERT_TRUE(QFile::link(sys, folder.path(QStringLiteral("short"))));
    ScriptedHost host;
    host.answers = { Answer::Yes };
    const AppendOutcome out
        = run({ QStringLiteral("a"), QStringLiteral("short"), QStringLiteral("b") }, host);

    EXPECT_EQ(host.messages,
        QStringList({ runtimeQuestion(62, QStringLiteral("Input past end of file")) }));
    EXPECT_EQ(host.asked.at(0).defaultAnswer, Answer::No);
    const QByteArray target = folder.read(QStringLiteral("out.bin"));
    EXPECT_TRUE(target.startsWith(head + "AAA"));
    EXPECT_TRUE(target.endsWith("BB"));
    EXPECT_LT(target.size(), head.size() + 5 + 4096);
    EXPECT_EQ(out.failed, 1);
    EXPECT_EQ(out.appended, 2);
    EXPECT_TRUE(folder.exists(QStringLiteral("a")));
    EXPECT_TRUE(folder.exists(QStringLiteral("b")));
    EXPECT_EQ(host.captions(Line::Total).size(), 3);
    EXPECT_EQ(host.statuses, QStringList({ QStringLiteral("Processed out.bin") }));

    ScriptedHost stop;
    stop.answers = { Answer::No };
    const AppendOutcome ended = run({ QStringLiteral("short"), QStringLiteral("b") }, stop);
    EXPECT_TRUE(ended.terminated);
    EXPECT_TRUE(stop.statuses.isEmpty());
    EXPECT_TRUE(folder.read(QStringLiteral("out.bin")).startsWith(target));
    EXPECT_TRUE(folder.exists(QStringLiteral("b")));
}

TEST_F(AppendFaults, TargetInAMissingDirectoryIsARuntimeError)
{
    ScriptedHost host;
    host.answers = { Answer::Yes };
    const AppendOutcome out = run({ QStringLiteral("a") }, host, QStringLiteral("nodir/out.bin"));
    EXPECT_EQ(
        host.messages, QStringList({ runtimeQuestion(76, QStringLiteral("Path not found")) }));
    EXPECT_TRUE(out.stopped);
    EXPECT_FALSE(out.terminated);
    EXPECT_TRUE(host.statuses.isEmpty());
    EXPECT_TRUE(folder.exists(QStringLiteral("a")));

    ScriptedHost stop;
    stop.answers = { Answer::No };
    EXPECT_TRUE(run({ QStringLiteral("a") }, stop, QStringLiteral("nodir/out.bin")).terminated);
}

// A running program's file cannot be opened for writing (ETXTBSY): the
// in-use conversation. OK after the program ended goes on; Cancel stops.
TEST_F(AppendFaults, TargetInUseByARunningProgram)
{
    const QString prog = folder.path(QStringLiteral("prog"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), prog));
    const QByteArray before = folder.read(QStringLiteral("prog"));
    QProcess running;
    running.start(prog, { QStringLiteral("60") });
    if (!running.waitForStarted())
        GTEST_SKIP() << "cannot run a program from the temporary folder";

    ActingHost cancel;
    cancel.answers = { Answer::Cancel };
    AppendOutcome out = run({ QStringLiteral("a") }, cancel, QStringLiteral("prog"));
    ASSERT_EQ(cancel.asked.size(), 1u);
    EXPECT_EQ(cancel.asked[0].text, InUseMessage);
    EXPECT_EQ(cancel.asked[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(cancel.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(cancel.asked[0].defaultAnswer, Answer::Cancel);
    EXPECT_TRUE(out.stopped);
    EXPECT_TRUE(cancel.statuses.isEmpty());

    ActingHost ok;
    ok.answers = { Answer::Ok };
    ok.onAsk = [&] {  // the user closes the program, then clicks OK
        running.kill();
        running.waitForFinished();
    };
    out = run({ QStringLiteral("a"), QStringLiteral("b") }, ok, QStringLiteral("prog"));
    EXPECT_EQ(ok.messages, QStringList({ InUseMessage }));
    EXPECT_EQ(folder.read(QStringLiteral("prog")), before + "AAABB");
    EXPECT_EQ(out.appended, 2);
    EXPECT_TRUE(out.sourcesKept);
    EXPECT_TRUE(folder.exists(QStringLiteral("a")));
    EXPECT_EQ(ok.statuses, QStringList({ QStringLiteral("Processed prog") }));
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

// A write refused in the middle of the run (the target made immutable after
// the first source) is the in-use conversation too; after OK the refused
// chunk goes to its own place, nothing doubled or lost.
TEST_F(AppendFaults, WriteRefusedMidRunIsTheInUseConversationAndTheChunkIsRepeated)
{
    const QString target = folder.path(QStringLiteral("out.bin"));
    if (!setImmutable(target, true) || !setImmutable(target, false))
        GTEST_SKIP() << "the immutable flag cannot be set here";
    ActingHost host;
    host.answers = { Answer::Ok };
    host.onPump = [&](int pump) {
        if (pump == 2) {
            ASSERT_TRUE(setImmutable(target, true));
        }
    };
    host.onAsk = [&] { setImmutable(target, false); };
    const AppendOutcome out = run({ QStringLiteral("a"), QStringLiteral("b") }, host);
    setImmutable(target, false);

    EXPECT_EQ(host.messages,
        QStringList(
            { QStringLiteral("out.bin is in use by another program.\r\nTo add the specified "
                             "parts to the file, first close\r\nit in whatever program is "
                             "using it, and then click OK.") }));
    EXPECT_EQ(folder.read(QStringLiteral("out.bin")), head + "AAABB");
    EXPECT_EQ(out.appended, 2);
    EXPECT_TRUE(out.sourcesKept);
    EXPECT_TRUE(folder.exists(QStringLiteral("b")));
}

}  // namespace
}  // namespace tsl::test
