#pragma once
// For the start-up probes: prints, once, the time from the launch of this process to the first
// paint of a window, and ends the program. The launcher passes its clock reading at launch in
// DAYBINDER_BENCH_LAUNCH_NS (CLOCK_MONOTONIC nanoseconds).

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <ctime>

class ShownProbe : public QObject
{
public:
    explicit ShownProbe(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }

    static qint64 NowNs()
    {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            m_done = true;
            const qint64 start = qgetenv("DAYBINDER_BENCH_LAUNCH_NS").toLongLong();
            std::printf("shown %.3f\n", double(NowNs() - start) / 1e6);
            std::fflush(stdout);
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_done = false;
};
