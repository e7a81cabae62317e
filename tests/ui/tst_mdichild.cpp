#include "base/configfolder.h"
#include "base/scripteddialogs.h"
#include "gridtesting.h"
#include "settings/setupdaten.h"
#include "testsupport.h"
#include "ui/childhooks.h"
#include "ui/guestteamdialog.h"
#include "ui/headerdatadialog.h"
#include "ui/mdichild.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/readingsession.h"
#include "ui/shotentrydialog.h"
#include "ui/statuspanels.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace {

// Stands in for the reading window: records what it was handed and returns prepared shots.
class TFakeReadingSession : public TReadingSession
{
public:
    void Prepare(const TDisagParameter &p, const QString &caption, const QString &team,
                 const TSchussArray &shots, bool continueReading) override
    {
        params = p;
        shooterCaption = caption;
        teamName = team;
        given = shots;
        continues = continueReading;
    }
    void Run() override { ++runs; }
    TSchussArray Shots() const override { return result; }

    TDisagParameter params;
    QString shooterCaption, teamName;
    TSchussArray given, result;
    bool continues = false;
    int runs = 0;
};

TSchussArray NineRings(int count)
{
    TSchussArray shots;
    for (int i = 1; i <= count; ++i)
        shots[i] = {100, 90, 9, SchussVorhanden};
    return shots;
}

// Pixels of a cell that are clearly blue.
int BluePixels(const QImage &image, const QRect &cell)
{
    int n = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.blue() > 200 && c.red() < 80 && c.green() < 80 ? 1 : 0;
        }
    }
    return n;
}

} // namespace

// The competition window: grid texts, colours and layout, what clicks and keys start, the close
// question and the export dialog.
class TestMdiChild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void emptyWindowShowsCaption();
    void gridTextsAfterLoading();
    void startersWithoutTeamScoringInBlue();
    void layoutFollowsResize();
    void cursorOverCells();
    void clicksAndKeysSetModified_data();
    void clicksAndKeysSetModified();
    void charactersAreSwallowedArrowsMove();
    void clickOutsideButtonColumnStartsNoEntry_data();
    void clickOutsideButtonColumnStartsNoEntry();
    void entryByHand_data();
    void entryByHand();
    void cancelledEntryChangesNothing_data();
    void cancelledEntryChangesNothing();
    void readingSession();
    void closeQuestion_data();
    void closeQuestion();
    void unnamedCompetitionClosesWhenFileDialogCancelled();
    void failedSaveKeepsWindowOpen();
    void saveAsFollowsNewName();
    void exportDialog();
    void sendCompetition_data();
    void sendCompetition();
    void editsFromTheMenuCountAsChanges_data();
    void editsFromTheMenuCountAsChanges();
    void partlyReadFileIsSavedUnderANewName();
    void readingWithoutReadingWindowSaysSo();

private:
    std::unique_ptr<TMDIChild> LoadedWindow(const QString &mode = QString());

    QTemporaryDir *m_dir = nullptr;
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
};

void TestMdiChild::initTestCase()
{
    UseTestLocale();
}

void TestMdiChild::init()
{
    m_dir = new QTemporaryDir;
    SetConfigFolder(m_dir->path());
    Setupdaten() = tSetupdaten();
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
    QFile::copy(FixturePath(QStringLiteral("sechs.RW")),
                m_dir->filePath(QStringLiteral("sechs.RW")));
    QFile::setPermissions(m_dir->filePath(QStringLiteral("sechs.RW")),
                          QFile::ReadOwner | QFile::WriteOwner);
}

void TestMdiChild::cleanup()
{
    ProgramWindows() = TProgramWindows();
    SendMailHook() = nullptr;
    delete m_scope;
    delete m_dialogs;
    delete m_dir;
}

