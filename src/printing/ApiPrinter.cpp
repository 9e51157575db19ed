#include "printing/ApiPrinter.h"

#include "platform/Prompter.h"
#include "printing/PrinterDevice.h"

#include <cmath>

namespace {

QString FaultDescription(qint32 number)
{
    switch (number) {
    case ErrorInvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorInvalidArgument:
        return QStringLiteral("Wrong number of arguments or invalid property assignment");
    default:
        return {};
    }
}

PrinterFault Fault(qint32 number)
{
    return {number, FaultDescription(number)};
}

PromptAnswer ReportFault(const char* operation, const PrinterFault& fault)
{
    const QChar cr(u'\r');
    const QString source = QStringLiteral("cmAPIPrinter::%1()").arg(QLatin1String(operation));
    const QString text = QStringLiteral("The following error occurred while printing:") + cr + cr +
                         QStringLiteral("Number:  ") + QString::number(fault.Number) + cr +
                         QStringLiteral("Description:  ") + fault.Description.trimmed() + cr +
                         QStringLiteral("Source:  ") + source;
    return ShowMessage(QStringLiteral("Daybinder - cmAPIPrinter error!"), text, PromptIcon::Stop,
                       PromptButtons::AbortRetryIgnore, PromptAnswer::Retry);
}

} // namespace

cmAPIPrinter::cmAPIPrinter() = default;

cmAPIPrinter::~cmAPIPrinter()
{
    if (m_dc) cmPrt_DocEnd();
    Clear();
}

void cmAPIPrinter::Clear()
{
    if (m_painter.isActive()) m_painter.end();
    m_toPrinter = 0;
    m_zoom = 1.0f;
    m_top = m_left = m_paperHeight = m_paperWidth = m_printHeight = m_printWidth = 0;
    m_jobId = 0;
    m_dc = nullptr;
    m_device = nullptr;
}

bool cmAPIPrinter::Run(const char* operation, const Statement& statement)
{
    for (;;) {
        const std::optional<PrinterFault> fault = statement();
        if (!fault) return true;
        switch (ReportFault(operation, *fault)) {
        case PromptAnswer::Retry:
            continue;
        case PromptAnswer::Ignore:
            return true;
        default:
            return false;
        }
    }
}

std::optional<PrinterFault> cmAPIPrinter::RequireDocument() const
{
    if (!m_dc) return Fault(ErrorInvalidCall);
    return std::nullopt;
}

qint16 cmAPIPrinter::cmConv_HeightToPoints(float height)
{
    const float pixels = height * kTwipsPerCm / kTwipsPerPixel;
    const qint16 pixelsPerInch = qint16(std::lround(1440.0f / kTwipsPerPixel));
    return qint16(std::abs(std::floor(72.0f * pixels / float(pixelsPerInch))));
}

float cmAPIPrinter::cmPage_MLeft() const
{
    return m_dc ? m_left : 0;
}
float cmAPIPrinter::cmPage_MTop() const
{
    return m_dc ? m_top : 0;
}
float cmAPIPrinter::cmPage_OHeight() const
{
    return m_dc ? m_printHeight : 0;
}
float cmAPIPrinter::cmPage_OWidth() const
{
    return m_dc ? m_printWidth : 0;
}
float cmAPIPrinter::cmPage_PHeight() const
{
    return m_dc ? m_paperHeight : 0;
}
float cmAPIPrinter::cmPage_PWidth() const
{
    return m_dc ? m_paperWidth : 0;
}

void cmAPIPrinter::Measure()
{
    const QPageLayout layout = m_dc->PageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    m_top = float(printable.top() - paper.top()) / 10.0f;
    m_left = float(printable.left() - paper.left()) / 10.0f;
    m_paperHeight = float(paper.height()) / 10.0f;
    m_paperWidth = float(paper.width()) / 10.0f;
    m_printHeight = float(printable.height()) / 10.0f;
    m_printWidth = float(printable.width()) / 10.0f;
}

