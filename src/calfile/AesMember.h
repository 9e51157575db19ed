#pragma once
// The two checks a WinZip AES member carries: a password verifier and an authentication code
// over its encrypted bytes. They are made here rather than left to libzip 1.7, which reports the
// zero CRC that "AE-2" members carry by design as an error, and which misses a failed
// authentication code when the member is compressed (its inflater stops before the last read).

#include <QByteArray>
#include <QByteArrayView>

enum class AesVerdict
{
    Authentic,     // the password is right and the bytes are the ones written
    WrongPassword, // the verifier does not match
    Damaged        // right password, but the bytes were changed since
};

// The key length (16, 24 or 32 bytes) of a libzip AES encryption method; 0 for any other.
int AesKeyLength(quint16 encryptionMethod);

// Checks a member as stored in the archive: salt, verifier, encrypted data, authentication code.
// When it is authentic, *key (when asked) receives the key its data is encrypted with.
AesVerdict CheckAesMember(QByteArrayView stored, int keyLength, QByteArrayView password,
                          QByteArray* key = nullptr);

// Where the encrypted data of a stored member begins, and the bytes around it in all.
qsizetype AesDataStart(int keyLength);
qsizetype AesOverhead(int keyLength);

// Decrypts a member's data in place with its key: AES in counter mode as WinZip AES uses it, the
// counter a 16-byte little-endian number from 1. False when the crypto library fails.
bool DecryptAesData(char* data, qsizetype size, QByteArrayView key);
