#include "base/inidocument.h"
#include "base/inifile.h"
#include "base/numberformat.h"
#include "base/scripteddialogs.h"
#include "competitionfixture.h"
#include "model/competitionfile.h"
#include "settings/setupdaten.h"
#include "testsupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestCompetitionFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void writesGoldenBytes_data();
    void writesGoldenBytes();
    void readsGoldenFileBack();
    void roundTripKeepsTheCompetition();
    void removedShotAndEmptiedRemarkDoNotComeBack();
    void saveAsOverAnotherCompetitionLeavesNoForeignKeys();
    void readerTakesOldKeyByKeyFiles();
    void teamLimit_data();
    void teamLimit();
    void shotValues_data();
    void shotValues();
    void malformedShotEndsReading_data();
    void malformedShotEndsReading();
    void missingFileGivesDefaults();
    void failedWriteKeepsOldFileAndChangedFlag();
    void unnamedCompetitionAsksForName();
    void cancelledSaveDialogWritesNothing();
    void saveAsAsksWithoutInitialFolder();
    void historyGetsEachFileOnce();
    void nextField_data();
    void nextField();
    void checkReportsEveryProblem();

private:
    QString Path(const QString &name) const { return m_dir.filePath(name); }
    Competition Load(const QString &path);
    QTemporaryDir m_dir;
    tSetupdaten m_settings;
    TScriptedDialogs m_dialogs;
};

void TestCompetitionFile::initTestCase()
{
    UseTestLocale();
    SetUserDialogs(&m_dialogs);
    m_settings.Vereinsname = "SV Musterdorf";
    m_settings.Vereinnr = "12345";
}

void TestCompetitionFile::init()
{
    m_dialogs.Clear();
}

Competition TestCompetitionFile::Load(const QString &path)
{
    Competition c;
    c.Dateiname = path;
    c.Ringformat = RingformatZehntel;
    LoadCompetition(c);
    return c;
}

void TestCompetitionFile::writesGoldenBytes_data()
{
    QTest::addColumn<QString>("ringformat");
    QTest::addColumn<QString>("golden");
    QTest::newRow("tenth rings") << RingformatZehntel << "golden_zehntel.RW";
    QTest::newRow("whole rings") << RingformatGanz << "golden_ganz.RW";
}

void TestCompetitionFile::writesGoldenBytes()
{
    QFETCH(QString, ringformat);
    QFETCH(QString, golden);
    Competition c = GoldenCompetition(ringformat);
    c.Dateiname = Path(golden);
    c.Geaendert = true;
    QCOMPARE(SaveCompetition(c, m_settings).result, TSaveResult::Saved);
    QVERIFY(!c.Geaendert);
    QByteArray expected = ReadFileBytes(FixturePath(golden));
    // The golden files hold German decimal commas.
    if (DecimalSeparator() != u',') {
        QString text = QString::fromLatin1(expected);
        text.replace(QRegularExpression("(\\d),(\\d)"),
                     QString("\\1%1\\2").arg(DecimalSeparator()));
        expected = text.toLatin1();
    }
    QCOMPARE(ReadFileBytes(c.Dateiname), expected);
    QVERIFY(m_dialogs.Events().isEmpty());
}

void TestCompetitionFile::readsGoldenFileBack()
{
    const Competition c = Load(FixturePath("golden_zehntel.RW"));
    const Competition g = GoldenCompetition(RingformatZehntel);
    QCOMPARE(c.Kopfdaten[KopfWaffe], QString("Luftgewehr"));
    QCOMPARE(c.Kopfdaten[KopfKlasse], QString("Schützenklasse"));
    QCOMPARE(c.Kopfdaten[KopfErgebniserfassung], QString("Einzelschuss eingeben"));
    QCOMPARE(c.Kopfdaten[KopfGastVereinsnr], QString());
    QVERIFY(c.Sortieren);
    QCOMPARE(c.DISAG, g.DISAG);
    QCOMPARE(c.Gast.Vnr, QString("54321"));
    const TYTeilnehmer &p = c.Heim.Teilnehmer[1];
    QCOMPARE(p.Name, QString("Müller, Jörg"));
    QCOMPARE(p.Bemerk, QString()); // a remark of blanks was not written
    QVERIFY(p.Stammschuetze);
    QCOMPARE(p.Serie[2], 97.5);
    QCOMPARE(p.Schuss[1], (TYSchuss {123.4f, 271.0f, 10.9f, 1}));
    QCOMPARE(p.Schuss[2].Status, quint8(1)); // stored as present, the mark is not kept
    QVERIFY(!IsPresent(p.Schuss[3]));
    QVERIFY(c.Heim.Teilnehmer[5].NurEinzel); // computed from the position when written
    QVERIFY(m_dialogs.Events().isEmpty());
}

