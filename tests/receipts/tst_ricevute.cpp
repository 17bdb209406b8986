#include "editorfixture.h"
#include "receiptfixture.h"

#include "storage/recordfile.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QStackedWidget>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A field read straight from the stored bytes: the length byte at the
// field's offset, then that many Windows-1252 bytes. Written apart from the
// program's codec, so the two check each other.
QString storedField(const QByteArray &record, int offset)
{
    const int length = quint8(record.at(offset));
    QString out;
    for (int i = 0; i < length; ++i) {
        const quint8 byte = quint8(record.at(offset + 1 + i));
        if (byte == 0xEC)
            out += QChar(0x00EC); // ì
        else if (byte == 0xE0)
            out += QChar(0x00E0); // à
        else if (byte == 0x80)
            out += QChar(0x20AC); // €
        else
            out += QChar(byte);
    }
    return out;
}

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kUpdated = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

} // namespace

// The receipt editor: numbering, saving, browsing, the settings it keeps
// and the dialogs it opens.
class TestRicevute : public QObject
{
    Q_OBJECT

    EditorFixture f;

    void fillMinimal(const QString &customer = QStringLiteral("Rossi Mario"))
    {
        f.set(QStringLiteral("txtCliente"), customer);
        f.set(QStringLiteral("txtNumRic"), QStringLiteral("1"));
        f.set(QStringLiteral("txtData"), QStringLiteral("15/06/2024"));
    }
    void writeArchive(int receipts)
    {
        RecordFile file(ReceiptLayout::RecordSize);
        file.openOrCreate(f.archive());
        for (int i = 1; i <= receipts; ++i)
            file.append(receipt({{"NumRic", QString::number(i)},
                                 {"Data", QStringLiteral("0%1/01/2024").arg(i % 9 + 1)},
                                 {"Cliente", QStringLiteral("Cliente %1").arg(i)},
                                 {"Ditta", QStringLiteral("Ditta %1").arg(i)},
                                 {"Saldata", i % 2 ? QStringLiteral("Sì") : QStringLiteral("No")}}));
        file.close();
    }

private slots:
    void init()
    {
        f.start();
        f.openYear(QStringLiteral("2024"));
    }
    void cleanup() { f.stop(); }

    void opensEmptyForANewReceipt()
    {
        QVERIFY(f.editor->isVisible());
        QCOMPARE(f.text("txtNumRic"), QString());
        QCOMPARE(f.text("txtData"), QString());
        QCOMPARE(f.text("txtAcconti"), QStringLiteral("0,00"));
        QCOMPARE(f.text("txtGiorni"), QStringLiteral("0"));
        QCOMPARE(f.text("lblPosizione"), QString());
        QCOMPARE(f.editor->focusWidget(), f.edit("txtCliente"));
        QVERIFY(!f.editor->findChild<QWidget *>(QStringLiteral("grpPage01"))->isHidden());
        QVERIFY(f.editor->findChild<QWidget *>(QStringLiteral("grpPage02"))->isHidden());
        QVERIFY(f.modal->messages().isEmpty());
    }

