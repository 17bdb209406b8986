#pragma once

#include <QString>
#include <QStringList>

// The receipt calculation: from the texts of the line amounts, the advances,
// the tourist tax per day and the days to the three totals shown on the
// receipt (total of the lines, tourist tax total, amount due).
namespace ReceiptCalc {

struct Inputs
{
    QStringList lines;  // the line amounts, in line order (empty = 0)
    QString advances;   // empty is made "0,00" first
    QString taxPerDay;  // empty = 0
    QString days;       // empty = 0; parsed like an amount
};

struct Totals
{
    QString advances;   // the advances text to show: "0,00" when it was empty, else unchanged
    QString lines;      // total of the lines C = a1 + … + a30
    QString tax;        // tourist tax total X = T × G
    QString due;        // amount due D = C + X − A, from the unrounded C and X
};

// Computes the totals, each rounded on its own to two decimals with exactly
// two decimals shown. Any input that is not an amount gives "0,00" in all
// three totals (the advances are still filled in when empty).
Totals calculate(const Inputs &inputs);

// The inputs whose typing empties totals until the next calculation.
enum class Input { Line, Advances, TaxPerDay, Days };

// Which totals a key pressed in an input empties.
struct Blanked
{
    bool lines = false;
    bool tax = false;
    bool due = false;
};
Blanked blankedBy(Input input);

} // namespace ReceiptCalc
