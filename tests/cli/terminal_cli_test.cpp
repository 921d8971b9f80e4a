// tsl-cli on a real terminal: script(1) gives it a pseudo-terminal, so the
// questions are asked and the progress is drawn as on a user's screen.
#include "support/temp_files.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace tsl::test;

namespace {

// Runs command on a pseudo-terminal and types each answer once the screen
// shows its prompt: typed ahead, an answer could reach the terminal before
// the program reads it and be lost to its line discipline.
CliRun onTerminal(const QString& command, const QList<std::pair<QByteArray, QByteArray>>& answers)
{
    QProcess p;
    p.setProcessEnvironment(isolatedEnvironment());
    p.start(QStringLiteral("script"), {"-qec", command, "/dev/null"});
    EXPECT_TRUE(p.waitForStarted());
    QByteArray screen;
    for (const auto& [prompt, typed] : answers) {
        while (!screen.contains(prompt) && p.state() == QProcess::Running) {
            if (p.waitForReadyRead(60000))
                screen += p.readAllStandardOutput();
            else
                break;
        }
        EXPECT_TRUE(screen.contains(prompt)) << screen.toStdString();
        p.write(typed);
    }
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    screen += p.readAllStandardOutput();
    return {p.exitCode(), QString::fromUtf8(screen), {}};
}

const QByteArray YesNo = "[y]es / [n]o";

}  // namespace

TEST(TerminalCli, AsksOnTheTerminalAndDrawsOneProgressLine)
{
    if (QStandardPaths::findExecutable("script").isEmpty())
        GTEST_SKIP() << "script(1) is not installed";
    TempFolder t;
    t.writePattern("a.bin", 3000);
    t.write("a.bin.001", "old");
    const QString cli = QStringLiteral(TSL_CLI_PATH);

    CliRun run = onTerminal(cli + " split -s 1000 " + t.path("a.bin"), {{YesNo, "n\n"}});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("Do you want to overwrite the existing split files for a.bin?\r\n"
                                 "[y]es / [n]o (default Yes): "))
        << run.out.toStdString();
    EXPECT_EQ(t.read("a.bin.001"), "old");

    run = onTerminal(cli + " split -s 1000 " + t.path("a.bin"), {{YesNo, "y\n"}});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("\r\033[K100% complete (3 of 3 parts written - a.bin)  |  "
                                 "100% complete (1 of 1 file split)"))
        << run.out.toStdString();
    EXPECT_EQ(t.read("a.bin.001"), patternBytes(1000));
}
