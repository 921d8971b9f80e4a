// Combine with a checksum file beside the set: each damage names the right
// piece in the corrupt-parts report (or refuses the joined file), keeps every
// file of the set, and counts the set failed; a verified combine with delete
// takes the checksum file with the set.
#include "checksummed_set.h"
#include "support/engine_job.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");
const QString Sums = QStringLiteral("clip.mpg.sha256");
constexpr qint64 Size = 5000;
constexpr qint64 Piece = 1000;

QString damagedEntry(int i)
{
    return "Part " + QString::number(i) + " -- " + pieceName(i) + ": damaged (checksum differs)";
}

struct Case {
    const char* what;
    bool info;  // the set has its info file (sizes are checked first)
    // changes the set or its checksum file, written with the set's true lines
    std::function<void(const TempFolder&, const QByteArray& data)> change;
    QString reported;  // the corrupt-parts report's message, empty when none is asked
    QString refused;   // the message that refuses the joined file, empty when none
    bool combined;     // the set counts combined (and its files are deleted)
};

TEST(CombineChecksums, EachDamageIsNamedAndNothingOfTheSetIsDeleted)
{
    const auto writeSums = [](const TempFolder& t, const QList<DigestLine>& lines) {
        t.write(Sums, sidecarText(lines));
    };
    const QString one = "Corrupted Parts:\r\n\r\n%1\r\n\r\nThis part of clip.mpg differs from its "
                        "checksum in clip.mpg.sha256.";
    const QString refusedWhole = "clip.mpg was not combined: the joined file does not match its "
                                 "checksum in clip.mpg.sha256.\r\nNothing was written for it, "
                                 "and its parts were kept.";
    const QList<Case> cases = {
        {"round trip", true, [](auto&, auto&) {}, {}, {}, true},
        {"one flipped byte",
         true,
         [&](auto& t, auto&) { flipByte(t, pieceName(3), 500); },
         one.arg(damagedEntry(3)),
         {},
         false},
        {"a truncated piece, no info file",
         false,
         [&](auto& t, auto& d) { t.write(pieceName(2), d.mid(Piece, 400)); },
         one.arg(damagedEntry(2)),
         {},
         false},
        {"a truncated piece, sizes checked first", true,
         [&](auto& t, auto& d) { t.write(pieceName(2), d.mid(Piece, 400)); },
         "Corrupted Parts:\r\n\r\nPart 2 -- 600 missing bytes\r\n\r\nThis part of clip.mpg is "
         "the wrong size.",
         refusedWhole, false},
        {"two pieces of one size swapped",
         true,
         [&](auto& t, auto& d) {
             t.write(pieceName(1), d.mid(Piece, Piece));
             t.write(pieceName(2), d.mid(0, Piece));
         },
         "Corrupted Parts:\r\n\r\n" + damagedEntry(1) + "\r\n" + damagedEntry(2)
             + "\r\n\r\nThese parts of clip.mpg differ from their checksums in clip.mpg.sha256.",
         {},
         false},
        {"a wrong line for a piece",
         true,
         [&](auto& t, auto& d) {
             QList<DigestLine> lines = setLines(d);
             lines[3].digest = Sha256::of("something else");
             writeSums(t, lines);
         },
         one.arg(damagedEntry(4)),
         {},
         false},
        {"a wrong line for the whole file",
         true,
         [&](auto& t, auto& d) {
             QList<DigestLine> lines = setLines(d);
             lines[5].digest = Sha256::of("something else");
             writeSums(t, lines);
         },
         {},
         refusedWhole,
         false},
        {"lines naming other files only",
         true,
         [&](auto& t, auto&) {
             writeSums(t, {{Sha256::of("a"), "other.bin"}, {Sha256::of("b"), "other.bin.001"}});
         },
         {},
         {},
         true},
        {"a hand-made file: binary marks, CR LF, a comment, pieces renamed with underscores",
         true,
         [&](auto& t, auto& d) {
             for (int i = 1; i <= 5; ++i)
                 QFile::rename(t.path(pieceName(i)), t.path("clip_mpg.00" + QString::number(i)));
             QByteArray text = "# made by hand\r\n";
             for (int i = 1; i <= 5; ++i)
                 text += Sha256::of(d.mid((i - 1) * Piece, Piece)).toHex().toUpper()
                     + " *clip_mpg.00" + QByteArray::number(i) + "\r\n";
             t.write(Sums, text);
             flipByte(t, "clip_mpg.005", 10);
         },
         "Corrupted Parts:\r\n\r\nPart 5 -- clip_mpg.005: damaged (checksum differs)\r\n\r\nThis "
         "part of clip.mpg differs from its checksum in clip.mpg.sha256.",
         {},
         false},
    };
    for (const Case& c : cases) {
        CombineJob job;
        job.settings.CombineDelete = true;
        if (!c.info) {
            // No info file to count the pieces: the run of pieces found is the set.
            job.settings.MissingParts = 2;
            job.settings.PSizePrompt = false;
        }
        const QByteArray data = job.pieces({.size = Size, .pieceSize = Piece, .info = c.info});
        job.folder.write(Sums, sidecarText(setLines(data)));
        c.change(job.folder, data);
        const QStringList before = job.folder.names();
        // The report is answered "combine the corrupt parts anyway": even
        // then nothing of the set is deleted and it does not count done.
        job.host.reportAnswers = {ReportAnswer::Combine};
        const CombineOutcome o = job.combine({c.info ? "clip.mpg.000" : pieceName(1)});
        const QStringList reported = job.reported();
        if (c.reported.isEmpty()) {
            EXPECT_TRUE(reported.isEmpty()) << c.what << reported.join("|").toStdString();
        } else {
            EXPECT_EQ(reported, QStringList{"Corrupt: " + c.reported}) << c.what;
        }
        if (!c.refused.isEmpty()) {
            EXPECT_TRUE(job.host.messages.contains(c.refused)) << c.what;
        }
        EXPECT_EQ(o.allCombined(), c.combined) << c.what;
        if (c.combined) {
            EXPECT_EQ(job.folder.read(Clip), data) << c.what;
            continue;
        }
        // Every file of the set is still there, the checksum file included.
        QStringList after = job.folder.names();
        after.removeAll(Clip);
        EXPECT_EQ(after, before) << c.what;
        EXPECT_EQ(job.folder.exists(Clip), c.refused.isEmpty()) << c.what;
    }
}

