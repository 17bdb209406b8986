#include "receipts/tfrmriepiloghi.h"

#include "access/guidetopics.h"
#include "access/tfrmguida.h"
#include "app/modal.h"
#include "receipts/receipteditorlink.h"
#include "receipts/receiptlistpanel.h"
#include "storage/fieldcodec.h"
#include "storage/recordfile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

using namespace PeriodSummary;

namespace {

ListScreenOptions summaryOptions()
{
    ListScreenOptions options;
    options.itemWidth = 1400;
    options.helpLines = ListScreen::recordHelpLines().mid(0, 2);
    options.enterMovesToFind = false;
    options.emptyListKind = MessageKind::Information;
    return options;
}

QPushButton *command(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

PeriodSummaryScreen::PeriodSummaryScreen(const QString &name, Period period, QWidget *parent)
    : ListScreen(name, summaryOptions(), parent)
    , m_period(period)
{
    m_resultPanel = ReceiptListPanel::gather(this, QStringLiteral("panContainer"));
    auto *result = static_cast<QVBoxLayout *>(m_resultPanel->layout());

    // Heading above the list.
    auto *headingRow = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("Tipologia riepilogo:"), m_resultPanel);
    m_heading = new QLabel(m_resultPanel);
    m_heading->setObjectName(QStringLiteral("titTipologia"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    caption->setFont(bold);
    headingRow->addWidget(caption);
    headingRow->addWidget(m_heading, 1);
    result->insertLayout(0, headingRow);

    // The count line and the four totals, between the list and the commands.
    m_countLine = new QLabel(QStringLiteral("Il presente riepilogo contiene 0 ricevute."), m_resultPanel);
    m_countLine->setObjectName(QStringLiteral("panInfo"));
    auto *totals = new QGridLayout;
    static const char *const names[TotalCount] = {"lblTotImponibile", "lblTotImposta", "lblTotEsente", "lblTotale"};
    for (int t = 0; t < TotalCount; ++t) {
        auto *label = new QLabel(totalCaptions()[t], m_resultPanel);
        m_totals[t] = new QLabel(QStringLiteral("0,00"), m_resultPanel);
        m_totals[t]->setObjectName(QString::fromLatin1(names[t]));
        m_totals[t]->setFont(bold);
        totals->addWidget(label, t, 0);
        totals->addWidget(m_totals[t], t, 1);
    }
    totals->setColumnStretch(2, 1);
    const int commandsAt = result->indexOf(commandRow());
    result->insertWidget(commandsAt, m_countLine);
    result->insertLayout(commandsAt + 1, totals);

    // Commands: Stampa riepilogo, Esci and the help image.
    if (auto *print = findChild<QPushButton *>(QStringLiteral("btnStampa")))
        print->setText(QStringLiteral("Stampa riepilogo"));
    if (auto *close = findChild<QPushButton *>(QStringLiteral("btnChiudi"))) {
        close->setObjectName(QStringLiteral("btnEsci"));
        close->setText(QStringLiteral("Esci"));
    }
    auto *help = command(m_resultPanel, "imgGuida", QStringLiteral("Guida"));
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    commandRow()->insertWidget(0, help);
    connect(help, &QPushButton::clicked, this, &PeriodSummaryScreen::openGuide);

    // The year of the editor's open archive.
    m_year = new QLabel(ReceiptEditorLink::year(), this);
    m_year->setObjectName(QStringLiteral("lblAnno"));

    if (period == Period::Year) {
        m_heading->setText(QStringLiteral("Ricevute emesse nell'anno solare."));
        m_year->hide();
    } else {
        m_heading->setText(period == Period::Month ? QStringLiteral("Ricevute emesse nel mese.")
                                                   : QStringLiteral("Ricevute emesse nel trimestre."));
        m_selectionPanel = new QWidget(this);
        m_selectionPanel->setObjectName(QStringLiteral("panSelezione"));
        auto *selection = new QVBoxLayout(m_selectionPanel);
        auto *prompt = new QLabel(period == Period::Month
                                      ? QStringLiteral("Selezionare un mese dell'anno e premere Visualizza.")
                                      : QStringLiteral("Selezionare un trimestre dell'anno e premere Visualizza."),
                                  m_selectionPanel);
        m_choice = new QComboBox(m_selectionPanel);
        m_choice->setObjectName(QStringLiteral("cboSelezione"));
        m_choice->addItems(period == Period::Month ? monthItems() : quarterItems());
        m_choice->setCurrentIndex(0);
        m_year->setParent(m_selectionPanel);
        m_year->setFont(bold);
        auto *visualizza = command(m_selectionPanel, "btnVisualizza", QStringLiteral("Visualizza"));
        auto *esci = command(m_selectionPanel, "icoEsci", QStringLiteral("Esci"));
        esci->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
        auto *guida = command(m_selectionPanel, "icoGuida", QStringLiteral("Guida"));
        guida->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
        prompt->setAlignment(Qt::AlignCenter);
        auto *choiceRow = new QHBoxLayout;
        choiceRow->addStretch();
        choiceRow->addWidget(m_choice);
        choiceRow->addWidget(m_year);
        choiceRow->addWidget(visualizza);
        choiceRow->addStretch();
        auto *icons = new QHBoxLayout;
        icons->addStretch();
        icons->addWidget(guida);
        icons->addWidget(esci);
        selection->addStretch();
        selection->addWidget(prompt);
        selection->addLayout(choiceRow);
        selection->addStretch();
        selection->addLayout(icons);
        mainLayout()->insertWidget(0, m_selectionPanel, 1);
        m_resultPanel->hide();
        connect(visualizza, &QPushButton::clicked, this, &PeriodSummaryScreen::buildSummary);
        connect(esci, &QPushButton::clicked, this, &QWidget::close);
        connect(guida, &QPushButton::clicked, this, &PeriodSummaryScreen::openGuide);
    }
    setWindowState(Qt::WindowMaximized);
}

void PeriodSummaryScreen::showEvent(QShowEvent *event)
{
    ListScreen::showEvent(event);
    // Shown maximised: the whole desktop, even where no window manager
    // maximises windows.
    if (!event->spontaneous()) {
        if (QScreen *screen = this->screen())
            setGeometry(screen->availableGeometry());
    }
}

void PeriodSummaryScreen::buildSummary()
{
    Request request;
    request.period = m_period;
    request.index = m_choice ? m_choice->currentIndex() + 1 : 1;
    // The annual summary compares the editor's own year label.
    request.year = m_period == Period::Year ? ReceiptEditorLink::year() : m_year->text();

    resetSearchKey();
    for (QLabel *total : m_totals)
        total->setText(QStringLiteral("0,00"));
    m_heading->setText(PeriodSummary::heading(request));
    Result result;
    try {
        result = build(ReceiptEditorLink::archivePath(), request);
    } catch (const StorageError &) {
        clearLines();
        Modal::warning(this, archiveAccessMessage());
        return;
    }
    setLines(result.lines);
    for (int t = 0; t < TotalCount; ++t)
        m_totals[t]->setText(result.totals[t]);
    if (!result.complete)
        return; // stopped at an amount that cannot be read: no count, no change of panel
    m_countLine->setText(result.countLine());
    if (m_selectionPanel)
        m_selectionPanel->hide();
    m_resultPanel->show();
    searchField()->setFocus();
}

QString PeriodSummaryScreen::printTitle() const
{
    return PeriodSummary::printTitle(m_heading->text());
}

QStringList PeriodSummaryScreen::extraPrintLines() const
{
    std::array<QString, TotalCount> texts;
    for (int t = 0; t < TotalCount; ++t)
        texts[t] = m_totals[t]->text();
    return printExtraLines(texts);
}

void PeriodSummaryScreen::openGuide()
{
    TfrmGuida::open(this, GuideTopics::summaries());
}

void PeriodSummaryScreen::closeEvent(QCloseEvent *event)
{
    clearLines();
    ListScreen::closeEvent(event);
}

void PeriodSummaryScreen::done(int result)
{
    clearLines();
    ListScreen::done(result);
}

TfrmRiepMensile::TfrmRiepMensile(QWidget *parent)
    : PeriodSummaryScreen(QStringLiteral("TfrmRiepMensile"), Period::Month, parent)
{
}

TfrmRiepTrimestrale::TfrmRiepTrimestrale(QWidget *parent)
    : PeriodSummaryScreen(QStringLiteral("TfrmRiepTrimestrale"), Period::Quarter, parent)
{
}

TfrmRiepAnnuale::TfrmRiepAnnuale(QWidget *parent)
    : PeriodSummaryScreen(QStringLiteral("TfrmRiepAnnuale"), Period::Year, parent)
{
}

void TfrmRiepAnnuale::showEvent(QShowEvent *event)
{
    PeriodSummaryScreen::showEvent(event);
    if (!event->spontaneous())
        buildSummary();
}
