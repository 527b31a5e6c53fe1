#include "toutput.h"

#include "cliutil.h"
#include "targs.h"
#include "tchartpainter.h"
#include "terror.h"
#include "tpdfwriter.h"
#include "tsavefile.h"
#include "txlsxworkbook.h"

#include <QBuffer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <unistd.h>

namespace {

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r')
        && !bytes.contains('\n'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

QJsonArray rowsArray(const PosLib::TListRows &rows)
{
    QJsonArray array;
    for (const PosLib::TListRow &row : rows) {
        QJsonObject item;
        item.insert(QStringLiteral("columns"), QJsonArray::fromStringList(row.columns));
        if (!row.children.isEmpty())
            item.insert(QStringLiteral("children"), rowsArray(row.children));
        array.append(item);
    }
    return array;
}

void addCsvRows(const std::function<void(const QStringList &)> &take, const PosLib::TListRows &rows,
                int depth)
{
    for (const PosLib::TListRow &row : rows) {
        take(QStringList(QString::number(depth)) + row.columns);
        addCsvRows(take, row.children, depth + 1);
    }
}

} // namespace

QByteArray listRowsJson(const PosLib::TListRows &rows)
{
    const QByteArray array = QJsonDocument(rowsArray(rows)).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

void listCsvRows(const PosLib::TListRows &rows,
                 const std::function<void(const QStringList &)> &take)
{
    addCsvRows(take, rows, 0);
}

QStringList listCsvHeader(qsizetype columns)
{
    QStringList header(QStringLiteral("depth"));
    for (qsizetype i = 1; i <= columns; ++i)
        header << QStringLiteral("column%1").arg(i);
    return header;
}

PosLib::TXlsxLayout listRowsXlsxLayout()
{
    // a list is one sheet of what the document shows: its numbers and
    // amounts as numbers, the rest as text
    PosLib::TXlsxLayout layout;
    layout.numbers = {QStringLiteral("depth")};
    layout.guessOthers = true;
    return layout;
}

QJsonObject listRowsData(int kind, const QString &caption, const PosLib::TListRows &rows)
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), 1);
    o.insert(QStringLiteral("kind"), kind);
    o.insert(QStringLiteral("caption"), caption);
    o.insert(QStringLiteral("rows"), rowsArray(rows));
    return o;
}

QList<QStringList> listRowsCsv(const PosLib::TListRows &rows)
{
    QList<QStringList> out;
    listCsvRows(rows, [&out](const QStringList &row) { out << row; });
    qsizetype columns = 0;
    for (const QStringList &row : std::as_const(out))
        columns = std::max(columns, row.size() - 1);
    // every record has the same number of fields
    const QStringList header = listCsvHeader(columns);
    for (QStringList &row : out) {
        while (row.size() < header.size())
            row << QString();
    }
    out.prepend(header);
    return out;
}

QString xlsxFormatSentence()
{
    return TCli::tr("xlsx writes the same data as an Excel workbook (needs --output): one sheet "
                    "per group or period, amounts as numbers in the installation's currency, "
                    "counts as numbers, a frozen title row.");
}

TCommandOption formatOption(bool charts)
{
    if (!charts)
        return {{QStringLiteral("format")},
                QStringLiteral("text|csv|json|pdf|xlsx"),
                TCli::tr("The form of the output: the printed lines (text, default); the data the "
                         "lines come from as CSV (a header row, one row per item, RFC 4180) or as "
                         "JSON (\"format\": 1, see docs/report-json.md), amounts in cents; or "
                         "the printed page as PDF (needs --output when standard output is a "
                         "terminal).")
                        + QLatin1Char(' ') + xlsxFormatSentence(),
                false};
    return {{QStringLiteral("format")},
            QStringLiteral("text|csv|json|pdf|png|svg|xlsx"),
            TCli::tr("The form of the output: the printed lines (text, default); the data the "
                     "lines come from as CSV (a header row, one row per item, RFC 4180) or as "
                     "JSON (\"format\": 1, see docs/report-json.md), amounts in cents; the "
                     "printed page as PDF, with the report's chart under its header; or the chart "
                     "alone as PNG or SVG, one chart per waiter or cost center one below the "
                     "other (PDF and PNG need --output when standard output is a terminal).")
                    + QLatin1Char(' ') + xlsxFormatSentence(),
            false};
}

