#include "base/scripteddialogs.h"
#include "testsupport.h"
#include "ui/modal.h"
#include "ui/shotentrydialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The dialog as the competition window uses it: fields set, WerteEintragen, shown through
// ExecModal; `spielen` plays the user while it is up. Returns the dialog's result.
int Bedienen(TFSchusseingabe &dialog, const std::function<void()> &spielen)
{
    TModalHandlerScope scope([&](QDialog &shown) {
        shown.activateWindow();
        if (QTest::qWaitForWindowActive(&shown))
            spielen();
        else
            qWarning("entry dialog did not become active");
        return shown.result();
    });
    return ExecModal(dialog);
}

// A key as the user presses it: press and release each go to the widget holding the focus at
// that moment, so a release after the press opened a cell editor reaches the editor.
template<class Key>
void Taste(Key key)
{
    QWidget *gedrueckt = QApplication::focusWidget();
    QTest::keyPress(gedrueckt, key);
    QWidget *losgelassen = QApplication::focusWidget();
    QTest::keyRelease(losgelassen ? losgelassen : gedrueckt, key);
}

void Tippe(const QString &zeichen)
{
    for (const QChar c : zeichen)
        Taste(c.toLatin1());
}

TYSchuss Treffer(float ring, quint8 status = SchussVorhanden)
{
    return {25.5f, 123.0f, ring, status};
}

QString Text(QTableWidget *grid, int row, int column)
{
    return grid->item(row, column)->text();
}

QColor Fuellung(QTableWidget *grid, int row, int column)
{
    const QImage bild = grid->viewport()->grab().toImage();
    const QRect zelle = grid->visualItemRect(grid->item(row, column));
    return bild.pixelColor(zelle.topLeft() + QPoint(2, 2));
}

const QColor Gruen(0, 255, 0);

// Messages that take the focus away as a real message box does, and give it back.
class TFokusDialogs : public TScriptedDialogs
{
public:
    explicit TFokusDialogs(QWidget *zurueck) : m_zurueck(zurueck) { }

    TMsgAnswer Message(const TMessage &message) override
    {
        {
            QWidget box;
            box.show();
            box.activateWindow();
            if (!QTest::qWaitForWindowActive(&box))
                qWarning("message stand-in did not become active");
        }
        m_zurueck->activateWindow();
        if (!QTest::qWaitForWindowActive(m_zurueck))
            qWarning("entry dialog did not get the focus back");
        return TScriptedDialogs::Message(message);
    }

private:
    QWidget *m_zurueck;
};

// Shared set-up of both groups: scripted dialogs and a fresh dialog per test.
class TEingabeFixture : public QObject
{
    Q_OBJECT

protected:
    void Aufbauen(bool serienmodus, int schussProSerie = 10)
    {
        Abbauen();
        m_dialogs = std::make_unique<TScriptedDialogs>();
        m_scope = std::make_unique<TUserDialogsScope>(*m_dialogs);
        m_dialog = std::make_unique<TFSchusseingabe>();
        m_dialog->Serienmodus = serienmodus;
        m_dialog->SchussProSerie = schussProSerie;
        m_dialog->Zeilen = 6;
        m_dialog->Label2->setText(QStringLiteral("Erika Muster"));
    }
    void Abbauen()
    {
        m_dialog.reset();
        m_scope.reset();
        m_dialogs.reset();
    }

    std::unique_ptr<TScriptedDialogs> m_dialogs;
    std::unique_ptr<TUserDialogsScope> m_scope;
    std::unique_ptr<TFSchusseingabe> m_dialog;
};

} // namespace

// Whole rings shot by shot: the grid, the shots it changes, the cursor and its beeps.
class TestSchusseingabe : public TEingabeFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestLocale(); }
    void init() { Aufbauen(false); }
    void cleanup() { Abbauen(); }

    void showsShotGridOnly();
    void tenthShotsShownRounded_data();
    void tenthShotsShownRounded();
    void typedRingsChangeOnlyDifferingShots_data();
    void typedRingsChangeOnlyDifferingShots();
    void tenIsGreenUnlessUnderTheCursor();
    void cellMapsToShotNumber();
    void prefilledRowSumCountsInTotal();
    void otherKeysAreIgnored();
    void cursorAndBeeps_data();
    void cursorAndBeeps();
    void closingKeys_data();
    void closingKeys();
    void shotsBeyondTheArrayHaveNoCell();
};

