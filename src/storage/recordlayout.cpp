#include "storage/recordlayout.h"

#include "storage/fieldcodec.h"

#include <stdexcept>

RecordLayout::RecordLayout(QString kind, const std::vector<FieldSpec> &fields)
    : m_kind(std::move(kind))
{
    m_fields.reserve(fields.size());
    int offset = 0;
    for (const FieldSpec &spec : fields) {
        if (spec.capacity < 1 || spec.capacity > 255)
            throw std::logic_error("field capacity out of range");
        m_byName.insert(spec.name, static_cast<int>(m_fields.size()));
        if (!spec.control.isEmpty())
            m_byControl.insert(spec.control, static_cast<int>(m_fields.size()));
        m_fields.push_back(Field{spec.name, spec.capacity, offset, spec.control});
        offset += spec.capacity + 1;
    }
    m_recordSize = offset;
}

int RecordLayout::indexOf(QStringView name) const
{
    return m_byName.value(name.toString(), -1);
}

int RecordLayout::indexOfControl(QStringView control) const
{
    return m_byControl.value(control.toString(), -1);
}

Record::Record(const RecordLayout &layout)
    : m_layout(&layout)
    , m_bytes(layout.recordSize(), '\0')
{
}

Record::Record(const RecordLayout &layout, QByteArray bytes)
    : m_layout(&layout)
    , m_bytes(std::move(bytes))
{
    m_bytes.resize(layout.recordSize(), '\0');
}

QString Record::text(int field) const
{
    const Field &f = m_layout->field(field);
    return FieldCodec::read(m_bytes.constData() + f.offset, f.capacity);
}

QString Record::text(QStringView name) const
{
    const int index = m_layout->indexOf(name);
    return index < 0 ? QString() : text(index);
}

void Record::setText(int field, QStringView text)
{
    const Field &f = m_layout->field(field);
    FieldCodec::write(m_bytes.data() + f.offset, f.capacity, text);
}

void Record::setText(QStringView name, QStringView text)
{
    const int index = m_layout->indexOf(name);
    if (index >= 0)
        setText(index, text);
}

QByteArrayView Record::raw(int field) const
{
    const Field &f = m_layout->field(field);
    return FieldCodec::rawText(m_bytes.constData() + f.offset, f.capacity);
}

int Record::storedLength(int field) const
{
    return static_cast<unsigned char>(m_bytes.at(m_layout->field(field).offset));
}
