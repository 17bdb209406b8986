#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

// One row of a record layout: the field's name in the record, its capacity
// in characters and the screen control its text is shown in.
struct FieldSpec
{
    QString name;
    int capacity = 0;
    QString control;
};

struct Field
{
    QString name;
    int capacity = 0;
    int offset = 0; // of the length byte, from the start of the record
    QString control;
};

// The fixed layout of one kind of record: its fields one after another,
// each a length byte and 'capacity' bytes, with no padding. The layout is
// the only place a record's field list is written; the codec, the screen
// mapping, the command-line tool and the exports all follow it.
class RecordLayout
{
public:
    RecordLayout(QString kind, const std::vector<FieldSpec> &fields);

    const QString &kind() const { return m_kind; }
    int recordSize() const { return m_recordSize; }
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    const Field &field(int index) const { return m_fields[static_cast<size_t>(index)]; }
    const std::vector<Field> &fields() const { return m_fields; }

    // The index of a field by its record name or its control name; -1 if none.
    int indexOf(QStringView name) const;
    int indexOfControl(QStringView control) const;

private:
    QString m_kind;
    std::vector<Field> m_fields;
    QHash<QString, int> m_byName;
    QHash<QString, int> m_byControl;
    int m_recordSize = 0;
};

// A record buffer of one layout: the bytes as they are stored, with the
// conversions between each field and its screen text.
class Record
{
public:
    explicit Record(const RecordLayout &layout);
    Record(const RecordLayout &layout, QByteArray bytes);

    const RecordLayout &layout() const { return *m_layout; }
    const QByteArray &bytes() const { return m_bytes; }
    char *data() { return m_bytes.data(); }

    // The screen text of a field (converted and trimmed).
    QString text(int field) const;
    QString text(QStringView name) const;
    // Stores a screen text (trimmed, converted, cut to the capacity).
    void setText(int field, QStringView text);
    void setText(QStringView name, QStringView text);
    // The stored text bytes of a field, length clamped to the capacity.
    QByteArrayView raw(int field) const;
    // The field's length byte as stored, which may exceed the capacity in a
    // damaged record.
    int storedLength(int field) const;

private:
    const RecordLayout *m_layout;
    QByteArray m_bytes;
};
