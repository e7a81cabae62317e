#include "base/inidocument.h"
#include "base/inifile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void writeReplacesInPlaceAndAppendsAtSectionEnd();
    void writeKeepsForeignLinesAndEncodesWindows1252();
    void deleteKeyAndSection();
    void sectionsInFileOrder();
    void fileWritesAreSeenByAnotherReader();
    void failedWriteLeavesFileUntouched();
    void unreadableFileIsNotReplaced();
};

void TestIniDocument::readString_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray basic = WindowsText("[Header]\nWaffe=Luftgewehr\nKlasse =  A-Klasse  \n"
                                         "Liga=\"Bezirksliga\"\nGruppe='Süd'\nOdd=\"halb\n"
                                         "Leer=\nName=Erster\nname=Zweiter\n");
    QTest::newRow("exact") << basic << "Header"
                           << "Waffe"
                           << "Luftgewehr";
    QTest::newRow("case of key") << basic << "Header"
                                 << "waffe"
                                 << "Luftgewehr";
    QTest::newRow("case of section") << basic << "HEADER"
                                     << "Waffe"
                                     << "Luftgewehr";
    QTest::newRow("blanks stripped") << basic << "Header"
                                     << "Klasse"
                                     << "A-Klasse";
    QTest::newRow("double quotes") << basic << "Header"
                                   << "Liga"
                                   << "Bezirksliga";
    QTest::newRow("single quotes") << basic << "Header"
                                   << "Gruppe"
                                   << "Süd";
    QTest::newRow("unmatched quote kept") << basic << "Header"
                                          << "Odd"
                                          << "\"halb";
    QTest::newRow("empty value") << basic << "Header"
                                 << "Leer"
                                 << "";
    QTest::newRow("missing key") << basic << "Header"
                                 << "Datum"
                                 << "DEF";
    QTest::newRow("missing section") << basic << "Heim"
                                     << "Waffe"
                                     << "DEF";
    QTest::newRow("first duplicate wins") << basic << "Header"
                                          << "NAME"
                                          << "Erster";
    QTest::newRow("LF only") << QByteArray("[a]\nk=v\n") << "a"
                             << "k"
                             << "v";
    QTest::newRow("no final line end") << QByteArray("[a]\r\nk=v") << "a"
                                       << "k"
                                       << "v";
    const QByteArray longValue = "[a]\r\nk=" + QByteArray(3000, 'x') + "\r\n";
    QTest::newRow("cut to 2047") << longValue << "a"
                                 << "k" << QString(2047, u'x');
}

void TestIniDocument::readString()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(TIniDocument::FromBytes(file).ReadString(section, key, "DEF"), expected);
}

void TestIniDocument::readInteger_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "12" << 12;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("blanks") << "  7 " << 7;
    QTest::newRow("hex lower") << "0x1F" << 31;
    QTest::newRow("hex upper") << "0X10" << 16;
    QTest::newRow("hex colour") << "0x00FFFFFF" << 16777215;
    QTest::newRow("trailing text") << "12abc" << -99;
    QTest::newRow("decimal point") << "1.5" << -99;
    QTest::newRow("empty") << "" << -99;
    QTest::newRow("overflow") << "99999999999" << -99;
    QTest::newRow("bare hex prefix") << "0x" << -99;
}

void TestIniDocument::readInteger()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    TIniDocument doc;
    doc.WriteString("s", "k", value);
    QCOMPARE(doc.ReadInteger("s", "k", -99), expected);
}

void TestIniDocument::readBool_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("2") << "2" << false << true;
    QTest::newRow("-1") << "-1" << false << true;
    QTest::newRow("text gives default true") << "ja" << true << true;
    QTest::newRow("text gives default false") << "ja" << false << false;
}

void TestIniDocument::readBool()
{
    QFETCH(QString, value);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    TIniDocument doc;
    doc.WriteString("s", "k", value);
    QCOMPARE(doc.ReadBool("s", "k", def), expected);
}

