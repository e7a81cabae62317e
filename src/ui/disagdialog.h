#pragma once

#include "geometry/disagparameter.h"

#include <QDialog>
#include <QString>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The DISAG machine parameters of a home team. Created once and reused: the caller places the
// record, shows the dialog modally, then builds the string from Record() and reads Changed().
// Every control change goes straight into the record; OK and Cancel only close the dialog, and
// the caller decides by the modal result what to keep.
class TFormDisageinstellung : public QDialog
{
    Q_OBJECT

public:
    explicit TFormDisageinstellung(QWidget *parent = nullptr);

    void SetRecord(const TDisagParameter &record);
    const TDisagParameter &Record() const;
    // The parameter string at closing differs from the one shown at opening.
    bool Changed() const;

    // Target types Sch_LG10 .. Sch_SchFe; RadioButtons[k - 1] is RadioButton<k>.
    std::array<QRadioButton *, 11> RadioButtons {};
    QButtonGroup *Scheibenauswahl = nullptr;
    QGroupBox *RadioGroup1 = nullptr; // rings
    QButtonGroup *Ringe = nullptr;
    QGroupBox *RadioGroup2 = nullptr; // Teiler
    QButtonGroup *Teiler = nullptr;
    QGroupBox *RadioGroup3 = nullptr; // ring calculation
    QButtonGroup *Ringberechnung = nullptr;
    QComboBox *ComboBox4 = nullptr; // calibre
    QLabel *LabelTeilergrenze = nullptr;
    QLineEdit *Edit1 = nullptr; // Teiler limit
    QComboBox *ComboBox2 = nullptr; // total shots
    QComboBox *ComboBox1 = nullptr; // shots per target
    QComboBox *ComboBox3 = nullptr; // shots per intermediate sum
    QCheckBox *CheckBox1 = nullptr; // target print
    QCheckBox *CheckBox2 = nullptr; // Teiler only marked
    QLineEdit *Edit2 = nullptr; // designation
    QPushButton *ButtonOk = nullptr;
    QPushButton *ButtonCancel = nullptr;
    QLabel *Label8 = nullptr; // the parameter string of the current settings

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FormShow();
    void FormActivate();
    void RMUpdate();
    void FormClose();

    void ShowKaliber();
    void ShowTeilergrenze();
    void FillSchussProScheibe(int grenze);

    TDisagParameter m_record;
    QString m_openingString;
    bool m_changed = false;
    // Control changes made by the dialog itself are not the user's.
    bool m_filling = false;
    // Values the record brought that are not among the usual items; offered as well, so that
    // opening and closing the dialog keeps them.
    int m_eigeneSchussProScheibe = 0;
};
