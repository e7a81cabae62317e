#pragma once

#include "model/records.h"

#include <QString>

#include <array>

// Indexes of the eight header texts.
enum TKopffeld {
    KopfWaffe,
    KopfKlasse,
    KopfLiga,
    KopfGruppe,
    KopfDurchgang,
    KopfDatum,
    KopfGastVereinsnr, // shown only; replaced by Gast.Vnr whenever the guest team is shown
    KopfErgebniserfassung,
    KopfAnzahl
};

inline const QString ErfassungRinglesegeraet = QStringLiteral("Ringlesegerät");
inline const QString ErfassungSerien = QStringLiteral("Serien manuell eingeben");
inline const QString ErfassungEinzelschuss = QStringLiteral("Einzelschuss eingeben");

inline const QString RingformatGanz = QStringLiteral("%3.0f");
inline const QString RingformatZehntel = QStringLiteral("%3.1f");

// One league meeting: both teams, its settings and header data. The competition window owns
// one; nothing else holds competition data between operations.
class Competition
{
public:
    TyMannschaft Heim;
    TyMannschaft Gast;
    QString Dateiname; // full path, or "Unbenannt" + number until the first save
    bool Geaendert = false;
    QString DISAG; // machine parameter string
    int Schussanzahl = 40;
    int Schussanzahl_Serie = 10;
    int Mannschaftstaerke = 4; // positions 1..N form the team result
    int OMannschafts = 0; // further starters without team scoring
    bool Sortieren = false;
    QString Ringformat = RingformatGanz;
    std::array<QString, KopfAnzahl> Kopfdaten;

    // Positions shown: 1 .. N + OMannschafts.
    int ShownPositions() const { return Mannschaftstaerke + OMannschafts; }
    QString FormatRinge(double rings) const;
    // Never saved under a name of its own yet.
    bool IsUnnamed() const { return Dateiname.left(4) == QLatin1String("Unbe"); }
};

// The file name without its folder, as window captions show it.
QString CompetitionCaption(const QString &dateiname);
