#include "output/reportrenderer.h"

#include "app/clock.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

// qpdf 11: use its current smart pointers, without the old transition warning.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <cmath>
#include <limits>

QStringList PreparedPage::texts() const
{
    QStringList out;
    for (const ReportObject &object : objects) {
        if (object.kind == ReportObject::Kind::Text)
            out.append(object.text);
    }
    return out;
}

const ReportObject *PreparedPage::find(const QString &name) const
{
    for (const ReportObject &object : objects) {
        if (object.name == name)
            return &object;
    }
    return nullptr;
}

namespace ReportRenderer {

namespace {

constexpr double kEpsilon = 0.001;
// The inner gap of a text object between its frame and its text, in units.
constexpr double kGapX = 2.0;
constexpr double kGapY = 1.0;
// Thin lines and box borders: one unit (0.75 pt).
constexpr double kLineWidth = 1.0;
// The PDF writer's resolution: fine enough that every position given in
// hundredths of a unit lands where designed.
constexpr int kPdfResolution = 1200;

class Pager
{
public:
    Pager(const Report &report, PreparedReport &out)
        : m_out(out)
        , m_margin(report.marginMm() * ReportUnits::perMm)
        , m_available(report.pageHeight() - 2 * m_margin)
        , m_date(Clock::today().toString(QStringLiteral("dd/MM/yyyy")))
    {
        m_out.pages.emplace_back();
    }

    void band(const ReportBand &band)
    {
        const double height = band.height;
        const bool split = band.kind == ReportBand::Kind::Data && band.allowSplit;
        if (!split || m_y + height <= m_available + kEpsilon) {
            if (m_y > 0 && m_y + height > m_available + kEpsilon)
                newPage();
            place(band, -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(), 0);
            m_y += height;
            return;
        }
        double start = 0;
        bool first = true;
        for (;;) {
            double end = start + (m_available - m_y);
            if (end >= height - kEpsilon) {
                place(band, first ? -std::numeric_limits<double>::infinity() : start,
                      std::numeric_limits<double>::infinity(), start);
                m_y += height - start;
                return;
            }
            // Break between the lines of any multi-line text that the page
            // end would cut.
            for (const ReportObject &object : band.objects) {
                if (object.lineHeight <= 0)
                    continue;
                const double top = object.rect.top();
                const double bottom = top + object.lines.size() * object.lineHeight;
                if (top < end && bottom > end) {
                    const double whole = std::floor((end - top) / object.lineHeight + kEpsilon);
                    end = std::min(end, top + whole * object.lineHeight);
                }
            }
            if (end <= start + kEpsilon) {
                if (m_y > 0) {
                    newPage();
                    continue;
                }
                end = start + m_available; // nothing fits an empty page: cut where it ends
            }
            place(band, first ? -std::numeric_limits<double>::infinity() : start, end, start);
            newPage();
            start = end;
            first = false;
        }
    }

private:
    void newPage()
    {
        m_out.pages.emplace_back();
        m_y = 0;
    }

    QString resolve(QString text) const
    {
        text.replace(QStringLiteral("[DATE]"), m_date);
        return text;
    }

    // Places the band's objects whose top lies in [from, to), shifted so
    // that band offset 'shift' sits at the current page position.
    void place(const ReportBand &band, double from, double to, double shift)
    {
        PreparedPage &page = m_out.pages.back();
        const double originY = m_margin + m_y - shift;
        for (const ReportObject &object : band.objects) {
            if (object.kind == ReportObject::Kind::Text && object.lineHeight > 0) {
                for (qsizetype i = 0; i < object.lines.size(); ++i) {
                    const double top = object.rect.top() + static_cast<double>(i) * object.lineHeight;
                    if (top < from - kEpsilon || top >= to - kEpsilon)
                        continue;
                    ReportObject line = object;
                    line.lines.clear();
                    line.lineHeight = 0;
                    line.wordWrap = false;
                    line.text = resolve(object.lines.at(i));
                    line.rect = QRectF(m_margin + object.rect.left(), originY + top, object.rect.width(),
                                       object.lineHeight);
                    page.objects.push_back(std::move(line));
                }
                continue;
            }
            const double top = object.rect.top();
            if (top < from - kEpsilon || top >= to - kEpsilon)
                continue;
            ReportObject placed = object;
            if (placed.kind == ReportObject::Kind::Text)
                placed.text = resolve(placed.text);
            placed.rect.translate(m_margin, originY);
            page.objects.push_back(std::move(placed));
        }
    }

