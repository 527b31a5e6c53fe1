#pragma once

#include "toutput.h"
#include "tutf8linewriter.h"

#include <QJsonObject>
#include <QTemporaryFile>

#include <functional>
#include <memory>

namespace PosLib {
class TRowsSpool;
class TSummaryDataSink;
} // namespace PosLib

// The data of a summary on their way to --format json, csv or xlsx: written
// to a temporary file while the report is made (the workbook's rows as
// lists of texts in a data stream), so that a year that lists every pay
// needs no more memory than its text, and handed to the output whole at
// the end, so that a failed or stopped run writes nothing.
class TDataSpool
{
public:
    // For JSON, CSV or xlsx; sink() is null for any other format and when no
    // temporary file can be made (the data are then kept in memory).
    // `comparison`: the CSV rows and the workbook's are a comparison's
    // (comparisonCsvHeader()).
    explicit TDataSpool(TOutputFormat format, bool comparison = false);
    ~TDataSpool();
    PosLib::TSummaryDataSink *sink() const { return m_sink.get(); }
    // For text: where the report's lines go while they are made; for JSON
    // and CSV written through sink(): nowhere (they are not written); empty
    // for any other format and when no temporary file can be made (the
    // lines are kept in memory then).
    std::function<void(const QString &line)> lineSink();

    // Writes the whole document into the output: for JSON `head` (the
    // document without its sections) around the spooled sections, for the
    // workbook its sheets (`title` names the sheet of rows not split). On
    // failure prints the reason and returns false.
    bool write(TOutput &output, const QJsonObject &head, const QString &title);
    // Writes the spooled lines into the output, after `first` (a batch's
    // name) when it is not null. On failure prints the reason and returns
    // false.
    bool writeLines(TOutput &output, const QString &first);

private:
    TOutputFormat m_format;
    QTemporaryFile m_file;
    std::unique_ptr<PosLib::TSummaryDataSink> m_sink;
    // the text's lines, gathered into chunks
    PosLib::TUtf8LineWriter m_lines {&m_file};
    // the workbook's rows
    std::unique_ptr<PosLib::TRowsSpool> m_rows;
    bool m_ok = true;
};