void TestCompetitionFile::roundTripKeepsTheCompetition()
{
    Competition first = Load(FixturePath("golden_zehntel.RW"));
    first.Dateiname = Path("rund.RW");
    QCOMPARE(SaveCompetition(first, m_settings).result, TSaveResult::Saved);
    const Competition second = Load(first.Dateiname);
    QCOMPARE(second.Heim, first.Heim);
    QCOMPARE(second.Gast, first.Gast);
    QCOMPARE(second.Kopfdaten, first.Kopfdaten);
    QCOMPARE(second.DISAG, first.DISAG);
}

void TestCompetitionFile::removedShotAndEmptiedRemarkDoNotComeBack()
{
    Competition c = Load(FixturePath("golden_zehntel.RW"));
    c.Dateiname = Path("korrigiert.RW");
    c.Heim.Teilnehmer[5].Bemerk.clear();
    SaveCompetition(c, m_settings);
    c.Heim.Teilnehmer[1].Schuss[2] = TYSchuss {};
    SaveCompetition(c, m_settings);
    const Competition back = Load(c.Dateiname);
    QVERIFY(!IsPresent(back.Heim.Teilnehmer[1].Schuss[2]));
    QCOMPARE(back.Heim.Teilnehmer[1].Schuss[2], TYSchuss {});
    QCOMPARE(back.Heim.Teilnehmer[5].Bemerk, QString());
}

void TestCompetitionFile::saveAsOverAnotherCompetitionLeavesNoForeignKeys()
{
    const QString target = Path("andere.RW");
    Competition other = GoldenCompetition(RingformatZehntel);
    other.Dateiname = target;
    SaveCompetition(other, m_settings);

    Competition fresh;
    fresh.Dateiname = Path("neu.RW");
    m_dialogs.QueueFileName(target);
    QCOMPARE(SaveCompetitionAs(fresh, m_settings).result, TSaveResult::Saved);
    const Competition back = Load(target);
    QCOMPARE(back.DISAG, QString());
    QCOMPARE(back.Heim.Name, QString());
    for (const TYTeilnehmer &p : back.Heim.Teilnehmer) {
        QCOMPARE(p.Name, QString());
        QCOMPARE(p.Bemerk, QString());
        QCOMPARE(p.Schuss, TSchussArray {});
    }
}

void TestCompetitionFile::readerTakesOldKeyByKeyFiles()
{
    // Written key by key over an older file: stray keys, other order, a lower-case "waffe".
    const QString path = Path("alt.RW");
    WriteFileBytes(
            path,
            WindowsText("[Header]\nwaffe=Luftpistole\nMannschaftstaerke=3\n"
                        "[Heim]\nSchuss1_61=OK;10;0;0\nName1=Meier\n"
                        "Schuss1_2= OK; 9,5 ; 12.5 ; 90 \nSchuss1_3=OK ;1;1;1\nUnbekannt=x\n"));
    const Competition c = Load(path);
    QCOMPARE(c.Kopfdaten[KopfWaffe], QString("Luftpistole"));
    QCOMPARE(c.Mannschaftstaerke, 3);
    QCOMPARE(c.Heim.Teilnehmer[1].Name, QString("Meier"));
    QCOMPARE(c.Heim.Teilnehmer[1].Schuss[2], (TYSchuss {12.5f, 90.0f, 9.5f, 1}));
    QVERIFY(!IsPresent(c.Heim.Teilnehmer[1].Schuss[3])); // "OK " is not "OK"
    QVERIFY(!IsPresent(c.Heim.Teilnehmer[1].Schuss[61])); // only shots 1..60 are stored
}

