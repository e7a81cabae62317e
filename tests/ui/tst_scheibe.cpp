#include "base/scripteddialogs.h"
#include "ui/scheibe.h"

#include <QTest>

Q_DECLARE_METATYPE(TypeScheiben)

// The target control as the reading window drives it: type changes, zoom limits, the shot
// store and its error boxes.
class TestScheibe : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAsAirRifle();
    void typeChangeSetsRingsAndZoom_data();
    void typeChangeSetsRingsAndZoom();
    void reservedTypeKeepsCalibreAndBlackArea();
    void calibreOnlyWhereChangeable();
    void shotNumberOutOfRange_data();
    void shotNumberOutOfRange();
    void ringAloneIsNotStored();
    void teilerLimitedToTarget();
    void storedShotWidensZoom_data();
    void storedShotWidensZoom();
    void geometryFollowsSize();

private:
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
};

namespace {

TYSchuss Schuss(float teiler, float winkel, float ring, quint8 status = SchussVorhanden)
{
    return {teiler, winkel, ring, status};
}

} // namespace

void TestScheibe::init()
{
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
}

void TestScheibe::cleanup()
{
    delete m_scope;
    delete m_dialogs;
}

void TestScheibe::startsAsAirRifle()
{
    TScheibe s;
    QCOMPARE(s.Scheibentype(), Sch_LG10);
    QCOMPARE(s.Zoom(), 5);
    QCOMPARE(s.Kaliber(), 4.5);
    QCOMPARE(s.von_Schussnr(), 0);
    QCOMPARE(s.Bis_Schussnr(), 0);
    QCOMPARE(s.GetZehntelringe(false, 25), 10.8f);
    QCOMPARE(s.cursor().shape(), Qt::CrossCursor);
}

void TestScheibe::typeChangeSetsRingsAndZoom_data()
{
    QTest::addColumn<TypeScheiben>("typ");
    QTest::addColumn<int>("ringe");
    QTest::addColumn<bool>("invertiert");
    QTest::addColumn<double>("schwarzAb");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("weitesterZoom");
    QTest::newRow("LG Einzelscheibe") << Sch_LGES << 10 << false << 4.0 << 7 << 11;
    QTest::newRow("Luftpistole") << Sch_LP << 10 << false << 7.0 << 7 << 11;
    QTest::newRow("KK 50m") << Sch_KK50 << 10 << false << 3.625 << 7 << 11;
    QTest::newRow("100m 10 Kreise") << Sch_GK10 << 10 << false << 7.0 << 7 << 11;
    QTest::newRow("100m 5 Kreise") << Sch_GK5 << 5 << true << 3.0 << 5 << 6;
    QTest::newRow("Schnellfeuer") << Sch_SchFe << 10 << false << 5.0 << 6 << 6;
    QTest::newRow("LP Schnellfeuer") << SCH_LPSF << 10 << false << 8.0 << 7 << 11;
}

void TestScheibe::typeChangeSetsRingsAndZoom()
{
    QFETCH(TypeScheiben, typ);
    QFETCH(int, ringe);
    QFETCH(bool, invertiert);
    QFETCH(double, schwarzAb);
    QFETCH(int, zoom);
    QFETCH(int, weitesterZoom);
    TScheibe s;
    s.SetZoom(2);
    s.SetScheibentype(typ);
    QCOMPARE(s.Ringanzahl(), ringe);
    QCOMPARE(s.Invertiert(), invertiert);
    QCOMPARE(s.SchwarzAbRing(), schwarzAb);
    QCOMPARE(s.Zoom(), zoom);
    s.SetZoom(12);
    QCOMPARE(s.Zoom(), weitesterZoom);
    s.SetZoom(3);
    QCOMPARE(s.Zoom(), 3);
}

void TestScheibe::reservedTypeKeepsCalibreAndBlackArea()
{
    TScheibe s;
    s.SetScheibentype(Sch_GK10);
    s.SetKaliber(7.62);
    s.SetScheibentype(Sch_user);
    QCOMPARE(m_dialogs->Messages(), QStringList {"Scheibenmasse ungekannt"});
    QCOMPARE(s.Kaliber(), 7.62);
    QCOMPARE(s.SchwarzAbRing(), 7.0);
    QCOMPARE(s.Ringanzahl(), 10);
    QCOMPARE(s.Zoom(), 7);
    // Air rifle rings, scored with the calibre kept.
    QCOMPARE(s.GetGanzeringe(false, 655), 9);
    QCOMPARE(s.GetGanzeringe(false, 657), 8);
}

