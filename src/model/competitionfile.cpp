#include "model/competitionfile.h"

#include "base/blanks.h"
#include "base/inidocument.h"
#include "base/inifile.h"
#include "base/iniwriter.h"
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

// A team key with position and, where given, series or shot number ("Name3", "Serie10_6"),
// built on the stack: a full file has some 1500 of them.
class TKey
{
public:
    TKey(const char *name, int i, int n = 0)
    {
        while (*name)
            m_buf[m_len++] = char16_t(*name++);
        AppendNumber(i);
        if (n > 0) {
            m_buf[m_len++] = u'_';
            AppendNumber(n);
        }
    }
    QStringView View() const { return QStringView(m_buf, m_len); }
    QString Text() const { return View().toString(); }

private:
    void AppendNumber(int v)
    {
        char16_t digits[12];
        int count = 0;
        do {
            digits[count++] = char16_t(u'0' + v % 10);
            v /= 10;
        } while (v > 0);
        while (count > 0)
            m_buf[m_len++] = digits[--count];
    }
    char16_t m_buf[40];
    qsizetype m_len = 0;
};

QStringView ReadView(const TIniDocument &ini, QStringView section, const TKey &key)
{
    const auto raw = ini.RawValue(section, key.View());
    return raw ? ProfileView(*raw) : QStringView();
}

bool ReadJaNein(const TIniDocument &ini, QStringView section, const TKey &key)
{
    return ReadView(ini, section, key).compare(u"JA", Qt::CaseInsensitive) == 0;
}

double ReadReal(const TIniDocument &ini, QStringView section, const TKey &key)
{
    double value = 0;
    return ParseReal(ReadView(ini, section, key), value) ? value : 0.0;
}

// Takes the text up to the first ";" off `rest`.
QStringView TakeField(QStringView &rest)
{
    const qsizetype semicolon = rest.indexOf(u';');
    const QStringView field = semicolon < 0 ? rest : rest.left(semicolon);
    rest = semicolon < 0 ? QStringView() : rest.sliced(semicolon + 1);
    return field;
}

// "OK;ring;Teiler;Winkel". Anything not starting with exactly "OK" is an absent shot.
bool ReadShot(QStringView stored, TYSchuss &shot, QString &badField)
{
    QStringView rest = stored;
    if (TakeField(rest) != u"OK")
        return true;
    shot.Status = SchussVorhanden;
    float *fields[] = {&shot.Ring, &shot.Teiler, &shot.Winkel};
    for (float *field : fields) {
        const QStringView text = TakeField(rest);
        double value = 0;
        if (!ParseReal(text, value)) {
            badField = text.toString();
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
    QStringView rest(value);
    const QString field = TakeField(rest).toString();
    value = rest.toString();
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
        p.Name = ReadView(ini, section, TKey("Name", i)).toString();
        p.Bemerk = ReadView(ini, section, TKey("Bemerk", i)).toString();
        p.Passnr = ReadView(ini, section, TKey("Passnr", i)).toString();
        p.Stammschuetze = ReadJaNein(ini, section, TKey("Stammschuetze", i));
        p.NurEinzel = ReadJaNein(ini, section, TKey("NurEinzel", i));
        for (int n = 1; n <= SerienAnzahl; ++n)
            p.Serie[n] = ReadReal(ini, section, TKey("Serie", i, n));
        for (int n = 1; n <= GespeicherteSchuesse; ++n) {
            const TKey key("Schuss", i, n);
            QString badField;
            if (ReadShot(ReadView(ini, section, key), p.Schuss[n], badField))
                continue;
            sound = false;
            const QString message = InvalidRealMessage(badField);
            if (!problems.collect) {
                problems.found.append(message);
                return false;
            }
            problems.found.append(QStringLiteral("[%1] %2: %3").arg(section, key.Text(), message));
        }
    }
    return sound;
}

void WriteTeam(TIniWriter &ini, const QString &section, const TyMannschaft &team,
               const Competition &c)
{
    const QString ja = QStringLiteral("Ja"), nein = QStringLiteral("Nein");
    ini.Section(section);
    ini.Value(u"Name", team.Name);
    ini.Value(u"Mann_ident", team.Mann_ident);
    ini.Value(u"Vnr", team.Vnr);
    for (int i = 1; i <= PositionenAnzahl; ++i) {
        const TYTeilnehmer &p = team.Teilnehmer[i];
        ini.Value(TKey("Name", i).View(), p.Name);
        if (HoldsNonBlank(p.Bemerk))
            ini.Value(TKey("Bemerk", i).View(), p.Bemerk);
        ini.Value(TKey("Passnr", i).View(), p.Passnr);
        ini.Value(TKey("Stammschuetze", i).View(), p.Stammschuetze ? ja : nein);
        ini.Value(TKey("NurEinzel", i).View(), i > c.Mannschaftstaerke ? ja : nein);
        for (int n = 1; n <= SerienAnzahl; ++n)
            ini.Value(TKey("Serie", i, n).View(), FormatGeneral(p.Serie[n]));
        for (int n = 1; n <= GespeicherteSchuesse; ++n) {
            if (IsPresent(p.Schuss[n]))
                ini.Value(TKey("Schuss", i, n).View(), ShotText(p.Schuss[n], c));
        }
    }
}

QByteArray CompetitionFileBytes(const Competition &c, const tSetupdaten &settings)
{
    TIniWriter ini;
    ini.Reserve(48 * 1024);
    ini.Section(Header);
    ini.Value(u"Klasse", c.Kopfdaten[KopfKlasse]);
    ini.Value(u"Gruppe", c.Kopfdaten[KopfGruppe]);
    ini.Value(u"Waffe", c.Kopfdaten[KopfWaffe]);
    ini.Value(u"Sortieren", c.Sortieren ? u"1" : u"0");
    ini.Value(u"Liga", c.Kopfdaten[KopfLiga]);
    ini.Value(u"Datum", c.Kopfdaten[KopfDatum]);
    ini.Value(u"Durchgang", c.Kopfdaten[KopfDurchgang]);
    ini.Value(u"Mannschaftstaerke", QString::number(c.Mannschaftstaerke));
    ini.Value(u"OMannschafts", QString::number(c.OMannschafts));
    ini.Value(u"DISAG", c.DISAG);
    ini.Value(u"Schussanzahl", QString::number(c.Schussanzahl));
    ini.Value(u"Schussanzahl_Serie", QString::number(c.Schussanzahl_Serie));
    ini.Value(u"Ringlesegeraet", c.Kopfdaten[KopfErgebniserfassung]);
    ini.Section(Registrierung);
    ini.Value(u"Vereinsname", settings.Vereinsname);
    ini.Value(u"Vereinnr", settings.Vereinnr);
    WriteTeam(ini, HeimSection, c.Heim, c);
    WriteTeam(ini, GastSection, c.Gast, c);
    return ini.Bytes();
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
    if (!WriteFileAtomically(c.Dateiname, CompetitionFileBytes(c, settings))) {
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
        if (raw && !ProfileInteger(ProfileView(*raw)))
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
                const TKey key("Serie", i, s);
                const QStringView text = ReadView(ini, section, key);
                double value = 0;
                if (!text.isEmpty() && !ParseReal(text, value))
                    found.append(
                            QStringLiteral("[%1] %2: %3, gelesen wird 0")
                                    .arg(section, key.Text(), InvalidRealMessage(text.toString())));
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
