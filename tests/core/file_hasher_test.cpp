// SHA-256 of bytes and of files: known digests, stretches of a file cut into
// pieces, reads past the end, a hash on its own thread stopped halfway, and
// many files hashed at once.
#include "core/file_hasher.h"
#include "core/sha256.h"
#include "support/temp_files.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The digest itself is OpenSSL's: what is ours is the message in pieces and
// finish() starting the next one.
TEST(Sha256, AMessageInPiecesAndFinishStartsANewOne)
{
    EXPECT_EQ(Sha256::of("").toHex(),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256::of("abc").toHex(),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    Sha256 hash;
    hash.add("x");
    (void)hash.finish();
    hash.add("ab");
    hash.add("c");
    EXPECT_EQ(hash.finish(), Sha256::of("abc"));
}

TEST(HashSpans, PiecesOfAFileAndTheWholeInChunksOfAnySize)
{
    TempFolder t;
    const QByteArray data = patternBytes(3500);
    const QString path = t.write("f", data);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    for (const qint64 chunk : {qint64(7), qint64(1000), qint64(1000000)}) {
        for (const int viaFd : {-1, fd}) {
            HashOptions options;
            options.chunkSize = chunk;
            options.whole = true;
            const HashResult r = hashSpans(pieceSpans(path, 3500, 1000, 1, 4, viaFd), options);
            ASSERT_TRUE(r.complete()) << chunk;
            ASSERT_EQ(r.digests.size(), 4);
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(r.digests[i], Sha256::of(data.mid(i * 1000, 1000))) << chunk << " " << i;
                EXPECT_EQ(r.lengths[i], i < 3 ? 1000 : 500);
            }
            EXPECT_EQ(r.whole, Sha256::of(data)) << chunk;
        }
    }
    ::close(fd);
    // A range of pieces: 2 and 3 only.
    const QList<HashSpan> middle = pieceSpans(path, 3500, 1000, 2, 3);
    ASSERT_EQ(middle.size(), 2);
    EXPECT_EQ(middle[0].offset, 1000);
    EXPECT_EQ(hashSpans(middle, {}).digests[1], Sha256::of(data.mid(2000, 1000)));
}

TEST(HashSpans, AFileShorterThanItsSpansOrMissingIsAnError)
{
    TempFolder t;
    const QString path = t.write("f", patternBytes(2500));
    HashOptions options;
    options.whole = true;
    // The file lost bytes since its length was taken: the third span runs out.
    HashResult r = hashSpans(pieceSpans(path, 3000, 1000, 1, 3), options);
    EXPECT_EQ(r.error.number, 62);  // Input past end of file
    EXPECT_EQ(r.error.path, path);
    EXPECT_EQ(r.digests.size(), 2);
    EXPECT_TRUE(r.whole.isEmpty());

    r = hashFile(t.path("gone"), 1000);
    EXPECT_EQ(r.error.number, 53);
    EXPECT_TRUE(r.digests.isEmpty());
}

TEST(BackgroundHasher, JoinsWithTheDigestsOrStopsWhenCancelled)
{
    TempFolder t;
    const QByteArray data = patternBytes(5000);
    const QString path = t.write("f", data);
    BackgroundHasher hasher;
    HashOptions options;
    options.chunkSize = 1000;
    options.whole = true;
    hasher.start(pieceSpans(path, 5000, 2000, 1, 3), options);
    HashResult r = hasher.join();
    ASSERT_TRUE(r.complete());
    EXPECT_EQ(r.digests[2], Sha256::of(data.mid(4000)));
    EXPECT_EQ(r.whole, Sha256::of(data));
    EXPECT_EQ(hasher.bytesDone(), 5000);
    EXPECT_EQ(hasher.spansDone(), 3);
    EXPECT_FALSE(hasher.started());

    // A gigabyte in chunks of 10,000 bytes takes far longer than the cancel
    // after the start: both hashes (the pieces' and the whole's) stop partway.
    const QString big = t.writeSparse("big", qint64(1) << 30);
    options.chunkSize = 10000;
    hasher.start(pieceSpans(big, qint64(1) << 30, qint64(1) << 28, 1, 4), options);
    hasher.cancel();
    r = hasher.join();
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.digests.isEmpty());
    EXPECT_TRUE(r.whole.isEmpty());
    EXPECT_LT(hasher.bytesDone(), qint64(1) << 30);

    // The job's own cancel request stops it too.
    std::atomic<bool> cancel{true};
    options.cancel = &cancel;
    hasher.start({HashSpan{path}}, options);
    EXPECT_TRUE(hasher.join().cancelled);
}

TEST(HashFiles, ManyFilesAtOnceInTheirOrder)
{
    TempFolder t;
    QStringList paths;
    QList<QByteArray> contents;
    for (int i = 0; i < 7; ++i) {
        contents << patternBytes(1000 * i + 1, i);
        paths << t.write(QString::number(i), contents.last());
    }
    paths.insert(3, t.path("gone"));
    contents.insert(3, {});
    int lastDone = 0;
    qint64 lastBytes = 0;
    const QList<FileDigest> digests = hashFiles(paths, 3, {}, [&](int done, qint64 bytes) {
        lastDone = done;
        lastBytes = bytes;
    });
    ASSERT_EQ(digests.size(), 8);
    for (int i = 0; i < 8; ++i) {
        if (i == 3) {
            EXPECT_EQ(digests[i].error.number, 53);
            EXPECT_TRUE(digests[i].digest.isEmpty());
            continue;
        }
        EXPECT_FALSE(digests[i].error.failed()) << i;
        EXPECT_EQ(digests[i].digest, Sha256::of(contents[i])) << i;
        EXPECT_EQ(digests[i].length, contents[i].size());
    }
    EXPECT_EQ(lastDone, 8);
    EXPECT_EQ(lastBytes, 21007);  // 1 + 1001 + ... + 6001

    std::atomic<bool> cancel{true};
    HashOptions options;
    options.cancel = &cancel;
    for (const FileDigest& d : hashFiles(paths, 2, options))
        EXPECT_TRUE(d.cancelled || d.error.failed());
}

}  // namespace
