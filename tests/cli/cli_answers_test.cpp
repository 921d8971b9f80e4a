// tsl-cli's answers when nobody can be asked: a question that would
// overwrite or go on after a run-time error keeps the files unless an option
// says otherwise; -y answers the Yes/No questions but not the run-time error,
// which --on-error answers; and a run-time error is one line naming the file.
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

struct AnswerCase {
    QStringList options;
    int exitCode;
    QString answerLine;  // what the printed answer says
    bool overwritten;
};

TEST(CliAnswers, OverwriteQuestionsKeepTheFilesUnlessAnOptionSaysOtherwise)
{
    const QString kept = "=> No (nobody to ask: keeps the files as they are)\n";
    const AnswerCase cases[] = {
        {{}, 1, kept, false},
        {{"--yes"}, 0, "=> Yes (--yes)\n", true},
        {{"--no"}, 1, "=> No (--no)\n", false},
        {{"--on-error", "continue"}, 1, kept, false},  // no error: it answers nothing here
    };
    for (const AnswerCase& c : cases) {
        const std::string what = c.options.join(' ').toStdString();
        // Split: existing pieces.
        TempFolder t;
        t.writePattern("a.bin", 2500);
        t.write("a.bin.001", "old");
        CliRun run =
            runCli(QStringList{"split", "-s", "1000"} + c.options + QStringList{t.path("a.bin")});
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        EXPECT_TRUE(run.err.startsWith(
            "Do you want to overwrite the existing split files for a.bin?\n" + c.answerLine))
            << what << run.err.toStdString();
        EXPECT_EQ(t.read("a.bin.001") == "old", !c.overwritten) << what;

        // Combine: an existing output file (No asks for a new name; none is given).
        TempFolder f;
        const QByteArray data = writePieceSet(f, {.size = 2000, .pieceSize = 1000});
        f.write("clip.mpg", "old");
        run = runCli(QStringList{"combine"} + c.options + QStringList{f.path("clip.mpg.000")});
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        EXPECT_TRUE(run.err.contains("Do you want to overwrite the existing file\nclip.mpg?\n"
                                     + c.answerLine))
            << what << run.err.toStdString();
        EXPECT_EQ(f.read("clip.mpg"), c.overwritten ? data : QByteArray("old")) << what;

        // Append: a read-only target.
        const QString target = f.write("t", "T");
        ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner));
        run = runCli(QStringList{"append", "--to", target} + c.options
                     + QStringList{f.write("a", "A")});
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        EXPECT_TRUE(
            run.err.contains("t is a read-only file.\nDo you want to add the selected files to it "
                             "anyway?\n"
                             + c.answerLine))
            << what << run.err.toStdString();
        EXPECT_EQ(f.read("t"), c.overwritten ? "TA" : "T") << what;
    }
    // --existing always needs no question at all.
    TempFolder t;
    t.writePattern("a.bin", 2500);
    t.write("a.bin.001", "old");
    const CliRun run = runCli({"split", "-s", "1000", "--existing", "always", t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "Processed a.bin\n");
    EXPECT_EQ(t.read("a.bin.001"), patternBytes(1000));
}

// The output folder is missing: every piece, the info file and the batch
// file fail. Without --on-error continue the first failure ends the run.
TEST(CliAnswers, RunTimeErrorIsOneLineAndOnlyOnErrorContinueGoesOn)
{
    TempFolder t;
    t.writePattern("a.bin", 2500);
    const QString missing = t.path("missing");
    const QString first =
        "tsl-cli: cannot create " + missing + "/a.bin.001: Path not found (run-time error 76)\n";
    for (const QStringList& options : QList<QStringList>{{}, {"--on-error", "stop"}, {"-y"}}) {
        const CliRun run = runCli(QStringList{"split", "-s", "1000", "--delete", "-o", missing}
                                  + options + QStringList{t.path("a.bin")});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, first) << options.join(' ').toStdString();
    }
    const CliRun run = runCli({"split", "-s", "1000", "--delete", "--on-error", "continue", "-o",
                               missing, t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              first + "tsl-cli: cannot create " + missing
                  + "/a.bin.002: Path not found (run-time error 76)\n" + "tsl-cli: cannot create "
                  + missing + "/a.bin.003: Path not found (run-time error 76)\n"
                  + "tsl-cli: cannot create " + missing
                  + "/a.bin.000: Path not found (run-time error 76)\n" + "tsl-cli: cannot create "
                  + missing + "/a.bin.bat: Path not found (run-time error 76)\n"
                  + "Processed a.bin\n");
    EXPECT_EQ(t.names(), QStringList{"a.bin"});  // never deleted after an error
    EXPECT_EQ(runCli({"split", "--on-error", "maybe", t.path("a.bin")}).exitCode, 2);
}

}  // namespace
}  // namespace tsl::test
