#include "calfile/FileBytes.h"

#include "calfile/SaveTemporaries.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <cerrno>
#include <cstdlib>
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

// The process's file-creation mask (reading it means setting it).
mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Makes a rename in the folder last through a crash. Only a hint: the new file is in place
// already, so a failure here is no reason to report the save as failed.
void SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
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
    if (size <= 0) return;
    // A small file gets ordinary memory: a large page would be cleared whole for it.
    if (size_t(size) < kHuge) {
        m_data = static_cast<char*>(std::malloc(size_t(size)));
        return;
    }
    m_mapped = (size_t(size) + kHuge - 1) / kHuge * kHuge;
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
    if (m_mapped)
        ::munmap(m_data, m_mapped);
    else
        std::free(m_data);
}

bool ReplaceFile(const QString& path, QByteArrayView bytes, FileError* error)
{
    FileSystem& fs = FileSystem::Current();
    // A link is followed: the file it names is replaced and the link stays.
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QString folder = QFileInfo(target).absolutePath() + u'/';
    // What earlier saves killed halfway left here goes first: it may be what fills the disk.
    RemoveAbandonedSaveTemporaries(folder);
    QByteArray temporary = QFile::encodeName(SaveTemporaryTemplate(folder));
    Descriptor d;
    d.fd = fs.CreateUnique(temporary.data());
    if (d.fd < 0) {
        *error = SystemError(errno, true);
        return false;
    }
    // Whatever fails from here on, the new file goes and the old one stays as it was.
    bool placed = false;
    const auto cleanUp = qScopeGuard([&] {
        if (!placed) ::unlink(temporary.constData());
    });
    const auto fail = [&] {
        *error = SystemError(errno, true);
        return false;
    };

    // The old file's permissions, or a new file's usual ones.
    struct stat old = {};
    ::fchmod(d.fd, ::stat(QFile::encodeName(target).constData(), &old) == 0 ? old.st_mode & 07777
                                                                            : 0666 & ~CurrentUmask());
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = fs.Write(d.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return fail();
        }
        done += n;
    }
    // On the disk before it takes the old file's name: a crash then leaves one or the other.
    if (fs.Sync(d.fd) != 0) return fail();
    const int fd = std::exchange(d.fd, -1);
    if (fs.Close(fd) != 0) return fail(); // where a network disk reports a write it could not make
    if (fs.Rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) return fail();
    placed = true;
    SyncFolder(folder);
    return true;
}
