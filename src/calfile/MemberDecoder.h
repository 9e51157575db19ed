#pragma once
// One member of an archive read out of libzip. The usual ones, stored or deflated, plain or
// protected with AES, are taken as stored and decrypted, inflated and checked here in one pass
// over their bytes: several times faster than libzip's stream, which derives an AES key a second
// time and inflates through zlib a few kilobytes at a time.

#include "calfile/CalArchive.h"

struct zip_file;
struct zip_stat;
struct libdeflate_decompressor;

// Codes of a failed read besides libzip's own.
constexpr int kTooLarge = -1; // more than the member may hold
constexpr int kRefused = -2;  // the first bytes failed the caller's check
// How much of a member the caller's check sees before any more is read.
constexpr qint64 kHeadBytes = 4096;

// The most compressed bytes can inflate to: deflate stays under 1:1032.
constexpr qint64 MaxInflated(qint64 compressed)
{
    return compressed * 1100 + 64 * 1024;
}

// Reads an open member to its end into data and closes it: room is the first size to try, limit
// the most it may hold, looksRight (when given) checks the first bytes before any more is read.
// libzip's error code, kTooLarge or kRefused; on an error data keeps what was read before it.
// *inflated (when asked) is how much came out.
int ReadToEnd(zip_file* f, qint64 room, qint64 limit, QByteArray* data,
              const ArchiveReader::HeadCheck& looksRight = {}, qint64* inflated = nullptr);

// Reads an AES member as stored into stored and checks it against password: Read when it is
// authentic, with *key (when asked) the key its data is encrypted with.
MemberStatus ReadAesMember(zip* za, qsizetype archiveSize, quint64 index, const zip_stat& st, int keyLength,
                           const char* password, QByteArray* stored, FileError* error,
                           QByteArray* key = nullptr);

// Reads members the fast way; one per archive reader, and so per thread.
class MemberDecoder
{
public:
    MemberDecoder() = default;
    ~MemberDecoder();
    MemberDecoder(const MemberDecoder&) = delete;
    MemberDecoder& operator=(const MemberDecoder&) = delete;

    // True for a member stored or deflated whose sizes and CRC are known, plain or (with
    // aesKeyLength) AES. Any other is left to libzip.
    static bool Handles(const zip_stat& st, bool encrypted, int aesKeyLength);

    // Reads such a member as ArchiveReader::Read does, with the same guards and error codes.
    MemberStatus Read(zip* za, qsizetype archiveSize, quint64 index, const zip_stat& st, const char* password,
                      int aesKeyLength, InflateBudget& budget, QByteArray* data, FileError* error,
                      const ArchiveReader::HeadCheck& looksRight);

private:
    int ReadPlain(zip* za, quint64 index, const zip_stat& st, const ArchiveReader::HeadCheck& looksRight,
                  qint64* headBytes);
    int Decode(QByteArrayView payload, const zip_stat& st, bool checkCrc, QByteArray* data);

    libdeflate_decompressor* m_inflater = nullptr;
    QByteArray m_stored; // the member's stored bytes; its room serves the next member
};
