#pragma once

#include "model/competition.h"

#include <QDialog>

#include <array>

class QRadioButton;
class QTableWidget;

using TKopftexte = std::array<QString, KopfAnzahl>;

// The header data of a competition: the seven texts in a table, the input mode as radio items.
class TFormKopfdaten : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Erfassungsarten = 3;

    explicit TFormKopfdaten(QWidget *parent = nullptr);

    // The input mode item follows the first letter of text 7: "R", "S", anything else.
    void SetTexts(const TKopftexte &texts);
    // Text 7 is the caption of the selected input mode item.
    TKopftexte Texts() const;

    QRadioButton *Erfassung(int index) const { return m_erfassung[index]; }
    QTableWidget *StringGrid1;

    void done(int result) override;

private:
    std::array<QRadioButton *, Erfassungsarten> m_erfassung;
};

// The header data dialog, created for this call: edits the eight header texts and returns them,
// however the dialog was closed.
TKopftexte EditKopfdaten(const TKopftexte &texts, QWidget *parent = nullptr);
