// Receipt search and annual summary over a generated archive of 100,000
// receipts, next to the time to read the file once.

#include "app/screens.h"
#include "receipts/periodsummary.h"
#include "receipts/receiptlists.h"
#include "storage/receiptlayout.h"
#include "storage/recordlayout.h"

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kReceipts = 100000;
constexpr double kTargetMs = 500.0;

const char *const kSurnames[] = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo", "Ricci",
                                 "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Costa"};
const char *const kNames[] = {"Mario", "Anna", "Giulia", "Luca", "Marco", "Sara", "Paolo", "Elena"};
const char *const kTowns[] = {"Roma", "Milano", "Napoli", "Torino", "Firenze", "Bologna", "Forlì", "Bari"};

QString amount(int cents)
{
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

void generate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    Record r(ReceiptLayout::layout());
    QByteArray block;
    quint32 seed = 12345;
    auto rnd = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<quint32>(n));
    };
    r.setText(ReceiptLayout::Ditta, QStringLiteral("Albergo Bellavista"));
    r.setText(ReceiptLayout::CittaDitta, QStringLiteral("Rimini"));
    for (int i = 0; i < kReceipts; ++i) {
        const int month = 1 + rnd(12);
        const int day = 1 + rnd(28);
        const QString date = QStringLiteral("%1/%2/2024").arg(day, 2, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
        r.setText(ReceiptLayout::NumRic, QStringLiteral("%1/2024").arg(i + 1));
        r.setText(ReceiptLayout::Data, date);
        r.setText(ReceiptLayout::Cliente, QString::fromUtf8(kSurnames[rnd(14)]) + QLatin1Char(' ')
                                              + QString::fromUtf8(kNames[rnd(8)]));
        r.setText(ReceiptLayout::CittaCliente, QString::fromUtf8(kTowns[rnd(8)]));
        r.setText(ReceiptLayout::CodFiscCliente, QStringLiteral("RSSMRA80A01H%1U").arg(rnd(1000), 3, 10, QLatin1Char('0')));
        r.setText(ReceiptLayout::Camera, QString::number(1 + rnd(40)));
        r.setText(ReceiptLayout::Arrivo, date);
        r.setText(ReceiptLayout::Partenza, date);
        r.setText(ReceiptLayout::Note, QStringLiteral("Soggiorno con colazione, camera vista mare"));
        const int corr = 1000 + rnd(50000);
        const int acconti = rnd(2) ? 0 : 1000;
        const int tassa = 150 * rnd(7);
        r.setText(ReceiptLayout::Desc01, QStringLiteral("Pernottamento"));
        r.setText(ReceiptLayout::Prezzo01, amount(corr));
        r.setText(ReceiptLayout::TotCorrispettivi, amount(corr));
        r.setText(ReceiptLayout::Acconti, amount(acconti));
        r.setText(ReceiptLayout::TotTassa, amount(tassa));
        r.setText(ReceiptLayout::Totale, amount(corr + tassa - acconti));
        r.setText(ReceiptLayout::Saldata, rnd(5) ? QStringLiteral("Sì") : QStringLiteral("No"));
        block.append(r.bytes());
        if (block.size() > (8 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    file.close();
}

// The median of five runs, in milliseconds. A run that measures itself
// returns its time; one that returns a negative value is timed whole.
double timeMs(const std::function<double()> &work)
{
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double own = work();
        runs.push_back(own >= 0 ? own : static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Only the figures: the headless platform's notices would bury them.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString archive = dir.filePath(QStringLiteral("2024.ric"));
    generate(archive);

    qint64 sink = 0;
    const double readOnce = timeMs([&] {
        QFile file(archive);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        QByteArray buffer(1 << 20, Qt::Uninitialized);
        qint64 n;
        while ((n = file.read(buffer.data(), buffer.size())) > 0)
            sink += static_cast<unsigned char>(buffer.at(n - 1));
        return -1.0;
    });

    // The screens, over the archive the receipt editor has open.
    Screens screens;
    QWidget *editor = screens.work(QStringLiteral("TfrmRicevute"));
    for (const char *name : {"lblFile", "lblAnno"}) {
        if (!editor->findChild<QLabel *>(QString::fromLatin1(name)))
            (new QLabel(editor))->setObjectName(QString::fromLatin1(name));
    }
    editor->findChild<QLabel *>(QStringLiteral("lblFile"))->setText(archive);
    editor->findChild<QLabel *>(QStringLiteral("lblAnno"))->setText(QStringLiteral("2024"));

    // From Cerca to the filled list.
    qsizetype found = 0;
    const double search = timeMs([&] {
        QDialog *dialog = screens.createDialog(QStringLiteral("TfrmTrovaRicevute"), editor, QStringLiteral("ricevute"));
        dialog->show();
        dialog->findChild<QLineEdit *>(QStringLiteral("txtCliente"))->setText(QStringLiteral("ross"));
        dialog->findChild<QLineEdit *>(QStringLiteral("txtData"))->setText(QStringLiteral("/03/2024"));
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        dialog->findChild<QPushButton *>(QStringLiteral("btnCerca"))->click();
        QApplication::processEvents();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        found = dialog->findChild<QLabel *>(QStringLiteral("lblTrovate"))->text().section(u' ', 4, 4).toLongLong();
        delete dialog;
        return ms;
    });

    // From opening the annual summary to its filled list and totals.
    qsizetype summarised = 0;
    const double summary = timeMs([&] {
        QElapsedTimer timer;
        timer.start();
        QDialog *dialog = screens.createDialog(QStringLiteral("TfrmRiepAnnuale"), editor);
        dialog->show();
        QApplication::processEvents();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        summarised = dialog->findChild<QLabel *>(QStringLiteral("panInfo"))->text().section(u' ', 4, 4).toLongLong();
        delete dialog;
        return ms;
    });

    // The same work without the screens.
    ReceiptLists::SearchCriteria criteria;
    criteria.set(ReceiptLayout::Cliente, QStringLiteral("ross"));
    criteria.set(ReceiptLayout::Data, QStringLiteral("/03/2024"));
    const double searchCore = timeMs([&] { ReceiptLists::search(archive, criteria); return -1.0; });
    PeriodSummary::Request annual;
    annual.period = PeriodSummary::Period::Year;
    annual.year = QStringLiteral("2024");
    const double summaryCore = timeMs([&] { PeriodSummary::build(archive, annual); return -1.0; });

    std::printf("search, 2 criteria, %d receipts: %.0f ms (target < %.0f ms; reading the file once: %.0f ms; "
                "%lld found; without the screen %.0f ms)\n",
                kReceipts, search, kTargetMs, readOnce, static_cast<long long>(found), searchCore);
    std::printf("annual summary, %d receipts: %.0f ms (target < %.0f ms; reading the file once: %.0f ms; "
                "%lld listed; without the screen %.0f ms)\n",
                kReceipts, summary, kTargetMs, readOnce, static_cast<long long>(summarised), summaryCore);
    return sink < 0 ? 1 : 0;
}
