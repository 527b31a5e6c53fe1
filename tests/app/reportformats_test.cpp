#include "jsonschema.h"
#include "testdir.h"
#include "veltrumprocess.h"
#include "xlsxreader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QJsonObject schema()
{
    QFile file(QStringLiteral(VELTRUM_DOCS "/report-schema.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject json(const QString &text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    EXPECT_EQ(QJsonParseError::NoError, error.error) << error.errorString();
    return doc.object();
}

// "1091,19 EUR" -> 109119, "-54,40" -> -5440, "11" -> 11
qint64 figureOf(const QString &text)
{
    QString digits;
    for (const QChar c : text.trimmed().section(QLatin1Char(' '), 0, 0)) {
        if (c.isDigit() || c == QLatin1Char('-'))
            digits += c;
    }
    return digits.toLongLong();
}

// The figure of the first line "Caption....: figure" in `lines`; 0 when
// there is none (the full summary leaves out empty parts).
qint64 figure(const QStringList &lines, const QString &caption)
{
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(caption)
                                  + QStringLiteral("\\.*: (.*)$"));
    for (const QString &l : lines) {
        const QRegularExpressionMatch m = line.match(l);
        if (m.hasMatch())
            return figureOf(m.captured(1));
    }
    return 0;
}

// The lines of each waiter's section of a waiter report, by number.
QMap<int, QStringList> waiterSections(const QStringList &lines)
{
    QMap<int, QStringList> sections;
    const QRegularExpression title(QStringLiteral("^Waiter #(\\d+) - "));
    int current = -1;
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = title.match(line);
        if (m.hasMatch())
            current = m.captured(1).toInt();
        else if (current >= 0)
            sections[current] << line;
    }
    return sections;
}

// RFC 4180 records: quoted fields may hold commas, doubled quotes and line
// breaks; records end with CRLF.
QList<QStringList> parseCsv(const QByteArray &bytes, bool *wellFormed)
{
    *wellFormed = true;
    QList<QStringList> rows;
    QStringList row;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < bytes.size() && bytes.at(i + 1) == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',') {
            row << QString::fromUtf8(field);
            field.clear();
        } else if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
            row << QString::fromUtf8(field);
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else if (c == '"' || c == '\n' || c == '\r') {
            *wellFormed = false; // a bare quote or line break outside quotes
        } else {
            field += c;
        }
    }
    if (!row.isEmpty() || !field.isEmpty())
        *wellFormed = false; // the last record lacks its CRLF
    return rows;
}

class ReportFormats : public DemoReportSuite<3, 12>
{
protected:
    static QStringList week()
    {
        return {QStringLiteral("--from"), QStringLiteral("2026-12-02"), QStringLiteral("--to"),
                QStringLiteral("2026-12-04")};
    }
};

} // namespace

