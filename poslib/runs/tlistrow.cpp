#include "tlistrow.h"

#include <QRegularExpression>
#include <QTextStream>

namespace PosLib {

namespace {

void writeRow(QTextStream &out, const TListRow &row, int depth)
{
    QStringList columns = row.columns;
    while (!columns.isEmpty() && columns.constLast().isEmpty())
        columns.removeLast();
    const QString indent(depth * 2, QLatin1Char(' '));
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = columns.join(QLatin1Char('\t')).split(lineBreak);
    for (const QString &line : lines)
        out << indent << line << '\n';
    for (const TListRow &child : row.children)
        writeRow(out, child, depth + 1);
}

} // namespace

TListRow &TListRow::addChild(const QString &text)
{
    children.append(TListRow(text));
    return children.last();
}

TListRow &TListRow::addChild(const QStringList &texts)
{
    children.append(TListRow(texts));
    return children.last();
}

QString listRowsText(const TListRows &rows)
{
    QString text;
    QTextStream out(&text);
    writeListRows(out, rows);
    out.flush();
    return text;
}

QStringList listRowsLines(const TListRows &rows)
{
    QStringList lines = listRowsText(rows).split(QLatin1Char('\n'));
    // after the last line's end
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

void writeListRows(QTextStream &out, const TListRows &rows)
{
    for (const TListRow &row : rows)
        writeRow(out, row, 0);
}

} // namespace PosLib
