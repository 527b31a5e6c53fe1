#include "democommand.h"

#include "cliutil.h"
#include "tdemoinstallation.h"
#include "terror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace PosLib;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("veltrum", text);
}

const char *const Usage = "usage: veltrum demo DIR [--days N] [--tables N] [--seed S] "
                          "[--today yyyy-MM-dd] [--force]";

// Removes what an earlier demo run wrote, nothing else.
bool clearDemo(const QString &dir)
{
    for (const char *sub : {"usr", "var", "etc"}) {
        QDir d(QDir(dir).filePath(QString::fromLatin1(sub)));
        if (d.exists() && !d.removeRecursively())
            return false;
    }
    return QFile::remove(QDir(dir).filePath(TDemoInstallation::markerName()));
}

} // namespace

int runDemoCommand(const QStringList &args)
{
    TDemoOptions options;
    QString dir;
    bool force = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args.at(i);
        if (a == QLatin1String("--force")) {
            force = true;
            continue;
        }
        if (a.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size())
                return usageError(tr("demo: %1 needs a value").arg(a));
            const QString v = args.at(++i);
            bool ok = false;
            if (a == QLatin1String("--days")) {
                options.days = v.toInt(&ok);
                ok = ok && options.days >= 0 && options.days <= 3660;
            } else if (a == QLatin1String("--tables")) {
                options.tables = v.toInt(&ok);
                ok = ok && options.tables >= 1 && options.tables <= 10000;
            } else if (a == QLatin1String("--seed")) {
                options.seed = v.toULongLong(&ok);
            } else if (a == QLatin1String("--today")) {
                options.today = QDate::fromString(v, QStringLiteral("yyyy-MM-dd"));
                ok = options.today.isValid();
            } else {
                return usageError(tr("demo: unknown option '%1'\n%2").arg(a, tr(Usage)));
            }
            if (!ok)
                return usageError(tr("demo: bad value '%1' for %2").arg(v, a));
            continue;
        }
        if (!dir.isEmpty())
            return usageError(tr(Usage));
        dir = a;
    }
    if (dir.isEmpty())
        return usageError(tr(Usage));

    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return fail(tr("demo: %1 is not a directory").arg(dir));
    if (info.exists()
        && !QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const bool earlierDemo
                = QFileInfo::exists(QDir(dir).filePath(TDemoInstallation::markerName()));
        if (!force || !earlierDemo)
            return fail(
                    earlierDemo
                            ? tr("demo: %1 holds a demo installation; use --force to replace it")
                                      .arg(dir)
                            : tr("demo: %1 is not empty; refusing to write into it").arg(dir));
        if (!clearDemo(dir))
            return fail(tr("demo: could not remove the earlier demo in %1").arg(dir));
    }

    try {
        TDemoInstallation demo(options);
        const TDemoSummary s = demo.write(dir);
        err() << tr("demo: %1: %2 closed days with %3 tables, %4 paid and %5 open tables today")
                         .arg(dir)
                         .arg(s.closedDays)
                         .arg(s.closedTables)
                         .arg(s.paidTables)
                         .arg(s.openTables)
              << Qt::endl;
    } catch (const Basics::TError &e) {
        return fail(tr("demo: could not write %1 (%2)").arg(dir, e.text()));
    }
    return ExitOk;
}
