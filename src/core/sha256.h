// SHA-256 of bytes as they pass through the process.
//
// libcrypto's implementation is used because it takes the CPU's SHA
// extensions where there are any: on the machines measured it hashes about
// ten times as fast as QCryptographicHash (bench/sha256_bench.sh). A digest is
// the 32 raw bytes; QByteArray::toHex() gives the text checksum files carry.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tsl {

// The length of a SHA-256 digest in bytes.
constexpr int Sha256Length = 32;

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(Sha256&& other) noexcept;
    Sha256& operator=(Sha256&& other) noexcept;
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    // Adds the next bytes of the message.
    void add(const char* data, qint64 length);
    void add(QByteArrayView bytes) { add(bytes.data(), bytes.size()); }

    // The digest of every byte added since the start (or the last finish() or
    // reset()); the object then starts a new message.
    QByteArray finish();

    // Forgets the bytes added: a new message starts.
    void reset();

    // The digest of bytes in one go.
    static QByteArray of(QByteArrayView bytes);

private:
    struct Context;
    Context* context_ = nullptr;
};

}  // namespace tsl
