// tsl-cli verify as a user runs it: a set of five pieces with the checksum
// file TSL writes (or one sha256sum made), damaged in one way per row. Each
// row names the pieces it expects named, the exit status, and what
// `sha256sum -c --ignore-missing` says of the same folder; verify never
// changes a file. The kinds of damage a checksum catches (a piece cut short,
// two swapped, a wrong line) are combine_checksums_test.cpp's.
#include "checksummed_set.h"
#include "support/piece_sets.h"

#include <QFile>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Sidecar = "clip.mpg.sha256";

int shell(const TempFolder& t, const QString& command)
{
    QProcess p;
    p.setWorkingDirectory(t.dir());
    p.start("bash", {"-c", command});
    p.waitForFinished(60000);
    return p.exitCode();
}

struct Case {
    const char* what;
    std::function<void(const TempFolder&, const QByteArray& data)> change;
    QStringList sets;    // relative to the folder; "ABS:" marks an absolute path
    int status;          // of tsl-cli verify
    QStringList said;    // lines its standard output holds
    QStringList unsaid;  // texts it must not hold
    int sha256sum;       // status of sha256sum -c --ignore-missing; -1 when not run
};

TEST(VerifyCli, EveryDamageNamesItsPieceAndSetsTheStatus)
{
    const auto none = [](const TempFolder&, const QByteArray&) {};
    const QStringList others = {"clip.mpg.001:", "clip.mpg.002:", "clip.mpg.004:", "clip.mpg.005:"};
    const QList<Case> cases = {
        {"round trip",
         none,
         {"clip.mpg.000"},
         0,
         {"clip.mpg: OK (5 of 5 pieces intact; clip.mpg not joined yet)"},
         {"damaged"},
         0},
        {"one flipped byte",
         [](const TempFolder& t, const QByteArray&) { flipByte(t, "clip.mpg.003", 500); },
         {"ABS:clip.mpg.001"},
         1,
         {"ABS:clip.mpg.003: damaged (checksum differs)",
          "ABS:clip.mpg: FAILED (4 of 5 pieces intact, 1 damaged; ABS:clip.mpg not joined yet)"},
         others,
         1},
        {"a line that is no checksum line",
         [](const TempFolder& t, const QByteArray& data) {
             t.write(Sidecar, sidecarText(setLines(data)) + "clip.mpg.006 was here\n");
         },
         {"clip.mpg.000"},
         0,
         {"clip.mpg: OK (5 of 5 pieces intact"},
         {"damaged"},
         0},
        {"a checksum file naming only other files",
         [](const TempFolder& t, const QByteArray&) {
             const QByteArray other = patternBytes(10, 9);
             t.write("other.bin.001", other);
             t.write(Sidecar, sidecarText({{Sha256::of(other), "other.bin.001"}}));
         },
         {"clip.mpg.000"},
         1,
         {"clip.mpg: FAILED (clip.mpg.sha256 has no line for clip.mpg or its pieces)"},
         {},
         0},
        {"a checksum file made by sha256sum",
         [](const TempFolder& t, const QByteArray&) {
             EXPECT_EQ(shell(t, "sha256sum clip.mpg.0* > clip.mpg.sha256"), 0);
             flipByte(t, "clip.mpg.005", 0);
         },
         {Sidecar},
         1,
         {"clip.mpg.005: damaged (checksum differs)",
          "clip.mpg: FAILED (4 of 5 pieces intact, 1 damaged; no checksum for the joined file)"},
         others.mid(0, 3),
         1},
        {"pieces renamed since sha256sum listed them",
         [](const TempFolder& t, const QByteArray&) {
             EXPECT_EQ(shell(t,
                             "sha256sum clip.mpg.00[1-5] > clip.mpg.sha256 && "
                             "for f in clip.mpg.00?; do mv $f clip_mpg.${f##*.}; done"),
                       0);
             flipByte(t, "clip_mpg.002", 999);
         },
         {Sidecar},
         1,
         {"clip_mpg.002: damaged (checksum differs)", "4 of 5 pieces intact, 1 damaged"},
         {"missing"},
         1},
        {"a missing piece",
         [](const TempFolder& t, const QByteArray&) { QFile::remove(t.path("clip.mpg.005")); },
         {"-j", "1", "clip.mpg.000"},
         1,
         {"clip.mpg.005: missing", "clip.mpg: FAILED (4 of 5 pieces intact, 1 missing;"},
         {},
         0},
        {"the joined file intact, its pieces gone",
         [](const TempFolder& t, const QByteArray& data) {
             t.write("clip.mpg", data);
             for (int i = 1; i <= 5; ++i)
                 QFile::remove(t.path(pieceName(i)));
         },
         {"clip.mpg"},
         0,
         {"clip.mpg: OK (0 of 5 pieces intact, 5 missing; clip.mpg intact)"},
         {": missing"},
         0},
        {"the joined file damaged",
         [](const TempFolder& t, const QByteArray& data) {
             t.write("clip.mpg", data);
             flipByte(t, "clip.mpg", 4999);
         },
         {"clip.mpg.000"},
         1,
         {"clip.mpg: damaged (checksum differs)",
          "clip.mpg: FAILED (5 of 5 pieces intact; clip.mpg damaged)"},
         {},
         1},
        {"no checksum file",
         [](const TempFolder& t, const QByteArray&) { QFile::remove(t.path(Sidecar)); },
         {"clip.mpg.000"},
         1,
         {"clip.mpg: FAILED (no checksum file clip.mpg.sha256)"},
         {},
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder t;
        const QByteArray data =
            writePieceSet(t, {.name = "clip.mpg", .size = 5000, .pieceSize = 1000});
        t.write(Sidecar, sidecarText(setLines(data)));
        c.change(t, data);
        const auto absolute = [&t](QString text) { return text.replace("ABS:", t.dir()); };
        QStringList args = {"verify"};
        for (const QString& set : c.sets)
            args << absolute(set);
        const QStringList before = t.names();
        const CliRun run = runCli(args, {}, t.dir());
        EXPECT_EQ(run.exitCode, c.status) << run.out.toStdString() << run.err.toStdString();
        for (const QString& line : c.said)
            EXPECT_TRUE(run.out.contains(absolute(line))) << line.toStdString() << "\n"
                                                          << run.out.toStdString();
        for (const QString& text : c.unsaid)
            EXPECT_FALSE(run.out.contains(text)) << text.toStdString() << "\n"
                                                 << run.out.toStdString();
        EXPECT_EQ(t.names(), before);
        if (c.sha256sum >= 0) {
            EXPECT_EQ(shell(t, "sha256sum -c --ignore-missing " + Sidecar + " >/dev/null 2>&1"),
                      c.sha256sum);
        }
    }
}

}  // namespace
}  // namespace tsl::test
