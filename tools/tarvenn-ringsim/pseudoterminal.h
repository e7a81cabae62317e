#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>

// The machine's end of a pseudo-terminal. The program opens the other end as its serial port.
// The simulator keeps that end open itself, so the line survives the program closing and
// reopening its port, as a real cable does.
class TPseudoTerminal : public QObject
{
    Q_OBJECT
public:
    explicit TPseudoTerminal(QObject *parent = nullptr);
    ~TPseudoTerminal() override;

    // False with `error` set when no pseudo-terminal can be had.
    bool Open(QString &error);
    QString DevicePath() const { return m_path; }
    // The bit rate the program set on its end.
    int Baudrate() const;

    // Queues bytes for the line. A chunk marked `alone` goes out only when the program has
    // read everything before it, so the two reach it as separate receive events.
    void Send(const QByteArray &bytes, bool alone = false);

signals:
    void Arrived(const QByteArray &bytes);

private:
    struct Chunk
    {
        QByteArray bytes;
        bool alone;
    };
    void ReadMaster();
    void Pump();
    bool ProgramHasReadAll() const;

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::deque<Chunk> m_queue;
    QTimer m_pump;
    QElapsedTimer m_sinceWrite;
};
