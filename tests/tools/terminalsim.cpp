// A point-of-sale terminal as the back office meets it, for the terminal
// simulator test: it adds orders to table files and archives paid tables,
// under the same locks and with the same ".tmp" rewrite as the terminals.
//
//   terminalsim ROOT TERMINAL ROUNDS TABLES
//
// Each round takes the lock of one of TABLES table files in var/tables
// (reading it, or starting it when it is new), adds an order of a price
// unique to this terminal and round, writes the table to ".tmp" and renames
// it over the file while still holding the lock. Every fifth round the
// table is paid and moved to var/archives as "a" + a number of this
// terminal's own, by one rename under the lock. Every order written is
// appended to ROOT/sim/TERMINAL.log ("price"), after its rename.

#include "terror.h"
#include "tfile.h"
#include "trecordcodec.h"
#include "tsavefile.h"
#include "ttableentry.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cstdio>

using namespace Basics;
using namespace PosLib;

namespace {

// Opens the table file for writing, as often as it takes: a terminal waits
// for the back office.
void openLocked(TFile &file)
{
    for (;;) {
        try {
            file.open(QIODevice::ReadWrite);
            return;
        } catch (const TFileError &e) {
            if (e.reason() != 318 || e.osError() == EDEADLK)
                throw;
        }
    }
}

QByteArray newTable(int table, int terminal)
{
    QByteArray data;
    TValue head;
    head.setInt(QStringLiteral("table"), table);
    head.setInt(QStringLiteral("party"), 1);
    appendRecord(data, head);
    TValue create;
    create.setInt(QStringLiteral("type"), EntryCreate);
    create.setInt(QStringLiteral("waiter"), 7);
    create.setInt(QStringLiteral("terminal"), terminal);
    appendRecord(data, create);
    return data;
}

QByteArray record(int id, int type, qint64 amount)
{
    TValue entry;
    entry.setId(id);
    entry.setInt(QStringLiteral("type"), type);
    entry.setString(QStringLiteral("date"), QStringLiteral("2014-03-05"));
    entry.setString(QStringLiteral("time"), QStringLiteral("12:00:00"));
    if (type == EntryOrder) {
        entry.setInt(QStringLiteral("price"), amount);
        entry.setDouble(QStringLiteral("count"), 1);
    } else {
        entry.setInt(QStringLiteral("amount"), amount);
    }
    QByteArray data;
    appendRecord(data, entry);
    return data;
}

// The number of records in table data (header and creation included).
int records(const QByteArray &data)
{
    TRecordReader reader(data);
    TValue value;
    int n = 0;
    while (reader.read(value) == TRecordReader::Ok)
        ++n;
    return n;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: terminalsim ROOT TERMINAL ROUNDS TABLES\n");
        return 2;
    }
    const QString root = args.at(1) + QLatin1Char('/');
    const int terminal = args.at(2).toInt();
    const int rounds = args.at(3).toInt();
    const int tables = args.at(4).toInt();
    QDir().mkpath(root + QStringLiteral("var/tables"));
    QDir().mkpath(root + QStringLiteral("var/archives"));
    QDir().mkpath(root + QStringLiteral("sim"));
    QFile log(root + QStringLiteral("sim/%1.log").arg(terminal));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return 2;

    try {
        for (int round = 1; round <= rounds; ++round) {
            const int table = 1 + (round * 7 + terminal * 3) % tables;
            const QString path = root + QStringLiteral("var/tables/t%1.001").arg(table);
            const qint64 price = terminal * 100000 + round;
            TFile file(path);
            openLocked(file);
            QByteArray data = file.readRest();
            if (data.isEmpty())
                data = newTable(table, terminal);
            data += record(records(data) - 1, EntryOrder, price);
            const bool pay = round % 5 == 0;
            if (pay)
                data += record(records(data) - 1, EntryPay, 0);
            TSaveFile tmp(path, path + QStringLiteral(".tmp"));
            tmp.open();
            tmp.write(data);
            tmp.commit(); // the table file keeps its lock until here
            if (pay) {
                // paid: into the archive, still under the lock
                const QString archive
                        = root + QStringLiteral("var/archives/a%1").arg(terminal * 100000 + round);
                if (::rename(QFile::encodeName(path).constData(),
                             QFile::encodeName(archive).constData())
                    != 0)
                    return 3;
            }
            file.close();
            log.write(QByteArray::number(price) + '\n');
            log.flush();
        }
    } catch (const TError &e) {
        std::fprintf(stderr, "terminalsim: %s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
