// Runs one day closing, or one list save, and prints how it ended, for the
// fault and crash tests (which run it under the fault shim).
//
//   closingrun closing ROOT yyyy-MM-dd   whole-day closing of the day
//   closingrun listsave FILE NAME        loads the list FILE, adds a record
//                                        named NAME and saves the list
//
// The closing prints "status done|incomplete|failed", "code N",
// "moved N", "left a2 a5 …", "diskfull 0|1" and "failure TEXT"; the save
// prints "saved" or "error TEXT". Exit code 0 when it ran to its end.

#include "terror.h"
#include "tturnover.h"
#include "turnoverdata.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

using namespace PosLib;

namespace {

int closing(const QString &root, const QDate &day)
{
    TurnoverData data;
    data.setDataPath(root);
    data.setTurnoverDate(day);
    data.setApplicationName(QStringLiteral("closingrun"));
    TClosingOutcome outcome;
    const int code = executeTurnover(data, outcome);
    const char *status[] = {"done", "incomplete", "failed"};
    QStringList left;
    for (const TLeftBill &bill : outcome.leftBehind)
        left << bill.file;
    std::printf("status %s\ncode %d\nmoved %d\nleft %s\ndiskfull %d\nfailure %s\n",
                status[outcome.status()], code, outcome.moved,
                qPrintable(left.join(QLatin1Char(' '))), outcome.diskFull ? 1 : 0,
                qPrintable(outcome.failure));
    return 0;
}

int listSave(const QString &file, const QString &name)
{
    const QFileInfo info(file);
    Basics::TValueList list;
    try {
        list.load(info.absolutePath(), info.fileName());
        auto *value = new Basics::TValue;
        value->setName(name);
        list.append(value);
        list.save(info.absolutePath(), info.fileName());
        std::printf("saved\n");
    } catch (const Basics::TError &e) {
        std::printf("error %s\n", qPrintable(e.text()));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("closing"))
        return closing(args.at(2), QDate::fromString(args.at(3), Qt::ISODate));
    if (args.size() == 4 && args.at(1) == QLatin1String("listsave"))
        return listSave(args.at(2), args.at(3));
    std::fprintf(stderr, "usage: closingrun closing ROOT yyyy-MM-dd | listsave FILE NAME\n");
    return 2;
}
