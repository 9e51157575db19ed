#include "help/HelpViewer.h"

#include "resources/Strings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {

QPointer<HelpViewer> g_viewer;

const QString kIndexPage = QStringLiteral("index.htm");

// Every page lives in one folder with the index: home is the index beside the page shown.
QString IndexBeside(const QUrl& page)
{
    if (!page.isLocalFile()) return {};
    const QString index = QFileInfo(page.toLocalFile()).absoluteDir().filePath(kIndexPage);
    return QFileInfo(index).isFile() ? index : QString();
}

QAction* AddButton(QToolBar* bar, const char* name, QStyle::StandardPixmap icon, const QString& tip)
{
    QAction* action = bar->addAction(bar->style()->standardIcon(icon), tip);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(tip);
    return action;
}

} // namespace

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
    setObjectName(QStringLiteral("FrmHelp"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // An open help window never keeps the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(DialogCaption(223));
    m_browser->setObjectName(QStringLiteral("TxtHelp"));
    setCentralWidget(m_browser);
    m_browser->setOpenExternalLinks(true);

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("TbHelp"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = AddButton(bar, "CmdBack", QStyle::SP_ArrowBack, QStringLiteral("Page précédente"));
    QAction* forward = AddButton(bar, "CmdForward", QStyle::SP_ArrowForward, QStringLiteral("Page suivante"));
    m_home = AddButton(bar, "CmdHome", QStyle::SP_DirHomeIcon, QStringLiteral("Sommaire"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    m_home->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, &HelpViewer::GoHome);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::OnSourceChanged);
    resize(720, 560);
}

void HelpViewer::ShowPage(const QString& file)
{
    m_browser->setSource(QUrl::fromLocalFile(file));
    // A modal dialog blocks every window but its own: over one, the viewer becomes its window
    // for as long as it is shown, so that the page can be read while the dialog waits.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this)
        AttachTo(modal);
    else if (!modal)
        Detach();
    show();
    raise();
    activateWindow();
}

void HelpViewer::GoHome()
{
    const QString index = IndexBeside(m_browser->source());
    if (!index.isEmpty()) m_browser->setSource(QUrl::fromLocalFile(index));
}

void HelpViewer::OnSourceChanged(const QUrl& page)
{
    const QString title = m_browser->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? DialogCaption(223) : QStringLiteral("Daybinder - ") + title);
    // The browser tells the new page before its source() returns it.
    const QString index = IndexBeside(page);
    m_home->setEnabled(!index.isEmpty() && QUrl::fromLocalFile(index) != page);
}

void HelpViewer::AttachTo(QWidget* modal)
{
    if (parentWidget() == modal) return;
    const QRect place = geometry();
    const bool placed = isVisible();
    setParent(modal, Qt::Window);
    if (placed) setGeometry(place);
    modal->installEventFilter(this);
}

void HelpViewer::Detach()
{
    QWidget* owner = parentWidget();
    if (!owner) return;
    owner->removeEventFilter(this);
    const QRect place = geometry();
    const bool shown = isVisible();
    setParent(nullptr, Qt::Window);
    setGeometry(place);
    if (shown) show();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide) Detach();
    return QMainWindow::eventFilter(watched, event);
}
