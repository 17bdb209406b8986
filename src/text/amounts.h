#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Amount and whole-number texts: euro amounts with a decimal comma and no
// thousands separator ("12,50", "0,1234", "-19,50"), counts as digits ("3").
// Numbers live only for the length of one action; every result goes back to
// text at once.
namespace Amounts {

// The number of an amount text (trimmed first): an optional sign, digits,
// optionally "," and digits, optionally an exponent ("E" or "e", an optional
// sign, digits). A lone "," reads 0, "5," reads 5, ",5" reads 0.5. Nothing
// for the empty text, a dot, a second comma, any other character, a sign
// alone, or a value too large for a double.
std::optional<double> parse(QStringView text);

// The shortest text of a number with at most 15 significant digits: "," before
// the decimals, no trailing zeros, no "," for whole values (12.5 → "12,5",
// 3 → "3", -19.99 → "-19,99"). Values of 10^15 or more and non-zero values
// below 0.00001 come out in exponent form ("1E15", "1,5E-6").
QString format(double value);

// Rounds to 0, 2 or 4 decimals: floor(v × 10^d + 0.5) ÷ 10^d in double
// precision. Halves go up on the binary value, so 0,125 gives 0,13 but 0,285
// (held as slightly less) gives 0,28; -2,5 gives -2 at 0 decimals.
double round(double value, int decimals);

// Pads a formatted amount to two decimals: ",00" when it has no comma, "0"
// when it has one decimal; two or more decimals stay as they are.
QString padTwoDecimals(const QString &text);

// A total as shown: rounded to 2 decimals, formatted and padded, so always
// exactly two decimals (0 → "0,00", 125.5 → "125,50", -19.999 → "-20,00").
QString totalText(double value);

// The text an amount field gets when the user leaves it: 'emptyGives' for an
// empty (trimmed) text, 'invalidGives' for a text that does not parse,
// otherwise the value rounded to 4 decimals, formatted and padded
// ("12" → "12,00", "12,34567" → "12,3457", "0,00001" → "0,00").
QString normaliseAmount(const QString &text, const QString &emptyGives,
                        const QString &invalidGives = QStringLiteral("0,00"));

// The text a whole-number field gets when the user leaves it: 'emptyGives' for
// an empty text, 'invalidGives' for a text that does not parse, otherwise
// the value rounded to a whole number and formatted ("007" → "7").
QString normaliseWhole(const QString &text, const QString &emptyGives, const QString &invalidGives);

} // namespace Amounts
