#include "model/competitionfile.h"

#include "base/blanks.h"
#include "base/inidocument.h"
#include "base/inifile.h"
#include "base/numberformat.h"
#include "base/userdialogs.h"
#include "settings/setupdaten.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Header = QStringLiteral("Header");
const QString Registrierung = QStringLiteral("Registrierung");
const QString HeimSection = QStringLiteral("Heim");
const QString GastSection = QStringLiteral("Gast");
constexpr int GespeicherteSchuesse = 60;

// A team key with position and, where given, series or shot number: "Name3", "Serie10_6".
QString Key(const char *name, int i)
{
    return QLatin1String(name) + QString::number(i);
}
QString Key(const char *name, int i, int n)
{
    return Key(name, i) + u'_' + QString::number(n);
}

bool ReadJaNein(const TIniDocument &ini, const QString &section, const QString &key)
{
    return ini.ReadString(section, key, QString()).toUpper() == QLatin1String("JA");
}

double ReadReal(const TIniDocument &ini, const QString &section, const QString &key)
{
    double value = 0;
    return ParseReal(ini.ReadString(section, key, QString()), value) ? value : 0.0;
}

// "OK;ring;Teiler;Winkel". Anything not starting with exactly "OK" is an absent shot.
bool ReadShot(const QString &stored, TYSchuss &shot, QString &badField)
{
    QString rest = stored;
    if (NextField(rest) != QLatin1String("OK"))
        return true;
    shot.Status = SchussVorhanden;
    float *fields[] = {&shot.Ring, &shot.Teiler, &shot.Winkel};
    for (float *field : fields) {
        const QString text = NextField(rest);
        double value = 0;
        if (!ParseReal(text, value)) {
            badField = text;
            return false;
        }
        *field = float(value);
    }
    return true;
}

QString ShotText(const TYSchuss &s, const Competition &c)
{
    return QLatin1String("OK;") + c.FormatRinge(s.Ring) + u';' + FormatTeiler(s.Teiler) + u';'
            + FormatWinkel(s.Winkel);
}

void ApplyTeamLimit(Competition &c)
{
    if (c.Mannschaftstaerke + c.OMannschafts > 8) {
        if (c.Mannschaftstaerke > 8)
            c.Mannschaftstaerke = 8;
        if (c.Mannschaftstaerke + c.OMannschafts > 8)
            c.OMannschafts = 8 - c.Mannschaftstaerke;
    }
}

TIniDocument ReadDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TIniDocument::FromBytes({});
    return TIniDocument::FromBytes(file.readAll());
}

// The header into `c`; the keys exactly as the program reads them.
void ReadHeader(const TIniDocument &ini, Competition &c)
{
    c.Kopfdaten[KopfKlasse] = ini.ReadString(Header, "Klasse", QString());
    c.Kopfdaten[KopfGruppe] = ini.ReadString(Header, "Gruppe", QString());
    c.Kopfdaten[KopfWaffe] = ini.ReadString(Header, "Waffe", QString());
    c.Kopfdaten[KopfLiga] = ini.ReadString(Header, "Liga", QString());
    c.Kopfdaten[KopfDatum] = ini.ReadString(Header, "Datum", QString());
    c.Kopfdaten[KopfDurchgang] = ini.ReadString(Header, "Durchgang", QString());
    c.Kopfdaten[KopfErgebniserfassung] =
            ini.ReadString(Header, "Ringlesegeraet", ErfassungRinglesegeraet);
    c.Sortieren = ini.ReadBool(Header, "Sortieren", false);
    c.DISAG = ini.ReadString(Header, "DISAG", QString());
    c.Mannschaftstaerke = ini.ReadInteger(Header, "Mannschaftstaerke", 4);
    c.OMannschafts = ini.ReadInteger(Header, "OMannschafts", 0);
    ApplyTeamLimit(c);
    c.Schussanzahl = ini.ReadInteger(Header, "Schussanzahl", 40);
    c.Schussanzahl_Serie = ini.ReadInteger(Header, "Schussanzahl_Serie", 10);
}

} // namespace

QString NextField(QString &value)
{
    const qsizetype semicolon = value.indexOf(u';');
    if (semicolon < 0) {
        QString field = value;
        value.clear();
        return field;
    }
    QString field = value.left(semicolon);
    value.remove(0, semicolon + 1);
    return field;
}

