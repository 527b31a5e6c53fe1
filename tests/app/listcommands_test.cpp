// veltrum open-tables and veltrum time-controls over a demo installation.

#include "smalldemo.h"
#include "testdir.h"
#include "xlsxreader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using smalldemo::Today;

struct Listing
{
    int code = -1;
    QStringList lines; // stdout
    QString err;
};

class ListCommands : public ::testing::Test
{
protected:
    void SetUp() override { smalldemo::write(dir.path()); }

    Listing veltrum(const QString &command, const QStringList &args) const
    {
        QProcess p;
        p.start(binPath(QStringLiteral("veltrum")),
                QStringList {command, QStringLiteral("--data"), dir.path()} + args);
        p.waitForFinished(60000);
        QString out = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_FALSE(out.contains(QLatin1Char('\r')));
        if (out.endsWith(QLatin1Char('\n')))
            out.chop(1);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n')),
                QString::fromUtf8(p.readAllStandardError())};
    }

    Listing timeControls(const QStringList &args) const
    {
        return veltrum(QStringLiteral("time-controls"),
                       QStringList {QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00")}
                               + args);
    }

    void writeDay(const QDate &day, int waiter, const QString &time) const
    {
        smalldemo::writeTimeControls(dir.path(), day, waiter, time);
    }

    // Lines without indentation, that is the top-level items.
    static QStringList topLevel(const QStringList &lines)
    {
        QStringList top;
        for (const QString &line : lines)
            if (!line.startsWith(QLatin1Char(' ')))
                top << line;
        return top;
    }

    TestDir dir;
};

TEST_F(ListCommands, OpenTablesListsTitlesTablesWithTheirDetailsAndTheStatus)
{
    const Listing run = veltrum(QStringLiteral("open-tables"), {});
    ASSERT_EQ(0, run.code) << run.err.toStdString();
    const QStringList top = topLevel(run.lines);
    // the demo's tables 28 and 45; 27 is held by a handheld
    ASSERT_EQ(4, top.size()) << run.lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QStringLiteral("Table\tParty\tAmount\tWaiter\tWaiter name\tTable name"), top[0]);
    // numbers without the window's alignment blanks
    EXPECT_TRUE(top[1].startsWith(QStringLiteral("28\t1\t"))) << top[1].toStdString();
    EXPECT_TRUE(top[2].startsWith(QStringLiteral("45\t1\t"))) << top[2].toStdString();
    const QString amount28 = top[1].section(QLatin1Char('\t'), 2, 2);
    const QString amount45 = top[2].section(QLatin1Char('\t'), 2, 2);
    auto cents
            = [](const QString &money) { return QString(money).remove(QLatin1Char(',')).toLong(); };
    const long sum = cents(amount28) + cents(amount45);
    EXPECT_EQ(QStringLiteral("2 tables (%1,%2 EUR)")
                      .arg(sum / 100)
                      .arg(sum % 100, 2, 10, QLatin1Char('0')),
              top[3]);

    // table 28: groups two spaces in, their rows four; the group of its
    // payment between creation and orders
    const int at = int(run.lines.indexOf(top[1]));
    EXPECT_EQ(QStringLiteral("  Creation"), run.lines.value(at + 1));
    EXPECT_EQ(QStringLiteral("    Bill\tTime\tDate"), run.lines.value(at + 2));
    EXPECT_TRUE(run.lines.value(at + 3).startsWith(QStringLiteral("    0\t")));
    EXPECT_TRUE(run.lines.value(at + 3).endsWith(QStringLiteral("\t2026-12-05")));
    EXPECT_EQ(QStringLiteral("  Pay"), run.lines.value(at + 4));
    EXPECT_EQ(QStringLiteral("    Amount\tPayform\tTime\tDate"), run.lines.value(at + 5));
    EXPECT_TRUE(run.lines.value(at + 6).contains(QStringLiteral("\tCash\t")));
    EXPECT_EQ(QStringLiteral("  Order"), run.lines.value(at + 7));
    EXPECT_EQ(QStringLiteral("    Price\tArticle\t\tCount\tTime\tDate"), run.lines.value(at + 8));
}

