#pragma once

#include "app/screenbase.h"
#include "output/exportdialogue.h"

#include <QList>
#include <QStringList>

class QLabel;
class QTableView;
class ReceiptGridModel;

// The receipts export: every receipt of the archive open in the receipt
// editor in a grid, one row per receipt, exported as a worksheet.
class TfrmExpRicevute : public DialogScreen
{
    Q_OBJECT
public:
    explicit TfrmExpRicevute(QWidget *parent = nullptr);
    ~TfrmExpRicevute() override;

    // The archive shown: the receipt editor's lblFile when the screen is made.
    QString archivePath() const { return m_archivePath; }
    void setArchivePath(const QString &path) { m_archivePath = path; }

    // The grid columns by name, colNum first.
    static QStringList gridColumnNames();
    QTableView *grid() const { return m_grid; }
    // The texts of each grid row, without the running number.
    QList<QStringList> gridRows() const;

    // Fills the grid from the archive (done when the screen is shown).
    void fillGrid();
    // cmdEsporta: the export dialogue over the grid's rows.
    ExportDialogue::Outcome exportGrid();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_archivePath;
    ReceiptGridModel *m_model;
    QTableView *m_grid;
    QLabel *m_info;
    bool m_filled = false;
};
