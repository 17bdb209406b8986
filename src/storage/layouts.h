#pragma once

#include "storage/recordlayout.h"

#include <QString>

// The record layout of a record file, known from its name: "*.ric" holds
// receipts. Returns nullptr for a kind of file the program does not know.
const RecordLayout *layoutForFile(const QString &fileName);
