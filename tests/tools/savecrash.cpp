// Replaces a file through TSaveFile and dies on the spot, as a killed
// process would (SIGKILL, no clean-up of any kind), when the save reaches
// a chosen step for the N-th time.
//
//   savecrash TARGET STEP N [list]
//
// STEP is "open", "write", "sync", "link", "rename" or "syncdir"; the
// process dies just before that step. Plain mode writes the new content,
// three blocks of 64 KiB of 'n', in three writes; "list" mode saves a
// value list of three records with its ".new"/".old" scheme. Exit code 0
// when the save completed without reaching the step.

#include "tsavefile.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <csignal>
#include <cstdio>

using namespace Basics;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList steps
            = {QStringLiteral("open"), QStringLiteral("write"),  QStringLiteral("sync"),
               QStringLiteral("link"), QStringLiteral("rename"), QStringLiteral("syncdir")};
    const int step = args.size() >= 4 ? int(steps.indexOf(args.at(2))) : -1;
    const int times = args.size() >= 4 ? args.at(3).toInt() : 0;
    if (step < 0 || times < 1 || args.size() > 5) {
        std::fprintf(stderr, "usage: savecrash TARGET STEP N [list]\n");
        return 2;
    }

    int seen = 0;
    setSaveFaultHook([&](TSaveStep reached, const QString &) {
        if (int(reached) == step && ++seen == times)
            std::raise(SIGKILL);
        return 0;
    });

    const QString target = args.at(1);
    if (args.size() == 5) {
        TValueList list;
        for (int i = 1; i <= 3; ++i) {
            auto *value = new TValue;
            value->setId(i);
            value->setString(QStringLiteral("text"), QStringLiteral("new %1").arg(i));
            list.insert(value);
        }
        const QFileInfo info(target);
        list.save(info.path(), info.fileName());
        return 0;
    }
    TSaveFile file(target);
    file.open();
    const QByteArray block(64 * 1024, 'n');
    for (int i = 0; i < 3; ++i)
        file.write(block);
    file.commit();
    return 0;
}
