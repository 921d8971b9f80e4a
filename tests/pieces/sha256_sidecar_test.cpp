// The checksum file: its lines as sha256sum writes and reads them (checked
// against sha256sum itself), the forms other tools and hands write, and which
// lines concern one set.
#include "core/sha256.h"
#include "pieces/set_digests.h"
#include "pieces/sha256_sidecar.h"
#include "support/temp_files.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

const QByteArray Abc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

QByteArray digestOf(const QByteArray& hex)
{
    return QByteArray::fromHex(hex);
}

CliRun run(const QString& program, const QStringList& args, const QString& dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

TEST(Sidecar, LinesAsSha256sumWritesThemEscapedWhereItEscapes)
{
    const std::pair<QString, QByteArray> table[] = {
        {"clip.mpg.001", Abc + "  clip.mpg.001\n"},
        {" lead *star", Abc + "   lead *star\n"},
        {"back\\slash", "\\" + Abc + "  back\\\\slash\n"},
        {"two\nlines", "\\" + Abc + "  two\\nlines\n"},
        {"ends in CR\r", "\\" + Abc + "  ends in CR\\r\n"},
    };
    for (const auto& [name, line] : table) {
        EXPECT_EQ(sidecarLine({digestOf(Abc), name}), line) << name.toStdString();
        const SidecarContents back = parseSidecar(line);
        ASSERT_EQ(back.lines.size(), 1);
        EXPECT_EQ(back.lines[0].name, name);
        EXPECT_EQ(back.lines[0].digest, digestOf(Abc));
    }
}

TEST(Sidecar, ReadsWhatOtherToolsAndHandsWrite)
{
    // text, the line's name (empty: not a digest line)
    const std::pair<QByteArray, QString> table[] = {
        {Abc + " *binary.001", "binary.001"},
        {Abc.toUpper() + "  upper.001", "upper.001"},
        {Abc + " single.001", "single.001"},
        {Abc + "\ttab.001", "tab.001"},
        {"  " + Abc + "  indented.001", "indented.001"},
        {Abc + "  crlf.001\r", "crlf.001"},
        {"SHA256 (tagged (1).001) = " + Abc, "tagged (1).001"},
        {"\\SHA256 (tag\\\\ged.001) = " + Abc, "tag\\ged.001"},
        {Abc.left(63) + "  short.001", ""},
        {Abc.left(63) + "g  nothex.001", ""},
        {Abc + "  ", ""},
        {"\\" + Abc + "  bad\\escape", ""},
        {"MD5 (x) = " + Abc, ""},
    };
    for (const auto& [text, name] : table) {
        const SidecarContents c = parseSidecar(text);
        EXPECT_EQ(c.lines.size(), name.isEmpty() ? 0 : 1) << text.toStdString();
        EXPECT_EQ(c.malformed, name.isEmpty() ? 1 : 0) << text.toStdString();
        if (!c.lines.isEmpty()) {
            EXPECT_EQ(c.lines[0].name, name) << text.toStdString();
            EXPECT_EQ(c.lines[0].digest, digestOf(Abc));
        }
    }
    // Comments and blank lines are no lines at all.
    const SidecarContents c = parseSidecar("# made by hand\n\n" + Abc + "  a\n\n");
    EXPECT_EQ(c.lines.size(), 1);
    EXPECT_EQ(c.malformed, 0);
}

TEST(Sidecar, Sha256sumChecksWhatWeWriteAndWeReadWhatItWrites)
{
    TempFolder t;
    const QStringList names = {"plain.001", "with space.002", "back\\slash.003", "new\nline.004",
                               " lead.005", "*star.006",      "ünï.007"};
    QList<DigestLine> lines;
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray bytes = patternBytes(100 + i, i);
        t.write(names[i], bytes);
        lines.append({Sha256::of(bytes), names[i]});
    }
    t.write("set.sha256", sidecarText(lines));
    const CliRun check = run("sha256sum", {"-c", "--strict", "set.sha256"}, t.dir());
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
    EXPECT_EQ(check.out.count(": OK"), names.size()) << check.out.toStdString();

    for (const QStringList& mode : {QStringList{}, {"-b"}, {"--tag"}}) {
        const CliRun made = run("sha256sum", mode + names, t.dir());
        ASSERT_EQ(made.exitCode, 0);
        const SidecarContents back = parseSidecar(made.out.toLocal8Bit());
        EXPECT_EQ(back.malformed, 0) << mode.join(' ').toStdString();
        ASSERT_EQ(back.lines.size(), names.size()) << mode.join(' ').toStdString();
        for (int i = 0; i < names.size(); ++i) {
            EXPECT_EQ(back.lines[i].name, names[i]) << mode.join(' ').toStdString();
            EXPECT_EQ(back.lines[i].digest, lines[i].digest) << names[i].toStdString();
        }
    }
}

