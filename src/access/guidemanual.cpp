#include "access/guidemanual.h"

#include "access/guidetopics.h"
#include "app/maker.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString html(const QString &text)
{
    return text.toHtmlEscaped();
}

QString manualHtml()
{
    const QList<GuideTopic> topics = GuideTopics::all();
    QString out;
    out += QStringLiteral("<html><body style=\"font-family: 'Liberation Sans', Arial; font-size: 12pt;\">");
    out += QStringLiteral("<h1 style=\"color:#0D47A1; font-size: 28pt;\" align=\"center\">Ostelio</h1>");
    out += QStringLiteral("<p align=\"center\" style=\"font-size: 15pt;\">Guida all'utilizzo del software</p>");
    out += QStringLiteral("<p align=\"center\">Clienti, tariffario e ricevute per strutture ricettive</p>");
    out += QStringLiteral("<h2 style=\"color:#0D47A1;\">Indice</h2><ol>");
    for (const GuideTopic &topic : topics)
        out += QStringLiteral("<li>%1</li>").arg(html(topic.title));
    out += QStringLiteral("<li>Assistenza.</li></ol>");

    int chapter = 0;
    for (const GuideTopic &topic : topics) {
        ++chapter;
        out += QStringLiteral("<h2 style=\"color:#DC143C; page-break-before: always;\">%1. %2</h2>")
                   .arg(chapter)
                   .arg(html(topic.title));
        for (const QString &paragraph : topic.paragraphs())
            out += QStringLiteral("<p align=\"justify\">%1</p>").arg(html(paragraph));
    }
    out += QStringLiteral("<h2 style=\"color:#DC143C; page-break-before: always;\">%1. Assistenza.</h2>").arg(chapter + 1);
    out += QStringLiteral("<p>Per informazioni e assistenza sul software scrivere a %1 oppure visitare il sito %2.</p>")
               .arg(html(Maker::supportMail()), html(Maker::webSite()));
    out += QStringLiteral("</body></html>");
    return out;
}

} // namespace

namespace GuideManual {

void write(QIODevice *device)
{
    QPdfWriter writer(device);
    writer.setTitle(QStringLiteral("Ostelio - Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Ostelio"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(300);

    // The document is laid out in points of 1/96 inch on the printable area
    // of the page, less a strip at the bottom for the page number, and
    // painted scaled to the writer's resolution.
    const double scale = writer.resolution() / 96.0;
    const QRectF area = writer.pageLayout().paintRectPixels(writer.resolution());
    const QSizeF page(area.width() / scale, area.height() / scale - 30);
    QTextDocument document;
    document.setHtml(manualHtml());
    document.setPageSize(page);
    const int pages = document.pageCount();

    QPainter painter(&writer);
    QFont footer(QStringLiteral("Liberation Sans"));
    footer.setPixelSize(12);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -i * page.height());
        document.drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
        painter.restore();
        painter.save();
        painter.scale(scale, scale);
        painter.setFont(footer);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(0, page.height() + 8, page.width(), 20), Qt::AlignCenter,
                         QStringLiteral("Ostelio - Guida all'utilizzo del software - pagina %1 di %2").arg(i + 1).arg(pages));
        painter.restore();
    }
    painter.end();
}

bool writeFile(const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    write(&file);
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace GuideManual
