#pragma once

#include <QDialog>

// The home team definitions of RWSetup.ini: create, edit, check, save and delete home teams.
class TFEinstellung : public QDialog
{
    Q_OBJECT

public:
    explicit TFEinstellung(QWidget *parent = nullptr);
};
