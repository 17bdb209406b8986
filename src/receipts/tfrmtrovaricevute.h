#pragma once

#include "output/listscreen.h"

#include <QList>

class QLabel;
class QLineEdit;

// The receipt search: up to ten pieces of text matched against the fields of
// the receipts of the editor's open yearly archive. The search panel panAvvio
// comes first; Cerca lists the receipts found in the result panel
// panContainer, where a double-click loads one into the editor.
class TfrmTrovaRicevute : public ListScreen
{
    Q_OBJECT
public:
    explicit TfrmTrovaRicevute(QWidget *parent = nullptr);

    // btnCerca.
    void runSearch();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void lineChosen(int row) override;

private:
    QWidget *m_searchPanel;
    QWidget *m_resultPanel;
    QList<QLineEdit *> m_fields; // in the order Enter moves through them
    QLabel *m_count;             // lblConta
    QLabel *m_found;             // lblTrovate
};
