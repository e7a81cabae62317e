#include "base/inifile.h"
#include "settings/setupdaten.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestSetupdaten : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyFileGivesDefaults();
    void machineNameIsMatchedExactly_data();
    void machineNameIsMatchedExactly();
    void slowTransferKeepsFirstCharacter_data();
    void slowTransferKeepsFirstCharacter();
    void dataDirectoryCutTo80AndMadeCurrent();
    void historyRule();
    void writeAllWritesEveryKeyAndFullDirectory();
    void writeHistoryTouchesOnlyHistory();

private:
    QString SetupFile(const char *utf8Contents);
    QTemporaryDir m_dir;
    QString m_previousCurrent;
};

void TestSetupdaten::init()
{
    m_previousCurrent = QDir::currentPath();
}

void TestSetupdaten::cleanup()
{
    QDir::setCurrent(m_previousCurrent);
}

QString TestSetupdaten::SetupFile(const char *utf8Contents)
{
    const QString path = m_dir.filePath("setupRW.ini");
    WriteFileBytes(path, WindowsText(utf8Contents));
    return path;
}

void TestSetupdaten::emptyFileGivesDefaults()
{
    tSetupdaten s;
    s.Load(SetupFile(""));
    QCOMPARE(int(s.Ringlesegeraet), 1);
    QCOMPARE(s.RinglesegeraetName(), QString("RM3U"));
    QCOMPARE(s.Comport, 2);
    QVERIFY(!s.LangsameUebertragung());
    QCOMPARE(s.Balken, 255);
    QCOMPARE(s.Balken10, 32768);
    QCOMPARE(s.FarbeSpiegel, 12632256);
    QCOMPARE(s.FarbeSchuss, 255);
    QCOMPARE(s.Strichbreite, 2);
    QVERIFY(s.Schusswerte);
    QVERIFY(s.Datum);
    QCOMPARE(s.Vereinnr, QString("0000000"));
    QVERIFY(!s.Vereinsname.isEmpty());
    QVERIFY(!s.SMTP.isEmpty());
    for (const QString &h : s.History)
        QVERIFY(h.isEmpty());

    tSetupdaten missing;
    missing.Load(m_dir.filePath("gibtsnicht.ini"));
    QCOMPARE(missing.Comport, 2);
}

void TestSetupdaten::machineNameIsMatchedExactly_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("type");
    QTest::newRow("SAM") << "SAM" << 3;
    QTest::newRow("sam is not SAM") << "sam" << 1;
    QTest::newRow("RM 4 with its blank") << "RM 4" << 5;
    QTest::newRow("RM2/RM3") << "RM2/RM3" << 0;
    QTest::newRow("RIKA") << "RIKA" << 4;
    QTest::newRow("unknown") << "RM9" << 1;
}

void TestSetupdaten::machineNameIsMatchedExactly()
{
    QFETCH(QString, stored);
    QFETCH(int, type);
    const QByteArray text = "[Hardware]\nRinglesegeraete=" + stored.toUtf8() + "\n";
    tSetupdaten s;
    s.Load(SetupFile(text.constData()));
    QCOMPARE(int(s.Ringlesegeraet), type);
}

void TestSetupdaten::slowTransferKeepsFirstCharacter_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("slow");
    QTest::newRow("J") << "J"
                       << "J" << true;
    QTest::newRow("Ja") << "Ja"
                        << "J" << true;
    QTest::newRow("N") << "N"
                       << "N" << false;
    QTest::newRow("lower j") << "ja"
                             << "j" << false;
}

void TestSetupdaten::slowTransferKeepsFirstCharacter()
{
    QFETCH(QString, stored);
    QFETCH(QString, kept);
    QFETCH(bool, slow);
    const QByteArray text = "[Hardware]\nComport9600=" + stored.toUtf8() + "\n";
    tSetupdaten s;
    s.Load(SetupFile(text.constData()));
    QCOMPARE(s.Comport9600, kept);
    QCOMPARE(s.LangsameUebertragung(), slow);
}

