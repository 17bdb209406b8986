#include "receipts/tfrmtrovaricevute.h"

#include "app/modal.h"
#include "receipts/receipteditorlink.h"
#include "receipts/receiptlistpanel.h"
#include "receipts/receiptlists.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct SearchField
{
    int field;
    const char *label;
};

// The fields of the search panel, in the order Enter moves through them.
constexpr SearchField kFields[] = {
    {ReceiptLayout::NumRic, "Ricevuta n."},
    {ReceiptLayout::Data, "Data emissione:"},
    {ReceiptLayout::Cliente, "Cognome e nome Cliente:"},
    {ReceiptLayout::CittaCliente, "Città di residenza:"},
    {ReceiptLayout::IvaCliente, "Partita IVA:"},
    {ReceiptLayout::CodFiscCliente, "Codice fiscale:"},
    {ReceiptLayout::Arrivo, "Data arrivo:"},
    {ReceiptLayout::Partenza, "Data partenza:"},
    {ReceiptLayout::Camera, "Camera n."},
    {ReceiptLayout::Note, "Note:"},
};

QString receiptLine(const Record &record)
{
    return ReceiptLists::line(record, ReceiptLists::LineEnding::Totale);
}

} // namespace

TfrmTrovaRicevute::TfrmTrovaRicevute(QWidget *parent)
    : ListScreen(QStringLiteral("TfrmTrovaRicevute"),
                 {QStringLiteral("Riepilogo ricevute in archivio"), 1400, ListScreen::recordHelpLines()}, parent)
{
    m_resultPanel = ReceiptListPanel::gather(this, QStringLiteral("panContainer"));
    m_found = new QLabel(QStringLiteral("Il presente elenco contiene 0 schede."), m_resultPanel);
    m_found->setObjectName(QStringLiteral("lblTrovate"));
    commandRow()->insertWidget(0, m_found);

    m_searchPanel = new QWidget(this);
    m_searchPanel->setObjectName(QStringLiteral("panAvvio"));
    // The frame that shows which field has the focus.
    m_searchPanel->setStyleSheet(QStringLiteral("QLineEdit:focus { border: 2px solid #1E90FF; padding: 1px; }"));
    auto *panel = new QVBoxLayout(m_searchPanel);
    for (const char *text :
         {"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e premere "
          "il pulsante Cerca.",
          "Lasciare in bianco tutti gli altri campi.",
          "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."}) {
        auto *line = new QLabel(QString::fromUtf8(text), m_searchPanel);
        line->setWordWrap(true);
        panel->addWidget(line);
    }
    auto *form = new QFormLayout;
    for (const SearchField &f : kFields) {
        auto *edit = new QLineEdit(m_searchPanel);
        edit->setObjectName(ReceiptLayout::layout().field(f.field).control);
        edit->setMaxLength(ReceiptLayout::layout().field(f.field).capacity);
        edit->installEventFilter(this);
        form->addRow(QString::fromUtf8(f.label), edit);
        m_fields.append(edit);
    }
    panel->addLayout(form);
    panel->addStretch();
    m_count = new QLabel(m_searchPanel);
    m_count->setObjectName(QStringLiteral("lblConta"));
    m_count->hide();
    auto *buttons = new QHBoxLayout;
    auto *cerca = new QPushButton(QStringLiteral("Cerca"), m_searchPanel);
    cerca->setObjectName(QStringLiteral("btnCerca"));
    auto *annulla = new QPushButton(QStringLiteral("Chiudi"), m_searchPanel);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : {cerca, annulla})
        b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(cerca);
    buttons->addWidget(annulla);
    panel->addLayout(buttons);
    mainLayout()->insertWidget(0, m_searchPanel, 1);
    m_resultPanel->hide();

    connect(cerca, &QPushButton::clicked, this, &TfrmTrovaRicevute::runSearch);
    connect(annulla, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(m_fields.constFirst(), m_fields.at(1));
    for (int i = 1; i + 1 < m_fields.size(); ++i)
        setTabOrder(m_fields.at(i), m_fields.at(i + 1));

    ReceiptListPanel::fixAndCentre(this, 862, 560);
}

void TfrmTrovaRicevute::showEvent(QShowEvent *event)
{
    ListScreen::showEvent(event);
    resetSearchKey();
    if (m_searchPanel->isVisible())
        m_fields.constFirst()->setFocus();
}

bool TfrmTrovaRicevute::eventFilter(QObject *watched, QEvent *event)
{
    // Enter moves to the next field, from the note back to the number.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const qsizetype i = m_fields.indexOf(qobject_cast<QLineEdit *>(watched));
        if (i >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            m_fields.at((i + 1) % m_fields.size())->setFocus();
            return true;
        }
    }
    return ListScreen::eventFilter(watched, event);
}

void TfrmTrovaRicevute::runSearch()
{
    ReceiptLists::SearchCriteria criteria;
    for (int i = 0; i < m_fields.size(); ++i)
        criteria.set(kFields[i].field, m_fields.at(i)->text());
    m_count->setText(QString::number(criteria.filledCount()));
    ReceiptLists::Listing listing;
    try {
        listing = ReceiptLists::search(ReceiptEditorLink::archivePath(), criteria);
    } catch (const StorageError &) {
        clearLines();
        Modal::plain(this, archiveAccessMessage());
        return;
    }
    setLines(listing.lines);
    m_found->setText(ReceiptLists::searchCountLine(lineCount()));
    m_searchPanel->hide();
    m_resultPanel->show();
    searchField()->clear();
    searchField()->setFocus();
}

void TfrmTrovaRicevute::lineChosen(int row)
{
    const RefoundRecord found =
        refindByLine(ReceiptLayout::layout(), ReceiptEditorLink::archivePath(), line(row), receiptLine);
    if (found.record && !found.failed && callerToken() == u"ricevute")
        ReceiptEditorLink::load(*found.record, found.position);
    close();
}

void TfrmTrovaRicevute::closeEvent(QCloseEvent *event)
{
    clearLines();
    ListScreen::closeEvent(event);
}

void TfrmTrovaRicevute::done(int result)
{
    clearLines();
    ListScreen::done(result);
}
