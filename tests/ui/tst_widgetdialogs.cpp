#include "ui/colorref.h"
#include "ui/help.h"
#include "ui/images.h"
#include "ui/programwindows.h"
#include "ui/widgetdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class TRecordingHelp : public THelp
{
public:
    void ShowContext(int context) override { contexts.append(context); }
    void ShowTopic(const QString &) override { }
    void ShowContents() override { }
    void ShowHelpOnHelp() override { }
    QList<int> contexts;
};

// Runs `act` on the message box once it is shown.
void WhenBoxShown(const std::function<void(QMessageBox &)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(*box);
    });
}

QAbstractButton *ButtonWithText(QMessageBox &box, const QString &text)
{
    for (QAbstractButton *button : box.buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

// The real dialogs behind the user-dialog interface: filters, extensions, colours, message boxes.
class TestWidgetDialogs : public QObject
{
    Q_OBJECT

private slots:
    void fileFilter_data();
    void fileFilter();
    void defaultExtension_data();
    void defaultExtension();
    void colours();
    void messageButtons_data();
    void messageButtons();
    void helpButtonShowsTopicAndStays();
    void imagesHaveAllIndexes();
};

void TestWidgetDialogs::fileFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("plain") << "Rundenwettkampf|*.RW"
                           << "Rundenwettkampf (*.RW *.rw)";
    QTest::newRow("patterns in the description") << "Rundenwettkampf (*.txt)|*.txt"
                                                 << "Rundenwettkampf (*.txt *.TXT)";
    QTest::newRow("two entries") << "Gastmannschaft|*.GS|Alle|*.*"
                                 << "Gastmannschaft (*.GS *.gs);;Alle (*.*)";
    QTest::newRow("several patterns") << "Text|*.txt;*.csv"
                                      << "Text (*.txt *.TXT *.csv *.CSV)";
}

void TestWidgetDialogs::fileFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(QtFileFilter(filter), qt);
}

void TestWidgetDialogs::defaultExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("result");
    QTest::newRow("none") << "/daten/heim"
                          << "RW"
                          << "/daten/heim.RW";
    QTest::newRow("own") << "/daten/heim.rw"
                         << "RW"
                         << "/daten/heim.rw";
    QTest::newRow("dot in folder") << "/daten.alt/RWKO"
                                   << "TXT"
                                   << "/daten.alt/RWKO.TXT";
    QTest::newRow("no default") << "/daten/heim"
                                << ""
                                << "/daten/heim";
}

void TestWidgetDialogs::defaultExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, ext);
    QFETCH(QString, result);
    QCOMPARE(WithDefaultExtension(path, ext), result);
}

void TestWidgetDialogs::colours()
{
    QCOMPARE(ColorFromRef(255), QColor(255, 0, 0));
    QCOMPARE(ColorFromRef(32768), QColor(0, 128, 0));
    QCOMPARE(ColorFromRef(0xC0C0C0), QColor(192, 192, 192));
    QCOMPARE(RefFromColor(QColor(0, 0, 255)), 0xFF0000u);
    QCOMPARE(RefFromColor(ColorFromRef(0x123456)), 0x123456u);
}

void TestWidgetDialogs::messageButtons_data()
{
    QTest::addColumn<TMsgButtons>("buttons");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("press");
    QTest::addColumn<TMsgAnswer>("answer");
    QTest::newRow("Ja/Nein") << TMsgButtons::YesNo << QStringList {"&Ja", "&Nein"} << "&Nein"
                             << TMsgAnswer::No;
    QTest::newRow("Ja/Nein/Abbrechen")
            << TMsgButtons::YesNoCancel << QStringList {"&Ja", "&Nein", "Abbrechen"} << "&Ja"
            << TMsgAnswer::Yes;
    QTest::newRow("closed") << TMsgButtons::YesNoCancel << QStringList {"&Ja", "&Nein", "Abbrechen"}
                            << "" << TMsgAnswer::Cancel;
    QTest::newRow("OK") << TMsgButtons::Ok << QStringList {"OK"} << "OK" << TMsgAnswer::Ok;
}

void TestWidgetDialogs::messageButtons()
{
    QFETCH(TMsgButtons, buttons);
    QFETCH(QStringList, texts);
    QFETCH(QString, press);
    QFETCH(TMsgAnswer, answer);
    QStringList seen;
    QString text;
    WhenBoxShown([&](QMessageBox &box) {
        text = box.text();
        for (QAbstractButton *b : box.buttons())
            seen.append(b->text());
        if (press.isEmpty())
            box.reject();
        else
            ButtonWithText(box, press)->click();
    });
    TWidgetDialogs dialogs;
    QCOMPARE(dialogs.MessageDlg(QStringLiteral("Programm beenden ?"), TMsgIcon::Confirmation,
                                buttons),
             answer);
    QCOMPARE(text, QStringLiteral("Programm beenden ?"));
    seen.sort();
    texts.sort();
    QCOMPARE(seen, texts);
}

void TestWidgetDialogs::helpButtonShowsTopicAndStays()
{
    TRecordingHelp help;
    ProgramWindows().help = &help;
    int shown = 0;
    std::function<void(QMessageBox &)> step = [&](QMessageBox &box) {
        ++shown;
        if (shown == 1) {
            WhenBoxShown(step);
            ButtonWithText(box, QStringLiteral("Hilfe"))->click();
        } else {
            ButtonWithText(box, QStringLiteral("OK"))->click();
        }
    };
    WhenBoxShown(step);
    TWidgetDialogs dialogs;
    QCOMPARE(dialogs.MessageDlg(QStringLiteral("Fehler"), TMsgIcon::Error, TMsgButtons::OkHelp, 42),
             TMsgAnswer::Ok);
    QCOMPARE(shown, 2);
    QCOMPARE(help.contexts, QList<int> {42});
    ProgramWindows() = TProgramWindows();
}

void TestWidgetDialogs::imagesHaveAllIndexes()
{
    const TFimages images;
    for (int i = 0; i < TFimages::Anzahl; ++i)
        QVERIFY2(!images.Image(i).pixmap(16, 16).isNull(), qPrintable(QString::number(i)));
    QVERIFY(images.Image(TFimages::Anzahl).isNull());
}

QTEST_MAIN(TestWidgetDialogs)
#include "tst_widgetdialogs.moc"