void TestSetupdaten::dataDirectoryCutTo80AndMadeCurrent()
{
    // A real directory with an 80-character path prefix, then more.
    QString deep = m_dir.path();
    while (deep.size() < 100)
        deep += "/Rundenwettkampf";
    QVERIFY(QDir().mkpath(deep));
    const QString text = "[Pfade]\nDaten=" + deep + "\n";
    tSetupdaten s;
    s.Load(SetupFile(text.toUtf8().constData()));
    QCOMPARE(s.Daten, deep.left(80));

    tSetupdaten usable;
    usable.Load(SetupFile(("[Pfade]\nDaten=" + m_dir.path() + "\n").toUtf8().constData()));
    QCOMPARE(QDir::currentPath(), QDir(m_dir.path()).canonicalPath());
}

void TestSetupdaten::historyRule()
{
    tSetupdaten s;
    QVERIFY(s.AddToHistory("/rw/a.RW"));
    QVERIFY(s.AddToHistory("/rw/b.RW"));
    QVERIFY(!s.AddToHistory("/rw/a.RW")); // saving again keeps its place
    QVERIFY(s.AddToHistory("/rw/A.RW")); // names compare case-sensitively
    QCOMPARE(s.History[1], QString("/rw/A.RW"));
    QCOMPARE(s.History[2], QString("/rw/b.RW"));
    QCOMPARE(s.History[3], QString("/rw/a.RW"));
    for (const char *name : {"c", "d", "e"})
        s.AddToHistory(QString("/rw/%1.RW").arg(name));
    QCOMPARE(s.History[1], QString("/rw/e.RW"));
    QCOMPARE(s.History[5], QString("/rw/b.RW")); // /rw/a.RW dropped off the end
}

void TestSetupdaten::writeAllWritesEveryKeyAndFullDirectory()
{
    tSetupdaten s;
    s.Ringlesegeraet = 3;
    s.Comport = 7;
    s.Comport9600 = "J";
    s.Vereinsname = "SV Tell";
    s.Vereinnr = "12345678";
    s.Balken = 0x00FF00;
    s.UserId = "tell";
    s.Schusswerte = false;
    const QString fullDir = "/daten/" + QString(100, u'x');
    s.SetDaten(fullDir);
    const QString path = m_dir.filePath("out.ini");
    QVERIFY(s.WriteAll(path, fullDir));
    QCOMPARE(ReadFileBytes(path),
             WindowsText("[Rangliste]\nFarbe_Hintergrund=16777215\nFarbe_Schrift=16777215\n"
                         "Zeilenhervorhebung=1\n[Schussbild]\nFarbe_Spiegel=12632256\n"
                         "Farbe_Schuss=255\nStrichbreite=2\nDatum=1\n[Diagramm]\nBalken=65280\n"
                         "Balken10=32768\nSchusswerte=0\n[Pfade]\nDaten=/daten/"
                         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n[Hardware]\nRinglesegeraete=SAM\n"
                         "Comport9600=J\nComport=7\nSchnittstelle=\nDatenprotokoll=0\n[Email]\n"
                         "Empfaenger=rwk-leitung@example.org\nKopie=\nSender=verein@example.org\n"
                         "SMTP=smtp.example.org\nUserId=tell\n[Registrierung]\n"
                         "Vereinsname=SV Tell\nVereinnr=12345678\n"));

    tSetupdaten back;
    back.Load(path);
    QCOMPARE(int(back.Ringlesegeraet), 3);
    QCOMPARE(back.UserId, QString("tell")); // written as UserId, read as USERID
    QCOMPARE(back.Daten, fullDir.left(80));
}

void TestSetupdaten::writeHistoryTouchesOnlyHistory()
{
    const QString path = SetupFile("[Email]\nSMTP=mail.verein.de\n");
    tSetupdaten s;
    s.AddToHistory("/rw/a.RW");
    QVERIFY(s.WriteHistory(path));
    QCOMPARE(ReadFileBytes(path),
             WindowsText("[Email]\nSMTP=mail.verein.de\n[History]\n"
                         "1=/rw/a.RW\n2=\n3=\n4=\n5=\n"));
}

QTEST_GUILESS_MAIN(TestSetupdaten)
#include "tst_setupdaten.moc"
