#include "calfile/CalArchive.h"

#include "document/Cp1252.h"

#include <zip.h>

namespace {

// A balance between the size of the file and the time a save takes.
constexpr zip_uint32_t kCompressionLevel = 6;

bool AllDigits(QStringView s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return !s.isEmpty();
}

FileError ErrorOf(zip_error_t* e)
{
    return ArchiveError(zip_error_code_zip(e));
}

// What a failed open or read of a member means. Decrypting with a wrong password can pass the
// quick check (1 chance in 256 for the traditional method) and only fail later, on the data.
MemberStatus Classify(int code, bool encrypted, FileError* error)
{
    if (code == ZIP_ER_NOPASSWD) return MemberStatus::NeedsPassword;
    if (code == ZIP_ER_WRONGPASSWD) return MemberStatus::WrongPassword;
    if (encrypted && (code == ZIP_ER_CRC || code == ZIP_ER_ZLIB || code == ZIP_ER_COMPRESSED_DATA))
        return MemberStatus::WrongPassword;
    *error = ArchiveError(code);
    return MemberStatus::Failed;
}

// The finished archive, out of the buffer source it was written to.
bool TakeBuffer(zip_source_t* src, QByteArray* out, FileError* error)
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(src, &st) < 0 || !(st.valid & ZIP_STAT_SIZE) || zip_source_open(src) < 0) {
        *error = ErrorOf(zip_source_error(src));
        return false;
    }
    out->resize(qsizetype(st.size));
    const zip_int64_t n = zip_source_read(src, out->data(), st.size);
    zip_source_close(src);
    if (n != zip_int64_t(st.size)) {
        *error = ErrorOf(zip_source_error(src));
        out->clear();
        return false;
    }
    return true;
}

bool AddMembers(zip_t* za, const QList<ArchiveMember>& members, const QByteArray& password)
{
    for (const ArchiveMember& m : members) {
        // The data stays alive in members until the archive is closed.
        zip_source_t* s = zip_source_buffer(za, m.Data.constData(), zip_uint64_t(m.Data.size()), 0);
        if (!s) return false;
        const zip_int64_t index = zip_file_add(za, m.Name.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(s);
            return false;
        }
        if (zip_set_file_compression(za, zip_uint64_t(index), ZIP_CM_DEFLATE, kCompressionLevel) < 0)
            return false;
        if (m.Protected && !password.isEmpty() &&
            zip_file_set_encryption(za, zip_uint64_t(index), ZIP_EM_AES_256, password.constData()) < 0)
            return false;
    }
    return true;
}

} // namespace

bool IsCalMemberName(QStringView name)
{
    if (name.compare(u"caldata.cal", Qt::CaseInsensitive) == 0) return true;
    if (name.startsWith(u"bck.", Qt::CaseInsensitive)) return name.size() == 6 && AllDigits(name.sliced(4));
    if (name.startsWith(u"ev.", Qt::CaseInsensitive))
        return (name.size() == 11 || name.size() == 12) && AllDigits(name.sliced(3));
    return false;
}

bool PackArchive(const QList<ArchiveMember>& members, const QString& password, QByteArray* archive,
                 FileError* error)
{
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &err);
    zip_t* za = out ? zip_open_from_source(out, ZIP_TRUNCATE, &err) : nullptr;
    if (!za) {
        if (out) zip_source_free(out);
        *error = ErrorOf(&err);
        zip_error_fini(&err);
        return false;
    }
    zip_error_fini(&err);
    zip_source_keep(out); // the written bytes must outlive the archive

    bool ok = AddMembers(za, members, password.toUtf8());
    if (ok && zip_close(za) == 0) {
        ok = TakeBuffer(out, archive, error);
    } else {
        *error = ErrorOf(zip_get_error(za));
        zip_discard(za);
        ok = false;
    }
    zip_source_free(out);
    return ok;
}

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
}

bool ArchiveReader::Open(QByteArray bytes, FileError* error)
{
    Close();
    m_bytes = std::move(bytes);
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* src = zip_source_buffer_create(m_bytes.constData(), zip_uint64_t(m_bytes.size()), 0, &err);
    m_zip = src ? zip_open_from_source(src, ZIP_RDONLY, &err) : nullptr;
    if (!m_zip) {
        if (src) zip_source_free(src);
        *error = ErrorOf(&err);
        zip_error_fini(&err);
        m_bytes.clear();
        return false;
    }
    zip_error_fini(&err);

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
                                 FileError* error)
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
    if (!encrypted) return ReadWith(*it, nullptr, data, error);
    if (password.isEmpty()) return MemberStatus::NeedsPassword;

    const QByteArray utf8 = password.toUtf8();
    const MemberStatus s = ReadWith(*it, utf8.constData(), data, error);
    if (s != MemberStatus::WrongPassword) return s;
    // Windows tools protect with the system's code page.
    bool encodable = false;
    const QByteArray ansi = EncodeCp1252(password, &encodable);
    return encodable && ansi != utf8 ? ReadWith(*it, ansi.constData(), data, error) : s;
}

MemberStatus ArchiveReader::ReadWith(quint64 index, const char* password, QByteArray* data, FileError* error)
{
    zip_stat_t st;
    zip_stat_init(&st);
    zip_stat_index(m_zip, index, 0, &st);
    const bool encrypted = password != nullptr;

    // Room for what the entry announces, but never more than its compressed bytes could
    // inflate to (deflate stays under 1:1032) nor more than the cap.
    qint64 room = (st.valid & ZIP_STAT_SIZE) ? qint64(st.size) + 1 : 64 * 1024;
    if (st.valid & ZIP_STAT_COMP_SIZE) room = qMin<qint64>(room, qint64(st.comp_size) * 1100 + 64 * 1024);
    room = qMin(room, kMaxMemberSize + 1);
    if ((st.valid & ZIP_STAT_SIZE) && st.size > zip_uint64_t(kMaxMemberSize)) {
        *error = ProgramError(ErrOutOfMemory);
        return MemberStatus::Failed;
    }

    zip_error_clear(m_zip);
    zip_file_t* f =
        encrypted ? zip_fopen_index_encrypted(m_zip, index, 0, password) : zip_fopen_index(m_zip, index, 0);
    if (!f) return Classify(zip_error_code_zip(zip_get_error(m_zip)), encrypted, error);

    QByteArray buf(qsizetype(qMax<qint64>(room, 1)), Qt::Uninitialized);
    qint64 len = 0;
    for (;;) {
        if (len == buf.size()) {
            if (len > kMaxMemberSize) break;
            buf.resize(qsizetype(qMin(qMax<qint64>(len * 2, 64 * 1024), kMaxMemberSize + 1)));
        }
        const zip_int64_t n = zip_fread(f, buf.data() + len, zip_uint64_t(buf.size() - len));
        if (n < 0) {
            const int code = zip_error_code_zip(zip_file_get_error(f));
            zip_fclose(f);
            return Classify(code, encrypted, error);
        }
        if (n == 0) break;
        len += n;
    }
    const int closed = zip_fclose(f);
    if (len > kMaxMemberSize) {
        *error = ProgramError(ErrOutOfMemory);
        return MemberStatus::Failed;
    }
    if (closed != 0) return Classify(closed, encrypted, error);
    buf.truncate(qsizetype(len));
    *data = std::move(buf);
    return MemberStatus::Read;
}
