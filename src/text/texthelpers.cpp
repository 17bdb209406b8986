#include "text/texthelpers.h"

namespace Text {

QString trim(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text.at(b).unicode() <= 32)
        ++b;
    while (e > b && text.at(e - 1).unicode() <= 32)
        --e;
    return text.mid(b, e - b).toString();
}

QString upperAZ(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return out;
}

QString lowerAZ(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    }
    return out;
}

QString leftPart(QStringView text, qsizetype k)
{
    if (k <= 0)
        return QString();
    return text.left(k).toString();
}

QString rightPart(QStringView text, qsizetype k)
{
    if (k <= 0)
        return QString();
    return text.right(k).toString();
}

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace Text
