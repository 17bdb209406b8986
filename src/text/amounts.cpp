#include "text/amounts.h"

#include "text/texthelpers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

namespace Amounts {

std::optional<double> parse(QStringView text)
{
    const QString t = Text::trim(text);
    qsizetype i = 0;
    const qsizetype n = t.size();

    bool negative = false;
    if (i < n && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }

    // The mantissa: digits, optionally "," and digits; at least one of them.
    std::string number;
    const qsizetype intStart = i;
    while (i < n && isDigit(t.at(i)))
        number += char(t.at(i++).unicode());
    const bool hasInt = i > intStart;
    bool hasComma = false;
    std::string decimals;
    if (i < n && t.at(i) == QLatin1Char(',')) {
        hasComma = true;
        ++i;
        while (i < n && isDigit(t.at(i)))
            decimals += char(t.at(i++).unicode());
    }
    if (!hasInt && !hasComma)
        return std::nullopt;
    if (!hasInt)
        number = "0";
    if (!decimals.empty())
        number += '.' + decimals;

    // The exponent: "E" or "e", an optional sign, digits.
    bool negativeExponent = false;
    if (i < n && (t.at(i) == QLatin1Char('E') || t.at(i) == QLatin1Char('e'))) {
        ++i;
        std::string exponent;
        if (i < n && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
            negativeExponent = t.at(i) == QLatin1Char('-');
            exponent += negativeExponent ? '-' : '+';
            ++i;
        }
        const qsizetype expStart = i;
        while (i < n && isDigit(t.at(i)))
            exponent += char(t.at(i++).unicode());
        if (i == expStart)
            return std::nullopt;
        number += 'e' + exponent;
    }
    if (i != n)
        return std::nullopt;

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; too large is no amount.
        if (!negativeExponent)
            return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

QString format(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde±x
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string sci(buffer, result.ptr);
    const std::size_t ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    const int exponent = std::stoi(sci.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent >= 15 || exponent < -5) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += ',' + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0," + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else {
        const std::size_t whole = std::size_t(exponent) + 1;
        if (digits.size() <= whole) {
            out = digits + std::string(whole - digits.size(), '0');
        } else {
            out = digits.substr(0, whole) + ',' + digits.substr(whole);
        }
    }
    if (value < 0)
        out.insert(out.begin(), '-');
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

double round(double value, int decimals)
{
    double scale = 1;
    for (int k = 0; k < decimals; ++k)
        scale *= 10;
    const double scaled = value * scale + 0.5;
    return std::floor(scaled) / scale;
}

QString padTwoDecimals(const QString &text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return text + QStringLiteral(",00");
    if (text.size() - comma - 1 == 1)
        return text + QLatin1Char('0');
    return text;
}

QString totalText(double value)
{
    return padTwoDecimals(format(round(value, 2)));
}

QString normaliseAmount(const QString &text, const QString &emptyGives, const QString &invalidGives)
{
    if (Text::trim(text).isEmpty())
        return emptyGives;
    const auto value = parse(text);
    if (!value)
        return invalidGives;
    return padTwoDecimals(format(round(*value, 4)));
}

QString normaliseWhole(const QString &text, const QString &emptyGives, const QString &invalidGives)
{
    if (Text::trim(text).isEmpty())
        return emptyGives;
    const auto value = parse(text);
    if (!value)
        return invalidGives;
    return format(round(*value, 0));
}

} // namespace Amounts
