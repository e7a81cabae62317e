#include "settings/setupdaten.h"

#include "base/configfolder.h"
#include "base/inifile.h"

#include <QDir>

const std::array<const char *, RinglesegeraetAnzahl> Ringlesegeraetenamen = {
        "RM2/RM3", "RM3U", "RM2Alt", "SAM", "RIKA", "RM 4"};

const std::array<const char *, RinglesegeraetAnzahl> Ringlesegeraetetexte = {
        "DISAG-RMII  RMIII    RMIV",
        "DISAG-RMIII-Universal",
        "DISAG- RMII alt (Ser.Nr. 5000..5230)",
        "SAM / RIKA alt",
        "RIKA",
        "DISAG RMIV Vers: vor 1.05.02 (SAM 4000-Protokoll)"};

namespace {

const QString DefaultVereinsname = QStringLiteral("Schützenverein Musterdorf");
const QString DefaultEmpfaenger = QStringLiteral("rwk-leitung@example.org");
const QString DefaultSender = QStringLiteral("verein@example.org");
const QString DefaultSMTP = QStringLiteral("smtp.example.org");

} // namespace

tSetupdaten::tSetupdaten()
    : Vereinsname(DefaultVereinsname), Empfaenger(DefaultEmpfaenger), Sender(DefaultSender),
      SMTP(DefaultSMTP)
{ }

QString tSetupdaten::RinglesegeraetName() const
{
    return QString::fromLatin1(Ringlesegeraetenamen[qMin<int>(Ringlesegeraet, 5)]);
}

void tSetupdaten::SetDaten(const QString &directory)
{
    Daten = directory.left(DatenverzeichnisMaxLaenge);
}

void tSetupdaten::Load(const QString &file)
{
    const TIniDocument ini = TIniFile(file).Load();
    const tSetupdaten d;

    FarbeHintergrund = ini.ReadInteger("Rangliste", "Farbe_Hintergrund", d.FarbeHintergrund);
    FarbeSchrift = ini.ReadInteger("Rangliste", "Farbe_Schrift", d.FarbeSchrift);
    Zeilenhervorhebung = ini.ReadBool("Rangliste", "Zeilenhervorhebung", d.Zeilenhervorhebung);
    FarbeSpiegel = ini.ReadInteger("Schussbild", "Farbe_Spiegel", d.FarbeSpiegel);
    FarbeSchuss = ini.ReadInteger("Schussbild", "Farbe_Schuss", d.FarbeSchuss);
    Strichbreite = ini.ReadInteger("Schussbild", "Strichbreite", d.Strichbreite);
    Datum = ini.ReadBool("Schussbild", "Datum", d.Datum);
    SetDaten(ini.ReadString("Pfade", "Daten", QString()));
    if (!Daten.isEmpty())
        QDir::setCurrent(Daten);
    Empfaenger = ini.ReadString("Email", "Empfaenger", d.Empfaenger);
    Kopie = ini.ReadString("Email", "Kopie", d.Kopie);
    Sender = ini.ReadString("Email", "Sender", d.Sender);
    SMTP = ini.ReadString("Email", "SMTP", d.SMTP);
    UserId = ini.ReadString("Email", "USERID", d.UserId);
    Balken = ini.ReadInteger("Diagramm", "Balken", d.Balken);
    Balken10 = ini.ReadInteger("Diagramm", "Balken10", d.Balken10);
    Schusswerte = ini.ReadBool("Diagramm", "Schusswerte", d.Schusswerte);
    Vereinsname = ini.ReadString("Registrierung", "Vereinsname", d.Vereinsname);
    Vereinnr = ini.ReadString("Registrierung", "Vereinnr", d.Vereinnr);
    Comport9600 = ini.ReadString("Hardware", "Comport9600", d.Comport9600).left(1);
    Ringlesegeraet = 1;
    const QString geraet = ini.ReadString("Hardware", "Ringlesegeraete", QString());
    for (int i = 0; i < RinglesegeraetAnzahl; ++i) {
        if (geraet == QLatin1String(Ringlesegeraetenamen[i]))
            Ringlesegeraet = quint8(i);
    }
    Comport = ini.ReadInteger("Hardware", "Comport", d.Comport);
    Schnittstelle = ini.ReadString("Hardware", "Schnittstelle", d.Schnittstelle);
    Datenprotokoll = ini.ReadBool("Hardware", "Datenprotokoll", d.Datenprotokoll);
    for (int i = 1; i <= HistoryAnzahl; ++i)
        History[i] = ini.ReadString("History", QString::number(i), QString());
}

bool tSetupdaten::WriteAll(const QString &file, const QString &fullDataDirectory) const
{
    return TIniFile(file).Update([&](TIniDocument &ini) {
        ini.WriteInteger("Rangliste", "Farbe_Hintergrund", FarbeHintergrund);
        ini.WriteInteger("Rangliste", "Farbe_Schrift", FarbeSchrift);
        ini.WriteBool("Rangliste", "Zeilenhervorhebung", Zeilenhervorhebung);
        ini.WriteInteger("Schussbild", "Farbe_Spiegel", FarbeSpiegel);
        ini.WriteInteger("Schussbild", "Farbe_Schuss", FarbeSchuss);
        ini.WriteInteger("Schussbild", "Strichbreite", Strichbreite);
        ini.WriteBool("Schussbild", "Datum", Datum);
        ini.WriteInteger("Diagramm", "Balken", Balken);
        ini.WriteInteger("Diagramm", "Balken10", Balken10);
        ini.WriteBool("Diagramm", "Schusswerte", Schusswerte);
        ini.WriteString("Pfade", "Daten", fullDataDirectory);
        ini.WriteString("Hardware", "Ringlesegeraete", RinglesegeraetName());
        ini.WriteString("Hardware", "Comport9600", Comport9600);
        ini.WriteInteger("Hardware", "Comport", Comport);
        ini.WriteString("Hardware", "Schnittstelle", Schnittstelle);
        ini.WriteBool("Hardware", "Datenprotokoll", Datenprotokoll);
        ini.WriteString("Email", "Empfaenger", Empfaenger);
        ini.WriteString("Email", "Kopie", Kopie);
        ini.WriteString("Email", "Sender", Sender);
        ini.WriteString("Email", "SMTP", SMTP);
        ini.WriteString("Email", "UserId", UserId);
        ini.WriteString("Registrierung", "Vereinsname", Vereinsname);
        ini.WriteString("Registrierung", "Vereinnr", Vereinnr);
    });
}

bool tSetupdaten::WriteHistory(const QString &file) const
{
    return TIniFile(file).Update([&](TIniDocument &ini) {
        for (int i = 1; i <= HistoryAnzahl; ++i)
            ini.WriteString("History", QString::number(i), History[i]);
    });
}

bool tSetupdaten::AddToHistory(const QString &path)
{
    for (const QString &entry : History) {
        if (entry == path)
            return false;
    }
    for (int i = HistoryAnzahl; i > 1; --i)
        History[i] = History[i - 1];
    History[1] = path;
    return true;
}

tSetupdaten &Setupdaten()
{
    static tSetupdaten settings;
    return settings;
}

QString SetupFileName()
{
    return ConfigFile(QStringLiteral("setupRW.ini"));
}
