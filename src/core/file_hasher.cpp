#include "core/file_hasher.h"

#include "core/file_handle.h"
#include "core/sha256.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <numeric>
#include <unistd.h>
#include <vector>

namespace tsl {

QList<HashSpan> pieceSpans(const QString& path, qint64 fileLength, qint64 pieceSize, qint64 first,
                           qint64 last, int fd)
{
    QList<HashSpan> spans;
    for (qint64 i = first; i <= last && pieceSize > 0; ++i) {
        const qint64 offset = (i - 1) * pieceSize;
        if (offset >= fileLength)
            break;
        spans.append({path, offset, std::min(pieceSize, fileLength - offset), fd});
    }
    return spans;
}

namespace {

bool stopped(const std::atomic<bool>* a, const std::atomic<bool>* b)
{
    return (a && a->load(std::memory_order_relaxed)) || (b && b->load(std::memory_order_relaxed));
}

// Reads up to length bytes at offset; *got is less only at the end of the file.
RunError readAt(int fd, const QString& path, qint64 offset, char* buffer, qint64 length,
                qint64* got)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, buffer + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *got = done;
            return runErrorFromErrno(errno, path, FileOp::Read);
        }
        if (n == 0)
            break;
        done += n;
    }
    *got = done;
    return RunError::none();
}

// What one hash needs besides its spans: the buffer of one chunk, and the file
// opened last, kept open while the spans stay in it.
struct HashWork {
    std::vector<char> buffer;
    FileHandle file;

    RunError descriptor(const HashSpan& span, int* fd)
    {
        if (span.fd >= 0) {
            *fd = span.fd;
            return RunError::none();
        }
        if (!file.isOpen() || file.path() != span.path) {
            const RunError e = file.open(span.path, FileHandle::Mode::Read);
            if (e.failed())
                return e;
            ::posix_fadvise(file.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
        }
        *fd = file.fd();
        return RunError::none();
    }
};

// Hashes one span into piece and whole (each when given); false when it
// failed or was stopped, which result then says.
bool hashSpan(HashWork& work, const HashSpan& span, const HashOptions& options,
              const std::atomic<bool>* stop, Sha256* piece, Sha256* whole, HashResult& result)
{
    int fd = -1;
    result.error = work.descriptor(span, &fd);
    if (result.error.failed())
        return false;
    const qint64 chunk = std::max<qint64>(1, options.chunkSize);
    if (qint64(work.buffer.size()) < chunk)
        work.buffer.resize(size_t(chunk));
    qint64 done = 0;
    for (;;) {
        if (stopped(options.cancel, stop)) {
            result.cancelled = true;
            return false;
        }
        const qint64 want = span.length < 0 ? chunk : std::min(chunk, span.length - done);
        if (want == 0)
            break;
        qint64 got = 0;
        result.error = readAt(fd, span.path, span.offset + done, work.buffer.data(), want, &got);
        if (result.error.failed())
            return false;
        if (got == 0 && span.length >= 0) {
            result.error = RunError::of(err::InputPastEnd, span.path, FileOp::Read);
            return false;
        }
        if (got == 0)
            break;
        if (piece)
            piece->add(work.buffer.data(), got);
        if (whole)
            whole->add(work.buffer.data(), got);
        done += got;
        if (options.bytesDone)
            options.bytesDone->fetch_add(got, std::memory_order_relaxed);
    }
    if (piece) {
        result.digests.append(piece->finish());
        result.lengths.append(done);
    }
    if (options.spansDone)
        options.spansDone->fetch_add(1, std::memory_order_relaxed);
    return true;
}

// Hashes spans: each span's digest unless wholeOnly, and with options.whole
// the digest of all of them.
HashResult hashWith(HashWork& work, const QList<HashSpan>& spans, const HashOptions& options,
                    const std::atomic<bool>* stop, bool wholeOnly = false)
{
    HashResult result;
    Sha256 piece;
    Sha256 whole;
    for (const HashSpan& span : spans) {
        if (!hashSpan(work, span, options, stop, wholeOnly ? nullptr : &piece,
                      options.whole ? &whole : nullptr, result))
            return result;
    }
    if (options.whole)
        result.whole = whole.finish();
    return result;
}

}  // namespace

HashResult hashSpans(const QList<HashSpan>& spans, const HashOptions& options)
{
    HashWork work;
    return hashWith(work, spans, options, nullptr, options.whole && options.wholeOnly);
}

