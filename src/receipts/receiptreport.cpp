#include "receipts/receiptreport.h"

#include "receipts/logo.h"
#include "storage/receiptlayout.h"

namespace ReceiptReport {

namespace {

constexpr double kShiftB = 529.13; // 140 mm: copy B sits this far right of copy A
const QColor kAliceBlue(0xF0, 0xF8, 0xFF);
const QColor kBeige(0xF5, 0xF5, 0xDC);

enum Style { Plain = 0, Tags = 1, VCentre = 2, Centre = 4, Right = 8 };

ReportObject text(const char *name, double x, double y, double w, double h, double pt, int style, const QString &design)
{
    ReportObject o;
    o.name = QString::fromLatin1(name);
    o.kind = ReportObject::Kind::Text;
    o.rect = QRectF(x, y, w, h);
    o.fontFamily = QStringLiteral("Arial");
    o.fontSize = pt;
    o.allowTags = style & Tags;
    o.verticalCentre = style & VCentre;
    o.align = style & Centre ? Qt::AlignHCenter : style & Right ? Qt::AlignRight : Qt::AlignLeft;
    o.text = design;
    return o;
}

ReportObject box(const char *name, double x, double y, double w, double h, const QColor &fill)
{
    ReportObject o;
    o.name = QString::fromLatin1(name);
    o.kind = ReportObject::Kind::Box;
    o.rect = QRectF(x, y, w, h);
    o.fill = fill;
    o.border = true;
    return o;
}

ReportObject line(const char *name, bool horizontal, double x, double y, double length, bool dotted = false)
{
    ReportObject o;
    o.name = QString::fromLatin1(name);
    o.kind = horizontal ? ReportObject::Kind::HorizontalLine : ReportObject::Kind::VerticalLine;
    o.rect = horizontal ? QRectF(x, y, length, 0) : QRectF(x, y, 0, length);
    o.dotted = dotted;
    return o;
}

QString lineName(const char *stem, int n)
{
    return QStringLiteral("%1%2_A").arg(QLatin1String(stem)).arg(n, 2, 10, QLatin1Char('0'));
}

// Copy A, drawn boxes first, then lines, then pictures and texts, so that
// no filled box hides a rule or a text.
std::vector<ReportObject> copyA()
{
    std::vector<ReportObject> boxes{
        box("shpNumRic_A", 279.69, 45.35, 260.79, 41.57, kAliceBlue),
        box("", 279.69, 94.49, 260.79, 79.37, QColor()), // addressee
        box("", 279.69, 177.64, 260.79, 26.46, Qt::white), // tax code
        box("shpCopia_A", 279.69, 257.01, 260.79, 22.68, kAliceBlue),
        box("shpDatiContratto_A", 45.35, 286.49, 495.12, 17.39, Qt::white),
        box("", 45.35, 309.92, 495.12, 18.90, kAliceBlue), // column header
        box("shpDatiImmobile_A", 45.35, 328.82, 495.12, 346.96, Qt::white),
        box("", 45.35, 680.32, 241.89, 12.85, kAliceBlue), // tax header
        box("shpQuietanza_A", 294.80, 680.32, 245.67, 60.47, kAliceBlue),
        box("shpFirma_A", 45.35, 693.54, 241.89, 47.24, Qt::white),
    };
    std::vector<ReportObject> lines{
        line("lineTop_A", true, 37.80, 37.80, 510.24),
        line("lineBottom_A", true, 37.80, 748.35, 510.24),
        line("lineLeft_A", false, 37.80, 37.80, 710.55),
        line("lineRight_A", false, 548.03, 37.80, 710.55),
        line("", false, 432.76, 309.92, 365.86), // column rule
    };
    ReportObject logo;
    logo.name = QStringLiteral("imgLogo_A");
    logo.kind = ReportObject::Kind::Picture;
    logo.rect = QRectF(45.35, 45.35, 226.77, 143.62);

    std::vector<ReportObject> texts{
        text("txtNumRic_A", 287.24, 49.13, 245.67, 15.12, 9, Tags, QStringLiteral("Ricevuta n.")),
        text("txtData_A", 287.24, 65.76, 245.67, 15.12, 9, Tags, QStringLiteral("Data emissione:")),
        text("", 281.57, 98.27, 245.67, 12.09, 7, Plain, QStringLiteral("Spettabile")),
        text("txtCliente_A", 286.87, 113.39, 245.67, 18.14, 8, VCentre, QStringLiteral("Cognome e nome Cliente")),
        text("txtViaCliente_A", 287.24, 132.28, 245.67, 18.14, 8, VCentre, QStringLiteral("Via e numero civico")),
        text("txtCittaCliente_A", 287.24, 151.18, 245.67, 18.14, 8, VCentre, QStringLiteral("Citta di residenza")),
        text("txtCodFiscCliente_A", 287.24, 182.55, 245.67, 18.14, 7, VCentre,
             QStringLiteral("Codice fiscale e partita Iva")),
        text("txtDitta_A", 45.35, 192.76, 226.77, 15.12, 7, VCentre, QStringLiteral("Denominazione Ditta")),
        text("txtViaDitta_A", 45.35, 207.87, 226.77, 15.12, 7, VCentre, QStringLiteral("Via e numero civico")),
        text("txtCamera_A", 279.69, 211.65, 260.79, 18.14, 7, VCentre, QStringLiteral("Camera n.")),
        text("txtCittaDitta_A", 45.35, 222.99, 226.77, 15.12, 7, VCentre, QStringLiteral("Città sede Ditta")),
        text("txtArrivo_A", 279.69, 234.33, 260.79, 18.14, 7, VCentre, QStringLiteral("Data arrivo e partenza")),
        text("txtCodFiscDitta_A", 45.35, 238.11, 226.77, 15.12, 6, VCentre,
             QStringLiteral("Codice fiscale e partita Iva")),
        text("txtLibero01_A", 45.35, 253.23, 226.77, 13.23, 6, VCentre, QStringLiteral("Campo libero 1")),
        text("titCopia_A", 283.46, 260.79, 253.61, 14.36, 8, Centre, QStringLiteral("COPIA PER IL CLIENTE")),
        text("txtLibero02_A", 45.35, 268.35, 226.77, 13.23, 6, VCentre, QStringLiteral("Campo libero 2")),
        text("txtNote_A", 49.13, 289.51, 487.56, 11.34, 7, Tags, QStringLiteral("Note")),
        text("", 49.13, 313.70, 378.71, 12.09, 7, Centre, QStringLiteral("PRODOTTI E SERVIZI FORNITI")),
        text("", 438.43, 313.70, 97.51, 12.09, 7, Centre, QStringLiteral("IMPORTO")),
    };
    for (int n = 1; n <= ReceiptLayout::LineCount; ++n) {
        const double top = 332.60 + (n - 1) * 11.34;
        ReportObject desc = text("", 49.13, top, 377.95, 12.09, 7, Plain, QStringLiteral("Descrizione immobile:"));
        desc.name = lineName("txtDesc", n);
        texts.push_back(desc);
        ReportObject price = text("", 438.43, top, 98.27, 12.09, 7, Right, QStringLiteral("0,00"));
        price.name = lineName("txtPrezzo", n);
        texts.push_back(price);
    }
    const std::vector<ReportObject> bottom{
        text("", 49.13, 681.07, 232.82, 10.58, 6, Centre, QStringLiteral("IMPOSTA DI SOGGIORNO")),
        text("titTotImporti_A", 298.58, 683.34, 139.84, 12.09, 7, Plain, QStringLiteral("TOTALE CORRISPETTIVI:")),
        text("txtTotCorrispettivi_A", 442.21, 683.34, 92.60, 12.09, 7, Right, QStringLiteral("0,00")),
        text("titQuietanza_A", 49.13, 697.70, 141.35, 12.09, 7, Plain, QStringLiteral("Tassa soggiorno giornaliera:")),
        text("txtTassa_A", 194.65, 697.70, 86.93, 12.09, 7, Right, QStringLiteral("0,00")),
        text("titPercIstat_A", 298.58, 697.70, 139.84, 12.09, 7, Plain, QStringLiteral("Acconti da detrarre:")),
        text("txtAcconti_A", 442.20, 697.70, 92.60, 12.09, 7, Right, QStringLiteral("0,00")),
        text("", 49.13, 712.06, 141.35, 12.09, 7, Plain, QStringLiteral("Giorni di permanenza:")),
        text("txtGiorni_A", 194.65, 712.06, 86.93, 12.09, 7, Right, QStringLiteral("0")),
        text("titIstat_A", 298.58, 712.06, 139.84, 12.09, 7, Plain, QStringLiteral("Tot. tassa soggiorno:")),
        text("txtTotTassa_A", 442.21, 712.06, 92.60, 12.09, 7, Right, QStringLiteral("0,00")),
        text("", 49.13, 726.43, 141.35, 12.09, 7, Plain, QStringLiteral("Tot. tassa soggiorno:")),
        text("txtTotTassa_A2", 194.65, 726.43, 86.93, 12.09, 7, Right, QStringLiteral("0,00")),
        text("titTotale_A", 298.58, 726.43, 139.84, 12.09, 7, Plain, QStringLiteral("TOTALE SALDATO:")),
        text("txtTotale_A", 442.21, 726.43, 92.60, 12.09, 7, Right, QStringLiteral("0,00")),
        text("txtBollo_A", 37.80, 749.86, 510.24, 10.58, 6, Plain,
             QStringLiteral("I dati personali del Cliente saranno trattati in base al D.Lgs. 196/2003 esclusivamente "
                            "per l'erogazione del servizio e non saranno")),
        text("", 37.80, 760.44, 510.24, 10.58, 6, Plain,
             QStringLiteral("forniti a terzi o utilizzati per l'invio di pubblicità.")),
    };
    texts.insert(texts.end(), bottom.begin(), bottom.end());

    std::vector<ReportObject> all;
    all.insert(all.end(), boxes.begin(), boxes.end());
    all.insert(all.end(), lines.begin(), lines.end());
    all.push_back(logo);
    all.insert(all.end(), texts.begin(), texts.end());
    return all;
}

// Copy B: copy A moved right, named "_B", with its own copy title and beige
// where copy A is alice blue.
ReportObject toCopyB(ReportObject o)
{
    o.rect.translate(kShiftB, 0);
    if (o.name.endsWith(u"_A"))
        o.name = o.name.left(o.name.size() - 2) + QStringLiteral("_B");
    else if (o.name.endsWith(u"_A2"))
        o.name = o.name.left(o.name.size() - 3) + QStringLiteral("_B2");
    if (o.name == u"titCopia_B")
        o.text = QStringLiteral("COPIA PER LA DITTA EMITTENTE");
    if (o.fill == kAliceBlue)
        o.fill = kBeige;
    return o;
}

QString value(const Values &values, const char *field)
{
    return values.value(QString::fromLatin1(field)).trimmed();
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

Values valuesOf(const Record &record)
{
    Values values;
    const RecordLayout &layout = record.layout();
    for (int i = 0; i < layout.fieldCount(); ++i)
        values.insert(layout.field(i).name, record.text(i));
    return values;
}

Report layout(Variant variant)
{
    Report report;
    report.setPage(Report::Orientation::Landscape, 0);
    report.addBand(QStringLiteral("Pagina"), ReportBand::Kind::Title, report.pageHeight());
    const std::vector<ReportObject> a = copyA();
    for (const ReportObject &object : a)
        report.add(object);
    for (const ReportObject &object : a)
        report.add(toCopyB(object));
    if (variant == Variant::Print)
        report.add(line("", false, 557.48, 7.56, 778.58, true)); // where the two copies are cut apart
    if (variant == Variant::Pdf) {
        for (const char *name : {"txtNumRic_A", "txtData_A", "txtNumRic_B"})
            report.object(QString::fromLatin1(name)).allowTags = false;
    }
    return report;
}

Report filled(Variant variant, const Values &values, const QImage &logo)
{
    Report report = layout(variant);
    const bool tags = variant != Variant::Pdf;
    const auto bold = [tags](const QString &text) {
        return tags ? QStringLiteral("<b>") + text + QStringLiteral("</b>") : text;
    };

    QList<QPair<QString, QString>> fills{
        {QStringLiteral("txtNumRic"), bold(QStringLiteral("Ricevuta n. ") + value(values, "NumRic"))},
        {QStringLiteral("txtData"), bold(QStringLiteral("Data emissione:  ") + value(values, "Data"))},
        {QStringLiteral("txtCliente"), value(values, "Cliente")},
        {QStringLiteral("txtViaCliente"), value(values, "ViaCliente")},
        {QStringLiteral("txtCittaCliente"), value(values, "CapCliente") + QLatin1Char(' ') + value(values, "CittaCliente")
                                                + QLatin1Char(' ') + value(values, "ProvCliente")},
        {QStringLiteral("txtCodFiscCliente"), QStringLiteral("C.F. ") + value(values, "CodFiscCliente")
                                                  + QStringLiteral("   P.Iva: ") + value(values, "IvaCliente")},
        {QStringLiteral("txtCamera"), QStringLiteral("Camera n. ") + value(values, "Camera")},
        {QStringLiteral("txtArrivo"), QStringLiteral("Data arrivo: ") + value(values, "Arrivo")
                                          + QStringLiteral("     Data partenza: ") + value(values, "Partenza")},
        {QStringLiteral("txtDitta"), value(values, "Ditta")},
        {QStringLiteral("txtViaDitta"), value(values, "ViaDitta")},
        {QStringLiteral("txtCittaDitta"), value(values, "CapDitta") + QLatin1Char(' ') + value(values, "CittaDitta")
                                              + QLatin1Char(' ') + value(values, "ProvDitta")},
        {QStringLiteral("txtCodFiscDitta"), QStringLiteral("C.F. ") + value(values, "CodFiscDitta")
                                                + QStringLiteral("   P.Iva: ") + value(values, "IvaDitta")},
        {QStringLiteral("txtLibero01"), value(values, "Libero01")},
        {QStringLiteral("txtLibero02"), value(values, "Libero02")},
        {QStringLiteral("txtNote"), value(values, "Note")},
    };
    for (int n = 1; n <= ReceiptLayout::LineCount; ++n) {
        fills.append({QStringLiteral("txtDesc") + twoDigits(n),
                      values.value(QStringLiteral("Desc") + twoDigits(n)).trimmed()});
        fills.append({QStringLiteral("txtPrezzo") + twoDigits(n),
                      values.value(QStringLiteral("Prezzo") + twoDigits(n)).trimmed()});
    }
    fills.append({QStringLiteral("txtTotCorrispettivi"), value(values, "TotCorrispettivi")});
    fills.append({QStringLiteral("txtAcconti"), value(values, "Acconti")});
    fills.append({QStringLiteral("txtTassa"), value(values, "Tassa")});
    fills.append({QStringLiteral("txtGiorni"), value(values, "Giorni")});
    fills.append({QStringLiteral("txtTotTassa"), value(values, "TotTassa")});
    fills.append({QStringLiteral("txtTotale"), value(values, "Totale")});

    report.fillPicture(QStringLiteral("imgLogo_A"), logo);
    report.fillPicture(QStringLiteral("imgLogo_B"), logo);
    for (const QString &copy : {QStringLiteral("_A"), QStringLiteral("_B")}) {
        for (const auto &[name, text] : fills)
            report.fillText(name + copy, text);
        report.fillText(QStringLiteral("txtTotTassa") + copy + QLatin1Char('2'), value(values, "TotTassa"));
    }
    return report;
}

PdfInfo pdfInfo()
{
    return {QStringLiteral("Ricevuta"), QStringLiteral("Fattura"), false}; // streams not compressed
}

void writePdf(const Values &values, const QImage &logo, const QString &path)
{
    ReportRenderer::writePdf(ReportRenderer::prepare(filled(Variant::Pdf, values, logo)), path, pdfInfo());
}

QImage defaultLogo()
{
    return Logo::defaultLogo();
}

QImage logoFrom(const QString &pictureFile)
{
    const QImage image = Logo::loadPicture(pictureFile);
    return image.isNull() ? Logo::defaultLogo() : image;
}

QImage logo()
{
    return Logo::load();
}

} // namespace ReceiptReport
