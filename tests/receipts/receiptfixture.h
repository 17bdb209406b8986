#pragma once

#include "storage/receiptlayout.h"
#include "storage/recordfile.h"
#include "storage/recordlayout.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <initializer_list>
#include <utility>

// A receipt record from field texts by record name, stored as a screen's
// save stores them.
inline QByteArray receipt(std::initializer_list<std::pair<const char *, QString>> fields)
{
    Record record(ReceiptLayout::layout());
    for (const auto &[name, text] : fields)
        record.setText(QString::fromLatin1(name), text);
    return record.bytes();
}

// Appends receipt records to an archive, creating it when missing.
inline void appendReceipts(const QString &path, std::initializer_list<QByteArray> records)
{
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(path);
    for (const QByteArray &r : records)
        file.append(r);
    file.close();
}
