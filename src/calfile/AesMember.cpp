#include "calfile/AesMember.h"

#include <QtEndian>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <zip.h>

namespace {

constexpr int kIterations = 1000;
constexpr qsizetype kVerifierLength = 2;
constexpr qsizetype kAuthCodeLength = 10;

// Compares without stopping at the first difference.
bool SameBytes(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

int AesKeyLength(quint16 encryptionMethod)
{
    switch (encryptionMethod) {
    case ZIP_EM_AES_128:
        return 16;
    case ZIP_EM_AES_192:
        return 24;
    case ZIP_EM_AES_256:
        return 32;
    }
    return 0;
}

// PBKDF2 with HMAC-SHA1 (RFC 2898), what WinZip AES derives its keys with. The system's
// crypto library, which libzip loads anyway, does the thousand rounds several times faster than
// a hash reset for each.
static QByteArray Pbkdf2Sha1(QByteArrayView password, QByteArrayView salt, int iterations, int length)
{
    QByteArray derived(length, '\0');
    const auto* saltBytes = reinterpret_cast<const unsigned char*>(salt.data());
    if (PKCS5_PBKDF2_HMAC_SHA1(password.data(), int(password.size()), saltBytes, int(salt.size()), iterations,
                               length, reinterpret_cast<unsigned char*>(derived.data())) != 1)
        return {};
    return derived;
}

// HMAC-SHA1 of data under key.
static QByteArray HmacSha1(QByteArrayView key, QByteArrayView data)
{
    unsigned char code[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!HMAC(EVP_sha1(), key.data(), int(key.size()), reinterpret_cast<const unsigned char*>(data.data()),
              size_t(data.size()), code, &length))
        return {};
    return QByteArray(reinterpret_cast<const char*>(code), qsizetype(length));
}

qsizetype AesDataStart(int keyLength)
{
    return keyLength / 2 + kVerifierLength; // after the salt and the verifier
}

qsizetype AesOverhead(int keyLength)
{
    return AesDataStart(keyLength) + kAuthCodeLength;
}

AesVerdict CheckAesMember(QByteArrayView stored, int keyLength, QByteArrayView password, QByteArray* key)
{
    const qsizetype saltLength = keyLength / 2;
    if (keyLength <= 0 || stored.size() < AesOverhead(keyLength)) return AesVerdict::Damaged;
    // The encryption key, the authentication key, the verifier.
    const QByteArray keys = Pbkdf2Sha1(password, stored.first(saltLength), kIterations, 2 * keyLength + 2);
    if (keys.isEmpty()) return AesVerdict::Damaged;
    if (!SameBytes(QByteArrayView(keys).last(kVerifierLength), stored.sliced(saltLength, kVerifierLength)))
        return AesVerdict::WrongPassword;

    const qsizetype start = AesDataStart(keyLength);
    const QByteArrayView encrypted = stored.sliced(start, stored.size() - AesOverhead(keyLength));
    const QByteArray mac = HmacSha1(QByteArrayView(keys).sliced(keyLength, keyLength), encrypted);
    if (mac.size() < kAuthCodeLength ||
        !SameBytes(QByteArrayView(mac).first(kAuthCodeLength), stored.last(kAuthCodeLength)))
        return AesVerdict::Damaged;
    if (key) *key = keys.first(keyLength);
    return AesVerdict::Authentic;
}

bool DecryptAesData(char* data, qsizetype size, QByteArrayView key)
{
    const EVP_CIPHER* cipher = key.size() == 16   ? EVP_aes_128_ecb()
                               : key.size() == 24 ? EVP_aes_192_ecb()
                               : key.size() == 32 ? EVP_aes_256_ecb()
                                                  : nullptr;
    EVP_CIPHER_CTX* ctx = cipher ? EVP_CIPHER_CTX_new() : nullptr;
    bool ok = ctx && EVP_EncryptInit_ex(ctx, cipher, nullptr,
                                        reinterpret_cast<const unsigned char*>(key.data()), nullptr) == 1;
    if (ok) EVP_CIPHER_CTX_set_padding(ctx, 0);

    // The key stream is the counter blocks encrypted one by one: many at a time, for speed.
    constexpr qsizetype kBlock = 16;
    constexpr qsizetype kBatch = 1024 * kBlock;
    unsigned char counters[kBatch] = {}; // the high bytes of each counter stay 0
    unsigned char stream[kBatch];
    quint64 counter = 1;
    auto* bytes = reinterpret_cast<unsigned char*>(data);
    for (qsizetype done = 0; ok && done < size; done += kBatch) {
        const qsizetype n = qMin(kBatch, size - done);
        const qsizetype blocks = (n + kBlock - 1) / kBlock;
        for (qsizetype b = 0; b < blocks; ++b) qToLittleEndian<quint64>(counter++, counters + b * kBlock);
        int length = 0;
        ok = EVP_EncryptUpdate(ctx, stream, &length, counters, int(blocks * kBlock)) == 1 &&
             length == int(blocks * kBlock);
        if (!ok) break;
        for (qsizetype i = 0; i < n; ++i) bytes[done + i] ^= stream[i];
    }
    EVP_CIPHER_CTX_free(ctx);
    return ok;
}
