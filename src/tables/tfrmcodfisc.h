#pragma once

#include "tables/checkdialog.h"

// Checks the personal tax code (codice fiscale): sixteen letters and digits whose last
// character is a check letter.
class TfrmCodFisc : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

protected:
    void check() override;
};
