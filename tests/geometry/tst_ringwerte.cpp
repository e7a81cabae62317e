#include "base/scripteddialogs.h"
#include "geometry/ringwerte.h"

#include <QTest>

Q_DECLARE_METATYPE(TypeScheiben)

// Ring values of a Teiler. The expected tenths are exact floats: 10.8 at Teiler 25 comes from
// holding 10.9 in single precision before it is cut, so a fuzzy compare would hide the fault.
class TestRingwerte : public QObject
{
    Q_OBJECT

private slots:
    void ganzeRinge_data();
    void ganzeRinge();
    void zehntelRinge_data();
    void zehntelRinge();
    void teilerOfRingValue();
    void teilerRoundTrip_data();
    void teilerRoundTrip();
    void radiusLimit();
};

namespace {

struct TTyp
{
    TScheibenmasse masse;
    double kaliber;
};

TTyp Typ(TypeScheiben typ, double kaliber)
{
    return {GetScheibenmasse(typ), kaliber};
}

void AddRingColumns()
{
    QTest::addColumn<TypeScheiben>("typ");
    QTest::addColumn<double>("kaliber");
    QTest::addColumn<bool>("centreMode");
    QTest::addColumn<float>("teiler");
}

} // namespace

void TestRingwerte::ganzeRinge_data()
{
    AddRingColumns();
    QTest::addColumn<int>("ringe");
    const bool touch = false;
    const bool centre = true;
    QTest::newRow("LG centre") << Sch_LG10 << 4.5 << touch << 0.0f << 10;
    QTest::newRow("LG 249.99") << Sch_LG10 << 4.5 << touch << 249.99f << 10;
    QTest::newRow("LG on the limit of the 10") << Sch_LG10 << 4.5 << touch << 250.0f << 9;
    QTest::newRow("LG 2499.99") << Sch_LG10 << 4.5 << touch << 2499.99f << 1;
    QTest::newRow("LG on the limit of the 1") << Sch_LG10 << 4.5 << touch << 2500.0f << 0;
    QTest::newRow("LG outside") << Sch_LG10 << 4.5 << touch << 5000.0f << 0;
    QTest::newRow("LG centre mode 24.99") << Sch_LG10 << 4.5 << centre << 24.99f << 10;
    QTest::newRow("LG centre mode on line 1") << Sch_LG10 << 4.5 << centre << 25.0f << 9;
    QTest::newRow("LP 2.5 mm out") << Sch_LP << 4.5 << touch << 799.99f << 10;
    QTest::newRow("LP 8 mm out") << Sch_LP << 4.5 << touch << 800.0f << 9;
    // Five rings, yet scored like ten: band 1 is the 10, the zone up to line 6 the 5.
    QTest::newRow("GK5 band 1") << Sch_GK5 << 8.0 << touch << 2899.0f << 10;
    QTest::newRow("GK5 band 5") << Sch_GK5 << 8.0 << touch << 12899.0f << 6;
    QTest::newRow("GK5 up to line 6") << Sch_GK5 << 8.0 << touch << 15399.0f << 5;
    QTest::newRow("GK5 beyond line 6") << Sch_GK5 << 8.0 << touch << 15400.0f << 0;
    QTest::newRow("GK5 centre mode line 6") << Sch_GK5 << 8.0 << centre << 14999.0f << 5;
    QTest::newRow("GK5 centre mode beyond") << Sch_GK5 << 8.0 << centre << 15000.0f << 0;
}

void TestRingwerte::ganzeRinge()
{
    QFETCH(TypeScheiben, typ);
    QFETCH(double, kaliber);
    QFETCH(bool, centreMode);
    QFETCH(float, teiler);
    QFETCH(int, ringe);
    const TTyp t = Typ(typ, kaliber);
    QCOMPARE(GetGanzeringe(t.masse, t.kaliber, centreMode, teiler), ringe);
}

