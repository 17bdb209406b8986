#pragma once

#include "output/listscreen.h"
#include "receipts/periodsummary.h"

#include <array>

class QComboBox;
class QLabel;

// The monthly, quarterly and annual summaries of the receipts issued, one
// design in three variants: the receipts of the period as list lines and
// the four totals, printable with the totals after the lines.
class PeriodSummaryScreen : public ListScreen
{
    Q_OBJECT
public:
    // The result panel's controls, whatever the variant.
    QLabel *heading() const { return m_heading; }
    QLabel *countLine() const { return m_countLine; }
    const std::array<QLabel *, PeriodSummary::TotalCount> &totalLabels() const { return m_totals; }

    // Builds the summary of the period chosen (btnVisualizza; on showing,
    // for the annual summary).
    void buildSummary();

protected:
    PeriodSummaryScreen(const QString &name, PeriodSummary::Period period, QWidget *parent);

    QString printTitle() const override;
    QStringList extraPrintLines() const override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

    void openGuide();

    PeriodSummary::Period m_period;
    QWidget *m_selectionPanel = nullptr; // panSelezione, none for the annual
    QWidget *m_resultPanel = nullptr;    // panContainer
    QComboBox *m_choice = nullptr;       // cboSelezione
    QLabel *m_year = nullptr;            // lblAnno
    QLabel *m_heading = nullptr;         // titTipologia
    QLabel *m_countLine = nullptr;       // panInfo
    std::array<QLabel *, PeriodSummary::TotalCount> m_totals{};
};

class TfrmRiepMensile : public PeriodSummaryScreen
{
    Q_OBJECT
public:
    explicit TfrmRiepMensile(QWidget *parent = nullptr);
};

class TfrmRiepTrimestrale : public PeriodSummaryScreen
{
    Q_OBJECT
public:
    explicit TfrmRiepTrimestrale(QWidget *parent = nullptr);
};

class TfrmRiepAnnuale : public PeriodSummaryScreen
{
    Q_OBJECT
public:
    explicit TfrmRiepAnnuale(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
