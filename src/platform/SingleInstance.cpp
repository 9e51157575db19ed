#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Anything longer than a command line is not a client of ours.
constexpr qsizetype kMaxLine = 256;

bool FillAddress(const QString& path, sockaddr_un* address)
{
    const QByteArray bytes = QFile::encodeName(path);
    std::memset(address, 0, sizeof *address);
    if (bytes.size() >= qsizetype(sizeof address->sun_path)) return false;
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, bytes.constData(), size_t(bytes.size()));
    return true;
}

// Waits until fd is ready for events; false on a timeout or an error.
bool WaitFor(int fd, short events, int timeoutMs)
{
    pollfd p{fd, events, 0};
    int n;
    do {
        n = poll(&p, 1, timeoutMs);
    } while (n < 0 && errno == EINTR);
    return n > 0 && (p.revents & events);
}

// A connection to whoever listens at path; -1 when nobody answers within timeoutMs.
int ConnectTo(const QString& path, int timeoutMs)
{
    sockaddr_un address;
    if (!FillAddress(path, &address)) return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
    int failure = errno;
    if ((failure == EINPROGRESS || failure == EAGAIN) && WaitFor(fd, POLLOUT, timeoutMs)) {
        socklen_t length = sizeof failure;
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &length) == 0 && failure == 0) return fd;
    }
    close(fd);
    return -1;
}

// Writes all of bytes, waiting at most timeoutMs each time the socket is full.
bool WriteAll(int fd, QByteArrayView bytes, int timeoutMs)
{
    while (!bytes.isEmpty()) {
        const ssize_t n = send(fd, bytes.data(), size_t(bytes.size()), MSG_NOSIGNAL);
        if (n > 0) {
            bytes = bytes.sliced(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && WaitFor(fd, POLLOUT, timeoutMs)) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName))
{}

SingleInstance::~SingleInstance()
{
    if (m_listener < 0) return;
    close(m_listener);
    unlink(QFile::encodeName(SocketPath()).constData());
}

QString SingleInstance::DefaultServerName(const QString& settingsFolder)
{
    QString name = QStringLiteral("daybinder-%1").arg(getuid());
    if (qEnvironmentVariableIsSet("DAYBINDER_CONFIG_HOME")) {
        const QByteArray hash = QCryptographicHash::hash(settingsFolder.toUtf8(), QCryptographicHash::Sha1);
        name += u'-' + QString::fromLatin1(hash.toHex().left(12));
    }
    return name;
}

QString SingleInstance::SocketPath() const
{
    return QDir::tempPath() + u'/' + m_name;
}

bool SingleInstance::SomeoneListens(int timeoutMs) const
{
    const int fd = ConnectTo(SocketPath(), timeoutMs);
    if (fd < 0) return false;
    close(fd);
    return true;
}

bool SingleInstance::TryHandOver(int timeoutMs)
{
    const int fd = ConnectTo(SocketPath(), timeoutMs);
    if (fd < 0) return false; // nobody, or a stale socket file

    // Wait for the answer so the command is surely delivered before this process ends.
    if (WriteAll(fd, QByteArray(Restore + '\n'), timeoutMs)) {
        char answer[kMaxLine];
        while (WaitFor(fd, POLLIN, timeoutMs)) {
            const ssize_t n = recv(fd, answer, sizeof answer, 0);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0 || std::memchr(answer, '\n', size_t(n))) break;
        }
    }
    close(fd);
    return true;
}

bool SingleInstance::Listen()
{
    if (IsListening()) return true;
    // The socket is made in a private folder and renamed into place, which would take the
    // name from a live instance: ask first. A socket file nobody answers on is what a crash
    // leaves behind, and goes.
    if (SomeoneListens(500)) return false;
    const QByteArray path = QFile::encodeName(SocketPath());
    unlink(path.constData());

    QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/daybinder-XXXXXX";
    if (!mkdtemp(folder.data())) {
        qWarning("SingleInstance: no private folder for %s: %s", path.constData(), strerror(errno));
        return false;
    }
    const QByteArray made = folder + "/socket";
    sockaddr_un address;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const bool listening = fd >= 0 && FillAddress(QFile::decodeName(made), &address) &&
                           bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                           chmod(made.constData(), S_IRUSR | S_IWUSR) == 0 && listen(fd, 8) == 0 &&
                           rename(made.constData(), path.constData()) == 0;
    const int failure = errno;
    unlink(made.constData());
    rmdir(folder.constData());
    if (!listening) {
        qWarning("SingleInstance: cannot listen on %s: %s", path.constData(), strerror(failure));
        if (fd >= 0) close(fd);
        return false;
    }
    m_listener = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::Accept);
    return true;
}

bool SingleInstance::IsListening() const
{
    return m_listener >= 0;
}

void SingleInstance::Accept()
{
    int client;
    while ((client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) Serve(client);
}

void SingleInstance::Serve(int client)
{
    // The notifier owns the connection: deleting it closes the socket.
    auto* notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
    connect(notifier, &QObject::destroyed, [client] { close(client); });
    auto line = std::make_shared<QByteArray>();
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier, client, line] {
        char bytes[kMaxLine];
        const ssize_t n = recv(client, bytes, sizeof bytes, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
        if (n <= 0) {
            notifier->setEnabled(false);
            notifier->deleteLater();
            return;
        }
        line->append(bytes, n);
        qsizetype end;
        while ((end = line->indexOf('\n')) >= 0) {
            const QByteArray command = line->left(end).trimmed();
            line->remove(0, end + 1);
            const bool restore = command == Restore;
            WriteAll(client, QByteArray((restore ? Accepted : Refused) + '\n'), 1000);
            if (restore) emit RestoreRequested();
        }
        if (line->size() > kMaxLine) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    });
}
