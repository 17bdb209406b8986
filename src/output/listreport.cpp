#include "output/listreport.h"

namespace ListReport {

namespace {
const QColor kSlateGrey(0x70, 0x80, 0x90);
} // namespace

Report layout()
{
    Report report;
    report.setPage(Report::Orientation::Landscape, 10.0);

    report.addBand(QStringLiteral("ReportTitle"), ReportBand::Kind::Title, 30.24);
    ReportObject title;
    title.name = QStringLiteral("txtTitolo");
    title.rect = QRectF(7.56, 3.78, 1031.81, 18.90);
    title.text = QStringLiteral("Riepilogo");
    title.fontFamily = QStringLiteral("Verdana");
    title.fontSize = 9;
    title.bold = true;
    title.textColour = Qt::white;
    title.fill = kSlateGrey;
    title.align = Qt::AlignHCenter;
    title.verticalCentre = true;
    report.add(title);

    report.addBand(QStringLiteral("MasterData"), ReportBand::Kind::Data, 105.83, true);
    ReportObject lines;
    lines.name = QStringLiteral("txtRiepilogo");
    lines.rect = QRectF(11.34, 0, 1031.81, 102.05);
    lines.fontFamily = QStringLiteral("Courier New");
    lines.fontSize = 8;
    lines.wordWrap = false;
    lines.lineHeight = LinePitch;
    report.add(lines);

    report.addBand(QStringLiteral("Footer"), ReportBand::Kind::Footer, 30.24);
    ReportObject footer;
    footer.name = QStringLiteral("txtPagina");
    footer.rect = QRectF(11.34, 7.56, 1028.03, 18.90);
    footer.text = QStringLiteral("Stampa eseguita in data [DATE]");
    footer.fontFamily = QStringLiteral("Verdana");
    footer.fontSize = 8;
    footer.bold = true;
    footer.textColour = Qt::white;
    footer.fill = kSlateGrey;
    footer.align = Qt::AlignHCenter;
    footer.verticalCentre = true;
    report.add(footer);
    return report;
}

Report filled(const QString &title, const QStringList &lines, const QStringList &extraLines)
{
    Report report = layout();
    report.fillText(QStringLiteral("txtTitolo"), title);
    const QStringList all = lines + extraLines;
    report.setLines(QStringLiteral("txtRiepilogo"), all);
    ReportObject &text = report.object(QStringLiteral("txtRiepilogo"));
    text.rect.setHeight(static_cast<double>(all.size()) * LinePitch);
    report.band(QStringLiteral("MasterData")).height = text.rect.height() + 10.0;
    return report;
}

} // namespace ListReport
