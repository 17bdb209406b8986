#include "storage/ansicodec.h"

#include <QChar>

#include <array>

namespace {

// Bytes 0x80 to 0x9F. The five bytes that the code page leaves undefined map
// to the control characters of the same number, as Windows does, so that any
// stored byte survives a read and a write.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Letters whose similar letter is not found by removing accents.
struct Similar
{
    char32_t from;
    char to;
};
constexpr std::array<Similar, 14> kSimilar = {{
    {0x0110, 'D'}, {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'},
    {0x0131, 'i'}, {0x0141, 'L'}, {0x0142, 'l'}, {0x0166, 'T'},
    {0x0167, 't'}, {0x0180, 'b'}, {0x0197, 'I'}, {0x01B5, 'Z'},
    {0x01B6, 'z'}, {0x0261, 'g'},
}};

int similarByte(char32_t codePoint)
{
    for (const Similar &s : kSimilar) {
        if (s.from == codePoint)
            return static_cast<unsigned char>(s.to);
    }
    // A letter with accents the code page lacks: its base letter, or the
    // base letter with an accent the code page has ("ǘ" → "ü").
    const QString decomposed = QString::fromUcs4(&codePoint, 1).normalized(QString::NormalizationForm_D);
    if (decomposed.size() > 1) {
        const QString composedBase = decomposed.left(2).normalized(QString::NormalizationForm_C);
        if (composedBase.size() == 1) {
            const int b = AnsiCodec::byteFor(composedBase.at(0).unicode());
            if (b >= 0)
                return b;
        }
        const int base = AnsiCodec::byteFor(decomposed.at(0).unicode());
        if (base >= 0x20 && base < 0x7F)
            return base;
    }
    return -1;
}

} // namespace

namespace AnsiCodec {

int byteFor(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        int b = byteFor(cp);
        if (b < 0)
            b = similarByte(cp);
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return out;
}

} // namespace AnsiCodec
