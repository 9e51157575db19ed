#pragma once
// A web server for the download tests: Python's http.server on 127.0.0.1, on a port the system
// picks, serving a temporary folder. Besides the files: "/moved/NAME" redirects to "/NAME",
// "/slow/NAME" sends NAME a kilobyte at a time, "/unsized/NAME" without telling its size,
// "/silent/NAME" answers after five seconds.
// Started by the test, stopped with it.

#include "InterchangeFixtures.h"

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

class LocalHttpServer
{
public:
    LocalHttpServer()
    {
        static const char script[] = R"(
import functools, http.server, os, sys, time, urllib.parse
class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        try:
            if self.path.startswith('/moved/'):
                self.send_response(302)
                self.send_header('Location', self.path[len('/moved'):])
                self.end_headers()
            elif self.path.split('/')[1] in ('slow', 'silent', 'unsized'):
                kind, name = self.path.split('/', 2)[1:]
                data = open(os.path.join(sys.argv[1], urllib.parse.unquote(name)), 'rb').read()
                if kind == 'silent':
                    time.sleep(5)
                self.send_response(200)
                if kind != 'unsized':
                    self.send_header('Content-Length', str(len(data)))
                self.end_headers()
                step = 1024 if kind == 'slow' else len(data)
                for i in range(0, len(data), step):
                    self.wfile.write(data[i:i + step])
                    self.wfile.flush()
                    time.sleep(0.02 if kind == 'slow' else 0)
            else:
                super().do_GET()
        except (BrokenPipeError, ConnectionResetError):
            pass
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Handler, directory=sys.argv[1]))
print(server.server_address[1], flush=True)
server.serve_forever()
)";
        m_process.start(Python(), {QStringLiteral("-u"), QStringLiteral("-c"), QString::fromUtf8(script),
                                   m_folder.path()});
        if (m_process.waitForReadyRead(20000)) m_port = m_process.readLine().trimmed().toInt();
    }

    ~LocalHttpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool Started() const { return m_port > 0; }

    QString Url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(path);
    }

    // A file the server serves from now on.
    bool Put(const QString& name, const QByteArray& bytes) const
    {
        QFile f(m_folder.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
};

// A port of 127.0.0.1 where nothing listens.
inline int ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Public holidays as a town publishes them.
inline QByteArray HolidayCalendar()
{
    return Calendar(
        VEvent(u"an"_qs, {u"DTSTART;VALUE=DATE:20260101"_qs, u"SUMMARY:Jour de l'an"_qs}) +
        VEvent(u"mai"_qs, {u"DTSTART;VALUE=DATE:20260501"_qs, u"SUMMARY:Fête du travail"_qs}) +
        VEvent(u"noel"_qs, {u"DTSTART;VALUE=DATE:20261225"_qs, u"RRULE:FREQ=YEARLY"_qs, u"SUMMARY:Noël"_qs}));
}
