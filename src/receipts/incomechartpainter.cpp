#include "receipts/incomechartpainter.h"

#include "text/amounts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

QFont font(const QString &family, double pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    return f;
}

QString valueText(double value)
{
    return Amounts::format(value);
}

// A step of 1, 2 or 5 times a power of ten giving about five divisions.
double niceStep(double top)
{
    if (top <= 0)
        return 1;
    const double raw = top / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    const double step = (normal <= 1 ? 1 : normal <= 2 ? 2 : normal <= 5 ? 5 : 10) * magnitude;
    return std::max(1.0, step);
}

const QColor kEdge(60, 60, 60);
const QColor kWall(236, 240, 245);
const QColor kMarkFill(255, 255, 225);

} // namespace

struct IncomeChartPainter::Frame
{
    QRectF area;
    QRectF title;
    QRectF plot;
    QRectF legend;
    double depth = 0;
    // Bars
    double slot = 0;
    double barWidth = 0;
    // Pie
    QRectF ellipse;
    // Month names under the bars: their size, and whether they take two lines
    double labelSize = 12;
    bool staggered = false;
    // Legend
    int legendColumns = 6;
    double legendLabelWidth = 0;
    double legendValueWidth = 0;
};

IncomeChartPainter::IncomeChartPainter(QList<Point> points, Kind kind)
    : m_points(std::move(points))
    , m_kind(kind)
{
}

QString IncomeChartPainter::title()
{
    return QStringLiteral("Statistiche incassi annuali");
}

QColor IncomeChartPainter::titleColour()
{
    return QColor(0xD0, 0x44, 0x98);
}

QString IncomeChartPainter::legendTitle()
{
    return QStringLiteral("Incassi:");
}

double IncomeChartPainter::axisTop() const
{
    double top = 0;
    for (const Point &point : m_points)
        top = std::max(top, point.value);
    if (top <= 0)
        return 5;
    const double step = niceStep(top);
    return std::ceil(top / step) * step;
}

IncomeChartPainter::Frame IncomeChartPainter::frame(const QRectF &area) const
{
    Frame f;
    f.area = area;
    f.title = QRectF(area.left(), area.top() + 8, area.width(), 44);

    // The legend: as many entries to a row as fit, each a swatch, the label
    // and the value.
    const QFontMetricsF entry(font(QStringLiteral("Verdana"), 12, false));
    for (const Point &point : m_points) {
        f.legendLabelWidth = std::max(f.legendLabelWidth, entry.horizontalAdvance(point.label));
        f.legendValueWidth = std::max(f.legendValueWidth, entry.horizontalAdvance(valueText(point.value)));
    }
    const QRectF legendRow(area.left() + 40, 0, area.width() - 80, 0);
    const double cell = 20 + f.legendLabelWidth + 10 + f.legendValueWidth + 18;
    const int count = std::max<int>(1, int(m_points.size()));
    f.legendColumns = std::clamp(int((legendRow.width() - 130) / cell), 1, count);
    const double legendRows = std::ceil(count / double(f.legendColumns));
    const double legendHeight = 16 + 24 * legendRows;
    f.legend = QRectF(legendRow.left(), area.bottom() - legendHeight - 10, legendRow.width(), legendHeight);

    const QRectF between(area.left(), f.title.bottom() + 12, area.width(), f.legend.top() - f.title.bottom() - 24);
    if (m_kind == Kind::Bars) {
        // Room for the value axis on the left and the month names below.
        f.plot = between.adjusted(80, 30, -40, -40);
        f.depth = std::clamp(f.plot.width() / 48, 8.0, 28.0);
        f.slot = (f.plot.width() - f.depth) / count;
        f.barWidth = f.slot * 0.62;
        // The month names shrink to fit under their bars, and go on two
        // staggered lines when even the smallest size is too wide.
        for (;;) {
            const QFontMetricsF names(font(QStringLiteral("Verdana"), f.labelSize, false));
            double widest = 0;
            for (const Point &point : m_points)
                widest = std::max(widest, names.horizontalAdvance(point.label));
            if (widest <= f.slot - 4)
                break;
            if (f.labelSize <= 9) {
                f.staggered = true;
                break;
            }
            f.labelSize -= 1;
        }
    } else {
        f.plot = between.adjusted(40, 36, -40, -36);
        // A tilted disc: twice as wide as high, with a rim below it.
        double width = std::min(f.plot.width() * 0.62, f.plot.height() * 1.75);
        double height = width / 2;
        f.depth = height * 0.14;
        f.ellipse = QRectF(f.plot.center().x() - width / 2, f.plot.center().y() - (height + f.depth) / 2, width, height);
    }
    return f;
}

