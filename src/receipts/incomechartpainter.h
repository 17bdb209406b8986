#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

// Draws the income chart: the title, one series of labelled, coloured points
// as three-dimensional bars or a three-dimensional pie, a mark with the value
// of each point, and the legend at the bottom. Works on any paint device, so
// the screen, the printer and the tests draw the same chart.
class IncomeChartPainter
{
public:
    enum class Kind { Bars, Pie };

    struct Point
    {
        QString label;
        QColor colour;
        double value = 0;
    };

    IncomeChartPainter(QList<Point> points, Kind kind);

    static QString title();       // "Statistiche incassi annuali"
    static QColor titleColour();  // D04498
    static QString legendTitle(); // "Incassi:"

    // Draws the chart filling the area (in the painter's coordinates; sizes
    // of text and depth are in the same units, meant for about 96 per inch).
    void paint(QPainter &painter, const QRectF &area) const;

    // A spot well inside the face that shows a point in its own colour (the
    // front of its bar, the top of its slice); nothing when that face is too
    // small to show (a value of zero).
    std::optional<QPointF> spot(int index, const QRectF &area) const;

private:
    struct Frame; // where the parts of the chart go in an area
    Frame frame(const QRectF &area) const;
    double axisTop() const;

    void paintBars(QPainter &p, const Frame &f) const;
    void paintPie(QPainter &p, const Frame &f) const;
    void paintLegend(QPainter &p, const Frame &f) const;
    void paintMark(QPainter &p, const QPointF &anchor, const QPointF &at, const QString &text) const;

    QList<Point> m_points;
    Kind m_kind;
};