bool ReadTeam(const TIniDocument &ini, const QString &section, TyMannschaft &team,
              TReadProblems &problems)
{
    ClearTeam(team);
    team.Name = ini.ReadString(section, "Name", QString());
    team.Mann_ident = ini.ReadString(section, "Mann_ident", QString());
    team.Vnr = ini.ReadString(section, "Vnr", QString());
    bool sound = true;
    for (int i = 1; i <= PositionenAnzahl; ++i) {
        TYTeilnehmer &p = team.Teilnehmer[i];
        p.Name = ini.ReadString(section, Key("Name", i), QString());
        p.Bemerk = ini.ReadString(section, Key("Bemerk", i), QString());
        p.Passnr = ini.ReadString(section, Key("Passnr", i), QString());
        p.Stammschuetze = ReadJaNein(ini, section, Key("Stammschuetze", i));
        p.NurEinzel = ReadJaNein(ini, section, Key("NurEinzel", i));
        for (int n = 1; n <= SerienAnzahl; ++n)
            p.Serie[n] = ReadReal(ini, section, Key("Serie", i, n));
        for (int n = 1; n <= GespeicherteSchuesse; ++n) {
            const QString key = Key("Schuss", i, n);
            QString badField;
            if (ReadShot(ini.ReadString(section, key, QString()), p.Schuss[n], badField))
                continue;
            sound = false;
            const QString message = InvalidRealMessage(badField);
            if (!problems.collect) {
                problems.found.append(message);
                return false;
            }
            problems.found.append(QStringLiteral("[%1] %2: %3").arg(section, key, message));
        }
    }
    return sound;
}

void WriteTeam(TIniDocument &ini, const QString &section, const TyMannschaft &team,
               const Competition &c)
{
    const QString ja = QStringLiteral("Ja"), nein = QStringLiteral("Nein");
    ini.WriteString(section, "Name", team.Name);
    ini.WriteString(section, "Mann_ident", team.Mann_ident);
    ini.WriteString(section, "Vnr", team.Vnr);
    for (int i = 1; i <= PositionenAnzahl; ++i) {
        const TYTeilnehmer &p = team.Teilnehmer[i];
        ini.WriteString(section, Key("Name", i), p.Name);
        if (HoldsNonBlank(p.Bemerk))
            ini.WriteString(section, Key("Bemerk", i), p.Bemerk);
        ini.WriteString(section, Key("Passnr", i), p.Passnr);
        ini.WriteString(section, Key("Stammschuetze", i), p.Stammschuetze ? ja : nein);
        ini.WriteString(section, Key("NurEinzel", i), i > c.Mannschaftstaerke ? ja : nein);
        for (int n = 1; n <= SerienAnzahl; ++n)
            ini.WriteString(section, Key("Serie", i, n), FormatGeneral(p.Serie[n]));
        for (int n = 1; n <= GespeicherteSchuesse; ++n) {
            if (IsPresent(p.Schuss[n]))
                ini.WriteString(section, Key("Schuss", i, n), ShotText(p.Schuss[n], c));
        }
    }
}

TIniDocument CompetitionDocument(const Competition &c, const tSetupdaten &settings)
{
    TIniDocument ini;
    ini.WriteString(Header, "Klasse", c.Kopfdaten[KopfKlasse]);
    ini.WriteString(Header, "Gruppe", c.Kopfdaten[KopfGruppe]);
    ini.WriteString(Header, "Waffe", c.Kopfdaten[KopfWaffe]);
    ini.WriteBool(Header, "Sortieren", c.Sortieren);
    ini.WriteString(Header, "Liga", c.Kopfdaten[KopfLiga]);
    ini.WriteString(Header, "Datum", c.Kopfdaten[KopfDatum]);
    ini.WriteString(Header, "Durchgang", c.Kopfdaten[KopfDurchgang]);
    ini.WriteInteger(Header, "Mannschaftstaerke", c.Mannschaftstaerke);
    ini.WriteInteger(Header, "OMannschafts", c.OMannschafts);
    ini.WriteString(Header, "DISAG", c.DISAG);
    ini.WriteInteger(Header, "Schussanzahl", c.Schussanzahl);
    ini.WriteInteger(Header, "Schussanzahl_Serie", c.Schussanzahl_Serie);
    ini.WriteString(Header, "Ringlesegeraet", c.Kopfdaten[KopfErgebniserfassung]);
    ini.WriteString(Registrierung, "Vereinsname", settings.Vereinsname);
    ini.WriteString(Registrierung, "Vereinnr", settings.Vereinnr);
    WriteTeam(ini, HeimSection, c.Heim, c);
    WriteTeam(ini, GastSection, c.Gast, c);
    return ini;
}

