// tsl-cli combine as a user runs it: options, answers without a terminal,
// exit statuses, and pieces made by coreutils split.
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

QStringList combineArgs(const QStringList& more)
{
    return QStringList{QStringLiteral("combine")} + more;
}

// clip.mpg in four pieces of 1000 bytes, the third one missing.
QByteArray gappedSet(const TempFolder& folder)
{
    PieceSetLayout s;
    s.size = 4000;
    s.pieceSize = 1000;
    const QByteArray data = writePieceSet(folder, s);
    QFile::remove(folder.path(QStringLiteral("clip.mpg.003")));
    return data;
}

TEST(CombineCli, HelpDescribesEveryOption)
{
    const CliRun run = runCli(combineArgs({QStringLiteral("--help")}));
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option :
         {"--out", "--missing", "--extra", "--report-answer", "--piece-size", "--high-part",
          "--no-search-extra", "--no-size-check", "--no-size-prompt", "--no-underscore-names",
          "--no-fix-ext", "--delete", "--no-wipe", "--chunk", "--yes", "--no", "--quiet",
          "Exit status"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
    EXPECT_TRUE(runCli({QStringLiteral("--help")}).out.contains(QStringLiteral("combine")));
}

TEST(CombineCli, BadUsageExitsWithTwo)
{
    TempFolder folder;
    gappedSet(folder);
    const QString entry = folder.path(QStringLiteral("clip.mpg.000"));
    const QString elsewhere = folder.write(QStringLiteral("sub/other.001"), "x");
    const QList<QStringList> cases = {
        {},
        {QStringLiteral("--missing"), QStringLiteral("maybe"), entry},
        {QStringLiteral("--extra"), QStringLiteral("never"), entry},
        {QStringLiteral("--report-answer"), QStringLiteral("later"), entry},
        {QStringLiteral("--high-part"), QStringLiteral("0"), entry},
        {QStringLiteral("--high-part"), QStringLiteral("19683"), entry},
        {QStringLiteral("--piece-size"), QStringLiteral("big"), entry},
        {QStringLiteral("--chunk"), QStringLiteral("9999"), entry},
        {QStringLiteral("-y"), QStringLiteral("-n"), entry},
        {QStringLiteral("-o"), folder.path(QStringLiteral("none")), entry},
        {entry, elsewhere},
        {folder.path(QStringLiteral("gone.000"))},
    };
    for (const QStringList& args : cases) {
        const CliRun run = runCli(combineArgs(args));
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("tsl-cli: "))) << run.err.toStdString();
    }
    EXPECT_FALSE(folder.exists(QStringLiteral("clip.mpg")));
}

TEST(CombineCli, ReportWithoutTerminalTakesCancelOrTheGivenAnswer)
{
    TempFolder folder;
    const QByteArray data = gappedSet(folder);
    const QString entry = folder.path(QStringLiteral("clip.mpg.000"));
    CliRun run = runCli(combineArgs({entry}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("clip.mpg is missing the following part:\n\n3\n\n"
                                                "Do you want to combine the existing parts?")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("=> Cancel")));
    EXPECT_FALSE(folder.exists(QStringLiteral("clip.mpg")));

    run = runCli(
        combineArgs({QStringLiteral("--report-answer"), QStringLiteral("exclude"), entry}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("3\n\nDo you want to combine the existing parts?")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Processed clip.mpg")));
    EXPECT_EQ(folder.read(QStringLiteral("clip.mpg")), data.left(2000));
}

TEST(CombineCli, PieceSizeAnswersThePromptAndDeleteRemovesThePieces)
{
    TempFolder folder;
    PieceSetLayout s;
    s.size = 2500;
    s.pieceSize = 1000;
    s.info = false;
    s.name = QStringLiteral("clip_mpg");
    const QByteArray data = writePieceSet(folder, s);
    const QString entry = folder.path(QStringLiteral("clip_mpg.001"));
    CliRun run = runCli(combineArgs({QStringLiteral("--high-part"), QStringLiteral("3"),
                                     QStringLiteral("--piece-size"), QStringLiteral("1000"),
                                     entry}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("to skip the part size check.\n=> 1000 (--piece-size)")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Part 3 -- 500 missing bytes")));

    run = runCli(combineArgs({QStringLiteral("--high-part=3"), QStringLiteral("--no-size-check"),
                              QStringLiteral("--delete"), QStringLiteral("--no-wipe"),
                              QStringLiteral("--no-fix-ext"), QStringLiteral("-q"), entry}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.names(), QStringList{QStringLiteral("clip_mpg")});
    EXPECT_EQ(folder.read(QStringLiteral("clip_mpg")), data);
    EXPECT_FALSE(run.err.contains(QStringLiteral("Processed")));
}

TEST(CombineCli, ExistingOutputWithNoIsSkippedAndExitsWithOne)
{
    TempFolder folder;
    PieceSetLayout s;
    s.size = 2000;
    s.pieceSize = 1000;
    const QByteArray data = writePieceSet(folder, s);
    const QString out = folder.mkdir(QStringLiteral("out"));
    folder.write(QStringLiteral("out/clip.mpg"), "old");
    const QString entry = folder.path(QStringLiteral("clip.mpg.000"));
    CliRun run = runCli(combineArgs({QStringLiteral("-n"), QStringLiteral("-o"), out, entry}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Enter a new filename for\nclip.mpg.")));
    EXPECT_EQ(folder.read(QStringLiteral("out/clip.mpg")), QByteArray("old"));

    run = runCli(combineArgs({QStringLiteral("--yes"), QStringLiteral("--out"), out, entry}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(folder.read(QStringLiteral("out/clip.mpg")), data);
}

TEST(CombineCli, PiecesOfCoreutilsSplitCombineToTheOriginal)
{
    const QString split = QStandardPaths::findExecutable(QStringLiteral("split"));
    if (split.isEmpty())
        GTEST_SKIP() << "coreutils split is not installed";
    TempFolder folder;
    folder.writePattern(QStringLiteral("src/movie.avi"), 1234567, 5);
    QProcess p;
    p.setWorkingDirectory(folder.path(QStringLiteral("src")));
    p.start(split, {QStringLiteral("--numeric-suffixes=1"), QStringLiteral("-a"),
                    QStringLiteral("3"), QStringLiteral("-b"), QStringLiteral("100000"),
                    QStringLiteral("movie.avi"), QStringLiteral("movie.avi.")});
    ASSERT_TRUE(p.waitForFinished());
    ASSERT_EQ(p.exitCode(), 0);
    const QString out = folder.mkdir(QStringLiteral("out"));
    const CliRun run = runCli(combineArgs({QStringLiteral("--missing"), QStringLiteral("combine"),
                                           QStringLiteral("--piece-size"), QStringLiteral("0"),
                                           QStringLiteral("--chunk"), QStringLiteral("30000"),
                                           QStringLiteral("-o"), out,
                                           folder.path(QStringLiteral("src/movie.avi.001"))}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("out/movie.avi")),
              folder.read(QStringLiteral("src/movie.avi")));
}

}  // namespace
}  // namespace tsl::test
