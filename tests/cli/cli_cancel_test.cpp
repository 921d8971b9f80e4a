// Ctrl-C in tsl-cli: standard error is a pseudo-terminal, so the progress is
// drawn; once the first progress shows, SIGINT goes to the process. It exits
// with 130, says what it took back, and leaves no partial file under a final
// name (nor a temporary one), an append target at its old length.
#include "support/temp_files.h"

#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

namespace tsl::test {
namespace {

// Reads what is there on fd within timeoutMs; false when nothing came.
bool readSome(int fd, QByteArray& into, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return false;
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0)
        return false;
    into.append(buffer, n);
    return true;
}

// Runs tsl-cli with standard error on a pseudo-terminal; sends SIGINT once
// "% complete" showed there. Returns the exit code and standard error.
CliRun interrupted(const QStringList& args, const QString& workDir)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    EXPECT_GE(master, 0);
    EXPECT_EQ(::grantpt(master), 0);
    EXPECT_EQ(::unlockpt(master), 0);
    const QByteArray slave = ::ptsname(master);
    QProcess p;
    p.setProcessEnvironment(isolatedEnvironment());
    p.setWorkingDirectory(workDir);
    p.setChildProcessModifier([slave] {
        const int fd = ::open(slave.constData(), O_RDWR | O_NOCTTY);
        ::dup2(fd, STDERR_FILENO);
        ::close(fd);
    });
    p.start(QStringLiteral(TSL_CLI_PATH), args);
    EXPECT_TRUE(p.waitForStarted());
    QByteArray err;
    while (!err.contains("% complete") && readSome(master, err, 30000)) {
    }
    EXPECT_TRUE(err.contains("% complete")) << err.toStdString();
    ::kill(pid_t(p.processId()), SIGINT);
    // Keep reading, so a full terminal buffer never holds the process up.
    while (!p.waitForFinished(10))
        readSome(master, err, 100);
    while (readSome(master, err, 0)) {
    }
    ::close(master);
    CliRun run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.err = QString::fromLocal8Bit(err);
    return run;
}

TEST(CliCancel, CtrlCTakesBackTheFileInProgressAndExitsWith130)
{
    TempFolder t;
    const qint64 size = 200000000;
    t.writeSparse("big", size);

    CliRun run = interrupted({"split", "-s", "50000000", "--chunk", "10000", "big"}, t.dir());
    EXPECT_EQ(run.exitCode, 130) << run.err.toStdString();
    // The piece in progress went under its temporary name.
    const QRegularExpression removedSplit("tsl-cli: removed " + QRegularExpression::escape(t.dir())
                                          + "\\.tsl-s[a-z0-9]{14}\r\n");
    EXPECT_TRUE(run.err.contains(removedSplit)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("tsl-cli: cancelled\r\n"));
    EXPECT_EQ(t.names(), QStringList{"big"});

    ASSERT_EQ(runCli({"split", "-s", "50000000", "--chunk", "10000000", "--no-checksums", "big"},
                     {}, t.dir())
                  .exitCode,
              0);
    ASSERT_TRUE(QFile::rename(t.path("big"), t.path("source")));
    const QStringList pieces = {"big.000", "big.001", "big.002", "big.003", "big.004", "big.bat"};
    run = interrupted({"combine", "--chunk", "10000", "big.000"}, t.dir());
    EXPECT_EQ(run.exitCode, 130) << run.err.toStdString();
    const QRegularExpression removedCombine(
        "tsl-cli: removed " + QRegularExpression::escape(t.dir()) + "\\.tsl-c[a-z0-9]{14}\r\n");
    EXPECT_TRUE(run.err.contains(removedCombine)) << run.err.toStdString();
    EXPECT_EQ(t.names(), pieces + QStringList{"source"});

    t.write("target", "T");
    t.write("small", "S");
    run = interrupted({"append", "--chunk", "10000", "--to", "target", "small", "source"}, t.dir());
    EXPECT_EQ(run.exitCode, 130) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("tsl-cli: cut " + t.path("target") + " back to 1 byte\r\n"));
    EXPECT_EQ(t.read("target"), "T");
    EXPECT_EQ(t.size("source"), size);
}

}  // namespace
}  // namespace tsl::test
