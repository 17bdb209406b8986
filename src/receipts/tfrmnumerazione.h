#pragma once

#include "app/screenbase.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// The numbering settings of the receipts: the starting number of the
// automatic numbering and whether the calendar year follows the number.
// Opened by the receipt editor with the caller token "ricevute"; with any
// other token it neither reads nor writes the Settings file.
class TfrmNumerazione : public DialogScreen
{
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool fromReceipts() const;
    void apply();

    QLineEdit *m_start;
    QCheckBox *m_withYear;
    QPushButton *m_apply;
};