TCommandOption outputOption()
{
    return {{QStringLiteral("output")},
            QStringLiteral("FILE"),
            TCli::tr("Write to FILE instead of standard output. FILE is replaced only when the run "
                     "succeeds; an interrupted or failed run leaves no partial file."),
            false};
}

QByteArray csvText(const QList<QStringList> &rows)
{
    QByteArray out;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += ',';
            out += csvField(row.at(i));
        }
        out += "\r\n";
    }
    return out;
}

TOutput::TOutput(const TArgs &args, bool charts)
    : m_layout(PosLib::reportXlsxLayout())
{
    QStringList formats {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json"),
                         QStringLiteral("pdf")};
    QList<TOutputFormat> kinds {TOutputFormat::Text, TOutputFormat::Csv, TOutputFormat::Json,
                                TOutputFormat::Pdf};
    if (charts) {
        formats << QStringLiteral("png") << QStringLiteral("svg");
        kinds << TOutputFormat::Png << TOutputFormat::Svg;
    }
    formats << QStringLiteral("xlsx");
    kinds << TOutputFormat::Xlsx;
    m_format = kinds.at(args.choice(QStringLiteral("format"), formats));
    // relative to where the command was started, not to the installation
    m_path = args.filePath(QStringLiteral("output"));
    if (args.isSet(QStringLiteral("output")) && m_path.isEmpty())
        args.badValue(QStringLiteral("output"), TCli::tr("a file name"));
    if (m_format == TOutputFormat::Pdf && m_path.isEmpty() && ::isatty(1))
        throw TUsageError {TCli::tr("--format pdf writes no PDF to a terminal; add --output FILE")};
    if (m_format == TOutputFormat::Xlsx && m_path.isEmpty())
        throw TUsageError {TCli::tr("--format xlsx writes a workbook file; add --output FILE")};
    if (m_format == TOutputFormat::Png && m_path.isEmpty() && ::isatty(1))
        throw TUsageError {
                TCli::tr("--format png writes no picture to a terminal; add --output FILE")};
    if (!m_path.isEmpty() && QFileInfo(m_path).isDir())
        throw TUsageError {
                TCli::tr("--output %1: is a directory").arg(args.text(QStringLiteral("output")))};
}

void TOutput::setCharts(const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies)
{
    m_charts = pages;
    m_currencies = currencies;
}

bool TOutput::put(const QByteArray &bytes)
{
    return putPieces([&bytes](const auto &write) { return write(bytes); });
}

bool TOutput::putWorkbook(const PosLib::TXlsxRows &rows, const QString &title)
{
    // one sheet per group or period, amounts in the installation's currency
    const PosLib::TXlsxCurrency currency
            = m_currency ? *m_currency : PosLib::TXlsxCurrency::of(m_currencies);
    QString error;
    if (!PosLib::TXlsxWorkbook::writeRows(m_path, rows, title, m_layout, currency, &error)) {
        fail(error);
        return false;
    }
    return true;
}

bool TOutput::putSpooled(const QByteArray &before, QIODevice &spool, const QByteArray &after)
{
    bool readable = spool.seek(0);
    const bool done = readable && putPieces([&](const auto &write) {
                          if (!write(before))
                              return false;
                          while (!spool.atEnd()) {
                              const QByteArray chunk = spool.read(1 << 20);
                              if (chunk.isEmpty()) {
                                  readable = false;
                                  return false;
                              }
                              if (!write(chunk))
                                  return false;
                          }
                          return write(after);
                      });
    if (!readable)
        fail(TCli::tr("the report's data could not be read back (%1)").arg(spool.errorString()));
    return done;
}

