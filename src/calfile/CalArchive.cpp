#include "calfile/CalArchive.h"

#include "calfile/AesMember.h"
#include "calfile/FileBytes.h"
#include "calfile/MemberDecoder.h"
#include "document/Cp1252.h"

#include <zip.h>

namespace {

bool AllDigits(QStringView s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return !s.isEmpty();
}

// What a failed open or read of a member means. With the traditional method a wrong password
// passes the quick check once in 256 tries and only fails later, on the data, exactly as damage
// would: that is taken for a wrong password, so a good file is never called damaged.
MemberStatus Classify(int code, bool traditional, FileError* error)
{
    if (code == ZIP_ER_NOPASSWD) return MemberStatus::NeedsPassword;
    if (code == ZIP_ER_WRONGPASSWD) return MemberStatus::WrongPassword;
    if (traditional && (code == ZIP_ER_CRC || code == ZIP_ER_ZLIB || code == ZIP_ER_COMPRESSED_DATA))
        return MemberStatus::WrongPassword;
    *error = ArchiveError(code);
    return MemberStatus::Failed;
}

} // namespace

qint64 InflateBudget::ForArchive(qint64 archiveBytes)
{
    return qMax(kMinInflateBudget, archiveBytes > kMinInflateBudget ? kMinInflateBudget * kInflateRatio
                                                                    : archiveBytes * kInflateRatio);
}

bool InflateBudget::Take(qint64 n)
{
    qint64 left = m_left.load();
    while (left >= n)
        if (m_left.compare_exchange_weak(left, left - n)) return true;
    return false;
}

bool IsCalMemberName(QStringView name)
{
    if (name.compare(u"caldata.cal", Qt::CaseInsensitive) == 0) return true;
    if (name.compare(u"sync.dat", Qt::CaseInsensitive) == 0) return true;
    if (name.compare(u"recovery.dat", Qt::CaseInsensitive) == 0) return true;
    if (name.startsWith(u"bck.", Qt::CaseInsensitive)) return name.size() == 6 && AllDigits(name.sliced(4));
    if (name.startsWith(u"ev.", Qt::CaseInsensitive))
        return (name.size() == 11 || name.size() == 12) && AllDigits(name.sliced(3));
    return false;
}

ArchiveReader::ArchiveReader() = default;

ArchiveReader::~ArchiveReader()
{
    Close();
}

void ArchiveReader::Close()
{
    if (m_zip) zip_discard(m_zip);
    m_zip = nullptr;
    m_members.clear();
    m_bytes.clear();
    m_file.reset();
    m_budget.reset();
}

bool ArchiveReader::Open(QByteArray bytes, FileError* error)
{
    Close();
    return OpenBytes(std::move(bytes), error);
}

bool ArchiveReader::OpenFile(const QString& path, qint64 limit, FileError* error)
{
    Close();
    qsizetype size = 0;
    const auto room = [this](qsizetype n) {
        m_file = std::make_unique<LargeBuffer>(n);
        return m_file->Data();
    };
    if (!ReadWholeFile(path, limit, room, &size, error)) {
        m_file.reset();
        return false;
    }
    return OpenBytes(QByteArray::fromRawData(m_file->Data() ? m_file->Data() : "", size), error);
}

bool ArchiveReader::OpenBeside(const ArchiveReader& other, FileError* error)
{
    Close();
    if (!OpenBytes(other.m_bytes, error)) return false;
    if (other.m_budget) m_budget = other.m_budget;
    return true;
}

bool ArchiveReader::OpenBytes(QByteArray bytes, FileError* error)
{
    m_bytes = std::move(bytes);
    m_budget = std::make_shared<InflateBudget>(InflateBudget::ForArchive(m_bytes.size()));
    m_zip = OpenArchiveBuffer(m_bytes, error);
    if (!m_zip) {
        Close();
        return false;
    }

    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(m_zip, zip_uint64_t(i), ZIP_FL_ENC_RAW);
        if (!raw) continue;
        const QString name = QString::fromLatin1(raw);
        if (IsCalMemberName(name)) m_members.insert(name.toLower(), quint64(i));
    }
    return true;
}

MemberStatus ArchiveReader::Read(const QString& name, const QString& password, QByteArray* data,
                                 FileError* error, const HeadCheck& looksRight)
{
    data->clear();
    const auto it = m_members.constFind(name.toLower());
    if (!m_zip || it == m_members.constEnd()) {
        *error = ArchiveError(ZIP_ER_NOENT);
        return MemberStatus::Missing;
    }

    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, *it, 0, &st) < 0)
        return Classify(zip_error_code_zip(zip_get_error(m_zip)), false, error);
    const bool encrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
    if (!encrypted) return ReadWith(*it, nullptr, data, error, looksRight);
    if (password.isEmpty()) return MemberStatus::NeedsPassword;

    const QByteArray utf8 = password.toUtf8();
    const MemberStatus s = ReadWith(*it, utf8.constData(), data, error, looksRight);
    if (s != MemberStatus::WrongPassword) return s;
    // Windows tools protect with the system's code page.
    bool encodable = false;
    const QByteArray ansi = EncodeCp1252(password, &encodable);
    return encodable && ansi != utf8 ? ReadWith(*it, ansi.constData(), data, error, looksRight) : s;
}