bool LoadCompetition(Competition &c)
{
    const TIniDocument ini = ReadDocument(c.Dateiname);
    ReadHeader(ini, c);
    TReadProblems problems;
    bool sound = ReadTeam(ini, HeimSection, c.Heim, problems);
    if (sound)
        sound = ReadTeam(ini, GastSection, c.Gast, problems);
    c.Geaendert = false;
    if (!sound)
        UserDialogs().MessageDlg(problems.found.first(), TMsgIcon::Error, TMsgButtons::Ok);
    return sound;
}

TSaveOutcome SaveCompetition(Competition &c, tSetupdaten &settings)
{
    TSaveOutcome outcome;
    if (c.IsUnnamed()) {
        TFileDialogOptions options;
        options.filter = QStringLiteral("Rundenwettkampf (*.rw)|*.rw");
        options.defaultExt = QStringLiteral("RW");
        options.initialDir = settings.Daten;
        const auto path = UserDialogs().SaveFileName(options);
        if (!path)
            return outcome;
        c.Dateiname = *path;
    }
    outcome.historyChanged = settings.AddToHistory(c.Dateiname);
    if (!WriteFileAtomically(c.Dateiname, CompetitionDocument(c, settings).ToBytes())) {
        UserDialogs().MessageDlg(
                QStringLiteral("nach %1 kann nicht geschrieben werden").arg(c.Dateiname),
                TMsgIcon::Error, TMsgButtons::Ok);
        outcome.result = TSaveResult::Failed;
        return outcome;
    }
    c.Geaendert = false;
    outcome.result = TSaveResult::Saved;
    return outcome;
}

TSaveOutcome SaveCompetitionAs(Competition &c, tSetupdaten &settings)
{
    TFileDialogOptions options;
    options.filter = QStringLiteral("Rundenwettkampf (*.rw)|*.rw");
    options.defaultExt = QStringLiteral("RW");
    const auto path = UserDialogs().SaveFileName(options);
    if (!path)
        return {};
    c.Dateiname = *path;
    return SaveCompetition(c, settings);
}

QStringList CheckCompetitionFile(const QString &path)
{
    QStringList found;
    if (!QFileInfo::exists(path))
        return {QStringLiteral("%1: Datei nicht gefunden").arg(path)};
    const TIniDocument ini = ReadDocument(path);
    const auto checkInteger = [&](const char *key) {
        const auto raw = ini.RawValue(Header, key);
        if (raw && !ProfileInteger(ProfileString(*raw)))
            found.append(QStringLiteral("[Header] %1: '%2' ist keine ganze Zahl, gelesen wird "
                                        "der Vorgabewert")
                                 .arg(QLatin1String(key), ProfileString(*raw)));
    };
    for (const char *key :
         {"Sortieren", "Mannschaftstaerke", "OMannschafts", "Schussanzahl", "Schussanzahl_Serie"})
        checkInteger(key);

    Competition c;
    ReadHeader(ini, c);
    const int n = ini.ReadInteger(Header, "Mannschaftstaerke", 4);
    const int om = ini.ReadInteger(Header, "OMannschafts", 0);
    if (n != c.Mannschaftstaerke || om != c.OMannschafts)
        found.append(QStringLiteral("[Header] Mannschaftstaerke %1 + OMannschafts %2 übersteigt "
                                    "8: gelesen wird %3 + %4")
                             .arg(n)
                             .arg(om)
                             .arg(c.Mannschaftstaerke)
                             .arg(c.OMannschafts));
    if (c.Schussanzahl_Serie <= 0)
        found.append(QStringLiteral("[Header] Schussanzahl_Serie %1: Serien können nicht aus "
                                    "Schüssen berechnet werden")
                             .arg(c.Schussanzahl_Serie));
    if (c.Schussanzahl < 1 || c.Schussanzahl > MaxSchuss)
        found.append(QStringLiteral("[Header] Schussanzahl %1 liegt nicht in 1..%2")
                             .arg(c.Schussanzahl)
                             .arg(MaxSchuss));

    for (const QString &section : {HeimSection, GastSection}) {
        for (int i = 1; i <= PositionenAnzahl; ++i) {
            for (int s = 1; s <= SerienAnzahl; ++s) {
                const auto raw = ini.RawValue(section, Key("Serie", i, s));
                double value = 0;
                if (raw && !ProfileString(*raw).isEmpty() && !ParseReal(ProfileString(*raw), value))
                    found.append(QStringLiteral("[%1] %2: %3, gelesen wird 0")
                                         .arg(section, Key("Serie", i, s),
                                              InvalidRealMessage(ProfileString(*raw))));
            }
        }
        TReadProblems problems;
        problems.collect = true;
        TyMannschaft team;
        ReadTeam(ini, section, team, problems);
        found += problems.found;
    }
    return found;
}
