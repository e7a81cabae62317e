#include "base/scripteddialogs.h"
#include "machine/disagparameterstring.h"
#include "settings/setupdaten.h"
#include "ui/disagdialog.h"
#include "ui/modal.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The DISAG parameter dialog as the home team dialog uses it: record in, user clicks, string
// and changed flag out.
class TestDisagDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void liveString_data();
    void liveString();
    void noRingsAndNoTeiler_data();
    void noRingsAndNoTeiler();
    void shotsPerTargetFollowLimits_data();
    void shotsPerTargetFollowLimits();
    void targetTypesFollowMachine_data();
    void targetTypesFollowMachine();
    void calibreOnlyForCalibreTypes_data();
    void calibreOnlyForCalibreTypes();
    void teilerLimitOnlyWithTeiler();
    void changedFlag_data();
    void changedFlag();
    void reminderOnlyForOtherMachines_data();
    void reminderOnlyForOtherMachines();
    void reusedDialogShowsNewRecord();

private:
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
    quint8 m_geraet = 0;
};

namespace {

// The record as far as the parser gets, as the caller hands it over.
TDisagParameter Parsed(const QString &text)
{
    TDisagParameter record;
    ParseParameterStringError(text, record);
    return record;
}

void SelectText(QComboBox *box, const QString &text)
{
    const int at = box->findText(text);
    QVERIFY2(at >= 0, qPrintable(text));
    box->setCurrentIndex(at);
}

void TypeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

// The user's part, as words separated by blanks: "typ:8" clicks RadioButton9, "ringe:1",
// "teiler:2" and "rib:1" click radio items, "kaliber:4" selects a calibre, "grenze:300" and
// "bez:ABC" type into the edits, "serie:60", "pro:5" and "zwischen:Keine" pick list items,
// "aufdruck" and "markieren" click the check boxes.
void Apply(TFormDisageinstellung &dlg, const QString &actions)
{
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = action.section(u':', 0, 0);
        const QString value = action.section(u':', 1);
        if (key == u"typ")
            dlg.RadioButtons[size_t(value.toInt())]->click();
        else if (key == u"ringe")
            dlg.Ringe->button(value.toInt())->click();
        else if (key == u"teiler")
            dlg.Teiler->button(value.toInt())->click();
        else if (key == u"rib")
            dlg.Ringberechnung->button(value.toInt())->click();
        else if (key == u"kaliber")
            dlg.ComboBox4->setCurrentIndex(value.toInt());
        else if (key == u"grenze")
            TypeInto(dlg.Edit1, value);
        else if (key == u"bez")
            TypeInto(dlg.Edit2, value);
        else if (key == u"serie")
            SelectText(dlg.ComboBox2, value);
        else if (key == u"pro")
            SelectText(dlg.ComboBox1, value);
        else if (key == u"zwischen")
            SelectText(dlg.ComboBox3, value);
        else if (key == u"aufdruck")
            dlg.CheckBox1->click();
        else if (key == u"markieren")
            dlg.CheckBox2->click();
        else
            QFAIL(qPrintable(action));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(dlg.Label8->text(), BuildParameterString(dlg.Record()));
    }
}

