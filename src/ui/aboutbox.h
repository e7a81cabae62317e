#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Version: " and the program version, or the note that the program carries none.
QString VersionText(const QString &version);
// The four numbers major.minor.release.build given by the build; empty when there is none.
QString ProgramVersion();

// The information box: program name, version, a line about the program.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *labelVersion = nullptr;
    QPushButton *buttonOk = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