TEST_F(ReportFormats, JsonOfTheWaiterReportFollowsTheSchemaAndAddsUpToTheText)
{
    const QStringList kind5 = QStringList {QStringLiteral("--kind"), QStringLiteral("5")} + week();
    const Outcome text = report(kind5);
    const Outcome data
            = report(kind5 + QStringList {QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(0, data.code) << data.err;
    const QJsonObject doc = json(data.out);
    EXPECT_EQ(QStringList(), schemaViolations(doc, schema()));
    EXPECT_EQ(1, doc.value(QStringLiteral("format")).toInt());
    EXPECT_EQ(QStringLiteral("2026-12-02"), doc.value(QStringLiteral("from")).toString());

    const QJsonArray groups = doc.value(QStringLiteral(
            "sections"))[0][QStringLiteral("periods")][0][QStringLiteral("groups")]
                                      .toArray();
    const QMap<int, QStringList> sections = waiterSections(text.out.split(QLatin1Char('\n')));
    ASSERT_EQ(sections.size(), groups.size());
    int withPayforms = 0;
    for (const QJsonValue &g : groups) {
        const int number = g[QStringLiteral("number")].toInt();
        const QStringList lines = sections.value(number);
        const QJsonObject f = g[QStringLiteral("figures")].toObject();
        const auto amount
                = [&](const char *key) { return qint64(f.value(QLatin1String(key)).toDouble()); };
        EXPECT_EQ(figure(lines, QStringLiteral("Paid tables")), amount("paidTables")) << number;
        EXPECT_EQ(figure(lines, QStringLiteral("Void amount")), amount("voidAmount")) << number;
        EXPECT_EQ(figure(lines, QStringLiteral("Sum of payforms")), amount("inSummary")) << number;
        EXPECT_EQ(figure(lines, QStringLiteral("All amount")), amount("allAmount")) << number;
        EXPECT_EQ(figure(lines, QStringLiteral("Sum Net")), amount("netSum")) << number;
        EXPECT_EQ(figure(lines, QStringLiteral("Guests")), amount("guests")) << number;

        // the payform items add up to the sums the text prints
        qint64 in = 0;
        qint64 notIn = 0;
        int payforms = 0;
        for (const QJsonValue &i : g[QStringLiteral("items")].toArray()) {
            if (i[QStringLiteral("node")].toString() != QLatin1String("payforms"))
                continue;
            ++payforms;
            const QJsonObject values = i[QStringLiteral("values")].toObject();
            const qint64 net = qint64(values.value(QStringLiteral("given")).toDouble())
                               - qint64(values.value(QStringLiteral("return")).toDouble());
            (values.value(QStringLiteral("insum")).toBool() ? in : notIn) += net;
            // and each is the figure of its own line
            const QString name = i[QStringLiteral("text")].toString();
            EXPECT_EQ(figure(lines, QStringLiteral("%1 (%2)").arg(name).arg(
                                            i[QStringLiteral("count")].toDouble())),
                      net)
                    << number << name.toStdString();
        }
        withPayforms += payforms > 0 ? 1 : 0;
        EXPECT_EQ(amount("inSummary"), in) << number;
        EXPECT_EQ(amount("notInSummary"), notIn) << number;
    }
    EXPECT_GT(withPayforms, 2);
}

TEST_F(ReportFormats, CsvHasAHeaderAndOneRowPerItem)
{
    const QStringList kind7 = QStringList {QStringLiteral("--kind"), QStringLiteral("7")} + week();
    const Outcome csv
            = report(kind7 + QStringList {QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(0, csv.code) << csv.err;
    bool wellFormed = false;
    const QList<QStringList> rows = parseCsv(csv.out.toUtf8(), &wellFormed);
    EXPECT_TRUE(wellFormed);
    ASSERT_GT(rows.size(), 2);
    EXPECT_EQ(QStringLiteral("kind,from,to,grouping,number,name,node,key,text,count,amount"),
              rows.first().join(QLatin1Char(',')));
    for (const QStringList &row : rows)
        EXPECT_EQ(11, row.size()) << row.join('|');

    const QJsonObject doc = json(
            report(kind7 + QStringList {QStringLiteral("--format"), QStringLiteral("json")}).out);
    const QJsonObject group = doc[QStringLiteral("sections")][0][QStringLiteral("periods")][0]
                                 [QStringLiteral("groups")][0]
                                         .toObject();
    const QJsonArray items = group.value(QStringLiteral("items")).toArray();
    // one row per item, then the sum line
    ASSERT_EQ(items.size() + 2, rows.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items.at(i)[QStringLiteral("text")].toString(), rows.at(i + 1).at(8));
        EXPECT_EQ(qint64(items.at(i)[QStringLiteral("amount")].toDouble()),
                  rows.at(i + 1).at(10).toLongLong());
    }
    const qint64 sum = qint64(group[QStringLiteral("sums")][QStringLiteral("articles")].toDouble());
    EXPECT_EQ(QStringList({QStringLiteral("sums"), QStringLiteral("articles")}),
              rows.last().mid(6, 2));
    EXPECT_EQ(sum, rows.last().at(10).toLongLong());
    const Outcome text = report(kind7);
    EXPECT_EQ(figureOf(text.out.section(QStringLiteral("Sum articles:"), 1).trimmed()), sum);
}

TEST_F(ReportFormats, XlsxHasASheetPerWaiterAndPeriodWithTheCsvsFiguresAsNumbers)
{
    const QStringList kind5 = QStringList {QStringLiteral("--kind"), QStringLiteral("5")} + week();
    bool wellFormed = false;
    const QList<QStringList> csv = parseCsv(
            report(kind5 + QStringList {QStringLiteral("--format"), QStringLiteral("csv")})
                    .out.toUtf8(),
            &wellFormed);
    ASSERT_GT(csv.size(), 2);
    const QString file = dir->file(QStringLiteral("kind5.xlsx"));
    const Outcome made = report(kind5
                                + QStringList {QStringLiteral("--format"), QStringLiteral("xlsx"),
                                               QStringLiteral("--output"), file});
    ASSERT_EQ(0, made.code) << made.err;
    EXPECT_TRUE(made.out.isEmpty());

    // the CSV's rows per waiter ("number name"), in their order (rows of
    // no waiter would be on a sheet named after the report)
    QStringList waiters;
    QMap<QString, QList<QStringList>> byWaiter;
    for (qsizetype i = 1; i < csv.size(); ++i) {
        const QString key = QStringList {csv.at(i).at(4), csv.at(i).at(5)}
                                    .filter(QRegularExpression(QStringLiteral(".")))
                                    .join(QLatin1Char(' '));
        if (!byWaiter.contains(key))
            waiters << key;
        byWaiter[key] << csv.at(i);
    }
    ASSERT_GT(waiters.size(), 2);
    const QJsonArray sheets = readWorkbook(file).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(waiters.size(), sheets.size());
    int amounts = 0;
    for (qsizetype s = 0; s < sheets.size(); ++s) {
        const QJsonObject sheet = sheets.at(s).toObject();
        EXPECT_EQ(waiters.at(s), sheet.value(QStringLiteral("name")).toString());
        EXPECT_EQ(QStringLiteral("A2"), sheet.value(QStringLiteral("frozen")).toString());
        const QJsonArray cells = sheet.value(QStringLiteral("cells")).toArray();
        const QList<QStringList> rows = byWaiter.value(waiters.at(s));
        ASSERT_EQ(rows.size() + 1, cells.size()) << waiters.at(s);
        for (int c = 0; c < csv.first().size(); ++c) {
            EXPECT_EQ(csv.first().at(c), workbookCell(sheet, 0, c).toString());
            EXPECT_TRUE(workbookCell(sheet, 0, c, 3).toBool());
        }
        for (int r = 0; r < rows.size(); ++r) {
            const QString amount = rows.at(r).at(10);
            if (amount.isEmpty()) {
                EXPECT_TRUE(workbookCell(sheet, r + 1, 10).isNull());
                continue;
            }
            // cents in the CSV, the currency's units in the workbook
            const QString type = workbookCell(sheet, r + 1, 10, 1).toString();
            EXPECT_TRUE(type == QLatin1String("float") || type == QLatin1String("int")) << type;
            EXPECT_EQ(amount.toLongLong(),
                      qRound64(workbookCell(sheet, r + 1, 10).toDouble() * 100))
                    << waiters.at(s) << " row " << r;
            EXPECT_TRUE(workbookCell(sheet, r + 1, 10, 2)
                                .toString()
                                .contains(QStringLiteral("\"EUR\"")));
            EXPECT_EQ(rows.at(r).at(8), workbookCell(sheet, r + 1, 8).toString());
            ++amounts;
        }
    }
    EXPECT_GT(amounts, 20);

    // a period a day: a sheet per day, named by its dates
    const QString days = dir->file(QStringLiteral("kind7.xlsx"));
    ASSERT_EQ(0, report(QStringList {QStringLiteral("--kind"), QStringLiteral("7"),
                                     QStringLiteral("--period"), QStringLiteral("1"),
                                     QStringLiteral("--format"), QStringLiteral("xlsx"),
                                     QStringLiteral("--output"), days}
                        + week())
                         .code);
    const QJsonArray daySheets = readWorkbook(days).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(3, daySheets.size());
    EXPECT_EQ(QStringLiteral("2026-12-02 2026-12-02"),
              daySheets.at(0)[QStringLiteral("name")].toString());
    EXPECT_EQ(QStringLiteral("2026-12-04 2026-12-04"),
              daySheets.at(2)[QStringLiteral("name")].toString());

    // a workbook is a file: without --output it is refused before any work
    const Outcome bare
            = report(kind5 + QStringList {QStringLiteral("--format"), QStringLiteral("xlsx")});
    EXPECT_EQ(2, bare.code);
    EXPECT_TRUE(bare.err.contains(QStringLiteral("--output"))) << bare.err;
}

TEST_F(ReportFormats, PdfHoldsTheLinesOfTheText)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is missing: scripts/deps.sh installs poppler-utils";
    // the table report has no chart between its lines
    const QStringList kind5 = QStringList {QStringLiteral("--kind"), QStringLiteral("38")} + week();
    const QString file = dir->file(QStringLiteral("kind38.pdf"));
    const Outcome pdf = report(kind5
                               + QStringList {QStringLiteral("--format"), QStringLiteral("pdf"),
                                              QStringLiteral("--output"), file});
    ASSERT_EQ(0, pdf.code) << pdf.err;
    EXPECT_TRUE(pdf.out.isEmpty());
    EXPECT_TRUE(pdf.err.isEmpty()) << pdf.err;

    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000));
    QStringList fromPdf;
    int pages = 0;
    for (const QString &line :
         QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.contains(QRegularExpression(QStringLiteral("Page \\d+ of \\d+$")))) {
            ++pages; // the footer of each page
            continue;
        }
        if (!line.simplified().isEmpty())
            fromPdf << line.simplified();
    }
    QStringList fromText;
    for (const QString &line : report(kind5).out.split(QLatin1Char('\n'))) {
        if (!line.simplified().isEmpty())
            fromText << line.simplified();
    }
    EXPECT_GT(pages, 1);
    EXPECT_EQ(fromText, fromPdf);
}

