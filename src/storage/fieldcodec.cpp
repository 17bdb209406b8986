#include "storage/fieldcodec.h"

#include "storage/ansicodec.h"

#include <cstring>

namespace FieldCodec {

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

QByteArray storedBytes(QStringView text, int capacity)
{
    QByteArray bytes = AnsiCodec::encode(trimmed(text));
    if (bytes.size() > capacity)
        bytes.truncate(capacity);
    return bytes;
}

void write(char *field, int capacity, QStringView text)
{
    const QByteArray bytes = storedBytes(text, capacity);
    field[0] = static_cast<char>(bytes.size());
    std::memcpy(field + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
    std::memset(field + 1 + bytes.size(), 0, static_cast<size_t>(capacity - bytes.size()));
}

QByteArrayView rawText(const char *field, int capacity)
{
    int length = static_cast<unsigned char>(field[0]);
    if (length > capacity)
        length = capacity;
    return QByteArrayView(field + 1, length);
}

QString read(const char *field, int capacity)
{
    const QString text = AnsiCodec::decode(rawText(field, capacity));
    const QStringView t = trimmed(text);
    return t.size() == text.size() ? text : t.toString();
}

} // namespace FieldCodec
