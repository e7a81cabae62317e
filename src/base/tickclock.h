#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// The millisecond tick counter behind every deadline. Injectable, so a test of a 3000 ms
// time-out need not sleep 3 s.
class TTickClock
{
public:
    virtual ~TTickClock() = default;
    virtual quint32 Now() const = 0;
    // Real milliseconds until `ticks` ticks of this clock have passed (for event-loop timers).
    virtual int RealMs(quint32 ticks) const { return int(qMin<quint32>(ticks, 0x7FFFFFFF)); }
};

// A deadline reached when the clock is at or past it; survives the 49-day wrap of the counter.
inline bool TickReached(quint32 now, quint32 deadline)
{
    return qint32(now - deadline) >= 0;
}

class TSystemClock : public TTickClock
{
public:
    TSystemClock() { m_timer.start(); }
    quint32 Now() const override { return quint32(m_timer.elapsed()); }

private:
    QElapsedTimer m_timer;
};

// The program's clock.
TTickClock &SystemClock();

// Time that only moves when a test moves it.
class TManualClock : public TTickClock
{
public:
    quint32 Now() const override { return m_now; }
    void Set(quint32 now) { m_now = now; }
    void Advance(quint32 ms) { m_now += ms; }

private:
    quint32 m_now = 100000;
};

// Time that runs `factor` times faster than real time: the program's time limits stay as they
// are and a test still finishes quickly.
class TFastClock : public TTickClock
{
public:
    explicit TFastClock(int factor) : m_factor(qMax(1, factor)) { m_timer.start(); }
    quint32 Now() const override { return quint32(m_timer.elapsed() * m_factor); }
    int RealMs(quint32 ticks) const override
    {
        return int((qint64(ticks) + m_factor - 1) / m_factor);
    }

private:
    QElapsedTimer m_timer;
    int m_factor;
};
