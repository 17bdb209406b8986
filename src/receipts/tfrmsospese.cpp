#include "receipts/tfrmsospese.h"

#include "receipts/receipteditorlink.h"
#include "receipts/receiptlistpanel.h"
#include "receipts/receiptlists.h"
#include "storage/receiptlayout.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QShowEvent>

namespace {

QString receiptLine(const Record &record)
{
    return ReceiptLists::line(record, ReceiptLists::LineEnding::Totale);
}

} // namespace

TfrmSospese::TfrmSospese(QWidget *parent)
    : ListScreen(QStringLiteral("TfrmSospese"),
                 {QStringLiteral("Riepilogo ricevute non saldate"), 1400, ListScreen::recordHelpLines()}, parent)
{
    ReceiptListPanel::fixAndCentre(this, 862, 560);
}

void TfrmSospese::showEvent(QShowEvent *event)
{
    ListScreen::showEvent(event);
    if (!event->spontaneous())
        buildList();
}

void TfrmSospese::buildList()
{
    resetSearchKey();
    // A failure while reading keeps the lines read so far, without a message.
    setLines(ReceiptLists::unpaid(ReceiptEditorLink::archivePath()).lines);
    searchField()->setFocus();
}

void TfrmSospese::lineChosen(int row)
{
    const RefoundRecord found =
        refindByLine(ReceiptLayout::layout(), ReceiptEditorLink::archivePath(), line(row), receiptLine);
    if (found.record && !found.failed)
        ReceiptEditorLink::load(*found.record, found.position);
    close();
}

void TfrmSospese::closeEvent(QCloseEvent *event)
{
    clearLines();
    ListScreen::closeEvent(event);
}

void TfrmSospese::done(int result)
{
    clearLines();
    ListScreen::done(result);
}
