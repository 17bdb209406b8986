#include "storage/inifile.h"

#include "storage/ansicodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// The file as raw lines, each with its own line break, and how its text is
// encoded. Lines are only decoded to be compared; a line that is not
// rewritten goes back to the disk exactly as it was read.
struct Lines
{
    bool utf8 = false;
    bool bom = false;
    QList<QByteArray> raw;
    QByteArray lineBreak = "\r\n";

    QString text(qsizetype i) const
    {
        return utf8 ? QString::fromUtf8(raw.at(i)) : AnsiCodec::decode(raw.at(i));
    }
    QByteArray encode(const QString &text) const
    {
        return utf8 ? text.toUtf8() : AnsiCodec::encode(text);
    }
};

Lines split(QByteArray bytes)
{
    Lines lines;
    if (bytes.startsWith(kUtf8Bom)) {
        lines.bom = true;
        lines.utf8 = true;
        bytes.remove(0, kUtf8Bom.size());
    } else {
        bool ascii = true;
        for (char c : std::as_const(bytes)) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                ascii = false;
                break;
            }
        }
        // A file of plain ASCII stays in the ANSI code page.
        lines.utf8 = !ascii && QByteArrayView(bytes).isValidUtf8();
    }
    if (bytes.contains('\n') && !bytes.contains("\r\n"))
        lines.lineBreak = "\n";

    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        lines.raw.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

// Blanks and control characters at both ends go, as the Windows facility
// trims names and values.
QString trimmed(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s.at(b).unicode() <= 32)
        ++b;
    while (e > b && s.at(e - 1).unicode() <= 32)
        --e;
    return s.mid(b, e - b).toString();
}

// The name of a section line, or nothing for other lines.
std::optional<QString> sectionName(const QString &line)
{
    const QString t = trimmed(line);
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        close = t.size();
    return trimmed(QStringView(t).mid(1, close - 1));
}

struct KeyLine
{
    QString key;
    QString value;
};

// The key and value of a "key=value" line; comments (";") and other lines
// have none.
std::optional<KeyLine> keyLine(const QString &line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    const QString key = trimmed(QStringView(line).left(eq));
    if (key.isEmpty() || key.startsWith(QLatin1Char(';')))
        return std::nullopt;
    return KeyLine{key, trimmed(QStringView(line).mid(eq + 1))};
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section and a key stand in the file.
struct Place
{
    qsizetype sectionLine = -1; // the "[section]" line
    qsizetype lastLine = -1;    // the last non-blank line of the section
    qsizetype keyLine = -1;     // the key's line
};

Place find(const Lines &lines, const QString &section, const QString &key)
{
    Place place;
    const QString wantedSection = trimmed(section);
    const QString wantedKey = trimmed(key);
    bool inside = false;
    for (qsizetype i = 0; i < lines.raw.size(); ++i) {
        const QString line = lines.text(i);
        if (const auto name = sectionName(line)) {
            if (inside)
                break;
            if (place.sectionLine < 0 && sameName(*name, wantedSection)) {
                inside = true;
                place.sectionLine = i;
                place.lastLine = i;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!trimmed(line).isEmpty())
            place.lastLine = i;
        if (place.keyLine < 0) {
            if (const auto kv = keyLine(line); kv && sameName(kv->key, wantedKey))
                place.keyLine = i;
        }
    }
    return place;
}

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// A value stays on its one line: line breaks inside it would make lines of
// their own and could forge other keys.
QString oneLine(const QString &value)
{
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

QString writeError(const QString &path)
{
    return QStringLiteral("Impossibile scrivere il file \"%1\".").arg(QDir::toNativeSeparators(path));
}

} // namespace

namespace IniFile {

QString readString(const QString &path, const QString &section, const QString &key, const QString &fallback)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return fallback;
    const Lines lines = split(*bytes);
    const Place place = find(lines, section, key);
    if (place.keyLine < 0)
        return fallback;
    return keyLine(lines.text(place.keyLine))->value;
}

bool writeString(const QString &path, const QString &section, const QString &key, const QString &value,
                 QString *error)
{
    const auto fail = [&] {
        if (error)
            *error = writeError(path);
        return false;
    };

    const QFileInfo info(path);
    std::optional<QByteArray> old;
    if (info.exists()) {
        old = readAll(path);
        if (!old)
            return fail(); // a folder or an unreadable file stands in the way
    }

    Lines lines = split(old.value_or(QByteArray()));
    const Place place = find(lines, section, key);
    const QString v = oneLine(value);

    // The line that ends the file may lack its line break.
    const auto closeLastLine = [&lines] {
        if (!lines.raw.isEmpty() && !lines.raw.constLast().endsWith('\n'))
            lines.raw.last().append(lines.lineBreak);
    };

    if (place.keyLine >= 0) {
        // Keep the key as it is spelt in the file, and the line's own break.
        const QByteArray &raw = lines.raw.at(place.keyLine);
        const QString line = lines.text(place.keyLine);
        const QString keyPart = line.left(line.indexOf(QLatin1Char('=')));
        QByteArray ending;
        if (raw.endsWith("\r\n"))
            ending = "\r\n";
        else if (raw.endsWith('\n'))
            ending = "\n";
        lines.raw[place.keyLine] = lines.encode(keyPart + QLatin1Char('=') + v) + ending;
    } else if (place.sectionLine >= 0) {
        const qsizetype at = place.lastLine;
        if (!lines.raw.at(at).endsWith('\n'))
            lines.raw[at].append(lines.lineBreak);
        lines.raw.insert(at + 1, lines.encode(trimmed(key) + QLatin1Char('=') + v) + lines.lineBreak);
    } else {
        closeLastLine();
        lines.raw.append(lines.encode(QLatin1Char('[') + trimmed(section) + QLatin1Char(']')) + lines.lineBreak);
        lines.raw.append(lines.encode(trimmed(key) + QLatin1Char('=') + v) + lines.lineBreak);
    }

    QByteArray bytes = lines.bom ? kUtf8Bom : QByteArray();
    for (const QByteArray &raw : std::as_const(lines.raw))
        bytes += raw;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return fail();
    }
    if (!file.commit())
        return fail();
    return true;
}

} // namespace IniFile
