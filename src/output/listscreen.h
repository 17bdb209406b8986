#pragma once

#include "app/modal.h"
#include "app/screenbase.h"
#include "output/listlines.h"

#include <QAbstractListModel>
#include <QFont>
#include <QStringList>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QVBoxLayout;

// The lines of a list screen: plain text lines in the list-line font,
// "Courier New" 12 pt black, all of one size, so a list of 100,000 lines
// scrolls as quickly as one of ten.
class ListLinesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ListLinesModel(int itemWidth, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines);
    void addLine(const QString &line);
    void clear();

    static QFont lineFont();

private:
    QStringList m_lines;
    QFont m_font;
    QSize m_itemSize;
};

// What distinguishes one list screen from another.
struct ListScreenOptions
{
    // The title printed at the top of the list ("Riepilogo ricevute in archivio").
    QString printTitle;
    // The width of a line, wider than the box: longer lines scroll sideways.
    int itemWidth = 1400;
    // The help lines lblRigo01, lblRigo02 and lblRigo03 (the third, in crimson
    // under the list, is left out when only two are given).
    QStringList helpLines;
    // Enter in txtTrova moves the focus to btnTrova (not on the summaries).
    bool enterMovesToFind = true;
    // The box that tells that an empty list cannot be searched.
    MessageKind emptyListKind = MessageKind::Plain;
};

// The base of every list screen: a dialog with the list lstRecords, the
// search key txtTrova with btnTrova (find in list), btnStampa (print the list
// report), btnChiudi and the help lines.
//
// A list screen derives from it, fills the list, and says what a double-click
// does:
//
//     class TfrmSospese : public ListScreen
//     {
//     public:
//         explicit TfrmSospese(QWidget *parent = nullptr)
//             : ListScreen(QStringLiteral("TfrmSospese"),
//                          {QStringLiteral("Riepilogo ricevute non saldate"), 1400, ListScreen::recordHelpLines()},
//                          parent) {}
//     protected:
//         void showEvent(QShowEvent *e) override
//         { ListScreen::showEvent(e); resetSearchKey(); setLines(buildLines()); }
//         void lineChosen(int row) override
//         {
//             const RefoundRecord found = refindByLine(ReceiptLayout::layout(), path, line(row), buildLine);
//             if (found.record) ... copy it into the editor, set lblPosizione to found.position ...
//             close();
//         }
//     };
//
// Extra controls (a year field, a command) go into mainLayout() or
// commandRow(); lines printed after the list (the summaries' totals) come
// from extraPrintLines(). Lines are built with paddedColumn() (listlines.h).
class ListScreen : public DialogScreen
{
    Q_OBJECT
public:
    ListScreen(const QString &name, const ListScreenOptions &options, QWidget *parent = nullptr);

    // The three help lines of the record lists.
    static QStringList recordHelpLines();

    // The list's lines.
    void setLines(const QStringList &lines);
    void addLine(const QString &line);
    void clearLines();
    const QStringList &lines() const { return m_model->lines(); }
    int lineCount() const { return static_cast<int>(m_model->lines().size()); }
    QString line(int row) const;

    // The selected row, -1 for none.
    int currentRow() const;
    void setCurrentRow(int row);

    // Empties the last search key (and, with the field, txtTrova).
    void resetSearchKey(bool alsoField = true);
    const ListFinder &finder() const { return m_finder; }

    QListView *list() const { return m_list; }
    QLineEdit *searchField() const { return m_search; }
    QVBoxLayout *mainLayout() const { return m_layout; }
    QHBoxLayout *commandRow() const { return m_commands; }

public slots:
    // btnTrova: find in list.
    void findInList();
    // btnStampa: print the list report after the print dialog.
    void printList();

protected:
    // The title printed; by default the one of the options.
    virtual QString printTitle() const { return m_options.printTitle; }
    // Lines printed after the list lines.
    virtual QStringList extraPrintLines() const { return {}; }
    // A double-click on a line (row >= 0).
    virtual void lineChosen(int row) { Q_UNUSED(row) }

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ListScreenOptions m_options;
    ListFinder m_finder;
    ListLinesModel *m_model;
    QListView *m_list;
    QLineEdit *m_search;
    QPushButton *m_find;
    QPushButton *m_print;
    QPushButton *m_close;
    QVBoxLayout *m_layout;
    QHBoxLayout *m_commands;
};
