#pragma once

#include <QString>

class QWidget;

// Builds the controls of the receipt editor with their names, captions,
// limits, alignments and highlight frames, arranged to fit a 1366 × 768
// desktop: the command bar, the receipt number and stay, the issuer block,
// the customer block, the three pages of ten lines, the totals area and the
// status line panInfo. Commands are pictures carrying their hint in the
// property "hint".
namespace RicevuteControls {

void build(QWidget *screen);

// Wires the keys of the edit fields: Enter to each field's successor, the
// amount and digit filters with the normal forms on leaving, the highlight
// frames, and the upper-casing of the province and tax-code fields.
void wireKeys(QWidget *screen);

// The province codes of both drop-down lists, in their order.
const QStringList &provinces();

} // namespace RicevuteControls