void IncomeChartPainter::paint(QPainter &p, const QRectF &area) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(area, Qt::white);
    const Frame f = frame(area);

    p.setPen(titleColour());
    p.setFont(font(QStringLiteral("Verdana"), 20 * 96.0 / 72, true));
    p.drawText(f.title, Qt::AlignCenter, title());

    if (m_kind == Kind::Bars)
        paintBars(p, f);
    else
        paintPie(p, f);
    paintLegend(p, f);
    p.restore();
}

void IncomeChartPainter::paintMark(QPainter &p, const QPointF &anchor, const QPointF &at, const QString &text) const
{
    p.setFont(font(QStringLiteral("Verdana"), 12, false));
    const QFontMetricsF metrics(p.font());
    const QSizeF size(metrics.horizontalAdvance(text) + 10, metrics.height() + 4);
    const QRectF box(at.x() - size.width() / 2, at.y() - size.height() / 2, size.width(), size.height());
    p.setPen(QPen(kEdge, 1));
    p.drawLine(anchor, at);
    p.setBrush(kMarkFill);
    p.drawRect(box);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
}

void IncomeChartPainter::paintBars(QPainter &p, const Frame &f) const
{
    const double d = f.depth;
    const QRectF &r = f.plot;
    const double top = axisTop();
    const double floorY = r.bottom();
    const double fullHeight = r.height() - d;
    auto yFor = [&](double v) { return floorY - v / top * fullHeight; };

    // The walls: left, back and floor, seen from the front and a little above.
    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(kWall);
    p.drawPolygon(QPolygonF({QPointF(r.left() + d, r.top()), QPointF(r.right(), r.top()),
                             QPointF(r.right(), floorY - d), QPointF(r.left() + d, floorY - d)}));
    p.setBrush(kWall.darker(104));
    p.drawPolygon(QPolygonF({QPointF(r.left(), r.top() + d), QPointF(r.left() + d, r.top()),
                             QPointF(r.left() + d, floorY - d), QPointF(r.left(), floorY)}));
    p.setBrush(kWall.darker(110));
    p.drawPolygon(QPolygonF({QPointF(r.left(), floorY), QPointF(r.left() + d, floorY - d),
                             QPointF(r.right(), floorY - d), QPointF(r.right() - d, floorY)}));

    // The value axis: grid lines on the walls and their values on the left.
    const double step = niceStep(top);
    p.setFont(font(QStringLiteral("Verdana"), 12, false));
    for (double v = 0; v <= top + step / 2; v += step) {
        const double y = yFor(v);
        p.setPen(QPen(QColor(180, 185, 195), 1, Qt::DotLine));
        if (v > 0) {
            p.drawLine(QPointF(r.left(), y), QPointF(r.left() + d, y - d));
            p.drawLine(QPointF(r.left() + d, y - d), QPointF(r.right(), y - d));
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(r.left() - 78, y - 10, 70, 20), Qt::AlignRight | Qt::AlignVCenter, valueText(v));
    }

    // The bars, left to right so that each hides the side of the one before.
    QList<std::pair<QPointF, QPointF>> marks;
    for (int i = 0; i < m_points.size(); ++i) {
        const Point &point = m_points.at(i);
        const double x = r.left() + i * f.slot + (f.slot - f.barWidth) / 2;
        const double y = yFor(std::max(0.0, point.value));
        const double w = f.barWidth;
        p.setPen(QPen(point.colour.darker(170), 1));
        p.setBrush(point.colour.darker(135));
        p.drawPolygon(QPolygonF({QPointF(x + w, y), QPointF(x + w + d, y - d), QPointF(x + w + d, floorY - d),
                                 QPointF(x + w, floorY)}));
        p.setBrush(point.colour.lighter(118));
        p.drawPolygon(QPolygonF({QPointF(x, y), QPointF(x + w, y), QPointF(x + w + d, y - d), QPointF(x + d, y - d)}));
        p.setBrush(point.colour);
        p.drawRect(QRectF(x, y, w, floorY - y));

        p.setPen(Qt::black);
        p.setFont(font(QStringLiteral("Verdana"), f.labelSize, false));
        const double labelY = floorY + 4 + (f.staggered && i % 2 ? 16 : 0);
        p.drawText(QRectF(x - f.slot, labelY, w + 2 * f.slot, 20), Qt::AlignHCenter | Qt::AlignTop, point.label);
        const QPointF anchor(x + w / 2 + d / 2, y - d / 2);
        marks.append({anchor, QPointF(anchor.x(), y - d - 16)});
    }
    for (int i = 0; i < marks.size(); ++i)
        paintMark(p, marks.at(i).first, marks.at(i).second, valueText(m_points.at(i).value));
}

