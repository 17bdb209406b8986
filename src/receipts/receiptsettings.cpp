#include "receipts/receiptsettings.h"

#include "app/programfolder.h"
#include "storage/inifile.h"
#include "text/texthelpers.h"

#include <limits>

namespace {

const QString kIssuer = QStringLiteral("Ditta Emittente");
const QString kNumbering = QStringLiteral("Numerazione Ricevute");
const QString kStart = QStringLiteral("Inizio");
const QString kYear = QStringLiteral("Indicazione Anno Solare");
const QString kYes = QStringLiteral("Sì");
const QString kNo = QStringLiteral("No");

} // namespace

namespace ReceiptSettings {

QString fileName()
{
    return QStringLiteral("Ostelio.ini");
}

QString path()
{
    return ProgramFolder::file(fileName());
}

const QList<IssuerEntry> &issuerEntries()
{
    static const QList<IssuerEntry> entries = {
        {QStringLiteral("Nome"), QStringLiteral("txtDitta")},
        {QStringLiteral("Indirizzo"), QStringLiteral("txtViaDitta")},
        {QStringLiteral("CAP"), QStringLiteral("txtCapDitta")},
        {QStringLiteral("Comune"), QStringLiteral("txtCittaDitta")},
        {QStringLiteral("Provincia"), QStringLiteral("txtProvDitta")},
        {QStringLiteral("Partita IVA"), QStringLiteral("txtIvaDitta")},
        {QStringLiteral("Codice Fiscale"), QStringLiteral("txtCodFiscDitta")},
        {QStringLiteral("Campo Libero 1"), QStringLiteral("txtLibero01")},
        {QStringLiteral("Campo Libero 2"), QStringLiteral("txtLibero02")},
        {QStringLiteral("Tassa"), QStringLiteral("txtTassa")},
    };
    return entries;
}

QHash<QString, QString> readIssuer()
{
    QHash<QString, QString> values;
    const QString file = path();
    for (const IssuerEntry &e : issuerEntries())
        values.insert(e.control, IniFile::readString(file, kIssuer, e.key));
    return values;
}

bool writeIssuer(const QHash<QString, QString> &values, QString *error)
{
    const QString file = path();
    for (const IssuerEntry &e : issuerEntries()) {
        if (!IniFile::writeString(file, kIssuer, e.key, Text::trim(values.value(e.control)), error))
            return false;
    }
    return true;
}

QString startNumber()
{
    return Text::trim(IniFile::readString(path(), kNumbering, kStart));
}

bool yearInNumber()
{
    return Text::trim(IniFile::readString(path(), kNumbering, kYear)) == kYes;
}

bool writeNumbering(const QString &start, bool withYear, QString *error)
{
    const QString file = path();
    return IniFile::writeString(file, kNumbering, kStart, Text::trim(start), error)
        && IniFile::writeString(file, kNumbering, kYear, withYear ? kYes : kNo, error);
}

std::optional<QString> proposedNumber(const QString &start, const QString &yearOption, qint64 count,
                                      const QString &year)
{
    QString s = Text::trim(start);
    if (s.isEmpty())
        s = QStringLiteral("1");
    // A whole number: an optional sign and digits, small enough to count on.
    QStringView digits(s);
    if (digits.startsWith(u'-') || digits.startsWith(u'+'))
        digits = digits.mid(1);
    if (digits.isEmpty() || digits.size() > 9 || !Text::allDigits(digits))
        return std::nullopt;
    const qint64 number = s.toLongLong() + count;
    QString text = QString::number(number);
    if (Text::trim(yearOption) == kYes)
        text += QLatin1Char('/') + year;
    return text;
}

} // namespace ReceiptSettings
