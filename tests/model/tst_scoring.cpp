#include "base/numberformat.h"
#include "model/scoring.h"
#include "testsupport.h"

#include <QTest>

namespace {

TYTeilnehmer WithSeries(const QString &name, std::initializer_list<double> series)
{
    TYTeilnehmer p;
    p.Name = name;
    int n = 1;
    for (double s : series)
        p.Serie[n++] = s;
    return p;
}

TyMannschaft TeamWithTotals(std::initializer_list<double> totals)
{
    TyMannschaft team;
    int i = 1;
    for (double t : totals) {
        team.Teilnehmer[i] = WithSeries(QString("S%1").arg(i), {t});
        ++i;
    }
    return team;
}

QList<double> Totals(const TyMannschaft &team, int count)
{
    QList<double> totals;
    for (int i = 1; i <= count; ++i)
        totals << ParticipantTotal(team.Teilnehmer[i]);
    return totals;
}

} // namespace

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestLocale(); }
    void recomputeSeriesFromShots();
    void recomputeSeriesGuards_data();
    void recomputeSeriesGuards();
    void absentSlotsCountNothing();
    void tenthSumsInDoublePrecision();
    void seriesLineSkipsEmptySeries();
    void teamTextsForTheGrid();
    void sortRanksAllTenPositions();
    void sortKeepsOrderOfEqualResults();
    void sortMovesWholeRecords();
};

void TestScoring::recomputeSeriesFromShots()
{
    TYTeilnehmer p;
    p.Serie[5] = 77; // beyond the shots: keeps its value
    for (int i = 1; i <= 40; ++i)
        p.Schuss[i] = {0, 0, 9.0f, 1};
    p.Schuss[41] = {0, 0, 10.0f, 1}; // after the last series: in no series
    RecomputeSeries(p, 40, 10);
    QCOMPARE(p.Serie[1], 90.0);
    QCOMPARE(p.Serie[4], 90.0);
    QCOMPARE(p.Serie[5], 77.0);
    QCOMPARE(p.Serie[6], 0.0);
    QCOMPARE(ParticipantTotal(p), 437.0);
}

void TestScoring::recomputeSeriesGuards_data()
{
    QTest::addColumn<int>("schussanzahl");
    QTest::addColumn<int>("proSerie");
    QTest::addColumn<QList<double>>("series");
    // An edited file may hold numbers the home team dialog never offers.
    QTest::newRow("0 per series leaves the series") << 40 << 0 << QList<double> {1, 2, 3, 4, 5, 6};
    QTest::newRow("negative per series") << 40 << -10 << QList<double> {1, 2, 3, 4, 5, 6};
    QTest::newRow("more than six series") << 120 << 10 << QList<double> {10, 10, 10, 10, 10, 10};
    QTest::newRow("more shots than slots") << 500 << 20 << QList<double> {20, 20, 20, 20, 20, 20};
}

void TestScoring::recomputeSeriesGuards()
{
    QFETCH(int, schussanzahl);
    QFETCH(int, proSerie);
    QFETCH(QList<double>, series);
    TYTeilnehmer p = WithSeries("x", {1, 2, 3, 4, 5, 6});
    for (int i = 1; i <= MaxSchuss; ++i)
        p.Schuss[i] = {0, 0, 1.0f, 1};
    RecomputeSeries(p, schussanzahl, proSerie);
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(p.Serie[n], series[n - 1]);
}

void TestScoring::absentSlotsCountNothing()
{
    TYTeilnehmer p;
    p.Schuss[3].Status = 0x80; // a mark left in an absent slot
    RecomputeSeries(p, 40, 10);
    QCOMPARE(ParticipantTotal(p), 0.0);
}

void TestScoring::tenthSumsInDoublePrecision()
{
    TYTeilnehmer p;
    p.Schuss[1].Ring = 10.4f;
    p.Schuss[2].Ring = 10.4f;
    p.Schuss[3].Ring = 10.2f;
    RecomputeSeries(p, 3, 3);
    QVERIFY(p.Serie[1] < 31.0); // single values added in double: a little below 31
    QCOMPARE(FormatRing(RingformatZehntel, p.Serie[1]), Localised("31,0"));
    QCOMPARE(FormatRing(RingformatGanz, p.Serie[1]), QString(" 31"));
}

