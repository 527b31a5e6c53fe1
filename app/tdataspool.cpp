#include "tdataspool.h"

#include "cliutil.h"
#include "tbytespool.h"
#include "tcomparisondata.h"
#include "trowsspool.h"
#include "tsummarydatasink.h"

using PosLib::TRowsSpool;
using PosLib::TSummaryCsvRows;
using PosLib::TSummaryJsonWriter;

namespace {

// The sink of a report's rows, or of a comparison's, each row to `row`
// after the header.
std::unique_ptr<PosLib::TSummaryDataSink>
rowsSink(bool comparison, const std::function<void(const QStringList &)> &row)
{
    row(comparison ? PosLib::comparisonCsvHeader() : TSummaryCsvRows::header());
    if (comparison)
        return PosLib::comparisonCsvSink(row);
    return std::make_unique<TSummaryCsvRows>(row);
}

} // namespace

TDataSpool::TDataSpool(TOutputFormat format, bool comparison)
    : m_format(format)
{
    if (format != TOutputFormat::Json && format != TOutputFormat::Csv
        && format != TOutputFormat::Text && format != TOutputFormat::Xlsx)
        return;
    if (format == TOutputFormat::Xlsx) {
        m_rows = std::make_unique<TRowsSpool>();
        if (!m_rows->isOpen())
            return;
        TRowsSpool *rows = m_rows.get();
        m_sink = rowsSink(comparison, [rows](const QStringList &row) { rows->add(row); });
        return;
    }
    if (!m_file.open())
        return;
    if (format == TOutputFormat::Text)
        return;
    if (format == TOutputFormat::Json) {
        m_sink = std::make_unique<TSummaryJsonWriter>(&m_file);
        return;
    }
    const auto put = [this](const QStringList &row) {
        const QByteArray bytes = csvText({row});
        m_ok = m_ok && m_file.write(bytes) == bytes.size();
    };
    m_sink = rowsSink(comparison, put);
}

TDataSpool::~TDataSpool() = default;

bool TDataSpool::write(TOutput &output, const QJsonObject &head, const QString &title)
{
    if (m_format == TOutputFormat::Xlsx) {
        if (!m_rows->ok())
            return spoolFailed(m_rows->fileName(), m_rows->errorString());
        return output.putWorkbook(
                [this](const std::function<void(const QStringList &)> &take) {
                    return m_rows->replay(take);
                },
                title);
    }
    if (m_format == TOutputFormat::Json) {
        auto *writer = static_cast<TSummaryJsonWriter *>(m_sink.get());
        writer->flush();
        m_ok = m_ok && writer->ok();
    }
    if (!m_ok || !m_file.flush())
        return spoolFailed(m_file.fileName(), m_file.errorString());
    if (m_format == TOutputFormat::Json) {
        const PosLib::TJsonFrame frame = PosLib::jsonFrame(head, QStringLiteral("sections"));
        return output.putSpooled(frame.open, m_file, frame.close + '\n');
    }
    return output.putSpooled(QByteArray(), m_file, QByteArray());
}

std::function<void(const QString &line)> TDataSpool::lineSink()
{
    // JSON and CSV are written of the data: the lines are made (whether
    // there are any tells an empty report) and let go, not held
    if (m_sink)
        return [](const QString &) {};
    if (m_format != TOutputFormat::Text || !m_file.isOpen())
        return {};
    return [this](const QString &line) { m_lines.writeLine(line); };
}

bool TDataSpool::writeLines(TOutput &output, const QString &first)
{
    m_ok = m_lines.flush() && m_ok;
    if (!m_ok || !m_file.flush()) {
        fail(TCli::tr("the report could not be written to the temporary file %1 (%2)")
                     .arg(m_file.fileName(), m_file.errorString()));
        return false;
    }
    return output.putSpooled(first.isNull() ? QByteArray() : first.toUtf8() + '\n', m_file,
                             QByteArray());
}
