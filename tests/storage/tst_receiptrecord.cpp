#include "storage/receiptlayout.h"

#include <QTest>

using namespace ReceiptLayout;

class TstReceiptRecord : public QObject
{
    Q_OBJECT
private slots:
    void layoutOffsets_data();
    void layoutOffsets();
    void layoutIsComplete();
    void bytesOfOneReceipt();
    void fullReceiptReadsBackUnchanged();
    void totalLongerThanItsFieldIsCut();
};

void TstReceiptRecord::layoutOffsets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("control");

    // Rows of the stored format, as other programs reading the archives
    // expect them.
    QTest::newRow("NumRic") << "NumRic" << 30 << 0 << "txtNumRic";
    QTest::newRow("Data") << "Data" << 20 << 31 << "txtData";
    QTest::newRow("ProvDitta") << "ProvDitta" << 2 << 218 << "txtProvDitta";
    QTest::newRow("Libero02") << "Libero02" << 50 << 334 << "txtLibero02";
    QTest::newRow("Cliente") << "Cliente" << 50 << 385 << "txtCliente";
    QTest::newRow("CodFiscCliente") << "CodFiscCliente" << 30 << 585 << "txtCodFiscCliente";
    QTest::newRow("Note") << "Note" << 250 << 659 << "txtNote";
    QTest::newRow("Desc01") << "Desc01" << 55 << 910 << "txtDesc01";
    QTest::newRow("Desc30") << "Desc30" << 55 << 2534 << "txtDesc30";
    QTest::newRow("Prezzo01") << "Prezzo01" << 10 << 2590 << "txtPrezzo01";
    QTest::newRow("Prezzo30") << "Prezzo30" << 10 << 2909 << "txtPrezzo30";
    QTest::newRow("TotCorrispettivi") << "TotCorrispettivi" << 10 << 2920 << "txtTotCorrispettivi";
    QTest::newRow("Giorni") << "Giorni" << 3 << 2953 << "txtGiorni";
    QTest::newRow("TotTassa") << "TotTassa" << 10 << 2957 << "txtTotTassa";
    QTest::newRow("Totale") << "Totale" << 10 << 2968 << "txtTotale";
    QTest::newRow("Saldata") << "Saldata" << 2 << 2979 << "chkSaldata";
}

void TstReceiptRecord::layoutOffsets()
{
    QFETCH(QString, name);
    QFETCH(int, capacity);
    QFETCH(int, offset);
    QFETCH(QString, control);
    const RecordLayout &l = layout();
    const int index = l.indexOf(name);
    QVERIFY(index >= 0);
    QCOMPARE(l.field(index).capacity, capacity);
    QCOMPARE(l.field(index).offset, offset);
    QCOMPARE(l.field(index).control, control);
    QCOMPARE(l.indexOfControl(control), index);
}

void TstReceiptRecord::layoutIsComplete()
{
    QCOMPARE(layout().fieldCount(), 89);
    QCOMPARE(int(FieldCount), 89);
    QCOMPARE(layout().recordSize(), 2982);
    QCOMPARE(layout().field(Saldata).name, QStringLiteral("Saldata"));
    QCOMPARE(layout().field(Prezzo01 + 29).name, QStringLiteral("Prezzo30"));
}

void TstReceiptRecord::bytesOfOneReceipt()
{
    Record r(layout());
    r.setText(NumRic, u"12/2024");
    r.setText(Data, u"05/03/2024");
    r.setText(Cliente, QString::fromUtf8("  Nguyễn 東 "));
    r.setText(Prezzo01, u"12,50");
    r.setText(Saldata, QString::fromUtf8("Sì"));

    QByteArray expected(2982, '\0');
    auto put = [&expected](int offset, const QByteArray &field) { expected.replace(offset, field.size(), field); };
    put(0, QByteArray("\x07" "12/2024"));
    put(31, QByteArray("\x0A" "05/03/2024"));
    put(2590, QByteArray("\x05" "12,50"));
    put(2979, QByteArray("\x02S\xEC"));

    // "ễ" decomposes to e + circumflex + tilde: the code page has "ê", so
    // it is stored as that similar letter.
    put(385, QByteArray("\x08" "Nguy\xEAn ?"));
    QCOMPARE(r.bytes(), expected);
    QCOMPARE(r.text(Cliente), QString::fromUtf8("Nguyên ?"));
    QCOMPARE(r.text(Saldata), QString::fromUtf8("Sì"));
}

void TstReceiptRecord::fullReceiptReadsBackUnchanged()
{
    Record r(layout());
    QStringList texts;
    for (int i = 0; i < layout().fieldCount(); ++i) {
        const int capacity = layout().field(i).capacity;
        QString text;
        for (int k = 0; k < capacity; ++k)
            text += QChar(u"abcdefghijklmnopqrstuvwxyzàèìòù€ ,0123456789"[(i + k) % 45]);
        // Stored texts never begin or end with a blank.
        text[0] = QLatin1Char('X');
        text[capacity - 1] = QLatin1Char('Y');
        texts << text;
        r.setText(i, text);
    }
    const Record back(layout(), r.bytes());
    for (int i = 0; i < layout().fieldCount(); ++i)
        QCOMPARE(back.text(i), texts.at(i));
}

void TstReceiptRecord::totalLongerThanItsFieldIsCut()
{
    Record r(layout());
    r.setText(Totale, u"12345678,90");
    QCOMPARE(r.text(Totale), QStringLiteral("12345678,9"));
}

QTEST_GUILESS_MAIN(TstReceiptRecord)
#include "tst_receiptrecord.moc"