TEST(CombineChecksums, AVerifiedCombineWithDeleteTakesTheChecksumFileUnlessItHoldsOtherLines)
{
    for (const bool otherLines : {false, true}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        const QByteArray data = job.pieces({.size = Size, .pieceSize = Piece, .batch = true});
        QList<DigestLine> lines = setLines(data);
        if (otherLines)
            lines.append({Sha256::of("x"), "notes.txt"});
        job.folder.write(Sums, sidecarText(lines));
        const CombineOutcome o = job.combine({"clip.mpg.000"});
        EXPECT_TRUE(o.allCombined());
        EXPECT_EQ(job.folder.read(Clip), data);
        const QStringList left = otherLines ? QStringList{Clip, Sums} : QStringList{Clip};
        EXPECT_EQ(job.folder.names(), left);
    }
}

TEST(CombineChecksums, ThePieceCheckShowsItsProgressAndACancelStopsBeforeWriting)
{
    CombineJob job;
    const QByteArray data = job.pieces({.size = Size, .pieceSize = Piece});
    job.folder.write(Sums, sidecarText(setLines(data)));
    job.combine({"clip.mpg.000"});
    const QStringList captions = job.host.captions(Line::Part);
    EXPECT_TRUE(captions.contains("Checking piece 1 of 5...")) << captions.join("|").toStdString();
    EXPECT_TRUE(captions.contains("Checking piece 5 of 5..."));

    TriggeredHost cancelling;
    cancelling.trigger = "Checking piece 1 of 5...";
    CombineJob stopped;
    stopped.pieces({.size = Size, .pieceSize = Piece});
    stopped.folder.write(Sums, sidecarText(setLines(data)));
    const QStringList before = stopped.folder.names();
    stopped.combineWith(cancelling, {"clip.mpg.000"});
    EXPECT_EQ(stopped.folder.names(), before);
}

}  // namespace
}  // namespace tsl::test
