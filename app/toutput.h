#pragma once

#include "tchartpage.h"
#include "tcommand.h"
#include "tlistrow.h"
#include "txlsxworkbook.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

class QIODevice;

class TArgs;
namespace PosLib {
class TCurrencies;
}

// The forms a report or a list can be written in.
enum class TOutputFormat { Text, Csv, Json, Pdf, Png, Svg, Xlsx };

// --format and --output, worded once for every command that writes a
// report or a list; `charts` for the one that also draws them (png, svg).
TCommandOption formatOption(bool charts = false);
// The help's sentence on --format xlsx, for commands that word --format
// themselves.
QString xlsxFormatSentence();
TCommandOption outputOption();

// RFC 4180: fields separated by ',', a field holding ',', '"', CR or LF
// in double quotes with its '"' doubled, every record ended by CRLF.
QByteArray csvText(const QList<QStringList> &rows);

// A list document's items as data: {"format": 1, "kind", "caption",
// "rows": [{"columns": [...], "children": [...]}]}.
QJsonObject listRowsData(int kind, const QString &caption, const PosLib::TListRows &rows);
// The elements of "rows" those rows are, as compact JSON between commas.
QByteArray listRowsJson(const PosLib::TListRows &rows);
// A header row ("depth", "column1", ...), then one row per item in the
// list's order: its depth (0 at the top) and its columns.
QList<QStringList> listRowsCsv(const PosLib::TListRows &rows);
// The records of listRowsCsv() before the header, each as long as its row
// (depth and columns), handed on one at a time.
void listCsvRows(const PosLib::TListRows &rows,
                 const std::function<void(const QStringList &)> &take);
// The header of rows of up to `columns` columns: depth, column1, ...
QStringList listCsvHeader(qsizetype columns);
// The workbook's layout of a list: "depth" a number, the others as their
// texts look.
PosLib::TXlsxLayout listRowsXlsxLayout();

// Where a command's result goes: standard output, or the file of
// --output. The result is written whole at the end of a run; a file
// through TSaveFile (a temporary beside it, renamed over it when complete),
// so a run that fails or is interrupted leaves no partial file and the
// previous file, if any, as it was.
class TOutput
{
public:
    // Reads --format (default text; png and svg only with `charts`) and
    // --output; throws TUsageError for an unknown format, for PDF or PNG
    // without --output on a terminal and for xlsx without --output.
    explicit TOutput(const TArgs &args, bool charts = false);

    TOutputFormat format() const { return m_format; }
    // CSV and Excel are written from the rows of the result.
    bool wantsRows() const
    {
        return m_format == TOutputFormat::Csv || m_format == TOutputFormat::Xlsx;
    }
    bool isChart() const
    {
        return m_format == TOutputFormat::Png || m_format == TOutputFormat::Svg;
    }

    // The charts of the report: what PNG and SVG draw, one below the
    // other, and what the PDF shows under the report's header. `currencies`
    // (may be null) formats their amounts and must outlive the writing.
    void setCharts(const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies);
    // The installation's currencies (may be null): the workbook shows
    // amounts in the system currency's name and decimal places (without
    // one, as a number with two places).
    void setCurrencies(const PosLib::TCurrencies *currencies) { m_currencies = currencies; }
    // The same from a report's data ("currency": {"name", "decimals"}), for
    // a report whose currency list is gone when it is written.
    void setCurrency(const QJsonObject &reportData);
    // What the columns of the rows are, for the workbook: by default those
    // of a report's rows (PosLib::reportXlsxLayout()).
    void setXlsxLayout(const PosLib::TXlsxLayout &layout) { m_layout = layout; }

    // Writes the result in the chosen form: the text lines for text and
    // PDF (`title` names the PDF and SVG document), `data` for JSON, `rows`
    // for CSV and the workbook (`title` names its sheet when the rows are
    // not split), the charts for PNG and SVG.
    // On failure prints the reason and returns false.
    bool write(const QStringList &lines, const QJsonObject &data, const QList<QStringList> &rows,
               const QString &title);
    // The same for a list document (the journal, the open tables, the time
    // controls): text as the document lists it, JSON and CSV from the rows
    // (listRowsData(), listRowsCsv()). A list with data of its own passes
    // them to write() instead.
    bool writeRows(int kind, const QString &caption, const PosLib::TListRows &rows);

    // Writes `before`, all of `spool` (from its start) and `after`: a
    // result too large to be held whole, spooled to a file while it was
    // made. On failure prints the reason and returns false.
    bool putSpooled(const QByteArray &before, QIODevice &spool, const QByteArray &after);
    // The workbook of rows spooled to a file while they were made, read
    // back as `rows` replays them (`title` as in write()). On failure
    // prints the reason and returns false.
    bool putWorkbook(const PosLib::TXlsxRows &rows, const QString &title);

private:
    // what hands the output's pieces, in turn, to the writer it is given
    using Pieces = std::function<bool(const std::function<bool(const QByteArray &)> &write)>;
    bool put(const QByteArray &bytes);
    bool putPieces(const Pieces &pieces);

    TOutputFormat m_format = TOutputFormat::Text;
    QString m_path;
    QList<TChartPage> m_charts;
    const PosLib::TCurrencies *m_currencies = nullptr;
    PosLib::TXlsxLayout m_layout;
    std::optional<PosLib::TXlsxCurrency> m_currency;
};