// The fixture (N = 4, OMannschafts = 2) in a shown window; `mode` replaces the input mode.
std::unique_ptr<TMDIChild> TestMdiChild::LoadedWindow(const QString &mode)
{
    auto child = std::make_unique<TMDIChild>();
    child->resize(1000, 700);
    child->show();
    child->Wettkampf().Dateiname = m_dir->filePath(QStringLiteral("sechs.RW"));
    child->LoadCompetition();
    if (!mode.isNull())
        child->Wettkampf().Kopfdaten[KopfErgebniserfassung] = mode;
    return child;
}

void TestMdiChild::emptyWindowShowsCaption()
{
    TMDIChild child;
    child.resize(600, 400);
    child.show();
    QCOMPARE(child.Panel4Caption->text(), QStringLiteral("Fehler! Keine Rundenwettkampf geöffnet"));
    QVERIFY(child.Panel4Caption->isVisible());
    QVERIFY(!child.Panel2->isVisible());
    QVERIFY(!child.Panel3->isVisible());
    QVERIFY(!child.Wettkampf().Geaendert);
    QCOMPARE(child.StatusBar2->Count(), 9);
    QCOMPARE(child.StatusBar2->cursor().shape(), Qt::PointingHandCursor);
}

void TestMdiChild::gridTextsAfterLoading()
{
    const auto child = LoadedWindow();
    QCOMPARE(child->windowTitle(), QStringLiteral("sechs.RW"));
    QVERIFY(child->Panel2->isVisible());
    QVERIFY(child->Panel3->isVisible());
    QVERIFY(!child->Wettkampf().Geaendert);

    QTableWidget *heim = child->StringGrid1;
    QTableWidget *gast = child->StringGrid2;
    QCOMPARE(heim->rowCount(), 8);
    QCOMPARE(gast->rowCount(), 8);
    QCOMPARE(heim->columnCount(), 3);
    QCOMPARE(gast->columnCount(), 4);
    QCOMPARE(Cell(gast, 0, 3), QStringLiteral("St."));

    QCOMPARE(Cell(heim, 0, 1), QStringLiteral("SV Musterdorf 1"));
    QCOMPARE(Cell(heim, 0, 2), QStringLiteral("838")); // positions 1..4 only
    QCOMPARE(Cell(heim, 1, 0), QString());
    for (int r = 2; r < 8; ++r)
        QCOMPARE(Cell(heim, r, 0), QStringLiteral("..."));
    QCOMPARE(Cell(heim, 2, 1), QStringLiteral("Müller, Jörg\r   95   97"));
    QCOMPARE(Cell(heim, 2, 2), QStringLiteral("192"));
    QCOMPARE(Cell(heim, 4, 1), QStringLiteral("Berg, Ben\r   95   97"));
    QCOMPARE(Cell(heim, 7, 1), QStringLiteral("Fuchs, Frieda\r"));
    QCOMPARE(Cell(heim, 7, 2), QStringLiteral("  0"));

    QCOMPARE(Cell(gast, 0, 1), QStringLiteral("SG Nachbarort"));
    QCOMPARE(Cell(gast, 0, 2), QStringLiteral(" 80"));
    QCOMPARE(Cell(gast, 2, 1), QStringLiteral("Gast, Gerd\r   80"));
    QCOMPARE(Cell(gast, 3, 1), QStringLiteral("\r"));

    const QStringList panels {QStringLiteral("Luftgewehr"), QStringLiteral("Schützenklasse"),
                              QStringLiteral("Kreisliga"),  QStringLiteral("A"),
                              QStringLiteral("3"),          QStringLiteral("10.12.2026"),
                              QStringLiteral("54321"),      QStringLiteral("Einzelschuss eingeben"),
                              QStringLiteral("4711")};
    for (int i = 0; i < panels.size(); ++i)
        QCOMPARE(child->StatusBar2->Text(i), panels[i]);
    QCOMPARE(child->Wettkampf().Kopfdaten[KopfGastVereinsnr], QStringLiteral("54321"));
}

