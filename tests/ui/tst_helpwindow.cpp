#include "base/scripteddialogs.h"
#include "ui/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <functional>

// The help window over the pages copied beside the program: every context and topic the program
// asks for, the contents, the instructions of the window itself, and a missing help.
class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensThePageOfEachTopic_data();
    void opensThePageOfEachTopic();
    void unknownTopicShowsContents();
    void everyLinkLeadsToAPage();
    void defaultFolderIsBesideTheProgram();
    void missingFolderGivesMessage();
    void missingPageGivesMessage();

private:
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
};

namespace {

const QString HelpDir = QStringLiteral(TARVENN_HELP_DIR);

QString PageName(const THelpWindow &window)
{
    return window.browser->source().fileName();
}

} // namespace

void TestHelpWindow::init()
{
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
}

void TestHelpWindow::cleanup()
{
    delete m_scope;
    delete m_dialogs;
}

void TestHelpWindow::opensThePageOfEachTopic_data()
{
    QTest::addColumn<std::function<void(THelp &)>>("call");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    using Call = std::function<void(THelp &)>;
    QTest::newRow("context 10") << Call([](THelp &h) { h.ShowContext(10); }) << "start.html"
                                << "Willkommen bei Tarvenn";
    QTest::newRow("context 20") << Call([](THelp &h) { h.ShowContext(20); })
                                << "heimmannschaften.html"
                                << "Heimmannschaften";
    QTest::newRow("Optionen_20") << Call([](THelp &h) { h.ShowTopic("Optionen_20"); })
                                 << "optionen-schussbilder.html"
                                 << "Grundeinstellungen: Schußbilder";
    QTest::newRow("Optionen_30") << Call([](THelp &h) { h.ShowTopic("Optionen_30"); })
                                 << "optionen-diagramme.html"
                                 << "Grundeinstellungen: Diagramme";
    QTest::newRow("Optionen_40") << Call([](THelp &h) { h.ShowTopic("Optionen_40"); })
                                 << "optionen-ringlesegeraet.html"
                                 << "Grundeinstellungen: Ringlesegerät";
    QTest::newRow("Email_00010") << Call([](THelp &h) { h.ShowTopic("Email_00010"); })
                                 << "email.html"
                                 << "Ergebnis per E-Mail senden";
    QTest::newRow("topic names ignore case")
            << Call([](THelp &h) { h.ShowTopic("optionen_40"); }) << "optionen-ringlesegeraet.html"
            << "Grundeinstellungen: Ringlesegerät";
    QTest::newRow("contents") << Call([](THelp &h) { h.ShowContents(); }) << "index.html"
                              << "Inhalt";
    QTest::newRow("help on help") << Call([](THelp &h) { h.ShowHelpOnHelp(); }) << "bedienung.html"
                                  << "Bedienung des Hilfesystems";
}

void TestHelpWindow::opensThePageOfEachTopic()
{
    QFETCH(std::function<void(THelp &)>, call);
    QFETCH(QString, page);
    QFETCH(QString, title);
    THelpWindow window(HelpDir);
    call(window);
    QVERIFY(window.isVisible());
    QCOMPARE(PageName(window), page);
    QCOMPARE(window.browser->documentTitle(), title);
    QCOMPARE(window.windowTitle(), "Tarvenn-Hilfe - " + title);
    QVERIFY(m_dialogs->Events().isEmpty());
}

void TestHelpWindow::unknownTopicShowsContents()
{
    THelpWindow window(HelpDir);
    window.ShowContext(4711);
    QCOMPARE(PageName(window), QString("index.html"));
    QVERIFY(m_dialogs->Events().isEmpty());
}

// A broken link in the shipped pages would leave the reader at an empty page.
void TestHelpWindow::everyLinkLeadsToAPage()
{
    const QStringList pages = QDir(HelpDir).entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.contains("index.html"));
    THelpWindow window(HelpDir);
    int links = 0;
    for (const QString &page : pages) {
        window.browser->setSource(QUrl::fromLocalFile(QDir(HelpDir).filePath(page)));
        QVERIFY2(!window.browser->documentTitle().isEmpty(), qPrintable(page));
        const QString html = window.browser->toHtml();
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(pages.contains(target), qPrintable(page + " -> " + target));
            ++links;
        }
    }
    QVERIFY(links >= pages.size());
}

void TestHelpWindow::defaultFolderIsBesideTheProgram()
{
    QCOMPARE(THelpWindow::DefaultHelpFolder(),
             QCoreApplication::applicationDirPath() + "/wkprog.hlp");
    QCOMPARE(THelpWindow().HelpFolder(), THelpWindow::DefaultHelpFolder());
}

void TestHelpWindow::missingFolderGivesMessage()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("wkprog.hlp");
    THelpWindow window(missing);
    window.ShowContext(10);
    window.ShowContents();
    QVERIFY(!window.isVisible());
    const QString text = "Die Hilfe wurde nicht gefunden: Der Ordner \"" + missing + "\" fehlt.";
    QCOMPARE(m_dialogs->Messages(), QStringList({text, text}));
    QCOMPARE(m_dialogs->Events().first().message.icon, TMsgIcon::Error);
}

void TestHelpWindow::missingPageGivesMessage()
{
    QTemporaryDir dir;
    QFile map(dir.filePath("topics.txt"));
    QVERIFY(map.open(QIODevice::WriteOnly));
    map.write("# Seiten\n20 = fehlt.html\n");
    map.close();
    THelpWindow window(dir.path());
    window.ShowContext(20);
    QVERIFY(!window.isVisible());
    QCOMPARE(m_dialogs->Messages(),
             QStringList("Die Hilfeseite \"" + dir.filePath("fehlt.html") + "\" fehlt."));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
