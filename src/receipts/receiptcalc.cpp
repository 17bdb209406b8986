#include "receipts/receiptcalc.h"

#include "text/amounts.h"
#include "text/texthelpers.h"

#include <optional>

namespace {

const QString kZero = QStringLiteral("0,00");

// An input's value: 0 when empty, nothing when it is not an amount.
std::optional<double> valueOf(const QString &text)
{
    if (Text::trim(text).isEmpty())
        return 0.0;
    return Amounts::parse(text);
}

} // namespace

namespace ReceiptCalc {

Totals calculate(const Inputs &inputs)
{
    Totals totals;
    totals.advances = Text::trim(inputs.advances).isEmpty() ? kZero : inputs.advances;
    totals.lines = totals.tax = totals.due = kZero;

    // The lines are added in line order in extended precision, then held as
    // a double.
    long double sum = 0;
    for (const QString &line : inputs.lines) {
        const auto a = valueOf(line);
        if (!a)
            return totals;
        sum += *a;
    }
    const auto advances = valueOf(totals.advances);
    const auto taxPerDay = valueOf(inputs.taxPerDay);
    const auto days = valueOf(inputs.days);
    if (!advances || !taxPerDay || !days)
        return totals;

    const double c = static_cast<double>(sum);
    const double x = *taxPerDay * *days;
    const double d = c + x - *advances;
    totals.lines = Amounts::totalText(c);
    totals.tax = Amounts::totalText(x);
    totals.due = Amounts::totalText(d);
    return totals;
}

Blanked blankedBy(Input input)
{
    switch (input) {
    case Input::Line:
        return {true, false, true};
    case Input::Advances:
        return {false, false, true};
    case Input::TaxPerDay:
    case Input::Days:
        return {false, true, true};
    }
    return {};
}

} // namespace ReceiptCalc
