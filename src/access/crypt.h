#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The cipher of the stored access password. It keeps existing Password
// files readable; it is no protection of the password.
//
// Each character counts as one byte (its low 8 bits, so the texts are meant
// to be in the Latin-1 range) and is XORed with the high byte of a 16-bit
// running key; the key then moves on from the enciphered byte. The result is
// two upper-case hexadecimal digits per character, without separators.
namespace Crypt {

QString Encipher(QStringView text);

// The plain text of an enciphered one (hexadecimal digits in upper or lower
// case; an odd last digit is ignored); nothing when a pair of digits is not
// hexadecimal.
std::optional<QString> Decipher(QStringView hex);

} // namespace Crypt
