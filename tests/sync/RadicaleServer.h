#pragma once
// A CalDAV server for the tests: Debian's Radicale on 127.0.0.1, on a port the system gives, with a
// storage folder and a users file of its own in a temporary folder; started by the test, stopped
// with it (and again on the same port and storage, to come back after a stop). Requests of the
// tests' own (another device) go through plain HTTP with the user's password.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

class RadicaleServer
{
public:
    static inline const QString User = QStringLiteral("anne");
    static inline const QString Password = QStringLiteral("s3cret");

    RadicaleServer()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        QFile users(m_folder.filePath(QStringLiteral("users")));
        if (users.open(QIODevice::WriteOnly)) users.write((User + u':' + Password + u'\n').toUtf8());
        users.close();
        QFile config(m_folder.filePath(QStringLiteral("config")));
        if (config.open(QIODevice::WriteOnly))
            config.write(QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = htpasswd\n"
                                        "htpasswd_filename = %2\nhtpasswd_encryption = plain\n"
                                        "[storage]\nfilesystem_folder = %3\n[rights]\ntype = owner_only\n"
                                        "[web]\ntype = none\n[logging]\nlevel = warning\n")
                             .arg(m_port)
                             .arg(users.fileName(), m_folder.filePath(QStringLiteral("collections")))
                             .toUtf8());
        config.close();
        Start();
    }

    ~RadicaleServer() { Stop(); }

    // Starts the server and waits until it answers; false when it does not.
    bool Start()
    {
        m_process.start(QStringLiteral("radicale"),
                        {QStringLiteral("--config"), m_folder.filePath(QStringLiteral("config"))});
        if (!m_process.waitForStarted(10000)) return false;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            if (socket.waitForConnected(200)) return m_running = true;
            QThread::msleep(100);
        }
        return false;
    }

    void Stop()
    {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
        m_running = false;
    }

    bool Running() const { return m_running; }
    int Port() const { return m_port; }
    QString Url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
    }

    struct Reply
    {
        int Status = 0;
        QByteArray Body;
        QByteArray ETag;
    };

    // One plain HTTP request with the user's password.
    Reply Request(const QByteArray& verb, const QString& path, const QByteArray& body = QByteArray(),
                  const QList<std::pair<QByteArray, QByteArray>>& headers = {},
                  const QString& password = Password) const
    {
        QNetworkAccessManager network;
        QNetworkRequest request(QUrl(Url(path)));
        request.setRawHeader("Authorization", "Basic " + (User + u':' + password).toUtf8().toBase64());
        for (const auto& [name, value] : headers) request.setRawHeader(name, value);
        QNetworkReply* reply = network.sendCustomRequest(request, verb, body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        Reply r{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
                reply->rawHeader("ETag")};
        delete reply;
        return r;
    }

    // A new, empty calendar collection of the user; its path ("/anne/NAME/").
    QString MakeCalendar(const QString& name) const
    {
        Request("PROPFIND", u'/' + User + u'/', QByteArray(), {{"Depth", "0"}}); // makes the user's home
        const QString path = u'/' + User + u'/' + name + u'/';
        return Request("MKCALENDAR", path).Status == 201 ? path : QString();
    }

    int Put(const QString& path, const QByteArray& ics) const
    {
        return Request("PUT", path, ics, {{"Content-Type", "text/calendar; charset=utf-8"}}).Status;
    }
    int Delete(const QString& path) const { return Request("DELETE", path).Status; }
    QByteArray Get(const QString& path) const { return Request("GET", path).Body; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
    bool m_running = false;
};
