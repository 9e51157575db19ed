#pragma once
// A printer for tests: pages painted on images of the printable area at 100 pixels to the
// centimetre (254 dots per inch), on A4 paper with the margins a test gives it. Like a real
// printer, the image's corner is the corner of the printable area, not of the paper.

#include "printing/PrinterDevice.h"

#include <QImage>
#include <QList>
#include <QPageLayout>

class ImagePrinter : public PrinterDevice
{
public:
    static constexpr int kPixelsPerCm = 100;

    explicit ImagePrinter(QMarginsF marginsMm = {}) : m_margins(marginsMm) {}

    QList<QImage> Pages; // the finished pages, in order
    QString Title;
    bool FailToStart = false;

    QPageLayout PageLayout() const override
    {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, m_margins,
                           QPageLayout::Millimeter);
    }

    QPaintDevice* BeginJob(const QString& title, PrinterFault* fault) override
    {
        if (FailToStart) {
            *fault = {13, QStringLiteral("Permission denied")};
            return nullptr;
        }
        Title = title;
        const QSizeF printable = PageLayout().paintRect(QPageLayout::Millimeter).size() / 10.0;
        m_sheet = QImage((printable * kPixelsPerCm).toSize(), QImage::Format_RGB32);
        m_sheet.setDotsPerMeterX(kPixelsPerCm * 100);
        m_sheet.setDotsPerMeterY(kPixelsPerCm * 100);
        m_sheet.fill(Qt::white);
        return &m_sheet;
    }

    bool NewPage(PrinterFault*) override
    {
        Pages.append(m_sheet.copy());
        m_sheet.fill(Qt::white);
        return true;
    }

    bool EndJob(PrinterFault*) override
    {
        Pages.append(m_sheet.copy());
        return true;
    }

    // The pixel of the finished page at a point of the paper, in centimetres.
    QColor At(int page, double xCm, double yCm) const
    {
        const QPointF p = QPointF(xCm - m_margins.left() / 10.0, yCm - m_margins.top() / 10.0) * kPixelsPerCm;
        return Pages.at(page).pixelColor(p.toPoint());
    }

private:
    QMarginsF m_margins;
    QImage m_sheet;
};
