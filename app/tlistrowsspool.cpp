#include "tlistrowsspool.h"

#include "trowsspool.h"
#include "tsummarydatasink.h"

TListRowsSpool::TListRowsSpool(TOutputFormat format)
    : m_format(format)
{
    if (format == TOutputFormat::Json)
        m_json = std::make_unique<TByteSpool>();
    else if (format == TOutputFormat::Csv || format == TOutputFormat::Xlsx)
        m_rows = std::make_unique<PosLib::TRowsSpool>();
}

TListRowsSpool::~TListRowsSpool() = default;

bool TListRowsSpool::isOpen() const
{
    return m_rows ? m_rows->isOpen() : m_json && m_json->isFile();
}

void TListRowsSpool::add(const PosLib::TListRows &rows)
{
    if (m_rows) {
        listCsvRows(rows, [this](const QStringList &row) {
            m_columns = std::max(m_columns, row.size() - 1);
            m_rows->add(row);
        });
        return;
    }
    if (rows.isEmpty())
        return;
    m_json->write(m_first ? listRowsJson(rows) : ',' + listRowsJson(rows));
    m_first = false;
}

bool TListRowsSpool::write(TOutput &output, int kind, const QString &caption)
{
    if (!m_rows) {
        const PosLib::TJsonFrame frame
                = PosLib::jsonFrame(listRowsData(kind, caption, {}), QStringLiteral("rows"));
        return m_json->put(output, frame.open, frame.close + '\n');
    }
    if (!m_rows->ok())
        return spoolFailed(m_rows->fileName(), m_rows->errorString());
    // every record as long as the longest, after the header
    const QStringList header = listCsvHeader(m_columns);
    const PosLib::TXlsxRows padded
            = [this, &header](const std::function<void(const QStringList &)> &take) {
                  take(header);
                  return m_rows->replay([&](const QStringList &row) {
                      QStringList record = row;
                      while (record.size() < header.size())
                          record << QString();
                      take(record);
                  });
              };
    if (m_format == TOutputFormat::Xlsx) {
        output.setXlsxLayout(listRowsXlsxLayout());
        return output.putWorkbook(padded, caption);
    }
    TByteSpool text;
    if (!padded([&text](const QStringList &record) { text.write(csvText({record})); }))
        return spoolFailed(m_rows->fileName(), m_rows->errorString());
    return text.put(output, QByteArray(), QByteArray());
}
