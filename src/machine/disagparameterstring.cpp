#include "machine/disagparameterstring.h"

#include "base/numberformat.h"
#include "base/userdialogs.h"

const std::array<const char *, ScheibentypAnzahl> ScheibentypTokens = {
        "SCH=LG10;", "SCH=LG5;",  "SCH=LGES;", "SCH=LP;",    "SCH=ZS;",  "SCH=LS1;", "SCH=LS2;",
        "SCH=KK50;", "SCH=GK10;", "SCH=GK5;",  "SCH=SCHFE;", "SCH=LPSF", "SCH=US1",  "SCH=US2",
};

const std::array<const char *, 3> RingTokens = {"RIA=GR;", "RIA=ZR;", "RIA=KR;"};
const std::array<const char *, 3> TeilerTokens = {"TEA=KT;", "TEA=ZT;", "TEA=HT;"};

namespace {

constexpr std::array<std::array<quint8, ScheibentypAnzahl>, RinglesegeraetAnzahl> Grenzen = {{
        {2, 2, 5, 5, 5, 2, 2, 5, 0, 0, 0, 0, 0, 0},
        {2, 2, 5, 15, 5, 2, 2, 15, 15, 15, 15, 15, 0, 0},
        {1, 1, 5, 5, 5, 1, 1, 5, 0, 0, 0, 0, 0, 0},
        {1, 1, 5, 5, 5, 1, 1, 5, 0, 0, 0, 0, 0, 0},
        {1, 1, 5, 5, 5, 1, 1, 5, 0, 0, 0, 0, 0, 0},
        {2, 2, 2, 5, 5, 2, 2, 5, 0, 0, 0, 0, 0, 0},
}};

bool HatKaliber(TypeScheiben type)
{
    return type == Sch_GK10 || type == Sch_GK5 || type == Sch_SchFe;
}

template<size_t N>
std::optional<int> FirstTokenIn(const QString &text, const std::array<const char *, N> &tokens)
{
    for (size_t i = 0; i < N; ++i) {
        if (text.contains(QLatin1String(tokens[i])))
            return int(i);
    }
    return std::nullopt;
}

// The number after `key`, up to the next ';'. nullopt: the key is absent. A number that
// cannot be read gives false in `readable`.
std::optional<int> NumberAfter(const QString &text, const char *key, bool &readable)
{
    const qsizetype at = text.indexOf(QLatin1String(key));
    if (at < 0)
        return std::nullopt;
    const qsizetype from = at + qsizetype(qstrlen(key));
    const qsizetype end = text.indexOf(u';', from);
    int value = 0;
    readable = end >= 0 && ParseInteger(QStringView(text).mid(from, end - from), value);
    return value;
}

} // namespace

QString KaliberToken(int kaliberindex)
{
    return QStringLiteral("KAL=")
            + QString::fromLatin1(Kalibernamen[size_t(kaliberindex)]).mid(4, 3) + u';';
}

int SchussProScheibeGrenze(int ringlesegeraet, TypeScheiben type)
{
    if (ringlesegeraet < 0 || ringlesegeraet >= RinglesegeraetAnzahl
        || int(type) >= ScheibentypAnzahl)
        return 0;
    return Grenzen[size_t(ringlesegeraet)][size_t(type)];
}

QString BuildParameterString(const TDisagParameter &r)
{
    QString s =
            QLatin1String(ScheibentypTokens[qMin<size_t>(r.Scheibentyp, ScheibentypAnzahl - 1)]);
    if (r.Ringanzeige == 1 || r.Ringanzeige == 2)
        s += QLatin1String(RingTokens[r.Ringanzeige]);
    if (HatKaliber(r.Scheibentyp)) {
        if (r.Ringberechnung == 1)
            s += QLatin1String("RIB=MI;");
        s += KaliberToken(qMin<int>(r.Kaliberindex, KaliberAnzahl - 1));
    }
    if (r.Teileranzeige == 1 || r.Teileranzeige == 2)
        s += QLatin1String(TeilerTokens[r.Teileranzeige]) + QStringLiteral("TEG=")
                + QString::number(r.Teilergrenze) + u';';
    s += QStringLiteral("SSC=%1;SZI=%2;SGE=%3;")
                 .arg(r.SchussProScheibe)
                 .arg(r.SchussProSerie)
                 .arg(r.SchussGesamt);
    if (r.Scheibenaufdruck)
        s += QLatin1String("KSD;");
    if (r.TeilerNurMarkieren)
        s += QLatin1String("TEM;");
    if (!r.Bezeichnung.isEmpty())
        s += QStringLiteral("DRT=") + r.Bezeichnung + u';';
    return s.left(255);
}

