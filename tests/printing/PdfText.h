#pragma once
// What a reader finds in a PDF file: the words of each page with their boxes in centimetres
// from the paper's top-left corner, as pdftotext (poppler-utils) extracts them.

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTextDocumentFragment>

struct PdfWord
{
    QString Text;
    QRectF Box; // centimetres
};

using PdfPage = QList<PdfWord>;

inline QList<PdfPage> PdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    constexpr double kCmPerPoint = 2.54 / 72;
    static const QRegularExpression word(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == u"<page ") {
            pages.append(PdfPage());
            continue;
        }
        if (pages.isEmpty()) continue;
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        pages.last().append({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                             QRectF(topLeft * kCmPerPoint, bottomRight * kCmPerPoint)});
    }
    return pages;
}

// The size of each page in centimetres, as pdftotext reads it.
inline QList<QSizeF> PdfPageSizes(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    static const QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    QList<QSizeF> sizes;
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    for (auto it = page.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) * (2.54 / 72));
    }
    return sizes;
}

// The words of a page in reading order, joined by blanks.
inline QString PageText(const PdfPage& page)
{
    QStringList words;
    for (const PdfWord& w : page) words.append(w.Text);
    return words.join(u' ');
}

// The first word of the page with that text whose box lies inside the area; an empty word when
// there is none.
inline PdfWord FindWord(const PdfPage& page, const QString& text, const QRectF& area = QRectF(0, 0, 100, 100))
{
    for (const PdfWord& w : page)
        if (w.Text == text && area.contains(w.Box.center())) return w;
    return {};
}