void TestMdiChild::startersWithoutTeamScoringInBlue()
{
    const auto child = LoadedWindow();
    QTableWidget *heim = child->StringGrid1;
    const QImage image = heim->viewport()->grab().toImage();
    for (int row = 2; row < 8; ++row) {
        const QRect cell(heim->columnViewportPosition(1), heim->rowViewportPosition(row),
                         heim->columnWidth(1), heim->rowHeight(row));
        const bool blue = BluePixels(image, cell) > 0;
        QVERIFY2(blue == (row - 1 > 4), qPrintable(QStringLiteral("row %1").arg(row)));
    }
    const QPoint headerCell(heim->columnViewportPosition(2) + heim->columnWidth(2) - 3,
                            heim->rowHeight(0) - 3);
    QCOMPARE(image.pixelColor(headerCell), QColor(0, 255, 0));
}

void TestMdiChild::layoutFollowsResize()
{
    const auto child = LoadedWindow();
    for (const QSize size : {QSize(1000, 700), QSize(1400, 1000), QSize(700, 450)}) {
        child->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(child->Panel2->width(), child->Panel4->width() / 2);
        for (QTableWidget *grid : {child->StringGrid1, child->StringGrid2}) {
            const int rowHeight = grid->height() / grid->rowCount();
            QCOMPARE(grid->rowHeight(2), rowHeight);
            QCOMPARE(grid->rowHeight(0), rowHeight);
            QCOMPARE(grid->rowHeight(1), 3);
            QCOMPARE(grid->font().pointSize(), rowHeight / 4);
            QVERIFY(grid->font().bold());
            QCOMPARE(grid->columnWidth(0), grid->width() * 5 / 100);
            QCOMPARE(grid->columnWidth(1), grid->width() * 74 / 100);
            QCOMPARE(grid->columnWidth(2), grid->width() * 20 / 100);
        }
    }
}

void TestMdiChild::cursorOverCells()
{
    const auto child = LoadedWindow();
    const auto cursorAt = [](QTableWidget *grid, int row, int column) {
        QTest::mouseMove(grid->viewport(), CellCentre(grid, row, column));
        QMouseEvent move(QEvent::MouseMove, CellCentre(grid, row, column),
                         grid->viewport()->mapToGlobal(CellCentre(grid, row, column)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid->viewport(), &move);
        return grid->viewport()->cursor();
    };
    const QCursor target = cursorAt(child->StringGrid1, 3, 0);
    QCOMPARE(target.shape(), Qt::BitmapCursor);
    QCOMPARE(target.hotSpot(), QPoint(16, 16));
    QCOMPARE(cursorAt(child->StringGrid2, 1, 0).shape(), Qt::BitmapCursor);
    QCOMPARE(cursorAt(child->StringGrid2, 0, 1).shape(), Qt::PointingHandCursor);
    QCOMPARE(cursorAt(child->StringGrid1, 0, 1).shape(), Qt::ArrowCursor);
    QCOMPARE(cursorAt(child->StringGrid1, 3, 1).shape(), Qt::ArrowCursor);
}

void TestMdiChild::clicksAndKeysSetModified_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("click home name") << 0;
    QTest::newRow("click empty button cell") << 1;
    QTest::newRow("right click") << 2;
    QTest::newRow("key press") << 3;
    QTest::newRow("key release") << 4;
}

void TestMdiChild::clicksAndKeysSetModified()
{
    QFETCH(int, action);
    const auto child = LoadedWindow();
    QSignalSpy spy(child.get(), &TMDIChild::ModifiedChanged);
    QTableWidget *heim = child->StringGrid1;
    switch (action) {
    case 0:
        Click(heim, 2, 1);
        break;
    case 1:
        Click(child->StringGrid2, 4, 0);
        break;
    case 2:
        QTest::mouseClick(heim->viewport(), Qt::RightButton, {}, CellCentre(heim, 3, 2));
        break;
    case 3:
        QTest::keyPress(heim, Qt::Key_Down);
        break;
    case 4:
        QTest::keyRelease(heim, Qt::Key_Shift);
        break;
    }
    QVERIFY(child->Wettkampf().Geaendert);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().at(0).toBool(), true);
}

