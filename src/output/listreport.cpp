#include "output/listreport.h"

namespace ListReport {

namespace {
const QColor kSlateGrey(0x70, 0x80, 0x90);

// The title and the footer: bold white Verdana, centred on a slate-grey bar.
ReportObject banner(const QString &name, const QRectF &rect, const QString &text, int fontSize)
{
    ReportObject object;
    object.name = name;
    object.rect = rect;
    object.text = text;
    object.fontFamily = QStringLiteral("Verdana");
    object.fontSize = fontSize;
    object.bold = true;
    object.textColour = Qt::white;
    object.fill = kSlateGrey;
    object.align = Qt::AlignHCenter;
    object.verticalCentre = true;
    return object;
}
} // namespace

Report layout()
{
    Report report;
    report.setPage(Report::Orientation::Landscape, 10.0);

    report.addBand(QStringLiteral("ReportTitle"), ReportBand::Kind::Title, 30.24);
    report.add(banner(QStringLiteral("txtTitolo"), QRectF(7.56, 3.78, 1031.81, 18.90), QStringLiteral("Riepilogo"), 9));

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
    report.add(banner(QStringLiteral("txtPagina"), QRectF(11.34, 7.56, 1028.03, 18.90),
                      QStringLiteral("Stampa eseguita in data [DATE]"), 8));
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
