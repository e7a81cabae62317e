// Load and save of a full competition file (10 + 10 shooters, 60 shots each), against reading
// and writing the same bytes with plain file I/O.
#include "base/inifile.h"
#include "base/scripteddialogs.h"
#include "model/competitionfile.h"
#include "settings/setupdaten.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Competition FullCompetition(const QString &path)
{
    Competition c;
    c.Dateiname = path;
    c.Ringformat = RingformatZehntel;
    c.Mannschaftstaerke = 10;
    for (TyMannschaft *team : {&c.Heim, &c.Gast}) {
        team->Name = "SV Musterdorf 1";
        for (int i = 1; i <= 10; ++i) {
            TYTeilnehmer &p = team->Teilnehmer[i];
            p.Name = QString("Schütze Nummer %1").arg(i);
            p.Passnr = QString("1234567%1").arg(i % 10);
            p.Bemerk = "Jugend";
            for (int n = 1; n <= 60; ++n)
                p.Schuss[n] = {float(n * 7.3), float((n * 37) % 360), 10.0f - float(n % 9) / 10, 1};
            for (int s = 1; s <= 6; ++s)
                p.Serie[s] = 98.7;
        }
    }
    return c;
}

struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath("voll.RW");
    tSetupdaten settings;
    Fixture()
    {
        Competition c = FullCompetition(path);
        SaveCompetition(c, settings);
    }
};

void BM_LoadCompetition(benchmark::State &state)
{
    Fixture f;
    for (auto _ : state) {
        Competition c;
        c.Dateiname = f.path;
        benchmark::DoNotOptimize(LoadCompetition(c));
    }
}

void BM_SaveCompetition(benchmark::State &state)
{
    Fixture f;
    Competition c = FullCompetition(f.path);
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveCompetition(c, f.settings));
}

void BM_SaveCompetitionNoSync(benchmark::State &state)
{
    // The same save without the final flush to disk: shows what the durability costs.
    Fixture f;
    Competition c = FullCompetition(f.path);
    for (auto _ : state) {
        QFile out(f.path);
        out.open(QIODevice::WriteOnly);
        out.write(CompetitionFileBytes(c, f.settings));
    }
}

void BM_PlainReadWrite(benchmark::State &state)
{
    Fixture f;
    const QString copy = f.dir.filePath("kopie.RW");
    for (auto _ : state) {
        QFile in(f.path);
        in.open(QIODevice::ReadOnly);
        const QByteArray bytes = in.readAll();
        QFile out(copy);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
    }
    state.counters["bytes"] = double(QFile(f.path).size());
}

} // namespace

BENCHMARK(BM_LoadCompetition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveCompetition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveCompetitionNoSync)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainReadWrite)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TScriptedDialogs dialogs;
    TUserDialogsScope scope(dialogs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
