#pragma once

#include <QFrame>
#include <QList>

class QLabel;

// A status bar of fixed-width text panels; a click anywhere on it is reported.
class TStatusPanels : public QFrame
{
    Q_OBJECT

public:
    // `centred`: panels 0 .. centred-1 show their text centred.
    TStatusPanels(const QList<int> &widths, int centred, QWidget *parent = nullptr);

    int Count() const { return int(m_panels.size()); }
    QString Text(int panel) const;
    void SetText(int panel, const QString &text);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QList<QLabel *> m_panels;
};
