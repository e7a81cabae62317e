#include "command_read.h"

#include "base/numberformat.h"
#include "machine/ansteuerung.h"
#include "machine/disagparameterstring.h"
#include "machine/shotmessage.h"
#include "settings/setupdaten.h"

#include <QTimer>

namespace {

struct TReadOptions
{
    QString device;
    int machine = -1;
    QString param;
    int shots = 0;
    int timeoutS = 60;
};

bool ReadArguments(const QStringList &args, TReadOptions &o, QTextStream &err)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &name = args.at(i);
        if (i + 1 >= args.size()) {
            err << "Wert fehlt: " << name << "\n";
            return false;
        }
        const QString value = args.at(++i);
        if (name == QLatin1String("--device")) {
            o.device = value;
        } else if (name == QLatin1String("--machine")) {
            for (int m = 0; m < RinglesegeraetAnzahl; ++m) {
                if (value.compare(QLatin1String(Ringlesegeraetenamen[size_t(m)]),
                                  Qt::CaseInsensitive)
                    == 0)
                    o.machine = m;
            }
            if (o.machine < 0) {
                err << "Unbekanntes Ringlesegerät: " << value << " (";
                for (int m = 0; m < RinglesegeraetAnzahl; ++m)
                    err << (m ? ", " : "") << Ringlesegeraetenamen[size_t(m)];
                err << ")\n";
                return false;
            }
        } else if (name == QLatin1String("--param")) {
            o.param = value;
        } else if (name == QLatin1String("--shots") || name == QLatin1String("--timeout")) {
            int n = 0;
            if (!ParseInteger(value, n) || n < 1) {
                err << "Keine gültige Zahl für " << name << ": " << value << "\n";
                return false;
            }
            (name == QLatin1String("--shots") ? o.shots : o.timeoutS) = n;
        } else {
            err << "Unbekannte Angabe: " << name << "\n";
            return false;
        }
    }
    if (o.device.isEmpty() || o.machine < 0) {
        err << "--device und --machine sind nötig.\n";
        return false;
    }
    return true;
}

void PrintShot(QTextStream &out, int number, const TYSchuss &shot)
{
    out << number << "  Ring " << FormatFixed(shot.Ring, 1) << "  Teiler "
        << FormatTeiler(shot.Teiler) << "  Winkel " << FormatWinkel(shot.Winkel) << "  Status "
        << shot.Status << "\n";
    out.flush();
}

int NoAnswer(QTextStream &err, int timeoutS)
{
    err << "Das Ringlesegerät antwortet nicht (" << timeoutS << " s ohne Meldung).\n";
    return 1;
}

// The DISAG dialogue: every message is acknowledged by the driver; shots are printed.
int ReadDisag(TFRMAnsteuerung &driver, const TReadOptions &o, const TDisagParameter &params,
              QTextStream &out, QTextStream &err)
{
    if (!driver.StartMachine(o.param) || driver.AbortRequested)
        return NoAnswer(err, o.timeoutS);
    int taken = 0;
    while (taken < o.shots) {
        driver.MessageComplete = false;
        if (!driver.Wait([&] { return driver.MessageComplete; },
                         driver.Clock().Now() + quint32(o.timeoutS) * 1000))
            return NoAnswer(err, o.timeoutS);
        const QByteArray message = driver.Received;
        if (message.contains("SCH=")) {
            int index = taken + 1;
            const TYSchuss shot = DecodeShotMessage(message, params.Scheibentyp, index);
            PrintShot(out, index, shot);
            ++taken;
        } else {
            err << "Meldung: " << QString::fromLatin1(message) << "\n";
        }
        if (message.contains("WSE"))
            break;
    }
    return 0;
}

// The polled machines: one result block after another until the count is reached.
int ReadPolled(TFRMAnsteuerung &driver, const TReadOptions &o, const TDisagParameter &params,
               QTextStream &out, QTextStream &err)
{
    driver.StartMachine(o.machine == 4 ? QStringLiteral("\x1bZ2\r") : QString());
    int taken = 0;
    int result = 0;
    while (taken < o.shots) {
        QTimer silence;
        silence.setSingleShot(true);
        QObject::connect(&silence, &QTimer::timeout, &driver, &TFRMAnsteuerung::RequestAbort);
        silence.start(o.timeoutS * 1000);
        driver.ReceiveResults();
        if (driver.AbortRequested) {
            result = NoAnswer(err, o.timeoutS);
            break;
        }
        TSchussArray shots;
        int count = 0;
        driver.ParseResults(driver.Received, params.Scheibentyp, shots, count);
        if (driver.AbortRequested) {
            result = 1;
            break;
        }
        for (int b = 1; b <= count && taken < o.shots; ++b)
            PrintShot(out, ++taken, shots[b]);
    }
    driver.AbortRequested = false;
    driver.SendRaw(QByteArray("\xD0"));
    if (driver.SamFamily) {
        driver.RemoteStarted = false;
        driver.SendRaw(QByteArray("\xB0"));
    }
    return result;
}

} // namespace

int CommandRead(const QStringList &args, QTextStream &out, QTextStream &err)
{
    TReadOptions o;
    if (!ReadArguments(args, o, err))
        return 2;
    Setupdaten().Schnittstelle = o.device;
    Setupdaten().Ringlesegeraet = quint8(o.machine);
    if (o.param.isEmpty())
        o.param = BuildParameterString(TDisagParameter {});
    TDisagParameter params;
    ParseParameterString(o.param, params);
    if (o.shots == 0)
        o.shots = params.SchussGesamt;

    TFRMAnsteuerung driver;
    driver.StatusCallback = [&err](const QString &text) {
        if (text == QLatin1String("Timeout"))
            err << "Keine Antwort auf ENQ.\n";
    };
    const bool polled = o.machine >= 3;
    const int result = polled ? ReadPolled(driver, o, params, out, err)
                              : ReadDisag(driver, o, params, out, err);
    driver.Comm1().Close();
    return result;
}