void IncomeChartPainter::paintPie(QPainter &p, const Frame &f) const
{
    const QRectF &e = f.ellipse;
    const QPointF c = e.center();
    const double rx = e.width() / 2;
    const double ry = e.height() / 2;
    const double d = f.depth;
    auto at = [&](double degrees, double scale = 1.0) {
        const double a = degrees * kPi / 180;
        return QPointF(c.x() + rx * scale * std::cos(a), c.y() - ry * scale * std::sin(a));
    };

    double total = 0;
    for (const Point &point : m_points)
        total += std::max(0.0, point.value);
    if (total <= 0) {
        // Nothing to share out: the bare disc.
        p.setPen(QPen(kEdge, 1));
        p.setBrush(kWall.darker(115));
        p.drawRect(QRectF(e.left(), c.y(), e.width(), d));
        p.drawEllipse(e.translated(0, d));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(e.left() + 1, c.y(), e.width() - 2, d));
        p.setPen(QPen(kEdge, 1));
        p.setBrush(kWall);
        p.drawEllipse(e);
        return;
    }

    // Slices clockwise from twelve o'clock (angles counter-clockwise from
    // three o'clock, as the painter takes them).
    struct Slice { double start; double sweep; }; // sweep negative
    QList<Slice> slices;
    double angle = 90;
    for (const Point &point : m_points) {
        const double sweep = -std::max(0.0, point.value) / total * 360;
        slices.append({angle, sweep});
        angle += sweep;
    }

    // The rim: the front half of the disc's edge, each slice in a darker shade.
    for (int i = 0; i < slices.size(); ++i) {
        const Slice &s = slices.at(i);
        if (s.sweep == 0)
            continue;
        const int steps = std::max(2, int(std::ceil(-s.sweep)));
        QPolygonF upper;
        for (int k = 0; k <= steps; ++k) {
            const double a = s.start + s.sweep * k / steps;
            if (std::sin(a * kPi / 180) > 1e-9) {
                if (!upper.isEmpty()) {
                    // Leaving the front half: close this run.
                    QPolygonF wall = upper;
                    for (auto it = upper.crbegin(); it != upper.crend(); ++it)
                        wall << *it + QPointF(0, d);
                    p.setPen(QPen(m_points.at(i).colour.darker(170), 1));
                    p.setBrush(m_points.at(i).colour.darker(135));
                    p.drawPolygon(wall);
                    upper.clear();
                }
                continue;
            }
            upper << at(a);
        }
        if (upper.size() > 1) {
            QPolygonF wall = upper;
            for (auto it = upper.crbegin(); it != upper.crend(); ++it)
                wall << *it + QPointF(0, d);
            p.setPen(QPen(m_points.at(i).colour.darker(170), 1));
            p.setBrush(m_points.at(i).colour.darker(135));
            p.drawPolygon(wall);
        }
    }

    // The top of each slice.
    for (int i = 0; i < slices.size(); ++i) {
        const Slice &s = slices.at(i);
        if (s.sweep == 0)
            continue;
        p.setPen(QPen(m_points.at(i).colour.darker(170), 1));
        p.setBrush(m_points.at(i).colour);
        p.drawPie(e, int(std::lround(s.start * 16)), int(std::lround(s.sweep * 16)));
    }

    // The marks around the disc, each joined to the middle of its slice's edge.
    for (int i = 0; i < slices.size(); ++i) {
        const Slice &s = slices.at(i);
        if (s.sweep == 0)
            continue;
        const double middle = s.start + s.sweep / 2;
        const bool front = std::sin(middle * kPi / 180) < 0;
        const QPointF edge = at(middle) + QPointF(0, front ? d / 2 : 0);
        const QPointF mark = at(middle, 1.22) + QPointF(0, front ? d + 8 : -8);
        paintMark(p, edge, mark, valueText(m_points.at(i).value));
    }
}

