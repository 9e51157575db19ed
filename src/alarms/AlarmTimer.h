#pragma once
// The main window's alarm check timer ("TmALCheck"): it ticks every 65535 ms and runs the check
// once the next-check time has passed; "IntervalChk" -1 switches it off.

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

class AlarmTimer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTickMs = 65535;

    explicit AlarmTimer(QObject* parent = nullptr);
    ~AlarmTimer() override;

    // The program's timer, when one exists (the options re-arm it).
    static AlarmTimer* Current();

    // What a due check runs.
    std::function<void()> Check;

    // At start-up and after the options are saved: next check in "IntervalChk" minutes and the
    // timer on, or the timer off when the interval is -1.
    void Arm();
    void Stop() { m_timer.stop(); }

    // One tick (the timer's handler).
    void Tick();

    bool IsActive() const { return m_timer.isActive(); }
    QDateTime NextCheck() const { return m_nextCheck; }
    QTimer* Timer() { return &m_timer; }

private:
    QTimer m_timer;
    QDateTime m_nextCheck;
};