void TestMdiChild::charactersAreSwallowedArrowsMove()
{
    const auto child = LoadedWindow();
    QTableWidget *heim = child->StringGrid1;
    heim->setCurrentCell(3, 1);
    QTest::keyClicks(heim, QStringLiteral("Ei"));
    QCOMPARE(heim->currentRow(), 3);
    QCOMPARE(Cell(heim, 6, 1).left(11), QStringLiteral("Einzel, Eva"));
    QTest::keyClick(heim, Qt::Key_Down);
    QCOMPARE(heim->currentRow(), 4);
}

void TestMdiChild::clickOutsideButtonColumnStartsNoEntry_data()
{
    QTest::addColumn<bool>("guest");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("separator row") << false << 1 << 0;
    QTest::newRow("home header") << false << 0 << 0;
    QTest::newRow("name column") << false << 2 << 1;
    QTest::newRow("total column") << false << 2 << 2;
    QTest::newRow("St. column") << true << 2 << 3;
    QTest::newRow("empty guest position") << true << 3 << 0;
}

void TestMdiChild::clickOutsideButtonColumnStartsNoEntry()
{
    QFETCH(bool, guest);
    QFETCH(int, row);
    QFETCH(int, column);
    TFSchusseingabe entry;
    TFakeReadingSession session;
    ProgramWindows().schusseingabe = &entry;
    ProgramWindows().ringlesen = &session;
    int shown = 0;
    TModalHandlerScope modal([&](QDialog &) {
        ++shown;
        return int(QDialog::Rejected);
    });
    for (const QString &mode : {ErfassungSerien, ErfassungEinzelschuss, ErfassungRinglesegeraet}) {
        const auto child = LoadedWindow(mode);
        Click(guest ? child->StringGrid2 : child->StringGrid1, row, column);
        QVERIFY(child->Wettkampf().Geaendert);
    }
    QCOMPARE(shown, 0);
    QCOMPARE(session.runs, 0);
}

void TestMdiChild::entryByHand_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("guest");
    QTest::addColumn<bool>("serienmodus");
    QTest::newRow("series, home") << ErfassungSerien << false << true;
    QTest::newRow("single shots, home") << ErfassungEinzelschuss << false << false;
    QTest::newRow("single shots, guest") << ErfassungEinzelschuss << true << false;
}

void TestMdiChild::entryByHand()
{
    QFETCH(QString, mode);
    QFETCH(bool, guest);
    QFETCH(bool, serienmodus);
    const auto child = LoadedWindow(mode);
    TFSchusseingabe entry;
    entry.Zeilen = 1;
    entry.SchussProSerie = 99;
    ProgramWindows().schusseingabe = &entry;
    TyMannschaft &team = guest ? child->Wettkampf().Gast : child->Wettkampf().Heim;
    const TYTeilnehmer before = team.Teilnehmer[1];

    TSerien typed;
    typed[1] = 100;
    typed[2] = 99;
    int shown = 0;
    TModalHandlerScope modal([&](QDialog &dialog) {
        ++shown;
        auto &d = static_cast<TFSchusseingabe &>(dialog);
        [&] {
            QCOMPARE(d.Serienmodus, serienmodus);
            QCOMPARE(d.Zeilen, 6);
            QCOMPARE(d.SchussProSerie, 10);
            QCOMPARE(d.Label2->text(), before.Name);
            QVERIFY(d.Schuesse == before.Schuss);
            if (serienmodus)
                QVERIFY(d.Serie == before.Serie);
        }();
        d.Schuesse = NineRings(12);
        d.Serie = typed;
        return int(QDialog::Accepted);
    });
    Click(guest ? child->StringGrid2 : child->StringGrid1, 2, 0);
    QCOMPARE(shown, 1);

    const TYTeilnehmer &after = team.Teilnehmer[1];
    QVERIFY(after.Schuss == NineRings(12));
    QTableWidget *grid = guest ? child->StringGrid2 : child->StringGrid1;
    if (serienmodus) {
        QVERIFY(after.Serie == typed);
        QCOMPARE(Cell(grid, 2, 2), QStringLiteral("199"));
    } else {
        // Recomputed from the shots: every 10 slots make a series, absent ones count 0.
        QCOMPARE(after.Serie[1], 90.0);
        QCOMPARE(after.Serie[2], 18.0);
        QCOMPARE(after.Serie[3], 0.0);
        QCOMPARE(Cell(grid, 2, 2), QStringLiteral("108"));
    }
}

