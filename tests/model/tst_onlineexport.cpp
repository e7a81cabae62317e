#include "base/scripteddialogs.h"
#include "model/onlineexport.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

void Fill(TyMannschaft &team, int position, const QString &passnr, double total)
{
    TYTeilnehmer &p = team.Teilnehmer[position];
    p.Name = QString("Schütze %1").arg(position);
    p.Passnr = passnr;
    p.Serie[1] = total;
}

} // namespace

class TestOnlineExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestLocale(); }
    void init() { m_dialogs.Clear(); }
    void fourStartersOneExtra();
    void eightStarters();
    void shortPassNumbersWarnOncePerTeamSlot();
    void emptyTeamGivesZeroTotals();
    void fileBytesAndIoError();

private:
    TScriptedDialogs m_dialogs;
    TUserDialogsScope m_scope {m_dialogs};
};

void TestOnlineExport::fourStartersOneExtra()
{
    Competition c;
    c.Ringformat = RingformatZehntel;
    for (int i = 1; i <= 4; ++i)
        Fill(c.Heim, i, QString("1000000%1").arg(i), 370 + i);
    Fill(c.Heim, 5, "10000005", 372.5);
    for (int i = 1; i <= 4; ++i)
        Fill(c.Gast, i, QString("2000000%1").arg(i), 360);
    const QStringList lines = OnlineReportLines(c);
    QCOMPARE(lines.size(), 42);
    const QStringList home = lines.mid(0, 21);
    QCOMPARE(home.mid(0, 8),
             QStringList({"10000001", Localised("371,0"), "10000002", Localised("372,0"),
                          "10000003", Localised("373,0"), "10000004", Localised("374,0")}));
    QCOMPARE(home.mid(8, 6), QStringList(6, QString())); // filler slots 5..7
    QCOMPARE(home.mid(14, 2), QStringList({"10000005", Localised("372,5")}));
    QCOMPARE(home.mid(16, 4), QStringList(4, QString())); // positions 6 and 7: no pass number
    QCOMPARE(home[20], QString("--------------------"));
    QCOMPARE(lines[41], QString("--------------------"));
    QVERIFY(m_dialogs.Events().isEmpty());
}

void TestOnlineExport::eightStarters()
{
    Competition c;
    c.Mannschaftstaerke = 8;
    for (int i = 1; i <= 10; ++i)
        Fill(c.Heim, i, QString("1234567%1").arg(i % 10), 372.5);
    Fill(c.Gast, 10, "  ", 100); // blanks only: an empty slot
    m_dialogs.Clear();
    const QStringList lines = OnlineReportLines(c);
    QCOMPARE(lines.size(), 2 * (2 * 11 + 1));
    QCOMPARE(lines[1], QString("373")); // "%3.0f": half away from zero
    QCOMPARE(lines.mid(16, 4), QStringList({"12345679", "373", "12345670", "373"}));
    QCOMPARE(lines.mid(20, 3), QStringList({"", "", "--------------------"}));
    QCOMPARE(lines.mid(23 + 16, 6), QStringList(6, QString()));
}

void TestOnlineExport::shortPassNumbersWarnOncePerTeamSlot()
{
    Competition c;
    Fill(c.Heim, 1, "1234567", 300);
    Fill(c.Heim, 2, " 12345678 ", 300);
    Fill(c.Heim, 3, "", 300);
    Fill(c.Heim, 4, "87654321", 300);
    Fill(c.Heim, 5, "123", 300); // a further slot: no warning
    for (int i = 1; i <= 4; ++i)
        Fill(c.Gast, i, "11111111", 1);
    const QStringList lines = OnlineReportLines(c);
    QCOMPARE(m_dialogs.Messages(),
             QStringList({"Achtung!! Ausweisnr 1234567 ist nicht 8-stellig",
                          "Achtung!! Ausweisnr  ist nicht 8-stellig"}));
    QCOMPARE(lines[0], QString("1234567")); // written unchanged
    QCOMPARE(lines[2], QString(" 12345678 ")); // as stored
    QCOMPARE(lines.mid(4, 2), QStringList({"", "300"}));
}

void TestOnlineExport::emptyTeamGivesZeroTotals()
{
    Competition c;
    const QStringList lines = OnlineReportLines(c);
    QCOMPARE(m_dialogs.Messages().size(), 8);
    QCOMPARE(lines.mid(0, 8), QStringList({"", "  0", "", "  0", "", "  0", "", "  0"}));
}

void TestOnlineExport::fileBytesAndIoError()
{
    QTemporaryDir dir;
    Competition c;
    c.Mannschaftstaerke = 1;
    Fill(c.Heim, 1, "Jörg0001", 99);
    Fill(c.Gast, 1, "00000002", 98);
    const QString path = dir.filePath("RWKO.TXT");
    QVERIFY(ExportOnlineReport(c, path));
    const QByteArray bytes = ReadFileBytes(path);
    QVERIFY(bytes.startsWith("J\xF6rg0001\r\n 99\r\n\r\n"));
    QVERIFY(bytes.endsWith("--------------------\r\n"));
    QCOMPARE(bytes.count("\r\n"), 42);

    // A file that cannot be created stops the export before any pass number is looked at.
    m_dialogs.Clear();
    Fill(c.Heim, 1, "kurz", 99);
    QVERIFY(!ExportOnlineReport(c, dir.filePath("fehlt/RWKO.TXT")));
    QCOMPARE(m_dialogs.Messages(), QStringList {"E/A-Fehler 2"});
}

QTEST_GUILESS_MAIN(TestOnlineExport)
#include "tst_onlineexport.moc"
