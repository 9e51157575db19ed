#pragma once
// The one class through which everything printed or previewed is drawn. A caller opens a
// document on a printer, draws pages in centimetres measured from the top-left corner of the
// paper, and closes the document. In printer mode the pages go to the printer's device as
// vectors (text stays text); in preview mode the page is painted on an image of the paper at the
// screen's density times the zoom. Failures are reported with the Abort/Retry/Ignore box.

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <optional>

class PrinterDevice;
struct PrinterFault;

// A centimetre is 567 twips; the screen has 15 twips to the pixel (96 pixels per inch).
constexpr float kTwipsPerCm = 567.0f;
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kScreenPixelsPerCm = kTwipsPerCm / kTwipsPerPixel;

// Error numbers the class raises itself.
enum PrinterError : qint32
{
    ErrorInvalidCall = 5,      // no open document, or page output without a printer job
    ErrorInvalidArgument = 450 // bad arguments to cmPrt_DocStart
};

// One line of text: font name, size in points and style.
struct PrintFont
{
    QString Name;
    float Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool Strikethrough = false;
    bool Underline = false;
};

class cmAPIPrinter
{
public:
    cmAPIPrinter();
    ~cmAPIPrinter();
    cmAPIPrinter(const cmAPIPrinter&) = delete;
    cmAPIPrinter& operator=(const cmAPIPrinter&) = delete;

    // The font size in points whose height is that many centimetres on the screen.
    static qint16 cmConv_HeightToPoints(float height);

    // Filled: a rectangle filled and outlined in the colour. Otherwise its four edges with
    // cmOutput_PrintLine (top, left, right, bottom), or a one-pixel outline for width 0.
    bool cmOutput_PrintBox(float left, float top, float width, float height, bool filled, qint32 colour,
                           qint32 lineWidth);
    bool cmOutput_PrintCircle(float x, float y, float radius, bool filled, qint32 colour);
    // Width in 1/100 cm; 0 is a one-pixel line, any other width the band around the line.
    bool cmOutput_PrintLine(float x1, float y1, float x2, float y2, qint32 colour, qint32 width);
    // Stretched over the area, tiled from its top-left corner, or once at its natural size; the
    // tiles and the single picture are cut at the area's right and bottom edges.
    bool cmOutput_PrintPicture(float left, float top, float width, float height, const QImage& picture,
                               bool stretch, bool tile);
    // One line whose top is at y: starting at x, ending at x (align right, which wins), or
    // centred in a box of boxWidth from x.
    bool cmOutput_PrintText(float x, float y, const QString& text, qint32 colour, const PrintFont& font,
                            bool alignRight, bool centred, float boxWidth);

    // Paper measurements in centimetres; 0 while no document is open.
    float cmPage_MLeft() const;
    float cmPage_MTop() const;
    float cmPage_OHeight() const;
    float cmPage_OWidth() const;
    float cmPage_PHeight() const;
    float cmPage_PWidth() const;

    // Printer mode only: the end of a page, and the start of the next one.
    bool cmPrinter_PageEnd();
    bool cmPrinter_PageStart();

    bool cmPrt_DocEnd();
    // toPrinter 1: the job goes to the printer's device. 0: preview, painted on pageFrame (the
    // paper at 96 pixels per inch times the zoom, 0 < zoom <= 2, times the device pixel ratio).
    bool cmPrt_DocStart(PrinterDevice* dc, const QString& documentName, qint32 toPrinter, float zoom,
                        QImage* pageFrame, qreal devicePixelRatio = 1);

    // The longest beginning of the text that prints no wider than width (cm): a line cut to its
    // box, as a window cuts it.
    QString FittingText(const QString& text, const PrintFont& font, float width);

private:
    using Statement = std::function<std::optional<PrinterFault>()>;
    // Runs one statement of an operation under the error handler: true to go on (done, or
    // Ignore), false to leave the operation (Abort). Retry runs the statement again.
    bool Run(const char* operation, const Statement& statement);
    std::optional<PrinterFault> RequireDocument() const;
    std::optional<PrinterFault> StartJob(const QString& documentName);
    std::optional<PrinterFault> StartPainting();
    void Measure();
    void SetPageCoordinates();
    void Clear();
    QPen OnePixelPen(qint32 colour) const;
    QFont FontFor(const PrintFont& font) const;
    void FillRect(const QRectF& r, qint32 colour);
    void PaintTile(const QImage& tile, float x, float y, float w, float h, float tileW, float tileH);

    qint32 m_toPrinter = 0;
    float m_zoom = 1.0f;
    float m_top = 0, m_left = 0, m_paperHeight = 0, m_paperWidth = 0, m_printHeight = 0, m_printWidth = 0;
    qint32 m_jobId = 0;
    PrinterDevice* m_dc = nullptr;

    QPaintDevice* m_device = nullptr; // where the pages are painted once the job runs
    QPainter m_painter;
    QTransform m_toDevice; // centimetres on the paper to the device's coordinates
};
