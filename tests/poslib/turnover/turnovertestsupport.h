#pragma once

// The day-turnover test fixture: a test installation with waiters, bills in
// var/archives and helpers that look at what a closing left behind. Shared
// by the turnover tests and the closing-flow tests.

#include "tturnover.h"

#include "tarchinfo.h"
#include "tarchtable.h"
#include "tcounter.h"
#include "testdir.h"
#include "tmessages.h"
#include "trecordcodec.h"
#include "tsettings.h"
#include "ttable.h"
#include "ttableentry.h"
#include "turnoverdata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <memory>

using Basics::TValue;
using namespace PosLib;

namespace turnovertest {

// A paid bill: header, creation record of `waiter`, `orders` orders and
// one payment. Orders carry a text so that a bill can be made to span
// several copy blocks.
inline QByteArray billBytes(long table, int waiter, int orders = 2, int textLength = 10)
{
    QByteArray data;
    TValue head;
    head.setInt(QStringLiteral("table"), table);
    head.setInt(QStringLiteral("party"), 1);
    head.setInt(QStringLiteral("round"), 1);
    Basics::appendRecord(data, head);
    TValue create;
    create.setId(0);
    create.setInt(QStringLiteral("type"), EntryCreate);
    create.setInt(QStringLiteral("waiter"), waiter);
    create.setString(QStringLiteral("waitername"), QStringLiteral("Waiter %1").arg(waiter));
    Basics::appendRecord(data, create);
    for (int id = 1; id <= orders; ++id) {
        TValue order;
        order.setId(id);
        order.setInt(QStringLiteral("type"), EntryOrder);
        order.setInt(QStringLiteral("price"), 250);
        order.setDouble(QStringLiteral("count"), 1);
        order.setString(QStringLiteral("text"), QString(textLength, QLatin1Char('x')));
        Basics::appendRecord(data, order);
    }
    TValue pay;
    pay.setId(orders + 1);
    pay.setInt(QStringLiteral("type"), EntryPay);
    pay.setInt(QStringLiteral("amount"), 250 * orders);
    Basics::appendRecord(data, pay);
    return data;
}

inline TValue *newWaiter(int id, const QString &name)
{
    auto *waiter = new TValue;
    waiter->setId(id);
    waiter->setName(name);
    waiter->setInt(QStringLiteral("mintablerange"), 1);
    waiter->setInt(QStringLiteral("maxtablerange"), 20);
    return waiter;
}

class TurnoverTest : public ::testing::Test
{
protected:
    TurnoverTest()
    {
        waiters.insert(newWaiter(7, QStringLiteral("Anna")));
        waiters.insert(newWaiter(8, QStringLiteral("Bruno")));
        anna = waiters.find(7);
        bruno = waiters.find(8);
    }

    QString root() const { return dir.path(); }
    QString dayFile(const QString &name) const { return dayPath + name; }

    // Bill `table` of `waiter` as archive `number`; remembers its entries.
    void archive(long number, long table, int waiter, int orders = 2, int textLength = 10)
    {
        dir.write(QStringLiteral("var/archives/a%1").arg(number),
                  billBytes(table, waiter, orders, textLength));
        entryCounts[table] = orders + 1;
    }
    void openTable(long table, int waiter)
    {
        dir.write(QStringLiteral("var/tables/t%1.001").arg(table), billBytes(table, waiter));
    }

    int run(TValue *waiter = nullptr, TValue *executing = nullptr, bool cancel = false)
    {
        TurnoverData data;
        data.setDataPath(root());
        data.setTurnoverDate(day);
        data.setWaiter(waiter);
        data.setTurnoverWaiter(executing);
        data.setApplicationName(QStringLiteral("test"));
        data.setTerminalId(3);
        data.setCancelTurnover(cancel);
        data.setClock(QDateTime(QDate(2014, 3, 6), QTime(1, 30, 5)));
        return executeTurnover(data);
    }

