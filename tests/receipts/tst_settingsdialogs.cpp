#include "receipts/logo.h"
#include "receipts/receiptsettings.h"
#include "receipts/tfrmlogo.h"
#include "receipts/tfrmnumerazione.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The numbering and logo dialogs of the receipts, each on its own, on a
// temporary program folder.
class TstSettingsDialogs : public QObject
{
    Q_OBJECT

private:
    RecordingModal *m_modal = nullptr;
    TestFolder *m_folder = nullptr;

    template<class T> static T *child(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QString::fromLatin1(name));
        if (!c)
            qFatal("missing control %s", name);
        return c;
    }
    static void show(DialogScreen &dialog, const QString &token)
    {
        dialog.memoryLabel()->setText(token);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    static void type(QWidget *w, const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    static void click(QWidget *w, const char *name)
    {
        QTest::mouseClick(child<QWidget>(w, name), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_modal = RecordingModal::install();
        m_folder = new TestFolder;
    }
    void cleanup()
    {
        delete m_folder;
        Modal::install(nullptr);
    }

    void numberingControls()
    {
        TfrmNumerazione dlg;
        QCOMPARE(child<QLabel>(&dlg, "lblRigo01")->text(), QStringLiteral("Utilizzare la presente funzione se si vuole"));
        QCOMPARE(child<QLabel>(&dlg, "lblRigo03")->text(), QStringLiteral("documenti da un numero superiore a 1."));
        QCOMPARE(child<QLabel>(&dlg, "lblRigo06")->text(), QStringLiteral("Nuovo prima di compilare il documento."));
        QCOMPARE(child<QGroupBox>(&dlg, "grpNumerazione")->title(), QStringLiteral(" Inizia numerazione da: "));
        QLineEdit *start = child<QLineEdit>(&dlg, "txtInizio");
        QCOMPARE(start->maxLength(), 5);
        QCOMPARE(start->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(child<QCheckBox>(&dlg, "chkTipo")->text(),
                 QStringLiteral("Indica l'anno solare dopo il numero progressivo del documento"));
        QCOMPARE(child<QPushButton>(&dlg, "btnApplica")->text(), QStringLiteral("Applica e chiudi"));
        QCOMPARE(child<QPushButton>(&dlg, "btnAnnulla")->text(), QStringLiteral("Annulla"));
        QVERIFY(child<QLabel>(&dlg, "lblMemory")->isHidden());
    }

    // With no Settings file: "1", unticked, and applying creates the file
    // with exactly the two keys.
    void numberingWithoutSettingsFile()
    {
        TfrmNumerazione dlg;
        show(dlg, QStringLiteral("ricevute"));
        QLineEdit *start = child<QLineEdit>(&dlg, "txtInizio");
        QCOMPARE(start->text(), QStringLiteral("1"));
        QVERIFY(!child<QCheckBox>(&dlg, "chkTipo")->isChecked());
        QTRY_VERIFY(start->hasFocus());
        click(&dlg, "btnApplica");
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(m_folder->read("Ostelio.ini"),
                 QByteArray("[Numerazione Ricevute]\r\nInizio=1\r\nIndicazione Anno Solare=No\r\n"));
        QVERIFY(m_modal->events().isEmpty());
    }

    // Stored values are shown; a new start typed, Enter to "Applica", the
    // year option, and the rest of the file left as it was.
    void numberingChangesStoredValues()
    {
        m_folder->write("Ostelio.ini", "[Ditta Emittente]\r\nNome=Hotel\r\n"
                                       "[Numerazione Ricevute]\r\nInizio=25\r\nIndicazione Anno Solare=No\r\n");
        TfrmNumerazione dlg;
        show(dlg, QStringLiteral(" ricevute "));
        QLineEdit *start = child<QLineEdit>(&dlg, "txtInizio");
        QCOMPARE(start->text(), QStringLiteral("25"));
        start->selectAll();
        type(start, QStringLiteral("0a,7"));
        QCOMPARE(start->text(), QStringLiteral("07"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(start, &enter);
        QTRY_VERIFY(child<QPushButton>(&dlg, "btnApplica")->hasFocus());
        QCOMPARE(start->text(), QStringLiteral("7"));
        child<QCheckBox>(&dlg, "chkTipo")->setChecked(true);
        click(&dlg, "btnApplica");
        QCOMPARE(m_folder->read("Ostelio.ini"),
                 QByteArray("[Ditta Emittente]\r\nNome=Hotel\r\n"
                            "[Numerazione Ricevute]\r\nInizio=7\r\nIndicazione Anno Solare=S\xEC\r\n"));
    }

    void numberingZeroAndClearedStart()
    {
        TfrmNumerazione dlg;
        show(dlg, QStringLiteral("ricevute"));
        QLineEdit *start = child<QLineEdit>(&dlg, "txtInizio");
        start->clear();
        child<QCheckBox>(&dlg, "chkTipo")->setFocus();
        QTRY_VERIFY(!start->hasFocus());
        QCOMPARE(start->text(), QStringLiteral("1"));
        start->setText(QStringLiteral("0"));
        click(&dlg, "btnApplica");
        QCOMPARE(ReceiptSettings::startNumber(), QStringLiteral("0"));
    }

    void numberingOtherTokenNeitherReadsNorWrites()
    {
        m_folder->write("Ostelio.ini", "[Numerazione Ricevute]\r\nInizio=25\r\n");
        TfrmNumerazione dlg;
        show(dlg, QStringLiteral("clienti"));
        QCOMPARE(child<QLineEdit>(&dlg, "txtInizio")->text(), QStringLiteral("1"));
        child<QLineEdit>(&dlg, "txtInizio")->setText("9");
        click(&dlg, "btnApplica");
        QVERIFY(!dlg.isVisible());
        QCOMPARE(m_folder->read("Ostelio.ini"), QByteArray("[Numerazione Ricevute]\r\nInizio=25\r\n"));
    }

    void numberingCancelWritesNothing()
    {
        TfrmNumerazione dlg;
        show(dlg, QStringLiteral("ricevute"));
        child<QLineEdit>(&dlg, "txtInizio")->setText("9");
        click(&dlg, "btnAnnulla");
        QVERIFY(!dlg.isVisible());
        QVERIFY(!QFile::exists(m_folder->file("Ostelio.ini")));
    }

    // A Settings file that cannot be written: the error names the file and
    // the dialog stays open.
    void numberingWriteFailureKeepsDialogOpen()
    {
        QVERIFY(QDir(m_folder->path()).mkdir("Ostelio.ini"));
        TfrmNumerazione dlg;
        show(dlg, QStringLiteral("ricevute"));
        click(&dlg, "btnApplica");
        QVERIFY(dlg.isVisible());
        QCOMPARE(m_modal->ofKind("error").size(), 1);
        QVERIFY(m_modal->last().text.contains(QDir::toNativeSeparators(m_folder->file("Ostelio.ini"))));
    }

    void logoControls()
    {
        TfrmLogo dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Impostazione logo Ditta"));
        QCOMPARE(child<QLabel>(&dlg, "imgLogo")->size(), QSize(297, 184));
        QCOMPARE(child<QLabel>(&dlg, "lblIstruzioni01")->text(),
                 QStringLiteral("Caricare il logo della Ditta in formato Jpeg o Bitmap"));
        QCOMPARE(child<QLabel>(&dlg, "lblIstruzioni02")->text(), QStringLiteral("con dimensioni uguali a 297x184 pixel."));
        QCOMPARE(child<QPushButton>(&dlg, "btnSfoglia")->text(), QStringLiteral("Sfoglia..."));
        QCOMPARE(child<QPushButton>(&dlg, "btnApplica")->text(), QStringLiteral("Applica e chiudi"));
        QCOMPARE(child<QPushButton>(&dlg, "btnAnnulla")->text(), QStringLiteral("Annulla"));
        QObject *file = dlg.findChild<QObject *>("dlgFile");
        QVERIFY(file);
        QCOMPARE(file->property("title").toString(),
                 QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."));
        QCOMPARE(file->property("filter").toString(),
                 QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"));
        QCOMPARE(file->property("defaultExt").toString(), QStringLiteral("JPG,JPEG,BMP"));
        QCOMPARE(child<QLabel>(&dlg, "imgBianco")->pixmap().size(), QSize(2, 2));
        QCOMPARE(child<QLabel>(&dlg, "imgTemp")->pixmap().size(), QSize(297, 184));
        QVERIFY(child<QLabel>(&dlg, "imgTemp")->isHidden());
    }

    // Logo.bmp that is really a text file: the default logo is shown, and
    // "Annulla" leaves the file as it was.
    void logoFromTextFile()
    {
        const QByteArray text = "Questo file non contiene un'immagine.\r\n";
        m_folder->write("Logo.bmp", text);
        TfrmLogo dlg;
        show(dlg, QString());
        QCOMPARE(dlg.picture(), Logo::defaultLogo());
        click(&dlg, "btnAnnulla");
        QVERIFY(!dlg.isVisible());
        QCOMPARE(m_folder->read("Logo.bmp"), text);
        QVERIFY(m_modal->events().isEmpty());
    }

    void logoBlankWritesTwoByTwoBitmap()
    {
        QImage red(10, 6, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(m_folder->file("Logo.bmp"), "BMP"));
        TfrmLogo dlg;
        show(dlg, QString());
        QCOMPARE(dlg.picture().size(), QSize(10, 6));
        click(&dlg, "btnCancLogo");
        QCOMPARE(dlg.picture().size(), QSize(2, 2));
        click(&dlg, "btnApplica");
        QVERIFY(!dlg.isVisible());
        const QByteArray bytes = m_folder->read("Logo.bmp");
        QVERIFY(bytes.startsWith("BM"));
        QImageReader reader(m_folder->file("Logo.bmp"));
        QCOMPARE(reader.format(), QByteArray("bmp"));
        QCOMPARE(reader.read().size(), QSize(2, 2));
    }

    // A JPEG chosen through the file dialog is kept at its own size and saved
    // as a bitmap; a file that is no picture gives the default logo; a
    // cancelled choice changes nothing; the euro picture restores the default.
    void logoBrowse()
    {
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(QColor(0, 128, 0));
        const QString jpeg = m_folder->file("foto.jpg");
        QVERIFY(photo.save(jpeg, "JPG"));
        m_folder->write("rotto.jpg", "niente");

        TfrmLogo dlg;
        show(dlg, QString());
        m_modal->answerOpenFile(jpeg);
        click(&dlg, "btnSfoglia");
        QCOMPARE(m_modal->last().kind, QStringLiteral("openFile"));
        QCOMPARE(m_modal->last().text, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."));
        QCOMPARE(dlg.picture().size(), QSize(400, 300));

        click(&dlg, "btnSfoglia"); // nothing queued: cancelled
        QCOMPARE(dlg.picture().size(), QSize(400, 300));

        click(&dlg, "imgEuro");
        QCOMPARE(dlg.picture(), Logo::defaultLogo());

        m_modal->answerOpenFile(jpeg);
        click(&dlg, "btnSfoglia");
        QCOMPARE(dlg.picture().size(), QSize(400, 300));
        QVERIFY(!QFile::exists(m_folder->file("Logo.bmp"))); // nothing saved yet

        m_modal->answerOpenFile(m_folder->file("rotto.jpg"));
        click(&dlg, "btnSfoglia");
        QCOMPARE(dlg.picture(), Logo::defaultLogo());

        m_modal->answerOpenFile(jpeg);
        click(&dlg, "btnSfoglia");
        click(&dlg, "btnApplica");
        QImageReader reader(m_folder->file("Logo.bmp"));
        QCOMPARE(reader.format(), QByteArray("bmp"));
        QCOMPARE(reader.size(), QSize(400, 300));
    }

    // Saving fails (a folder stands where Logo.bmp goes): the default logo is
    // shown, the dialog closes, no message.
    void logoSaveFailure()
    {
        QVERIFY(QDir(m_folder->path()).mkdir("Logo.bmp"));
        TfrmLogo dlg;
        show(dlg, QString());
        click(&dlg, "btnCancLogo");
        click(&dlg, "btnApplica");
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.picture(), Logo::defaultLogo());
        QVERIFY(QFileInfo(m_folder->file("Logo.bmp")).isDir());
        QVERIFY(m_modal->events().isEmpty());
    }
};

QTEST_MAIN(TstSettingsDialogs)
#include "tst_settingsdialogs.moc"
