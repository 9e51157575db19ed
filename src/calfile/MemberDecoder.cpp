#include "calfile/MemberDecoder.h"

#include "calfile/AesMember.h"

#include <cstring>
#include <libdeflate.h>
#include <zip.h>
#include <zlib.h>

namespace {

constexpr int kNotYet = -3; // the head needs more of the stored bytes

// The first bytes of a member's content, worked out from its payload as it comes in: the bytes
// themselves when stored, what they inflate to when deflated. Only the head is inflated, so that
// a member that does not begin as it should costs next to nothing.
class Head
{
public:
    Head(bool deflated, qint64 size) : m_deflated(deflated), m_want(qMin(kHeadBytes, size))
    {
        m_ready = !deflated || inflateInit2(&m_z, -MAX_WBITS) == Z_OK;
    }
    ~Head()
    {
        if (m_deflated && m_ready) inflateEnd(&m_z);
    }
    Head(const Head&) = delete;
    Head& operator=(const Head&) = delete;

    // Takes the payload read so far, all of it from its start (whole: there is no more) and
    // checks the head once it is known: ZIP_ER_OK, kRefused, ZIP_ER_ZLIB or kNotYet.
    int Check(QByteArrayView payload, bool whole, const ArchiveReader::HeadCheck& looksRight)
    {
        if (!m_deflated) {
            if (payload.size() < m_want && !whole) return kNotYet;
            m_head = payload.first(qMin<qsizetype>(payload.size(), m_want));
            return looksRight(m_head) ? ZIP_ER_OK : kRefused;
        }
        if (!m_ready) return ZIP_ER_MEMORY;
        m_z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(payload.data())) + m_fed;
        m_z.avail_in = uInt(payload.size() - m_fed);
        m_z.next_out = reinterpret_cast<Bytef*>(m_out) + m_z.total_out;
        m_z.avail_out = uInt(m_want - qint64(m_z.total_out));
        const int result = inflate(&m_z, Z_NO_FLUSH);
        m_fed = payload.size() - qsizetype(m_z.avail_in);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) return ZIP_ER_ZLIB;
        if (result != Z_STREAM_END && qint64(m_z.total_out) < m_want && !whole) return kNotYet;
        m_head = QByteArrayView(m_out, qsizetype(m_z.total_out));
        return looksRight(m_head) ? ZIP_ER_OK : kRefused;
    }

    qint64 Size() const { return m_head.size(); }

private:
    bool m_deflated;
    qint64 m_want;
    bool m_ready = false;
    z_stream m_z{};
    qsizetype m_fed = 0;
    char m_out[kHeadBytes];
    QByteArrayView m_head;
};

// The member as stored: compressed and, when it is, still encrypted.
bool ReadStored(zip_t* za, qsizetype archiveSize, quint64 index, const zip_stat_t& st, QByteArray* stored,
                FileError* error)
{
    // The stored bytes lie inside the archive, which is in memory already.
    if (!(st.valid & ZIP_STAT_COMP_SIZE) || st.comp_size > zip_uint64_t(archiveSize)) {
        *error = ArchiveError(ZIP_ER_INCONS);
        return false;
    }
    zip_error_clear(za);
    zip_file_t* f = zip_fopen_index(za, index, ZIP_FL_ENCRYPTED);
    if (!f) {
        *error = ArchiveError(zip_error_code_zip(zip_get_error(za)));
        return false;
    }
    const int code = ReadToEnd(f, qint64(st.comp_size) + 1, kMaxMemberSize, stored);
    // libzip 1.7 compares the CRC even of a stored member read as it is, still encrypted; that
    // can only fail here, once all of it is read.
    const bool whole = stored->size() == qint64(st.comp_size);
    if ((code == ZIP_ER_OK || code == ZIP_ER_CRC) && whole) return true;
    *error = code == kTooLarge ? ProgramError(ErrOutOfMemory) : ArchiveError(code ? code : ZIP_ER_INCONS);
    stored->clear();
    return false;
}

} // namespace

