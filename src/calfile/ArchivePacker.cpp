#include "calfile/CalArchive.h"
#include "calfile/Parallel.h"

#include <vector>
#include <zip.h>

namespace {

// A balance between the size of the file and the time a save takes.
constexpr zip_uint32_t kCompressionLevel = 6;
// Members at least this large are compressed on their own, side by side.
constexpr qsizetype kParallelMemberSize = 64 * 1024;

FileError ErrorOf(zip_error_t* e)
{
    return ArchiveError(zip_error_code_zip(e));
}

// An empty archive written to memory: out receives its bytes when it is closed.
zip_t* CreateInMemory(zip_source_t** out, FileError* error)
{
    zip_error_t err;
    zip_error_init(&err);
    *out = zip_source_buffer_create(nullptr, 0, 0, &err);
    zip_t* za = *out ? zip_open_from_source(*out, ZIP_TRUNCATE, &err) : nullptr;
    if (!za) {
        if (*out) zip_source_free(*out);
        *out = nullptr;
        *error = ErrorOf(&err);
    } else {
        zip_source_keep(*out); // the written bytes must outlive the archive
    }
    zip_error_fini(&err);
    return za;
}

// The finished archive, out of the buffer source it was written to; frees the source.
bool TakeBytes(zip_source_t* out, QByteArray* bytes, FileError* error)
{
    zip_stat_t st;
    zip_stat_init(&st);
    bool ok = zip_source_stat(out, &st) == 0 && (st.valid & ZIP_STAT_SIZE) && zip_source_open(out) == 0;
    if (ok) {
        bytes->resize(qsizetype(st.size));
        ok = zip_source_read(out, bytes->data(), st.size) == zip_int64_t(st.size);
        zip_source_close(out);
    }
    if (!ok) {
        *error = ErrorOf(zip_source_error(out));
        bytes->clear();
    }
    zip_source_free(out);
    return ok;
}

// Adds a member from source (which it takes, also on failure).
bool AddMember(zip_t* za, const QString& name, zip_source_t* source, const QByteArray& password)
{
    if (!source) return false;
    const zip_int64_t index = zip_file_add(za, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    const auto i = zip_uint64_t(index);
    if (zip_set_file_compression(za, i, ZIP_CM_DEFLATE, kCompressionLevel) < 0) return false;
    return password.isEmpty() || zip_file_set_encryption(za, i, ZIP_EM_AES_256, password.constData()) == 0;
}

// A member compressed into an archive of its own, which stays open so that the final archive
// copies the compressed bytes as they are.
struct Precompressed
{
    QByteArray Bytes;
    zip_t* Archive = nullptr;
    bool Failed = false;
    FileError Error;
};

void Precompress(ArchiveMember& member, Precompressed& p)
{
    zip_source_t* out = nullptr;
    zip_t* za = CreateInMemory(&out, &p.Error);
    bool ok = za != nullptr;
    if (ok) {
        ok = AddMember(za, member.Name,
                       zip_source_buffer(za, member.Data.constData(), zip_uint64_t(member.Data.size()), 0),
                       {}) &&
             zip_close(za) == 0;
        if (!ok) {
            p.Error = ErrorOf(zip_get_error(za));
            zip_discard(za);
            zip_source_free(out);
        }
    }
    ok = ok && TakeBytes(out, &p.Bytes, &p.Error);
    member.Data = QByteArray(); // its compressed copy is kept instead
    ok = ok && (p.Archive = OpenArchiveBuffer(p.Bytes, &p.Error)) != nullptr;
    p.Failed = !ok;
}

} // namespace

bool PackArchive(QList<ArchiveMember> members, const QString& password, QByteArray* archive, FileError* error)
{
    const QByteArray key = password.toUtf8();
    ArchiveMember* m = members.data(); // detached now, before the workers share the list
    const auto n = size_t(members.size());
    auto keyOf = [&](const ArchiveMember& member) { return member.Protected ? key : QByteArray(); };

    std::vector<Precompressed> pre(n);
    std::vector<size_t> large;
    for (size_t i = 0; i < n; ++i)
        if (keyOf(m[i]).isEmpty() && m[i].Data.size() >= kParallelMemberSize) large.push_back(i);
    if (large.size() > 1 && ParallelWorkers(int(large.size())) > 1) // alone, it would only add a copy
        ParallelFor(int(large.size()), [&](int, int k) { Precompress(m[large[k]], pre[large[k]]); });

    zip_source_t* out = nullptr;
    zip_t* za = CreateInMemory(&out, error);
    bool ok = za != nullptr;
    for (size_t i = 0; ok && i < n; ++i) {
        if (pre[i].Failed) {
            *error = pre[i].Error;
            ok = false;
            break;
        }
        zip_source_t* s =
            pre[i].Archive ? zip_source_zip(za, pre[i].Archive, 0, ZIP_FL_COMPRESSED, 0, -1)
                           : zip_source_buffer(za, m[i].Data.constData(), zip_uint64_t(m[i].Data.size()), 0);
        ok = AddMember(za, m[i].Name, s, keyOf(m[i]));
        if (!ok) *error = ErrorOf(zip_get_error(za));
    }
    if (za && ok && zip_close(za) != 0) {
        *error = ErrorOf(zip_get_error(za));
        ok = false;
    }
    if (za && !ok) zip_discard(za);
    for (Precompressed& p : pre)
        if (p.Archive) zip_discard(p.Archive);
    pre.clear();
    members.clear();
    if (!out) return false;
    if (!ok) {
        zip_source_free(out);
        return false;
    }
    return TakeBytes(out, archive, error);
}
