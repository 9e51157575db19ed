#include "platform/RefusalNote.h"

#include "resources/Strings.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kShownMs = 4000;

// A tooltip of its own, laid over the window: Qt's hides at the release of the very key that
// was refused, and a window of its own would take the clicks meant for the box beneath.
class NoteLabel : public QLabel
{
public:
    explicit NoteLabel(QWidget* window) : QLabel(Str(20001), window), m_timer(new QTimer(this))
    {
        setObjectName(QStringLiteral("RefusalNote"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setPalette(QToolTip::palette());
        setBackgroundRole(QPalette::ToolTipBase);
        setForegroundRole(QPalette::ToolTipText);
        setAutoFillBackground(true);
        setFont(QToolTip::font());
        setMargin(3);
        setWordWrap(true);
        setFrameShape(QFrame::Box);
        m_timer->setObjectName(QStringLiteral("RefusalNoteTimer"));
        m_timer->setSingleShot(true);
        connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    }

    void ShowAt(QWidget* box)
    {
        if (m_box != box) {
            if (m_box) m_box->removeEventFilter(this);
            m_box = box;
            box->installEventFilter(this);
        }
        // Under the box, or above it when the window ends first; never wider than the window.
        const QWidget* window = parentWidget();
        const int room = std::max(80, window->width() - 8);
        const int oneLine = fontMetrics().horizontalAdvance(text()) + 2 * (margin() + frameWidth()) + 2;
        const int wide = std::min(oneLine, room);
        resize(wide, heightForWidth(wide));
        const QPoint at = box->mapTo(window, QPoint(0, 0));
        int top = at.y() + box->height() + 2;
        if (top + height() > window->height()) top = std::max(0, at.y() - height() - 2);
        move(std::clamp(at.x(), 0, std::max(0, window->width() - width())), top);
        show();
        raise();
        m_timer->start(kShownMs);
    }

protected:
    // The note goes when its box loses the focus or is hidden.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type t = event->type();
        if (watched == m_box && (t == QEvent::FocusOut || t == QEvent::Hide || t == QEvent::WindowDeactivate))
            hide();
        return false;
    }

private:
    QTimer* m_timer;
    QPointer<QWidget> m_box;
};

QPointer<NoteLabel>& Shown()
{
    static QPointer<NoteLabel> note;
    return note;
}

} // namespace

void ShowRefusalNote(QObject* box)
{
    auto* widget = qobject_cast<QWidget*>(box);
    if (!widget) return;
    QPointer<NoteLabel>& note = Shown();
    // One note per window: it goes with the dialog it was shown in.
    if (note && note->parentWidget() != widget->window()) delete note.data();
    if (!note) note = new NoteLabel(widget->window());
    note->ShowAt(widget);
    QApplication::beep();
}

QLabel* VisibleRefusalNote()
{
    QLabel* note = Shown();
    return note && note->isVisible() ? note : nullptr;
}
