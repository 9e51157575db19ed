#include "views/ShellStyle.h"

#include <QIconEngine>
#include <QPainter>

namespace {

class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Real().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_style, m_which); }

private:
    const QIcon& Real()
    {
        if (!m_loaded) {
            m_real = m_style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_real;
    }

    const QStyle* m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_real;
    bool m_loaded = false;
};

} // namespace

ShellStyle::ShellStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

QIcon ShellStyle::standardIcon(StandardPixmap which, const QStyleOption*, const QWidget*) const
{
    // The pictures do not depend on the asking widget in any style the program runs with.
    return QIcon(new DeferredIconEngine(baseStyle(), which));
}

QPixmap ShellStyle::standardPixmap(StandardPixmap which, const QStyleOption* option,
                                   const QWidget* widget) const
{
    if (option) return QProxyStyle::standardPixmap(which, option, widget);
    auto it = m_pixmaps.find(int(which));
    if (it == m_pixmaps.end())
        it = m_pixmaps.insert(int(which), QProxyStyle::standardPixmap(which, nullptr, nullptr));
    return *it;
}