void TestIniDocument::writeReplacesInPlaceAndAppendsAtSectionEnd()
{
    auto doc = TIniDocument::FromBytes(WindowsText("[A]\na=1\nb=2\n\n[B]\nc=3\n"));
    doc.WriteString("a", "B", "zwei"); // existing key, other case: replaced where it stands
    doc.WriteString("A", "d", "4"); // new key: end of its section, before the blank line
    doc.WriteInteger("C", "e", 5); // new section: end of the file
    doc.WriteBool("B", "f", true);
    QCOMPARE(doc.ToBytes(), WindowsText("[A]\na=1\nb=zwei\nd=4\n\n[B]\nc=3\nf=1\n[C]\ne=5\n"));
    QCOMPARE(doc.Keys("A"), QStringList({"a", "b", "d"}));
}

void TestIniDocument::writeKeepsForeignLinesAndEncodesWindows1252()
{
    auto doc = TIniDocument::FromBytes(WindowsText("; Kommentar\n[Heim]\nfreie Zeile\nName=x\n"));
    doc.WriteString("Heim", "Name", "Schütze Müller €");
    const QByteArray bytes = doc.ToBytes();
    QCOMPARE(bytes, WindowsText("; Kommentar\n[Heim]\nfreie Zeile\nName=Schütze Müller €\n"));
    QVERIFY(bytes.contains("\xFC")); // ü as one Windows-1252 byte
    QVERIFY(bytes.contains("\x80")); // the euro sign
}

void TestIniDocument::deleteKeyAndSection()
{
    auto doc = TIniDocument::FromBytes(WindowsText("[A]\na=1\nb=2\n[B]\nc=3\n[C]\nd=4\n"));
    doc.DeleteKey("a", "A");
    doc.DeleteKey("A", "missing");
    doc.EraseSection("b");
    QCOMPARE(doc.ToBytes(), WindowsText("[A]\nb=2\n[C]\nd=4\n"));
    QCOMPARE(doc.ReadString("C", "d", ""), QString("4"));
    QVERIFY(!doc.SectionExists("B"));
}

void TestIniDocument::sectionsInFileOrder()
{
    const auto doc = TIniDocument::FromBytes(WindowsText("[5]\n[1]\n[ 2 ]\n[A]\n"));
    QCOMPARE(doc.Sections(), QStringList({"5", "1", "2", "A"}));
}

void TestIniDocument::fileWritesAreSeenByAnotherReader()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("RWSetup.ini");
    TIniFile writer(path);
    TIniFile reader(path);
    QCOMPARE(reader.ReadSections(), QStringList());
    QVERIFY(writer.WriteString("1", "Bezeichnung", "Erste"));
    QCOMPARE(reader.ReadString("1", "bezeichnung", ""), QString("Erste"));
    QVERIFY(writer.EraseSection("1"));
    QCOMPARE(reader.ReadString("1", "Bezeichnung", "weg"), QString("weg"));
}

void TestIniDocument::failedWriteLeavesFileUntouched()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.ini");
    WriteFileBytes(path, WindowsText("[a]\nk=alt\n"));
    TIniFile ini(path);
    {
        TFileSizeLimit limit(16);
        QVERIFY(!ini.WriteString("a", "k", QString(100, u'n')));
    }
    QCOMPARE(ReadFileBytes(path), WindowsText("[a]\nk=alt\n"));
    QVERIFY(!TIniFile(dir.filePath("fehlt/x.ini")).WriteString("a", "k", "v"));
}

void TestIniDocument::unreadableFileIsNotReplaced()
{
    // Something is there that cannot be read as a file; a write must not start from nothing.
    QTemporaryDir dir;
    const QString path = dir.filePath("RWSetup.ini");
    QVERIFY(QDir().mkdir(path));
    bool changed = false;
    QVERIFY(!TIniFile(path).Update([&](TIniDocument &) { changed = true; }));
    QVERIFY(!changed);
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