void TestCompetitionFile::teamLimit_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("om");
    QTest::addColumn<int>("expectedN");
    QTest::addColumn<int>("expectedOm");
    QTest::newRow("8 + 2") << 8 << 2 << 8 << 0;
    QTest::newRow("9 + 3") << 9 << 3 << 8 << 0;
    QTest::newRow("6 + 3") << 6 << 3 << 6 << 2;
    QTest::newRow("4 + 4 stays") << 4 << 4 << 4 << 4;
    QTest::newRow("10 + 0") << 10 << 0 << 8 << 0;
}

void TestCompetitionFile::teamLimit()
{
    QFETCH(int, n);
    QFETCH(int, om);
    QFETCH(int, expectedN);
    QFETCH(int, expectedOm);
    const QString path = Path("limit.RW");
    const QByteArray text = QStringLiteral("[Header]\nMannschaftstaerke=%1\nOMannschafts=%2\n"
                                           "[Gast]\nName10=Zehnter\n")
                                    .arg(n)
                                    .arg(om)
                                    .toUtf8();
    WriteFileBytes(path, WindowsText(text.constData()));
    const Competition c = Load(path);
    QCOMPARE(c.Mannschaftstaerke, expectedN);
    QCOMPARE(c.OMannschafts, expectedOm);
    QCOMPARE(c.Gast.Teilnehmer[10].Name, QString("Zehnter")); // all ten positions are read
}

void TestCompetitionFile::shotValues_data()
{
    QTest::addColumn<QString>("ringformat");
    QTest::addColumn<TYSchuss>("shot");
    QTest::addColumn<QString>("stored");
    QTest::newRow("tenth") << RingformatZehntel << TYSchuss {123.4f, 271.3f, 10.9f, 1}
                           << "OK;10,9;123,40;271,0";
    QTest::newRow("whole") << RingformatGanz << TYSchuss {123.4f, 271.3f, 10.9f, 1}
                           << "OK; 11;123,40;271,0";
    QTest::newRow("9.6 whole") << RingformatGanz << TYSchuss {300.0f, 45.0f, 9.6f, 1}
                               << "OK; 10;300,00;45,0";
    QTest::newRow("four-digit Teiler")
            << RingformatZehntel << TYSchuss {2749.99f, 0.0f, 0.0f, 1} << "OK;0,0;2750,00;0,0";
    QTest::newRow("hand entry mark")
            << RingformatGanz << TYSchuss {0.0f, 0.0f, 10.0f, 129} << "OK; 10;0,00;0,0";
}

void TestCompetitionFile::shotValues()
{
    QFETCH(QString, ringformat);
    QFETCH(TYSchuss, shot);
    QFETCH(QString, stored);
    Competition c;
    c.Ringformat = ringformat;
    c.Gast.Teilnehmer[2].Schuss[7] = shot;
    const TIniDocument ini = TIniDocument::FromBytes(CompetitionFileBytes(c, m_settings));
    QCOMPARE(ini.ReadString("Gast", "Schuss2_7", "fehlt"), Localised(stored));
    QCOMPARE(ini.ReadString("Gast", "Schuss2_8", "fehlt"), QString("fehlt"));
}

void TestCompetitionFile::malformedShotEndsReading_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("ring") << "OK;10,x;1;2"
                          << "'10,x' ist kein gültiger Gleitkommawert";
    QTest::newRow("Teiler missing") << "OK;10"
                                    << "'' ist kein gültiger Gleitkommawert";
    QTest::newRow("angle") << "OK;10;12;west"
                           << "'west' ist kein gültiger Gleitkommawert";
}

