#include "base/scripteddialogs.h"
#include "ui/scheibe.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(TypeScheiben)

// The picture of the target control, checked at the pixels that carry meaning.
class TestScheibenbild : public QObject
{
    Q_OBJECT

private slots:
    void ringLinesAtTheirRadius();
    void blackAreaFollowsType_data();
    void blackAreaFollowsType();
    void shotColourByMarkAndRing_data();
    void shotColourByMarkAndRing();
    void averageCrosshairOfUnmarkedShots();
    void noShotsWithoutRange();
    void storedShotOutsideRangeShowsUntilFullDrawing();
    void highDpiDrawsInLogicalPixels();
    void repaintAfterResize();
};

namespace {

const QRgb Silber = qRgb(192, 192, 192);
const QRgb Schwarz = qRgb(0, 0, 0);
const QRgb Weiss = qRgb(255, 255, 255);
const QRgb Gruen = qRgb(0, 255, 0);

QImage Bild(const TScheibe &s, QSize groesse, qreal dpr = 1)
{
    QImage bild(groesse * dpr, QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::blue); // anything not painted shows
    QPainter p(&bild);
    s.Zeichnen(p, groesse);
    return bild;
}

QRgb Pixel(const QImage &bild, int x, int y)
{
    return bild.pixel(x, y) | 0xFF000000u;
}

QString Farbe(QRgb c)
{
    return QString("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// On the diagonal down right of the centre, where no label is written.
QPoint Diagonal(QPoint mitte, double radius)
{
    const int d = int(std::lround(radius / std::sqrt(2.0)));
    return mitte + QPoint(d, d);
}

#define QCOMPARE_RGB(actual, expected) QCOMPARE(Farbe(actual), Farbe(expected))

} // namespace

void TestScheibenbild::ringLinesAtTheirRadius()
{
    // Zoom 11 on 500 x 500: 495 / (25.25 + 4.5) / 2 = 8.319 pixels per mm.
    TScheibe s;
    s.SetZoom(11);
    const QImage bild = Bild(s, QSize(500, 500));
    // Line 10 (22.75 mm, radius 189) bounds the silver 1 against the white margin.
    QCOMPARE_RGB(Pixel(bild, 250 + 186, 250), Silber);
    QCOMPARE_RGB(Pixel(bild, 250 + 189, 250), Schwarz);
    QCOMPARE_RGB(Pixel(bild, 250 + 192, 250), Weiss);
    // Line 6 (12.75 mm, radius 106) is silver inside the black.
    QCOMPARE_RGB(Pixel(bild, 250 + 103, 250), Schwarz);
    QCOMPARE_RGB(Pixel(bild, 250 + 106, 250), Silber);
    QCOMPARE_RGB(Pixel(bild, 250 + 109, 250), Schwarz);
}

void TestScheibenbild::blackAreaFollowsType_data()
{
    QTest::addColumn<TypeScheiben>("typ");
    QTest::addColumn<double>("massstab"); // at the widest zoom on 600 x 600 pixels
    QTest::addColumn<double>("mm");
    QTest::addColumn<QRgb>("farbe");
    const double lg = 595 / (25.25 + 4.5) / 2;
    const double lp = 595 / (85.75 + 4.5) / 2;
    const double kk = 595 / (85.2 + 5.6) / 2;
    const double gk5 = 595 / (150 + 4.5) / 2; // the calibre of the air rifle before
    // Air rifle: the 4 (12.75 .. 15.25 mm) is black, the 3 beyond it silver.
    QTest::newRow("LG ring 4") << Sch_LG10 << lg << 14.0 << Schwarz;
    QTest::newRow("LG ring 3") << Sch_LG10 << lg << 16.5 << Silber;
    QTest::newRow("LP ring 7") << Sch_LP << lp << 25.75 << Schwarz;
    QTest::newRow("LP ring 6") << Sch_LP << lp << 33.75 << Silber;
    // Sch_KK50's black ends 3 mm outside line 7 (53.2 mm), inside the band of the 3.
    QTest::newRow("KK black edge inside") << Sch_KK50 << kk << 54.7 << Schwarz;
    QTest::newRow("KK black edge outside") << Sch_KK50 << kk << 58.7 << Silber;
    // Inverted: the scoring centre is white, the outer bands black.
    QTest::newRow("GK5 band 1") << Sch_GK5 << gk5 << 18.0 << Weiss;
    QTest::newRow("GK5 band 4") << Sch_GK5 << gk5 << 88.0 << Schwarz;
}

void TestScheibenbild::blackAreaFollowsType()
{
    QFETCH(TypeScheiben, typ);
    QFETCH(double, massstab);
    QFETCH(double, mm);
    QFETCH(QRgb, farbe);
    TScheibe s;
    s.SetScheibentype(typ);
    s.SetZoom(12);
    const QPoint p = Diagonal(QPoint(300, 300), mm * massstab);
    QCOMPARE_RGB(Pixel(Bild(s, QSize(600, 600)), p.x(), p.y()), farbe);
}

void TestScheibenbild::shotColourByMarkAndRing_data()
{
    QTest::addColumn<quint8>("status");
    QTest::addColumn<float>("ring");
    QTest::addColumn<QRgb>("farbe");
    QTest::newRow("10 unmarked") << quint8(0x01) << 10.0f << qRgb(128, 0, 0);
    QTest::newRow("9.9 unmarked") << quint8(0x01) << 9.9f << qRgb(126, 89, 1);
    QTest::newRow("10 to confirm") << quint8(0x05) << 10.3f << qRgb(255, 0, 0);
    QTest::newRow("9 marked") << quint8(0x03) << 9.0f << qRgb(253, 188, 36);
    QTest::newRow("by hand") << quint8(0x81) << 10.0f << qRgb(128, 0, 0);
    QTest::newRow("by hand, not present") << quint8(0x80) << 8.0f << qRgb(126, 89, 1);
    QTest::newRow("corrected") << quint8(0x85) << 9.0f << qRgb(253, 188, 36);
    QTest::newRow("0x15") << quint8(0x15) << 10.0f << qRgb(255, 0, 0);
    QTest::newRow("absent") << quint8(0x00) << 10.0f << Silber;
}

void TestScheibenbild::shotColourByMarkAndRing()
{
    QFETCH(quint8, status);
    QFETCH(float, ring);
    QFETCH(QRgb, farbe);
    TScheibe s;
    s.SchussNrBereich(1, 1);
    TSchussArray schuesse;
    schuesse[1] = {1650, 90, ring, status}; // in the silver 3
    s.ArraySetzen(schuesse);
    s.SetZoom(11);
    const QImage bild = Bild(s, QSize(500, 500));
    // 16.5 mm at 8.319 pixels per mm, off the crosshair of an unmarked shot
    QCOMPARE_RGB(Pixel(bild, 250 + 137 + 6, 250 + 6), farbe);
}

void TestScheibenbild::averageCrosshairOfUnmarkedShots()
{
    TScheibe s;
    s.SetZoom(11);
    TSchussArray schuesse;
    schuesse[2] = {1600, 0, 3.4f, 0x01};
    schuesse[3] = {1600, 180, 3.4f, 0x01};
    schuesse[4] = {2000, 90, 1.0f, 0x81}; // by hand: not counted
    schuesse[5] = {2000, 90, 1.0f, 0x05}; // to confirm: not counted
    s.ArraySetzen(schuesse);
    s.SchussNrBereich(2, 5);
    const QImage bild = Bild(s, QSize(500, 500));
    // The crosshair of one hole radius (18.7 pixels) around the centre.
    QCOMPARE_RGB(Pixel(bild, 250, 250 - 10), Gruen);
    QCOMPARE_RGB(Pixel(bild, 250 + 10, 250), Gruen);
    QCOMPARE_RGB(Pixel(bild, 250 + 19, 250), Gruen);
    QCOMPARE_RGB(Pixel(bild, 250, 250 + 19), Gruen);

    s.Setvon_Schussnr(4);
    QCOMPARE_RGB(Pixel(Bild(s, QSize(500, 500)), 250 + 10, 250), Schwarz);
}

void TestScheibenbild::noShotsWithoutRange()
{
    TScheibe s;
    TSchussArray schuesse;
    schuesse[1] = {100, 90, 10.6f, 0x01};
    s.ArraySetzen(schuesse);
    s.SchussNrBereich(0, 120);
    const QImage bild = Bild(s, QSize(500, 500));
    // Zoom 5: 495 / (10.25 + 4.5) / 2 = 16.78 pixels per mm; the shot would be a maroon hole
    // 1 mm right of the centre, the crosshair on it.
    QCOMPARE_RGB(Pixel(bild, 250 + 17, 250), Schwarz);
    QCOMPARE_RGB(Pixel(bild, 250 + 17, 250 - 10), Schwarz);
}

void TestScheibenbild::storedShotOutsideRangeShowsUntilFullDrawing()
{
    TScheibe s;
    s.SchussNrBereich(1, 1);
    s.SetSchuss(5, {1000, 90, 5.0f, 0x01});
    QCOMPARE(s.Zoom(), 7);
    // Zoom 7: 495 / (15.25 + 4.5) / 2 = 12.53 pixels per mm; the shot 10 mm to the right.
    QCOMPARE_RGB(Pixel(Bild(s, QSize(500, 500)), 250 + 125, 250), qRgb(126, 89, 1));
    s.Paint();
    QCOMPARE_RGB(Pixel(Bild(s, QSize(500, 500)), 250 + 125, 250), Schwarz);
}

void TestScheibenbild::highDpiDrawsInLogicalPixels()
{
    TScheibe s;
    s.SetZoom(11);
    const QImage bild = Bild(s, QSize(500, 500), 2);
    QCOMPARE(bild.width(), 1000);
    // Line 10 at 189 logical pixels, two device pixels wide.
    QCOMPARE_RGB(Pixel(bild, 2 * (250 + 186), 500), Silber);
    QCOMPARE_RGB(Pixel(bild, 2 * (250 + 189), 500), Schwarz);
    QCOMPARE_RGB(Pixel(bild, 2 * (250 + 192), 500), Weiss);
}

void TestScheibenbild::repaintAfterResize()
{
    TScheibe s;
    s.SetZoom(11);
    s.resize(300, 300);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.resize(500, 500);
    const QImage bild = s.grab().toImage();
    QCOMPARE(bild.size(), QSize(500, 500));
    QCOMPARE_RGB(Pixel(bild, 250 + 189, 250), Schwarz);
    QCOMPARE_RGB(Pixel(bild, 250 + 192, 250), Weiss);
}

QTEST_MAIN(TestScheibenbild)
#include "tst_scheibenbild.moc"
