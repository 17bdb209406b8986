#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Date texts in the short form "dd/mm/yyyy", and today's date and year from
// the program's clock.
namespace Dates {

// A date as "dd/mm/yyyy" (05/03/2024).
QString format(const QDate &date);

// Today's date as "dd/mm/yyyy".
QString todayText();

// The current year with four digits ("2024").
QString yearText();

// The date a text names, or nothing. The trimmed text must be day "/" month
// "/" year, or day "/" month for the current year; day and month have one or
// two digits. A year of one or two digits falls in the hundred years that
// start fifty years before the current year; three or four digits are the
// year itself. The day must exist (29/02 only in leap years).
std::optional<QDate> parse(const QString &text);

// The date check: true when parse() finds a date. The text is never changed.
bool isValidDate(const QString &text);

} // namespace Dates
