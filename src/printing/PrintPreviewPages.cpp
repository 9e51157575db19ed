// The print preview's pages: the page list, the buttons, rendering and the page's place.

#include "document/Session.h"
#include "platform/Prompter.h"
#include "printing/ApiPrinter.h"
#include "printing/PreviewLayout.h"
#include "printing/PrintJob.h"
#include "printing/PrintPreview.h"
#include "printing/PrinterDevice.h"
#include "resources/Strings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <memory>

namespace {

constexpr float kZoomStep = 0.25f;
constexpr float kZoomMin = 0.25f;
constexpr float kZoomMax = 2.0f;
constexpr float kStartZoom = 0.5f;
constexpr int kPrintingPage = 3; // the options dialog's printing page
constexpr int kBarThickness = 16;

} // namespace

int PrintPreview::PageMonth() const
{
    return m_current >= 1 && m_current <= m_months.size() ? m_months[m_current - 1] : 0;
}

void PrintPreview::Start()
{
    const bool picture = IsPictureRequest(PrintRequest());
    m_stretchPanel->setVisible(picture);
    m_months = picture ? QList<int>{0} : PreviewMonths(PrintOptions::FromSettings());
    m_zoom = kStartZoom;
    m_current = 1;
    UpdateButtons();
    ShowStatus();
    m_renderTimer->start();
}

void PrintPreview::UpdateButtons()
{
    m_buttons[PreviewPrint]->setEnabled(PrinterInstalled());
    m_buttons[PreviewPrevious]->setEnabled(m_current > 1);
    m_buttons[PreviewNext]->setEnabled(m_current < PageCount());
    m_buttons[PreviewZoomIn]->setEnabled(m_zoom < kZoomMax);
    m_buttons[PreviewZoomOut]->setEnabled(m_zoom > kZoomMin);
    m_buttons[PreviewOptions]->setEnabled(bool(ShowOptions));
}

void PrintPreview::ShowStatus()
{
    m_status[0]->setText(Str(1508) + u' ' + QString::number(m_current));
    m_status[1]->setText(QString::number(qRound(m_zoom * 100)) + u'%');
}

void PrintPreview::OnButton(int index)
{
    switch (index) {
    case PreviewPrint:
        PrintWholeJob();
        return;
    case PreviewClose:
        close();
        return;
    case PreviewOptions:
        if (ShowOptions && ShowOptions(this, kPrintingPage)) Start();
        return;
    case PreviewPrevious:
        m_current = std::max(1, m_current - 1);
        break;
    case PreviewNext:
        m_current = std::min(PageCount(), m_current + 1);
        break;
    case PreviewZoomIn:
        m_zoom = std::min(kZoomMax, m_zoom + kZoomStep);
        break;
    case PreviewZoomOut:
        m_zoom = std::max(kZoomMin, m_zoom - kZoomStep);
        break;
    default:
        return;
    }
    UpdateButtons();
    ShowStatus();
    RenderPage();
}

void PrintPreview::RenderPage()
{
    // A timer may fire while a page is being drawn (pictures let the interface repaint).
    if (m_rendering) return;
    m_rendering = true;
    m_renderTimer->stop();
    BusyCursor busy;
    ShowMessage(Str(1510), QString());
    LetInterfaceRepaint();

    std::unique_ptr<PrinterDevice> dc;
    if (GetPrinterDC(dc)) {
        cmAPIPrinter printer;
        const CalendarDocument& doc = Session::Get().CurrentDocument;
        if (printer.cmPrt_DocStart(dc.get(), DocumentTitle(doc), 0, m_zoom, &m_page, devicePixelRatioF())) {
            BackgroundSettings& request = PrintRequest();
            if (IsPictureRequest(request)) request.Mode = m_stretch->isChecked() ? 1 : 0;
            PrintPage(printer, doc, PageMonth(), request, PrintOptions::FromSettings().Background);
        }
        printer.cmPrt_DocEnd();
    }
    m_pageFrame->resize(m_page.deviceIndependentSize().toSize());
    m_pageFrame->update();

    HideMessage();
    LetInterfaceRepaint();
    m_rendering = false;
    LayoutPage();
}

void PrintPreview::LayoutPage()
{
    if (m_renderTimer->isActive()) return;
    const QSize view = m_view->size();
    const QSize page = m_pageFrame->size();
    // A bar along one side takes room from the other side.
    bool vBar = PlacePage(view.height(), page.height()).Bar;
    const bool hBar = PlacePage(view.width() - (vBar ? kBarThickness : 0), page.width()).Bar;
    if (hBar && !vBar) vBar = PlacePage(view.height() - kBarThickness, page.height()).Bar;
    const PageScroll v = PlacePage(view.height() - (hBar ? kBarThickness : 0), page.height());
    const PageScroll h = PlacePage(view.width() - (vBar ? kBarThickness : 0), page.width());

    const auto apply = [](QScrollBar* bar, const PageScroll& s) {
        const QSignalBlocker quiet(bar);
        bar->setRange(s.Min, s.Max);
        bar->setPageStep(std::max(1, s.Max - s.Min) / 4);
        bar->setSingleStep(20);
        bar->setValue(s.Value);
    };
    m_vHolder->setVisible(v.Bar);
    m_hHolder->setVisible(h.Bar);
    if (v.Bar) {
        m_vHolder->setGeometry(view.width() - kBarThickness, 0, kBarThickness,
                               view.height() - (h.Bar ? kBarThickness : 0));
        m_vBar->setGeometry(m_vHolder->rect());
        apply(m_vBar, v);
        m_vHolder->raise();
    }
    if (h.Bar) {
        m_hHolder->setGeometry(0, view.height() - kBarThickness, view.width() - (v.Bar ? kBarThickness : 0),
                               kBarThickness);
        m_hBar->setGeometry(m_hHolder->rect());
        apply(m_hBar, h);
        m_hHolder->raise();
    }
    m_pageFrame->move(h.Position, v.Position);
    PlaceMessage();
}

void PrintPreview::OnScroll()
{
    const auto position = [](const QScrollBar* bar) {
        return bar->maximum() + bar->minimum() - bar->value();
    };
    QPoint at = m_pageFrame->pos();
    if (m_vHolder->isVisible()) at.setY(position(m_vBar));
    if (m_hHolder->isVisible()) at.setX(position(m_hBar));
    m_pageFrame->move(at);
}

void PrintPreview::PlaceMessage()
{
    m_message->adjustSize();
    m_message->resize(std::max(m_message->width(), 360), std::max(m_message->height(), 80));
    m_message->move(CentreInContainer(m_view->size(), m_message->size()));
}