    long counter(const QString &dirName, const QString &file, const QString &name)
    {
        return TCounter(dir.file(dirName), file).get(name);
    }
    QStringList journal() const
    {
        return QString::fromLocal8Bit(dir.read(dayFile(QStringLiteral("turnover.z"))))
                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    QString line(const QString &fields) const { return fields.arg(day.toString(Qt::TextDate)); }

    // The table of an archive file ("var/archives" or the day directory),
    // loaded with its entries; null when it does not load whole.
    std::unique_ptr<TTable> bill(const QString &relativeDir, const QString &name)
    {
        const long number = tableFileNumber(name);
        std::unique_ptr<TTable> table(relativeDir == dayPath
                                              ? new TTable(day, number, nullptr, root())
                                              : new TTable(number, nullptr, root()));
        const int loaded = table->load(dir.file(relativeDir + name), true, 0);
        if (loaded != 0 || table->state() != TTable::Open
            || table->entries().ids().size() != entryCounts.value(table->table()))
            return nullptr;
        return table;
    }
    // Table number -> "dir/name" of every readable "a*" file of the two
    // places; an unreadable file shows under table 0.
    QMultiMap<long, QString> bills()
    {
        QMultiMap<long, QString> found;
        for (const QString &place : {QStringLiteral("var/archives/"), dayPath}) {
            const QStringList names = QDir(dir.file(place))
                                              .entryList(QStringList(QStringLiteral("a*")),
                                                         QDir::Files | QDir::Hidden);
            for (const QString &name : names) {
                if (name.endsWith(QLatin1String(".tmp")))
                    continue;
                const std::unique_ptr<TTable> table = bill(place, name);
                found.insert(table ? table->table() : 0, place + name);
            }
        }
        return found;
    }
    QStringList names(const QString &relativeDir) const
    {
        return QDir(dir.file(relativeDir)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // File names in the archive index.
    QStringList indexed() const
    {
        TArchInfos index(root());
        index.load();
        QStringList out;
        for (const TArchInfo *info : index.records())
            out << info->getString(QStringLiteral("fn"));
        out.sort();
        return out;
    }
    QList<long> summaryTables()
    {
        QList<long> tables;
        TArchTable summary(root(), day);
        while (TTable *t = summary.nextTable()) {
            tables << t->table();
            delete t;
        }
        std::sort(tables.begin(), tables.end());
        return tables;
    }

    TestDir dir;
    Basics::TValueList waiters;
    TValue *anna = nullptr;
    TValue *bruno = nullptr;
    const QDate day {2014, 3, 5};
    const QString dayPath = QStringLiteral("var/statist/tag05.03.2014/");
    const QString summaryFile = QStringLiteral("var/summary/2014-03-05.dat");
    QHash<long, int> entryCounts;
};

// One closing in a process of its own (closingrun) under the fault shim:
// the `at`-th of the file calls `ops` under `root` whose path contains
// `path` fails with `errorName`, or, with `kill`, the process ends there.
struct ShimFault
{
    QString root;
    QString path;
    QString ops;
    long at = 0;
    QString errorName = QStringLiteral("EIO");
    bool kill = false;
    QString report; // where the shim writes what it counted and failed
};

// What closingrun printed, line by line as "key value"; `finished` is
// false when it crashed, was killed or did not end.
struct ShimOutput
{
    bool finished = false;
    QList<QPair<QString, QString>> lines;
};

inline ShimOutput runClosingUnderShim(const ShimFault &fault, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), binPath(QStringLiteral("libfaultshim.so")));
    env.insert(QStringLiteral("VELTRUM_FAULT_ROOT"), fault.root);
    if (!fault.path.isEmpty())
        env.insert(QStringLiteral("VELTRUM_FAULT_PATH"), fault.path);
    env.insert(QStringLiteral("VELTRUM_FAULT_OPS"), fault.ops);
    env.insert(QStringLiteral("VELTRUM_FAULT_AT"), QString::number(fault.at));
    env.insert(QStringLiteral("VELTRUM_FAULT_ERRNO"), fault.errorName);
    env.insert(QStringLiteral("VELTRUM_FAULT_KILL"), fault.kill ? QStringLiteral("1") : QString());
    if (!fault.report.isEmpty())
        env.insert(QStringLiteral("VELTRUM_FAULT_REPORT"), fault.report);
    process.setProcessEnvironment(env);
    process.start(binPath(QStringLiteral("closingrun")), arguments);
    ShimOutput output;
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "closingrun did not end";
        process.kill();
        process.waitForFinished();
        return output;
    }
    output.finished = process.exitStatus() == QProcess::NormalExit;
    for (const QString &line :
         QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n')))
        output.lines << qMakePair(line.section(QLatin1Char(' '), 0, 0),
                                  line.section(QLatin1Char(' '), 1));
    return output;
}

} // namespace turnovertest

using namespace turnovertest;
