#include "tlistrowsspool.h"

#include "cliutil.h"
#include "trowsspool.h"
#include "tsummarydatasink.h"

TListRowsSpool::TListRowsSpool(TOutputFormat format)
    : m_format(format)
{
    if (format == TOutputFormat::Json)
        m_file.open();
    else if (format == TOutputFormat::Csv || format == TOutputFormat::Xlsx)
        m_rows = std::make_unique<PosLib::TRowsSpool>();
}

TListRowsSpool::~TListRowsSpool() = default;

bool TListRowsSpool::isOpen() const
{
    return m_rows ? m_rows->isOpen() : m_file.isOpen();
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
    if (!m_first)
        m_block += ',';
    m_first = false;
    m_block += listRowsJson(rows);
    if (m_block.size() >= 64 * 1024) {
        m_ok = m_ok && m_file.write(m_block) == m_block.size();
        m_block.clear();
    }
}

bool TListRowsSpool::write(TOutput &output, int kind, const QString &caption)
{
    if (!m_rows) {
        m_ok = m_ok && m_file.write(m_block) == m_block.size();
        m_block.clear();
        if (!m_ok || !m_file.flush())
            return failed(m_file.fileName(), m_file.errorString());
        const PosLib::TJsonFrame frame
                = PosLib::jsonFrame(listRowsData(kind, caption, {}), QStringLiteral("rows"));
        return output.putSpooled(frame.open, m_file, frame.close + '\n');
    }
    if (!m_rows->ok())
        return failed(m_rows->fileName(), m_rows->errorString());
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
    QTemporaryFile text;
    if (!text.open())
        return failed(text.fileName(), text.errorString());
    QByteArray block;
    bool written = true;
    const bool replayed = padded([&](const QStringList &record) {
        block += csvText({record});
        if (block.size() >= 64 * 1024) {
            written = written && text.write(block) == block.size();
            block.clear();
        }
    });
    written = written && text.write(block) == block.size() && text.flush();
    if (!replayed)
        return failed(m_rows->fileName(), m_rows->errorString());
    if (!written)
        return failed(text.fileName(), text.errorString());
    return output.putSpooled(QByteArray(), text, QByteArray());
}

bool TListRowsSpool::failed(const QString &file, const QString &why)
{
    fail(TCli::tr("the report's data could not be written to the temporary file %1 (%2)")
                 .arg(file, why));
    return false;
}
