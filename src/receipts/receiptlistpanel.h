#pragma once

#include <QString>

class ListScreen;
class QWidget;

namespace ReceiptListPanel {

// Moves every control of a list screen (help lines, search key, list,
// commands) into a new panel of the given name, which takes their place in
// the screen, so that the list can be hidden and shown as one.
QWidget *gather(ListScreen *screen, const QString &panelName);

// Fixes a dialog's size, keeps its title bar free of buttons and centres it
// on the screen.
void fixAndCentre(QWidget *dialog, int width, int height);
void centre(QWidget *dialog);

} // namespace ReceiptListPanel
