#include "base/eventwait.h"

#include <QEventLoop>
#include <QTimer>

TEventWait::TEventWait(const TTickClock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{ }

TEventWait::~TEventWait()
{
    Cancel();
}

bool TEventWait::WaitUntil(const std::function<bool()> &done, std::optional<quint32> deadline)
{
    const quint64 generation = m_cancelGeneration;
    QTimer timer;
    timer.setSingleShot(true);
    while (!done()) {
        if (generation != m_cancelGeneration)
            return false;
        if (deadline) {
            const quint32 now = m_clock.Now();
            if (TickReached(now, *deadline))
                return false;
            timer.start(qMax(1, m_clock.RealMs(*deadline - now)));
        }
        QEventLoop loop;
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        m_loops.append(&loop);
        loop.exec();
        m_loops.removeOne(&loop);
        disconnect(&timer, nullptr, &loop, nullptr);
    }
    return true;
}

bool TEventWait::WaitFor(const std::function<bool()> &done, quint32 ms)
{
    return WaitUntil(done, m_clock.Now() + ms);
}

void TEventWait::Sleep(quint32 ms)
{
    WaitFor([] { return false; }, ms);
}

void TEventWait::Wake()
{
    for (QEventLoop *loop : std::as_const(m_loops))
        loop->quit();
}

void TEventWait::Cancel()
{
    ++m_cancelGeneration;
    Wake();
}
