#pragma once

#include <QString>

// The program folder: the folder of the running executable, where every data
// file of the installation lives. Tests point it at a temporary folder.
namespace ProgramFolder {

// The folder, always ending with "/".
QString path();

// The full name of a file of the program folder.
QString file(const QString &name);

// Replaces the executable's folder (tests only); an empty text restores it.
void setOverride(const QString &folder);

} // namespace ProgramFolder
