#include "calfile/FileBytes.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
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

bool ReadWholeFile(const QString& path, qint64 limit, QByteArray* bytes, FileError* error)
{
    bytes->clear();
    const QByteArray native = QFile::encodeName(path);
    Descriptor d;
    // Non-blocking, so that opening a pipe cannot hang; it is refused below.
    d.fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (d.fd < 0) {
        *error = SystemError(errno, false);
        return false;
    }
    struct stat st
    {
    };
    if (::fstat(d.fd, &st) != 0) {
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
    bytes->resize(qsizetype(st.st_size));
    qsizetype done = 0;
    while (done < bytes->size()) {
        const ssize_t n = ::read(d.fd, bytes->data() + done, size_t(bytes->size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *error = SystemError(errno, false);
            bytes->clear();
            return false;
        }
        if (n == 0) break; // the file shrank meanwhile: keep what is there
        done += n;
    }
    bytes->truncate(done);
    return true;
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
