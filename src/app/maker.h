#pragma once

#include <QString>

// The maker's addresses, shown in the information screens and handed to the
// browser and the mail program.
namespace Maker {

inline QString webSite() { return QStringLiteral("https://www.example.org/ostelio"); }
inline QString supportMail() { return QStringLiteral("assistenza@example.org"); }

} // namespace Maker