void IncomeChartPainter::paintLegend(QPainter &p, const Frame &f) const
{
    const QRectF &r = f.legend;
    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);

    p.setPen(Qt::black);
    p.setFont(font(QStringLiteral("Verdana"), 13, true));
    const double titleWidth = 100;
    p.drawText(QRectF(r.left() + 10, r.top(), titleWidth, r.height()), Qt::AlignLeft | Qt::AlignVCenter, legendTitle());

    const int columns = f.legendColumns;
    const double cellWidth = (r.width() - titleWidth - 20) / columns;
    const double rowHeight = 24;
    const double rowsTop = r.top() + (r.height() - rowHeight * std::ceil(m_points.size() / double(columns))) / 2;
    p.setFont(font(QStringLiteral("Verdana"), 12, false));
    for (int i = 0; i < m_points.size(); ++i) {
        const Point &point = m_points.at(i);
        const double x = r.left() + 10 + titleWidth + (i % columns) * cellWidth;
        const double y = rowsTop + (i / columns) * rowHeight;
        p.setPen(QPen(kEdge, 1));
        p.setBrush(point.colour);
        p.drawRect(QRectF(x, y + 5, 14, 14));
        p.setPen(Qt::black);
        p.drawText(QRectF(x + 20, y, f.legendLabelWidth + 2, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, point.label);
        p.drawText(QRectF(x + 20 + f.legendLabelWidth + 10, y, f.legendValueWidth + 2, rowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, valueText(point.value));
    }
}

std::optional<QPointF> IncomeChartPainter::spot(int index, const QRectF &area) const
{
    if (index < 0 || index >= m_points.size())
        return std::nullopt;
    const Frame f = frame(area);
    const double value = std::max(0.0, m_points.at(index).value);
    if (m_kind == Kind::Bars) {
        const double top = axisTop();
        const double height = value / top * (f.plot.height() - f.depth);
        if (height < 6)
            return std::nullopt;
        const double x = f.plot.left() + index * f.slot + f.slot / 2;
        return QPointF(x, f.plot.bottom() - height / 2);
    }
    double total = 0;
    double before = 0;
    for (int i = 0; i < m_points.size(); ++i) {
        const double v = std::max(0.0, m_points.at(i).value);
        total += v;
        if (i < index)
            before += v;
    }
    if (total <= 0 || value / total * 360 < 6)
        return std::nullopt;
    const double middle = (90 - (before + value / 2) / total * 360) * kPi / 180;
    const QPointF c = f.ellipse.center();
    return QPointF(c.x() + f.ellipse.width() / 2 * 0.6 * std::cos(middle),
                   c.y() - f.ellipse.height() / 2 * 0.6 * std::sin(middle));
}
