#include "receipts/tfrmstatistiche.h"

#include "access/guidetopics.h"
#include "access/tfrmguida.h"
#include "app/commandhints.h"
#include "app/modal.h"
#include "app/picture.h"
#include "app/programfolder.h"
#include "receipts/incomechart.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"
#include "text/dates.h"
#include "text/fieldbehaviour.h"
#include "text/texthelpers.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The chart is laid out on a page of this size and scaled to the paper.
const QSizeF kPrintArea(1100, 760);

const QColor kBlue(0x0D, 0x47, 0xA1);
const QColor kRed(0xC6, 0x28, 0x28);

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumHeight(34);
    return b;
}

} // namespace

IncomeChartView::IncomeChartView(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(640, 420);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void IncomeChartView::setPoints(const QList<IncomeChartPainter::Point> &points)
{
    m_points = points;
    update();
}

void IncomeChartView::setKind(IncomeChartPainter::Kind kind)
{
    m_kind = kind;
    update();
}

void IncomeChartView::render(QPainter &painter, const QRectF &area) const
{
    IncomeChartPainter(m_points, m_kind).paint(painter, area);
}

void IncomeChartView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    render(p, rect());
}

TfrmStatistiche::TfrmStatistiche(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmStatistiche"), parent)
    , m_file(new QLabel(this))
{
    m_file->setObjectName(QStringLiteral("lblFile"));
    m_file->hide();
    for (const IncomeChart::Month &month : IncomeChart::months()) {
        auto *total = new QLabel(QStringLiteral("0"), this);
        total->setObjectName(month.totalName);
        total->hide();
        m_monthTotals.append(total);
    }

    m_yearPanel = buildYearPanel();
    m_chartPanel = buildChartPanel();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_yearPanel);
    layout->addWidget(m_chartPanel);
    m_chartPanel->hide();
    setStyleSheet(QStringLiteral("TfrmStatistiche { background: #EEF3FA; }"));
    setAttribute(Qt::WA_StyledBackground);
}

QWidget *TfrmStatistiche::buildYearPanel()
{
    auto *outer = new QWidget(this);
    outer->setObjectName(QStringLiteral("panAvvio"));
    auto *box = new QFrame(outer);
    box->setFrameShape(QFrame::StyledPanel);
    box->setStyleSheet(QStringLiteral("QFrame { background: white; border-radius: 8px; }"));

    auto *prompt = new QLabel(QStringLiteral("Indicare l'anno solare e premere Apri."), box);
    QFont promptFont(QStringLiteral("Verdana"));
    promptFont.setPointSize(13);
    prompt->setFont(promptFont);

    m_year = new QLineEdit(box);
    m_year->setObjectName(QStringLiteral("txtAnno"));
    m_year->setMaxLength(4);
    QFont yearFont(QStringLiteral("Verdana"));
    yearFont.setPointSize(28);
    yearFont.setBold(true);
    m_year->setFont(yearFont);
    m_year->setAlignment(Qt::AlignCenter);
    m_year->setFixedWidth(170);

    m_apri = button(QStringLiteral("btnApri"), QStringLiteral("Apri"), box);
    m_apri->setFixedWidth(120);
    FieldBehaviour *keys = FieldBehaviour::of(m_year);
    keys->setFilter(FieldBehaviour::Filter::Digits);
    keys->setSuccessor(m_apri);

    auto *imgGuida = new Picture(QStringLiteral("imgGuida"), Pictures::badge(QStringLiteral("?"), kBlue, 40), true, box);
    auto *imgEsci = new Picture(QStringLiteral("imgEsci"), Pictures::badge(QStringLiteral("×"), kRed, 40), true, box);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    imgEsci->setToolTip(QStringLiteral("Esci"));

    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_year);
    row->addSpacing(12);
    row->addWidget(m_apri);
    row->addStretch();
    auto *images = new QHBoxLayout;
    images->addWidget(imgGuida);
    images->addStretch();
    images->addWidget(imgEsci);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(28, 20, 28, 16);
    boxLayout->setSpacing(18);
    boxLayout->addWidget(prompt, 0, Qt::AlignHCenter);
    boxLayout->addLayout(row);
    boxLayout->addLayout(images);

    auto *outerLayout = new QVBoxLayout(outer);
    outerLayout->addStretch();
    outerLayout->addWidget(box, 0, Qt::AlignCenter);
    outerLayout->addStretch();

    connect(m_apri, &QPushButton::clicked, this, &TfrmStatistiche::buildChart);
    connect(imgGuida, &Picture::clicked, this, &TfrmStatistiche::openGuide);
    connect(imgEsci, &Picture::clicked, this, &QWidget::close);
    return outer;
}