void TestSchusseingabe::showsShotGridOnly()
{
    m_dialog->WerteEintragen();
    Bedienen(*m_dialog, [&] {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Schußeingabe"));
        QCOMPARE(m_dialog->size(), QSize(572, 361));
        QVERIFY(m_dialog->StringGrid1->isVisible());
        QVERIFY(m_dialog->Label8->isVisible());
        QVERIFY(m_dialog->CheckBoxsound->isVisible());
        QVERIFY(!m_dialog->StringGrid10er->isVisible());
        QCOMPARE(m_dialog->Label8->text(), QStringLiteral("\"+\"-Taste = 10er"));
        QCOMPARE(m_dialog->StringGrid1->toolTip(), QStringLiteral("\"+\" = 10"));
        QCOMPARE(m_dialog->StringGrid1->columnCount(), 11);
        QCOMPARE(m_dialog->StringGrid1->rowCount(), 6);
        QCOMPARE(m_dialog->StringGrid1->columnWidth(0), 35);
        QCOMPARE(m_dialog->StringGrid1->columnWidth(1), 31);
        QCOMPARE(QApplication::focusWidget(), m_dialog->StringGrid1);
        QCOMPARE(m_dialog->StringGrid1->currentRow(), 0);
        QCOMPARE(m_dialog->StringGrid1->currentColumn(), 1);
        QVERIFY(m_dialog->Label3->text().trimmed() == Localised("0,0"));
    });
}

void TestSchusseingabe::tenthShotsShownRounded_data()
{
    QTest::addColumn<float>("ring");
    QTest::addColumn<quint8>("status");
    QTest::addColumn<QString>("zelle");
    QTest::addColumn<QString>("zeilensumme");
    QTest::newRow("9,5 zur geraden 10") << 9.5f << quint8(1) << "10"
                                        << "10,0";
    QTest::newRow("8,5 zur geraden 8") << 8.5f << quint8(1) << "8"
                                       << "8,0";
    QTest::newRow("10,4") << 10.4f << quint8(0x81) << "10"
                          << "10,0";
    QTest::newRow("7,6") << 7.6f << quint8(5) << "8"
                         << "8,0";
    QTest::newRow("Nuller") << 0.0f << quint8(1) << "0"
                            << "";
    QTest::newRow("kein Schuss") << 0.0f << quint8(0) << ""
                                 << "";
    QTest::newRow("nur Marke, kein Schuss") << 0.0f << quint8(4) << ""
                                            << "";
}

void TestSchusseingabe::tenthShotsShownRounded()
{
    QFETCH(float, ring);
    QFETCH(quint8, status);
    QFETCH(QString, zelle);
    QFETCH(QString, zeilensumme);
    m_dialog->Schuesse[1] = Treffer(ring, status);
    m_dialog->WerteEintragen();
    QCOMPARE(Text(m_dialog->StringGrid1, 0, 1), zelle);
    QCOMPARE(Text(m_dialog->StringGrid1, 0, 0).trimmed(), Localised(zeilensumme));
    QCOMPARE(m_dialog->Label3->text().trimmed(),
             Localised(zeilensumme.isEmpty() ? QStringLiteral("0,0") : zeilensumme));
}

void TestSchusseingabe::typedRingsChangeOnlyDifferingShots_data()
{
    QTest::addColumn<TYSchuss>("vorher");
    QTest::addColumn<QString>("taste");
    QTest::addColumn<QString>("zelle");
    QTest::addColumn<float>("ring");
    QTest::addColumn<quint8>("status");
    QTest::newRow("Plus ist 10 von Hand") << TYSchuss() << "+"
                                          << "10" << 10.0f << quint8(129);
    QTest::newRow("Ziffer auf leerem Platz") << TYSchuss() << "7"
                                             << "7" << 7.0f << quint8(129);
    QTest::newRow("Fehlschuss auf leerem Platz bleibt Schuss") << TYSchuss() << "0"
                                                               << "0" << 0.0f << quint8(129);
    QTest::newRow("gezeigter Wert bleibt") << Treffer(9.5f) << "+"
                                           << "10" << 9.5f << quint8(1);
    QTest::newRow("gezeigter Wert, Marke bleibt") << Treffer(8.5f, 5) << "8"
                                                  << "8" << 8.5f << quint8(5);
    QTest::newRow("anderer Wert") << Treffer(9.5f) << "9"
                                  << "9" << 9.0f << quint8(129);
}