// Paper centimetres onto the device, and nothing drawn outside the printable area.
void cmAPIPrinter::SetPageCoordinates()
{
    if (m_toPrinter) {
        const qreal sx = m_device->logicalDpiX() / 2.54, sy = m_device->logicalDpiY() / 2.54;
        m_toDevice = QTransform(sx, 0, 0, sy, -m_left * sx, -m_top * sy);
    } else {
        const qreal s = kScreenPixelsPerCm * m_zoom;
        m_toDevice = QTransform::fromScale(s, s);
    }
    m_painter.setWorldTransform(m_toDevice);
    m_painter.setClipRect(QRectF(m_left, m_top, m_printWidth, m_printHeight));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

std::optional<PrinterFault> cmAPIPrinter::StartJob(const QString& documentName)
{
    PrinterFault fault;
    m_device = m_dc->BeginJob(documentName, &fault);
    if (!m_device) return fault;
    static qint32 lastJob = 0;
    m_jobId = ++lastJob;
    return std::nullopt;
}

std::optional<PrinterFault> cmAPIPrinter::StartPainting()
{
    if (!m_painter.begin(m_device)) return PrinterFault{ErrorInvalidCall, FaultDescription(ErrorInvalidCall)};
    SetPageCoordinates();
    return std::nullopt;
}

bool cmAPIPrinter::cmPrt_DocStart(PrinterDevice* dc, const QString& documentName, qint32 toPrinter,
                                  float zoom, QImage* pageFrame, qreal devicePixelRatio)
{
    const char* op = "cmPrt_DocStart";
    const auto badArguments = [&]() -> std::optional<PrinterFault> {
        if (!dc || (!toPrinter && (!(zoom > 0.0f && zoom <= 2.0f) || !pageFrame)))
            return Fault(ErrorInvalidArgument);
        return std::nullopt;
    };
    if (!Run(op, badArguments) || !dc || (!toPrinter && !pageFrame)) return false;
    if (m_dc) cmPrt_DocEnd();

    m_toPrinter = toPrinter ? 1 : 0;
    m_zoom = toPrinter || (zoom > 0.0f && zoom <= 2.0f) ? zoom : 1.0f;
    m_jobId = 0;
    m_dc = dc;
    Measure();

    if (m_toPrinter) {
        m_zoom = 1.0f;
        // A job that did not start leaves no document open behind it.
        if (Run(op, [&] { return StartJob(documentName); })) return true;
        Clear();
        return false;
    }

    const qreal scale = kScreenPixelsPerCm * m_zoom * devicePixelRatio;
    *pageFrame = QImage(std::max(1, int(std::lround(m_paperWidth * scale))),
                        std::max(1, int(std::lround(m_paperHeight * scale))), QImage::Format_RGB32);
    pageFrame->setDevicePixelRatio(devicePixelRatio);
    pageFrame->fill(Qt::white);
    LetInterfaceRepaint();
    m_device = pageFrame;
    if (Run(op, [&] { return StartPainting(); })) return true;
    Clear();
    return false;
}

bool cmAPIPrinter::cmPrinter_PageStart()
{
    if (!m_toPrinter) return true;
    const char* op = "cmPrinter_PageStart";
    if (!Run(op, [&] { return RequireDocument(); })) return false;
    const auto start = [&]() -> std::optional<PrinterFault> {
        if (!m_jobId) return Fault(ErrorInvalidCall);
        if (!m_painter.isActive()) return StartPainting();
        PrinterFault fault;
        if (!m_dc->NewPage(&fault)) return fault;
        SetPageCoordinates();
        return std::nullopt;
    };
    if (!Run(op, start)) return false;
    return true;
}

bool cmAPIPrinter::cmPrinter_PageEnd()
{
    if (!m_toPrinter) return true;
    // Pages are painted straight onto the printer: the page is out when the next one starts or
    // the job ends.
    return Run("cmPrinter_PageEnd", [&]() -> std::optional<PrinterFault> {
        if (!m_dc || !m_jobId) return Fault(ErrorInvalidCall);
        return std::nullopt;
    });
}

bool cmAPIPrinter::cmPrt_DocEnd()
{
    const char* op = "cmPrt_DocEnd";
    if (!Run(op, [&] { return RequireDocument(); })) return false;
    bool ok = true;
    if (m_toPrinter) {
        ok = Run(op, [&]() -> std::optional<PrinterFault> {
            if (!m_jobId) return Fault(ErrorInvalidCall);
            if (m_painter.isActive()) m_painter.end();
            PrinterFault fault;
            if (m_dc && !m_dc->EndJob(&fault)) return fault;
            return std::nullopt;
        });
    } else {
        if (m_painter.isActive()) m_painter.end();
        LetInterfaceRepaint();
    }
    if (m_painter.isActive()) m_painter.end();
    m_dc = nullptr;
    m_jobId = 0;
    m_device = nullptr;
    return ok;
}
