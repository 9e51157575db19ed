#include "calfile/AesMember.h"

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

AesVerdict CheckAesMember(QByteArrayView stored, int keyLength, QByteArrayView password)
{
    const qsizetype saltLength = keyLength / 2;
    if (keyLength <= 0 || stored.size() < saltLength + kVerifierLength + kAuthCodeLength)
        return AesVerdict::Damaged;
    const QByteArray keys = Pbkdf2Sha1(password, stored.first(saltLength), kIterations, 2 * keyLength + 2);
    if (keys.isEmpty()) return AesVerdict::Damaged;
    if (!SameBytes(QByteArrayView(keys).last(kVerifierLength), stored.sliced(saltLength, kVerifierLength)))
        return AesVerdict::WrongPassword;

    const qsizetype start = saltLength + kVerifierLength;
    const QByteArrayView encrypted = stored.sliced(start, stored.size() - start - kAuthCodeLength);
    const QByteArray mac = HmacSha1(QByteArrayView(keys).sliced(keyLength, keyLength), encrypted);
    return mac.size() >= kAuthCodeLength &&
                   SameBytes(QByteArrayView(mac).first(kAuthCodeLength), stored.last(kAuthCodeLength))
               ? AesVerdict::Authentic
               : AesVerdict::Damaged;
}
