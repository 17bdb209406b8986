#pragma once

#include "app/screenbase.h"

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QStackedWidget;
class ReceiptScreenMap;
class Record;

// The receipt editor: one receipt of the yearly archive chosen in the
// receipts menu at a time. The screen is the receipt; its commands number,
// calculate, store and browse it and open the dialogs that print, search,
// summarise, export, import and configure. The issuer block and the tourist
// tax per day are loaded from the settings when the screen is shown and
// written back when it closes.
class TfrmRicevute : public WorkScreen
{
    Q_OBJECT
public:
    explicit TfrmRicevute(QWidget *parent = nullptr);
    ~TfrmRicevute() override;

    // Shows the receipt at a 1-based position of the archive (the search and
    // the unpaid list use it); false, with the access message shown, when the
    // archive cannot be read or holds no such receipt.
    bool showReceipt(qint64 position);

    // The commands, as the command bar runs them.
    void newReceipt();
    void save();
    void calculate();
    void first();
    void previous();
    void next();
    void last();
    void clearForNew();
    // Shows line page 1, 2 or 3.
    void showPage(int page);

protected:
    void prepare() override;
    bool aboutToClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Icon { Warning, Error };

    QLineEdit *edit(const char *name) const;
    QLabel *label(const char *name) const;
    QString archivePath() const;
    void showAccessError(Icon icon);
    void readRecord(class RecordFile &file, qint64 position);
    // The position shown in lblPosizione; 0 for a new receipt.
    qint64 shownPosition();
    // One navigation command: opens the archive, tells the user when it is
    // empty, otherwise shows the receipt 'pick' chooses from the count
    // (nothing for 0); an access failure shows the message with its icon.
    void browse(Icon failureIcon, const std::function<qint64(qint64 count)> &pick, bool clearPositionWhenEmpty = false);
    void connectCommands();
    void openDialog(const char *name, const QString &token = QString());
    void openSummary(const char *name);
    void openNumbering();
    void blankTotals(int input);

    std::unique_ptr<ReceiptScreenMap> m_map;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_info = nullptr;
};