void TestSchusseingabe::typedRingsChangeOnlyDifferingShots()
{
    QFETCH(TYSchuss, vorher);
    QFETCH(QString, taste);
    QFETCH(QString, zelle);
    QFETCH(float, ring);
    QFETCH(quint8, status);
    m_dialog->Schuesse[1] = vorher;
    m_dialog->Schuesse[2] = Treffer(8.5f); // shown as 8, never re-typed
    m_dialog->WerteEintragen();
    const int ergebnis = Bedienen(*m_dialog, [&] {
        Tippe(taste);
        QCOMPARE(Text(m_dialog->StringGrid1, 0, 1), zelle);
        QCOMPARE(Text(m_dialog->StringGrid1, 0, 0), QString::number(zelle.toInt() + 8));
        QCOMPARE(m_dialog->Label3->text(), QString::number(zelle.toInt() + 8) + u' ');
        m_dialog->BitBtn1->click();
    });
    QCOMPARE(ergebnis, int(QDialog::Accepted));
    const TYSchuss &s = m_dialog->Schuesse[1];
    QCOMPARE(s.Ring, ring);
    QCOMPARE(s.Status, status);
    QCOMPARE(s.Teiler, vorher.Teiler);
    QCOMPARE(s.Winkel, vorher.Winkel);
    QCOMPARE(m_dialog->Schuesse[2], Treffer(8.5f));
}

void TestSchusseingabe::tenIsGreenUnlessUnderTheCursor()
{
    m_dialog->Schuesse[2] = Treffer(10);
    m_dialog->WerteEintragen();
    Bedienen(*m_dialog, [&] {
        QTableWidget *grid = m_dialog->StringGrid1;
        QCOMPARE(Fuellung(grid, 0, 2), Gruen);
        Tippe(QStringLiteral("+")); // cursor moves on to the 10 of shot 2
        QCOMPARE(m_dialog->Schuesse[1].Ring, 10.0f);
        QCOMPARE(m_dialog->Schuesse[1].Status, quint8(129));
        QCOMPARE(Fuellung(grid, 0, 1), Gruen);
        QVERIFY(Fuellung(grid, 0, 2) != Gruen);
        QVERIFY(Fuellung(grid, 0, 3) != Gruen);
    });
}

void TestSchusseingabe::cellMapsToShotNumber()
{
    Aufbauen(false, 5);
    m_dialog->Schuesse[13] = Treffer(4);
    m_dialog->WerteEintragen();
    QCOMPARE(Text(m_dialog->StringGrid1, 2, 3), QStringLiteral("4"));
    const TSchussArray vorher = m_dialog->Schuesse;
    Bedienen(*m_dialog, [&] {
        m_dialog->StringGrid1->setCurrentCell(2, 3);
        Tippe(QStringLiteral("7"));
    });
    TSchussArray erwartet = vorher;
    erwartet[13] = Treffer(7, 129);
    QCOMPARE(m_dialog->Schuesse, erwartet);
}

void TestSchusseingabe::prefilledRowSumCountsInTotal()
{
    const float ringe[10] = {6, 6, 6, 6, 6, 6, 6, 5, 5, 5};
    for (int i = 0; i < 10; ++i)
        m_dialog->Schuesse[i + 1] = Treffer(ringe[i]);
    m_dialog->WerteEintragen();
    QCOMPARE(Text(m_dialog->StringGrid1, 0, 0), Localised("57,0"));
    QCOMPARE(m_dialog->Label3->text(), Localised("57,0"));
    Bedienen(*m_dialog, [&] {
        m_dialog->StringGrid1->setCurrentCell(1, 1);
        Tippe(QStringLiteral("9"));
        QCOMPARE(Text(m_dialog->StringGrid1, 0, 0), Localised("57,0"));
        QCOMPARE(Text(m_dialog->StringGrid1, 1, 0), QStringLiteral("9"));
        QCOMPARE(m_dialog->Label3->text(), QStringLiteral("66 "));
    });
}

