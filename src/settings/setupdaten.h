#pragma once

#include "base/onebased.h"

#include <QString>
#include <QtGlobal>

#include <array>

// Machine families by their stored names; the machine type is the index.
constexpr int RinglesegeraetAnzahl = 6;
extern const std::array<const char *, RinglesegeraetAnzahl> Ringlesegeraetenamen;
// Texts of the settings dialog's radio items, same order.
extern const std::array<const char *, RinglesegeraetAnzahl> Ringlesegeraetetexte;

constexpr int HistoryAnzahl = 5;
constexpr int DatenverzeichnisMaxLaenge = 80;

// The program's options, loaded once from setupRW.ini and read by every part of the program.
class tSetupdaten
{
public:
    // Colours are 0x00BBGGRR.
    qint32 Balken = 255; // diagram bars
    qint32 Balken10 = 32768; // every tenth shot's bar
    bool Schusswerte = true; // values above the diagram bars
    qint32 FarbeSpiegel = 12632256; // black of printed targets
    qint32 FarbeSchuss = 255; // printed shot holes
    qint32 Strichbreite = 2;
    bool Datum = true; // print date on shot pictures
    bool Zeilenhervorhebung = true; // ranking list
    qint32 FarbeHintergrund = 16777215;
    qint32 FarbeSchrift = 16777215;
    quint8 Ringlesegeraet = 1; // machine type 0..5
    qint32 Comport = 2; // "COM" + n
    QString Vereinsname;
    QString Vereinnr = QStringLiteral("0000000");
    QString Daten; // data directory, at most 80 characters
    TOneBased<QString, HistoryAnzahl> History; // 1 = newest
    QString Empfaenger;
    QString Kopie;
    QString Sender;
    QString SMTP;
    QString UserId;
    QString Comport9600 = QStringLiteral("N"); // "J": DISAG machines at 9600 bit/s

    // Not on Windows: the device path of the machine's serial port ("/dev/ttyUSB0"); when set
    // it takes the place of "COM" + Comport.
    QString Schnittstelle;
    // Trace of every byte exchanged with the machine, for support.
    bool Datenprotokoll = false;

    tSetupdaten();

    bool LangsameUebertragung() const { return Comport9600 == QLatin1String("J"); }
    QString RinglesegeraetName() const;
    // Stores the first 80 characters.
    void SetDaten(const QString &directory);

    // Reads setupRW.ini (missing keys give the defaults) and makes the data directory the
    // process's current directory where that works.
    void Load(const QString &file);
    // Writes every section and key; `fullDataDirectory` is the directory chosen in the dialog,
    // stored in full although the object keeps 80 characters. False when the file cannot be
    // written.
    bool WriteAll(const QString &file, const QString &fullDataDirectory) const;
    bool WriteHistory(const QString &file) const;
    // A path not yet in the list becomes entry 1, the others move down; true when it changed.
    bool AddToHistory(const QString &path);
};

// The program's one settings object.
tSetupdaten &Setupdaten();

// setupRW.ini in the configuration folder.
QString SetupFileName();
