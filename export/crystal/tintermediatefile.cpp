#include "tintermediatefile.h"

#include "tdir.h"
#include "tsavefile.h"
#include "tvalue.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <vector>

using namespace Basics;

namespace Crystal {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('|');
}

// The header line of an existing list file: its separator and columns.
// Column names never need quotes, so the line splits plainly.
bool readHeader(const QByteArray &bytes, TListLayout &layout)
{
    qsizetype end = bytes.indexOf('\n');
    QString line = QString::fromUtf8(bytes.left(end < 0 ? bytes.size() : end)).trimmed();
    if (line.startsWith(QChar(0xFEFF)))
        line.remove(0, 1);
    if (line.isEmpty())
        return false;
    layout.separator = QLatin1Char(',');
    for (QChar c : std::as_const(line)) {
        if (isSeparator(c) || c == QLatin1Char('\t')) {
            layout.separator = c;
            break;
        }
    }
    layout.columns = line.split(layout.separator);
    return true;
}

} // namespace

TListLayout parseListLayout(const QString &layoutText)
{
    TListLayout layout;
    const QString text = layoutText.trimmed();
    for (QChar c : text) {
        if (isSeparator(c)) {
            layout.separator = c;
            break;
        }
    }
    for (const QString &name : text.split(layout.separator, Qt::SkipEmptyParts)) {
        const QString column = name.trimmed();
        if (!column.isEmpty())
            layout.columns.append(column);
    }
    return layout;
}

namespace {

// "id" and "ref_table" first, the other names in alphabetical order.
QStringList columnsOf(QStringList rest)
{
    QStringList columns;
    for (const char *first : {"id", "ref_table"}) {
        const QString name = QLatin1String(first);
        if (rest.removeAll(name) > 0)
            columns.append(name);
    }
    std::sort(rest.begin(), rest.end());
    return columns + rest;
}

// a private file of this process: any version of the stream will do
constexpr QDataStream::Version SpoolVersion = QDataStream::Qt_6_0;

} // namespace

QString csvField(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString intermediateFileName(const QString &directory, const QString &name)
{
    return QDir(directory).filePath(name + QStringLiteral(".txt"));
}

void writeIntermediateFile(const TValueList &list, const QString &layoutText, const QString &file,
                           bool append)
{
    TIntermediateWriter writer(layoutText, file, append);
    for (const TValue *record : list.valueMap())
        writer.add(*record);
    writer.commit();
}

TIntermediateWriter::TIntermediateWriter(const QString &layoutText, const QString &file,
                                         bool append)
    : m_layout(parseListLayout(layoutText))
    , m_out(file)
{
    QFile existing(file);
    QByteArray first;
    if (append && existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            throw TFileError(T_SOURCE, 301, 301, existing.fileName());
        first = existing.readLine();
        TListLayout own;
        if (readHeader(first, own)) {
            m_layout = own;
            m_header = false;
        } else {
            existing.close();
        }
    }
    m_out.open();
    if (!m_header) {
        // the records of the paths before, as they are
        QByteArray last = first;
        m_out.write(first);
        while (!existing.atEnd()) {
            const QByteArray block = existing.read(1 << 16);
            if (block.isEmpty())
                throw TFileError(T_SOURCE, 304, 310, existing.fileName());
            m_out.write(block);
            last = block;
        }
        if (!last.endsWith('\n'))
            m_out.write("\r\n");
    }
    if (!m_layout.columns.isEmpty()) {
        if (m_header)
            writeHeader();
        return;
    }
    if (m_spoolFile.open()) {
        m_spool = &m_spoolFile;
    } else {
        m_spoolBuffer.setBuffer(&m_spoolBytes);
        m_spoolBuffer.open(QIODevice::ReadWrite);
        m_spool = &m_spoolBuffer;
    }
    m_spoolOut.setDevice(m_spool);
    m_spoolOut.setVersion(SpoolVersion);
}

TIntermediateWriter::~TIntermediateWriter() = default;

// Column names never need quotes.
void TIntermediateWriter::writeHeader()
{
    m_out.write((m_layout.columns.join(m_layout.separator) + QLatin1String("\r\n")).toUtf8());
}

void TIntermediateWriter::writeLine(const QStringList &values)
{
    QString line;
    for (int i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += m_layout.separator;
        line += csvField(values.at(i), m_layout.separator);
    }
    line += QLatin1String("\r\n");
    m_out.write(line.toUtf8());
}

void TIntermediateWriter::add(const TValue &record)
{
    ++m_count;
    if (!m_spool) {
        QStringList values;
        for (const QString &column : std::as_const(m_layout.columns))
            values << record.getString(column);
        writeLine(values);
        return;
    }
    // each field as the number of its name and its text
    m_spoolOut << qint32(record.fields().size());
    for (auto it = record.fields().cbegin(); it != record.fields().cend(); ++it) {
        auto named = m_named.constFind(it.key());
        if (named == m_named.cend()) {
            named = m_named.insert(it.key(), qint32(m_names.size()));
            m_names.append(it.key());
        }
        m_spoolOut << *named << record.getString(it.key());
    }
}

void TIntermediateWriter::commit()
{
    if (m_spool) {
        m_layout.columns = columnsOf(m_names);
        if (m_header)
            writeHeader();
        const bool written = m_spoolOut.status() == QDataStream::Ok && m_spool->seek(0);
        if (!written)
            throw TFileError(T_SOURCE, 305, 308, m_spoolFile.fileName());
        // the column of each name's number
        std::vector<qsizetype> columnOf(size_t(m_names.size()));
        for (qsizetype i = 0; i < m_names.size(); ++i)
            columnOf[size_t(i)] = m_layout.columns.indexOf(m_names.at(i));
        QDataStream in(m_spool);
        in.setVersion(SpoolVersion);
        for (int n = 0; n < m_count; ++n) {
            QStringList values(m_layout.columns.size());
            qint32 fields = 0;
            in >> fields;
            for (qint32 i = 0; i < fields && in.status() == QDataStream::Ok; ++i) {
                qint32 name = -1;
                QString text;
                in >> name >> text;
                if (name >= 0 && name < qint32(columnOf.size()))
                    values[columnOf[size_t(name)]] = text;
            }
            if (in.status() != QDataStream::Ok)
                throw TFileError(T_SOURCE, 304, 310, EIO, m_spoolFile.fileName());
            writeLine(values);
        }
    }
    m_out.commit();
}

QStringList removedIntermediateFiles()
{
    return {QStringLiteral("tables.txt"), QStringLiteral("creates.txt"),
            QStringLiteral("orders.txt"), QStringLiteral("voids.txt"), QStringLiteral("pays.txt")};
}

void removeIntermediateFiles(const QString &directory)
{
    const QDir dir(directory);
    for (const QString &name : removedIntermediateFiles()) {
        const QString file = dir.filePath(name);
        if (QFile::exists(file))
            deleteFile(file);
    }
}

} // namespace Crystal
