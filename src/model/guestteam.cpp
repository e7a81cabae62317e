#include "model/guestteam.h"

#include "base/blanks.h"
#include "base/cp1252.h"
#include "base/ioerror.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

namespace {

const QString Mark = QStringLiteral("X");
constexpr qsizetype GuestFileLines = PositionenAnzahl * GastSpalten;

QString MarkText(bool set)
{
    return set ? Mark : QString();
}

// Rows with a name whose "Kein Manns." mark is (not) set, in row order, from position p on.
void PlaceRows(TyMannschaft &gast, const TGastTabelle &rows, bool keinManns, int &p)
{
    for (const TGastZeile &row : rows) {
        if (!HoldsNonBlank(row[GastName]) || (row[GastKeinManns] == Mark) != keinManns)
            continue;
        TYTeilnehmer &t = gast.Teilnehmer[p++];
        t.Name = row[GastName];
        t.Bemerk = row[GastBemerkung];
        t.Passnr = row[GastPassnr];
        t.Stammschuetze = row[GastStamm] == Mark;
        t.NurEinzel = keinManns;
    }
}

} // namespace

TGastTabelle GuestTableFromTeam(const TyMannschaft &gast)
{
    TGastTabelle rows;
    for (int i = 1; i <= PositionenAnzahl; ++i) {
        const TYTeilnehmer &t = gast.Teilnehmer[i];
        rows[i] = {t.Passnr, t.Name, MarkText(t.Stammschuetze), MarkText(t.NurEinzel), t.Bemerk};
    }
    return rows;
}

void ApplyGuestTable(TyMannschaft &gast, const TGastTabelle &rows)
{
    // Positions after the last one filled keep what they held: emptying them would throw away
    // results that were already shot.
    int p = 1;
    PlaceRows(gast, rows, false, p);
    PlaceRows(gast, rows, true, p);
}

bool ReadGuestFile(const QString &path, TGastTabelle &rows)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        ShowIoError(errno);
        return false;
    }
    QByteArray bytes;
    char buffer[4096];
    errno = 0;
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(got));
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);

    // After a failure only the complete lines count; the cells after them keep their text.
    const QList<QByteArray> lines = bytes.split('\n');
    const qsizetype available = failed ? bytes.count('\n') : GuestFileLines;
    for (int i = 0; i < qMin(available, GuestFileLines); ++i) {
        QByteArray text = i < lines.size() ? lines[i] : QByteArray();
        if (text.endsWith('\r'))
            text.chop(1);
        rows[i / GastSpalten + 1][i % GastSpalten] = DecodeCp1252(text);
    }
    if (failed) {
        ShowIoError(error ? error : EIO);
        return false;
    }
    return true;
}

bool WriteGuestFile(const QString &path, const TGastTabelle &rows)
{
    return WriteFileShowingIoError(path, [&rows] {
        QByteArray bytes;
        for (const TGastZeile &row : rows) {
            for (const QString &cell : row)
                bytes += EncodeCp1252(cell) + "\r\n";
        }
        return bytes;
    });
}
