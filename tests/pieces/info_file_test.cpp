// The info file name.000: its bytes, and reading it back with the questions
// a damaged or missing one raises.
#include "pieces/info_file.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QtEndian>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

QDateTime utc(const char* text)
{
    QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    t.setTimeSpec(Qt::UTC);
    return t;
}

QByteArray sampleBytes(quint64 totalSize = 1000000, quint64 pieces = 2, quint64 pieceSize = 512000)
{
    return infoFileBytes("MOVIE.AVI", utc("2001-02-03T04:05:06"), utc("1999-12-31T23:59:59"),
                         utc("2002-01-01T00:00:00"), totalSize, 32, pieces, pieceSize);
}

const QString Damaged = "\r\n\r\nThis .000 file is probably messed up.\r\n"
                        "Click the Retry button to try to read the file again.\r\n"
                        "Click the Ignore button if you want to combine files anyway.\r\n"
                        "Click the Abort button to skip this file set.";

}  // namespace

TEST(InfoFileLayout, ClassicThirtyPlusNameBytes)
{
    const QByteArray b = sampleBytes();
    ASSERT_EQ(b.size(), 30 + 9);
    EXPECT_EQ(b[0], char(9));
    EXPECT_EQ(b.mid(1, 9), "MOVIE.AVI");
    EXPECT_EQ(b.mid(14, 4), QByteArray::fromHex("7F436D38"));  // last write 946684799
    EXPECT_EQ(b.mid(22, 4), QByteArray::fromHex("40420F00"));  // total size 1,000,000
    EXPECT_EQ(b[26], char(32));
    EXPECT_EQ(b.mid(27, 4), QByteArray(4, '\0'));
    EXPECT_EQ(b.mid(31, 4), QByteArray::fromHex("02000000"));
    EXPECT_EQ(b.mid(35, 4), QByteArray::fromHex("00D00700"));  // 512,000
}

TEST(InfoFileLayout, FourGibibytesAndMoreCarryTheWholeSizeBehind)
{
    const QByteArray b = sampleBytes((5ULL << 30) + 7, 54, 100000000);
    ASSERT_EQ(b.size(), 38 + 9);
    EXPECT_EQ(b.mid(22, 4), QByteArray::fromHex("07000040"));  // size modulo 2^32
    EXPECT_EQ(b.mid(39, 8), QByteArray::fromHex("0700004001000000"));
    EXPECT_EQ(sampleBytes((4ULL << 30) - 1).size(), 39);
}

TEST(InfoFileLayout, APieceOfFourGibibytesAndMoreCarriesItsWholeSizeLast)
{
    // 20 GiB + 1 in two pieces of 10 GiB + 4096 (a count split of a big file).
    const quint64 total = (20ULL << 30) + 1, piece = (10ULL << 30) + 4096;
    const QByteArray b = sampleBytes(total, 2, piece);
    ASSERT_EQ(b.size(), 46 + 9);
    EXPECT_EQ(b.mid(35, 4), QByteArray::fromHex("00100080"));  // piece size modulo 2^32
    EXPECT_EQ(b.mid(39, 8), QByteArray::fromHex("0100000005000000"));
    EXPECT_EQ(b.mid(47, 8), QByteArray::fromHex("0010008002000000"));
    EXPECT_EQ(sampleBytes(total, 5, (4ULL << 30) - 1).size(), 38 + 9);
    const std::optional<InfoRecord> r = decodeInfoFile(b);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->InfoTotalSize, total);
    EXPECT_EQ(r->InfoPieceSize, piece);
    EXPECT_TRUE(r->InfoHasPieceSize);
    // A reader that stops after the whole total size sees the piece size modulo 2^32.
    EXPECT_EQ(decodeInfoFile(b.left(38 + 9))->InfoPieceSize, 0x80001000u);
}

TEST(InfoFileLayout, TimesBefore1970BecomeTheLocalClock)
{
    // Nine hours east of UTC, so local wall-clock time and UTC differ.
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "JST-9");
    tzset();
    const QByteArray b = infoFileBytes("A", QDateTime(), utc("1601-01-01T00:00:00"),
                                       utc("1970-01-01T00:00:00"), 1, 0, 0, 100);
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 localAsUtc = QDateTime(now.date(), now.time(), Qt::UTC).toSecsSinceEpoch();
    const auto field = [&](int at) { return qint64(qFromLittleEndian<quint32>(b.data() + at)); };
    EXPECT_NEAR(field(2), localAsUtc, 5);
    EXPECT_NEAR(field(6), localAsUtc, 5);
    EXPECT_NEAR(field(2), QDateTime::currentSecsSinceEpoch() + 9 * 3600, 5);
    EXPECT_EQ(field(10), 0);
    if (oldTz.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oldTz);
    tzset();
}