void TestScoring::seriesLineSkipsEmptySeries()
{
    const TYTeilnehmer p = WithSeries("Meier", {0, 95, 0, 97});
    QCOMPARE(SeriesLine(p, RingformatGanz), QString("   95   97"));
    QCOMPARE(SeriesLine(p, RingformatZehntel), Localised("  95,0  97,0"));
}

void TestScoring::teamTextsForTheGrid()
{
    Competition c;
    c.Mannschaftstaerke = 2;
    c.Heim.Name = "SV Musterdorf 1";
    c.Heim.Teilnehmer[1] = WithSeries("Erster", {95, 96});
    c.Heim.Teilnehmer[2] = WithSeries("Zweiter", {9.5});
    c.Heim.Teilnehmer[3] = WithSeries("Einzel", {99}); // beyond N: shown, not in the total
    const TTeamTexts t = TeamTexts(c.Heim, c);
    QCOMPARE(t.name, QString("SV Musterdorf 1"));
    QCOMPARE(t.total, QString("201")); // 191 + 9.5 = 200.5, half away from zero
    QCOMPARE(t.nameCells[1], QString("Erster\r   95   96"));
    QCOMPARE(t.totalCells[1], QString("191"));
    QCOMPARE(t.nameCells[3], QString("Einzel\r   99"));
    QCOMPARE(t.nameCells[10], QString("\r"));
    QCOMPARE(t.totalCells[10], QString("  0"));
}

void TestScoring::sortRanksAllTenPositions()
{
    Competition c;
    c.Mannschaftstaerke = 4;
    c.Heim = TeamWithTotals({350, 360, 340, 0, 370, 355});
    c.Heim.Teilnehmer[5].NurEinzel = true;
    c.Geaendert = false;
    QCOMPARE(TeamTotal(c.Heim, 4), 1050.0);
    SortTeams(c);
    QCOMPARE(Totals(c.Heim, 6), (QList<double> {370, 360, 355, 350, 340, 0}));
    QCOMPARE(TeamTotal(c.Heim, 4), 1435.0);
    for (int q = 1; q <= 10; ++q)
        QCOMPARE(c.Heim.Teilnehmer[q].NurEinzel, q > 4);
    QVERIFY(!c.Geaendert);
}

void TestScoring::sortKeepsOrderOfEqualResults()
{
    TyMannschaft team;
    team.Teilnehmer[1] = WithSeries("A", {90, 100});
    team.Teilnehmer[2] = WithSeries("B", {95, 95});
    team.Teilnehmer[3] = WithSeries("C", {190});
    team.Teilnehmer[4] = WithSeries("D", {0, -5}); // series below 0 do not enter the key
    team.Teilnehmer[6] = WithSeries("E", {191});
    for (int round = 0; round < 3; ++round)
        SortTeamByResult(team, 4);
    QStringList order;
    for (int i = 1; i <= 10; ++i)
        order << team.Teilnehmer[i].Name;
    QCOMPARE(order, QStringList({"E", "A", "B", "C", "D", "", "", "", "", ""}));
}

void TestScoring::sortMovesWholeRecords()
{
    TyMannschaft team;
    team.Teilnehmer[1] = WithSeries("Schwach", {80});
    team.Teilnehmer[1].Schuss[1] = {12, 34, 8, 1};
    team.Teilnehmer[1].Stammschuetze = true;
    team.Teilnehmer[2] = WithSeries("Stark", {99});
    SortTeamByResult(team, 4);
    QCOMPARE(team.Teilnehmer[2].Name, QString("Schwach"));
    QCOMPARE(team.Teilnehmer[2].Schuss[1], (TYSchuss {12, 34, 8, 1}));
    QVERIFY(team.Teilnehmer[2].Stammschuetze);
    QVERIFY(!team.Teilnehmer[1].Stammschuetze);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
