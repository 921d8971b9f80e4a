#include "core/sha256.h"

#include <openssl/evp.h>
#include <utility>

namespace tsl {

// EVP_MD_CTX is opaque; the struct only keeps <openssl/evp.h> out of the header.
struct Sha256::Context {
    EVP_MD_CTX* md = nullptr;
};

namespace {

// The algorithm is looked up once: a fetch per message would cost more than
// hashing a small piece.
const EVP_MD* sha256Algorithm()
{
    static EVP_MD* algorithm = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    return algorithm;
}

}  // namespace

Sha256::Sha256() : context_(new Context)
{
    context_->md = EVP_MD_CTX_new();
    reset();
}

Sha256::~Sha256()
{
    if (context_)
        EVP_MD_CTX_free(context_->md);
    delete context_;
}

Sha256::Sha256(Sha256&& other) noexcept : context_(std::exchange(other.context_, nullptr)) {}

Sha256& Sha256::operator=(Sha256&& other) noexcept
{
    std::swap(context_, other.context_);
    return *this;
}

void Sha256::add(const char* data, qint64 length)
{
    if (length > 0)
        EVP_DigestUpdate(context_->md, data, size_t(length));
}

QByteArray Sha256::finish()
{
    QByteArray digest(Sha256Length, Qt::Uninitialized);
    unsigned int length = 0;
    EVP_DigestFinal_ex(context_->md, reinterpret_cast<unsigned char*>(digest.data()), &length);
    reset();
    return digest;
}

void Sha256::reset()
{
    EVP_DigestInit_ex(context_->md, sha256Algorithm(), nullptr);
}

QByteArray Sha256::of(QByteArrayView bytes)
{
    Sha256 hash;
    hash.add(bytes);
    return hash.finish();
}

}  // namespace tsl
