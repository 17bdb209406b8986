#pragma once

#include "storage/receiptlayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

class Record;
class RecordScanner;

// The receipt lists read from a yearly archive: the search by pieces of
// text, the list of unpaid receipts, and the list line that both show.
namespace ReceiptLists {

// The last text of a receipt's list line: the search and the unpaid list end
// with "  Totale: € ", the period summaries with "  Tot. corr. € ".
enum class LineEnding { Totale, TotCorrispettivi };

// A receipt's list line, built from padded columns:
// "Ric. n. " + number (16) + "  Data: " + date (10) + "  " + customer (32) +
// "  C.F. " + tax code (16) + "  Da: " + arrival (10) + "  A: " + departure
// (10) + the ending + the total of the line amounts (trimmed, not padded).
QString line(const Record &receipt, LineEnding ending = LineEnding::Totale);
QString line(const RecordScanner &receipt, LineEnding ending = LineEnding::Totale);

// The ten receipt fields the search matches, in the order of the search
// screen's fields.
const std::array<int, 10> &searchFields();

// The texts of one search, one per receipt field of searchFields(), taken
// exactly as typed.
//
// The search counts the criteria whose text, trimmed, is not empty (N). A
// receipt is listed when at least N of the texts, untrimmed and with A to Z
// lowered, occur in the corresponding field lowered the same way. With texts
// typed without outer blanks this is "every filled criterion holds"; with
// every text empty the whole archive is listed.
class SearchCriteria
{
public:
    SearchCriteria();

    // Sets the text for a receipt field of searchFields(); returns false for
    // any other field.
    bool set(int field, const QString &text);
    QString text(int field) const;

    // The number of criteria whose trimmed text is not empty.
    int filledCount() const { return m_filled; }

    // Tests a receipt record, stored bytes as read from the archive. The
    // fields are compared byte by byte: in the archive's code page each
    // character is one byte and only A to Z are folded.
    bool matches(const char *record) const;

private:
    struct Criterion
    {
        int field = -1;
        QString text;
        QByteArray folded; // the text's bytes with A to Z lowered
        bool usable = false; // not empty and every character has a byte
    };
    std::array<Criterion, 10> m_criteria;
    int m_filled = 0;
};

// The lines of a list with the 1-based archive position of each.
struct Listing
{
    QStringList lines;
    QList<qint64> positions;
    // False when reading stopped at a failure; the lines are those read so far.
    bool complete = true;
};

// Lists the receipts of an archive that match, in file order. Throws
// StorageError when the archive cannot be opened or read. A missing archive
// is created empty when createIfMissing is set, as the screens do.
Listing search(const QString &archive, const SearchCriteria &criteria, bool createIfMissing = true);

// A receipt is unpaid when its paid flag, trimmed, is exactly "No".
bool isUnpaid(const char *record);

// Lists the unpaid receipts of an archive, in file order. A failure while
// reading stops the listing: the lines read so far are kept and complete is
// false. A missing archive is created empty when createIfMissing is set.
Listing unpaid(const QString &archive, bool createIfMissing = true);

// The count line under the search results.
QString searchCountLine(qsizetype lines);

} // namespace ReceiptLists