int ReadToEnd(zip_file_t* f, qint64 room, qint64 limit, QByteArray* data,
              const ArchiveReader::HeadCheck& looksRight, qint64* inflated)
{
    QByteArray& buf = *data;
    buf.resize(qsizetype(qBound<qint64>(1, room, limit + 1)));
    qint64 len = 0;
    int code = ZIP_ER_OK;
    bool checked = !looksRight;
    for (;;) {
        if (len == buf.size()) {
            if (len > limit) break;
            buf.resize(qsizetype(qMin(qMax<qint64>(len * 2, 64 * 1024), limit + 1)));
        }
        // Before the head is checked, only the head is asked for.
        const qint64 want = checked ? buf.size() - len : qMin<qint64>(buf.size(), kHeadBytes) - len;
        const zip_int64_t n = zip_fread(f, buf.data() + len, zip_uint64_t(want));
        if (n < 0) {
            code = zip_error_code_zip(zip_file_get_error(f));
            break;
        }
        len += n;
        if (!checked && (n == 0 || len >= kHeadBytes)) {
            checked = true;
            if (!looksRight(QByteArrayView(buf.constData(), len))) {
                code = kRefused;
                break;
            }
        }
        if (n == 0) break;
    }
    const int closed = zip_fclose(f);
    if (code == ZIP_ER_OK) code = closed;
    if (len > limit) code = kTooLarge;
    buf.resize(code == kTooLarge || code == kRefused ? 0 : qsizetype(len));
    if (inflated) *inflated = len;
    return code;
}

MemberStatus ReadAesMember(zip_t* za, qsizetype archiveSize, quint64 index, const zip_stat_t& st,
                           int keyLength, const char* password, QByteArray* stored, FileError* error,
                           QByteArray* key)
{
    if (!ReadStored(za, archiveSize, index, st, stored, error)) return MemberStatus::Failed;
    switch (CheckAesMember(*stored, keyLength, password, key)) {
    case AesVerdict::WrongPassword:
        return MemberStatus::WrongPassword;
    case AesVerdict::Damaged:
        *error = ArchiveError(ZIP_ER_CRC);
        return MemberStatus::Failed;
    case AesVerdict::Authentic:
        break;
    }
    return MemberStatus::Read;
}

MemberDecoder::~MemberDecoder()
{
    libdeflate_free_decompressor(m_inflater);
}

bool MemberDecoder::Handles(const zip_stat_t& st, bool encrypted, int aesKeyLength)
{
    constexpr zip_uint64_t known = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
    if ((st.valid & known) != known) return false;
    if (st.comp_method != ZIP_CM_STORE && st.comp_method != ZIP_CM_DEFLATE) return false;
    // Its stored bytes are held whole: no more than a member may hold.
    if (st.comp_size > zip_uint64_t(kMaxMemberSize + (aesKeyLength ? AesOverhead(aesKeyLength) : 0)))
        return false;
    return !encrypted || aesKeyLength > 0;
}

MemberStatus MemberDecoder::Read(zip_t* za, qsizetype archiveSize, quint64 index, const zip_stat_t& st,
                                 const char* password, int aesKeyLength, InflateBudget& budget,
                                 QByteArray* data, FileError* error,
                                 const ArchiveReader::HeadCheck& looksRight)
{
    const auto failed = [&](const FileError& e) {
        data->clear();
        *error = e;
        return MemberStatus::Failed;
    };

    // AES tells a wrong password from damage before anything is decrypted.
    const bool aes = aesKeyLength > 0;
    QByteArrayView payload;
    if (aes) {
        QByteArray key;
        const MemberStatus checked =
            ReadAesMember(za, archiveSize, index, st, aesKeyLength, password, &m_stored, error, &key);
        if (checked != MemberStatus::Read) return checked;
        char* encrypted = m_stored.data() + AesDataStart(aesKeyLength);
        const qsizetype length = m_stored.size() - AesOverhead(aesKeyLength);
        if (!DecryptAesData(encrypted, length, key)) return failed(ArchiveError(ZIP_ER_INTERNAL));
        payload = QByteArrayView(encrypted, length);
    }

    // Sizes its stored bytes could not hold are damage, found before anything is inflated.
    const qint64 size = qint64(st.size);
    const bool deflated = st.comp_method == ZIP_CM_DEFLATE;
    const qint64 payloadSize = qint64(st.comp_size) - (aes ? AesOverhead(aesKeyLength) : 0);
    if (st.comp_size > zip_uint64_t(archiveSize) || payloadSize < 0 ||
        (deflated ? size > MaxInflated(payloadSize) : size != payloadSize))
        return failed(ArchiveError(ZIP_ER_INCONS));

    // The budget lends what the member announces and gets back what was not inflated.
    if (!budget.Take(size)) return failed(ProgramError(ErrOutOfMemory));
    qint64 headSize = 0;
    int code = ZIP_ER_OK;
    if (!aes) {
        code = ReadPlain(za, index, st, looksRight, &headSize);
        payload = QByteArrayView(m_stored);
    } else if (looksRight) {
        Head head(deflated, size);
        code = head.Check(payload, true, looksRight);
        headSize = head.Size();
    }
    if (code == ZIP_ER_OK) {
        // An "AE-2" member stores the CRC 0 by design: its authentication code protects it.
        code = Decode(payload, st, !(aes && st.crc == 0), data);
        headSize = size;
    }
    budget.GiveBack(size - headSize);
    if (code == ZIP_ER_OK) return MemberStatus::Read;
    if (code == kTooLarge) return failed(ProgramError(ErrOutOfMemory));
    return failed(ArchiveError(code == kRefused ? ZIP_ER_INCONS : code));
}