std::optional<QString> ParseParameterStringError(const QString &full, TDisagParameter &r)
{
    const auto error = [&full](const char *message) -> std::optional<QString> {
        return QString::fromUtf8(message) + QStringLiteral("\n\r") + full;
    };
    InitDisagParameter(r);

    // The designation is read back, or the next save of an edited team would drop it; the keys
    // are looked for in the rest only, so a designation such as "KSD" switches nothing on.
    QString text = full;
    if (const qsizetype at = full.indexOf(QLatin1String("DRT=")); at >= 0) {
        const qsizetype end = full.indexOf(u';', at);
        const qsizetype length = (end < 0 ? full.size() : end + 1) - at;
        r.Bezeichnung = full.mid(at + 4, length - 4).chopped(end < 0 ? 0 : 1).left(6);
        text.remove(at, length);
    }

    if (text.contains(QLatin1String("SCH="))) {
        const std::optional<int> type = FirstTokenIn(text, ScheibentypTokens);
        if (!type)
            return error("DISAG-Syntaxfehler! Unbekannter Scheibentype");
        r.Scheibentyp = TypeScheiben(*type);
    }
    if (text.contains(QLatin1String("RIA="))) {
        const std::optional<int> ring = FirstTokenIn(text, RingTokens);
        if (!ring)
            return error("DISAG-Syntaxfehler! Unbekannte Ringauswertung!!");
        r.Ringanzeige = quint8(*ring);
    }
    if (HatKaliber(r.Scheibentyp) && text.contains(QLatin1String("KAL="))) {
        int k = 0;
        while (k < KaliberAnzahl && !text.contains(KaliberToken(k)))
            ++k;
        if (k == KaliberAnzahl)
            return error("DISAG-Syntaxfehler! Unbekanntes Kaliber!!");
        r.Kaliberindex = quint8(k);
    }
    if (text.contains(QLatin1String("RIB=MI;")))
        r.Ringberechnung = 1;
    r.Scheibenaufdruck = text.contains(QLatin1String("KSD;"));
    r.TeilerNurMarkieren = text.contains(QLatin1String("TEM;"));
    if (text.contains(QLatin1String("TEA="))) {
        const std::optional<int> teiler = FirstTokenIn(text, TeilerTokens);
        if (!teiler)
            return error("DISAG-Syntaxfehler!  Unbekannte Teilerauswertung!!");
        r.Teileranzeige = quint8(*teiler);
    }

    bool readable = true;
    if (r.Teileranzeige == 1 || r.Teileranzeige == 2) {
        if (const auto limit = NumberAfter(text, "TEG=", readable)) {
            if (!readable)
                return error("DISAG-Syntaxfehler!  Unbekannte Teilergrenze!!");
            r.Teilergrenze = *limit;
        }
    }
    if (r.Teilergrenze <= 0 || r.Teilergrenze > 25000)
        return error("DISAG-Syntaxfehler!  Ungültige Teilergrenze!!");

    if (const auto perTarget = NumberAfter(text, "SSC=", readable)) {
        if (!readable)
            return error("DISAG-Syntaxfehler!  Unbekannte Schusszahl pro Scheibe!!");
        r.SchussProScheibe = *perTarget;
    }
    const bool strip =
            r.Scheibentyp == Sch_LG10 || r.Scheibentyp == Sch_LG5 || r.Scheibentyp == Sch_LS2;
    if (r.SchussProScheibe < 1 || r.SchussProScheibe > 15 || (strip && r.SchussProScheibe > 2))
        return error("DISAG-Syntaxfehler!  Ungültige Schusszahl pro Scheibe!!");

    if (const auto total = NumberAfter(text, "SGE=", readable)) {
        if (!readable)
            return error("DISAG-Syntaxfehler!  Unbekannte Schusszahl für Gesamtsumme!!");
        r.SchussGesamt = *total;
    }
    if (r.SchussGesamt < 1 || r.SchussGesamt > 120)
        return error("DISAG-Syntaxfehler!  Ungültige Schusszahl für Gesamtsumme!!");

    if (const auto perSeries = NumberAfter(text, "SZI=", readable)) {
        if (!readable)
            return error("DISAG-Syntaxfehler!  Unbekannte Schusszahl für Zwischensumme!!");
        r.SchussProSerie = *perSeries;
    }
    if (r.SchussProSerie < 0 || r.SchussProSerie > 15)
        return error("DISAG-Syntaxfehler!  Ungültige Schusszahl für Zwischensumme!!");
    if (r.SchussProSerie > r.SchussGesamt)
        return error("DISAG-Syntaxfehler!  Schusszahl für Zwischensumme > Gesamtsumme");
    return std::nullopt;
}

void ParseParameterString(const QString &text, TDisagParameter &record)
{
    if (const std::optional<QString> error = ParseParameterStringError(text, record))
        UserDialogs().ShowMessage(*error);
}
