#include "pseudoterminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

TPseudoTerminal::TPseudoTerminal(QObject *parent) : QObject(parent)
{
    m_pump.setSingleShot(true);
    connect(&m_pump, &QTimer::timeout, this, &TPseudoTerminal::Pump);
}

TPseudoTerminal::~TPseudoTerminal()
{
    m_notifier.reset();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool TPseudoTerminal::Open(QString &error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_path = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // No echo and no line editing until the program sets its own line settings.
    termios raw {};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TPseudoTerminal::ReadMaster);
    m_sinceWrite.start();
    return true;
}

int TPseudoTerminal::Baudrate() const
{
    termios t {};
    if (::tcgetattr(m_master, &t) != 0)
        return 0;
    switch (::cfgetospeed(&t)) {
    case B2400:
        return 2400;
    case B9600:
        return 9600;
    case B38400:
        return 38400;
    default:
        return 0;
    }
}

void TPseudoTerminal::Send(const QByteArray &bytes, bool alone)
{
    m_queue.push_back({bytes, alone});
    if (!m_pump.isActive())
        m_pump.start(0);
}

bool TPseudoTerminal::ProgramHasReadAll() const
{
    // Bytes written reach the other end's queue a moment later: give them that moment.
    if (m_sinceWrite.elapsed() < 3)
        return false;
    int waiting = 0;
    return ::ioctl(m_slave, FIONREAD, &waiting) == 0 && waiting == 0;
}

void TPseudoTerminal::Pump()
{
    while (!m_queue.empty()) {
        Chunk &chunk = m_queue.front();
        if (chunk.alone && !ProgramHasReadAll()) {
            m_pump.start(2);
            return;
        }
        const ssize_t n = ::write(m_master, chunk.bytes.constData(), size_t(chunk.bytes.size()));
        if (n < 0) {
            m_pump.start(2);
            return;
        }
        m_sinceWrite.restart();
        chunk.bytes.remove(0, n);
        if (!chunk.bytes.isEmpty()) {
            m_pump.start(2);
            return;
        }
        m_queue.pop_front();
    }
}

void TPseudoTerminal::ReadMaster()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        emit Arrived(QByteArray(buffer, n));
    }
}
