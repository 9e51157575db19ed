#include "calfile/AesMember.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QtEndian>
#include <cstring>
#include <zip.h>

namespace {

constexpr int kIterations = 1000;
constexpr qsizetype kVerifierLength = 2;
constexpr qsizetype kAuthCodeLength = 10;

QByteArray Bytes(QByteArrayView v)
{
    return QByteArray(v.data(), v.size());
}

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

// PBKDF2 with HMAC-SHA1 (RFC 2898), what WinZip AES derives its keys with.
static QByteArray Pbkdf2Sha1(QByteArrayView password, QByteArrayView salt, int iterations, int length)
{
    // HMAC written out over one reused hash, with the two padded keys made once: a thousand
    // rounds per block cost a fraction of what a fresh QMessageAuthenticationCode each would.
    constexpr qsizetype kBlock = 64;
    QByteArray key = password.size() > kBlock ? QCryptographicHash::hash(password, QCryptographicHash::Sha1)
                                              : Bytes(password);
    key.resize(kBlock, '\0');
    QByteArray inner(kBlock, '\0'), outer(kBlock, '\0');
    for (qsizetype i = 0; i < kBlock; ++i) {
        inner[i] = char(key[i] ^ 0x36);
        outer[i] = char(key[i] ^ 0x5c);
    }
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    const auto hmac = [&](QByteArrayView first, QByteArrayView second) {
        sha1.reset();
        sha1.addData(inner);
        sha1.addData(first);
        sha1.addData(second);
        char innerHash[20];
        memcpy(innerHash, sha1.resultView().data(), sizeof innerHash);
        sha1.reset();
        sha1.addData(outer);
        sha1.addData(QByteArrayView(innerHash, sizeof innerHash));
        return sha1.resultView();
    };

    QByteArray derived;
    for (quint32 block = 1; derived.size() < length; ++block) {
        char counter[4];
        qToBigEndian(block, counter);
        char u[20];
        memcpy(u, hmac(salt, QByteArrayView(counter, 4)).data(), sizeof u);
        char t[sizeof u];
        memcpy(t, u, sizeof t);
        for (int i = 1; i < iterations; ++i) {
            memcpy(u, hmac(QByteArrayView(u, sizeof u), {}).data(), sizeof u);
            for (size_t j = 0; j < sizeof t; ++j) t[j] = char(t[j] ^ u[j]);
        }
        derived.append(t, sizeof t);
    }
    derived.truncate(length);
    return derived;
}

AesVerdict CheckAesMember(QByteArrayView stored, int keyLength, QByteArrayView password)
{
    const qsizetype saltLength = keyLength / 2;
    if (keyLength <= 0 || stored.size() < saltLength + kVerifierLength + kAuthCodeLength)
        return AesVerdict::Damaged;
    const QByteArray keys = Pbkdf2Sha1(password, stored.first(saltLength), kIterations, 2 * keyLength + 2);
    if (!SameBytes(QByteArrayView(keys).last(kVerifierLength), stored.sliced(saltLength, kVerifierLength)))
        return AesVerdict::WrongPassword;

    const qsizetype start = saltLength + kVerifierLength;
    const QByteArrayView encrypted = stored.sliced(start, stored.size() - start - kAuthCodeLength);
    QMessageAuthenticationCode mac(QCryptographicHash::Sha1, keys.sliced(keyLength, keyLength));
    mac.addData(encrypted.data(), encrypted.size());
    return SameBytes(QByteArrayView(mac.result()).first(kAuthCodeLength), stored.last(kAuthCodeLength))
               ? AesVerdict::Authentic
               : AesVerdict::Damaged;
}
