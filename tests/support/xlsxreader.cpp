#include "xlsxreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

QJsonObject readWorkbook(const QString &path)
{
    // Debian's python3, whose modules scripts/deps.sh installs
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral(
                     "import sys, json, openpyxl\n"
                     "wb = openpyxl.load_workbook(sys.argv[1])\n"
                     "out = {'sheets': []}\n"
                     "for ws in wb.worksheets:\n"
                     "    s = {'name': ws.title, 'frozen': ws.freeze_panes, 'cells': [],\n"
                     "         'widthA': ws.column_dimensions['A'].width}\n"
                     "    for row in ws.iter_rows():\n"
                     "        s['cells'].append([[c.value, type(c.value).__name__, c.number_format,"
                     " bool(c.font.b)] for c in row])\n"
                     "    out['sheets'].append(s)\n"
                     "print(json.dumps(out))\n"),
             path});
    // generous: a loaded machine may take long to start python
    EXPECT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(0, p.exitCode()) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QJsonValue workbookCell(const QJsonObject &sheet, int row, int column, int part)
{
    return sheet.value(QStringLiteral("cells"))
            .toArray()
            .at(row)
            .toArray()
            .at(column)
            .toArray()
            .at(part);
}
