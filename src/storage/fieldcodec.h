#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A short text field of capacity N: one length byte L, then N bytes of which
// the first L hold the text in the ANSI code page.
namespace FieldCodec {

// Removes every character up to and including the blank (codes 0 to 32) at
// both ends, as storing and reading a field do.
QStringView trimmed(QStringView text);

// The bytes a screen text is stored as: trimmed, converted, cut to capacity.
QByteArray storedBytes(QStringView text, int capacity);

// Writes a field at 'field' (capacity + 1 bytes). Bytes after the text are
// set to zero.
void write(char *field, int capacity, QStringView text);

// The text bytes of a field. A length byte beyond the capacity (a damaged
// record) reads as the capacity.
QByteArrayView rawText(const char *field, int capacity);

// The screen text of a field: converted back and trimmed.
QString read(const char *field, int capacity);

} // namespace FieldCodec
