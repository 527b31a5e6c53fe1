// The floor alone: reads the day summaries of an installation as cheaply as
// a report could (tfloor.h) and prints what it read, its CPU time and its
// peak memory.
//
//   bench_floor INSTALLATION [FROM TO]    (dates yyyy-MM-dd; default: every
//                                          day summary of the installation)
#include "tfloor.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <sys/resource.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bench_floor INSTALLATION [FROM TO]\n");
        return 2;
    }
    const QString root = QDir(args.at(0)).absolutePath() + QLatin1Char('/');
    QDate from = QDate::fromString(args.value(1), Qt::ISODate);
    QDate to = QDate::fromString(args.value(2), Qt::ISODate);
    if (!from.isValid() || !to.isValid()) {
        const QStringList days = QDir(root + QStringLiteral("var/summary"))
                                         .entryList({QStringLiteral("\?\?\?\?-\?\?-\?\?.dat")},
                                                    QDir::Files, QDir::Name);
        if (days.isEmpty())
            return 1;
        from = QDate::fromString(days.first().left(10), Qt::ISODate);
        to = QDate::fromString(days.last().left(10), Qt::ISODate);
    }
    const TFloorResult r = walkDaySummaries(root, from, to);
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                       + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%s .. %s: %lld bytes, %lld records, %lld orders (%.0f cents); "
                "%.3f s CPU, peak %.1f MB\n",
                qPrintable(from.toString(Qt::ISODate)), qPrintable(to.toString(Qt::ISODate)),
                r.bytes, r.records, r.orders, r.amount, cpu, double(usage.ru_maxrss) / 1024.0);
    return 0;
}
