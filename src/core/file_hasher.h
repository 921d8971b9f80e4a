// SHA-256 of what lies on disk: stretches of files read chunk by chunk, on
// the calling thread, on a thread of its own beside a copy, or many files at
// once.
//
// A copy through copy_file_range(2) never passes the bytes through the
// process, so nothing can hash them on the way; BackgroundHasher reads the
// source a second time on its own thread while the copy runs (the copy and the
// hash then share the page cache and cost one read of the disk). Reads are at
// most one chunk (the ChunkSize setting) long; cancellation is looked at
// between chunks.
#pragma once

#include "core/run_error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <thread>

namespace tsl {

// One stretch of a file to hash.
struct HashSpan {
    QString path;        // the file; errors name it
    qint64 offset = 0;   // where the stretch starts
    qint64 length = -1;  // its length; -1 up to the end of the file
    int fd = -1;         // an open descriptor of path to read instead of opening path; the
                         // caller keeps it open until the hash is done
};

// The spans of pieces first..last (1-based) of a file of fileLength bytes cut
// into pieces of pieceSize bytes, read through fd when it is not -1.
QList<HashSpan> pieceSpans(const QString& path, qint64 fileLength, qint64 pieceSize, qint64 first,
                           qint64 last, int fd = -1);

struct HashOptions {
    qint64 chunkSize = 1000000;                 // the largest single read (ChunkSize)
    bool whole = false;                         // also hash all the spans as one message
    bool wholeOnly = false;                     // with whole: only that digest, none of each span
    const std::atomic<bool>* cancel = nullptr;  // stops the hash between chunks when set
    std::atomic<qint64>* bytesDone = nullptr;   // counted up after every chunk
    std::atomic<qint64>* spansDone = nullptr;   // counted up after every span
};

struct HashResult {
    QList<QByteArray> digests;  // of each span hashed, in order
    QList<qint64> lengths;      // the bytes each of those spans held
    QByteArray whole;  // of all the spans one after another, when asked for and all were hashed
    RunError error;    // the first failure (a span past the file's end: "Input past end of
                       // file"); the spans from the failed one on have no digest
    bool cancelled = false;

    bool complete() const { return !error.failed() && !cancelled; }
};

// Hashes spans one after the other on the calling thread.
HashResult hashSpans(const QList<HashSpan>& spans, const HashOptions& options);

// The digest of the whole file at path (digests[0], lengths[0]).
HashResult hashFile(const QString& path, qint64 chunkSize,
                    const std::atomic<bool>* cancel = nullptr);

// hashSpans on a thread of its own: started before a copy, joined after it.
// With options.whole and more than one span, the digest of the whole is
// computed on a second thread beside the spans' digests.
class BackgroundHasher {
public:
    BackgroundHasher() = default;
    // Cancels a hash still running and waits for its thread.
    ~BackgroundHasher();
    BackgroundHasher(const BackgroundHasher&) = delete;
    BackgroundHasher& operator=(const BackgroundHasher&) = delete;

    // Starts hashing spans; a hash started before is cancelled and joined
    // first. options.bytesDone and options.spansDone are left alone:
    // bytesDone() and spansDone() count instead.
    void start(QList<HashSpan> spans, HashOptions options);
    // Asks the hash to stop after the chunk it is on; join() then says cancelled.
    void cancel() { stop_.store(true); }
    // Waits for the hash to end and gives its result (empty when none was started).
    HashResult join();
    // Whether a hash was started and not joined yet.
    bool started() const { return thread_.joinable(); }
    // Bytes hashed so far; any thread may ask.
    qint64 bytesDone() const { return done_.load(std::memory_order_relaxed); }
    // Spans hashed so far ("Checking piece 3 of 40..."); any thread may ask.
    qint64 spansDone() const { return spans_.load(std::memory_order_relaxed); }

private:
    std::thread thread_;
    std::thread wholeThread_;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> done_{0};
    std::atomic<qint64> spans_{0};
    HashResult result_;
    HashResult wholeResult_;
};

// The digest of one whole file among many hashed at once.
struct FileDigest {
    QByteArray digest;  // empty when the file was not hashed to its end
    qint64 length = 0;
    RunError error;
    bool cancelled = false;
};

// Hashes each file of paths whole, up to `jobs` at a time, each on a thread
// of its own, the largest files first (options.whole, options.bytesDone and
// options.spansDone are not used). progress,
// when given, is called on the calling thread with the number of files done
// and the bytes hashed, after every file and a few times a second between.
// The result is in the order of paths.
QList<FileDigest> hashFiles(
    const QStringList& paths, int jobs, const HashOptions& options,
    const std::function<void(int filesDone, qint64 bytesDone)>& progress = {});

}  // namespace tsl