void TestRingwerte::zehntelRinge_data()
{
    AddRingColumns();
    QTest::addColumn<float>("zehntel");
    const bool touch = false;
    const bool centre = true;
    // The dead centre would give 11.0 and is capped at the highest tenth; so is a Teiler too
    // small to move 11 in single precision.
    QTest::newRow("dead centre") << Sch_LG10 << 4.5 << touch << 0.0f << 10.9f;
    QTest::newRow("almost dead centre") << Sch_LG10 << 4.5 << touch << 0.00001f << 10.9f;
    QTest::newRow("10") << Sch_LG10 << 4.5 << touch << 10.0f << 10.9f;
    QTest::newRow("24.99") << Sch_LG10 << 4.5 << touch << 24.99f << 10.9f;
    QTest::newRow("25") << Sch_LG10 << 4.5 << touch << 25.0f << 10.8f;
    QTest::newRow("100") << Sch_LG10 << 4.5 << touch << 100.0f << 10.6f;
    QTest::newRow("on the limit of the 10") << Sch_LG10 << 4.5 << touch << 250.0f << 10.0f;
    QTest::newRow("900") << Sch_LG10 << 4.5 << touch << 900.0f << 7.4f;
    QTest::newRow("2499.99") << Sch_LG10 << 4.5 << touch << 2499.99f << 1.0f;
    QTest::newRow("2500") << Sch_LG10 << 4.5 << touch << 2500.0f << 0.0f;
    QTest::newRow("far outside") << Sch_LG10 << 4.5 << touch << 5000.0f << 0.0f;
    QTest::newRow("centre mode d 0") << Sch_LG10 << 4.5 << centre << 0.0f << 10.1f;
    QTest::newRow("centre mode d 0.25") << Sch_LG10 << 4.5 << centre << 25.0f << 10.0f;
    QTest::newRow("centre mode d 2.75") << Sch_LG10 << 4.5 << centre << 275.0f << 9.0f;
    // -1.9 held as single is -1.8999999..., cut to -1.8.
    QTest::newRow("centre mode outside") << Sch_LG10 << 4.5 << centre << 3000.0f << -1.8f;
    QTest::newRow("LP 100") << Sch_LP << 4.5 << touch << 100.0f << 10.8f;
    QTest::newRow("ZS 700") << Sch_ZS << 4.65 << touch << 700.0f << 9.4f;
    QTest::newRow("GK5 band 1") << Sch_GK5 << 8.0 << touch << 1450.0f << 10.5f;
    QTest::newRow("GK5 up to line 6") << Sch_GK5 << 8.0 << touch << 14150.0f << 5.5f;
    QTest::newRow("GK5 beyond line 6") << Sch_GK5 << 8.0 << touch << 15400.0f << 0.0f;
}

void TestRingwerte::zehntelRinge()
{
    QFETCH(TypeScheiben, typ);
    QFETCH(double, kaliber);
    QFETCH(bool, centreMode);
    QFETCH(float, teiler);
    QFETCH(float, zehntel);
    const TTyp t = Typ(typ, kaliber);
    const float ergebnis = GetZehntelringe(t.masse, t.kaliber, centreMode, teiler);
    QVERIFY2(ergebnis == zehntel, qPrintable(QString::number(ergebnis, 'g', 9)));
}

void TestRingwerte::teilerOfRingValue()
{
    const TScheibenmasse lg = GetScheibenmasse(Sch_LG10);
    QCOMPARE(GetTeiler(lg, 10.9f), 24.99f);
    QCOMPARE(GetTeiler(lg, 10.0f), 249.99f);
    QCOMPARE(GetTeiler(lg, 0.0f), 2749.99f);
    QCOMPARE(GetTeiler(GetScheibenmasse(Sch_SchFe), 10.0f), 3999.99f);
}

void TestRingwerte::teilerRoundTrip_data()
{
    QTest::addColumn<TypeScheiben>("typ");
    QTest::addColumn<double>("kaliber");
    QTest::newRow("Luftgewehr") << Sch_LG10 << 4.5;
    QTest::newRow("Luftpistole") << Sch_LP << 4.5;
    QTest::newRow("KK 50m") << Sch_KK50 << 5.6;
}

void TestRingwerte::teilerRoundTrip()
{
    // Where half the calibre plus line 1 equals the spacing, every tenth from 1.0 to 10.9 comes
    // back from its Teiler.
    QFETCH(TypeScheiben, typ);
    QFETCH(double, kaliber);
    const TScheibenmasse masse = GetScheibenmasse(typ);
    for (int z = 10; z <= 109; ++z) {
        const float ring = float(z / 10.0);
        const float zurueck = GetZehntelringe(masse, kaliber, false, GetTeiler(masse, ring));
        QVERIFY2(zurueck == ring, qPrintable(QString("%1 -> %2").arg(ring).arg(zurueck)));
    }
}

void TestRingwerte::radiusLimit()
{
    QCOMPARE(MaxTeiler(GetScheibenmasse(Sch_LG10), 4.5), 2825.0f);
    // On Sch_GK5 the widest entry is line 6, with zeros after it.
    QCOMPARE(MaxTeiler(GetScheibenmasse(Sch_GK5), 6.0), 15400.0f);
}

QTEST_GUILESS_MAIN(TestRingwerte)
#include "tst_ringwerte.moc"