MemberStatus ArchiveReader::ReadWith(quint64 index, const char* password, QByteArray* data, FileError* error,
                                     const HeadCheck& looksRight)
{
    zip_stat_t st;
    zip_stat_init(&st);
    zip_stat_index(m_zip, index, 0, &st);
    const bool encrypted = password != nullptr;

    if ((st.valid & ZIP_STAT_SIZE) && st.size > zip_uint64_t(kMaxMemberSize)) {
        *error = ProgramError(ErrOutOfMemory);
        return MemberStatus::Failed;
    }

    // Refused before libzip tries: its failure to open such an entry leaks the entry's sources.
    if ((st.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(st.comp_method, 0))
        return Classify(ZIP_ER_COMPNOTSUPP, false, error);
    if (encrypted && (st.valid & ZIP_STAT_ENCRYPTION_METHOD) &&
        !zip_encryption_method_supported(st.encryption_method, 0))
        return Classify(ZIP_ER_ENCRNOTSUPP, false, error);

    // AES tells a wrong password from damage exactly; the traditional method cannot (below).
    const int aesKeyLength = encrypted ? AesKeyLength(st.encryption_method) : 0;
    if (MemberDecoder::Handles(st, encrypted, aesKeyLength)) {
        if (!m_decoder) m_decoder = std::make_unique<MemberDecoder>();
        return m_decoder->Read(m_zip, m_bytes.size(), index, st, password, aesKeyLength, *m_budget, data,
                               error, looksRight);
    }
    if (aesKeyLength) {
        QByteArray stored;
        const MemberStatus checked =
            ReadAesMember(m_zip, m_bytes.size(), index, st, aesKeyLength, password, &stored, error);
        if (checked != MemberStatus::Read) return checked;
    }

    // Through libzip: room for what the entry announces, but never more than its compressed bytes could
    // inflate to (deflate stays under 1:1032) nor more than the cap.
    qint64 room = (st.valid & ZIP_STAT_SIZE) ? qint64(st.size) + 1 : 64 * 1024;
    if (st.valid & ZIP_STAT_COMP_SIZE) room = qMin(room, MaxInflated(qint64(st.comp_size)));
    room = qMin(room, kMaxMemberSize + 1);
    zip_error_clear(m_zip);
    zip_file_t* f =
        encrypted ? zip_fopen_index_encrypted(m_zip, index, 0, password) : zip_fopen_index(m_zip, index, 0);
    if (!f) return Classify(zip_error_code_zip(zip_get_error(m_zip)), encrypted && !aesKeyLength, error);

    // The budget lends what the member announces (the cap when it does not say) and gets back
    // what it did not inflate; a member that inflates past what it announced is damaged.
    const qint64 lent = (st.valid & ZIP_STAT_SIZE) ? qint64(st.size) : kMaxMemberSize;
    if (!m_budget->Take(lent)) {
        zip_fclose(f);
        *error = ProgramError(ErrOutOfMemory);
        return MemberStatus::Failed;
    }
    qint64 inflated = 0;
    const int code = ReadToEnd(f, room, lent, data, looksRight, &inflated);
    m_budget->GiveBack(lent - inflated);
    if (code == ZIP_ER_OK) return MemberStatus::Read;
    if (code == kTooLarge || code == kRefused) {
        *error = code == kRefused ? ArchiveError(ZIP_ER_INCONS) : ProgramError(ErrOutOfMemory);
        return MemberStatus::Failed;
    }
    // An "AE-2" member stores the CRC 0 by design; its authentication code, checked above,
    // protects it instead. libzip 1.7 still compares the CRC once all the data is out.
    const bool ae2 =
        aesKeyLength && st.crc == 0 && (st.valid & ZIP_STAT_SIZE) && data->size() == qint64(st.size);
    if (code == ZIP_ER_CRC && ae2) return MemberStatus::Read;
    data->clear();
    return Classify(code, encrypted && !aesKeyLength, error);
}

zip* OpenArchiveBuffer(const QByteArray& bytes, FileError* error)
{
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* src = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &err);
    zip_t* za = src ? zip_open_from_source(src, ZIP_RDONLY, &err) : nullptr;
    if (!za) {
        if (src) zip_source_free(src);
        *error = ArchiveError(zip_error_code_zip(&err));
    }
    zip_error_fini(&err);
    return za;
}
