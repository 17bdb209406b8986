#pragma once

#include <QString>

// Preferences files in the Windows INI form: "[section]" lines and
// "key=value" lines. Sections and keys are found whatever their letter case,
// names and values are trimmed, and the first match counts when a name
// repeats. A file is read whether it is written in the ANSI code page
// (Windows-1252) or in UTF-8; a new file is written in the ANSI code page.
//
// Writing one key keeps every other line of the file, byte for byte, and
// keeps the file's encoding and line breaks. The new file replaces the old
// one in one step (written aside, then renamed), so a failed write leaves the
// old file whole.
namespace IniFile {

// The value of a key; 'fallback' when the file, the section or the key is missing.
QString readString(const QString &path, const QString &section, const QString &key,
                   const QString &fallback = QString());

// Writes a key, creating the file and the section when missing; false on
// failure, with a reason naming the file in *error (Italian, ready to show).
bool writeString(const QString &path, const QString &section, const QString &key, const QString &value,
                 QString *error = nullptr);

} // namespace IniFile
