// Runs a whole-day turnover and dies on the spot at a chosen point of a
// table's move, as a killed process would (no clean-up of any kind).
//
//   turnovercrash ROOT yyyy-MM-dd STEP N
//
// STEP is one of "stamped", "copying", "copied", "moved"; the process ends
// with exit code 86 when the table move reaches STEP for the N-th time.
// Without reaching it, the exit code is the turnover's result (0 done).

#include "tturnover.h"
#include "turnoverdata.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

using namespace PosLib;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: turnovercrash ROOT yyyy-MM-dd STEP N\n");
        return 2;
    }
    const QStringList steps = {QStringLiteral("stamped"), QStringLiteral("copying"),
                               QStringLiteral("copied"), QStringLiteral("moved")};
    const int step = int(steps.indexOf(args.at(3)));
    const int times = args.at(4).toInt();
    const QDate day = QDate::fromString(args.at(2), Qt::ISODate);
    if (step < 0 || times < 1 || !day.isValid()) {
        std::fprintf(stderr, "turnovercrash: bad arguments\n");
        return 2;
    }

    int seen = 0;
    setTurnoverProbe([&](TurnoverStep reached, const QString &) {
        if (int(reached) == step && ++seen == times)
            ::_exit(86);
    });

    TurnoverData data;
    data.setDataPath(args.at(1));
    data.setTurnoverDate(day);
    data.setApplicationName(QStringLiteral("turnovercrash"));
    return executeTurnover(data);
}
