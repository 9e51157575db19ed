#include "printing/PrintPreview.h"

#include "document/Session.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "printing/PrintJob.h"
#include "resources/Strings.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int kButtonTexts[kPreviewButtons] = {1502, 1504, 1503, 1505, 1506, 1507, 244};

// The page frame: the rendered paper, at its own size.
class RenderedPage : public QWidget
{
public:
    RenderedPage(const QImage* page, QWidget* parent) : QWidget(parent), m_page(page)
    {
        setObjectName(QStringLiteral("PicPage0"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (m_page->isNull())
            p.fillRect(rect(), Qt::white);
        else
            p.drawImage(QPoint(0, 0), *m_page);
    }

private:
    const QImage* m_page;
};

} // namespace

// The preview's message panel as the progress display of a print job.
class PrintPreview::PrintingPanel : public PrintDisplay
{
public:
    explicit PrintingPanel(PrintPreview& preview) : m_preview(preview) {}
    void Begin(const QString& title) override
    {
        m_preview.ShowMessage(title, QString());
        m_preview.m_pageFrame->hide();
    }
    void Progress(const QString& line) override { m_preview.m_messageLines[1]->setText(line); }
    void End() override
    {
        m_preview.HideMessage();
        m_preview.m_pageFrame->show();
        m_preview.m_messageLines[1]->clear();
    }

private:
    PrintPreview& m_preview;
};

void PrintPreview::PrintWholeJob()
{
    if (IsPictureRequest(PrintRequest())) PrintRequest().Mode = m_stretch->isChecked() ? 1 : 0;
    PrintingPanel panel(*this);
    PrintCalendar(PrintRequest(), &panel);
}

void OpenPreview(const BackgroundSettings& request, QWidget* parent)
{
    if (PrintPreview::BeforeOpening) PrintPreview::BeforeOpening();
    BusyCursor busy;
    LetInterfaceRepaint();
    PrintRequest() = request;
    {
        PrintPreview preview(parent);
        busy.Restore();
        preview.exec();
    }
    LetInterfaceRepaint();
    if (PrintPreview::AfterClosing) PrintPreview::AfterClosing();
    ResetPrintRequest();
}

PrintPreview::PrintPreview(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPrintPrev"));
    const QString& path = Session::Get().CurrentDocument.FilePath;
    setWindowTitle(Str(1501) + QStringLiteral(" - ") + (path.isEmpty() ? Str(540) : path));
    setSizeGripEnabled(true);
    BuildControls();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize avail = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    resize(std::max(640, avail.width() * 4 / 5), std::max(480, avail.height() * 4 / 5));
    Start();
}

PrintPreview::~PrintPreview() = default;

void PrintPreview::BuildControls()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 4, 4, 4);
    for (int i = 0; i < kPreviewButtons; ++i) {
        auto* b = new QPushButton(Str(kButtonTexts[i]), bar);
        b->setObjectName(QStringLiteral("CmdMenu%1").arg(i));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { OnButton(i); });
        m_buttons[size_t(i)] = b;
        row->addWidget(b);
    }
    m_stretchPanel = new QWidget(bar);
    m_stretchPanel->setObjectName(QStringLiteral("PicMenu"));
    auto* panelRow = new QHBoxLayout(m_stretchPanel);
    panelRow->setContentsMargins(8, 0, 0, 0);
    m_stretch = new QCheckBox(Str(1511), m_stretchPanel);
    m_stretch->setObjectName(QStringLiteral("ChkMenu"));
    connect(m_stretch, &QCheckBox::clicked, this, &PrintPreview::RenderPage);
    panelRow->addWidget(m_stretch);
    row->addWidget(m_stretchPanel);
    row->addStretch(1);
    column->addWidget(bar);

    m_view = new QWidget(this);
    m_view->setObjectName(QStringLiteral("PicViewZone"));
    m_view->setAutoFillBackground(true);
    QPalette grey = m_view->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    m_view->setPalette(grey);
    m_pageFrame = new RenderedPage(&m_page, m_view);
    column->addWidget(m_view, 1);

    m_message = new QFrame(m_view);
    m_message->setObjectName(QStringLiteral("PicPrinting"));
    m_message->setFrameShape(QFrame::Box);
    m_message->setAutoFillBackground(true);
    auto* lines = new QVBoxLayout(m_message);
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(m_message);
        l->setObjectName(QStringLiteral("LblPrinting%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        lines->addWidget(l);
        m_messageLines[size_t(i)] = l;
    }
    m_message->hide();

    const auto holder = [this](const char* name, const char* barName, Qt::Orientation o, QScrollBar** out) {
        auto* h = new QWidget(m_view);
        h->setObjectName(QLatin1String(name));
        auto* b = new QScrollBar(o, h);
        b->setObjectName(QLatin1String(barName));
        connect(b, &QScrollBar::valueChanged, this, &PrintPreview::OnScroll);
        *out = b;
        h->hide();
        return h;
    };
    m_vHolder = holder("PicVS", "VSPage", Qt::Vertical, &m_vBar);
    m_hHolder = holder("PicHS", "HSPage", Qt::Horizontal, &m_hBar);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("SBPrint"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QLabel(status);
        panel->setObjectName(QStringLiteral("SBPrintPanel%1").arg(i + 1));
        panel->setMinimumWidth(100);
        status->addWidget(panel);
        m_status[size_t(i)] = panel;
    }
    column->addWidget(status);

    // One-shot timers: the page is drawn, and laid out after a resize, once pending window
    // events have been processed.
    m_renderTimer = new QTimer(this);
    m_renderTimer->setObjectName(QStringLiteral("TmrGetPreview"));
    m_renderTimer->setSingleShot(true);
    m_renderTimer->setInterval(10);
    connect(m_renderTimer, &QTimer::timeout, this, &PrintPreview::RenderPage);
    m_resizeTimer = new QTimer(this);
    m_resizeTimer->setObjectName(QStringLiteral("TmrFrmResize"));
    m_resizeTimer->setSingleShot(true);
    m_resizeTimer->setInterval(50);
    connect(m_resizeTimer, &QTimer::timeout, this, &PrintPreview::LayoutPage);
}

void PrintPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(QStringLiteral("Html\\d_prev.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void PrintPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_vHolder->hide();
    m_hHolder->hide();
    m_resizeTimer->start();
}

void PrintPreview::StopTimers()
{
    m_renderTimer->stop();
    m_resizeTimer->stop();
    m_page = QImage();
}

void PrintPreview::closeEvent(QCloseEvent* event)
{
    StopTimers();
    QDialog::closeEvent(event);
}

void PrintPreview::done(int result)
{
    StopTimers();
    QDialog::done(result);
}

void PrintPreview::ShowMessage(const QString& title, const QString& line)
{
    m_messageLines[0]->setText(title);
    m_messageLines[1]->setText(line);
    PlaceMessage();
    m_message->show();
    m_message->raise();
}

void PrintPreview::HideMessage()
{
    m_message->hide();
}
