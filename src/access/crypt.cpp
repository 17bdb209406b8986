#include "access/crypt.h"

#include <cstdint>

namespace Crypt {

namespace {

constexpr std::uint16_t kStartKey = 5890;
constexpr std::uint16_t kMultiplier = 60394;
constexpr std::uint16_t kAddend = 37158;

// The next key, from the enciphered byte; all arithmetic modulo 65536.
std::uint16_t nextKey(std::uint8_t enciphered, std::uint16_t key)
{
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(enciphered + key) * kMultiplier + kAddend) & 0xFFFF);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString Encipher(QStringView text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    std::uint16_t key = kStartKey;
    for (QChar ch : text) {
        const auto plain = static_cast<std::uint8_t>(ch.unicode() & 0xFF);
        const auto c = static_cast<std::uint8_t>(plain ^ (key >> 8));
        out.append(QLatin1Char(kHex[c >> 4]));
        out.append(QLatin1Char(kHex[c & 0x0F]));
        key = nextKey(c, key);
    }
    return out;
}

std::optional<QString> Decipher(QStringView hex)
{
    const qsizetype n = hex.size() / 2;
    QString out;
    out.reserve(n);
    std::uint16_t key = kStartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int high = hexValue(hex[2 * i]);
        const int low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto c = static_cast<std::uint8_t>(high * 16 + low);
        out.append(QChar(static_cast<char16_t>(c ^ (key >> 8))));
        key = nextKey(c, key);
    }
    return out;
}

} // namespace Crypt
