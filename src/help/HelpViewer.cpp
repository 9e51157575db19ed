#include "help/HelpViewer.h"

#include "resources/Strings.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {
HelpViewer* g_viewer = nullptr;
}

HelpViewer& HelpViewer::Instance()
{
    if (!g_viewer) g_viewer = new HelpViewer;
    return *g_viewer;
}

void HelpViewer::CloseIfOpen()
{
    delete g_viewer;
    g_viewer = nullptr;
}

HelpViewer::HelpViewer() : m_browser(new QTextBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(DialogCaption(223));
    setCentralWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    QToolBar* bar = addToolBar(QString());
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("◀"), m_browser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("▶"), m_browser, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    resize(720, 560);
}

void HelpViewer::ShowPage(const QString& file)
{
    m_browser->setSource(QUrl::fromLocalFile(file));
    show();
    raise();
    activateWindow();
}
