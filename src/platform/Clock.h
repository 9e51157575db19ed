#pragma once
// The clock seam: "today" and alarm times come from here so tests can set them.

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    QDate Today() const { return Now().date(); }

    // The clock the program uses; the system clock unless a test installed another.
    static const Clock& Current();
    static void Install(const Clock* clock); // nullptr restores the system clock
};

class SystemClock : public Clock
{
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still at a set time, for tests and scripted runs.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime t) : m_now(std::move(t)) {}
    QDateTime Now() const override { return m_now; }
    void Set(QDateTime t) { m_now = std::move(t); }

private:
    QDateTime m_now;
};