// Reads the stored bytes of a plain member into m_stored. With a head check, they come a little at
// a time until the head is known and checked, then all at once; *headSize is how much the head
// inflated.
int MemberDecoder::ReadPlain(zip_t* za, quint64 index, const zip_stat_t& st,
                             const ArchiveReader::HeadCheck& looksRight, qint64* headSize)
{
    zip_error_clear(za);
    zip_file_t* f = zip_fopen_index(za, index, ZIP_FL_COMPRESSED);
    if (!f) return zip_error_code_zip(zip_get_error(za));
    const qint64 total = qint64(st.comp_size);
    m_stored.resize(qsizetype(total));
    Head head(st.comp_method == ZIP_CM_DEFLATE, qint64(st.size));
    bool checked = !looksRight;
    int code = ZIP_ER_OK;
    qint64 len = 0;
    for (;;) {
        if (!checked) {
            code = head.Check(QByteArrayView(m_stored.constData(), len), len == total, looksRight);
            *headSize = head.Size();
            checked = code != kNotYet;
            if (code != kNotYet && code != ZIP_ER_OK) break;
            code = ZIP_ER_OK;
        }
        if (len == total) break;
        // Exactly the stored bytes: libzip never reaches their end, where it would compare the
        // CRC of a stored member itself.
        const qint64 want = checked ? total - len : qMin(kHeadBytes, total - len);
        const zip_int64_t n = zip_fread(f, m_stored.data() + len, zip_uint64_t(want));
        if (n <= 0) {
            code = n < 0 ? zip_error_code_zip(zip_file_get_error(f)) : ZIP_ER_INCONS;
            break;
        }
        len += n;
    }
    zip_fclose(f);
    return code;
}

// The member's content out of its payload (stored or deflated, decrypted): exactly the size it
// announces, with the CRC it announces when checkCrc.
int MemberDecoder::Decode(QByteArrayView payload, const zip_stat_t& st, bool checkCrc, QByteArray* data)
{
    const auto size = qsizetype(st.size);
    data->resize(size);
    if (st.comp_method == ZIP_CM_STORE) {
        if (size > 0) std::memcpy(data->data(), payload.data(), size_t(size));
    } else {
        if (!m_inflater) m_inflater = libdeflate_alloc_decompressor();
        if (!m_inflater) return ZIP_ER_MEMORY;
        switch (libdeflate_deflate_decompress(m_inflater, payload.data(), size_t(payload.size()),
                                              data->data(), size_t(size), nullptr)) {
        case LIBDEFLATE_SUCCESS:
            break;
        case LIBDEFLATE_INSUFFICIENT_SPACE:
            return kTooLarge; // more than it announces
        case LIBDEFLATE_SHORT_OUTPUT:
            return ZIP_ER_INCONS;
        default:
            return ZIP_ER_ZLIB; // as libzip has always reported damaged deflated data
        }
    }
    if (checkCrc && libdeflate_crc32(0, data->constData(), size_t(size)) != st.crc) return ZIP_ER_CRC;
    return ZIP_ER_OK;
}
