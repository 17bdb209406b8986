#pragma once

#include "storage/recordlayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads a whole record file in order, in large blocks rather than one system
// call per record. A reader can test a field's raw bytes without decoding the
// record, and decode only the records it keeps.
//
//     RecordScanner scan(ReceiptLayout::layout());
//     scan.open(path);
//     while (scan.next()) { if (scan.raw(field) ...) keep(scan.record()); }
class RecordScanner
{
public:
    explicit RecordScanner(const RecordLayout &layout, int blockRecords = 1024);
    ~RecordScanner();
    RecordScanner(const RecordScanner &) = delete;
    RecordScanner &operator=(const RecordScanner &) = delete;

    // Opens an existing file for reading; with createIfMissing, a missing
    // file is first created empty, as opening an archive does for the screens.
    // Throws StorageError when the file cannot be opened.
    void open(const QString &path, bool createIfMissing = true);
    void close();

    // Moves to the next whole record; false at the end (a trailing partial
    // record is not read).
    bool next();

    // The 0-based index of the current record (its position is index + 1).
    qint64 index() const { return m_index; }
    // The whole records of the file when it was opened.
    qint64 count() const { return m_count; }

    const char *data() const { return m_current; }
    // The stored text bytes of a field of the current record.
    QByteArrayView raw(int field) const;
    // The screen text of a field of the current record.
    QString text(int field) const;
    // The current record as a record buffer.
    Record record() const;

private:
    bool fill();

    const RecordLayout &m_layout;
    int m_blockRecords;
    int m_fd = -1;
    qint64 m_count = 0;
    qint64 m_index = -1;
    QByteArray m_block;
    qint64 m_blockFirst = 0; // index of the first record held in m_block
    qint64 m_blockCount = 0; // records held in m_block
    const char *m_current = nullptr;
    QString m_path;
};
