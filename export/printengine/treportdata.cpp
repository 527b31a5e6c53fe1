#include "treportdata.h"

#include <QDir>
#include <QFile>

namespace PrintEngine {

TDataList::TDataList(const QStringList &columns, const QList<QStringList> &rows)
    : m_columns(columns)
    , m_rows(rows)
{
    for (int i = 0; i < m_columns.size(); ++i)
        m_index.insert(m_columns.at(i), i);
}

QString TDataList::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0)
        return QString();
    const QStringList &fields = m_rows.at(row);
    return column < fields.size() ? fields.at(column) : QString();
}

QList<QStringList> parseCsv(const QString &text, QChar separator)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false; // inside a quoted field
    bool pending = false; // the record has begun
    qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    const qsizetype n = text.size();
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            pending = true;
        } else if (c == separator) {
            row.append(field);
            field.clear();
            pending = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (pending || !field.isEmpty()) {
                row.append(field);
                rows.append(row);
            }
            row.clear();
            field.clear();
            pending = false;
        } else {
            field += c;
            pending = true;
        }
    }
    if (pending || !field.isEmpty()) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

QChar detectSeparator(const QString &text)
{
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    const QStringView header = QStringView(text).left(end < 0 ? text.size() : end);
    for (QChar c : header) {
        if (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('|')
            || c == QLatin1Char('\t'))
            return c;
    }
    return QLatin1Char(',');
}

TDataList parseList(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows = parseCsv(text, detectSeparator(text));
    if (rows.isEmpty())
        return TDataList();
    const QStringList columns = rows.takeFirst();
    return TDataList(columns, rows);
}

bool TReportData::load(const QString &directory, const QStringList &names)
{
    m_lists.clear();
    m_error.clear();
    const QDir dir(directory);
    for (const QString &name : names) {
        QFile file(dir.filePath(name + QStringLiteral(".txt")));
        if (!file.exists()) {
            m_lists.insert(name, TDataList());
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
        m_lists.insert(name, parseList(file.readAll()));
    }
    return true;
}

const TDataList *TReportData::list(const QString &name) const
{
    auto it = m_lists.constFind(name);
    return it == m_lists.constEnd() ? nullptr : &it.value();
}

} // namespace PrintEngine
