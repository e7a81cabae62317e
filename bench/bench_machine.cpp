// The machine link's two figures: the CPU the driver burns while it waits for a machine that
// never answers, and the time from the last byte of a shot frame on the line to the decoded shot.

#include "machine/ansteuerung.h"
#include "machine/disagframe.h"
#include "machine/shotmessage.h"

#include "base/consoledialogs.h"
#include "settings/setupdaten.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

// The machine's end of a pseudo-terminal; the driver opens the other end.
class TLineEnd
{
public:
    TLineEnd()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(m_master);
        ::unlockpt(m_master);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        Setupdaten().Schnittstelle = QString::fromLocal8Bit(::ptsname(m_master));
    }
    ~TLineEnd() { ::close(m_master); }
    void Write(const QByteArray &bytes) const
    {
        [[maybe_unused]] const ssize_t n =
                ::write(m_master, bytes.constData(), size_t(bytes.size()));
    }
    void Discard() const
    {
        char buffer[256];
        while (::read(m_master, buffer, sizeof buffer) > 0) { }
    }

private:
    int m_master = -1;
};

double CpuSeconds()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_WaitForSilentMachine(benchmark::State &state)
{
    TLineEnd line;
    TFRMAnsteuerung driver;
    driver.OpenPort(br38400);
    for (auto _ : state) {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = CpuSeconds();
        driver.SendCommand(QString()); // ENQ every 200 ms for 3 s, no answer
        const double cpu = CpuSeconds() - cpuStart;
        const double wall =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.SetIterationTime(wall);
        state.counters["cpu_ms"] = cpu * 1000;
        state.counters["cpu_percent_of_core"] = 100 * cpu / wall;
        line.Discard();
    }
}

void BM_ShotFrameToDecodedShot(benchmark::State &state)
{
    TLineEnd line;
    TFRMAnsteuerung driver;
    driver.OpenPort(br38400);
    const int frames = int(state.range(0));
    std::vector<double> latencies;
    for (auto _ : state) {
        latencies.clear();
        for (int n = 1; n <= frames; ++n) {
            const QByteArray frame =
                    DisagFrame("SCH=" + QByteArray::number(n % 120 + 1) + ";10.4;123.5;45.0;G");
            driver.MessageComplete = false;
            line.Write(frame);
            const auto written = std::chrono::steady_clock::now();
            driver.Wait([&] { return driver.MessageComplete; }, driver.Clock().Now() + 2000);
            int index = 0;
            const TYSchuss shot = DecodeShotMessage(driver.Received, Sch_LG10, index);
            benchmark::DoNotOptimize(shot);
            latencies.push_back(std::chrono::duration<double, std::milli>(
                                        std::chrono::steady_clock::now() - written)
                                        .count());
            line.Discard(); // the driver's ACK
        }
        std::sort(latencies.begin(), latencies.end());
        state.SetIterationTime(latencies[latencies.size() / 2] / 1000);
        state.counters["median_ms"] = latencies[latencies.size() / 2];
        state.counters["p95_ms"] = latencies[latencies.size() * 95 / 100];
        state.counters["max_ms"] = latencies.back();
    }
}

} // namespace

BENCHMARK(BM_WaitForSilentMachine)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShotFrameToDecodedShot)
        ->Arg(1000)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TConsoleDialogs dialogs;
    TUserDialogsScope scope(dialogs);
    Setupdaten().Ringlesegeraet = 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