TEST_F(ReportFormats, BatchesGiveOneSectionPerReport)
{
    const Outcome data = report({QStringLiteral("--kind"), QStringLiteral("102"),
                                 QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(0, data.code) << data.err;
    const QJsonObject doc = json(data.out);
    EXPECT_EQ(QStringList(), schemaViolations(doc, schema()));
    EXPECT_EQ(102, doc.value(QStringLiteral("kind")).toInt());
    EXPECT_GT(doc.value(QStringLiteral("sections")).toArray().size(), 1);
    EXPECT_TRUE(doc.value(QStringLiteral("from")).isNull());

    const Outcome missing = report({QStringLiteral("--kind"), QStringLiteral("199"),
                                    QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(1, missing.code);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Batch not found")));
}

TEST_F(ReportFormats, OutputFileOnlyOnSuccessAndProgressOnlyWhenAsked)
{
    const QString file = dir->file(QStringLiteral("out/kind7.json"));
    QDir().mkpath(dir->file(QStringLiteral("out")));
    Outcome r = report({QStringLiteral("--kind"), QStringLiteral("7"), QStringLiteral("--format"),
                        QStringLiteral("json"), QStringLiteral("--output"), file});
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.isEmpty()) << r.err; // no terminal: no progress
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QStringList(),
              schemaViolations(json(QString::fromUtf8(written.readAll())), schema()));
    EXPECT_EQ(QStringList(QStringLiteral("kind7.json")),
              QDir(dir->file(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden));

    r = report(QStringList {QStringLiteral("--kind"), QStringLiteral("5"),
                            QStringLiteral("--progress")}
               + week());
    EXPECT_EQ(0, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("2026-12-04 ["))) << r.err;
    // one bar over the whole run: full once, at its end
    EXPECT_EQ(1, r.err.count(QStringLiteral("] 100%"))) << r.err;
    EXPECT_EQ(report(QStringList {QStringLiteral("--kind"), QStringLiteral("5")} + week()).out,
              r.out);
    // a file that cannot be made: the reason, and the run fails
    const QString nowhere = dir->file(QStringLiteral("no/such/dir/kind7.json"));
    r = report(
            {QStringLiteral("--kind"), QStringLiteral("7"), QStringLiteral("--output"), nowhere});
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(nowhere + QStringLiteral(": cannot be written ("))) << r.err;
    EXPECT_FALSE(r.err.contains(QStringLiteral(".cpp"))) << r.err;

    r = report({QStringLiteral("--kind"), QStringLiteral("5"), QStringLiteral("--progress"),
                QStringLiteral("--quiet")});
    EXPECT_EQ(2, r.code);
    r = report({QStringLiteral("--kind"), QStringLiteral("5"), QStringLiteral("--format"),
                QStringLiteral("xml")});
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("'xml'")));
}

