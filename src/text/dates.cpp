#include "text/dates.h"

#include "app/clock.h"
#include "text/texthelpers.h"

namespace {

// The number of a part of one to 'maxDigits' digits, or -1.
int number(const QString &part, int maxDigits)
{
    if (part.isEmpty() || part.size() > maxDigits || !Text::allDigits(part))
        return -1;
    return part.toInt();
}

} // namespace

namespace Dates {

QString format(const QDate &date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString todayText()
{
    return format(Clock::today());
}

QString yearText()
{
    return QStringLiteral("%1").arg(Clock::today().year(), 4, 10, QLatin1Char('0'));
}

std::optional<QDate> parse(const QString &text)
{
    const QStringList parts = Text::trim(text).split(QLatin1Char('/'));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const int day = number(parts.at(0), 2);
    const int month = number(parts.at(1), 2);
    if (day < 0 || month < 0)
        return std::nullopt;

    const int currentYear = Clock::today().year();
    int year = currentYear;
    if (parts.size() == 3) {
        const QString &y = parts.at(2);
        year = number(y, 4);
        if (year < 0)
            return std::nullopt;
        if (y.size() <= 2) {
            // The hundred years starting fifty years before this one.
            const int first = currentYear - 50;
            year += first - first % 100;
            if (year < first)
                year += 100;
        }
    }
    if (year < 1)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool isValidDate(const QString &text)
{
    return parse(text).has_value();
}

} // namespace Dates
