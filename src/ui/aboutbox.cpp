#include "ui/aboutbox.h"

#include "base/version.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

QString VersionText(const QString &version)
{
    return QStringLiteral("Version: ")
            + (version.isEmpty() ? QStringLiteral("No version specification") : version);
}

QString ProgramVersion()
{
    // A project without a version leaves the four places of the generated text empty.
    QStringList teile = QStringLiteral(TARVENN_VERSION).split(QLatin1Char('.'));
    if (teile.join(QString()).isEmpty())
        return QString();
    for (QString &teil : teile) {
        if (teil.isEmpty())
            teil = QStringLiteral("0");
    }
    return teile.join(QLatin1Char('.'));
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Info"));
    auto *name = new QLabel(tr("Tarvenn-Rundenwettkampfprogramm"));
    QFont fett = name->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.3);
    name->setFont(fett);
    labelVersion = new QLabel;
    auto *zweck = new QLabel(tr("Wettkampfauswertung für Rundenwettkämpfe"));
    buttonOk = new QPushButton(tr("OK"));
    buttonOk->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(labelVersion, 0, Qt::AlignHCenter);
    layout->addWidget(zweck, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(buttonOk, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    labelVersion->setText(VersionText(ProgramVersion()));
    QDialog::showEvent(event);
}