TEST_F(ListCommands, OpenTablesAsAWorkbookHaveNumbersAndAmountsAsNumbers)
{
    const QString file = dir.file(QStringLiteral("open.xlsx"));
    const Listing run = veltrum(
            QStringLiteral("open-tables"),
            {QStringLiteral("--format"), QStringLiteral("xlsx"), QStringLiteral("--output"), file});
    ASSERT_EQ(0, run.code) << run.err.toStdString();
    const Listing text = veltrum(QStringLiteral("open-tables"), {});
    const QStringList top = topLevel(text.lines);
    ASSERT_EQ(4, top.size());
    const QJsonArray sheets = readWorkbook(file).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(1, sheets.size());
    const QJsonObject sheet = sheets.first().toObject();
    EXPECT_EQ(QStringLiteral("Open tables"), sheet.value(QStringLiteral("name")).toString());
    // the title row, then the list's rows with their depth
    EXPECT_EQ(QStringLiteral("depth"), workbookCell(sheet, 0, 0).toString());
    EXPECT_EQ(QStringLiteral("Table"), workbookCell(sheet, 1, 1).toString());
    int tables = 0;
    const QJsonArray cells = sheet.value(QStringLiteral("cells")).toArray();
    for (int r = 2; r < cells.size(); ++r) {
        if (workbookCell(sheet, r, 0).toInteger() != 0)
            continue;
        const QJsonValue table = workbookCell(sheet, r, 1);
        if (!table.isDouble())
            continue; // the status line
        // table, party and amount as numbers, the amount in the currency
        const QStringList shown = top.value(1 + tables).split(QLatin1Char('\t'));
        EXPECT_EQ(shown.at(0).toLongLong(), table.toInteger());
        EXPECT_EQ(shown.at(1).toLongLong(), workbookCell(sheet, r, 2).toInteger());
        EXPECT_EQ(QString(shown.at(2)).remove(QLatin1Char(',')).toLongLong(),
                  qRound64(workbookCell(sheet, r, 3).toDouble() * 100));
        EXPECT_TRUE(workbookCell(sheet, r, 3, 2).toString().contains(QStringLiteral("\"EUR\"")));
        EXPECT_EQ(shown.at(4), workbookCell(sheet, r, 5).toString());
        ++tables;
    }
    EXPECT_EQ(2, tables);
    EXPECT_EQ(top.at(3), workbookCell(sheet, cells.size() - 1, 1).toString());
}

TEST_F(ListCommands, OpenTablesWithoutACurrencyListShowCents)
{
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("usr/data/currency.dat"))));
    const Listing run = veltrum(QStringLiteral("open-tables"), {});
    ASSERT_EQ(0, run.code) << run.err.toStdString();
    const QStringList top = topLevel(run.lines);
    ASSERT_EQ(4, top.size());
    const QString amount = top[1].section(QLatin1Char('\t'), 2, 2);
    bool number = false;
    amount.toLong(&number);
    EXPECT_TRUE(number) << amount.toStdString();
    EXPECT_TRUE(top[3].startsWith(QStringLiteral("2 tables (")));
    EXPECT_TRUE(top[3].endsWith(QStringLiteral(" )"))) << top[3].toStdString();
    // the payment's amount in the back office's money text
    const QRegularExpression payRow(QStringLiteral("^    -?\\d+\\.\\d\\d\tCash\t"));
    EXPECT_EQ(1, run.lines.filter(payRow).size());

    // no tables at all
    QDir(dir.file(QStringLiteral("var/tables"))).removeRecursively();
    const Listing none = veltrum(QStringLiteral("open-tables"), {});
    EXPECT_EQ(0, none.code);
    EXPECT_EQ(QStringList({QStringLiteral("Table\tParty\tAmount\tWaiter\tWaiter name\tTable name"),
                           QStringLiteral("0 tables (0.00 )")}),
              none.lines);
}

