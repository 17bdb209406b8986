#include "tool/toolcommands.h"

#include "storage/layouts.h"
#include "storage/recordfile.h"
#include "storage/recordscanner.h"

#include <QByteArray>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <vector>

namespace {

const char kUsage[] =
    "usage: ostelio-tool dump FILE      print each record as one JSON object per line\n"
    "       ostelio-tool append FILE    append records read as JSON objects, one per line, from standard input\n"
    "       ostelio-tool check FILE     report the record count and any damage\n";

void say(std::FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}

int fail(std::FILE *err, const QString &message)
{
    say(err, QStringLiteral("ostelio-tool: ") + message);
    return 2;
}

void appendJsonString(QByteArray &out, const QString &text)
{
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out.append(buffer);
            } else {
                out.append(ch);
            }
        }
    }
    out.append('"');
}

const RecordLayout *layoutOrFail(const QString &file, std::FILE *err)
{
    const RecordLayout *layout = layoutForFile(file);
    if (!layout)
        fail(err, QStringLiteral("%1: unknown kind of record file (known: YEAR.ric receipt archives)").arg(file));
    return layout;
}

int dump(const QString &file, std::FILE *out, std::FILE *err)
{
    const RecordLayout *layout = layoutOrFail(file, err);
    if (!layout)
        return 2;
    RecordScanner scan(*layout);
    scan.open(file, false);
    QByteArray line;
    while (scan.next()) {
        line.clear();
        line.append("{\"position\": ");
        line.append(QByteArray::number(scan.index() + 1));
        for (int i = 0; i < layout->fieldCount(); ++i) {
            line.append(", ");
            appendJsonString(line, layout->field(i).name);
            line.append(": ");
            appendJsonString(line, scan.text(i));
        }
        line.append("}\n");
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), out);
    }
    return 0;
}

int append(const QString &file, std::FILE *in, std::FILE *err)
{
    const RecordLayout *layout = layoutOrFail(file, err);
    if (!layout)
        return 2;
    // Read and check every line first: a bad line writes nothing at all.
    std::vector<QByteArray> records;
    QByteArray input;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        input.append(buffer, static_cast<qsizetype>(n));
    int lineNumber = 0;
    for (const QByteArray &rawLine : input.split('\n')) {
        ++lineNumber;
        const QByteArray text = rawLine.trimmed();
        if (text.isEmpty())
            continue;
        QJsonParseError parseError{};
        const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
        if (parseError.error != QJsonParseError::NoError || !document.isObject())
            return fail(err, QStringLiteral("line %1: not a JSON object").arg(lineNumber));
        Record record(*layout);
        const QJsonObject object = document.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() == u"position")
                continue; // as dump prints it; the new record's position is the file's next
            const int field = layout->indexOf(it.key());
            if (field < 0)
                return fail(err, QStringLiteral("line %1: unknown field \"%2\"").arg(lineNumber).arg(it.key()));
            if (!it.value().isString())
                return fail(err, QStringLiteral("line %1: field \"%2\" is not a text").arg(lineNumber).arg(it.key()));
            record.setText(field, it.value().toString());
        }
        records.push_back(record.bytes());
    }
    RecordFile archive(layout->recordSize());
    archive.openOrCreate(file);
    for (const QByteArray &record : records)
        archive.append(record);
    archive.close();
    return 0;
}

int check(const QString &file, std::FILE *out, std::FILE *err)
{
    const RecordLayout *layout = layoutOrFail(file, err);
    if (!layout)
        return 2;
    const qint64 size = QFileInfo(file).size();
    RecordScanner scan(*layout);
    scan.open(file, false);
    bool damaged = false;
    say(out, QStringLiteral("records: %1").arg(scan.count()));
    const qint64 partial = size % layout->recordSize();
    if (partial != 0) {
        damaged = true;
        say(out, QStringLiteral("partial record: %1 bytes after record %2").arg(partial).arg(scan.count()));
    }
    while (scan.next()) {
        for (int i = 0; i < layout->fieldCount(); ++i) {
            const Field &field = layout->field(i);
            const int length = static_cast<unsigned char>(scan.data()[field.offset]);
            if (length > field.capacity) {
                damaged = true;
                say(out, QStringLiteral("position %1, field %2: length %3 exceeds capacity %4")
                             .arg(scan.index() + 1)
                             .arg(field.name)
                             .arg(length)
                             .arg(field.capacity));
            }
        }
    }
    say(out, damaged ? QStringLiteral("damaged") : QStringLiteral("ok"));
    return damaged ? 1 : 0;
}

} // namespace

namespace ToolCommands {

int run(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    if (arguments.size() != 2) {
        std::fputs(kUsage, err);
        return 2;
    }
    const QString &verb = arguments.at(0);
    const QString &file = arguments.at(1);
    try {
        if (verb == u"dump")
            return dump(file, out, err);
        if (verb == u"append")
            return append(file, in, err);
        if (verb == u"check")
            return check(file, out, err);
    } catch (const StorageError &error) {
        return fail(err, error.detail());
    }
    std::fputs(kUsage, err);
    return 2;
}

} // namespace ToolCommands