// JSON and CSV go through a temporary file while the report is made; where
// none can be made they are kept in memory and come out the same.
TEST_F(ReportFormats, DataAreTheSameWithoutATemporaryFolder)
{
    const QByteArray saved = qgetenv("TMPDIR");
    for (const char *format : {"json", "csv"}) {
        SCOPED_TRACE(format);
        const QStringList args
                = QStringList {QStringLiteral("--kind"), QStringLiteral("5"),
                               QStringLiteral("--format"), QString::fromLatin1(format)}
                  + week();
        const Outcome spooled = report(args);
        ASSERT_EQ(0, spooled.code) << spooled.err;
        qputenv("TMPDIR", dir->file(QStringLiteral("no/such/folder")).toLocal8Bit());
        const Outcome kept = report(args);
        if (saved.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", saved);
        EXPECT_EQ(0, kept.code) << kept.err;
        EXPECT_GT(spooled.out.size(), 1000);
        EXPECT_EQ(spooled.out, kept.out);
    }
}

TEST_F(ReportFormats, CtrlCStopsTheRunAndLeavesNoFile)
{
    // a range of decades: the run is long enough to be interrupted after
    // its first progress line
    const QString file = dir->file(QStringLiteral("stopped/kind5.json"));
    QDir().mkpath(dir->file(QStringLiteral("stopped")));
    QProcess p;
    p.start(binPath(QStringLiteral("veltrum")),
            {QStringLiteral("report"), QStringLiteral("--data"), root, QStringLiteral("--kind"),
             QStringLiteral("5"), QStringLiteral("--from"), QStringLiteral("1900-01-01"),
             QStringLiteral("--to"), QStringLiteral("2026-12-04"), QStringLiteral("--format"),
             QStringLiteral("json"), QStringLiteral("--output"), file,
             QStringLiteral("--progress")});
    ASSERT_TRUE(p.waitForStarted());
    p.setReadChannel(QProcess::StandardError);
    QByteArray err;
    while (!err.contains('[') && p.waitForReadyRead(60000))
        err += p.readAllStandardError();
    ASSERT_TRUE(err.contains('[')) << err.toStdString();
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(QProcess::NormalExit, p.exitStatus());
    EXPECT_EQ(130, p.exitCode());
    err += p.readAllStandardError();
    EXPECT_TRUE(err.contains("interrupted")) << err.toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    EXPECT_EQ(QStringList(),
              QDir(dir->file(QStringLiteral("stopped"))).entryList(QDir::Files | QDir::Hidden));
}
