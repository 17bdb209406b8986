#include "output/listlines.h"

#include "storage/recordfile.h"
#include "storage/recordscanner.h"

QString paddedColumn(const QString &value, int width)
{
    if (width <= 0)
        return {};
    QString out = value.trimmed();
    out.truncate(width);
    return out.leftJustified(width, QLatin1Char(' '));
}

QString ListFinder::fold(const QString &text)
{
    QString out = text;
    for (QChar &ch : out) {
        const char16_t c = ch.unicode();
        if (c >= u'A' && c <= u'Z')
            ch = QChar(c + (u'a' - u'A'));
    }
    return out;
}

namespace {

// True when the folded key occurs in the line folded the same way, without
// building a folded copy of every line.
bool containsFolded(const QString &line, const QString &key)
{
    const qsizetype n = line.size();
    const qsizetype m = key.size();
    if (m == 0 || m > n)
        return false;
    const QChar *l = line.constData();
    const QChar *k = key.constData();
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    for (qsizetype i = 0; i + m <= n; ++i) {
        qsizetype j = 0;
        while (j < m && lower(l[i + j].unicode()) == k[j].unicode())
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

} // namespace

int ListFinder::find(const QStringList &lines, int selected, const QString &typed)
{
    const int count = static_cast<int>(lines.size());
    if (count == 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString key = fold(typed);
    const bool repeated = key == m_lastKey;
    m_lastKey = key;
    if (key.isEmpty())
        return selected;
    const int start = repeated ? selected : 0;
    int index = repeated ? start : count - 1; // the first step lands on 0 for a new key
    for (int tested = 0; tested < count; ++tested) {
        index = index + 1 == count ? 0 : index + 1;
        if (containsFolded(lines.at(index), key))
            return index;
    }
    return selected;
}

RefoundRecord refindByLine(const RecordLayout &layout, const QString &path, const QString &chosenLine,
                           const std::function<QString(const Record &)> &buildLine)
{
    RefoundRecord found;
    const QString wanted = chosenLine.trimmed();
    try {
        RecordScanner scan(layout);
        scan.open(path, true);
        while (scan.next()) {
            Record record = scan.record();
            if (buildLine(record).trimmed() == wanted) {
                found.record = std::move(record);
                found.position = scan.index() + 1;
            }
        }
        scan.close();
    } catch (const StorageError &) {
        found.failed = true;
    }
    return found;
}
