#include "base/scripteddialogs.h"
#include "print/schussbild10.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(TypeScheiben)

// The printed strip of one series: where its shots and average mark land, its colours, its
// labels on a real PDF page, and how storing shots widens its range.
class TestSchussbild10 : public QObject
{
    Q_OBJECT

private slots:
    void twoShotsPerTargetAndAllOnTheLast();
    void missingShotsLeaveTheirTargetEmpty();
    void zoomFourShowsRingsTenToSeven();
    void blackAreaAndCalibreFromTheType();
    void labelsOnThePage_data();
    void labelsOnThePage();
    void storingWidensTheRange();
    void shotNumberOutOfRange();
    void screenShowsRangeOnFirstTarget();
};

namespace {

// On 1240 x 200 pixels the unit is 100: targets at x = 100, 300, .. 900 and 1140, centre line
// y = 100; zoom 5 on air rifle gives 195 / 10.25 / 2 = 9.51 pixels per mm, a hole radius of 21.
const QRect Streifen(0, 0, 1240, 200);
const int Mitte[] = {0, 100, 300, 500, 700, 900, 1140};

const QRgb Rot = qRgb(255, 0, 0);
const QRgb Schwarz = qRgb(0, 0, 0);
const QRgb Weiss = qRgb(255, 255, 255);
const QRgb Grau = qRgb(160, 160, 164);

QImage Druck(const TQRschussbild10 &bild, const QRect &rechteck = Streifen)
{
    QImage image(rechteck.size(), QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter p(&image);
    bild.Drucken(p, rechteck);
    return image;
}

QString Farbe(QRgb c)
{
    c |= 0xFF000000u;
    return QString("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

#define QCOMPARE_RGB(actual, expected) QCOMPARE(Farbe(actual), Farbe(expected))

QPoint Diagonal(int scheibe, double pixel)
{
    const int d = int(std::lround(pixel / std::sqrt(2.0)));
    return QPoint(Mitte[scheibe] + d, 100 + d);
}

TQRschussbild10 Grauer()
{
    TQRschussbild10 bild;
    bild.SetColorspiegel(QColor(Grau));
    return bild;
}

} // namespace

void TestSchussbild10::twoShotsPerTargetAndAllOnTheLast()
{
    // Odd shots 5 mm right, even shots 5 mm left: 47.6 pixels.
    TQRschussbild10 bild = Grauer();
    for (int k = 1; k <= 10; ++k)
        bild.SetSchuss(k, {500, k % 2 ? 90.0f : 270.0f, 9, SchussVorhanden});
    const QImage image = Druck(bild);
    for (int scheibe = 1; scheibe <= 6; ++scheibe) {
        QCOMPARE_RGB(image.pixel(Mitte[scheibe] + 47, 100 + 10), Rot);
        QCOMPARE_RGB(image.pixel(Mitte[scheibe] - 47, 100 + 10), Rot);
        QCOMPARE_RGB(image.pixel(Mitte[scheibe], 100 + 30), Grau);
    }
    // The average of all ten is the centre of target 6: a black cross outlined in white.
    QCOMPARE_RGB(image.pixel(1140, 100), Schwarz);
    QCOMPARE_RGB(image.pixel(1150, 100), Schwarz);
    QCOMPARE_RGB(image.pixel(1150, 97), Weiss);
    QCOMPARE_RGB(image.pixel(1150, 102), Weiss);
    QCOMPARE_RGB(image.pixel(1150, 104), Grau);
    QCOMPARE_RGB(image.pixel(1140, 85), Schwarz);
    QCOMPARE_RGB(image.pixel(300, 100), Grau);
}

void TestSchussbild10::missingShotsLeaveTheirTargetEmpty()
{
    // Shot k at k mm to the right: without 3 and 4 the average is 6 mm; counting the empty
    // slots would give 4.8 mm.
    TQRschussbild10 bild = Grauer();
    for (int k = 1; k <= 10; ++k) {
        if (k != 3 && k != 4)
            bild.SetSchuss(k, {100.0f * k, 90, 9, 0x85});
    }
    const QImage image = Druck(bild);
    QCOMPARE_RGB(image.pixel(300 + 29, 100), Grau);
    QCOMPARE_RGB(image.pixel(300 + 38, 100), Grau);
    QCOMPARE_RGB(image.pixel(500 + 48, 100), Rot);
    // The cross's vertical arm stands at 1140 + 57 over the holes.
    QCOMPARE_RGB(image.pixel(1140 + 57, 85), Schwarz);
    QVERIFY(Farbe(image.pixel(1140 + 46, 85)) != Farbe(Schwarz));
}

void TestSchussbild10::zoomFourShowsRingsTenToSeven()
{
    // The sheet's colours: gray aiming area, black holes. Zoom 4: 195 / 7.75 / 2 pixels per mm.
    TQRschussbild10 bild = Grauer();
    bild.SetScheibentype(Sch_LGES);
    bild.SetColorschuss(Qt::black);
    bild.SetZoom(4);
    const double massstab = 195 / 7.75 / 2;
    const QImage image = Druck(bild);
    const QPoint siebener = Diagonal(1, 6.5 * massstab);
    const QPoint aussen = Diagonal(1, 8.5 * massstab);
    QCOMPARE_RGB(image.pixel(siebener), Grau);
    QCOMPARE_RGB(image.pixel(aussen), qRgb(0, 0, 255));
}

void TestSchussbild10::blackAreaAndCalibreFromTheType()
{
    TQRschussbild10 bild = Grauer();
    bild.SetScheibentype(Sch_GK10);
    QCOMPARE(bild.Kaliber(), double(Kaliberwerte[0]));
    bild.SetKaliberindex(15);
    QCOMPARE(bild.Kaliber(), double(Kaliberwerte[15]));
    bild.SetScheibentype(Sch_LP);
    QCOMPARE(bild.Kaliber(), 4.5);

    // Air pistol rapid fire is black from the 8 on: the 9 gray, the 7 white. Zoom 5 is
    // 195 / 64 / 2 pixels per mm.
    bild.SetScheibentype(SCH_LPSF);
    const double massstab = 195.0 / 64 / 2;
    const QImage image = Druck(bild);
    QCOMPARE_RGB(image.pixel(Diagonal(3, 17.6 * massstab)), Grau);
    QCOMPARE_RGB(image.pixel(Diagonal(3, 44.1 * massstab)), Weiss);
}

void TestSchussbild10::labelsOnThePage_data()
{
    QTest::addColumn<TypeScheiben>("typ");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("ziffern");
    QTest::newRow("LG zoom 4") << Sch_LGES << 4 << "78";
    QTest::newRow("KK 50m without the 3") << Sch_KK50 << 9 << "245678";
    QTest::newRow("100m 10 Kreise") << Sch_GK10 << 5 << "6789";
    QTest::newRow("100m 5 Kreise") << Sch_GK5 << 5 << "1234";
    QTest::newRow("Schnellfeuer") << Sch_SchFe << 5 << "";
    QTest::newRow("LP Schnellfeuer") << SCH_LPSF << 5 << "";
}

void TestSchussbild10::labelsOnThePage()
{
    QFETCH(TypeScheiben, typ);
    QFETCH(int, zoom);
    QFETCH(QString, ziffern);
    TQRschussbild10 bild = Grauer();
    bild.SetScheibentype(typ);
    bild.SetZoom(zoom);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("streifen.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(600);
        QPainter p(&writer);
        bild.Drucken(p, QRect(200, 200, 4000, 400));
    }
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QSet<QChar> gefunden;
    for (QChar c : text) {
        if (!c.isSpace())
            gefunden.insert(c);
    }
    QCOMPARE(gefunden, QSet<QChar>(ziffern.begin(), ziffern.end()));
}

void TestSchussbild10::storingWidensTheRange()
{
    TQRschussbild10 bild;
    bild.SetSchuss(1, {100, 0, 10, 1});
    QCOMPARE(QPoint(bild.von_Schussnr(), bild.Bis_Schussnr()), QPoint(1, 1));
    for (int k = 2; k <= 10; ++k)
        bild.SetSchuss(k, {100, 0, 10, 1});
    QCOMPARE(QPoint(bild.von_Schussnr(), bild.Bis_Schussnr()), QPoint(1, 10));

    bild.SchussNrBereich(7, 9);
    bild.SetSchuss(5, {100, 0, 10, 1}); // unchanged shot: the range still widens
    QCOMPARE(QPoint(bild.von_Schussnr(), bild.Bis_Schussnr()), QPoint(5, 9));

    // Same Teiler, angle and status: the new ring is not taken.
    bild.SetSchuss(5, {100, 0, 9, 1});
    TYSchuss schuss;
    bild.GetSchuss(5, schuss);
    QCOMPARE(schuss.Ring, 10.0f);
    // No radius limit on the strip.
    bild.SetSchuss(6, {50000, 0, 0, 1});
    bild.GetSchuss(6, schuss);
    QCOMPARE(schuss.Teiler, 50000.0f);
}

void TestSchussbild10::shotNumberOutOfRange()
{
    TScriptedDialogs dialogs;
    TUserDialogsScope scope(dialogs);
    TQRschussbild10 bild;
    bild.SetSchuss(121, {100, 0, 10, 1});
    bild.SetSchuss(0, {100, 0, 10, 1});
    QCOMPARE(dialogs.Events().size(), 2);
    for (const auto &e : dialogs.Events()) {
        QCOMPARE(e.message.text, QString("Schußnummer außerhalb von 1..120"));
        QCOMPARE(e.message.caption, QString("Error"));
        QCOMPARE(e.message.icon, TMsgIcon::Error);
    }
    QCOMPARE(QPoint(bild.von_Schussnr(), bild.Bis_Schussnr()), QPoint(0, 0));
}

void TestSchussbild10::screenShowsRangeOnFirstTarget()
{
    TQRschussbild10 bild = Grauer();
    for (int k = 1; k <= 3; ++k)
        bild.SetSchuss(k, {500, 90, 9, 1});
    QImage image(Streifen.size(), QImage::Format_RGB32);
    {
        QPainter p(&image);
        bild.Bildschirmzeichnen(p, image.size());
    }
    QCOMPARE_RGB(image.pixel(100 + 47, 100 + 10), Rot);
    QCOMPARE_RGB(image.pixel(300 + 47, 100 + 10), Grau);

    // A single shot is no range to show.
    bild.SchussNrBereich(2, 2);
    {
        QPainter p(&image);
        bild.Bildschirmzeichnen(p, image.size());
    }
    QCOMPARE_RGB(image.pixel(100 + 47, 100 + 10), Grau);
}

QTEST_MAIN(TestSchussbild10)
#include "tst_schussbild10.moc"
