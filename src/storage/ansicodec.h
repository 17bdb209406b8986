#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The ANSI code page of the stored files: Windows-1252, one byte per
// character. A character with no place in it becomes a similar letter where
// one exists ("ā" → "a", "ł" → "l"), otherwise "?".
namespace AnsiCodec {

QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// The Windows-1252 byte of a character, or -1 when it has none.
int byteFor(char32_t codePoint);

} // namespace AnsiCodec
