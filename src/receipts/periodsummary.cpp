#include "receipts/periodsummary.h"

#include "receipts/receiptlists.h"
#include "storage/ansicodec.h"
#include "storage/fieldcodec.h"
#include "storage/receiptlayout.h"
#include "storage/recordscanner.h"
#include "text/amounts.h"

#include <QByteArray>

#include <optional>
#include <string_view>

namespace PeriodSummary {

namespace {

// --- periods ----------------------------------------------------------------

struct Filter
{
    Period period = Period::Year;
    int index = 1;
    QByteArray year;   // the trimmed year in the archive's bytes
    bool yearOk = true; // false when the year has a character no stored date can hold
};

Filter makeFilter(const Request &request)
{
    Filter f;
    f.period = request.period;
    f.index = request.index;
    const QStringView year = FieldCodec::trimmed(request.year);
    for (QChar ch : year) {
        const int b = AnsiCodec::byteFor(ch.unicode());
        if (b < 0 || ch.isSurrogate()) {
            f.yearOk = false;
            break;
        }
        f.year.append(static_cast<char>(b));
    }
    return f;
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// The date as stored, trimmed: characters 4-5 are the month digits and
// characters 7-10, trimmed, the year, blanks standing in past its end. Only
// "01" to "12" name a month.
bool dateInPeriod(std::string_view date, const Filter &filter)
{
    if (date.empty() || !filter.yearOk)
        return false;
    char padded[10];
    for (size_t i = 0; i < 10; ++i)
        padded[i] = i < date.size() ? date[i] : ' ';
    const char *yb = padded + 6;
    const char *ye = padded + 10;
    while (yb < ye && isBlank(*yb))
        ++yb;
    while (ye > yb && isBlank(ye[-1]))
        --ye;
    if (std::string_view(yb, static_cast<size_t>(ye - yb))
        != std::string_view(filter.year.constData(), static_cast<size_t>(filter.year.size())))
        return false;
    if (filter.period == Period::Year)
        return true;
    const char m1 = padded[3];
    const char m2 = padded[4];
    if (m1 < '0' || m1 > '1' || m2 < '0' || m2 > '9')
        return false;
    const int month = (m1 - '0') * 10 + (m2 - '0');
    if (month < 1 || month > 12)
        return false;
    if (filter.period == Period::Month)
        return month == filter.index;
    return (month - 1) / 3 + 1 == filter.index;
}

std::string_view trimmedRaw(const char *record, int field)
{
    const Field &f = ReceiptLayout::layout().field(field);
    const QByteArrayView raw = FieldCodec::rawText(record + f.offset, f.capacity);
    const char *begin = raw.data();
    const char *end = begin + raw.size();
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

constexpr std::array<int, TotalCount> kTotalFields = {ReceiptLayout::TotCorrispettivi, ReceiptLayout::Acconti,
                                                      ReceiptLayout::TotTassa, ReceiptLayout::Totale};

} // namespace

const QStringList &monthItems()
{
    static const QStringList items = {
        QStringLiteral("GENNAIO"), QStringLiteral("FEBBRAIO"),  QStringLiteral("MARZO"),
        QStringLiteral("APRILE"),  QStringLiteral("MAGGIO"),    QStringLiteral("GIUGNO"),
        QStringLiteral("LUGLIO"),  QStringLiteral("AGOSTO"),    QStringLiteral("SETTEMBRE"),
        QStringLiteral("OTTOBRE"), QStringLiteral("NOVEMBRE"), QStringLiteral("DICEMBRE"),
    };
    return items;
}

const QStringList &quarterItems()
{
    static const QStringList items = {
        QStringLiteral("GENNAIO, FEBBRAIO, MARZO"),
        QStringLiteral("APRILE, MAGGIO, GIUGNO"),
        QStringLiteral("LUGLIO, AGOSTO, SETTEMBRE"),
        QStringLiteral("OTTOBRE, NOVEMBRE, DICEMBRE"),
    };
    return items;
}

QString Result::countLine() const
{
    return QStringLiteral("Il presente riepilogo contiene %1 ricevute.").arg(lines.size());
}

QString heading(const Request &request)
{
    const QString year = FieldCodec::trimmed(request.year).toString();
    switch (request.period) {
    case Period::Month:
        return QStringLiteral("Ricevute emesse nel mese di ") + monthItems().value(request.index - 1).toLower()
            + QLatin1Char(' ') + year;
    case Period::Quarter:
        return QStringLiteral("Ricevute emesse nel trimestre di ")
            + quarterItems().value(request.index - 1).toLower() + QLatin1Char(' ') + year;
    case Period::Year:
        break;
    }
    return QStringLiteral("Ricevute emesse nell'anno ") + year;
}

bool inPeriod(const QString &date, const Request &request)
{
    QByteArray bytes = AnsiCodec::encode(FieldCodec::trimmed(date));
    return dateInPeriod(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), makeFilter(request));
}

Result build(const QString &archive, const Request &request, bool createIfMissing)
{
    Result result;
    result.heading = heading(request);
    result.totals.fill(QStringLiteral("0,00"));
    const Filter filter = makeFilter(request);

    std::array<bool, TotalCount> shown{};

    RecordScanner scan(ReceiptLayout::layout());
    scan.open(archive, createIfMissing);
    while (scan.next()) {
        if (!dateInPeriod(trimmedRaw(scan.data(), ReceiptLayout::Data), filter))
            continue;
        result.lines.append(ReceiptLists::line(scan, ReceiptLists::LineEnding::TotCorrispettivi));
        result.positions.append(scan.index() + 1);
        for (int t = 0; t < TotalCount; ++t) {
            // The field's text without a string of its own: one byte is one
            // character, and an amount field holds at most 10.
            const std::string_view raw = trimmedRaw(scan.data(), kTotalFields[t]);
            std::array<QChar, 256> chars;
            for (size_t k = 0; k < raw.size(); ++k)
                chars[k] = QChar(static_cast<unsigned char>(raw[k]));
            const std::optional<double> amount = Amounts::parse(QStringView(chars.data(), static_cast<qsizetype>(raw.size())));
            if (!amount) {
                // The summary stops here, with the sums shown as they are.
                result.complete = false;
                result.stoppedAt = scan.index() + 1;
                result.badField = kTotalFields[t];
                for (int k = 0; k < TotalCount; ++k) {
                    if (shown[k])
                        result.totals[k] = Amounts::format(result.sums[k]);
                }
                return result;
            }
            result.sums[t] += *amount;
            shown[t] = true;
        }
    }
    for (int t = 0; t < TotalCount; ++t)
        result.totals[t] = totalText(result.sums[t]);
    return result;
}

QString totalText(double sum)
{
    return QStringLiteral("€ ") + Amounts::padTwoDecimals(Amounts::format(Amounts::round(sum, 4)));
}

const std::array<QString, TotalCount> &totalCaptions()
{
    static const std::array<QString, TotalCount> captions = {
        QStringLiteral("TOTALE CORRISPETTIVI:"), QStringLiteral("Acconti:"),
        QStringLiteral("Totale tassa soggiorno:"), QStringLiteral("Totale saldato:")};
    return captions;
}

QString printTitle(const QString &headingText)
{
    return QStringLiteral("Tipologia riepilogo: ") + FieldCodec::trimmed(headingText).toString();
}

QStringList printExtraLines(const std::array<QString, TotalCount> &totalLabels)
{
    return {
        QStringLiteral("--------------------------"),
        QStringLiteral("TOT. CORRISPETTIVI:     ") + FieldCodec::trimmed(totalLabels[Corrispettivi]).toString(),
        QStringLiteral("Acconti:                ") + FieldCodec::trimmed(totalLabels[Acconti]).toString(),
        QStringLiteral("Tot. tassa soggiorno:   ") + FieldCodec::trimmed(totalLabels[Tassa]).toString(),
        QStringLiteral("Totale saldato:         ") + FieldCodec::trimmed(totalLabels[Saldato]).toString(),
    };
}

} // namespace PeriodSummary
