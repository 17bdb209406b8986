#include "receipts/receiptlists.h"

#include "storage/ansicodec.h"
#include "storage/fieldcodec.h"
#include "storage/recordfile.h"
#include "storage/recordlayout.h"
#include "storage/recordscanner.h"

#include <QChar>

#include <cstring>
#include <string_view>

namespace ReceiptLists {

namespace {

// The screen character of each stored byte.
const std::array<char16_t, 256> &decodeTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            t[static_cast<size_t>(b)] = AnsiCodec::decode(QByteArrayView(&c, 1)).at(0).unicode();
        }
        return t;
    }();
    return table;
}

std::string_view trimmedRaw(const char *record, int field);

// A line under construction, one character per stored byte: the longest
// line is well under the buffer's size.
class LineBuffer
{
public:
    void text(std::u16string_view t)
    {
        for (char16_t c : t)
            m_chars[m_size++] = c;
    }
    void bytes(std::string_view b)
    {
        const std::array<char16_t, 256> &table = decodeTable();
        for (char c : b)
            m_chars[m_size++] = table[static_cast<unsigned char>(c)];
    }
    // A field's text trimmed, followed by spaces, cut to exactly n characters.
    void padded(const char *record, int field, size_t n)
    {
        const std::string_view v = trimmedRaw(record, field).substr(0, n);
        bytes(v);
        for (size_t i = v.size(); i < n; ++i)
            m_chars[m_size++] = u' ';
    }
    QString toString() const { return QString(reinterpret_cast<const QChar *>(m_chars.data()), m_size); }

private:
    std::array<char16_t, 512> m_chars;
    qsizetype m_size = 0;
};

QString buildLine(const char *r, LineEnding ending)
{
    using namespace ReceiptLayout;
    LineBuffer out;
    out.text(u"Ric. n. ");
    out.padded(r, NumRic, 16);
    out.text(u"  Data: ");
    out.padded(r, Data, 10);
    out.text(u"  ");
    out.padded(r, Cliente, 32);
    out.text(u"  C.F. ");
    out.padded(r, CodFiscCliente, 16);
    out.text(u"  Da: ");
    out.padded(r, Arrivo, 10);
    out.text(u"  A: ");
    out.padded(r, Partenza, 10);
    out.text(ending == LineEnding::Totale ? std::u16string_view(u"  Totale: € ") : std::u16string_view(u"  Tot. corr. € "));
    out.bytes(trimmedRaw(r, TotCorrispettivi)); // at most 255 bytes
    return out.toString();
}

inline char foldByte(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The stored text of a field without the blanks and control characters at
// its ends, as a screen reads it. In the code page every byte up to 32 is
// the character of the same code, so trimming bytes trims the text.
std::string_view trimmedRaw(const char *record, int field)
{
    const Field &f = ReceiptLayout::layout().field(field);
    const QByteArrayView raw = FieldCodec::rawText(record + f.offset, f.capacity);
    const char *begin = raw.data();
    const char *end = begin + raw.size();
    while (begin < end && static_cast<unsigned char>(*begin) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(end[-1]) <= 32)
        --end;
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

// The text in the code page's bytes, or false when a character has no byte
// (such a text can never occur in a stored field).
bool toBytes(QStringView text, QByteArray &bytes)
{
    bytes.clear();
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        const int b = AnsiCodec::byteFor(cp);
        if (b < 0)
            return false;
        bytes.append(static_cast<char>(b));
    }
    return true;
}

} // namespace

QString line(const Record &receipt, LineEnding ending)
{
    return buildLine(receipt.bytes().constData(), ending);
}

QString line(const RecordScanner &receipt, LineEnding ending)
{
    return buildLine(receipt.data(), ending);
}

const std::array<int, 10> &searchFields()
{
    using namespace ReceiptLayout;
    static const std::array<int, 10> fields = {NumRic,         Data,   Cliente,  CittaCliente, IvaCliente,
                                               CodFiscCliente, Arrivo, Partenza, Camera,       Note};
    return fields;
}

SearchCriteria::SearchCriteria()
{
    for (size_t i = 0; i < m_criteria.size(); ++i)
        m_criteria[i].field = searchFields()[i];
}

bool SearchCriteria::set(int field, const QString &text)
{
    for (Criterion &c : m_criteria) {
        if (c.field != field)
            continue;
        c.text = text;
        c.usable = !text.isEmpty() && toBytes(text, c.folded);
        if (c.usable) {
            for (char &ch : c.folded)
                ch = foldByte(ch);
        } else {
            c.folded.clear();
        }
        m_filled = 0;
        for (const Criterion &k : m_criteria) {
            if (!FieldCodec::trimmed(k.text).isEmpty())
                ++m_filled;
        }
        return true;
    }
    return false;
}

QString SearchCriteria::text(int field) const
{
    for (const Criterion &c : m_criteria) {
        if (c.field == field)
            return c.text;
    }
    return QString();
}

bool SearchCriteria::matches(const char *record) const
{
    if (m_filled == 0)
        return true;
    int hits = 0;
    int left = 0;
    for (const Criterion &c : m_criteria)
        left += c.usable ? 1 : 0;
    char folded[256];
    for (const Criterion &c : m_criteria) {
        if (!c.usable)
            continue;
        --left;
        const std::string_view field = trimmedRaw(record, c.field);
        if (static_cast<size_t>(c.folded.size()) <= field.size()) {
            for (size_t i = 0; i < field.size(); ++i)
                folded[i] = foldByte(field[i]);
            const std::string_view haystack(folded, field.size());
            if (haystack.find(std::string_view(c.folded.constData(), static_cast<size_t>(c.folded.size())))
                != std::string_view::npos) {
                if (++hits >= m_filled)
                    return true;
            }
        }
        if (hits + left < m_filled)
            return false;
    }
    return hits >= m_filled;
}

Listing search(const QString &archive, const SearchCriteria &criteria, bool createIfMissing)
{
    Listing listing;
    RecordScanner scan(ReceiptLayout::layout());
    scan.open(archive, createIfMissing);
    while (scan.next()) {
        if (criteria.matches(scan.data())) {
            listing.lines.append(line(scan));
            listing.positions.append(scan.index() + 1);
        }
    }
    return listing;
}

bool isUnpaid(const char *record)
{
    return trimmedRaw(record, ReceiptLayout::Saldata) == "No";
}

Listing unpaid(const QString &archive, bool createIfMissing)
{
    Listing listing;
    try {
        RecordScanner scan(ReceiptLayout::layout());
        scan.open(archive, createIfMissing);
        while (scan.next()) {
            if (isUnpaid(scan.data())) {
                listing.lines.append(line(scan));
                listing.positions.append(scan.index() + 1);
            }
        }
    } catch (const StorageError &) {
        listing.complete = false;
    }
    return listing;
}

QString searchCountLine(qsizetype lines)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

} // namespace ReceiptLists
