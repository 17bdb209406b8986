#pragma once

#include <QDateTime>

// The local date and time. Every "today" and "now" of the program comes from
// here, so tests can fix the clock.
namespace Clock {

QDateTime now();
QDate today();

// Fixes the clock to a moment (tests only); an invalid moment restores it.
void setOverride(const QDateTime &moment);

} // namespace Clock