void TestScheibe::calibreOnlyWhereChangeable()
{
    TScheibe s;
    s.SetScheibentype(Sch_LP);
    s.SetKaliber(7.62);
    QCOMPARE(s.Kaliber(), 4.5);
    QCOMPARE(m_dialogs->Events().size(), 1);
    const TMessage box = m_dialogs->Events().first().message;
    QCOMPARE(box.text, QString("Kaliber kann bei dieser Scheibe nicht geändert werden"));
    QCOMPARE(box.caption, QString());
    QCOMPARE(box.icon, TMsgIcon::Error);

    // A choosable calibre starts as the previous type's until the host sets one.
    s.SetScheibentype(Sch_KK50);
    s.SetScheibentype(Sch_GK5);
    QCOMPARE(s.Kaliber(), 5.6);
    s.SetKaliber(Kaliberwerte[4]);
    QCOMPARE(s.Kaliber(), double(Kaliberwerte[4]));
    QCOMPARE(m_dialogs->Events().size(), 1);
}

void TestScheibe::shotNumberOutOfRange_data()
{
    QTest::addColumn<int>("nummer");
    QTest::newRow("0") << 0;
    QTest::newRow("121") << 121;
}

void TestScheibe::shotNumberOutOfRange()
{
    QFETCH(int, nummer);
    TScheibe s;
    s.SetSchuss(nummer, Schuss(900, 90, 3.4f));
    QCOMPARE(m_dialogs->Events().size(), 1);
    const TMessage box = m_dialogs->Events().first().message;
    QCOMPARE(box.text, QString("Schußnummer außerhalb von 1..120"));
    QCOMPARE(box.caption, QString("Error"));
    QCOMPARE(box.icon, TMsgIcon::Error);
    QCOMPARE(s.Zoom(), 5);
    TYSchuss schuss;
    s.GetSchuss(nummer, schuss);
    QCOMPARE(schuss, TYSchuss {});
}

void TestScheibe::ringAloneIsNotStored()
{
    TScheibe s;
    s.SetSchuss(4, Schuss(900, 90, 7.4f));
    s.SetSchuss(4, Schuss(900, 90, 7.0f));
    TYSchuss schuss;
    s.GetSchuss(4, schuss);
    QCOMPARE(schuss.Ring, 7.4f);
    s.SetSchuss(4, Schuss(900, 90, 7.0f, 0x85));
    s.GetSchuss(4, schuss);
    QCOMPARE(schuss.Ring, 7.0f);
}

void TestScheibe::teilerLimitedToTarget()
{
    TScheibe s;
    s.resize(480, 300);
    s.SetSchuss(1, Schuss(5000, 90, 0, 0x85));
    TYSchuss schuss;
    s.GetSchuss(1, schuss);
    QCOMPARE(schuss, Schuss(2825, 90, 0, 0x85));
    // Zoom 11 now: 295 / (25.25 + 4.5) / 2 pixels per mm, so 28.25 mm is 140 pixels.
    int x = 0;
    int y = 0;
    s.Schusspostion(1, x, y);
    QCOMPARE(s.Zoom(), 11);
    QCOMPARE(QPoint(x, y), QPoint(240 + 140, 150));
}

void TestScheibe::storedShotWidensZoom_data()
{
    QTest::addColumn<float>("ring");
    QTest::addColumn<quint8>("status");
    QTest::addColumn<int>("zoom");
    QTest::newRow("3.4 shows rings down to 2") << 3.4f << quint8(1) << 9;
    QTest::newRow("4.5 rounds to even") << 4.5f << quint8(1) << 8;
    QTest::newRow("6.1 fits") << 6.1f << quint8(1) << 5;
    QTest::newRow("0 at most 11") << 0.0f << quint8(1) << 11;
    QTest::newRow("absent shot") << 3.4f << quint8(0x80) << 5;
}

void TestScheibe::storedShotWidensZoom()
{
    QFETCH(float, ring);
    QFETCH(quint8, status);
    QFETCH(int, zoom);
    TScheibe s;
    s.SetSchuss(1, Schuss(100, 0, ring, status));
    QCOMPARE(s.Zoom(), zoom);
}

void TestScheibe::geometryFollowsSize()
{
    TScheibe s;
    s.SchussNrBereich(1, 1);
    s.SetSchuss(1, Schuss(900, 180, 7.4f, 5));
    s.resize(400, 300);
    int x = 200;
    int y = 150;
    QCOMPARE(s.XYPixToTeiler(x, y), 0.0f);
    s.Schusspostion(1, x, y);
    QCOMPARE(s.sucheloch(x, y), 1);
    s.resize(600, 400);
    QCOMPARE(s.XYPixToTeiler(300, 200), 0.0f);
    // Zoom 5: 395 / (10.25 + 4.5) / 2 pixels per mm, 9 mm down.
    s.Schusspostion(1, x, y);
    QCOMPARE(QPoint(x, y), QPoint(300, 200 + 121));
    QCOMPARE(s.getlochradiusPix(), 30);
    QCOMPARE(s.xyPixToWinkel(300, 300), 180.0f);
}

QTEST_MAIN(TestScheibe)
#include "tst_scheibe.moc"