HashResult hashFile(const QString& path, qint64 chunkSize, const std::atomic<bool>* cancel)
{
    HashOptions options;
    options.chunkSize = chunkSize;
    options.cancel = cancel;
    return hashSpans({HashSpan{path}}, options);
}

BackgroundHasher::~BackgroundHasher()
{
    cancel();
    (void)join();
}

void BackgroundHasher::start(QList<HashSpan> spans, HashOptions options)
{
    if (started()) {
        cancel();
        (void)join();
    }
    stop_.store(false);
    done_.store(0);
    spans_.store(0);
    if (options.whole && options.wholeOnly) {
        options.bytesDone = &done_;
        options.spansDone = &spans_;
        thread_ = std::thread([this, spans = std::move(spans), options] {
            HashWork work;
            result_ = hashWith(work, spans, options, &stop_, true);
        });
        return;
    }
    if (options.whole && spans.size() > 1) {
        // Two passes of SHA-256 over the same bytes, one per thread: on two
        // cores the digests of the pieces and of the whole take the time of one.
        HashOptions whole = options;
        whole.bytesDone = nullptr;
        whole.spansDone = nullptr;
        wholeThread_ = std::thread([this, spans, whole] {
            HashWork work;
            wholeResult_ = hashWith(work, spans, whole, &stop_, true);
        });
        options.whole = false;
    }
    options.bytesDone = &done_;
    options.spansDone = &spans_;
    thread_ = std::thread([this, spans = std::move(spans), options] {
        HashWork work;
        result_ = hashWith(work, spans, options, &stop_);
    });
}

HashResult BackgroundHasher::join()
{
    if (!thread_.joinable())
        return {};
    thread_.join();
    HashResult result = std::exchange(result_, HashResult());
    if (wholeThread_.joinable()) {
        wholeThread_.join();
        const HashResult whole = std::exchange(wholeResult_, HashResult());
        if (!result.error.failed())
            result.error = whole.error;
        result.cancelled = result.cancelled || whole.cancelled;
        if (result.complete())
            result.whole = whole.whole;
    }
    return result;
}

QList<FileDigest> hashFiles(const QStringList& paths, int jobs, const HashOptions& options,
                            const std::function<void(int filesDone, qint64 bytesDone)>& progress)
{
    if (paths.isEmpty())
        return {};
    // One slot per file, written by the thread that hashes it.
    std::vector<FileDigest> digests(size_t(paths.size()));
    // Largest first: a big file started last would be hashed alone at the end
    // while the other threads sit idle.
    std::vector<qsizetype> order(size_t(paths.size()));
    std::iota(order.begin(), order.end(), 0);
    std::vector<qint64> sizes;
    for (const QString& path : paths)
        sizes.push_back(QFileInfo(path).size());
    std::stable_sort(order.begin(), order.end(),
                     [&sizes](qsizetype a, qsizetype b) { return sizes[a] > sizes[b]; });
    std::atomic<qint64> bytes{0};
    std::atomic<qsizetype> next{0};
    std::mutex mutex;
    std::condition_variable fileDone;
    int filesDone = 0;
    const auto worker = [&] {
        HashWork work;
        HashOptions own = options;
        own.whole = false;
        own.bytesDone = &bytes;
        own.spansDone = nullptr;
        for (qsizetype n = next++; n < paths.size(); n = next++) {
            const qsizetype i = order[size_t(n)];
            const HashResult r = hashWith(work, {HashSpan{paths[i]}}, own, nullptr);
            work.file = FileHandle();  // each file is read once: close it now
            FileDigest& d = digests[size_t(i)];
            d.error = r.error;
            d.cancelled = r.cancelled;
            if (r.complete()) {
                d.digest = r.digests.first();
                d.length = r.lengths.first();
            }
            std::lock_guard lock(mutex);
            ++filesDone;
            fileDone.notify_one();
        }
    };
    const int threads = std::clamp(jobs, 1, int(paths.size()));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(worker);
    {
        std::unique_lock lock(mutex);
        int reported = -1;
        while (reported < paths.size()) {
            fileDone.wait_for(lock, std::chrono::milliseconds(200),
                              [&] { return filesDone != reported; });
            reported = filesDone;
            if (progress) {
                lock.unlock();
                progress(reported, bytes.load());
                lock.lock();
            }
        }
    }
    for (std::thread& t : pool)
        t.join();
    return QList<FileDigest>(digests.begin(), digests.end());
}

}  // namespace tsl