void TestMdiChild::cancelledEntryChangesNothing_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("series") << ErfassungSerien;
    QTest::newRow("single shots") << ErfassungEinzelschuss;
}

void TestMdiChild::cancelledEntryChangesNothing()
{
    QFETCH(QString, mode);
    const auto child = LoadedWindow(mode);
    TFSchusseingabe entry;
    ProgramWindows().schusseingabe = &entry;
    const TyMannschaft before = child->Wettkampf().Heim;
    const QString shownBefore = Cell(child->StringGrid1, 2, 1);
    TModalHandlerScope modal([&](QDialog &dialog) {
        auto &d = static_cast<TFSchusseingabe &>(dialog);
        d.Schuesse = NineRings(40);
        d.Serie.Fill(1);
        return int(QDialog::Rejected);
    });
    Click(child->StringGrid1, 2, 0);
    QVERIFY(child->Wettkampf().Heim == before);
    QCOMPARE(Cell(child->StringGrid1, 2, 1), shownBefore);
    QVERIFY(child->Wettkampf().Geaendert);
}

void TestMdiChild::readingSession()
{
    const auto child = LoadedWindow(ErfassungRinglesegeraet);
    TFakeReadingSession session;
    session.result = NineRings(20);
    ProgramWindows().ringlesen = &session;
    const TSchussArray before = child->Wettkampf().Heim.Teilnehmer[3].Schuss;
    Click(child->StringGrid1, 4, 0);

    QCOMPARE(session.runs, 1);
    QCOMPARE(child->StringGrid1->currentRow(), 4);
    QCOMPARE(session.shooterCaption, QStringLiteral("Berg, Ben\r   95   97"));
    QCOMPARE(session.teamName, QStringLiteral("SV Musterdorf 1"));
    QVERIFY(session.given == before);
    QVERIFY(session.continues);
    QCOMPARE(session.params.Scheibentyp, Sch_LG10);
    QCOMPARE(session.params.SchussGesamt, 40);

    const TYTeilnehmer &after = child->Wettkampf().Heim.Teilnehmer[3];
    QVERIFY(after.Schuss == NineRings(20));
    QCOMPARE(after.Serie[1], 90.0);
    QCOMPARE(after.Serie[2], 90.0);
    QCOMPARE(after.Serie[4], 0.0);
    QCOMPARE(Cell(child->StringGrid1, 4, 1), QStringLiteral("Berg, Ben\r   90   90"));
    QCOMPARE(Cell(child->StringGrid1, 0, 2), QStringLiteral("826"));
}

void TestMdiChild::closeQuestion_data()
{
    QTest::addColumn<TMsgAnswer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Ja") << TMsgAnswer::Yes << true << true;
    QTest::newRow("Nein") << TMsgAnswer::No << true << false;
    QTest::newRow("Abbrechen") << TMsgAnswer::Cancel << false << false;
}

