#pragma once

#include "tables/checkdialog.h"

// Checks a payment card number with its check digit, naming the card type.
class TfrmCarta : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);

protected:
    void check() override;
};
