#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace {

// Anything longer than a command line is not a client of ours.
constexpr qint64 kMaxLine = 256;

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName))
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultServerName(const QString& settingsFolder)
{
    QString name = QStringLiteral("daybinder-%1").arg(getuid());
    if (qEnvironmentVariableIsSet("DAYBINDER_CONFIG_HOME")) {
        const QByteArray hash = QCryptographicHash::hash(settingsFolder.toUtf8(), QCryptographicHash::Sha1);
        name += u'-' + QString::fromLatin1(hash.toHex().left(12));
    }
    return name;
}

bool SingleInstance::SomeoneListens(int timeoutMs) const
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    const bool up = probe.waitForConnected(timeoutMs);
    probe.abort();
    return up;
}

bool SingleInstance::TryHandOver(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs)) return false; // nobody, or a stale socket file

    // Wait for the answer so the command is surely delivered before this process ends.
    socket.write(Restore + '\n');
    if (socket.waitForBytesWritten(timeoutMs)) {
        while (!socket.canReadLine() && socket.waitForReadyRead(timeoutMs)) {
        }
    }
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen()
{
    if (IsListening()) return true;
    // The server is made in a private folder and renamed into place, which would take the
    // name from a live instance: ask first. A socket file nobody answers on is what a crash
    // leaves behind, and goes.
    if (SomeoneListens(500)) return false;
    QLocalServer::removeServer(m_name);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_name)) {
        qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(m_name),
                 qPrintable(server->errorString()));
        delete server;
        return false;
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket* client = server->nextPendingConnection()) Serve(client);
    });
    m_server = server;
    return true;
}

bool SingleInstance::IsListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::Serve(QLocalSocket* client)
{
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    connect(client, &QLocalSocket::readyRead, this, [this, client] {
        while (client->canReadLine()) {
            const QByteArray command = client->readLine(kMaxLine).trimmed();
            const bool restore = command == Restore;
            client->write((restore ? Accepted : Refused) + '\n');
            client->flush();
            if (restore) emit RestoreRequested();
        }
        if (client->bytesAvailable() > kMaxLine) {
            client->abort();
            client->deleteLater();
        }
    });
}
