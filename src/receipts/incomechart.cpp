#include "receipts/incomechart.h"

#include "storage/receiptlayout.h"
#include "storage/recordscanner.h"
#include "text/amounts.h"
#include "text/texthelpers.h"

namespace IncomeChart {

const std::array<Month, MonthCount> &months()
{
    static const std::array<Month, MonthCount> value = {{
        {QStringLiteral("Gennaio"), QColor::fromRgba(0xFFFF0000), QStringLiteral("memGennaio")},
        {QStringLiteral("Febbraio"), QColor::fromRgba(0xFF0000FF), QStringLiteral("memFebbraio")},
        {QStringLiteral("Marzo"), QColor::fromRgba(0xFFFFE4C4), QStringLiteral("memMarzo")},
        {QStringLiteral("Aprile"), QColor::fromRgba(0xFFFF00FF), QStringLiteral("memAprile")},
        {QStringLiteral("Maggio"), QColor::fromRgba(0xFFC0DCC0), QStringLiteral("memMaggio")},
        {QStringLiteral("Giugno"), QColor::fromRgba(0xFFFFFF00), QStringLiteral("memGiugno")},
        {QStringLiteral("Luglio"), QColor::fromRgba(0xFF00FF00), QStringLiteral("memLuglio")},
        {QStringLiteral("Agosto"), QColor::fromRgba(0xFFC0C0C0), QStringLiteral("memAgosto")},
        {QStringLiteral("Settembre"), QColor::fromRgba(0xFFF0FBFF), QStringLiteral("memSettembre")},
        {QStringLiteral("Ottobre"), QColor::fromRgba(0xFF87CEEB), QStringLiteral("memOttobre")},
        {QStringLiteral("Novembre"), QColor::fromRgba(0xFF800000), QStringLiteral("memNovembre")},
        {QStringLiteral("Dicembre"), QColor::fromRgba(0xFF008000), QStringLiteral("memDicembre")},
    }};
    return value;
}

Result build(const QString &path, const QString &year, bool createIfMissing)
{
    Result result;
    result.totals.fill(QStringLiteral("0"));
    std::array<double, MonthCount> sums{};
    const QString wanted = Text::trim(year);

    RecordScanner scan(ReceiptLayout::layout());
    scan.open(path, createIfMissing);
    while (scan.next()) {
        // The date of issue padded with blanks, so that a short or empty
        // date gives empty parts rather than a shorter text.
        const QString date = Text::trim(scan.text(ReceiptLayout::Data)) + QString(10, QLatin1Char(' '));
        const QString month = Text::trim(date.mid(3, 2));
        const QString dateYear = Text::trim(date.mid(6, 4));
        if (dateYear != wanted || month.size() != 2 || !Text::allDigits(month))
            continue;
        const int m = month.toInt();
        if (m < 1 || m > MonthCount)
            continue;
        const QString total = Text::trim(scan.text(ReceiptLayout::TotCorrispettivi));
        double amount = 0;
        if (!total.isEmpty()) {
            const std::optional<double> parsed = Amounts::parse(total);
            if (!parsed) {
                result.complete = false;
                result.stoppedAt = scan.index() + 1;
                return result;
            }
            amount = *parsed;
        }
        sums[m - 1] += amount;
        result.totals[m - 1] = Amounts::format(sums[m - 1]);
    }
    // Each month's total to whole euros, halves up.
    for (QString &total : result.totals)
        total = Amounts::format(Amounts::round(Amounts::parse(total).value_or(0), 0));
    return result;
}

double value(const QString &total)
{
    return Amounts::parse(total).value_or(0);
}

} // namespace IncomeChart
