// A ring-reading machine on a pseudo-terminal, for trying the program and for its tests without
// a machine on the table. Prints the device path on the first line, then every message.

#include "disagmachine.h"
#include "polledmachine.h"
#include "pseudoterminal.h"
#include "simoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

bool ReadOptions(const QCoreApplication &app, TSimOptions &o, QString &error)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
            "Simuliert ein Ringlesegerät an einem Pseudo-Terminal. Die erste Ausgabezeile ist "
            "der Gerätepfad, den das Programm als Schnittstelle verwendet."));
    p.addHelpOption();
    const QCommandLineOption machine(QStringLiteral("machine"),
                                     QStringLiteral("disag, sam, rm4 oder rika (disag)"),
                                     QStringLiteral("NAME"), QStringLiteral("disag"));
    const QCommandLineOption shots(QStringLiteral("shots"),
                                   QStringLiteral("Schüsse der Serie (DISAG: SGE= der "
                                                  "Parameter, sonst 40)"),
                                   QStringLiteral("N"));
    const QCommandLineOption perTarget(QStringLiteral("per-target"),
                                       QStringLiteral("SAM/RIKA: Schüsse pro Ergebnisblock"),
                                       QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption series(QStringLiteral("series"),
                                    QStringLiteral("Schüsse ring/teiler/winkel[/G|K|U],..."),
                                    QStringLiteral("LISTE"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Startwert der Zufallsserie"), QStringLiteral("N"),
                                  QStringLiteral("1"));
    const QCommandLineOption strip(QStringLiteral("strip"),
                                   QStringLiteral("SAM: Lagen wie auf einem Streifen gelesen"));
    const QCommandLineOption interval(QStringLiteral("interval"),
                                      QStringLiteral("ms zwischen zwei Meldungen"),
                                      QStringLiteral("MS"), QStringLiteral("20"));
    const QCommandLineOption targetDelay(QStringLiteral("target-delay"),
                                         QStringLiteral("ms Auswertung einer Scheibe"),
                                         QStringLiteral("MS"), QStringLiteral("100"));
    const QCommandLineOption silent(QStringLiteral("silent"),
                                    QStringLiteral("antwortet auf nichts (ausgeschaltet)"));
    const QCommandLineOption needsLoading(
            QStringLiteral("needs-loading"),
            QStringLiteral("DISAG: schweigt, bis die Gerätesoftware geladen ist (\"W\" bei "
                           "2400 Bit/s)"));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("sendet jede Meldung in Stücken zu 2 Bytes"));
    const QCommandLineOption ackJoined(
            QStringLiteral("ack-joined"),
            QStringLiteral("DISAG: ACK und die folgende Meldung in einem Stück"));
    const QCommandLineOption badCheck(QStringLiteral("bad-check"),
                                      QStringLiteral("die ersten N Meldungen mit falschem "
                                                     "Prüfzeichen"),
                                      QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption nak(QStringLiteral("nak"),
                                 QStringLiteral("DISAG: die ersten N Befehle mit NAK ablehnen, "
                                                "-1 alle"),
                                 QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption garbleCount(QStringLiteral("garble-count"),
                                         QStringLiteral("SAM/RIKA: unlesbare Schusszahl"));
    p.addOptions({machine, shots, perTarget, series, seed, strip, interval, targetDelay, silent,
                  needsLoading, split, ackJoined, badCheck, nak, garbleCount});
    p.process(app);

    const QString family = p.value(machine).toLower();
    if (family == QLatin1String("disag"))
        o.family = TSimOptions::Disag;
    else if (family == QLatin1String("sam") || family == QLatin1String("rm4"))
        o.family = TSimOptions::Sam;
    else if (family == QLatin1String("rika"))
        o.family = TSimOptions::Rika;
    else {
        error = QStringLiteral("Unbekanntes Gerät: ") + family;
        return false;
    }
    o.shots = p.value(shots).toInt();
    o.perTarget = qBound(1, p.value(perTarget).toInt(), 999);
    o.series.SetSeed(p.value(seed).toUInt());
    if (p.isSet(series) && !o.series.SetScript(p.value(series))) {
        error = QStringLiteral("Serie nicht lesbar: ") + p.value(series);
        return false;
    }
    o.strip = p.isSet(strip);
    o.intervalMs = p.value(interval).toInt();
    o.targetDelayMs = p.value(targetDelay).toInt();
    o.silent = p.isSet(silent);
    o.needsLoading = p.isSet(needsLoading);
    o.split = p.isSet(split);
    o.ackJoined = p.isSet(ackJoined);
    o.badCheck = p.value(badCheck).toInt();
    o.nak = p.value(nak).toInt();
    o.garbleCount = p.isSet(garbleCount);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    TSimOptions options;
    QString error;
    if (!ReadOptions(app, options, error)) {
        err << error << Qt::endl;
        return 2;
    }
    TPseudoTerminal line;
    if (!line.Open(error)) {
        err << "Kein Pseudo-Terminal: " << error << Qt::endl;
        return 1;
    }
    out << line.DevicePath() << Qt::endl;

    std::unique_ptr<QObject> machine;
    if (options.family == TSimOptions::Disag)
        machine = std::make_unique<TDisagMachine>(line, options, out);
    else
        machine = std::make_unique<TPolledMachine>(line, options, out);
    return app.exec();
}