bool TOutput::putPieces(const Pieces &pieces)
{
    if (m_path.isEmpty()) {
        out().flush();
        bool written = true;
        const bool done = pieces([&written](const QByteArray &bytes) {
            written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout)
                              == size_t(bytes.size())
                      && std::fflush(stdout) == 0;
            return written;
        });
        if (!written)
            fail(TCli::tr("standard output cannot be written"));
        return done && written;
    }
    try {
        Basics::TSaveFile file(m_path);
        file.open();
        const bool done = pieces([&file](const QByteArray &bytes) { return file.write(bytes); });
        // what was handed could not be read: the file stays as it was
        if (!done && !file.hasError()) {
            file.cancel();
            return false;
        }
        file.commit(); // throws the write's error, if one failed
    } catch (const Basics::TError &e) {
        fail(TCli::tr("%1: cannot be written (%2)").arg(m_path, errorText(e)));
        return false;
    }
    return true;
}

void TOutput::setCurrency(const QJsonObject &reportData)
{
    const QJsonValue currency = reportData.value(QStringLiteral("currency"));
    // without a system currency the data names none (and 0 places)
    if (!currency.isObject() || currency[QStringLiteral("name")].toString().isEmpty())
        return;
    PosLib::TXlsxCurrency c;
    c.name = currency[QStringLiteral("name")].toString();
    c.decimals = currency[QStringLiteral("decimals")].toInt(2);
    m_currency = c;
}

bool TOutput::writeRows(int kind, const QString &caption, const PosLib::TListRows &rows)
{
    const QStringList lines = PosLib::listRowsLines(rows);
    setXlsxLayout(listRowsXlsxLayout());
    // each format makes only what it writes
    const bool json = m_format == TOutputFormat::Json;
    const bool table = m_format == TOutputFormat::Csv || m_format == TOutputFormat::Xlsx;
    return write(lines, json ? listRowsData(kind, caption, rows) : QJsonObject(),
                 table ? listRowsCsv(rows) : QList<QStringList>(), caption);
}

bool TOutput::write(const QStringList &lines, const QJsonObject &data,
                    const QList<QStringList> &rows, const QString &title)
{
    QByteArray bytes;
    switch (m_format) {
    case TOutputFormat::Text:
        for (const QString &line : lines)
            bytes += line.toUtf8() + '\n';
        break;
    case TOutputFormat::Json:
        bytes = QJsonDocument(data).toJson(QJsonDocument::Compact) + '\n';
        break;
    case TOutputFormat::Csv:
        bytes = csvText(rows);
        break;
    case TOutputFormat::Xlsx:
        return putWorkbook(PosLib::TXlsxWorkbook::listRows(rows), title);
    case TOutputFormat::Pdf: {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        TPdfFigure figure;
        if (!m_charts.isEmpty()) {
            // the chart of every group, under the report's header
            figure.afterLine = int(lines.indexOf(QString()));
            figure.count = int(m_charts.size());
            figure.paint = [this](QPainter &painter, const QRectF &area, int index) {
                paintChart(painter, area, m_charts.at(index), m_currencies);
            };
        }
        if (!writePdf(buffer, lines, title, figure)) {
            fail(TCli::tr("the PDF could not be made"));
            return false;
        }
        break;
    }
    case TOutputFormat::Png:
    case TOutputFormat::Svg: {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const bool done = m_format == TOutputFormat::Png
                                  ? writeChartPng(buffer, m_charts, m_currencies)
                                  : writeChartSvg(buffer, m_charts, m_currencies, title);
        if (!done) {
            fail(TCli::tr("the chart could not be drawn"));
            return false;
        }
        break;
    }
    }
    return put(bytes);
}