void TestSchusseingabe::otherKeysAreIgnored()
{
    m_dialog->WerteEintragen();
    Bedienen(*m_dialog, [&] {
        Tippe(QStringLiteral("a-,. "));
        QCOMPARE(Text(m_dialog->StringGrid1, 0, 1), QString());
        QCOMPARE(m_dialog->StringGrid1->currentColumn(), 1);
        Taste(Qt::Key_Right); // cursor keys still move
        QCOMPARE(m_dialog->StringGrid1->currentColumn(), 2);
    });
    QCOMPARE(m_dialog->Schuesse, TSchussArray());
    QCOMPARE(m_dialog->Label3->text(), Localised("0,0"));
}

void TestSchusseingabe::cursorAndBeeps_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<int>("spalte");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<int>("neueZeile");
    QTest::addColumn<int>("neueSpalte");
    QTest::addColumn<int>("beeps");
    QTest::newRow("in der Zeile") << 0 << 2 << true << 0 << 3 << 0;
    QTest::newRow("Zeilenende mit Sound") << 1 << 5 << true << 2 << 1 << 1;
    QTest::newRow("Zeilenende ohne Sound") << 1 << 5 << false << 2 << 1 << 0;
    QTest::newRow("letzte Zelle mit Sound") << 5 << 5 << true << 5 << 5 << 2;
    QTest::newRow("letzte Zelle ohne Sound") << 5 << 5 << false << 5 << 5 << 0;
}

void TestSchusseingabe::cursorAndBeeps()
{
    QFETCH(int, zeile);
    QFETCH(int, spalte);
    QFETCH(bool, sound);
    QFETCH(int, neueZeile);
    QFETCH(int, neueSpalte);
    QFETCH(int, beeps);
    Aufbauen(false, 5);
    m_dialog->CheckBoxsound->setChecked(sound);
    m_dialog->WerteEintragen();
    Bedienen(*m_dialog, [&] {
        m_dialog->StringGrid1->setCurrentCell(zeile, spalte);
        Tippe(QStringLiteral("9"));
        QCOMPARE(m_dialog->StringGrid1->currentRow(), neueZeile);
        QCOMPARE(m_dialog->StringGrid1->currentColumn(), neueSpalte);
    });
    QCOMPARE(m_dialog->Schuesse[zeile * 5 + spalte].Ring, 9.0f);
    QCOMPARE(m_dialogs->BeepCount(), beeps);
}

void TestSchusseingabe::closingKeys_data()
{
    QTest::addColumn<Qt::Key>("taste");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("Enter") << Qt::Key_Return << int(QDialog::Accepted);
    QTest::newRow("Enter im Ziffernblock") << Qt::Key_Enter << int(QDialog::Accepted);
    QTest::newRow("Escape") << Qt::Key_Escape << int(QDialog::Rejected);
}

void TestSchusseingabe::closingKeys()
{
    QFETCH(Qt::Key, taste);
    QFETCH(int, ergebnis);
    m_dialog->WerteEintragen();
    const int result = Bedienen(*m_dialog, [&] {
        Tippe(QStringLiteral("7"));
        Taste(taste);
    });
    QCOMPARE(result, ergebnis);
    QCOMPARE(m_dialog->Schuesse[1], (TYSchuss {0, 0, 7, 129}));
}

void TestSchusseingabe::shotsBeyondTheArrayHaveNoCell()
{
    Aufbauen(false, 25);
    m_dialog->WerteEintragen();
    QTableWidget *grid = m_dialog->StringGrid1;
    QCOMPARE(grid->item(4, 20)->flags(), Qt::ItemIsEnabled | Qt::ItemIsSelectable); // shot 120
    QCOMPARE(grid->item(4, 21)->flags(), Qt::NoItemFlags);
    m_dialog->CheckBoxsound->setChecked(true);
    Bedienen(*m_dialog, [&] {
        grid->setCurrentCell(4, 20);
        Tippe(QStringLiteral("5"));
        QCOMPARE(grid->currentColumn(), 20);
    });
    QCOMPARE(m_dialog->Schuesse[120].Ring, 5.0f);
    QCOMPARE(m_dialogs->BeepCount(), 2);
}