// Shows the dialog on `start`, plays `actions` and closes it with OK or Cancel.
void Run(TFormDisageinstellung &dlg, const QString &start, const QString &actions, bool ok = true)
{
    dlg.SetRecord(Parsed(start));
    const TModalHandlerScope scope([&](QDialog &) {
        Apply(dlg, actions);
        (ok ? dlg.ButtonOk : dlg.ButtonCancel)->click();
        return dlg.result();
    });
    QCOMPARE(ExecModal(dlg), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

QStringList Items(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

void TestDisagDialog::init()
{
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
    m_geraet = Setupdaten().Ringlesegeraet;
    Setupdaten().Ringlesegeraet = 1;
}

void TestDisagDialog::cleanup()
{
    Setupdaten().Ringlesegeraet = m_geraet;
    delete m_scope;
    delete m_dialogs;
}

void TestDisagDialog::liveString_data()
{
    QTest::addColumn<int>("geraet");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << 1 << ""
                              << ""
                              << "SCH=LG10;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("100 m target, everything set")
            << 1 << ""
            << "typ:8 ringe:1 rib:1 teiler:2 grenze:300 pro:5 serie:60 aufdruck"
            << "SCH=GK10;RIA=ZR;RIB=MI;KAL=22;TEA=HT;TEG=300;SSC=5;SZI=10;SGE=60;KSD;";
    QTest::newRow("calibre chosen") << 1 << ""
                                    << "typ:10 kaliber:3"
                                    << "SCH=SCHFE;KAL=7mm;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("calibre survives a fixed type") << 1 << "SCH=GK5;KAL=30;"
                                                   << "typ:3 typ:9"
                                                   << "SCH=GK5;KAL=30;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("ring calculation only on calibre types") << 1 << "SCH=GK10;RIB=MI;"
                                                            << "typ:7"
                                                            << "SCH=KK50;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("empty Teiler limit") << 1 << "SCH=LP;TEA=ZT;TEG=500;"
                                        << "grenze:"
                                        << "SCH=LP;TEA=ZT;TEG=250;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("Teiler limit beyond the machine")
            << 1 << "SCH=LP;TEA=ZT;"
            << "grenze:30000"
            << "SCH=LP;TEA=ZT;TEG=250;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("Teiler off forgets the limit") << 1 << "SCH=LP;TEA=ZT;TEG=500;"
                                                  << "teiler:0 teiler:1"
                                                  << "SCH=LP;TEA=ZT;TEG=250;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("no intermediate sum") << 1 << ""
                                         << "zwischen:Keine"
                                         << "SCH=LG10;SSC=1;SZI=0;SGE=40;";
    QTest::newRow("strip takes fewer shots") << 1 << "SCH=LP;SSC=5;"
                                             << "typ:0"
                                             << "SCH=LG10;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("shots per target kept where allowed") << 1 << "SCH=LP;SSC=5;"
                                                         << "typ:2"
                                                         << "SCH=LGES;SSC=5;SZI=10;SGE=40;";
    QTest::newRow("intermediate sum not beyond the total") << 1 << ""
                                                           << "serie:10 zwischen:15"
                                                           << "SCH=LG10;SSC=1;SZI=10;SGE=10;";
    QTest::newRow("marked Teiler and designation")
            << 1 << ""
            << "markieren bez:Kreis1"
            << "SCH=LG10;SSC=1;SZI=10;SGE=40;TEM;DRT=Kreis1;";
    QTest::newRow("designation of six characters without separators")
            << 1 << ""
            << "bez:A;B=Cdefgh"
            << "SCH=LG10;SSC=1;SZI=10;SGE=40;DRT=ABCdef;";
    QTest::newRow("own values of the string are kept") << 1 << "SCH=LP;SSC=7;SZI=8;SGE=25;"
                                                       << ""
                                                       << "SCH=LP;SSC=7;SZI=8;SGE=25;";
    QTest::newRow("values the machine refuses fall back") << 1 << "SCH=LP;SSC=4;SGE=500;"
                                                          << ""
                                                          << "SCH=LP;SSC=4;SZI=10;SGE=40;";
    QTest::newRow("type the machine cannot read") << 0 << "SCH=GK10;SSC=5;"
                                                  << ""
                                                  << "SCH=GK10;KAL=22;SSC=1;SZI=10;SGE=40;";
}

void TestDisagDialog::liveString()
{
    QFETCH(int, geraet);
    QFETCH(QString, start);
    QFETCH(QString, actions);
    QFETCH(QString, expected);
    Setupdaten().Ringlesegeraet = quint8(geraet);
    TFormDisageinstellung dlg;
    Run(dlg, start, actions);
    QCOMPARE(dlg.Label8->text(), expected);
    QCOMPARE(BuildParameterString(dlg.Record()), expected);
}

void TestDisagDialog::noRingsAndNoTeiler_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("ringe");
    QTest::addColumn<int>("teiler");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no rings brings tenth Teiler")
            << ""
            << "ringe:2" << 2 << 1 << "SCH=LG10;RIA=KR;TEA=ZT;TEG=250;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("no Teiler brings whole rings")
            << "RIA=KR;TEA=HT;"
            << "teiler:0" << 0 << 0 << "SCH=LG10;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("no rings with Teiler stays")
            << "TEA=HT;"
            << "ringe:2" << 2 << 2 << "SCH=LG10;RIA=KR;TEA=HT;TEG=250;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("other Teiler with no rings stays")
            << "RIA=KR;TEA=HT;"
            << "teiler:1" << 2 << 1 << "SCH=LG10;RIA=KR;TEA=ZT;TEG=250;SSC=1;SZI=10;SGE=40;";
}

void TestDisagDialog::noRingsAndNoTeiler()
{
    QFETCH(QString, start);
    QFETCH(QString, actions);
    QFETCH(int, ringe);
    QFETCH(int, teiler);
    QFETCH(QString, expected);
    TFormDisageinstellung dlg;
    Run(dlg, start, actions);
    QCOMPARE(dlg.Ringe->checkedId(), ringe);
    QCOMPARE(dlg.Teiler->checkedId(), teiler);
    QCOMPARE(dlg.Label8->text(), expected);
}

void TestDisagDialog::shotsPerTargetFollowLimits_data()
{
    QTest::addColumn<int>("geraet");
    QTest::addColumn<int>("typ");
    QTest::addColumn<QString>("items");
    const QString all = QStringLiteral("1 2 3 4 5 6 8 10 12 15");
    QTest::newRow("RM2/RM3, LG 10er Band") << 0 << int(Sch_LG10) << "1 2";
    QTest::newRow("RM2/RM3, Luftpistole") << 0 << int(Sch_LP) << "1 2 3 4 5";
    QTest::newRow("RM2/RM3, 100m") << 0 << int(Sch_GK10) << "";
    QTest::newRow("RM3U, Luftpistole") << 1 << int(Sch_LP) << all;
    QTest::newRow("RM3U, Schnellfeuer") << 1 << int(Sch_SchFe) << all;
    QTest::newRow("RM3U, Zimmerstutzen") << 1 << int(Sch_ZS) << "1 2 3 4 5";
    QTest::newRow("RM2Alt, Lfd. Scheibe") << 2 << int(Sch_LS2) << "1";
    QTest::newRow("SAM, KK 50m") << 3 << int(Sch_KK50) << "1 2 3 4 5";
    QTest::newRow("RIKA, LG 5er Band") << 4 << int(Sch_LG5) << "1";
    QTest::newRow("RM 4, LG Einzelscheibe") << 5 << int(Sch_LGES) << "1 2";
}

void TestDisagDialog::shotsPerTargetFollowLimits()
{
    QFETCH(int, geraet);
    QFETCH(int, typ);
    QFETCH(QString, items);
    Setupdaten().Ringlesegeraet = quint8(geraet);
    TFormDisageinstellung dlg;
    // Chosen in the dialog where the machine offers the type, and brought by the record.
    if (!items.isEmpty()) {
        Run(dlg, "", QStringLiteral("typ:%1").arg(typ));
        QCOMPARE(Items(dlg.ComboBox1).join(u' '), items);
    }
    TDisagParameter record;
    record.Scheibentyp = TypeScheiben(typ);
    record.SchussProScheibe = 2;
    dlg.SetRecord(record);
    const TModalHandlerScope scope([&](QDialog &) { return int(QDialog::Accepted); });
    ExecModal(dlg);
    QCOMPARE(Items(dlg.ComboBox1).join(u' '), items);
    QCOMPARE(dlg.Record().SchussProScheibe, items.contains(u'2') ? 2 : 1);
}

void TestDisagDialog::targetTypesFollowMachine_data()
{
    QTest::addColumn<int>("geraet");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("RM2/RM3") << 0 << "11111111000";
    QTest::newRow("RM3U") << 1 << "11111111111";
    QTest::newRow("RM2Alt") << 2 << "11111111000";
    QTest::newRow("SAM") << 3 << "11111111000";
    QTest::newRow("RIKA") << 4 << "11111111000";
    QTest::newRow("RM 4") << 5 << "11111111000";
}

void TestDisagDialog::targetTypesFollowMachine()
{
    QFETCH(int, geraet);
    QFETCH(QString, enabled);
    Setupdaten().Ringlesegeraet = quint8(geraet);
    TFormDisageinstellung dlg;
    Run(dlg, "", "");
    QString shown;
    for (size_t k = 0; k < dlg.RadioButtons.size(); ++k) {
        QCOMPARE(dlg.RadioButtons[k]->text(), Scheibenname(TypeScheiben(k)));
        QCOMPARE(dlg.RadioButtons[k]->objectName(), QStringLiteral("RadioButton%1").arg(k + 1));
        shown += dlg.RadioButtons[k]->isEnabled() ? u'1' : u'0';
    }
    QCOMPARE(shown, enabled);
    // A disabled type cannot be chosen.
    Run(dlg, "", "typ:8");
    QCOMPARE(dlg.Record().Scheibentyp, enabled[8] == u'1' ? Sch_GK10 : Sch_LG10);
}

void TestDisagDialog::calibreOnlyForCalibreTypes_data()
{
    QTest::addColumn<int>("typ");
    QTest::addColumn<bool>("kaliber");
    for (int t = Sch_LG10; t <= Sch_SchFe; ++t)
        QTest::newRow(Scheibennamen[size_t(t)])
                << t << (t == Sch_GK10 || t == Sch_GK5 || t == Sch_SchFe);
}

void TestDisagDialog::calibreOnlyForCalibreTypes()
{
    QFETCH(int, typ);
    QFETCH(bool, kaliber);
    TFormDisageinstellung dlg;
    Run(dlg, "SCH=GK5;KAL=44;", QStringLiteral("typ:%1").arg(typ));
    QCOMPARE(dlg.ComboBox4->isEnabled(), kaliber);
    QCOMPARE(dlg.RadioGroup3->isEnabled(), kaliber);
    if (kaliber) {
        QCOMPARE(dlg.ComboBox4->count(), KaliberAnzahl);
        QCOMPARE(dlg.ComboBox4->currentText(), QStringLiteral("Kal.44"));
        QCOMPARE(dlg.Record().Kaliberindex, quint8(12));
    } else {
        QCOMPARE(Items(dlg.ComboBox4), QStringList {QStringLiteral("Fest")});
    }
}

void TestDisagDialog::teilerLimitOnlyWithTeiler()
{
    TFormDisageinstellung dlg;
    const QColor grey(Qt::darkGray);
    const QColor black(Qt::black);
    dlg.SetRecord(Parsed("SCH=LP;"));
    const TModalHandlerScope scope([&](QDialog &) {
        [&] {
            QCOMPARE(dlg.Edit1->text(), QStringLiteral("-----"));
            QVERIFY(!dlg.Edit1->isEnabled());
            QCOMPARE(dlg.LabelTeilergrenze->palette().color(QPalette::WindowText), grey);
            Apply(dlg, "teiler:2");
            QCOMPARE(dlg.Edit1->text(), QStringLiteral("250"));
            QVERIFY(dlg.Edit1->isEnabled());
            QCOMPARE(dlg.LabelTeilergrenze->palette().color(QPalette::WindowText), black);
            Apply(dlg, "grenze:1200 teiler:0");
            QCOMPARE(dlg.Edit1->text(), QStringLiteral("-----"));
            QCOMPARE(dlg.LabelTeilergrenze->palette().color(QPalette::WindowText), grey);
        }();
        return int(QDialog::Accepted);
    });
    ExecModal(dlg);
}

void TestDisagDialog::changedFlag_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("expected");
    const QString start = QStringLiteral("SCH=LP;TEA=ZT;TEG=400;SSC=1;SZI=10;SGE=40;");
    QTest::newRow("unchanged") << "" << true << false << start;
    QTest::newRow("unchanged, cancelled") << "" << false << false << start;
    QTest::newRow("a change") << "ringe:1" << true << true
                              << "SCH=LP;RIA=ZR;TEA=ZT;TEG=400;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("a change and back") << "ringe:1 ringe:0" << true << false << start;
    QTest::newRow("limit typed over and back") << "grenze:40 grenze:400" << true << false << start;
    // The record follows every click; the caller decides by the result what to keep.
    QTest::newRow("a change, cancelled")
            << "serie:60" << false << true << "SCH=LP;TEA=ZT;TEG=400;SSC=1;SZI=10;SGE=60;";
}

void TestDisagDialog::changedFlag()
{
    QFETCH(QString, actions);
    QFETCH(bool, ok);
    QFETCH(bool, changed);
    QFETCH(QString, expected);
    TFormDisageinstellung dlg;
    Run(dlg, "SCH=LP;TEA=ZT;TEG=400;", "ringe:2");
    QVERIFY(dlg.Changed());
    Run(dlg, "SCH=LP;TEA=ZT;TEG=400;", actions, ok);
    QCOMPARE(dlg.Changed(), changed);
    QCOMPARE(BuildParameterString(dlg.Record()), expected);
}

void TestDisagDialog::reminderOnlyForOtherMachines_data()
{
    QTest::addColumn<int>("geraet");
    QTest::addColumn<bool>("reminder");
    QTest::newRow("RM2/RM3") << 0 << false;
    QTest::newRow("RM3U") << 1 << false;
    QTest::newRow("RM2Alt") << 2 << false;
    QTest::newRow("SAM") << 3 << true;
    QTest::newRow("RIKA") << 4 << true;
    QTest::newRow("RM 4") << 5 << true;
}

void TestDisagDialog::reminderOnlyForOtherMachines()
{
    QFETCH(int, geraet);
    QFETCH(bool, reminder);
    Setupdaten().Ringlesegeraet = quint8(geraet);
    TFormDisageinstellung dlg;
    QStringList seenWhenShown;
    dlg.SetRecord({});
    const TModalHandlerScope scope([&](QDialog &) {
        seenWhenShown = m_dialogs->Messages();
        return int(QDialog::Accepted);
    });
    ExecModal(dlg);
    const QStringList expected = reminder
            ? QStringList {QStringLiteral(
                    "Nehmen Sie die Einstellungen auch auf Ihrem Ringlesegerät vor.")}
            : QStringList {};
    QCOMPARE(seenWhenShown, expected);
    QCOMPARE(m_dialogs->Messages(), expected);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Ringlesegeräte-Einstellungen"));
}

void TestDisagDialog::reusedDialogShowsNewRecord()
{
    TFormDisageinstellung dlg;
    Run(dlg, "SCH=GK10;RIA=ZR;KAL=30;TEA=HT;TEG=300;SSC=5;SGE=60;KSD;", "bez:Zug");
    QCOMPARE(dlg.Label8->text(),
             QStringLiteral(
                     "SCH=GK10;RIA=ZR;KAL=30;TEA=HT;TEG=300;SSC=5;SZI=10;SGE=60;KSD;DRT=Zug;"));
    Run(dlg, "SCH=GK5;KAL=44;", "");
    QCOMPARE(dlg.Label8->text(), QStringLiteral("SCH=GK5;KAL=44;SSC=1;SZI=10;SGE=40;"));
    QCOMPARE(dlg.Edit2->text(), QString());
    QVERIFY(!dlg.CheckBox1->isChecked());
    QCOMPARE(dlg.ComboBox2->currentText(), QStringLiteral("40"));
    QVERIFY(!dlg.Changed());
}

QTEST_MAIN(TestDisagDialog)
#include "tst_disagdialog.moc"
