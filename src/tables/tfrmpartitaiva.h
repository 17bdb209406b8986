#pragma once

#include "tables/checkdialog.h"

// Checks the VAT number (partita IVA): eleven digits with a check digit; a valid
// number also names the VAT office that issued it.
class TfrmPartitaIva : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

protected:
    void check() override;
};
