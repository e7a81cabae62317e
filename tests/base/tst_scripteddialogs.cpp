#include "base/scripteddialogs.h"

#include <QTest>

// The double every other test relies on: it must answer in queue order and count what it had
// to answer on its own.
class TestScriptedDialogs : public QObject
{
    Q_OBJECT

private slots:
    void answersInOrderAndRecordsTexts();
    void unqueuedQuestionsGetCancellingButton();
    void installedInstanceIsUsedAndRestored();
};

void TestScriptedDialogs::answersInOrderAndRecordsTexts()
{
    TScriptedDialogs d;
    d.QueueAnswer(TMsgAnswer::Yes);
    d.QueueAnswer(TMsgAnswer::Cancel);
    d.QueueFileName(QString("/tmp/a.RW"));
    d.QueueInput(std::nullopt);
    QCOMPARE(d.MessageDlg("eins", TMsgIcon::Confirmation, TMsgButtons::YesNo), TMsgAnswer::Yes);
    QCOMPARE(d.MessageDlg("zwei", TMsgIcon::Confirmation, TMsgButtons::YesNoCancel),
             TMsgAnswer::Cancel);
    QCOMPARE(d.SaveFileName({"", "RW|*.RW", "RW", "", ""}), std::optional<QString>("/tmp/a.RW"));
    QCOMPARE(d.InputQuery("c", "p", "v"), std::optional<QString>());
    d.Beep();
    QCOMPARE(d.Messages(), QStringList({"eins", "zwei"}));
    QCOMPARE(d.BeepCount(), 1);
    QCOMPARE(d.Unanswered(), 0);
    QCOMPARE(d.Unused(), 0);
}

void TestScriptedDialogs::unqueuedQuestionsGetCancellingButton()
{
    TScriptedDialogs d;
    d.ShowMessage("Hinweis");
    QCOMPARE(d.Unanswered(), 0); // a notice needs no answer
    QCOMPARE(d.MessageDlg("?", TMsgIcon::Confirmation, TMsgButtons::YesNo), TMsgAnswer::No);
    QCOMPARE(d.MessageDlg("?", TMsgIcon::Confirmation, TMsgButtons::YesNoCancel),
             TMsgAnswer::Cancel);
    QCOMPARE(d.OpenFileName({}), std::optional<QString>());
    QCOMPARE(d.Unanswered(), 3);
}

void TestScriptedDialogs::installedInstanceIsUsedAndRestored()
{
    TScriptedDialogs outer, inner;
    TUserDialogsScope a(outer);
    {
        TUserDialogsScope b(inner);
        UserDialogs().ShowMessage("innen");
    }
    UserDialogs().ShowMessage("außen");
    QCOMPARE(inner.Messages(), QStringList({"innen"}));
    QCOMPARE(outer.Messages(), QStringList({"außen"}));
}

QTEST_GUILESS_MAIN(TestScriptedDialogs)
#include "tst_scripteddialogs.moc"
