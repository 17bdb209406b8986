#pragma once

#include <QString>

class QIODevice;

// The printed manual Guida.pdf: a title page with the contents, then one
// chapter per guide topic, then the maker's contacts. Built from the same
// texts the guide screen shows, so the two never disagree.
namespace GuideManual {

// Writes the manual as PDF to an open device.
void write(QIODevice *device);

// Writes the manual to a file, replacing it whole or not at all; false with
// the reason in *error when the file cannot be written.
bool writeFile(const QString &path, QString *error = nullptr);

} // namespace GuideManual
