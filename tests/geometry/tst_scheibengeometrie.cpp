#include "geometry/scheibengeometrie.h"

#include <QTest>

// Pixels of a target picture against Teiler and angle, the hole under the pointer and the
// average point.
class TestScheibengeometrie : public QObject
{
    Q_OBJECT

private slots:
    void centreAndScale();
    void scaleFollowsShorterSide();
    void shotToPixel_data();
    void shotToPixel();
    void pixelRoundsHalvesToEven();
    void pixelToTeiler();
    void pixelToAngle_data();
    void pixelToAngle();
    void holeSearch_data();
    void holeSearch();
    void averagePoint();
    void averageCountsOnlyUnmarkedShotsOfRange();
};

namespace {

// The example picture: air rifle, zoom 7, 480 x 300 pixels.
TScheibengeometrie Beispiel()
{
    TScheibengeometrie g;
    g.Zoom = 7;
    Ausrichten(g, 480, 300);
    return g;
}

// 10 pixels per mm around (100, 100): a 4.5 mm hole has a radius of 22.5 pixels.
TScheibengeometrie Zehnfach()
{
    TScheibengeometrie g;
    g.Mx = 100;
    g.My = 100;
    g.Massstab = 10;
    g.Lochradius = 22.5;
    return g;
}

TYSchuss Schuss(float teiler, float winkel, quint8 status = SchussVorhanden)
{
    return {teiler, winkel, 9.0f, status};
}

} // namespace

void TestScheibengeometrie::centreAndScale()
{
    const TScheibengeometrie g = Beispiel();
    QCOMPARE(g.Mx, 240);
    QCOMPARE(g.My, 150);
    QCOMPARE(g.Massstab, 295.0 / 19.75 / 2);
    QCOMPARE(getlochradiusPix(g), 17); // 2.25 mm * 7.468
}

void TestScheibengeometrie::scaleFollowsShorterSide()
{
    TScheibengeometrie g;
    g.Zoom = 7;
    Ausrichten(g, 300, 480);
    QCOMPARE(g.Massstab, 295.0 / 19.75 / 2);
}

void TestScheibengeometrie::shotToPixel_data()
{
    QTest::addColumn<float>("winkel");
    QTest::addColumn<QPoint>("pixel");
    // 10 mm at 7.468 pixels per mm is 74.68, rounded 75.
    QTest::newRow("up") << 0.0f << QPoint(240, 75);
    QTest::newRow("right") << 90.0f << QPoint(315, 150);
    QTest::newRow("down") << 180.0f << QPoint(240, 225);
    QTest::newRow("left") << 270.0f << QPoint(165, 150);
    QTest::newRow("up right") << 45.0f << QPoint(293, 97);
}

void TestScheibengeometrie::shotToPixel()
{
    QFETCH(float, winkel);
    QFETCH(QPoint, pixel);
    QCOMPARE(Schusspostion(Beispiel(), Schuss(1000, winkel)), pixel);
}

void TestScheibengeometrie::pixelRoundsHalvesToEven()
{
    const TScheibengeometrie g = Zehnfach();
    QCOMPARE(Schusspostion(g, Schuss(25, 0)), QPoint(100, 98)); // -2.5 -> -2
    QCOMPARE(Schusspostion(g, Schuss(35, 0)), QPoint(100, 96)); // -3.5 -> -4
    QCOMPARE(Schussmitte(g, Schuss(25, 0)).y(), 97.5);
}

void TestScheibengeometrie::pixelToTeiler()
{
    const TScheibengeometrie g = Beispiel();
    QCOMPARE(XYPixToTeiler(g, 240, 150), 0.0f);
    QCOMPARE(XYPixToTeiler(g, 315, 150), float(75 / (295.0 / 19.75 / 2) * 100));
    QCOMPARE(XYPixToTeiler(g, 270, 110), float(50 / (295.0 / 19.75 / 2) * 100));
    QCOMPARE(XYPixToTeiler(Zehnfach(), 130, 140), 500.0f);
}

