#include "tables/validators.h"

#include <array>

namespace Validators {

namespace {

// The values of '0'-'9' and 'A'-'Z' in the odd positions (1st, 3rd, ...
// 15th) of a tax code; a digit is worth as much as the letter of its row
// ('0' as 'A', '1' as 'B', ...).
constexpr std::array<int, 26> kOddValue = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18,
                                           20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

// The row of a tax-code character: 0 for '0' and 'A', 9 for '9' and 'J',
// 25 for 'Z'; -1 for any other character. In the even positions the value is
// the row itself.
int taxCodeRow(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'Z')
        return u - u'A';
    return -1;
}

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

struct Office
{
    const char *code;
    const char *name; // UTF-8
};

// The provincial VAT offices by the three-digit code of the 8th to 10th
// digits of a VAT number. Codes 103 to 119 were never assigned; 120 and 121
// repeat the names of 101 and 102.
constexpr Office kOffices[] = {
    {"001", "Torino"}, {"002", "Vercelli"}, {"003", "Novara"}, {"004", "Cuneo"},
    {"005", "Asti"}, {"006", "Alessandria"}, {"007", "Aosta"}, {"008", "Imperia"},
    {"009", "Savona"}, {"010", "Genova 1"}, {"011", "La Spezia"}, {"012", "Varese"},
    {"013", "Como"}, {"014", "Sondrio"}, {"015", "Milano 1"}, {"016", "Bergamo"},
    {"017", "Brescia 1"}, {"018", "Pavia"}, {"019", "Cremona"}, {"020", "Mantova"},
    {"021", "Bolzano"}, {"022", "Trento"}, {"023", "Verona"}, {"024", "Vicenza"},
    {"025", "Belluno"}, {"026", "Treviso"}, {"027", "Venezia"}, {"028", "Padova"},
    {"029", "Rovigo"}, {"030", "Udine"}, {"031", "Gorizia"}, {"032", "Trieste"},
    {"033", "Piacenza"}, {"034", "Parma"}, {"035", "Reggio Emilia"}, {"036", "Modena"},
    {"037", "Bologna 1"}, {"038", "Ferrara"}, {"039", "Ravenna"}, {"040", "Forl\xc3\xac"},
    {"041", "Pesaro"}, {"042", "Ancona"}, {"043", "Macerata"}, {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"}, {"046", "Lucca"}, {"047", "Pistoia"}, {"048", "Firenze 1"},
    {"049", "Livorno"}, {"050", "Pisa"}, {"051", "Arezzo"}, {"052", "Siena"},
    {"053", "Grosseto"}, {"054", "Perugia"}, {"055", "Terni"}, {"056", "Viterbo"},
    {"057", "Rieti"}, {"058", "Roma 1"}, {"059", "Latina"}, {"060", "Frosinone"},
    {"061", "Caserta"}, {"062", "Benevento"}, {"063", "Napoli 1"}, {"064", "Avellino"},
    {"065", "Salerno"}, {"066", "Aquila"}, {"067", "Teramo"}, {"068", "Pescara"},
    {"069", "Chieti"}, {"070", "Campobasso"}, {"071", "Foggia"}, {"072", "Bari"},
    {"073", "Taranto"}, {"074", "Brindisi"}, {"075", "Lecce"}, {"076", "Potenza"},
    {"077", "Matera"}, {"078", "Cosenza"}, {"079", "Catanzaro"}, {"080", "Reggio Calabria"},
    {"081", "Trapani"}, {"082", "Palermo"}, {"083", "Messina"}, {"084", "Agrigento"},
    {"085", "Caltanissetta"}, {"086", "Enna"}, {"087", "Catania"}, {"088", "Ragusa"},
    {"089", "Siracusa"}, {"090", "Sassari"}, {"091", "Nuoro"}, {"092", "Cagliari"},
    {"093", "Pordenone"}, {"094", "Isernia"}, {"095", "Oristano"}, {"096", "Monza (Milano 2)"},
    {"097", "Prato (Firenze 2)"}, {"098", "Brescia 2"}, {"099", "Chiavari (Genova 2)"}, {"100", "Roma 2"},
    {"101", "Bologna 2"}, {"102", "Napoli 2"}, {"120", "Bologna 2"}, {"121", "Napoli 2"},
};
static_assert(std::size(kOffices) == 104);

} // namespace

QChar taxCodeCheckLetter(QStringView first15)
{
    if (first15.size() != 15)
        return {};
    int sum = 0;
    for (qsizetype i = 0; i < 15; ++i) {
        const int row = taxCodeRow(first15[i]);
        if (row < 0)
            return {};
        // i is 0-based: i = 0 is the 1st character, an odd position.
        sum += (i % 2 == 0) ? kOddValue[row] : row;
    }
    return QChar(u'A' + sum % 26);
}

bool isValidTaxCode(QStringView code)
{
    if (code.size() != 16)
        return false;
    const QChar expected = taxCodeCheckLetter(code.first(15));
    return !expected.isNull() && code[15] == expected;
}

bool belongsToVatCheck(QStringView fieldText)
{
    return !fieldText.isEmpty() && allDigits(fieldText);
}

int vatCheckDigit(QStringView first10)
{
    if (first10.size() != 10 || !allDigits(first10))
        return -1;
    int sum = 0;
    for (qsizetype i = 0; i < 10; ++i) {
        const int d = first10[i].unicode() - u'0';
        if (i % 2 == 0) {
            sum += d; // 1st, 3rd, ... 9th digit: as it is
        } else {
            const int twice = 2 * d; // 2nd, 4th, ... 10th: the digits of its double
            sum += twice / 10 + twice % 10;
        }
    }
    return (10 - sum % 10) % 10;
}

bool isValidVatNumber(QStringView number)
{
    if (number.size() != 11 || !allDigits(number))
        return false;
    return vatCheckDigit(number.first(10)) == number[10].unicode() - u'0';
}

QString vatOfficeName(QStringView officeCode)
{
    for (const Office &office : kOffices) {
        if (officeCode == QLatin1StringView(office.code))
            return QString::fromUtf8(office.name);
    }
    return {};
}

QString cardCheckedDigits(QStringView text)
{
    QString digits;
    for (QChar c : text.first(qMin<qsizetype>(text.size(), 20))) {
        if (isDigit(c))
            digits.append(c);
    }
    return digits;
}

int CardCheck(QStringView text)
{
    const QString d = cardCheckedDigits(text);
    const qsizetype n = d.size();
    if (n == 0)
        return 0;
    // Every digit before the last one, counting back from it: the one just
    // before the last and every second one before that is doubled (less 9
    // when the double has two digits).
    int sum = 0;
    for (qsizetype i = n - 2; i >= 0; --i) {
        int v = d[i].unicode() - u'0';
        if ((n - 2 - i) % 2 == 0) {
            v *= 2;
            if (v >= 10)
                v -= 9;
        }
        sum += v;
    }
    const int check = (10 - sum % 10) % 10;
    if (check != d[n - 1].unicode() - u'0')
        return 0;
    return (d[0].unicode() - u'0') - 2;
}

QString cardTypeName(QStringView digits)
{
    if (digits.isEmpty())
        return {};
    switch (digits[0].unicode()) {
    case u'4':
        return QStringLiteral("Visa");
    case u'5':
        return QStringLiteral("MasterCard");
    case u'6':
        return QStringLiteral("Discover");
    case u'3':
        break;
    default:
        return {};
    }
    if (digits.size() < 2)
        return {};
    switch (digits[1].unicode()) {
    case u'0':
    case u'6':
    case u'8':
        return QStringLiteral("Diner's Club / Carte Blanche");
    case u'4':
    case u'7':
        return QStringLiteral("American Express");
    case u'1':
    case u'3':
    case u'5':
        return QStringLiteral("JCB");
    default:
        return {}; // 32 and 39 are no known type
    }
}

int remainder97(QStringView digits)
{
    if (!allDigits(digits))
        return -1;
    // Each step reads at most nine digits: the carried remainder followed by
    // as many new digits as fit.
    QString carry;
    qsizetype pos = 0;
    while (pos < digits.size()) {
        const qsizetype take = 9 - carry.size();
        carry += digits.mid(pos, take);
        pos += take;
        carry = QString::number(carry.toLongLong() % 97);
    }
    return carry.isEmpty() ? 0 : carry.toInt();
}

bool IbanCheck(QStringView text)
{
    QString s = text.toString();
    s.remove(QLatin1Char(' '));
    s = s.toUpper();
    const qsizetype word = s.indexOf(QLatin1StringView("IBAN"));
    if (word >= 0)
        s.remove(word, 4);
    s = s.mid(4) + s.left(4);
    QString digits;
    digits.reserve(s.size() * 2);
    for (QChar c : std::as_const(s)) {
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            digits += QString::number(c.unicode() - u'A' + 10);
        else
            digits += c;
    }
    // A character that is neither a digit nor a letter A to Z leaves a
    // piece that is no number: remainder 0, not valid.
    return remainder97(digits) == 1;
}

} // namespace Validators