// Series sums typed into the series grid: limits, errors and the way through the rows.
class TestSerieneingabe : public TEingabeFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestLocale(); }
    void init()
    {
        Aufbauen(true);
        for (int i = 1; i <= 4; ++i)
            m_dialog->Serie[i] = 90 + i;
    }
    void cleanup() { Abbauen(); }

    void showsSeriesGridOnly();
    void typedSeries_data();
    void typedSeries();
    void clearingSetsZero();
    void tenthSumKeepsItsTenths();
    void invalidTextStopsAtItsRow();
    void enterMovesDownThenToOk();
    void editorOutlivesTheMessage();
};

void TestSerieneingabe::showsSeriesGridOnly()
{
    m_dialog->WerteEintragen();
    QCOMPARE(Text(m_dialog->StringGrid10er, 0, 0), Localised("91,0"));
    QCOMPARE(Text(m_dialog->StringGrid10er, 4, 0), QString());
    QCOMPARE(m_dialog->Label3->text(), Localised("370,0"));
    Bedienen(*m_dialog, [&] {
        QTableWidget *grid = m_dialog->StringGrid10er;
        QVERIFY(grid->isVisible());
        QVERIFY(!m_dialog->StringGrid1->isVisible());
        QVERIFY(!m_dialog->Label8->isVisible());
        QVERIFY(!m_dialog->CheckBoxsound->isVisible());
        QCOMPARE(grid->columnCount(), 1);
        QCOMPARE(grid->rowCount(), 6);
        QCOMPARE(grid->columnWidth(0), 40);
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(grid->currentRow(), 0);
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        QVERIFY(!grid->verticalScrollBar()->isVisible());
    });
}

void TestSerieneingabe::typedSeries_data()
{
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<double>("serie");
    QTest::addColumn<QString>("zelle");
    QTest::addColumn<QStringList>("meldungen");
    const QString ueber150 = QStringLiteral("Achtung! Ergebnisse über 150 Ringe bei einer  Serie");
    QTest::newRow("150 gilt") << "150" << 150.0 << "150" << QStringList();
    QTest::newRow("151 wird 0") << "151" << 0.0 << "0" << QStringList {ueber150};
    QTest::newRow("nach 0 weiter") << "1519" << 9.0 << "09" << QStringList {ueber150};
    QTest::newRow("Buchstabe") << "9x" << 9.0 << "9x"
                               << QStringList {
                                          QStringLiteral("'9x' ist kein gültiger Integerwert")};
    QTest::newRow("negativ wird 0")
            << "-5" << 0.0 << "0"
            << QStringList {
                       QStringLiteral("'-' ist kein gültiger Integerwert"),
                       QStringLiteral(
                               "Achtung! Negative Ergebnisse sind bei einer Serie nicht möglich")};
}

void TestSerieneingabe::typedSeries()
{
    QFETCH(QString, tasten);
    QFETCH(double, serie);
    QFETCH(QString, zelle);
    QFETCH(QStringList, meldungen);
    m_dialog->WerteEintragen();
    Bedienen(*m_dialog, [&] {
        m_dialog->StringGrid10er->setCurrentCell(1, 0);
        Tippe(tasten);
        QCOMPARE(Text(m_dialog->StringGrid10er, 1, 0), zelle);
        QCOMPARE(m_dialog->Serie[2], serie);
        QCOMPARE(m_dialog->Label3->text(), QString::number(91 + 93 + 94 + serie) + u' ');
    });
    QCOMPARE(m_dialogs->Messages(), meldungen);
}