TEST(SetDigests, PieceNamesTheSearchAccepts)
{
    // name, base, number with the underscore names, number without them
    const std::tuple<QString, QString, qint64, qint64> table[] = {
        {"clip.mpg.001", "clip.mpg", 1, 1},
        {"clip.mpg.00a", "clip.mpg", 1, 1},
        {"clip.mpg.999", "clip.mpg", 999, 999},
        {"clip.mpg.1000", "clip.mpg", 1000, 1000},
        {"clip.mpg.19682", "clip.mpg", 19682, 19682},
        {"clip.mpg.zzz", "clip.mpg", 19682, 19682},
        {"clip.mpg.aja", "clip.mpg", 1000, 1000},
        {"clip_mpg.002", "clip.mpg", 2, 0},
        {"clip_mpg.0b0", "clip.mpg", 54, 0},
        {"clip.001", "clip", 1, 1},
        {"clip.mpg.000", "clip.mpg", 0, 0},
        {"clip.mpg.01", "clip.mpg", 0, 0},
        {"clip.mpg.0001", "clip.mpg", 0, 0},
        {"clip.mpg.19683", "clip.mpg", 0, 0},
        {"clip.mpg.A01", "clip.mpg", 0, 0},
        {"clip.mpg.sha256", "clip.mpg", 0, 0},
        {"clip.mpg", "clip.mpg", 0, 0},
        {"clip.avi.001", "clip.mpg", 0, 0},
        {"xclip.mpg.001", "clip.mpg", 0, 0},
    };
    for (const auto& [name, base, with, without] : table) {
        EXPECT_EQ(pieceNumberOf(name, base, true), with) << name.toStdString();
        EXPECT_EQ(pieceNumberOf(name, base, false), without) << name.toStdString();
    }
}

TEST(SetDigests, PicksTheLinesOfOneSetInItsFolder)
{
    const auto d = [](char c) { return QByteArray(32, c); };
    const QList<DigestLine> lines = {
        {d(1), "clip.mpg.001"},  {d(2), "./clip.mpg.002"},   {d(3), "/sets/clip.mpg.003"},
        {d(9), "clip_mpg.003"},  {d(4), "sub/clip.mpg.004"}, {d(4), "/elsewhere/clip.mpg.004"},
        {d(5), "clip.mpg"},      {d(6), "clip.mpg.000"},     {d(7), "clip.mpg.bat"},
        {d(8), "other.bin.001"}, {d(1), "clip.mpg.00a"},     {d(2), "x/../clip.mpg.005"},
    };
    const SetDigests s = pickSetDigests(lines, "/sets/", "clip.mpg");
    EXPECT_EQ(s.pieces.keys(), QList<qint64>({1, 2, 3, 5}));
    EXPECT_EQ(s.pieces[1].size(), 2);  // clip.mpg.001 and clip.mpg.00a
    EXPECT_EQ(s.pieces[2].first().name, "clip.mpg.002");
    EXPECT_EQ(s.whole.size(), 1);
    // sub/, /elsewhere/, .000, the batch file (no letter-named piece 1504), other.bin
    EXPECT_EQ(s.otherLines, 5);

    // A piece found under a name a line gives is held to that line alone.
    EXPECT_EQ(s.checkPiece(3, "clip.mpg.003", d(3)), true);
    EXPECT_EQ(s.checkPiece(3, "clip_mpg.003", d(9)), true);
    EXPECT_EQ(s.checkPiece(3, "clip_mpg.003", d(3)), false);
    // Under a name no line gives, to every line of its number.
    EXPECT_EQ(s.checkPiece(2, "clip_mpg.002", d(2)), true);
    EXPECT_EQ(s.checkPiece(3, "clip.mpg.00c", d(3)), false);  // lines with 3 and 9
    EXPECT_EQ(s.checkPiece(4, "clip.mpg.004", d(4)), std::nullopt);
    EXPECT_EQ(s.checkWhole(d(5)), true);
    EXPECT_EQ(s.checkWhole(d(6)), false);

    // Without the underscore names, clip_mpg.003 is another file.
    EXPECT_EQ(pickSetDigests(lines, "/sets/", "clip.mpg", false).otherLines, 6);
    // The batch file's name is piece 1505 in a set named in letters that far.
    const SetDigests letters =
        pickSetDigests({{d(1), "clip.mpg.bas"}, {d(2), "clip.mpg.bat"}}, "/sets/", "clip.mpg");
    EXPECT_EQ(letters.pieces.keys(), QList<qint64>({1504, 1505}));
    EXPECT_TRUE(pickSetDigests({{d(1), "other.001"}}, "/sets/", "clip.mpg").isEmpty());
}

}  // namespace
