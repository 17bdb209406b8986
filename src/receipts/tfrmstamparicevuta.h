#pragma once

#include "app/screenbase.h"
#include "output/report.h"
#include "receipts/receiptreport.h"

#include <QImage>

class QLabel;
class QPushButton;

// The three output screens of the receipt editor: print, preview and PDF of
// the receipt the editor shows, saved or not. Each is a small fixed dialog
// with a title, explanation lines, the action button btnStampa and
// btnAnnulla; it holds its own copy of the receipt report and the logo.
class ReceiptOutputDialog : public DialogScreen
{
    Q_OBJECT
public:
    // The receipt's texts by record field name, read from the editor's
    // controls by their names (edit fields, total labels, drop-down lists).
    static ReceiptReport::Values editorValues(const QWidget *editor);

    const Report &report() const { return m_report; }
    const QImage &logo() const { return m_logo; }

protected:
    ReceiptOutputDialog(const QString &name, ReceiptReport::Variant variant, const QString &title,
                        const QStringList &explanation, const QString &action, QWidget *parent);

    // Fills the report from the editor and the logo.
    void fill();
    // The action of btnStampa.
    virtual void act() = 0;

    void showEvent(QShowEvent *event) override;

    Report m_report;

private:
    void loadLogo();
    const QWidget *editor() const;

    ReceiptReport::Variant m_variant;
    QImage m_logo;
    QLabel *m_imgLogo;
    QLabel *m_imgTemp;
};

class TfrmStampaRicevuta : public ReceiptOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaRicevuta(QWidget *parent = nullptr);

protected:
    void act() override;
};

class TfrmAnteprimaRicevuta : public ReceiptOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaRicevuta(QWidget *parent = nullptr);

protected:
    void act() override;
};

class TfrmPDF_Ricevuta : public ReceiptOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmPDF_Ricevuta(QWidget *parent = nullptr);

protected:
    void act() override;
};
