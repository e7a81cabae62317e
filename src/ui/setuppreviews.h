#pragma once

#include <QWidget>

// Previews of the settings dialog. They hold the colours being edited (0x00BBGGRR) until the
// dialog is confirmed.

// A white square with the target black and one shot hole.
class TSchussbildVorschau : public QWidget
{
    Q_OBJECT

public:
    explicit TSchussbildVorschau(QWidget *parent = nullptr);

    qint32 Spiegel() const { return m_spiegel; }
    void SetSpiegel(qint32 farbe);
    qint32 Schuss() const { return m_schuss; }
    void SetSchuss(qint32 farbe);

    QRect SpiegelRect() const;
    QRect SchussRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint32 m_spiegel = 0;
    qint32 m_schuss = 0;
};

// Four diagram bars: three ordinary ones and a tenth-shot bar with its sample value above it.
class TDiagrammVorschau : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BalkenAnzahl = 4;
    static constexpr int ZehnerBalken = 3; // index of the tenth-shot bar

    explicit TDiagrammVorschau(QWidget *parent = nullptr);

    qint32 Balken() const { return m_balken; }
    void SetBalken(qint32 farbe);
    qint32 Balken10() const { return m_balken10; }
    void SetBalken10(qint32 farbe);
    bool WertSichtbar() const { return m_wertSichtbar; }
    void SetWertSichtbar(bool sichtbar);
    // "10,5" with the locale's decimal separator.
    static QString Beispielwert();

    QRect BalkenRect(int index) const;
    QRect WertRect() const;

signals:
    void BalkenGeklickt(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    qint32 m_balken = 0;
    qint32 m_balken10 = 0;
    bool m_wertSichtbar = true;
};
