#pragma once

#include "app/screenbase.h"
#include "receipts/incomechartpainter.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

// The chart control: draws the series it holds with the income chart painter.
class IncomeChartView : public QWidget
{
    Q_OBJECT
public:
    explicit IncomeChartView(QWidget *parent = nullptr);

    void setPoints(const QList<IncomeChartPainter::Point> &points);
    const QList<IncomeChartPainter::Point> &points() const { return m_points; }
    void clear() { setPoints({}); }

    IncomeChartPainter::Kind kind() const { return m_kind; }
    void setKind(IncomeChartPainter::Kind kind);

    // Draws the chart in an area of any paint device.
    void render(QPainter &painter, const QRectF &area) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<IncomeChartPainter::Point> m_points;
    IncomeChartPainter::Kind m_kind = IncomeChartPainter::Kind::Bars;
};

// The income charts: the year panel asks for a calendar year, the chart
// panel shows the income of each month of that year as 3D bars or a 3D pie
// and prints it. A work screen; closing it returns to the launcher.
class TfrmStatistiche : public WorkScreen
{
    Q_OBJECT
public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);

    // btnApri: reads the archive of the year in txtAnno and shows its chart.
    void buildChart();
    // btnBarre, btnTorta.
    void showBars();
    void showPie();
    // btnStampa: the questions, the print dialog and the printing.
    void printChart();
    // Prints the chart on a printer already set up: landscape, as many times
    // as the printer's number of copies, one page after another.
    void printOn(QPrinter &printer) const;

    // The number of copies an answer of the copies box gives: the trimmed
    // digits, or 1 for an empty answer or one with anything but digits.
    static int copiesFromAnswer(const QString &answer);

    IncomeChartView *chart() const { return m_chart; }

    // Printing goes to this PDF file instead of the printer (tests).
    void setPrintOutputFile(const QString &path) { m_printOutputFile = path; }

protected:
    void prepare() override;

private:
    QWidget *buildYearPanel();
    QWidget *buildChartPanel();
    void openGuide();

    QWidget *m_yearPanel;
    QWidget *m_chartPanel;
    QLineEdit *m_year;
    QPushButton *m_apri;
    QLabel *m_title;
    QLabel *m_info;
    QLabel *m_file;
    QList<QLabel *> m_monthTotals;
    IncomeChartView *m_chart;
    QString m_printOutputFile;
};