void TestSerieneingabe::clearingSetsZero()
{
    m_dialog->WerteEintragen();
    const int ergebnis = Bedienen(*m_dialog, [&] {
        m_dialog->StringGrid10er->setCurrentCell(2, 0);
        Taste(Qt::Key_F2);
        Taste(Qt::Key_Backspace);
        QCOMPARE(m_dialog->Serie[3], 0.0);
        QCOMPARE(m_dialog->Label3->text(), QStringLiteral("277 "));
        m_dialog->BitBtn1->click();
    });
    QCOMPARE(ergebnis, int(QDialog::Accepted));
    QCOMPARE(m_dialog->Serie[3], 0.0);
    QCOMPARE(m_dialogs->Messages(), QStringList());
}

void TestSerieneingabe::tenthSumKeepsItsTenths()
{
    m_dialog->Serie[1] = 95.3;
    m_dialog->WerteEintragen();
    QCOMPARE(Text(m_dialog->StringGrid10er, 0, 0), Localised("95,3"));
    Bedienen(*m_dialog, [&] {
        m_dialog->StringGrid10er->setCurrentCell(4, 0);
        Tippe(QStringLiteral("80"));
    });
    QCOMPARE(m_dialog->Serie[1], 95.3);
    QCOMPARE(m_dialog->Serie[5], 80.0);
    QCOMPARE(m_dialog->Label3->text(), QStringLiteral("454 "));
    QCOMPARE(m_dialogs->Messages(), QStringList());
}

void TestSerieneingabe::invalidTextStopsAtItsRow()
{
    m_dialog->WerteEintragen();
    const int ergebnis = Bedienen(*m_dialog, [&] {
        QTableWidget *grid = m_dialog->StringGrid10er;
        grid->item(0, 0)->setText(QStringLiteral("100"));
        grid->item(2, 0)->setText(QStringLiteral("120"));
        grid->setCurrentCell(1, 0);
        Tippe(QStringLiteral("x"));
        QCOMPARE(m_dialog->Serie[1], 100.0);
        QCOMPARE(m_dialog->Serie[2], 92.0);
        QCOMPARE(m_dialog->Serie[3], 93.0);
        m_dialog->BitBtn1->click(); // the bad cell keeps the dialog open
        QVERIFY(m_dialog->isVisible());
    });
    QCOMPARE(ergebnis, int(QDialog::Rejected));
    const QString meldung = QStringLiteral("'x' ist kein gültiger Integerwert");
    QCOMPARE(m_dialogs->Messages(), QStringList({meldung, meldung}));
    QCOMPARE(m_dialogs->Events().first().message.icon, TMsgIcon::Error);
}

void TestSerieneingabe::enterMovesDownThenToOk()
{
    m_dialog->WerteEintragen();
    const int ergebnis = Bedienen(*m_dialog, [&] {
        QTableWidget *grid = m_dialog->StringGrid10er;
        Tippe(QStringLiteral("88"));
        Taste(Qt::Key_Return);
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(QApplication::focusWidget(), grid);
        Taste(Qt::Key_Return); // not editing: moves all the same
        QCOMPARE(grid->currentRow(), 2);
        grid->setCurrentCell(5, 0);
        Tippe(QStringLiteral("77"));
        Taste(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), m_dialog->BitBtn1);
        QVERIFY(m_dialog->isVisible());
        Taste(Qt::Key_Return);
    });
    QCOMPARE(ergebnis, int(QDialog::Accepted));
    QCOMPARE(m_dialog->Serie[1], 88.0);
    QCOMPARE(m_dialog->Serie[6], 77.0);
}

void TestSerieneingabe::editorOutlivesTheMessage()
{
    TFokusDialogs dialogs(m_dialog.get());
    const TUserDialogsScope scope(dialogs);
    m_dialog->WerteEintragen();
    Bedienen(*m_dialog, [&] {
        Tippe(QStringLiteral("151"));
        QCOMPARE(QApplication::focusWidget()->parentWidget(), m_dialog->StringGrid10er->viewport());
        Tippe(QStringLiteral("9")); // goes on in the same editor, after the "0"
        QCOMPARE(Text(m_dialog->StringGrid10er, 0, 0), QStringLiteral("09"));
    });
    QCOMPARE(dialogs.Messages().size(), 1);
    QCOMPARE(m_dialog->Serie[1], 9.0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestSchusseingabe test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        TestSerieneingabe test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_shotentrydialog.moc"
