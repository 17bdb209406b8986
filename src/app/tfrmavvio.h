#pragma once

#include "app/screenbase.h"

// The launcher: three tiles open the customer register, the price list and
// the receipts menu; closing it ends the program.
class TfrmAvvio : public WorkScreen
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void openApplication(const QString &screen);
};
