#pragma once

#include <QImage>
#include <QString>

// The issuer's logo printed on receipts: the picture file "Logo.bmp" of the
// program folder, in the Windows bitmap format, meant to be 297 × 184. When
// the file is missing or cannot be read, the program's own default logo (a
// blue euro sign of the same size) takes its place.
namespace Logo {

QString fileName(); // "Logo.bmp"
QString path();     // the logo file of the program folder

// The size a logo is meant to have.
constexpr int Width = 297;
constexpr int Height = 184;

// The default logo: a blue euro sign on white, 297 × 184.
QImage defaultLogo();
// The blank logo: a white picture of 2 × 2, printing as no visible logo.
QImage blank();

// A picture file (bitmap or JPEG, any size, recognised by its content); a
// null image when it cannot be read.
QImage loadPicture(const QString &file);

// The logo to show or print: Logo.bmp, or the default logo when it is
// missing or cannot be read.
QImage load();

// Saves a picture, at its own size, as Logo.bmp in the Windows bitmap
// format. The old file is replaced in one step, so a failed save leaves it
// as it was. False on failure.
bool save(const QImage &picture);

} // namespace Logo
