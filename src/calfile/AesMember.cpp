#include "calfile/AesMember.h"

#include <QMessageAuthenticationCode>
#include <QtEndian>
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

QByteArray Pbkdf2Sha1(QByteArrayView password, QByteArrayView salt, int iterations, int length)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha1, Bytes(password));
    QByteArray key;
    for (quint32 block = 1; key.size() < length; ++block) {
        char counter[4];
        qToBigEndian(block, counter);
        mac.reset();
        mac.addData(salt.data(), salt.size());
        mac.addData(counter, 4);
        QByteArray u = mac.result();
        QByteArray t = u;
        for (int i = 1; i < iterations; ++i) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype j = 0; j < t.size(); ++j) t[j] = char(t[j] ^ u[j]);
        }
        key += t;
    }
    key.truncate(length);
    return key;
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
