#pragma once

#include "base/tickclock.h"

#include <QObject>

#include <functional>
#include <optional>

class QEventLoop;

// Waits in a nested event loop until a condition holds, a deadline passes or the wait is
// cancelled. The loop sleeps until an event arrives, so a wait never spins a core: whoever can
// change the condition (bytes received, abort pressed) calls Wake(). Windows stay responsive
// and receive handlers run while the wait lasts.
class TEventWait : public QObject
{
    Q_OBJECT
public:
    explicit TEventWait(const TTickClock &clock, QObject *parent = nullptr);
    ~TEventWait() override;

    // True when `done` holds; false when the deadline passed or Cancel() ended the wait first.
    // Without a deadline it waits until `done` holds or the wait is cancelled.
    bool WaitUntil(const std::function<bool()> &done, std::optional<quint32> deadline);
    // The same with a deadline `ms` ticks from now.
    bool WaitFor(const std::function<bool()> &done, quint32 ms);
    // Sleeps `ms` ticks while events go on.
    void Sleep(quint32 ms);

    const TTickClock &Clock() const { return m_clock; }
    bool IsWaiting() const { return !m_loops.isEmpty(); }

public slots:
    // Re-checks the conditions of every running wait.
    void Wake();
    // Ends every running wait (the window closes, the port vanished). Later waits run again.
    void Cancel();

private:
    const TTickClock &m_clock;
    QList<QEventLoop *> m_loops;
    quint64 m_cancelGeneration = 0;
};
