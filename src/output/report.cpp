#include "output/report.h"

ReportError::ReportError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString ReportError::message() const
{
    return QString::fromStdString(what());
}

namespace {
constexpr double kA4ShortMm = 210.0;
constexpr double kA4LongMm = 297.0;
} // namespace

void Report::setPage(Orientation orientation, double marginMm)
{
    m_orientation = orientation;
    m_marginMm = marginMm;
}

double Report::pageWidth() const
{
    return (m_orientation == Orientation::Portrait ? kA4ShortMm : kA4LongMm) * ReportUnits::perMm;
}

double Report::pageHeight() const
{
    return (m_orientation == Orientation::Portrait ? kA4LongMm : kA4ShortMm) * ReportUnits::perMm;
}

ReportBand &Report::addBand(const QString &name, ReportBand::Kind kind, double height, bool allowSplit)
{
    ReportBand band;
    band.name = name;
    band.kind = kind;
    band.height = height;
    band.allowSplit = allowSplit;
    m_bands.push_back(std::move(band));
    return m_bands.back();
}

ReportObject &Report::add(const ReportObject &object)
{
    if (m_bands.empty())
        throw ReportError(QStringLiteral("report object %1 added before any band").arg(object.name));
    m_bands.back().objects.push_back(object);
    return m_bands.back().objects.back();
}

ReportObject *Report::findObject(const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    for (ReportBand &band : m_bands) {
        for (ReportObject &object : band.objects) {
            if (object.name == name)
                return &object;
        }
    }
    return nullptr;
}

const ReportObject *Report::findObject(const QString &name) const
{
    return const_cast<Report *>(this)->findObject(name);
}

ReportBand *Report::findBand(const QString &name)
{
    for (ReportBand &band : m_bands) {
        if (band.name == name)
            return &band;
    }
    return nullptr;
}

ReportObject &Report::object(const QString &name)
{
    ReportObject *found = findObject(name);
    if (!found)
        throw ReportError(QStringLiteral("the report has no object named %1").arg(name));
    return *found;
}

const ReportObject &Report::object(const QString &name) const
{
    return const_cast<Report *>(this)->object(name);
}

ReportBand &Report::band(const QString &name)
{
    ReportBand *found = findBand(name);
    if (!found)
        throw ReportError(QStringLiteral("the report has no band named %1").arg(name));
    return *found;
}

void Report::fillText(const QString &name, const QString &text)
{
    ReportObject &target = object(name);
    if (target.kind != ReportObject::Kind::Text)
        throw ReportError(QStringLiteral("report object %1 is not a text").arg(name));
    if (target.lineHeight > 0)
        target.lines = text.split(QLatin1Char('\n'));
    else
        target.text = text;
}

void Report::fillPicture(const QString &name, const QImage &picture)
{
    ReportObject &target = object(name);
    if (target.kind != ReportObject::Kind::Picture)
        throw ReportError(QStringLiteral("report object %1 is not a picture").arg(name));
    target.picture = picture;
}

QStringList Report::lines(const QString &name) const
{
    const ReportObject &source = object(name);
    if (source.lineHeight > 0)
        return source.lines;
    return source.text.split(QLatin1Char('\n'));
}

void Report::setLines(const QString &name, const QStringList &lines)
{
    ReportObject &target = object(name);
    if (target.kind != ReportObject::Kind::Text)
        throw ReportError(QStringLiteral("report object %1 is not a text").arg(name));
    if (target.lineHeight > 0)
        target.lines = lines;
    else
        target.text = lines.join(QLatin1Char('\n'));
}

QString reportFontFamily(const QString &designed)
{
    if (designed.compare(u"Arial", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (designed.compare(u"Courier New", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (designed.compare(u"Verdana", Qt::CaseInsensitive) == 0)
        return QStringLiteral("DejaVu Sans");
    return designed;
}
