#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The monthly, quarterly and annual summaries of a yearly archive: the
// receipts issued in the period, paid or not, with four totals.
namespace PeriodSummary {

enum class Period { Month, Quarter, Year };

// The choices of the summary screens' combo boxes, upper case as shown.
const QStringList &monthItems();   // "GENNAIO" ... "DICEMBRE"
const QStringList &quarterItems(); // "GENNAIO, FEBBRAIO, MARZO" ...

// The totals, in the order of the screens' labels.
enum Total { Corrispettivi, Acconti, Tassa, Saldato, TotalCount };

struct Request
{
    Period period = Period::Year;
    int index = 1;  // month 1-12 or quarter 1-4; unused for the year
    QString year;   // as the screen's year label holds it (trimmed here)
};

struct Result
{
    QString heading;     // "Ricevute emesse nel mese di marzo 2016"
    QStringList lines;   // one per receipt of the period, file order
    QList<qint64> positions;
    std::array<double, TotalCount> sums{};
    // The four total labels as the screen shows them: "€ 12,50" when the
    // summary is complete; when it stopped, the running sums as they were
    // last shown ("0,00" for a sum not yet reached).
    std::array<QString, TotalCount> totals;
    // False when the summary stopped at a receipt of the period whose amount
    // cannot be read as a number; the lines and sums are those up to and
    // including that receipt's line.
    bool complete = true;
    qint64 stoppedAt = 0; // position of that receipt
    int badField = -1;    // receipt field of that amount

    // "Il presente riepilogo contiene N ricevute."
    QString countLine() const;
};

// The heading of a summary.
QString heading(const Request &request);

// True when an issue date (as read from the archive) falls in the period: its
// characters 4-5 are the month and 7-10 (trimmed) the year, the date being
// followed by blanks when shorter.
bool inPeriod(const QString &date, const Request &request);

// Builds a summary over an archive. Throws StorageError when the archive
// cannot be opened or read; a missing archive is created empty when
// createIfMissing is set, as the screens do.
Result build(const QString &archive, const Request &request, bool createIfMissing = true);

// The text of a total label from its sum: rounded to four decimals, with at
// least two decimals and the euro sign in front ("€ 1250,50").
QString totalText(double sum);

// The captions of the four totals on screen.
const std::array<QString, TotalCount> &totalCaptions();

// The title and the lines printed after the receipt lines: a dashed line and
// the four totals, each caption 24 characters wide.
QString printTitle(const QString &headingText);
QStringList printExtraLines(const std::array<QString, TotalCount> &totalLabels);

} // namespace PeriodSummary
