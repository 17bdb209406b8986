#include "output/exportdialogue.h"

#include "app/modal.h"
#include "app/programfolder.h"

#include <QApplication>
#include <QProgressDialog>
#include <QUrl>

namespace ExportDialogue {

QString questionText(Question question)
{
    if (question == Question::Account)
        return QStringLiteral("Questa operazione esporterà in un foglio di Excel i servizi e le consumazioni presenti "
                              "nel conto del Cliente.\r\n\r\nSi conferma l'esportazione dei dati?");
    return QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString successQuestion()
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file "
                          "di Excel?");
}

QString failureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di "
                          "Excel non sia già aperto.");
}

Outcome run(QWidget *parent, const QString &fileName, const Spreadsheet::Sheet &sheet, Question question)
{
    if (!Modal::askYesNo(parent, questionText(question)))
        return Outcome::Declined;
    const QString path = ProgramFolder::file(fileName);

    // A long write shows its progress, with a way to stop it that leaves any
    // earlier file as it was.
    QProgressDialog progress(QStringLiteral("Esportazione dei dati in corso..."), QStringLiteral("Annulla"), 0,
                             static_cast<int>(sheet.rows.size()), parent);
    progress.setWindowTitle(QStringLiteral("Ostelio"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    const Spreadsheet::WriteResult result =
        Spreadsheet::writeFile(path, sheet, [&progress](qint64 done, qint64) {
            progress.setValue(static_cast<int>(done));
            return !progress.wasCanceled();
        });
    progress.reset();

    if (result == Spreadsheet::WriteResult::Cancelled)
        return Outcome::Cancelled;
    if (result == Spreadsheet::WriteResult::Failed) {
        Modal::plain(parent, failureMessage());
        return Outcome::Failed;
    }
    if (!Modal::askYesNo(parent, successQuestion()))
        return Outcome::Written;
    Modal::instance().openInShell(QUrl::fromLocalFile(path));
    return Outcome::Opened;
}

} // namespace ExportDialogue
