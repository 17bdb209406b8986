#include "tool/toolcommands.h"

#include "output/spreadsheetexport.h"
#include "receipts/periodsummary.h"
#include "receipts/receiptexport.h"
#include "receipts/receiptlists.h"
#include "receipts/receiptreport.h"
#include "storage/layouts.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"
#include "storage/recordscanner.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <vector>

namespace {

const char kUsage[] =
    "usage: ostelio-tool dump FILE      print each record as one JSON object per line\n"
    "       ostelio-tool append FILE    append records read as JSON objects, one per line, from standard input\n"
    "       ostelio-tool check FILE     report the record count and any damage\n"
    "       ostelio-tool search FILE [FIELD=TEXT ...]\n"
    "                                   list the receipts whose fields contain the texts, as the receipt\n"
    "                                   search lists them; FIELD is one of NumRic, Data, Cliente,\n"
    "                                   CittaCliente, IvaCliente, CodFiscCliente, Arrivo, Partenza, Camera, Note\n"
    "       ostelio-tool summary FILE YEAR (--month N | --quarter N | --annual)\n"
    "                                   the summary of the receipts issued in a month (1-12), a quarter (1-4)\n"
    "                                   or the year, with its four totals\n"
    "       ostelio-tool export FILE [-o OUT]\n"
    "                                   write the spreadsheet export of a receipt archive, as the export screen\n"
    "                                   does (default OUT: Archivio_Ricevute.xls in the folder of FILE)\n"
    "       ostelio-tool pdf FILE POSITION [-o OUT]\n"
    "                                   write the receipt at POSITION (1 = first) of a receipt archive as the\n"
    "                                   receipt PDF of the program, to OUT (default: Ricevuta.pdf in the\n"
    "                                   current folder); the logo is Logo.bmp next to the archive, or the\n"
    "                                   default logo\n";

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

bool isReceiptArchive(const QString &file, std::FILE *err)
{
    if (layoutForFile(file) == &ReceiptLayout::layout())
        return true;
    fail(err, QStringLiteral("%1: not a receipt archive (YEAR.ric)").arg(file));
    return false;
}

int search(const QString &file, const QStringList &criteria, std::FILE *out, std::FILE *err)
{
    if (!isReceiptArchive(file, err))
        return 2;
    ReceiptLists::SearchCriteria search;
    QStringList given;
    for (const QString &criterion : criteria) {
        const qsizetype equals = criterion.indexOf(QLatin1Char('='));
        const QString name = criterion.left(equals);
        const int field = equals < 0 ? -1 : ReceiptLayout::layout().indexOf(name);
        if (field < 0 || !search.set(field, criterion.mid(equals + 1)))
            return fail(err, QStringLiteral("\"%1\": expected FIELD=TEXT with a field of the receipt search").arg(criterion));
        if (given.contains(name))
            return fail(err, QStringLiteral("field %1 given twice").arg(name));
        given.append(name);
    }
    const ReceiptLists::Listing listing = ReceiptLists::search(file, search, false);
    for (const QString &line : listing.lines)
        say(out, line);
    say(out, ReceiptLists::searchCountLine(listing.lines.size()));
    return 0;
}

int summary(const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    // FILE YEAR (--month N | --quarter N | --annual)
    const QString &file = arguments.at(0);
    if (!isReceiptArchive(file, err))
        return 2;
    PeriodSummary::Request request;
    request.year = arguments.at(1);
    const QString &mode = arguments.at(2);
    if (mode == u"--annual" && arguments.size() == 3) {
        request.period = PeriodSummary::Period::Year;
    } else if ((mode == u"--month" || mode == u"--quarter") && arguments.size() == 4) {
        request.period = mode == u"--month" ? PeriodSummary::Period::Month : PeriodSummary::Period::Quarter;
        bool ok = false;
        request.index = arguments.at(3).toInt(&ok);
        const int last = request.period == PeriodSummary::Period::Month ? 12 : 4;
        if (!ok || request.index < 1 || request.index > last)
            return fail(err, QStringLiteral("%1 takes a number from 1 to %2").arg(mode).arg(last));
    } else {
        std::fputs(kUsage, err);
        return 2;
    }
    const PeriodSummary::Result result = PeriodSummary::build(file, request, false);
    say(out, QStringLiteral("Tipologia riepilogo: ") + result.heading);
    for (const QString &line : result.lines)
        say(out, line);
    if (result.complete)
        say(out, result.countLine());
    for (int t = 0; t < PeriodSummary::TotalCount; ++t)
        say(out, PeriodSummary::totalCaptions()[t] + QLatin1Char(' ') + result.totals[t]);
    if (!result.complete) {
        fail(err, QStringLiteral("the summary stops at position %1: its %2 cannot be read as an amount")
                      .arg(result.stoppedAt)
                      .arg(ReceiptLayout::layout().field(result.badField).name));
        return 1;
    }
    return 0;
}

int exportArchive(const QString &file, QString target, std::FILE *err)
{
    if (!isReceiptArchive(file, err))
        return 2;
    if (target.isEmpty())
        target = QFileInfo(file).absoluteDir().filePath(ReceiptExport::fileName());
    QList<QStringList> rows;
    ReceiptExport::readArchive(file, rows, false);
    if (Spreadsheet::writeFile(target, ReceiptExport::sheet(rows)) != Spreadsheet::WriteResult::Written)
        return fail(err, QStringLiteral("%1: cannot write the export file").arg(target));
    return 0;
}

int receiptPdf(const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    // FILE POSITION [-o OUT]
    if (arguments.size() != 2 && !(arguments.size() == 4 && arguments.at(2) == u"-o")) {
        std::fputs(kUsage, err);
        return 2;
    }
    const QString &file = arguments.at(0);
    if (!isReceiptArchive(file, err))
        return 2;
    bool ok = false;
    const qint64 position = arguments.at(1).toLongLong(&ok);
    if (!ok || position < 1)
        return fail(err, QStringLiteral("%1: the position is a whole number from 1").arg(arguments.at(1)));
    const QString target = arguments.size() == 4 ? arguments.at(3) : QStringLiteral("Ricevuta.pdf");
    if (target.isEmpty())
        return fail(err, QStringLiteral("-o needs a file name"));

    RecordFile archive(ReceiptLayout::RecordSize);
    archive.openForReading(file);
    const qint64 count = archive.count();
    if (position > count) {
        archive.close();
        return fail(err, QStringLiteral("%1 holds %2 receipts: there is no position %3").arg(file).arg(count).arg(position));
    }
    archive.seek(position - 1);
    const Record record(ReceiptLayout::layout(), archive.read());
    archive.close();

    const QImage logo = ReceiptReport::logoFrom(QFileInfo(file).absoluteDir().filePath(QStringLiteral("Logo.bmp")));
    try {
        ReceiptReport::writePdf(ReceiptReport::valuesOf(record), logo, target);
    } catch (const ReportError &error) {
        return fail(err, error.message());
    }
    say(out, target);
    return 0;
}

} // namespace

namespace ToolCommands {

int run(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    const QString verb = arguments.value(0);
    if (verb == u"export" && arguments.size() == 4 && arguments.at(2) == u"-o") {
        try {
            return exportArchive(arguments.at(1), arguments.at(3), err);
        } catch (const StorageError &error) {
            return fail(err, error.detail());
        }
    }
    const bool listing = verb == u"search" || verb == u"summary" || verb == u"pdf";
    if ((!listing && arguments.size() != 2) || (verb == u"search" && arguments.size() < 2)
        || (verb == u"summary" && (arguments.size() < 4 || arguments.size() > 5))
        || (verb == u"pdf" && arguments.size() < 3)) {
        std::fputs(kUsage, err);
        return 2;
    }
    const QString &file = arguments.at(1);
    try {
        if (verb == u"search")
            return search(file, arguments.mid(2), out, err);
        if (verb == u"summary")
            return summary(arguments.mid(1), out, err);
        if (verb == u"export")
            return exportArchive(file, QString(), err);
        if (verb == u"pdf")
            return receiptPdf(arguments.mid(1), out, err);
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
