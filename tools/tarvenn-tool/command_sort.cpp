#include "commands_model.h"
#include "toolcompetition.h"

#include "base/inifile.h"
#include "model/competitionfile.h"
#include "model/scoring.h"
#include "settings/setupdaten.h"

#include <QFileInfo>

namespace {

// Saving writes shot rings in the competition's number format: keep tenths when there are any.
bool HasTenthRings(const Competition &c)
{
    for (const TyMannschaft *team : {&c.Heim, &c.Gast}) {
        for (const TYTeilnehmer &p : team->Teilnehmer) {
            for (const TYSchuss &s : p.Schuss) {
                if (IsPresent(s) && s.Ring != float(int(s.Ring)))
                    return true;
            }
        }
    }
    return false;
}

} // namespace

int CommandSort(const QStringList &args, QTextStream &, QTextStream &err)
{
    if (args.size() != 2) {
        err << "Aufruf: tarvenn-tool sort DATEI.RW AUSGABE.RW\n";
        return 2;
    }
    auto c = LoadForTool(args[0], true, err);
    if (!c)
        return 1;
    if (!HasTenthRings(*c))
        c->Ringformat = RingformatGanz;
    SortTeams(*c);
    // The sorted copy keeps the club data of the file it came from; the program's settings and
    // its history stay untouched.
    const TIniFile source(args[0]);
    tSetupdaten registration;
    registration.Vereinsname = source.ReadString("Registrierung", "Vereinsname", QString());
    registration.Vereinnr = source.ReadString("Registrierung", "Vereinnr", QString());
    c->Dateiname = QFileInfo(args[1]).absoluteFilePath();
    return SaveCompetition(*c, registration).result == TSaveResult::Saved ? 0 : 1;
}