void TestCompetitionFile::malformedShotEndsReading()
{
    QFETCH(QString, value);
    QFETCH(QString, message);
    const QString path = Path("kaputt.RW");
    const QString text = "[Heim]\nName1=Erster\nSchuss1_1=OK;9;10;20\nSchuss1_2=" + value
            + "\nName2=Zweiter\n[Gast]\nName=Gäste\n";
    WriteFileBytes(path, WindowsText(text.toUtf8().constData()));
    Competition c;
    c.Dateiname = path;
    QVERIFY(!LoadCompetition(c));
    QCOMPARE(m_dialogs.Messages(), QStringList({message}));
    // What was read before the faulty shot stays; nothing after it is read.
    QCOMPARE(c.Heim.Teilnehmer[1].Name, QString("Erster"));
    QVERIFY(IsPresent(c.Heim.Teilnehmer[1].Schuss[1]));
    QCOMPARE(c.Heim.Teilnehmer[2].Name, QString());
    QCOMPARE(c.Gast.Name, QString());
}

void TestCompetitionFile::missingFileGivesDefaults()
{
    Competition c;
    c.Dateiname = Path("gibtsnicht.RW");
    c.Geaendert = true;
    QVERIFY(LoadCompetition(c));
    QCOMPARE(c.Mannschaftstaerke, 4);
    QCOMPARE(c.Schussanzahl, 40);
    QCOMPARE(c.Schussanzahl_Serie, 10);
    QCOMPARE(c.Kopfdaten[KopfErgebniserfassung], QString("Ringlesegerät"));
    QCOMPARE(c.Heim, Competition().Heim);
    QVERIFY(!c.Geaendert);
    QVERIFY(m_dialogs.Events().isEmpty());
}

void TestCompetitionFile::failedWriteKeepsOldFileAndChangedFlag()
{
    const QString path = Path("geschuetzt.RW");
    const QByteArray old = WindowsText("[Header]\nWaffe=alt\n");
    WriteFileBytes(path, old);
    Competition c = GoldenCompetition(RingformatGanz);
    c.Dateiname = path;
    c.Geaendert = true;
    {
        TFileSizeLimit diskFull(512);
        QCOMPARE(SaveCompetition(c, m_settings).result, TSaveResult::Failed);
    }
    QCOMPARE(ReadFileBytes(path), old);
    QVERIFY(c.Geaendert);
    QCOMPARE(m_dialogs.Messages(),
             QStringList({"nach " + path + " kann nicht geschrieben werden"}));

    m_dialogs.Clear();
    c.Dateiname = Path("fehlt/x.RW");
    QCOMPARE(SaveCompetition(c, m_settings).result, TSaveResult::Failed);
    QCOMPARE(m_dialogs.Messages(),
             QStringList({"nach " + c.Dateiname + " kann nicht geschrieben werden"}));
}

void TestCompetitionFile::unnamedCompetitionAsksForName()
{
    tSetupdaten settings;
    settings.SetDaten("/rwk/daten");
    Competition c;
    c.Dateiname = "Unbenannt1";
    c.Geaendert = true;
    m_dialogs.QueueFileName(Path("erster.RW"));
    const TSaveOutcome outcome = SaveCompetition(c, settings);
    QCOMPARE(outcome.result, TSaveResult::Saved);
    QVERIFY(outcome.historyChanged);
    QCOMPARE(c.Dateiname, Path("erster.RW"));
    QCOMPARE(CompetitionCaption(c.Dateiname), QString("erster.RW"));
    QCOMPARE(settings.History[1], Path("erster.RW"));
    const auto &e = m_dialogs.Events().at(0);
    QCOMPARE(e.kind, TScriptedDialogs::Kind::SaveFile);
    QCOMPARE(e.file.filter, QString("Rundenwettkampf (*.rw)|*.rw"));
    QCOMPARE(e.file.defaultExt, QString("RW"));
    QCOMPARE(e.file.initialDir, QString("/rwk/daten"));
    QVERIFY(QFile::exists(c.Dateiname));
}

