// tsl-cli's answers when nobody can be asked: a question that would
// overwrite or go on after a run-time error keeps the files unless an option
// says otherwise; -y answers the Yes/No questions but not the run-time error,
// which --on-error answers; and a run-time error is one line naming the file.
#include "cli/terminal_host.h"
#include "split/split_engine.h"
#include "support/faulty_file_system.h"
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QTemporaryFile>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tsl::test {
namespace {

struct AnswerCase {
    QStringList options;
    int exitCode;
    QString said;  // how standard error starts
    bool overwritten;
};

// The rule is the terminal host's, the same for every question of this kind:
// shown here on the existing pieces of a split. --existing answers them
// without a question.
TEST(CliAnswers, OverwriteQuestionsKeepTheFilesUnlessAnOptionSaysOtherwise)
{
    const QString asked = "Do you want to overwrite the existing split files for a.bin?\n";
    const QString kept = asked + "=> No (nobody to ask: keeps the files as they are)\n";
    const AnswerCase cases[] = {
        {{}, 1, kept, false},
        {{"--yes"}, 0, asked + "=> Yes (--yes)\n", true},
        {{"--no"}, 1, asked + "=> No (--no)\n", false},
        {{"--on-error", "continue"}, 1, kept, false},  // no error: it answers nothing here
        {{"--existing", "always"}, 0, "Processed a.bin\n", true},
        {{"--existing", "never"},
         1,
         "a.bin was skipped: its split files exist already and are never overwritten.\n",
         false},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        TempFolder t;
        t.writePattern("a.bin", 2500);
        t.write("a.bin.001", "old");
        CliRun run =
            runCli(QStringList{"split", "-s", "1000"} + c.options + QStringList{t.path("a.bin")});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.startsWith(c.said)) << run.err.toStdString();
        EXPECT_EQ(t.read("a.bin.001"), c.overwritten ? patternBytes(1000) : "old");
    }

    // Combine's No to an existing output asks for a new name: nobody types
    // one, so the default, none, skips the set.
    TempFolder t;
    writePieceSet(t, {.size = 2000, .pieceSize = 1000});
    t.write("clip.mpg", "old");
    const CliRun combine = runCli({"combine", t.path("clip.mpg.000")});
    EXPECT_EQ(combine.exitCode, 1);
    EXPECT_TRUE(combine.err.contains("Enter a new filename for\nclip.mpg.\n=> \"\" (default)"))
        << combine.err.toStdString();
    EXPECT_EQ(t.read("clip.mpg"), "old");
}

// Standard error of this process while `run` runs, read back from a file.
QString capturedStderr(const std::function<void()>& run)
{
    std::fflush(stderr);
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(file.handle(), STDERR_FILENO);
    run();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    file.seek(0);
    return QString::fromLocal8Bit(file.readAll());
}

// A disk that fills during the second piece: the error is one line naming the
// piece (not its temporary name); only --on-error continue goes on, with the
// next file, and no source is deleted after an error.
TEST(CliAnswers, RunTimeErrorIsOneLineAndOnlyOnErrorContinueGoesOn)
{
    for (const bool goOn : {false, true}) {
        TempFolder t;
        t.writePattern("a.bin", 2500);
        t.writePattern("b.bin", 2500);
        Settings s;
        s.SplitSize = 1000;
        s.SplitDelete = true;
        cli::TerminalOptions options;
        options.onError = goOn ? Answer::Yes : Answer::No;
        cli::TerminalHost host(options);
        FaultyFileSystem disk;
        disk.failAt(FaultyFileSystem::Write, 2, ENOSPC);
        SplitOutcome o;
        const QString err = capturedStderr([&] {
            ScopedFileSystem installed(disk);
            o = runSplit({{"a.bin", "b.bin"}, t.dir(), t.dir()}, s, host);
        });
        const QString first =
            "tsl-cli: cannot write " + t.path("a.bin.002") + ": Disk full (run-time error 61)\n";
        EXPECT_TRUE(err.startsWith(first)) << err.toStdString();
        EXPECT_EQ(o.failed, 1);
        EXPECT_EQ(o.terminated, !goOn);
        EXPECT_EQ(o.split, goOn ? 1 : 0);
        EXPECT_EQ(t.exists("b.bin.003"), goOn);
        EXPECT_TRUE(t.exists("a.bin") && t.exists("b.bin")) << "never deleted after an error";
        EXPECT_FALSE(t.exists("a.bin.001")) << "the failed file leaves nothing";
    }
}

}  // namespace
}  // namespace tsl::test
