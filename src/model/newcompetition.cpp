#include "model/newcompetition.h"

#include "base/userdialogs.h"
#include "model/competitionfile.h"
#include "settings/hometeamfile.h"
#include "settings/setupdaten.h"

namespace {

const QString KeinName = QStringLiteral("unbenannt");

// "name;pass number;remark"; the remark is cut to what the grid shows.
void FillPosition(TYTeilnehmer &t, QString entry, bool nurEinzel)
{
    t.Name = NextField(entry);
    t.Passnr = NextField(entry);
    t.Bemerk = entry.left(BemerkLaenge);
    t.NurEinzel = nurEinzel;
}

QString ZuVieleMannschaftsstarter()
{
    return QStringLiteral("Fehler!! Es sind zu viele Mannschaftsstarter\n\r"
                          "für die Heimmannschaft ausgewählt");
}

QString ZuVieleStarter()
{
    return QStringLiteral("Fehler!! Es sind zu viele Starter für die Heimmannschaft ausgewählt");
}

} // namespace

QStringList StarterEntries(const THomeTeamFile &file, const QString &section)
{
    QStringList entries;
    for (int k = 1; k <= THomeTeamFile::ShooterEntries; ++k) {
        const QString value = file.ReadString(section, THomeTeamFile::ShooterKey(k), QString());
        if (value.contains(u';'))
            entries << value;
    }
    return entries;
}

void FillNewCompetition(Competition &c, const THomeTeamFile &file, const QString &section,
                        const QList<TStarterChoice> &starters, const QString &durchgang,
                        const tSetupdaten &settings, const QDate &today)
{
    ClearTeam(c.Heim);
    ClearTeam(c.Gast);

    c.Heim.Name = settings.Vereinsname.trimmed() + u' '
            + file.ReadString(section, QStringLiteral("Bezeichnung"), KeinName);
    c.Heim.Mann_ident = file.ReadString(section, QStringLiteral("Mann_ident"), QString());
    c.Heim.Vnr = settings.Vereinnr;

    c.Kopfdaten[KopfKlasse] =
            file.ReadString(section, QStringLiteral("Klasse"), QStringLiteral("S"));
    c.Kopfdaten[KopfGruppe] = file.ReadString(section, QStringLiteral("Gruppe"), QString());
    c.Kopfdaten[KopfLiga] = file.ReadString(section, QStringLiteral("Liga"), QString());
    c.Kopfdaten[KopfWaffe] = file.ReadString(section, QStringLiteral("waffe"), QString());
    c.Kopfdaten[KopfDurchgang] = durchgang;
    c.Kopfdaten[KopfErgebniserfassung] = ErfassungRinglesegeraet;
    c.Kopfdaten[KopfDatum] = today.toString(QStringLiteral("dd.MM.yyyy"));

    c.Sortieren = file.ReadBool(section, QStringLiteral("Sortieren"), false);
    c.DISAG = file.ReadString(section, QStringLiteral("DISAG"), QString());
    c.Schussanzahl = file.ReadInteger(section, QStringLiteral("Schussanzahl"), 40);
    c.Schussanzahl_Serie = file.ReadInteger(section, QStringLiteral("Schussanzahl_Serie"), 10);
    c.Mannschaftstaerke = file.ReadInteger(section, QStringLiteral("Mannschaftstaerke"), 4);
    c.OMannschafts = file.ReadInteger(section, QStringLiteral("OMannschafts"), 0);

    // A team has ten positions, whatever a hand-edited definition promises.
    int p = 1;
    for (const TStarterChoice &s : starters) {
        if (s.state != TStarterState::Ticked)
            continue;
        if (!c.Sortieren && p > c.Mannschaftstaerke) {
            UserDialogs().ShowMessage(ZuVieleMannschaftsstarter());
            break;
        }
        if (p > PositionenAnzahl) {
            UserDialogs().ShowMessage(ZuVieleStarter());
            break;
        }
        FillPosition(c.Heim.Teilnehmer[p++], s.entry, false);
    }
    for (const TStarterChoice &s : starters) {
        if (s.state != TStarterState::Greyed)
            continue;
        if (p > c.ShownPositions() || p > PositionenAnzahl) {
            UserDialogs().ShowMessage(ZuVieleStarter());
            break;
        }
        FillPosition(c.Heim.Teilnehmer[p++], s.entry, true);
    }
}