void TestMdiChild::closeQuestion()
{
    QFETCH(TMsgAnswer, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    const auto child = LoadedWindow();
    const QByteArray fileBefore = ReadFileBytes(child->Wettkampf().Dateiname);
    child->Wettkampf().Heim.Name = QStringLiteral("Geändert");
    child->SetModified(true);
    m_dialogs->QueueAnswer(answer);

    QCOMPARE(child->CloseCompetition(), closes);
    QCOMPARE(child->Geschlossen(), closes);
    QCOMPARE(child->isVisible(), !closes);
    QCOMPARE(m_dialogs->Events().size(), 1);
    const TMessage &question = m_dialogs->Events().first().message;
    QCOMPARE(question.text, QStringLiteral("Möchten Sie die Änderrungen In sechs.RW speichern ?"));
    QCOMPARE(question.icon, TMsgIcon::Confirmation);
    QCOMPARE(question.buttons, TMsgButtons::YesNoCancel);
    QCOMPARE(ReadFileBytes(child->Wettkampf().Dateiname) != fileBefore, saved);
    QCOMPARE(child->Wettkampf().Geaendert, !saved);
}

void TestMdiChild::unnamedCompetitionClosesWhenFileDialogCancelled()
{
    TMDIChild child;
    child.show();
    child.Wettkampf().Dateiname = QStringLiteral("Unbenannt1");
    child.setWindowTitle(QStringLiteral("Unbenannt1"));
    child.SetModified(true);
    m_dialogs->QueueAnswer(TMsgAnswer::Yes);
    m_dialogs->QueueFileName(std::nullopt);
    QVERIFY(child.CloseCompetition());
    QCOMPARE(m_dialogs->Messages(),
             QStringList {QStringLiteral("Möchten Sie die Änderrungen In Unbenannt1 speichern ?")});
    QCOMPARE(m_dialogs->Events().last().kind, TScriptedDialogs::Kind::SaveFile);
    QCOMPARE(m_dialogs->Unanswered(), 0);
}

void TestMdiChild::failedSaveKeepsWindowOpen()
{
    const auto child = LoadedWindow();
    const QString target = m_dir->filePath(QStringLiteral("fehlt/sechs.RW"));
    child->Wettkampf().Dateiname = target;
    child->SetModified(true);
    m_dialogs->QueueAnswer(TMsgAnswer::Yes);
    QVERIFY(!child->CloseCompetition());
    QVERIFY(!child->Geschlossen());
    QVERIFY(child->isVisible());
    QVERIFY(child->Wettkampf().Geaendert);
    QCOMPARE(m_dialogs->Messages().last(),
             QStringLiteral("nach %1 kann nicht geschrieben werden").arg(target));
}

void TestMdiChild::saveAsFollowsNewName()
{
    const auto child = LoadedWindow();
    child->SetModified(true);
    QSignalSpy history(child.get(), &TMDIChild::HistoryChanged);
    const QString target = m_dir->filePath(QStringLiteral("neu.RW"));
    m_dialogs->QueueFileName(target);
    QCOMPARE(child->SaveCompetitionAs().result, TSaveResult::Saved);
    QCOMPARE(child->windowTitle(), QStringLiteral("neu.RW"));
    QVERIFY(!child->Wettkampf().Geaendert);
    QCOMPARE(history.size(), 1);
    QVERIFY(QFile::exists(target));
    QVERIFY(m_dialogs->Events().first().file.initialDir.isEmpty());

    // The same name again leaves the history list as it is.
    child->SetModified(true);
    QCOMPARE(child->SaveCompetition().result, TSaveResult::Saved);
    QCOMPARE(history.size(), 1);
}

void TestMdiChild::exportDialog()
{
    const auto child = LoadedWindow();
    m_dialogs->QueueFileName(std::nullopt);
    child->ExportOnlineReport();
    QCOMPARE(m_dialogs->Events().size(), 1);
    const TFileDialogOptions &options = m_dialogs->Events().first().file;
    QCOMPARE(m_dialogs->Events().first().kind, TScriptedDialogs::Kind::SaveFile);
    QCOMPARE(options.fileName, QStringLiteral("RWKO.TXT"));
    QCOMPARE(options.filter, QStringLiteral("Rundenwettkampf (*.txt)|*.txt"));
    QCOMPARE(options.defaultExt, QStringLiteral("TXT"));
    QVERIFY(options.initialDir.isEmpty());

    const QString target = m_dir->filePath(QStringLiteral("RWKO.TXT"));
    m_dialogs->QueueFileName(target);
    child->ExportOnlineReport();
    QVERIFY(ReadFileBytes(target).startsWith("12345678\r\n192\r\n"));
}

void TestMdiChild::sendCompetition_data()
{
    QTest::addColumn<bool>("throws");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<int>("sent");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("sent") << false << true << 1 << QStringList();
    QTest::newRow("no connection")
            << true << true << 1
            << QStringList {QStringLiteral(
                       "Fehler: Es ist kein DFÜ-Netzwerk mit TPC/IP-Protokoll eingerichtet ")};
    QTest::newRow("save failed") << false << false << 0 << QStringList();
}

void TestMdiChild::sendCompetition()
{
    QFETCH(bool, throws);
    QFETCH(bool, writable);
    QFETCH(int, sent);
    QFETCH(QStringList, messages);
    const auto child = LoadedWindow();
    if (!writable)
        child->Wettkampf().Dateiname = m_dir->filePath(QStringLiteral("fehlt/x.RW"));
    int calls = 0;
    SendMailHook() = [&](TMDIChild &c) {
        ++calls;
        QCOMPARE(&c, child.get());
        if (throws)
            throw std::runtime_error("no route");
    };
    child->SendCompetition();
    QCOMPARE(calls, sent);
    if (writable)
        QCOMPARE(m_dialogs->Messages(), messages);
}

void TestMdiChild::editsFromTheMenuCountAsChanges_data()
{
    QTest::addColumn<bool>("guestTeam");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("geaendert");
    QTest::newRow("guest team OK") << true << true << true;
    QTest::newRow("guest team cancelled") << true << false << false;
    QTest::newRow("header data changed") << false << true << true;
    QTest::newRow("header data as they were") << false << false << false;
}

// Guest team and header data reached from the menu: unmarked, closing would drop them silently.
void TestMdiChild::editsFromTheMenuCountAsChanges()
{
    QFETCH(bool, guestTeam);
    QFETCH(bool, edit);
    QFETCH(bool, geaendert);
    TFGast gast;
    ProgramWindows().gast = &gast;
    const auto child = LoadedWindow(ErfassungEinzelschuss);
    TModalHandlerScope modal([edit](QDialog &dialog) {
        if (auto *kopf = qobject_cast<TFormKopfdaten *>(&dialog)) {
            if (edit)
                kopf->Erfassung(1)->setChecked(true);
            return int(QDialog::Accepted);
        }
        return edit ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    if (guestTeam)
        child->EditGuestTeam();
    else
        child->EditHeaderData();
    QCOMPARE(child->Wettkampf().Geaendert, geaendert);
}

void TestMdiChild::partlyReadFileIsSavedUnderANewName()
{
    const QString path = m_dir->filePath(QStringLiteral("sechs.RW"));
    QByteArray bytes = ReadFileBytes(path);
    bytes.replace("Schuss1_2=OK;  9;400,00;45,7", "Schuss1_2=OK;  9;4x0,00;45,7");
    WriteFileBytes(path, bytes);
    const auto child = LoadedWindow();
    QCOMPARE(m_dialogs->Messages(), QStringList {"'4x0,00' ist kein gültiger Gleitkommawert"});
    child->SetModified(true);
    m_dialogs->QueueFileName(std::nullopt);
    QCOMPARE(child->SaveCompetition().result, TSaveResult::Cancelled);
    QCOMPARE(m_dialogs->Events().last().kind, TScriptedDialogs::Kind::SaveFile);
    QCOMPARE(ReadFileBytes(path), bytes);

    const QString copy = m_dir->filePath(QStringLiteral("teil.RW"));
    m_dialogs->QueueFileName(copy);
    QCOMPARE(child->SaveCompetition().result, TSaveResult::Saved);
    QVERIFY(QFile::exists(copy));
    QCOMPARE(ReadFileBytes(path), bytes);
}

void TestMdiChild::readingWithoutReadingWindowSaysSo()
{
    const auto child = LoadedWindow(ErfassungRinglesegeraet);
    Click(child->StringGrid1, 2, 0);
    QCOMPARE(m_dialogs->Messages(),
             QStringList {"Das Ringlesen ist in dieser Version noch nicht enthalten."});
}

QTEST_MAIN(TestMdiChild)
#include "tst_mdichild.moc"
