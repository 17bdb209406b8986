#pragma once

#include "tables/checkdialog.h"

// Checks an Italian bank account number in IBAN form (27 characters).
class TfrmIban : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);

protected:
    void check() override;
};
