#include "platform/RefusalNote.h"

#include "resources/Strings.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr int kShownMs = 4000;

// A tooltip of its own: Qt's hides at the release of the very key that was refused.
class NoteLabel : public QLabel
{
public:
    explicit NoteLabel(QWidget* window) : QLabel(Str(20001), window, Qt::ToolTip), m_timer(new QTimer(this))
    {
        setObjectName(QStringLiteral("RefusalNote"));
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setMargin(4);
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
        adjustSize();
        move(box->mapToGlobal(QPoint(0, box->height() + 2)));
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
