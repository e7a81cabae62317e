#include "ui/helpwindow.h"

#include "base/userdialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString InhaltSeite = QStringLiteral("index.html");
const QString BedienungSeite = QStringLiteral("bedienung.html");
const QString ThemenDatei = QStringLiteral("topics.txt");
const QString Fenstertitel = QStringLiteral("Tarvenn-Hilfe");

} // namespace

THelpWindow::THelpWindow(const QString &helpFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_folder(helpFolder)
{
    setWindowTitle(Fenstertitel);
    browser = new QTextBrowser;
    browser->setOpenExternalLinks(true);
    auto *inhalt = new QPushButton(tr("&Inhalt"));
    auto *zurueck = new QPushButton(tr("&Zurück"));
    auto *vor = new QPushButton(tr("&Vor"));
    zurueck->setEnabled(false);
    vor->setEnabled(false);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(inhalt);
    knoepfe->addWidget(zurueck);
    knoepfe->addWidget(vor);
    knoepfe->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(knoepfe);
    layout->addWidget(browser, 1);
    resize(640, 560);

    connect(inhalt, &QPushButton::clicked, this, &THelpWindow::ShowContents);
    connect(zurueck, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(vor, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(browser, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, vor, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString titel = browser->documentTitle();
        setWindowTitle(titel.isEmpty() ? Fenstertitel
                                       : Fenstertitel + QStringLiteral(" - ") + titel);
    });
}

QString THelpWindow::DefaultHelpFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("wkprog.hlp"));
}

void THelpWindow::ShowContext(int context)
{
    ShowTopic(QString::number(context));
}

void THelpWindow::ShowTopic(const QString &topic)
{
    // A topic the help does not know leads to its contents.
    const QString page = PageOf(topic);
    ShowPage(page.isEmpty() ? InhaltSeite : page);
}

void THelpWindow::ShowContents()
{
    ShowPage(InhaltSeite);
}

void THelpWindow::ShowHelpOnHelp()
{
    ShowPage(BedienungSeite);
}

QString THelpWindow::PageOf(const QString &topic) const
{
    QFile file(QDir(m_folder).filePath(ThemenDatei));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        const qsizetype gleich = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || gleich < 0)
            continue;
        if (line.left(gleich).trimmed().compare(topic, Qt::CaseInsensitive) == 0)
            return line.mid(gleich + 1).trimmed();
    }
    return QString();
}

void THelpWindow::ShowPage(const QString &page)
{
    if (!QFileInfo(m_folder).isDir()) {
        UserDialogs().MessageDlg(tr("Die Hilfe wurde nicht gefunden: Der Ordner \"%1\" fehlt.")
                                         .arg(QDir::toNativeSeparators(m_folder)),
                                 TMsgIcon::Error, TMsgButtons::Ok);
        return;
    }
    const QString path = QDir(m_folder).filePath(page);
    if (!QFileInfo(path).isFile()) {
        UserDialogs().MessageDlg(
                tr("Die Hilfeseite \"%1\" fehlt.").arg(QDir::toNativeSeparators(path)),
                TMsgIcon::Error, TMsgButtons::Ok);
        return;
    }
    browser->setSource(QUrl::fromLocalFile(path));
    Present();
}

void THelpWindow::Present()
{
    // Called from a modal dialog, the help must take part in the modality, or the dialog would
    // block it.
    QWidget *modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
            modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide();
        setWindowModality(modality);
    }
    show();
    raise();
    activateWindow();
}
