#pragma once
// The application style: the platform's own, except that its standard pictures (title bar and
// menu pictures of the month windows, the toolbar's overflow arrow) are loaded when they are
// first painted, and once only. Twelve month windows ask for them all at start-up.

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

class ShellStyle : public QProxyStyle
{
public:
    explicit ShellStyle(const QString& baseKey);
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    // Loaded once and shared: every month window's system menu asks for the same pictures.
    QPixmap standardPixmap(StandardPixmap standardPixmap, const QStyleOption* option = nullptr,
                           const QWidget* widget = nullptr) const override;

private:
    mutable QHash<int, QPixmap> m_pixmaps;
};
