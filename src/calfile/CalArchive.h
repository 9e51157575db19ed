#pragma once
// The ZIP archive of a ".cal" file, built and read in memory: nothing decrypted ever touches the
// disk. Protected members are written with AES-256; AES and traditional ZIP encryption are read.

#include "calfile/FileBytes.h"
#include "calfile/FileError.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

struct zip;
class MemberDecoder;

// Nothing read from an archive may grow larger than this (a defence against ZIP bombs).
constexpr qint64 kMaxMemberSize = qint64(64) << 20;

// What the reading of one archive may inflate in all, whatever reads its members and on
// whichever thread: a small hostile file whose members all inflate a large entry cannot keep the
// program busy for minutes. At least kMinInflateBudget, else kInflateRatio times the archive:
// far more than the pictures of an honest file hold.
constexpr qint64 kMinInflateBudget = qint64(128) << 20;
constexpr qint64 kInflateRatio = 32;

class InflateBudget
{
public:
    explicit InflateBudget(qint64 bytes) : m_left(bytes) {}
    static qint64 ForArchive(qint64 archiveBytes);
    // Takes n bytes; false, taking nothing, when fewer are left.
    bool Take(qint64 n);
    void GiveBack(qint64 n) { m_left += n; }

private:
    std::atomic<qint64> m_left;
};

struct ArchiveMember
{
    QString Name;
    QByteArray Data;
    bool Protected = false; // encrypted with the password when there is one
};

// Builds the archive. Protected members are encrypted when password is not empty (its UTF-8
// bytes, what other ZIP tools use for AES). Large members are compressed side by side on the
// processor's cores; their data is released as soon as it is compressed.
bool PackArchive(QList<ArchiveMember> members, const QString& password, QByteArray* archive,
                 FileError* error);

enum class MemberStatus
{
    Read,
    Missing,
    NeedsPassword,
    WrongPassword,
    Failed
};

class ArchiveReader
{
public:
    ArchiveReader();
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // Opens the archive held in bytes. Only members with a name of a ".cal" file are seen;
    // names with a folder, "..", an absolute path or an unknown name are ignored.
    bool Open(QByteArray bytes, FileError* error);
    // The same for a whole file read from disk (no larger than limit).
    bool OpenFile(const QString& path, qint64 limit, FileError* error);
    // Another reader of the archive other holds (one per thread), sharing its bytes and its
    // budget.
    bool OpenBeside(const ArchiveReader& other, FileError* error);
    void Close();

    bool IsOpen() const { return m_zip != nullptr; }
    bool Has(const QString& name) const { return m_members.contains(name); }
    // The archive's bytes: another reader opened on them shares them (one per thread).
    const QByteArray& Bytes() const { return m_bytes; }

    // Reads a member whole into data, using its room again. An encrypted member is tried with the UTF-8 bytes
    // of password, then with its Windows-1252 bytes when they differ; an empty password is a missing one.
    // What it inflates comes out of the archive's budget; past it, the member fails as too large.
    // A member whose first bytes fail looksRight is not inflated any further and fails.
    using HeadCheck = std::function<bool(QByteArrayView head)>;
    MemberStatus Read(const QString& name, const QString& password, QByteArray* data, FileError* error,
                      const HeadCheck& looksRight = {});

private:
    bool OpenBytes(QByteArray bytes, FileError* error);
    MemberStatus ReadWith(quint64 index, const char* password, QByteArray* data, FileError* error,
                          const HeadCheck& looksRight);

    std::unique_ptr<LargeBuffer> m_file; // the file's bytes, when read by OpenFile
    QByteArray m_bytes;                  // the archive libzip reads from
    zip* m_zip = nullptr;
    QHash<QString, quint64> m_members; // known member names, lower case
    std::shared_ptr<InflateBudget> m_budget;
    std::unique_ptr<MemberDecoder> m_decoder; // made on first use, kept while the reader lives
};

// Opens an archive held in memory for reading; bytes must outlive it (zip_discard).
zip* OpenArchiveBuffer(const QByteArray& bytes, FileError* error);

// "caldata.cal", "sync.dat", "recovery.dat", "bck." + two digits, "ev." + eight digits (or more): the names a
// ".cal" file may hold. Compared without regard to case.
bool IsCalMemberName(QStringView name);
