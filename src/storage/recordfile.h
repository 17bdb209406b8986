#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

// The one message shown to the user for any failure to reach a record file.
QString archiveAccessMessage();

// A failure to open, read or write a record file. The screen action that
// meets it ends at once and shows archiveAccessMessage().
class StorageError : public std::runtime_error
{
public:
    explicit StorageError(const QString &detail);
    QString detail() const;
};

// A record file: a headerless file of fixed-size records. A user action
// opens it, reads or writes single records by index, and closes it; nothing
// is kept open between actions.
//
// Every write is a single write of the whole record followed by a flush to
// disk, so a record is either stored whole or not at all. Appending counts
// the records and writes after them while holding an advisory lock, so two
// running copies of the program never write over each other's new record.
class RecordFile
{
public:
    explicit RecordFile(int recordSize);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens the file for reading and writing, creating it empty when it
    // cannot be opened. An existing file is never emptied.
    void openOrCreate(const QString &path);
    // Opens an existing file for reading only (never creates it).
    void openForReading(const QString &path);
    bool isOpen() const { return m_fd >= 0; }
    void close();

    int recordSize() const { return m_recordSize; }
    // Whole records in the file; a trailing partial record is not counted.
    qint64 count() const;
    // True when the file ends with a partial record.
    bool hasPartialRecord() const;

    void seek(qint64 index);
    qint64 currentIndex() const { return m_index; }

    // Reads the record at the current index and advances the index.
    QByteArray read();
    // Writes the record at the current index (rewriting it, or appending at
    // the end) and advances the index.
    void write(const QByteArray &record);
    // Appends after the last whole record, counted at the moment of writing
    // under the lock; returns the new record's index. The current index
    // becomes index + 1.
    qint64 append(const QByteArray &record);

private:
    qint64 fileSize() const;
    void writeAt(qint64 index, const QByteArray &record);

    int m_recordSize;
    int m_fd = -1;
    qint64 m_index = 0;
    QString m_path;
};
