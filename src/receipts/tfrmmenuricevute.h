#pragma once

#include "app/screenbase.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The receipts menu: the year whose archive the receipt editor opens, and
// the entry to the income charts. Its hidden lblMemory is the return token
// that names the screen shown when the menu closes: "avvio" (the launcher,
// set every time the menu is shown), "ricevute" (the receipt editor) or
// "statistiche_ric" (the income charts).
class TfrmMenuRicevute : public WorkScreen
{
    Q_OBJECT
public:
    explicit TfrmMenuRicevute(QWidget *parent = nullptr);

    QString returnToken() const;
    void setReturnToken(const QString &token);

protected:
    QString closeTarget() const override;
    void prepare() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void openArchive();
    void openCharts();

    QLabel *m_memory;
    QLineEdit *m_year;
    QPushButton *m_openArchive;
};
