#include "settings/hometeamfile.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

class TestHomeTeamFile : public QObject
{
    Q_OBJECT

private slots:
    void nextTeamSection_data();
    void nextTeamSection();
    void missingFileReadsAsNoTeams();
    void keysCompareWithoutCase();
    void deleteKeyAndTeam();
};

void TestHomeTeamFile::nextTeamSection_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("next");
    QTest::newRow("empty file") << QByteArray() << "1";
    QTest::newRow("1, 2, 5") << WindowsText("[1]\nBezeichnung=I\n[2]\n[5]\n") << "6";
    QTest::newRow("order of the file, not the largest") << WindowsText("[7]\n[3]\n") << "4";
    QTest::newRow("last is no number") << WindowsText("[1]\n[A]\n") << "1";
}

void TestHomeTeamFile::nextTeamSection()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, next);
    QTemporaryDir dir;
    const QString path = dir.filePath("RWSetup.ini");
    WriteFileBytes(path, contents);
    QCOMPARE(THomeTeamFile(path).NextTeamSection(), next);
}

void TestHomeTeamFile::missingFileReadsAsNoTeams()
{
    QTemporaryDir dir;
    THomeTeamFile file(dir.filePath("RWSetup.ini"));
    QCOMPARE(file.TeamSections(), QStringList());
    QCOMPARE(file.NextTeamSection(), QString("1"));
    QCOMPARE(file.ReadString("1", "Bezeichnung", "unbenannt"), QString("unbenannt"));
    QCOMPARE(file.ReadInteger("1", "Mannschaftstaerke", 4), 4);
}

void TestHomeTeamFile::keysCompareWithoutCase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("RWSetup.ini");
    WriteFileBytes(path, WindowsText("[1]\nWaffe=Luftgewehr\nSortieren=1\n"));
    THomeTeamFile file(path);
    QCOMPARE(file.ReadString("1", "waffe", ""), QString("Luftgewehr"));
    QVERIFY(file.ReadBool("1", "SORTIEREN", false));
}

void TestHomeTeamFile::deleteKeyAndTeam()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("RWSetup.ini");
    THomeTeamFile file(path);
    QVERIFY(file.WriteString("1", "Bezeichnung", "Erste"));
    QVERIFY(file.WriteString("1", THomeTeamFile::ShooterKey(3), "Meier;123;"));
    QVERIFY(file.WriteString("2", "Bezeichnung", "Zweite"));
    QVERIFY(file.DeleteKey("1", "T3"));
    QVERIFY(file.DeleteTeam("2"));
    QCOMPARE(ReadFileBytes(path), WindowsText("[1]\nBezeichnung=Erste\n"));
}

QTEST_GUILESS_MAIN(TestHomeTeamFile)
#include "tst_hometeamfile.moc"
