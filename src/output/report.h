#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

// A report laid out in advance: one page design with bands of named objects,
// filled by name before it is printed, previewed or written to PDF.
//
// Positions and sizes are report units of 1/96 inch (37.7953 units to the
// centimetre), measured from the top left corner of the band they sit in;
// font sizes are points. Fonts are named as designed ("Arial", "Courier New",
// "Verdana"); the renderer resolves them to installed faces of the same
// metrics (see reportFontFamily()).
//
// Bands are printed one after the other from the top of the printable area:
// a title band once, a data band that may split across pages, a footer band
// once after it. A document with every object at a fixed place on one page
// (the receipt) is one band as tall as the page with no margins.
//
//     Report report = ListReport::make();
//     report.fillText("txtTitolo", "Riepilogo ricevute in archivio");
//     report.setLines("txtRiepilogo", lines);
//     ReportRenderer::writePdf(report, path, info);

// A report operation met an object that the layout does not have, or a
// failure while rendering or writing.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString &message);
    QString message() const;
};

struct ReportObject
{
    enum class Kind { Text, Picture, Box, HorizontalLine, VerticalLine };

    QString name; // empty for fixed captions and decorations that nothing fills
    Kind kind = Kind::Text;
    QRectF rect;  // left, top, width, height in units; a line has width or height 0

    // Text objects.
    QString text; // the design text until filled; lines separated by "\n"
    QString fontFamily = QStringLiteral("Arial");
    double fontSize = 10; // points
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft; // horizontal alignment
    bool verticalCentre = false;
    bool allowTags = false; // "<b>" ... "</b>" print bold
    bool wordWrap = true;
    // A multi-line text with a fixed pitch: each of its lines is lineHeight
    // units tall, the object may split between lines across pages, and its
    // content is 'lines' rather than 'text'. 0 for ordinary text.
    double lineHeight = 0;
    QStringList lines;
    QColor textColour = Qt::black;

    // Text objects and boxes: the fill (an invalid colour for none); boxes
    // also draw a thin black border.
    QColor fill;
    bool border = false;

    // Lines: dotted instead of solid.
    bool dotted = false;

    // Pictures: drawn inside rect, keeping their proportions, centred.
    QImage picture;
};

struct ReportBand
{
    enum class Kind { Title, Data, Footer };

    QString name;
    Kind kind = Kind::Title;
    double height = 0;
    bool allowSplit = false; // data bands only
    std::vector<ReportObject> objects;
};

class Report
{
public:
    enum class Orientation { Portrait, Landscape };

    Report() = default;

    // The page: A4 in the given orientation with equal margins in millimetres.
    void setPage(Orientation orientation, double marginMm);
    Orientation orientation() const { return m_orientation; }
    void setOrientation(Orientation orientation) { m_orientation = orientation; }
    double marginMm() const { return m_marginMm; }
    // Page size in units (A4: 793.70 x 1122.52 portrait).
    double pageWidth() const;
    double pageHeight() const;

    ReportBand &addBand(const QString &name, ReportBand::Kind kind, double height, bool allowSplit = false);
    // Adds an object to the last band added.
    ReportObject &add(const ReportObject &object);

    std::vector<ReportBand> &bands() { return m_bands; }
    const std::vector<ReportBand> &bands() const { return m_bands; }

    // The named object or band; nullptr when the layout has none.
    ReportObject *findObject(const QString &name);
    const ReportObject *findObject(const QString &name) const;
    ReportBand *findBand(const QString &name);

    // The named object or band; throws ReportError when missing.
    ReportObject &object(const QString &name);
    const ReportObject &object(const QString &name) const;
    ReportBand &band(const QString &name);

    // Replaces the whole text of a text object.
    void fillText(const QString &name, const QString &text);
    // Replaces the picture of a picture object.
    void fillPicture(const QString &name, const QImage &picture);
    // The lines of a multi-line text object, and replacing all of them.
    QStringList lines(const QString &name) const;
    void setLines(const QString &name, const QStringList &lines);

private:
    Orientation m_orientation = Orientation::Portrait;
    double m_marginMm = 0;
    std::vector<ReportBand> m_bands;
};

namespace ReportUnits {
constexpr double perInch = 96.0;
constexpr double perMm = 96.0 / 25.4;
} // namespace ReportUnits

// The installed face printed for a designed font name: the metric-compatible
// Liberation faces for Arial and Courier New, DejaVu Sans for Verdana.
QString reportFontFamily(const QString &designed);