    PreparedReport &m_out;
    double m_margin;
    double m_available;
    QString m_date;
    double m_y = 0;
};

QFont fontOf(const ReportObject &object, bool bold)
{
    QFont font(reportFontFamily(object.fontFamily));
    font.setPointSizeF(object.fontSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void drawTaggedText(QPainter &painter, const ReportObject &object, const QRectF &inner)
{
    const auto runs = tagRuns(object.text);
    const QFont plain = fontOf(object, object.bold);
    const QFont bold = fontOf(object, true);
    const QFontMetricsF plainMetrics(plain, painter.device());
    const QFontMetricsF boldMetrics(bold, painter.device());
    double total = 0;
    for (const auto &[text, isBold] : runs)
        total += (isBold ? boldMetrics : plainMetrics).horizontalAdvance(text);
    double x = inner.left();
    if (object.align & Qt::AlignHCenter)
        x = inner.left() + (inner.width() - total) / 2;
    else if (object.align & Qt::AlignRight)
        x = inner.right() - total;
    const double ascent = std::max(plainMetrics.ascent(), boldMetrics.ascent());
    const double height = std::max(plainMetrics.height(), boldMetrics.height());
    const double baseline = object.verticalCentre ? inner.center().y() - height / 2 + ascent : inner.top() + ascent;
    for (const auto &[text, isBold] : runs) {
        painter.setFont(isBold ? bold : plain);
        painter.drawText(QPointF(x, baseline), text);
        x += (isBold ? boldMetrics : plainMetrics).horizontalAdvance(text);
    }
}

void drawObject(QPainter &painter, const ReportObject &object, double scale)
{
    const QRectF rect(object.rect.left() * scale, object.rect.top() * scale, object.rect.width() * scale,
                      object.rect.height() * scale);
    switch (object.kind) {
    case ReportObject::Kind::Box:
        painter.setPen(object.border ? QPen(Qt::black, kLineWidth * scale) : QPen(Qt::NoPen));
        painter.setBrush(object.fill.isValid() ? QBrush(object.fill) : QBrush(Qt::NoBrush));
        painter.drawRect(rect);
        return;
    case ReportObject::Kind::HorizontalLine:
    case ReportObject::Kind::VerticalLine: {
        QPen pen(Qt::black, kLineWidth * scale);
        if (object.dotted) {
            pen.setStyle(Qt::CustomDashLine);
            pen.setDashPattern({1.0, 2.0});
        }
        painter.setPen(pen);
        const QPointF end = object.kind == ReportObject::Kind::HorizontalLine ? rect.topLeft() + QPointF(rect.width(), 0)
                                                                            : rect.topLeft() + QPointF(0, rect.height());
        painter.drawLine(rect.topLeft(), end);
        return;
    }
    case ReportObject::Kind::Picture: {
        if (object.picture.isNull() || rect.isEmpty())
            return;
        const QSizeF size = QSizeF(object.picture.size()).scaled(rect.size(), Qt::KeepAspectRatio);
        const QRectF target(rect.left() + (rect.width() - size.width()) / 2,
                            rect.top() + (rect.height() - size.height()) / 2, size.width(), size.height());
        painter.drawImage(target, object.picture);
        return;
    }
    case ReportObject::Kind::Text:
        break;
    }
    if (object.fill.isValid())
        painter.fillRect(rect, object.fill);
    if (object.text.isEmpty())
        return;
    painter.save();
    // Clipped to the object's width; a little room below keeps the
    // descenders of a text that fills its height.
    painter.setClipRect(rect.adjusted(0, -kGapY * scale, 0, 2 * kGapY * scale));
    painter.setPen(object.textColour);
    const QRectF inner = rect.adjusted(kGapX * scale, kGapY * scale, -kGapX * scale, -kGapY * scale);
    if (object.allowTags && object.text.contains(QLatin1Char('<'))) {
        drawTaggedText(painter, object, inner);
    } else {
        painter.setFont(fontOf(object, object.bold));
        int flags = static_cast<int>(object.align) | (object.verticalCentre ? Qt::AlignVCenter : Qt::AlignTop);
        if (object.wordWrap)
            flags |= Qt::TextWordWrap;
        painter.drawText(inner, flags, object.text);
    }
    painter.restore();
}

void setInfo(QByteArray &document, const PdfInfo &info)
{
    // Qt's writer records only a title; qpdf adds the subject to the
    // document information dictionary (and uncompresses the streams when asked).
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("report", document.constData(), static_cast<size_t>(document.size()));
        QPDFObjectHandle trailer = pdf.getTrailer();
        QPDFObjectHandle dictionary = trailer.getKey("/Info");
        if (!dictionary.isDictionary()) {
            dictionary = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", dictionary);
        }
        if (!info.title.isEmpty())
            dictionary.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(info.title.toStdString()));
        if (!info.subject.isEmpty())
            dictionary.replaceKey("/Subject", QPDFObjectHandle::newUnicodeString(info.subject.toStdString()));
        dictionary.replaceKey("/Producer", QPDFObjectHandle::newUnicodeString("Ostelio"));
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        if (!info.compressStreams) {
            writer.setCompressStreams(false);
            writer.setDecodeLevel(qpdf_dl_generalized);
        }
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        document = QByteArray(reinterpret_cast<const char *>(out->getBuffer()), static_cast<qsizetype>(out->getSize()));
    } catch (const std::exception &error) {
        throw ReportError(QStringLiteral("PDF document information: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

} // namespace

std::vector<std::pair<QString, bool>> tagRuns(const QString &text)
{
    static const QString open = QStringLiteral("<b>");
    static const QString close = QStringLiteral("</b>");
    std::vector<std::pair<QString, bool>> runs;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype start = text.indexOf(open, at);
        const qsizetype end = start < 0 ? -1 : text.indexOf(close, start + open.size());
        if (start < 0 || end < 0) {
            runs.emplace_back(text.mid(at), false);
            break;
        }
        if (start > at)
            runs.emplace_back(text.mid(at, start - at), false);
        runs.emplace_back(text.mid(start + open.size(), end - start - open.size()), true);
        at = end + close.size();
    }
    return runs;
}

PreparedReport prepare(const Report &report)
{
    PreparedReport out;
    out.orientation = report.orientation();
    out.pageWidth = report.pageWidth();
    out.pageHeight = report.pageHeight();
    Pager pager(report, out);
    for (const ReportBand &band : report.bands())
        pager.band(band);
    return out;
}

void paintPage(QPainter &painter, const PreparedPage &page)
{
    const double scale = painter.device()->logicalDpiX() / ReportUnits::perInch;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ReportObject &object : page.objects)
        drawObject(painter, object, scale);
    painter.restore();
}

QImage renderPage(const PreparedReport &prepared, int pageIndex, double dpi)
{
    const double scale = dpi / ReportUnits::perInch;
    QImage image(qRound(prepared.pageWidth * scale), qRound(prepared.pageHeight * scale), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    if (pageIndex < 0 || pageIndex >= static_cast<int>(prepared.pages.size()))
        return image;
    QPainter painter(&image);
    paintPage(painter, prepared.pages[static_cast<size_t>(pageIndex)]);
    return image;
}

QByteArray pdf(const PreparedReport &prepared, const PdfInfo &info)
{
    QByteArray document;
    {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(info.title);
        writer.setCreator(QStringLiteral("Ostelio"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         prepared.orientation == Report::Orientation::Landscape ? QPageLayout::Landscape
                                                                                                : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer))
            throw ReportError(QStringLiteral("the PDF writer could not start"));
        for (size_t i = 0; i < prepared.pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, prepared.pages[i]);
        }
        painter.end();
    }
    setInfo(document, info);
    return document;
}

void writePdf(const PreparedReport &prepared, const QString &path, const PdfInfo &info)
{
    const QByteArray document = pdf(prepared, info);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (file.write(document) != document.size() || !file.commit())
        throw ReportError(QStringLiteral("%1: %2").arg(path, file.errorString()));
}

} // namespace ReportRenderer