void TestScheibengeometrie::pixelToAngle_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<float>("winkel");
    QTest::newRow("up") << 0 << -10 << 0.0f;
    QTest::newRow("right") << 10 << 0 << 90.0f;
    QTest::newRow("down") << 0 << 10 << 180.0f;
    QTest::newRow("left") << -10 << 0 << 270.0f;
    QTest::newRow("up right") << 10 << -10 << 45.0f;
    QTest::newRow("down right") << 10 << 10 << 135.0f;
    QTest::newRow("down left") << -10 << 10 << 225.0f;
    QTest::newRow("up left") << -10 << -10 << 315.0f;
    QTest::newRow("centre") << 0 << 0 << 90.0f;
}

void TestScheibengeometrie::pixelToAngle()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(float, winkel);
    const TScheibengeometrie g = Beispiel();
    QCOMPARE(xyPixToWinkel(g, g.Mx + dx, g.My + dy), winkel);
}

void TestScheibengeometrie::holeSearch_data()
{
    QTest::addColumn<QPoint>("zeiger");
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QPoint>("danach");
    // Shot 3 at (90, 100) and shot 7 at (110, 100), both to be confirmed; shot 5 at (100, 60)
    // present but not marked; shot 9 at (100, 140) marked but not present.
    QTest::newRow("equal distance: lower number") << QPoint(100, 100) << 3 << QPoint(90, 100);
    QTest::newRow("nearer hole") << QPoint(105, 101) << 7 << QPoint(110, 100);
    QTest::newRow("22 pixels: inside the hole") << QPoint(132, 100) << 7 << QPoint(110, 100);
    QTest::newRow("23 pixels: outside") << QPoint(133, 100) << 0 << QPoint(133, 100);
    QTest::newRow("unmarked shot is not picked") << QPoint(100, 60) << 0 << QPoint(100, 60);
    QTest::newRow("absent shot is not picked") << QPoint(100, 140) << 0 << QPoint(100, 140);
}

void TestScheibengeometrie::holeSearch()
{
    QFETCH(QPoint, zeiger);
    QFETCH(int, nummer);
    QFETCH(QPoint, danach);
    TSchussArray schuesse;
    const quint8 waehlbar = SchussVorhanden | SchussBestaetigen;
    schuesse[3] = Schuss(100, 270, waehlbar);
    schuesse[5] = Schuss(400, 0, SchussVorhanden);
    schuesse[7] = Schuss(100, 90, waehlbar);
    schuesse[9] = Schuss(400, 180, SchussBestaetigen);
    int x = zeiger.x();
    int y = zeiger.y();
    QCOMPARE(sucheloch(Zehnfach(), schuesse, x, y), nummer);
    QCOMPARE(QPoint(x, y), danach);
}

void TestScheibengeometrie::averagePoint()
{
    TSchussArray schuesse;
    schuesse[1] = Schuss(200, 90);
    schuesse[2] = Schuss(100, 0);
    const auto punkt = Durchschnittspunkt(Zehnfach(), schuesse, 1, 2);
    QVERIFY(punkt);
    QCOMPARE(*punkt, QPointF(110, 95));
}

void TestScheibengeometrie::averageCountsOnlyUnmarkedShotsOfRange()
{
    const TScheibengeometrie g = Zehnfach();
    TSchussArray schuesse;
    schuesse[1] = Schuss(200, 90);
    int n = 2;
    for (quint8 status : {0x00, 0x03, 0x05, 0x15, 0x35, 0x80, 0x81, 0x85})
        schuesse[n++] = Schuss(900, 270, status);
    schuesse[20] = Schuss(900, 270);
    QCOMPARE(Durchschnittspunkt(g, schuesse, 1, 19), std::optional<QPointF>(QPointF(120, 100)));
    QCOMPARE(Durchschnittspunkt(g, schuesse, 2, 19), std::nullopt);
    QCOMPARE(Durchschnittspunkt(g, schuesse, 0, 19), std::nullopt);
    QCOMPARE(Durchschnittspunkt(g, schuesse, 1, 500), std::optional<QPointF>(QPointF(65, 100)));
}

QTEST_GUILESS_MAIN(TestScheibengeometrie)
#include "tst_scheibengeometrie.moc"
