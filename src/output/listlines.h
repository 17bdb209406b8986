#pragma once

#include "storage/recordlayout.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The shared mechanics of the list screens that need no widgets: padded
// columns, the find-in-list walk and the re-find of a record by its line.

// A value trimmed, padded with spaces and cut to exactly 'width' characters.
QString paddedColumn(const QString &value, int width);

// The find in list of one list screen, with its last search key.
//
//     ListFinder finder;
//     int row = finder.find(lines, currentRow, txtTrova->text());
class ListFinder
{
public:
    // The key as searched: the letters A to Z lowered, every other character
    // (accented letters included) unchanged, nothing trimmed.
    static QString fold(const QString &text);

    // Walks the lines for the key typed and returns the row to select: the
    // first match after the start (see below), or the selected row (row 0
    // when none was selected) when nothing matches. A key other than the
    // last one starts at row 0, which is tested first; the same key starts
    // after the selected row and wraps, so that repeating moves on to the
    // next match. An empty key matches nothing. The key becomes the last
    // search key. Returns -1 for an empty list and leaves the key alone.
    int find(const QStringList &lines, int selected, const QString &typed);

    const QString &lastKey() const { return m_lastKey; }
    void reset() { m_lastKey.clear(); }

private:
    QString m_lastKey;
};

// The record found again from a list line.
struct RefoundRecord
{
    std::optional<Record> record; // the last record whose line equals the chosen one
    qint64 position = 0;          // its 1-based position in the file
    bool failed = false;          // the file could not be read to the end
};

// Reads the record file of 'layout' at 'path' from the first record (creating
// it empty when missing), rebuilds each record's list line with 'buildLine'
// and compares it, trimmed, with the chosen line, trimmed (exactly: case and
// inner spaces count). The last equal record wins. A read failure stops the
// reading; the records matched before it are kept and 'failed' is set.
RefoundRecord refindByLine(const RecordLayout &layout, const QString &path, const QString &chosenLine,
                           const std::function<QString(const Record &)> &buildLine);