    void newReceiptNumber_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("withYear");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty archive, defaults") << 0 << "" << "" << "1";
        QTest::newRow("12 receipts") << 12 << "1" << "No" << "13";
        QTest::newRow("12 receipts with the year") << 12 << "1" << "Sì" << "13/2024";
        QTest::newRow("starting number 100") << 12 << "100" << "" << "112";
        QTest::newRow("starting number 0") << 0 << "0" << "" << "0";
    }
    void newReceiptNumber()
    {
        QFETCH(int, stored);
        QFETCH(QString, start);
        QFETCH(QString, withYear);
        QFETCH(QString, expected);
        writeArchive(stored);
        if (!start.isEmpty())
            f.folder->write(QStringLiteral("Ostelio.ini"),
                            QStringLiteral("[Numerazione Ricevute]\r\nInizio=%1\r\nIndicazione Anno Solare=%2\r\n")
                                .arg(start, withYear)
                                .toLatin1());
        f.set(QStringLiteral("txtCliente"), QStringLiteral("da cancellare"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.text("txtNumRic"), expected);
        QCOMPARE(f.text("txtData"), QStringLiteral("15/06/2024"));
        QCOMPARE(f.text("txtCliente"), QString());
        QCOMPARE(f.editor->focusWidget(), f.edit("txtCliente"));
        QVERIFY(f.modal->messages().isEmpty());
    }

    void invalidStartingNumberIsReported()
    {
        f.folder->write(QStringLiteral("Ostelio.ini"), "[Numerazione Ricevute]\r\nInizio=dieci\r\n");
        f.set(QStringLiteral("txtCliente"), QStringLiteral("Rossi"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.modal->last().kind, QStringLiteral("error"));
        QCOMPARE(f.modal->last().text, archiveAccessMessage());
        QCOMPARE(f.text("txtNumRic"), QString());
        QCOMPARE(f.text("txtCliente"), QString()); // found after the screen was cleared
    }

    void saveAppendsThenRewritesInPlace()
    {
        fillMinimal();
        f.set(QStringLiteral("txtAcconti"), QString());
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.modal->last().kind, QStringLiteral("information"));
        QCOMPARE(f.modal->last().text, kInserted);
        QCOMPARE(f.text("lblPosizione"), QStringLiteral("1"));
        QCOMPARE(QFileInfo(f.archive()).size(), 2982);
        QCOMPARE(f.text("txtAcconti"), QStringLiteral("0,00")); // the calculation filled it

        f.set(QStringLiteral("txtCliente"), QStringLiteral("Rossi Maria"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.modal->last().text, kUpdated);
        QCOMPARE(f.text("lblPosizione"), QStringLiteral("1"));
        QCOMPARE(QFileInfo(f.archive()).size(), 2982);
        const QByteArray bytes = fileBytes(f.archive());
        QCOMPARE(storedField(bytes, 385), QStringLiteral("Rossi Maria"));
        QCOMPARE(storedField(bytes, 2931), QStringLiteral("0,00"));
    }

    void savedRecordReadsBackByteForByte()
    {
        f.set(QStringLiteral("txtNumRic"), QStringLiteral("13/2024"));
        f.set(QStringLiteral("txtData"), QStringLiteral("1/2/2024"));
        f.set(QStringLiteral("txtDitta"), QStringLiteral("  Albergo Città  "));
        f.set(QStringLiteral("txtProvDitta"), QStringLiteral("BG"));
        f.set(QStringLiteral("txtCliente"), QStringLiteral("Rossi Mario"));
        f.set(QStringLiteral("txtDesc01"), QStringLiteral("Camera doppia"));
        f.set(QStringLiteral("txtPrezzo01"), QStringLiteral("80,00"));
        f.set(QStringLiteral("txtDesc11"), QStringLiteral("Cena"));
        f.set(QStringLiteral("txtPrezzo11"), QStringLiteral("25,50"));
        f.set(QStringLiteral("txtDesc30"), QStringLiteral("Parcheggio"));
        f.set(QStringLiteral("txtPrezzo30"), QStringLiteral("10,00"));
        f.set(QStringLiteral("txtAcconti"), QStringLiteral("50,00"));
        f.set(QStringLiteral("txtTassa"), QStringLiteral("1,50"));
        f.set(QStringLiteral("txtGiorni"), QStringLiteral("2"));
        f.paid()->setChecked(true);
        // Page 1 shows while lines 11 to 30 are stored.
        QVERIFY(!f.editor->findChild<QWidget *>(QStringLiteral("grpPage01"))->isHidden());
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.modal->last().text, kInserted);

        const QByteArray bytes = fileBytes(f.archive());
        QCOMPARE(bytes.size(), 2982);
        const QList<QPair<int, QString>> expected = {
            {0, "13/2024"}, {31, "1/2/2024"}, {52, QStringLiteral("Albergo Città")}, {218, "BG"},
            {385, "Rossi Mario"}, {910, "Camera doppia"}, {1470, "Cena"}, {2534, "Parcheggio"},
            {2590, "80,00"}, {2700, "25,50"}, {2909, "10,00"}, {2920, "115,50"}, {2931, "50,00"},
            {2942, "1,50"}, {2953, "2"}, {2957, "3,00"}, {2968, "68,50"},
        };
        for (const auto &[offset, text] : expected)
            QCOMPARE(storedField(bytes, offset), text);
        QCOMPARE(bytes.mid(2979, 3), QByteArray("\x02\x53\xEC"));
        QCOMPARE(quint8(bytes.at(966)), quint8(0)); // an empty line stays empty

        // And it comes back into every control.
        f.click(QStringLiteral("cmdNuovo"));
        f.click(QStringLiteral("cmdPrimo"));
        QCOMPARE(f.text("txtDesc30"), QStringLiteral("Parcheggio"));
        QCOMPARE(f.text("txtPrezzo11"), QStringLiteral("25,50"));
        QCOMPARE(f.text("txtTotale"), QStringLiteral("68,50"));
        QCOMPARE(f.text("txtDitta"), QStringLiteral("Albergo Città"));
        QVERIFY(f.paid()->isChecked());
    }

    void requiredFieldsAndTheDateCheck_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no customer") << "  " << "1" << "15/06/2024"
                                     << "Attenzione: per salvare la scheda è necessario indicare il nome o la ragione sociale del Cliente."
                                     << "txtCliente";
        QTest::newRow("no number") << "Rossi" << "" << "15/06/2024"
                                   << "Attenzione: per salvare la scheda è necessario indicare il numero della ricevuta."
                                   << "txtNumRic";
        QTest::newRow("no date") << "Rossi" << "1" << " "
                                 << "Attenzione: per salvare la scheda è necessario indicare la data della ricevuta."
                                 << "txtData";
        QTest::newRow("a day that does not exist")
            << "Rossi" << "1" << "31/11/2024"
            << "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data "
               "valida nel formato gg/mm/anno."
            << "txtData";
        QTest::newRow("not a date") << "Rossi" << "1" << "15-06-2024"
                                    << "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è "
                                       "necessario indicare una data valida nel formato gg/mm/anno."
                                    << "txtData";
    }
    void requiredFieldsAndTheDateCheck()
    {
        QFETCH(QString, customer);
        QFETCH(QString, number);
        QFETCH(QString, date);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        f.set(QStringLiteral("txtCliente"), customer);
        f.set(QStringLiteral("txtNumRic"), number);
        f.set(QStringLiteral("txtData"), date);
        f.set(QStringLiteral("txtPrezzo01"), QStringLiteral("10"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.modal->last().kind, QStringLiteral("warning"));
        QCOMPARE(f.modal->last().text, message);
        QCOMPARE(f.editor->focusWidget(), f.edit(focus));
        QVERIFY(!QFile::exists(f.archive()) || QFileInfo(f.archive()).size() == 0);
        QCOMPARE(f.text("txtTotCorrispettivi"), QStringLiteral("10,00")); // the calculation ran first
    }

    void navigation_data()
    {
        // Archive size, lblPosizione before, command; then lblPosizione
        // after and the message shown (none when empty).
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");
        QTest::newRow("first, empty archive") << 0 << "" << "cmdPrimo" << "" << kEmptyArchive;
        QTest::newRow("first") << 3 << "2" << "cmdPrimo" << "1" << "";
        QTest::newRow("last, empty archive") << 0 << "" << "cmdUltimo" << "" << kEmptyArchive;
        QTest::newRow("last") << 3 << "" << "cmdUltimo" << "3" << "";
        QTest::newRow("next from new, empty archive") << 0 << "" << "cmdAvanti" << "" << kEmptyArchive;
        QTest::newRow("next from new") << 3 << "" << "cmdAvanti" << "1" << "";
        QTest::newRow("next, empty archive empties the position") << 0 << "2" << "cmdAvanti" << "" << kEmptyArchive;
        QTest::newRow("next") << 3 << "1" << "cmdAvanti" << "2" << "";
        QTest::newRow("next on the last does nothing") << 3 << "3" << "cmdAvanti" << "3" << "";
        QTest::newRow("previous on the first does nothing") << 3 << "1" << "cmdIndietro" << "1" << "";
        QTest::newRow("previous on the first, empty archive, no message") << 0 << "1" << "cmdIndietro" << "1" << "";
        QTest::newRow("previous from new, empty archive") << 0 << "" << "cmdIndietro" << "" << kEmptyArchive;
        QTest::newRow("previous from new shows the first") << 3 << "" << "cmdIndietro" << "1" << "";
        QTest::newRow("previous, empty archive") << 0 << "3" << "cmdIndietro" << "3" << kEmptyArchive;
        QTest::newRow("previous") << 3 << "3" << "cmdIndietro" << "2" << "";
    }
    void navigation()
    {
        QFETCH(int, stored);
        QFETCH(QString, before);
        QFETCH(QString, command);
        QFETCH(QString, after);
        QFETCH(QString, message);
        writeArchive(stored);
        f.label(QStringLiteral("lblPosizione"))->setText(before);
        f.set(QStringLiteral("txtCliente"), QStringLiteral("sullo schermo"));
        f.click(command);
        QCOMPARE(f.text("lblPosizione"), after);
        if (message.isEmpty()) {
            QVERIFY(f.modal->messages().isEmpty());
        } else {
            QCOMPARE(f.modal->messages(), QStringList{message});
            QCOMPARE(f.modal->last().kind, QStringLiteral("information"));
        }
        const bool moved = after != before && !after.isEmpty();
        QCOMPARE(f.text("txtCliente"), moved ? QStringLiteral("Cliente ") + after : QStringLiteral("sullo schermo"));
        if (moved) {
            QCOMPARE(f.text("txtDitta"), QStringLiteral("Ditta ") + after);
            QCOMPARE(f.paid()->isChecked(), after.toInt() % 2 == 1);
        }
    }

    void accessErrorsShowTheAccessMessage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("kind");
        QTest::newRow("first") << "cmdPrimo" << "warning";
        QTest::newRow("save") << "cmdSalva" << "warning";
        QTest::newRow("next") << "cmdAvanti" << "error";
        QTest::newRow("previous") << "cmdIndietro" << "error";
        QTest::newRow("last") << "cmdUltimo" << "error";
        QTest::newRow("new") << "cmdNuovo" << "error";
    }
    void accessErrorsShowTheAccessMessage()
    {
        QFETCH(QString, command);
        QFETCH(QString, kind);
        // A folder standing where the archive should be.
        QVERIFY(QDir(f.folder->path()).mkdir(QStringLiteral("2024.ric")));
        fillMinimal();
        f.click(command);
        QCOMPARE(f.modal->last().kind, kind);
        QCOMPARE(f.modal->last().text, archiveAccessMessage());
        QCOMPARE(f.text("txtCliente"), QStringLiteral("Rossi Mario")); // the screen as it was
        QCOMPARE(f.text("lblPosizione"), QString());
    }

    void issuerOfAnOldReceiptBecomesTheDefault()
    {
        f.set(QStringLiteral("txtDitta"), QStringLiteral("Hotel Nuovo"));
        f.set(QStringLiteral("txtTassa"), QStringLiteral("2,00"));
        writeArchive(1); // issued by "Ditta 1"
        f.click(QStringLiteral("cmdPrimo"));
        QCOMPARE(f.text("txtDitta"), QStringLiteral("Ditta 1"));
        f.editor->close();
        QVERIFY(!f.editor->isVisible());
        QVERIFY(f.screens->work(QStringLiteral("TfrmAvvio"))->isVisible());

        // The next run of the program.
        f.startRun();
        f.openYear(QStringLiteral("2024"));
        QCOMPARE(f.text("txtDitta"), QStringLiteral("Ditta 1"));
        QCOMPARE(f.text("txtTassa"), QString()); // the old receipt had none
        QCOMPARE(f.text("txtCliente"), QString());
    }

    void issuerBlockSurvivesBetweenRuns()
    {
        const QStringList fields = {"txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta",
                                    "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02", "txtTassa"};
        for (const QString &name : fields)
            f.set(name, name == u"txtProvDitta" ? QStringLiteral("PR") : QStringLiteral(" %1 ").arg(name.mid(3, 2).toUpper()));
        f.click(QStringLiteral("cmdEsci"));
        const QByteArray ini = f.folder->read(QStringLiteral("Ostelio.ini"));
        QVERIFY(ini.contains("[Ditta Emittente]"));
        QVERIFY(ini.contains("Nome=DI"));
        QVERIFY(ini.contains("Tassa=TA"));
        f.startRun();
        f.openYear(QStringLiteral("2024"));
        for (const QString &name : fields)
            QCOMPARE(f.text(name), name.mid(3, 2).toUpper());
    }

    void unwritableSettingsKeepTheEditorOpen()
    {
        QVERIFY(QDir(f.folder->path()).mkdir(QStringLiteral("Ostelio.ini")));
        f.editor->close();
        QVERIFY(f.editor->isVisible());
        QVERIFY(!f.screens->work(QStringLiteral("TfrmAvvio"))->isVisible());
        QCOMPARE(f.modal->last().kind, QStringLiteral("error"));
        QVERIFY2(f.modal->last().text.contains(QStringLiteral("Ostelio.ini")), qPrintable(f.modal->last().text));

        // Once the folder is free again, closing works.
        QVERIFY(QDir(f.folder->path()).rmdir(QStringLiteral("Ostelio.ini")));
        f.click(QStringLiteral("cmdEsci"));
        QVERIFY(!f.editor->isVisible());
        QVERIFY(f.screens->work(QStringLiteral("TfrmAvvio"))->isVisible());
    }
};

QTEST_MAIN(TestRicevute)
#include "tst_ricevute.moc"
