// How long F1 takes to show a help page: the viewer's first opening, then every page in turn
// (read, laid out, caption set), as the user walks from window to window.

#include "help/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextBrowser>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(QStringLiteral(DAYBINDER_HELP_DIR "/Html"));
    const QStringList pages = folder.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
    if (pages.isEmpty()) {
        std::fprintf(stderr, "no help pages in %s\n", qPrintable(folder.path()));
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    HelpViewer& viewer = HelpViewer::Instance();
    viewer.ShowPage(folder.filePath(QStringLiteral("index.htm")));
    viewer.Browser()->document()->size(); // laid out
    app.processEvents();
    const double first = double(timer.nsecsElapsed()) / 1e6;

    double total = 0, worst = 0;
    qint64 bytes = 0;
    for (const QString& page : pages) {
        timer.restart();
        viewer.ShowPage(folder.filePath(page));
        viewer.Browser()->document()->size();
        app.processEvents();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        total += ms;
        worst = std::max(worst, ms);
        bytes += QFileInfo(folder.filePath(page)).size();
    }
    std::printf("help pages: %lld, %.1f KB in all\n", qlonglong(pages.size()), double(bytes) / 1000.0);
    std::printf("first F1 (viewer created, index shown): %.1f ms\n", first);
    std::printf("each further page: %.2f ms on average, %.2f ms at worst\n", total / pages.size(), worst);
    HelpViewer::CloseIfOpen();
    return 0;
}
