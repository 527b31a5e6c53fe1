// Terminals writing table files while the back office reports and closes
// the day: several terminalsim processes add orders under the table files'
// locks with the ".tmp" rewrite and archive paid tables; meanwhile this
// process runs reports and closings. Afterwards every order written is in
// exactly one bill, and the reports' figures equal the sum of the bills.

#include "terror.h"
#include "testdir.h"
#include "trecordcodec.h"
#include "trepdata.h"
#include "treport.h"
#include "ttable.h"
#include "ttableentry.h"
#include "tturnover.h"
#include "turnoverdata.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace PosLib;

namespace {

const QDate Day(2014, 3, 5);

// The order prices of every table file below `dir` (one price per order).
QList<qint64> orderPrices(const QString &dir)
{
    QList<qint64> prices;
    const QStringList files = QDir(dir).entryList(QDir::Files);
    for (const QString &name : files) {
        // "a<number>" and "t<number>.<party>"; not "turnover.z" nor temporaries
        static const QRegularExpression tableFile(QStringLiteral("^(a\\d+|t\\d+\\.\\d+)$"));
        if (!tableFile.match(name).hasMatch())
            continue;
        TTable table(nullptr);
        EXPECT_EQ(0, table.load(dir + name, true, 0)) << qPrintable(name);
        EXPECT_EQ(TTable::Open, table.state()) << qPrintable(name);
        EXPECT_FALSE(table.isCutOff()) << qPrintable(name);
        table.entries().forEach([&](const TTableEntry *entry) {
            if (entry->type() == EntryOrder)
                prices << qint64(entry->getLong(QStringLiteral("price")));
        });
    }
    return prices;
}

double ordersAmount(TRepDatas &groups)
{
    const TRepData *all = groups.group(QStringLiteral("0"));
    return all ? all->node(QStringLiteral("orders"))->total()->amount() : 0.0;
}

int close(const QString &root)
{
    TurnoverData data;
    data.setDataPath(root);
    data.setTurnoverDate(Day);
    data.setApplicationName(QStringLiteral("simulator"));
    TClosingOutcome outcome;
    const int code = executeTurnover(data, outcome);
    EXPECT_TRUE(outcome.leftBehind.isEmpty()) << qPrintable(outcome.summary());
    return code;
}

} // namespace

TEST(TerminalSimulator, NoUpdateIsLostAndReportsAddUp)
{
    TestDir dir;
    const QString root = dir.path();
    constexpr int Terminals = 4;
    constexpr int Rounds = 150;
    constexpr int Tables = 5; // fewer tables than terminals: they meet

    std::vector<std::unique_ptr<QProcess>> terminals;
    for (int id = 1; id <= Terminals; ++id) {
        auto process = std::make_unique<QProcess>();
        process->start(
                binPath(QStringLiteral("terminalsim")),
                {root, QString::number(id), QString::number(Rounds), QString::number(Tables)});
        ASSERT_TRUE(process->waitForStarted());
        terminals.push_back(std::move(process));
    }

    // reports and closings while they write, as long as any still runs
    auto running = [&] {
        for (const auto &p : terminals)
            if (p->state() != QProcess::NotRunning)
                return true;
        return false;
    };
    int reports = 0;
    int closings = 0;
    while (running() && reports < 200) {
        TReport report(QDate(), nullptr, root);
        report.setWithOpenTables(true);
        TRepWaiters groups(nullptr, root);
        EXPECT_TRUE(report.runDay(&groups, nullptr, QDate()));
        ++reports;
        if (reports % 3 == 0) {
            EXPECT_EQ(0, close(root));
            ++closings;
        }
        for (const auto &p : terminals)
            p->waitForFinished(10);
    }
    for (const auto &p : terminals) {
        ASSERT_TRUE(p->state() == QProcess::NotRunning || p->waitForFinished(120000));
        EXPECT_EQ(0, p->exitCode()) << p->readAllStandardError().constData();
    }
    EXPECT_EQ(0, close(root));

    // every order the terminals wrote, once
    QList<qint64> written;
    for (int id = 1; id <= Terminals; ++id) {
        for (const QByteArray &line : dir.read(QStringLiteral("sim/%1.log").arg(id)).split('\n'))
            if (!line.isEmpty())
                written << line.toLongLong();
    }
    ASSERT_EQ(Terminals * Rounds, written.size());
    QList<qint64> found = orderPrices(dir.file(QStringLiteral("var/tables/")))
                          + orderPrices(dir.file(QStringLiteral("var/archives/")))
                          + orderPrices(dir.file(QStringLiteral("var/statist/tag05.03.2014/")));
    std::sort(written.begin(), written.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(written, found);
    EXPECT_TRUE(QDir(dir.file(QStringLiteral("var/archives"))).entryList(QDir::Files).isEmpty());

    // the figures of the reports: the open tables, and the closed day
    double sum = 0;
    for (qint64 price : written)
        sum += double(price);
    TReport current(QDate(), nullptr, root);
    current.setWithOpenTables(true);
    TRepWaiters open(nullptr, root);
    ASSERT_TRUE(current.runDay(&open, nullptr, QDate()));
    TReport closed(QDate(), nullptr, root);
    std::unique_ptr<TRepWaiters> day(closed.makeWaiterReport(Day, Day));
    EXPECT_EQ(sum, ordersAmount(open) + ordersAmount(*day));
    std::printf("terminal simulator: %d orders, %d reports and %d closings while writing\n",
                int(written.size()), reports, closings);
}
