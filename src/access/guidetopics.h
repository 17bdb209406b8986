#pragma once

#include <QList>
#include <QString>

// One page of the guide: the title shown in the guide screen's title label
// and the text of its paragraphs, separated by an empty line (CR LF CR LF).
struct GuideTopic
{
    QString title;
    QString text;

    // The paragraphs of the text, without the empty lines between them.
    QStringList paragraphs() const;
};

// The topics of the guide, one per screen that opens it. The same texts make
// up the printed manual Guida.pdf.
namespace GuideTopics {

GuideTopic overview();          // the launcher: "Uno sguardo a Ostelio."
GuideTopic customers();         // the customer register
GuideTopic priceList();         // the price list and stock
GuideTopic receipts();          // the receipts menu and the receipt editor
GuideTopic charts();            // the income charts
GuideTopic summaries();         // the monthly, quarterly and annual summaries
GuideTopic receiptsExport();    // export of the receipt archive
GuideTopic customersExport();   // export of the customer register
GuideTopic priceListExport();   // export of the price list

// Every topic, in the order of the manual.
QList<GuideTopic> all();

} // namespace GuideTopics
