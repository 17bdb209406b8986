#pragma once

#include "output/spreadsheetexport.h"

#include <QString>

class QWidget;

// The export dialogue shared by every spreadsheet export: the confirmation
// question, the file written in the program folder under the export's name
// (with progress shown when it takes more than a moment), the failure
// message, and the offer to open the file in the spreadsheet program.
namespace ExportDialogue {

enum class Question {
    General, // the archive exports
    Account, // the customer's account
};

enum class Outcome {
    Declined, // No to the question: nothing written
    Failed,   // the file could not be written; the message was shown
    Cancelled,// stopped from the progress window; nothing replaced
    Written,  // written, and not opened
    Opened,   // written and handed to the spreadsheet program
};

QString questionText(Question question);
QString successQuestion();
QString failureMessage();

// Runs the dialogue over the parent for a file of the program folder.
Outcome run(QWidget *parent, const QString &fileName, const Spreadsheet::Sheet &sheet,
            Question question = Question::General);

} // namespace ExportDialogue