TEST_F(ListCommands, TimeControlsPerWaiterWithPeriodsInDayOrder)
{
    writeDay(QDate(2026, 11, 20), 1, QStringLiteral("22:00:00#02:00:00"));
    const Listing night = timeControls({QStringLiteral("--from"), QStringLiteral("2026-11-20"),
                                        QStringLiteral("--to"), QStringLiteral("2026-11-20")});
    ASSERT_EQ(0, night.code) << night.err.toStdString();
    EXPECT_EQ(QStringList({QStringLiteral("1\tAnna\t   4 hours  0 minutes"),
                           QStringLiteral("  20.11.2026\t\t   4 hours  0 minutes\t22:00\t02:00")}),
              night.lines);

    // every day: waiters in number order, their periods by day; a period
    // still running today ends at --now
    const Listing all = timeControls({});
    ASSERT_EQ(0, all.code) << all.err.toStdString();
    QList<int> numbers;
    for (const QString &line : topLevel(all.lines))
        numbers << line.section(QLatin1Char('\t'), 0, 0).toInt();
    QList<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, numbers);
    EXPECT_EQ(1, numbers.value(0));
    QDate last;
    for (const QString &line : all.lines) {
        if (!line.startsWith(QLatin1Char(' '))) {
            last = QDate();
            continue;
        }
        const QDate day = QDate::fromString(line.mid(2, 10), QStringLiteral("dd.MM.yyyy"));
        ASSERT_TRUE(day.isValid()) << line.toStdString();
        EXPECT_LE(last, day) << line.toStdString();
        last = day;
    }
    EXPECT_TRUE(all.lines.join(QLatin1Char('\n')).contains(QStringLiteral("\t21:00\n")));

    // one waiter over two days
    const Listing clara = timeControls({QStringLiteral("--waiter"), QStringLiteral("3"),
                                        QStringLiteral("--from"), QStringLiteral("2026-12-04")});
    ASSERT_EQ(0, clara.code) << clara.err.toStdString();
    const QStringList claraTop = topLevel(clara.lines);
    ASSERT_EQ(1, claraTop.size());
    EXPECT_TRUE(claraTop[0].startsWith(QStringLiteral("3\tClara\t")));
    for (const QString &line : clara.lines.mid(1))
        EXPECT_TRUE(line.startsWith(QStringLiteral("  04.12.2026\t\t"))
                    || line.startsWith(QStringLiteral("  05.12.2026\t\t")))
                << line.toStdString();
}

TEST_F(ListCommands, TimeControlsWithoutRecordsOrWithAnUnreadableDay)
{
    // nothing recorded: nothing listed, and no folder made for it
    QDir(dir.file(QStringLiteral("var/control"))).removeRecursively();
    const Listing missing = timeControls({});
    EXPECT_EQ(0, missing.code);
    EXPECT_TRUE(missing.lines.isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("var/control")));
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("var/control"))));
    const Listing empty = timeControls({});
    EXPECT_EQ(0, empty.code);
    EXPECT_TRUE(empty.lines.isEmpty());

    // a day file cut short
    writeDay(Today, 1, QStringLiteral("08:00:00#"));
    QFile file(dir.file(QStringLiteral("var/control/20261205")));
    ASSERT_TRUE(file.resize(file.size() - 1));
    const Listing broken = timeControls({});
    EXPECT_EQ(1, broken.code);
    EXPECT_TRUE(broken.lines.isEmpty());
    EXPECT_TRUE(broken.err.contains(QStringLiteral("Could not load time controls")))
            << broken.err.toStdString();
}

TEST_F(ListCommands, BadArgumentsAreUsageErrors)
{
    const QList<QStringList> bad = {{QStringLiteral("--waiter"), QStringLiteral("99")},
                                    {QStringLiteral("--waiter"), QStringLiteral("x")},
                                    {QStringLiteral("--from"), QStringLiteral("2026-02-30")},
                                    {QStringLiteral("--from"), QStringLiteral("2026-12-05"),
                                     QStringLiteral("--to"), QStringLiteral("2026-12-04")},
                                    {QStringLiteral("--now"), QStringLiteral("tomorrow")},
                                    {QStringLiteral("--since"), QStringLiteral("2026-12-01")},
                                    {QStringLiteral("--format"), QStringLiteral("xml")},
                                    {QStringLiteral("--to")}};
    for (const QStringList &args : bad) {
        const Listing run = veltrum(QStringLiteral("time-controls"), args);
        EXPECT_EQ(2, run.code) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.lines.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_TRUE(veltrum(QStringLiteral("time-controls"),
                        {QStringLiteral("--waiter"), QStringLiteral("99")})
                        .err.contains(QStringLiteral("99")));
    EXPECT_EQ(2, veltrum(QStringLiteral("open-tables"), {QStringLiteral("--all")}).code);
    EXPECT_EQ(2, veltrum(QStringLiteral("open-tables"),
                         {QStringLiteral("--now"), QStringLiteral("noon")})
                         .code);
}

} // namespace