QWidget *TfrmStatistiche::buildChartPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));

    m_title = new QLabel(QStringLiteral("Rappresentazione grafica delle ricevute emesse nell'anno solare."), panel);
    m_title->setObjectName(QStringLiteral("lblTitolo"));
    QFont titleFont(QStringLiteral("Verdana"));
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("color: #0D47A1;"));
    auto *line1 = new QLabel(QStringLiteral("Il presente grafico statistico mostra gli incassi relativi a ciascun mese "
                                            "dell'anno in base alle ricevute emesse."),
                             panel);
    auto *line2 = new QLabel(QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il tipo di grafico "
                                            "desiderato e per mandarlo in stampa."),
                             panel);

    m_chart = new IncomeChartView(panel);
    m_chart->setObjectName(QStringLiteral("ChartStats"));

    auto *btnTorta = button(QStringLiteral("btnTorta"), QStringLiteral("Visualizza grafico a torta"), panel);
    auto *btnBarre = button(QStringLiteral("btnBarre"), QStringLiteral("Visualizza grafico a barre"), panel);
    auto *btnStampa = button(QStringLiteral("btnStampa"), QStringLiteral("Stampa grafico"), panel);
    auto *btnEsci = button(QStringLiteral("btnEsci"), QStringLiteral("Esci"), panel);
    auto *cmdGuida = new Picture(QStringLiteral("cmdGuida"), Pictures::badge(QStringLiteral("?"), kBlue, 34), true, panel);

    m_info = new QLabel(QStringLiteral("Grafico statistico degli incassi annuali."), panel);
    m_info->setObjectName(QStringLiteral("panInfo"));
    m_info->setFrameShape(QFrame::StyledPanel);
    m_info->setMinimumHeight(28);
    m_info->setStyleSheet(QStringLiteral("QLabel { background: #FFFDE7; padding: 2px 6px; }"));

    auto *hints = new CommandHints(m_info);
    hints->add(btnBarre, QStringLiteral("Visualizza le statistiche degli incassi sotto forma di grafico a barre "
                                        "tridimensionali."));
    hints->add(btnTorta, QStringLiteral("Visualizza le statistiche degli incassi sotto forma di grafico a torta "
                                        "tridimensionale."));
    hints->add(btnStampa, QStringLiteral("Stampa il grafico corrente."));
    hints->add(btnEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    hints->add(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));

    auto *commands = new QHBoxLayout;
    commands->addWidget(btnBarre);
    commands->addWidget(btnTorta);
    commands->addWidget(btnStampa);
    commands->addStretch();
    commands->addWidget(cmdGuida);
    commands->addWidget(btnEsci);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 12, 16, 8);
    layout->addWidget(m_title);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->addWidget(m_chart, 1);
    layout->addLayout(commands);
    layout->addWidget(m_info);

    connect(btnBarre, &QPushButton::clicked, this, &TfrmStatistiche::showBars);
    connect(btnTorta, &QPushButton::clicked, this, &TfrmStatistiche::showPie);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::printChart);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdGuida, &Picture::clicked, this, &TfrmStatistiche::openGuide);
    return panel;
}

void TfrmStatistiche::prepare()
{
    // Every showing starts on the year panel with the current year and an
    // empty series; the chart kind stays as it was last chosen.
    m_year->setText(Dates::yearText());
    m_chart->clear();
    m_chartPanel->hide();
    m_yearPanel->show();
    m_year->setFocus();
}

void TfrmStatistiche::buildChart()
{
    if (m_year->text().size() != 4) {
        Modal::warning(this, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        m_year->setFocus();
        return;
    }
    const QString year = Text::trim(m_year->text());
    m_file->setText(ProgramFolder::file(ReceiptLayout::archiveFileName(year)));
    m_title->setText(QStringLiteral("Rappresentazione grafica delle ricevute emesse nell'anno ") + year
                     + QLatin1Char('.'));
    for (QLabel *total : std::as_const(m_monthTotals))
        total->setText(QStringLiteral("0"));

    IncomeChart::Result result;
    try {
        result = IncomeChart::build(m_file->text(), year);
    } catch (const StorageError &) {
        Modal::error(this, archiveAccessMessage());
        return;
    }
    for (int m = 0; m < IncomeChart::MonthCount; ++m)
        m_monthTotals.at(m)->setText(result.totals[size_t(m)]);
    if (!result.complete)
        return; // a line total that is no amount: the chart is not shown

    QList<IncomeChartPainter::Point> points;
    for (int m = 0; m < IncomeChart::MonthCount; ++m) {
        const IncomeChart::Month &month = IncomeChart::months()[size_t(m)];
        points.append({month.label, month.colour, IncomeChart::value(m_monthTotals.at(m)->text())});
    }
    m_chart->setPoints(points);
    m_yearPanel->hide();
    m_chartPanel->show();
}

void TfrmStatistiche::showBars()
{
    m_chart->setKind(IncomeChartPainter::Kind::Bars);
}

void TfrmStatistiche::showPie()
{
    m_chart->setKind(IncomeChartPainter::Kind::Pie);
}

int TfrmStatistiche::copiesFromAnswer(const QString &answer)
{
    const QString digits = Text::trim(answer);
    if (digits.isEmpty() || !Text::allDigits(digits))
        return 1;
    // Zero copies or more than the print dialog takes would print nothing.
    bool ok = false;
    const int copies = digits.toInt(&ok);
    if (!ok || copies < 1)
        return 1;
    return std::min(copies, 999);
}

void TfrmStatistiche::printChart()
{
    if (!Modal::askYesNo(this, QStringLiteral("Si vuole stampare il presente grafico statistico?")))
        return;
    const std::optional<QString> answer =
        Modal::instance().inputBox(this, QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"),
                                   QStringLiteral("1"));
    if (!answer)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!m_printOutputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_printOutputFile);
    }
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(copiesFromAnswer(*answer));
    if (!Modal::instance().printDialog(this, &printer))
        return;
    printOn(printer);
}

void TfrmStatistiche::printOn(QPrinter &printer) const
{
    printer.setPageOrientation(QPageLayout::Landscape);
    // The copies are printed one after another as pages of their own.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / kPrintArea.width(), page.height() / kPrintArea.height());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0)
            printer.newPage();
        painter.save();
        painter.translate((page.width() - kPrintArea.width() * scale) / 2,
                          (page.height() - kPrintArea.height() * scale) / 2);
        painter.scale(scale, scale);
        m_chart->render(painter, QRectF(QPointF(0, 0), kPrintArea));
        painter.restore();
    }
    painter.end();
}

void TfrmStatistiche::openGuide()
{
    TfrmGuida::open(this, GuideTopics::charts());
}
