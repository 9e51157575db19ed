#pragma once
// One running program per user: a second start hands "RESTORE" to the first and ends.
// The first instance listens on a local socket named after the user (and after the settings
// folder when DAYBINDER_CONFIG_HOME moves it, so test runs never reach a user's program).
// The socket is a plain Unix one in the temporary folder: a start then loads no network library.

#include <QObject>
#include <QString>

class QSocketNotifier;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The name for the user's program with its settings in that folder.
    static QString DefaultServerName(const QString& settingsFolder);
    QString ServerName() const { return m_name; }

    // True when another instance is listening: it has been sent "RESTORE" (a failure of that
    // exchange is ignored) and this one should end. False when nobody answers.
    bool TryHandOver(int timeoutMs = 2000);

    // Starts answering later instances. A socket left behind by a crashed instance is removed.
    // False when another live instance answers on the name or the socket cannot be created.
    bool Listen();
    bool IsListening() const;

    // The command a client sent, and the one-line answer the server gives.
    static inline const QByteArray Restore = QByteArrayLiteral("RESTORE");
    static inline const QByteArray Accepted = QByteArrayLiteral("OK");
    static inline const QByteArray Refused = QByteArrayLiteral("REFUSED");

signals:
    void RestoreRequested();

private:
    void Accept();
    void Serve(int client);
    bool SomeoneListens(int timeoutMs) const;
    QString SocketPath() const;

    QString m_name;
    int m_listener = -1;
    QSocketNotifier* m_notifier = nullptr;
};
