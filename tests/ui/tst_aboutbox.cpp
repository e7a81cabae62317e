#include "ui/aboutbox.h"
#include "ui/modal.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The information box and its version line.
class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void versionText_data();
    void versionText();
    void versionOfThisBuild();
    void showsTheVersionEachTimeAndClosesWithOk();
};

void TestAboutBox::versionText_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("line");
    QTest::newRow("four numbers") << "1.0.0.1"
                                  << "Version: 1.0.0.1";
    QTest::newRow("none") << ""
                          << "Version: No version specification";
}

void TestAboutBox::versionText()
{
    QFETCH(QString, version);
    QFETCH(QString, line);
    QCOMPARE(VersionText(version), line);
}

void TestAboutBox::versionOfThisBuild()
{
    QCOMPARE(ProgramVersion(), QString("1.0.0.1"));
}

void TestAboutBox::showsTheVersionEachTimeAndClosesWithOk()
{
    TAboutBox box;
    QCOMPARE(box.windowTitle(), QString("Info"));
    QVERIFY(box.buttonOk->isDefault());
    for (int showing = 0; showing < 2; ++showing) {
        box.labelVersion->clear();
        QString shownLine;
        TModalHandlerScope scope([&](QDialog &shown) {
            shownLine = box.labelVersion->text();
            box.buttonOk->click();
            return shown.result();
        });
        QCOMPARE(ExecModal(box), int(QDialog::Accepted));
        QCOMPARE(shownLine, QString("Version: 1.0.0.1"));
    }
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
