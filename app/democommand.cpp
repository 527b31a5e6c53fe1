#include "democommand.h"

#include "cliutil.h"
#include "tdemoinstallation.h"
#include "terror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace PosLib;

namespace {

const char *const Usage = "usage: veltrum demo DIR [--days N] [--tables N] [--seed S] "
                          "[--today yyyy-MM-dd] [--force]";

bool isEmptyDir(const QString &dir)
{
    return QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

int runDemoCommand(const QStringList &args)
{
    TDemoOptions options;
    QString dir;
    bool force = false;
    for (int i = 0; i < args.size(); ++i) {
        QString option = args.at(i);
        if (option == QLatin1String("--force")) {
            force = true;
            continue;
        }
        if (!option.startsWith(QLatin1String("--"))) {
            if (!dir.isEmpty())
                return usageError(tr("demo: more than one directory given"), Usage);
            dir = option;
            continue;
        }
        // "--days 7" and "--days=7" alike
        QString value;
        const int equals = option.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        } else if (i + 1 < args.size()) {
            value = args.at(++i);
        } else {
            return usageError(tr("demo: %1 needs a value").arg(option), Usage);
        }
        bool ok = false;
        if (option == QLatin1String("--days")) {
            options.days = value.toInt(&ok);
            ok = ok && options.days >= 0 && options.days <= 3660;
        } else if (option == QLatin1String("--tables")) {
            options.tables = value.toInt(&ok);
            ok = ok && options.tables >= 1 && options.tables <= 10000;
        } else if (option == QLatin1String("--seed")) {
            options.seed = value.toULongLong(&ok);
        } else if (option == QLatin1String("--today")) {
            options.today = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            ok = options.today.isValid();
        } else {
            return usageError(tr("demo: unknown option '%1'").arg(option), Usage);
        }
        if (!ok)
            return usageError(tr("demo: bad value '%1' for %2").arg(value, option), Usage);
    }
    if (dir.isEmpty())
        return usageError(tr("demo: missing directory"), Usage);

    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return fail(tr("demo: %1 is not a directory").arg(dir));
    try {
        if (info.exists() && !isEmptyDir(dir)) {
            // only a directory an earlier demo run wrote is ever cleaned,
            // and then only of the files such a run writes
            if (!TDemoInstallation::isDemo(dir))
                return fail(tr("demo: %1 is not empty and holds no demo installation; "
                               "refusing to write into it")
                                    .arg(dir));
            if (!force)
                return fail(tr("demo: %1 holds a demo installation; use --force to replace it")
                                    .arg(dir));
            TDemoInstallation::remove(dir);
        }

        TDemoInstallation demo(options);
        const TDemoSummary s = demo.write(dir);
        out() << tr("Demo installation in %1 (today %2, seed %3):")
                         .arg(QDir(dir).absolutePath(), demo.options().today.toString(Qt::ISODate))
                         .arg(options.seed)
              << Qt::endl
              << tr("  %1 lists, %2 closed days with %3 tables and %4 day summaries")
                         .arg(s.lists)
                         .arg(s.closedDays)
                         .arg(s.closedTables)
                         .arg(s.daySummaries)
              << Qt::endl
              << tr("  today %1 paid tables (%2 in the archive index), %3 open (%4 held)")
                         .arg(s.paidTables)
                         .arg(s.indexedTables)
                         .arg(s.openTables)
                         .arg(s.heldTables)
              << Qt::endl
              << tr("  %1 table entries, time controls of %2 days, next Z number %3")
                         .arg(s.entries)
                         .arg(s.timeControlDays)
                         .arg(s.nextZ)
              << Qt::endl;
    } catch (const Basics::TError &e) {
        return fail(tr("demo: could not write %1 (%2)").arg(dir, e.text()));
    }
    return ExitOk;
}
