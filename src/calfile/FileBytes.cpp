#include "calfile/FileBytes.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

// errno after a failed Qt file call, or a general access error when the call left none.
FileError LastSystemError(bool writing)
{
    const int err = errno;
    return err ? SystemError(err, writing) : ProgramError(ErrPathFileAccess);
}

} // namespace

bool ReadWholeFile(const QString& path, qint64 limit, const std::function<char*(qsizetype size)>& room,
                   qsizetype* size, FileError* error)
{
    *size = 0;
    const QByteArray native = QFile::encodeName(path);
    Descriptor d;
    // Non-blocking, so that opening a pipe cannot hang; it is refused below.
    d.fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st = {};
    if (d.fd < 0 || ::fstat(d.fd, &st) != 0) {
        *error = SystemError(errno, false);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = ProgramError(S_ISDIR(st.st_mode) ? ErrPathFileAccess : ErrDeviceIO);
        return false;
    }
    if (st.st_size > limit) {
        *error = ProgramError(ErrOutOfMemory);
        return false;
    }
    char* data = room(qsizetype(st.st_size));
    if (!data && st.st_size > 0) {
        *error = ProgramError(ErrOutOfMemory);
        return false;
    }
    qsizetype done = 0;
    while (done < st.st_size) {
        const ssize_t n = ::read(d.fd, data + done, size_t(st.st_size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *error = SystemError(errno, false);
            return false;
        }
        if (n == 0) break; // the file shrank meanwhile: keep what is there
        done += n;
    }
    *size = done;
    return true;
}

bool ReadWholeFile(const QString& path, qint64 limit, QByteArray* bytes, FileError* error)
{
    qsizetype size = 0;
    const bool ok = ReadWholeFile(
        path, limit,
        [bytes](qsizetype n) {
            bytes->resize(n);
            return bytes->data();
        },
        &size, error);
    bytes->resize(ok ? size : 0);
    return ok;
}

LargeBuffer::LargeBuffer(qsizetype size) : m_size(size)
{
    constexpr size_t kHuge = size_t(2) << 20;
    m_mapped = (size_t(size) + kHuge - 1) / kHuge * kHuge;
    if (m_mapped == 0) return;
    void* p = ::mmap(nullptr, m_mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) {
        m_mapped = 0;
        return;
    }
    // Large pages: far fewer faults while the file is read in (a hint; ignored when unsupported).
    ::madvise(p, m_mapped, MADV_HUGEPAGE);
    m_data = static_cast<char*>(p);
}

LargeBuffer::~LargeBuffer()
{
    if (m_data) ::munmap(m_data, m_mapped);
}

bool ReplaceFile(const QString& path, QByteArrayView bytes, FileError* error)
{
    QSaveFile file(path);
    errno = 0;
    // Unbuffered: a buffered short write (a full disk) goes unnoticed by commit(), which would
    // then put a cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = LastSystemError(true);
        return false;
    }
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        *error = LastSystemError(true);
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        *error = LastSystemError(true);
        return false;
    }
    return true;
}
