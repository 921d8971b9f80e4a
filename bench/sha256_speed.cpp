// SHA-256 throughput of OpenSSL's libcrypto (EVP) and of QCryptographicHash on
// this machine, over the bytes of FILE read in 1,000,000-byte chunks (the
// default chunk setting) and over one buffer already in memory.
//
//   sha256_speed FILE [ROUNDS]
//
// Prints one line per library: the digest, then the best of ROUNDS runs in
// GB/s (10^9 bytes per second) for the file and for memory, each by the wall
// clock and by the process's CPU time (which other load on a shared machine
// disturbs less).
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <ctime>
#include <functional>
#include <openssl/evp.h>
#include <vector>

namespace {

constexpr qint64 Chunk = 1000000;

// Feeds every chunk of path to add(); false when the file cannot be read.
bool readChunks(const QString& path, const std::function<void(const char*, qint64)>& add)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    std::vector<char> buffer(Chunk);
    for (;;) {
        const qint64 n = file.read(buffer.data(), Chunk);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        add(buffer.data(), n);
    }
}

struct Hasher {
    const char* name;
    std::function<void()> reset;
    std::function<void(const char*, qint64)> add;
    std::function<QByteArray()> result;
};

double gbPerSecond(qint64 bytes, qint64 nanoseconds)
{
    return double(bytes) / double(nanoseconds);
}

qint64 cpuNanoseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The best wall and CPU times of a measurement.
struct Best {
    qint64 wall = -1;
    qint64 cpu = -1;
    void take(qint64 w, qint64 c)
    {
        wall = wall < 0 ? w : qMin(wall, w);
        cpu = cpu < 0 ? c : qMin(cpu, c);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [ROUNDS]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const qint64 size = QFile(path).size();

    EVP_MD_CTX* evp = EVP_MD_CTX_new();
    QCryptographicHash qt(QCryptographicHash::Sha256);
    const Hasher hashers[] = {
        {"openssl-evp", [&] { EVP_DigestInit_ex(evp, EVP_sha256(), nullptr); },
         [&](const char* p, qint64 n) { EVP_DigestUpdate(evp, p, size_t(n)); },
         [&] {
             unsigned char md[EVP_MAX_MD_SIZE];
             unsigned int len = 0;
             EVP_DigestFinal_ex(evp, md, &len);
             return QByteArray(reinterpret_cast<const char*>(md), int(len)).toHex();
         }},
        {"qcryptographichash", [&] { qt.reset(); },
         [&](const char* p, qint64 n) { qt.addData(QByteArrayView(p, n)); },
         [&] { return qt.result().toHex(); }},
    };

    // A memory buffer of up to 256 MiB of the file's own bytes.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray memory = file.read(qMin<qint64>(size, 256 << 20));

    for (const Hasher& h : hashers) {
        Best onFile, inMemory;
        QByteArray digest;
        for (int r = 0; r < rounds; ++r) {
            QElapsedTimer t;
            t.start();
            qint64 cpu = cpuNanoseconds();
            h.reset();
            if (!readChunks(path, h.add))
                return 1;
            digest = h.result();
            onFile.take(t.nsecsElapsed(), cpuNanoseconds() - cpu);

            t.restart();
            cpu = cpuNanoseconds();
            h.reset();
            for (qint64 at = 0; at < memory.size(); at += Chunk)
                h.add(memory.constData() + at, qMin<qint64>(Chunk, memory.size() - at));
            (void)h.result();
            inMemory.take(t.nsecsElapsed(), cpuNanoseconds() - cpu);
        }
        std::printf("%-19s %s\n    file   %.2f GB/s wall, %.2f GB/s of CPU time\n"
                    "    memory %.2f GB/s wall, %.2f GB/s of CPU time\n",
                    h.name, digest.constData(), gbPerSecond(size, onFile.wall),
                    gbPerSecond(size, onFile.cpu), gbPerSecond(memory.size(), inMemory.wall),
                    gbPerSecond(memory.size(), inMemory.cpu));
    }
    EVP_MD_CTX_free(evp);
    return 0;
}
