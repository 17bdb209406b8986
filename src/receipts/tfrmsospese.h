#pragma once

#include "output/listscreen.h"

// The unpaid receipts of the editor's open yearly archive: the receipts whose
// paid flag is "No", listed each time the screen is shown. A double-click
// loads a receipt into the editor, for example to record its payment.
class TfrmSospese : public ListScreen
{
    Q_OBJECT
public:
    explicit TfrmSospese(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    void lineChosen(int row) override;

private:
    void buildList();
};
