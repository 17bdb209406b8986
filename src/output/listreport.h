#pragma once

#include "output/report.h"

#include <QStringList>

// The list report every list screen prints: A4 landscape, a title band with
// txtTitolo, the data band MasterData holding every list line in
// txtRiepilogo ("Courier New" 8 pt, one line each 12.822 units, split across
// pages between lines), and the footer txtPagina with the print date.
namespace ListReport {

constexpr double LinePitch = 12.822;

// The layout with its design texts.
Report layout();

// The layout filled for printing a list: the title, the list lines followed
// by the extra lines, and the heights that follow from the number of lines.
Report filled(const QString &title, const QStringList &lines, const QStringList &extraLines = {});

} // namespace ListReport
