#include "storage/layouts.h"

#include "storage/receiptlayout.h"

#include <QFileInfo>

const RecordLayout *layoutForFile(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    if (name.endsWith(QStringLiteral(".ric"), Qt::CaseInsensitive))
        return &ReceiptLayout::layout();
    return nullptr;
}
