// Scanning a receipt archive of 100,000 records (298 MB) from the page cache,
// reading 8 fields of each, against a plain read of the same file.
#include "storage/receiptlayout.h"
#include "storage/recordscanner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kReceipts = 100000;

void generate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray block;
    for (int i = 0; i < kReceipts; ++i) {
        Record r(ReceiptLayout::layout());
        r.setText(ReceiptLayout::NumRic, QString::number(i + 1));
        r.setText(ReceiptLayout::Data, QStringLiteral("%1/%2/2024").arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
        r.setText(ReceiptLayout::Cliente, QStringLiteral("Cliente numero %1").arg(i));
        r.setText(ReceiptLayout::Camera, QString::number(i % 40 + 1));
        r.setText(ReceiptLayout::Desc01, QStringLiteral("Pernottamento camera doppia"));
        r.setText(ReceiptLayout::Prezzo01, QStringLiteral("%1,50").arg(i % 300));
        r.setText(ReceiptLayout::TotCorrispettivi, QStringLiteral("%1,50").arg(i % 300));
        r.setText(ReceiptLayout::Acconti, QStringLiteral("0,00"));
        r.setText(ReceiptLayout::Totale, QStringLiteral("%1,50").arg(i % 300));
        r.setText(ReceiptLayout::Saldata, i % 3 ? QStringLiteral("Sì") : QStringLiteral("No"));
        block += r.bytes();
        if (block.size() > (8 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

double catSeconds(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    QProcess cat;
    cat.setStandardOutputFile(QProcess::nullDevice());
    cat.start(QStringLiteral("cat"), {path});
    cat.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

double scanSeconds(const QString &path, qint64 *checksum)
{
    const int fields[] = {ReceiptLayout::NumRic, ReceiptLayout::Data, ReceiptLayout::Cliente, ReceiptLayout::Camera,
                          ReceiptLayout::TotCorrispettivi, ReceiptLayout::Acconti, ReceiptLayout::Totale,
                          ReceiptLayout::Saldata};
    QElapsedTimer timer;
    timer.start();
    RecordScanner scan(ReceiptLayout::layout());
    scan.open(path, false);
    qint64 sum = 0;
    while (scan.next()) {
        for (int field : fields)
            sum += scan.text(field).size();
    }
    *checksum = sum;
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2024.ric"));
    generate(path);
    const double megabytes = QFile(path).size() / 1e6;

    catSeconds(path); // into the page cache
    double cat = 1e9, scan = 1e9;
    qint64 checksum = 0;
    for (int round = 0; round < 5; ++round) {
        cat = std::min(cat, catSeconds(path));
        scan = std::min(scan, scanSeconds(path, &checksum));
    }
    std::printf("archive scan, %d receipts (%.0f MB), 8 fields each: %.0f ms = %.2f GB/s (target >= 1 GB/s); "
                "cat FILE > /dev/null: %.0f ms = %.2f GB/s\n",
                kReceipts, megabytes, scan * 1e3, megabytes / 1e3 / scan, cat * 1e3, megabytes / 1e3 / cat);
    return checksum > 0 ? 0 : 1;
}
