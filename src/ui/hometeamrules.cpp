#include "ui/hometeamrules.h"

#include "base/numberformat.h"
#include "model/competitionfile.h"
#include "settings/hometeamfile.h"

#include <algorithm>

namespace {

constexpr int MaxSeries = 6;
constexpr int MaxTeamSize = 10;

std::optional<int> IntegerOf(const QString &text)
{
    int value = 0;
    if (!ParseInteger(text, value))
        return std::nullopt;
    return value;
}

} // namespace

TShooterEntry SplitShooterEntry(const QString &value)
{
    if (!value.contains(u';'))
        return {};
    TShooterEntry entry;
    QString rest = value;
    entry.name = NextField(rest);
    rest.truncate(255);
    if (rest.contains(u';'))
        entry.passnr = NextField(rest);
    entry.bemerkung = rest.left(BemerkLaenge);
    return entry;
}

QString JoinShooterEntry(const TShooterEntry &entry)
{
    return entry.name + u';' + entry.passnr + u';' + entry.bemerkung;
}

std::optional<QString> CheckHomeTeam(const THomeTeamForm &form)
{
    if (form.bezeichnung == QLatin1String("unbenannt"))
        return QStringLiteral(
                "Tragen Sie in das Feld \"Mannschaftsnamen\" einen eindeutigen Namen ein!");

    const auto n = IntegerOf(form.mannschaftstaerke);
    if (!n)
        return QStringLiteral("Fehler: Ungültige Eingabe im Feld \"Mannschaftswertung\"!!");
    if (*n < 2 || *n > MaxTeamSize)
        return QStringLiteral("Fehler: Mannschaftswertung muß zwischen 2 .. 10 liegen!!");

    for (int row = 0; row < *n; ++row) {
        if (row >= form.names.size() || form.names.at(row).trimmed().isEmpty())
            return QStringLiteral("Fehler: Zuwenig Mannschaftsschützen festgelegt!!");
    }

    const auto om = IntegerOf(form.oMannschafts);
    if (!om)
        return QStringLiteral("Fehler: Ungültige Eingabe im Feld \"Ohne Mannschaftswertung\"!! ");
    if (*om < 0 || *om > 6)
        return QStringLiteral("Fehler: Ohne Mannschaftswertung darf höchstens 6 betragen!!");

    if (*n + *om > MaxTeamSize)
        return QStringLiteral("Fehler: Die Summe aus \"Mannschaftswertung\" und \"Ohne "
                              "Mannschaftswertung\" darf 10 nicht übersteigen!!");

    const auto shots = IntegerOf(form.schussanzahl);
    const auto perSeries = IntegerOf(form.schussanzahlSerie);
    if (!shots || !perSeries || *perSeries <= 0)
        return QStringLiteral(
                "Fehler: Wählen Sie \"Schuss pro Schütze\" und \"Schuss pro Serie\" aus!!");
    return ShotCombinationError(*shots, *perSeries);
}

std::optional<QString> ShotCombinationError(int schussanzahl, int schussanzahlSerie)
{
    if (schussanzahl % schussanzahlSerie != 0)
        return QStringLiteral("Fehler: \"Schuss pro Schütze\" <-> \"Schuss pro Serie\"  passen "
                              "nicht zusammen!!");
    if (schussanzahl / schussanzahlSerie > MaxSeries)
        return QStringLiteral("Fehler: Die Anzahl der Einzelserien darf 6 nicht übersteigen!!");
    return std::nullopt;
}

QString NewTeamSection(const THomeTeamFile &file)
{
    const QString next = file.NextTeamSection();
    const QStringList sections = file.TeamSections();
    if (!sections.contains(next, Qt::CaseInsensitive))
        return next;
    int highest = 0;
    for (const QString &section : sections) {
        if (const auto number = IntegerOf(section))
            highest = std::max(highest, *number);
    }
    return QString::number(highest + 1);
}