void TestCompetitionFile::cancelledSaveDialogWritesNothing()
{
    tSetupdaten settings;
    Competition c;
    c.Dateiname = "Unbenannt2";
    c.Geaendert = true;
    m_dialogs.QueueFileName(std::nullopt);
    const TSaveOutcome outcome = SaveCompetition(c, settings);
    QCOMPARE(outcome.result, TSaveResult::Cancelled);
    QVERIFY(!outcome.historyChanged);
    QCOMPARE(c.Dateiname, QString("Unbenannt2"));
    QVERIFY(c.Geaendert);
    QCOMPARE(settings.History[1], QString());
}

void TestCompetitionFile::saveAsAsksWithoutInitialFolder()
{
    tSetupdaten settings;
    settings.SetDaten("/rwk/daten");
    Competition c;
    c.Dateiname = Path("vorher.RW");
    m_dialogs.QueueFileName(Path("nachher.RW"));
    QCOMPARE(SaveCompetitionAs(c, settings).result, TSaveResult::Saved);
    QCOMPARE(m_dialogs.Events().at(0).file.initialDir, QString());
    QCOMPARE(c.Dateiname, Path("nachher.RW"));
    m_dialogs.QueueFileName(std::nullopt);
    QCOMPARE(SaveCompetitionAs(c, settings).result, TSaveResult::Cancelled);
    QCOMPARE(c.Dateiname, Path("nachher.RW"));
}

void TestCompetitionFile::historyGetsEachFileOnce()
{
    tSetupdaten settings;
    Competition c;
    c.Dateiname = Path("zweimal.RW");
    QVERIFY(SaveCompetition(c, settings).historyChanged);
    QVERIFY(!SaveCompetition(c, settings).historyChanged);
    QCOMPARE(settings.History[1], c.Dateiname);
    QCOMPARE(settings.History[2], QString());
}

void TestCompetitionFile::nextField_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("rest");
    QTest::newRow("first of four") << "OK;10;2;3"
                                   << "OK"
                                   << "10;2;3";
    QTest::newRow("last") << "3"
                          << "3"
                          << "";
    QTest::newRow("empty field") << ";x"
                                 << ""
                                 << "x";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestCompetitionFile::nextField()
{
    QFETCH(QString, value);
    QFETCH(QString, field);
    QFETCH(QString, rest);
    QCOMPARE(NextField(value), field);
    QCOMPARE(value, rest);
}

void TestCompetitionFile::checkReportsEveryProblem()
{
    const QString path = Path("pruefen.RW");
    WriteFileBytes(path,
                   WindowsText("[Header]\nMannschaftstaerke=vier\nOMannschafts=6\n"
                               "Schussanzahl_Serie=0\n[Heim]\nSerie1_1=9x\n"
                               "Schuss1_1=OK;x;1;1\nSchuss3_4=OK;1;1\n[Gast]\n"
                               "Schuss10_60=OK;10;1;y\n"));
    const QStringList problems = CheckCompetitionFile(path);
    QCOMPARE(problems.size(), 7);
    QVERIFY(problems[0].startsWith("[Header] Mannschaftstaerke: 'vier'"));
    QVERIFY(problems.contains("[Header] Mannschaftstaerke 4 + OMannschafts 6 übersteigt 8: "
                              "gelesen wird 4 + 4"));
    QVERIFY(problems.contains("[Header] Schussanzahl_Serie 0: Serien können nicht aus Schüssen "
                              "berechnet werden"));
    QVERIFY(problems.contains("[Heim] Schuss1_1: 'x' ist kein gültiger Gleitkommawert"));
    QVERIFY(problems.contains("[Heim] Schuss3_4: '' ist kein gültiger Gleitkommawert"));
    QVERIFY(problems.contains("[Gast] Schuss10_60: 'y' ist kein gültiger Gleitkommawert"));
    QVERIFY(problems.contains("[Heim] Serie1_1: '9x' ist kein gültiger Gleitkommawert, "
                              "gelesen wird 0"));
    QCOMPARE(CheckCompetitionFile(FixturePath("golden_ganz.RW")), QStringList());
}

QTEST_GUILESS_MAIN(TestCompetitionFile)
#include "tst_competitionfile.moc"