TEST(ParseMS000, ReadsEveryField)
{
    TempFolder t;
    ScriptedHost host;
    InfoRecord r;
    ASSERT_EQ(ParseMS000(t.write("movie.avi.000", sampleBytes()), false, r, host), info::Read);
    EXPECT_EQ(r.InfoCreationTime, utc("2001-02-03T04:05:06"));
    EXPECT_EQ(r.InfoLastWriteTime, utc("1999-12-31T23:59:59"));
    EXPECT_EQ(r.InfoLastAccessTime, utc("2002-01-01T00:00:00"));
    EXPECT_EQ(r.InfoTotalSize, 1000000u);
    EXPECT_EQ(r.InfoAttributes, 32);
    EXPECT_EQ(r.InfoPieceCount, 2u);
    EXPECT_TRUE(r.InfoHasPieceSize);
    EXPECT_EQ(r.InfoPieceSize, 512000u);
    EXPECT_TRUE(host.conversation.isEmpty());

    // The piece size field counts from two bytes on: the two that are there.
    for (const int extra : {26, 27, 28}) {
        ASSERT_EQ(ParseMS000(t.write("a.000", sampleBytes().left(extra + 9)), false, r, host),
                  info::Read);
        EXPECT_EQ(r.InfoHasPieceSize, extra == 28);
    }
    EXPECT_EQ(r.InfoPieceSize, 0xD000u);
}

TEST(ParseMS000, DamagedFileAsksAbortRetryIgnoreAndRetryReadsItAgain)
{
    TempFolder t;
    QByteArray bad = sampleBytes();
    bad[0] = char(200);
    const QString path = t.write("bad.000", bad.left(40));
    struct RepairingHost : ScriptedHost {
        std::function<void()> repair;
        Answer ask(Ask kind, const QString& text, Buttons b, Icon i, Answer d) override
        {
            if (repair)
                repair();
            return ScriptedHost::ask(kind, text, b, i, d);
        }
    } host;
    host.answers = {Answer::Retry, Answer::Abort};
    InfoRecord r;
    r.InfoPieceCount = 77;
    EXPECT_EQ(ParseMS000(path, false, r, host), info::Skip);
    ASSERT_EQ(host.asked.size(), 2u);
    EXPECT_EQ(host.asked[0].text, path + Damaged);
    EXPECT_EQ(host.asked[0].buttons, Buttons::AbortRetryIgnore);
    EXPECT_EQ(host.asked[0].icon, Icon::Critical);
    EXPECT_EQ(host.asked[0].defaultAnswer, Answer::Ignore);
    EXPECT_EQ(r.InfoPieceCount, 77u);  // a failed read leaves the record alone

    host.answers = {Answer::Ignore};
    EXPECT_EQ(ParseMS000(path, false, r, host), info::Ignore);

    // Retry reads the file as it is now.
    host.answers = {Answer::Retry};
    host.repair = [&] { t.write("bad.000", sampleBytes()); };
    EXPECT_EQ(ParseMS000(path, false, r, host), info::Read);
    EXPECT_EQ(r.InfoPieceCount, 2u);
}

TEST(ParseMS000, AMissingFileSkipsTheSetWhenListingAndIsARunTimeErrorOtherwise)
{
    TempFolder t;
    ScriptedHost host;
    InfoRecord r;
    // Listing never asks about damage.
    EXPECT_EQ(ParseMS000(t.write("empty.000", {}), true, r, host), info::Damaged);
    EXPECT_EQ(ParseMS000(t.write("short.000", sampleBytes().left(20)), true, r, host),
              info::Damaged);
    EXPECT_TRUE(host.messages.isEmpty());
    const QString gone = t.path("gone.000");
    EXPECT_EQ(ParseMS000(gone, true, r, host), info::Skip);
    host.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(ParseMS000(gone, false, r, host), info::Quit);
    EXPECT_EQ(ParseMS000(gone, false, r, host), info::Ignore);
    const QString notFound = "Runtime Error: 53\r\nProcedure: modSplit.ParseMS000.Shit\r\n\r\n"
                             "File not found\r\n"
        + gone
        + "\r\n\r\nDo you want the program to try to continue?"
          "\r\n(Click NO to close the program.)";
    EXPECT_EQ(host.messages,
              QStringList({gone + "\r\n\r\nThis file is missing, so the file set will be skipped.",
                           notFound, notFound}));
}

TEST(WriteInfoFile, TruncatesAnOlderLongerFile)
{
    TempFolder t;
    t.write("movie.avi", QByteArray(1000, 'x'));
    t.write("movie.avi.000", QByteArray(300, 'z'));
    ASSERT_FALSE(writeInfoFile(t.path("movie.avi"), t.path("movie.avi.000"), 10, 100).failed());
    EXPECT_EQ(t.size("movie.avi.000"), 30 + 9);
}
