#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <array>

// The income of each month of a calendar year, read from the yearly receipt
// archive: the sum of the receipts' line totals (TotCorrispettivi) by month of
// issue, rounded to whole euros. Advances, tourist tax and the paid flag play
// no part.
namespace IncomeChart {

constexpr int MonthCount = 12;

// A month as a point of the chart: its label, its colour and the name of the
// screen's hidden label that holds its total.
struct Month
{
    QString label;     // "Gennaio"
    QColor colour;
    QString totalName; // "memGennaio"
};

const std::array<Month, MonthCount> &months();

struct Result
{
    // The month totals as text with the decimal comma, January first: whole
    // euros once the archive has been read to the end.
    std::array<QString, MonthCount> totals;
    // False when a receipt's line total could not be read as an amount: the
    // reading stopped there and the totals are the running sums so far.
    bool complete = true;
    qint64 stoppedAt = 0; // the 1-based position of that receipt
};

// Reads the archive at 'path' for the year 'year' (the year field's text,
// trimmed here). A receipt counts when its date of issue, trimmed, has a
// month "01" to "12" in characters 4-5 and the year in characters 7-10; an
// empty line total counts as zero. Opens or creates the archive; throws
// StorageError when it cannot be read.
Result build(const QString &path, const QString &year, bool createIfMissing = true);

// The value of a month total text (0 for a text that is no amount).
double value(const QString &total);

} // namespace IncomeChart
