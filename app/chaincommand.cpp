#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tchainargs.h"
#include "tchaindb.h"
#include "tchainmigrations.h"
#include "tchainqueue.h"
#include "tchainupload.h"
#include "tchainurl.h"
#include "tdataargs.h"
#include "tfigures.h"
#include "tinstallation.h"
#include "toutput.h"
#include "tpricetext.h"
#include "tsettings.h"

#include "terror.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlQuery>

using namespace ChainLib;

namespace {

// The chain holds outlets of any currency: amounts in the form money takes
// without a currency list ("1234.50").
QString amountText(qint64 cents)
{
    return PosLib::priceText(nullptr, long(cents));
}

// ---- chain init -------------------------------------------------------------

int runInit(TArgs &args)
{
    const TChainUrl url = chainUrl(args);
    TChainDb db;
    if (!db.open(url, ChainConnectSeconds))
        return fail(TCli::tr("chain init: cannot connect to %1: %2").arg(url.text(), db.error()));
    const int applied = applyMigrations(db);
    if (applied < 0)
        return fail(TCli::tr("chain init: %1").arg(db.error()));
    out() << TCli::tr("Chain database %1: schema version %2, %3 migrations applied now")
                     .arg(url.text(), QString::number(schemaVersion(db)), QString::number(applied))
          << Qt::endl;
    return ExitOk;
}

// ---- chain push -------------------------------------------------------------

int runPush(TArgs &args)
{
    TDataArgs data(args);
    TChainUrl url;
    if (args.isSet(QStringLiteral("db"))) {
        url = chainUrl(args);
    } else {
        QString problem;
        if (!installationChainUrl(data.root(), url, problem))
            throw TUsageError {problem};
        if (!url.resolvePassword(args.filePath(QStringLiteral("password-file")), &problem))
            throw TUsageError {problem};
    }
    QDate from;
    QDate to;
    args.dateRange(from, to, true);
    QList<QDate> days;
    if (from.isValid()) {
        const QDate last = to.isValid() ? to : from;
        for (QDate day = from; day <= last; day = day.addDays(1)) {
            if (QFileInfo::exists(PosLib::statistDayDir(day, data.root())
                                  + QStringLiteral("turnover.z")))
                days << day;
        }
    }

    const TPushResult result = pushDays(data.root(), url, days, ChainConnectSeconds);
    for (const QDate &day : result.sent)
        out() << TCli::tr("Sent %1").arg(day.toString(Qt::ISODate)) << '\n';
    if (result.sent.isEmpty() && result.status == TPushResult::Sent)
        out() << TCli::tr("Nothing to send") << '\n';
    out().flush();
    if (!result.damagedQueue.isEmpty()) {
        const QString lines = result.damagedLines < 0
                                      ? TCli::tr("no line")
                                      : TCli::tr("%1 lines").arg(result.damagedLines);
        err() << TCli::tr("veltrum: chain push: the queue %1 was damaged (%2 unreadable); it is "
                          "kept as %3. The days it named there may not have been sent: 'veltrum "
                          "chain push --from A --to B' sends a range of days again")
                         .arg(QFileInfo(result.damagedQueue).path()
                                      + QStringLiteral("/chain.queue"),
                              lines, result.damagedQueue)
              << Qt::endl;
    }
    switch (result.status) {
    case TPushResult::Sent:
        return result.damagedQueue.isEmpty() ? ExitOk : ExitFailure;
    case TPushResult::Queued: {
        QStringList left;
        for (const QDate &day : result.queued)
            left << day.toString(Qt::ISODate);
        return fail(TCli::tr("chain push: %1; still queued: %2")
                            .arg(result.error, left.join(QStringLiteral(", "))));
    }
    case TPushResult::Failed:
        break;
    }
    return fail(TCli::tr("chain push: %1").arg(result.error));
}

// ---- chain status -----------------------------------------------------------

// Outlet, name, days, first and last day, bills, bill total, in their columns.
QString statusLine(const QStringList &c)
{
    return c.value(0).rightJustified(6) + QStringLiteral("  ") + c.value(1).leftJustified(24)
           + QStringLiteral("  ") + c.value(2).rightJustified(5) + QStringLiteral("  ")
           + c.value(3).leftJustified(10) + QStringLiteral("  ") + c.value(4).leftJustified(10)
           + QStringLiteral("  ") + c.value(5).rightJustified(7) + QStringLiteral("  ")
           + c.value(6).rightJustified(12);
}

struct OutletStatus
{
    int office = 0;
    QString name;
    int days = 0;
    QDate first;
    QDate last;
    qint64 bills = 0;
    qint64 amount = 0;
};

int runStatus(TArgs &args)
{
    if (!args.isSet(QStringLiteral("db")) && !args.isSet(QStringLiteral("data")))
        throw TUsageError {TCli::tr("give --db, --data or both")};
    TOutput output(args);
    QStringList lines;
    QJsonObject data;
    QList<QStringList> rows;
    rows << QStringList {QStringLiteral("outlet"),
                         QStringLiteral("name"),
                         QStringLiteral("days"),
                         QStringLiteral("firstDay"),
                         QStringLiteral("lastDay"),
                         PosLib::figureKey(PosLib::TFigure::Bills),
                         PosLib::figureKey(PosLib::TFigure::BillTotal)};

    if (args.isSet(QStringLiteral("db"))) {
        const TChainUrl url = chainUrl(args);
        TChainDb db;
        if (!db.open(url, ChainConnectSeconds))
            return fail(
                    TCli::tr("chain status: cannot connect to %1: %2").arg(url.text(), db.error()));
        const int version = schemaVersion(db);
        if (version <= 0)
            return fail(TCli::tr("chain status: %1 holds no chain schema (see 'veltrum chain "
                                 "init')")
                                .arg(url.text()));
        QSqlQuery query(db.database());
        if (!db.exec(query,
                     QStringLiteral("SELECT o.office_id, o.name, count(d.day), min(d.day), "
                                    "max(d.day), coalesce(sum(d.bills), 0), "
                                    "coalesce(sum(d.amount), 0) FROM outlets o LEFT JOIN days d "
                                    "USING (office_id) GROUP BY o.office_id, o.name "
                                    "ORDER BY o.office_id"),
                     {}))
            return fail(TCli::tr("chain status: %1").arg(db.error()));
        QList<OutletStatus> outlets;
        while (query.next()) {
            OutletStatus s;
            s.office = query.value(0).toInt();
            s.name = query.value(1).toString();
            s.days = query.value(2).toInt();
            s.first = query.value(3).toDate();
            s.last = query.value(4).toDate();
            s.bills = query.value(5).toLongLong();
            s.amount = query.value(6).toLongLong();
            outlets << s;
        }
        lines << TCli::tr("Chain database %1, schema version %2")
                         .arg(url.text(), QString::number(version))
              << QString();
        lines << statusLine({TCli::tr("Outlet"), TCli::tr("Name"), TCli::tr("Days"),
                             TCli::tr("First day"), TCli::tr("Last day"),
                             PosLib::figureCaption(PosLib::TFigure::Bills),
                             PosLib::figureCaption(PosLib::TFigure::BillTotal)});
        QJsonArray list;
        for (const OutletStatus &s : outlets) {
            const QString first = s.first.toString(Qt::ISODate);
            const QString last = s.last.toString(Qt::ISODate);
            lines << statusLine({QString::number(s.office), s.name.left(24),
                                 QString::number(s.days), first, last, QString::number(s.bills),
                                 amountText(s.amount)});
            rows << QStringList {QString::number(s.office),
                                 s.name,
                                 QString::number(s.days),
                                 first,
                                 last,
                                 QString::number(s.bills),
                                 QString::number(s.amount)};
            QJsonObject o;
            o.insert(QStringLiteral("outlet"), s.office);
            o.insert(QStringLiteral("name"), s.name);
            o.insert(QStringLiteral("days"), s.days);
            o.insert(QStringLiteral("firstDay"),
                     s.first.isValid() ? QJsonValue(first) : QJsonValue::Null);
            o.insert(QStringLiteral("lastDay"),
                     s.last.isValid() ? QJsonValue(last) : QJsonValue::Null);
            o.insert(PosLib::figureKey(PosLib::TFigure::Bills), s.bills);
            o.insert(PosLib::figureKey(PosLib::TFigure::BillTotal), s.amount);
            list.append(o);
        }
        if (outlets.isEmpty())
            lines << TCli::tr("No outlet has sent a day yet.");
        data.insert(QStringLiteral("database"), url.text());
        data.insert(QStringLiteral("schemaVersion"), version);
        data.insert(QStringLiteral("outlets"), list);
    }

    if (args.isSet(QStringLiteral("data"))) {
        TDataArgs installation(args);
        const TChainQueue queue(installation.root());
        const TQueueContents contents = queue.load();
        if (!lines.isEmpty())
            lines << QString();
        if (contents.days.isEmpty())
            lines << TCli::tr("Queued in %1: nothing").arg(queue.filePath());
        else
            lines << TCli::tr("Queued in %1: %2 days")
                             .arg(queue.filePath(), QString::number(contents.days.size()));
        QJsonArray queued;
        for (const TQueuedDay &day : contents.days) {
            QString line
                    = TCli::tr("  %1  queued %2, %3 failed attempts")
                              .arg(day.day.toString(Qt::ISODate), day.queued.toString(Qt::ISODate),
                                   QString::number(day.attempts));
            if (!day.lastError.isEmpty())
                line += QStringLiteral(": ") + day.lastError;
            lines << line;
            QJsonObject o;
            o.insert(QStringLiteral("day"), day.day.toString(Qt::ISODate));
            o.insert(QStringLiteral("queued"), day.queued.toString(Qt::ISODate));
            o.insert(QStringLiteral("attempts"), day.attempts);
            o.insert(QStringLiteral("lastError"), day.lastError);
            queued.append(o);
        }
        if (contents.isDamaged())
            lines << TCli::tr("  the queue file is damaged (%1 lines unreadable); 'veltrum chain "
                              "push --from A --to B' sends a range of days again")
                             .arg(contents.badHeader ? TCli::tr("all")
                                                     : QString::number(contents.damagedLines));
        QJsonObject q;
        q.insert(QStringLiteral("file"), queue.filePath());
        q.insert(QStringLiteral("days"), queued);
        q.insert(QStringLiteral("damagedLines"), contents.damagedLines);
        q.insert(QStringLiteral("damaged"), contents.isDamaged());
        data.insert(QStringLiteral("queue"), q);
    }
    data.insert(QStringLiteral("format"), 1);
    // the workbook: the outlets, amounts as the text writes them (two places)
    PosLib::TXlsxLayout layout;
    layout.money = {PosLib::figureKey(PosLib::TFigure::BillTotal)};
    layout.numbers = {QStringLiteral("outlet"), QStringLiteral("days"),
                      PosLib::figureKey(PosLib::TFigure::Bills)};
    output.setXlsxLayout(layout);
    return output.write(lines, data, rows, TCli::tr("Chain status")) ? ExitOk : ExitFailure;
}

} // namespace

TCommand chainInitCommand()
{
    TCommand command;
    command.name = QStringLiteral("chain init");
    command.summary = TCli::tr("create or update the schema of the chain database");
    command.description = TCli::tr(
            "Brings the PostgreSQL database --db up to the chain statistics' schema: the "
            "migrations it lacks are applied in order, each in its own transaction, and recorded "
            "in the table schema_version. Running it again changes nothing. The database itself "
            "must exist (createdb). The statistics upload of a closing and 'veltrum chain push' "
            "apply the migrations too.");
    command.options = {chainDbOption(true), chainPasswordFileOption()};
    command.exitCodes = {
            {ExitOk, TCli::tr("the schema is up to date")},
            {ExitFailure, TCli::tr("the server cannot be reached or a migration failed (rolled "
                                   "back whole)")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, a bad URL, an unreadable "
                                 "password file")},
    };
    command.run = runInit;
    return command;
}

TCommand chainPushCommand()
{
    TCommand command;
    command.name = QStringLiteral("chain push");
    command.summary = TCli::tr("send the queued closed days to the chain database");
    command.description = TCli::tr(
            "Sends the closed days that wait in the installation's queue (var/chain.queue) to the "
            "chain database, in day order, each day in one transaction, and takes each off the "
            "queue once it arrived. With --from (and --to) the closed days of that range are "
            "queued and sent too, so a day can be sent again: a day that arrived before changes "
            "nothing. The database is --db, or the one the installation's record names for the "
            "statistics upload (\"cloudservice\" 1, \"dbservername\", \"dbdatabasename\", "
            "\"dbusername\"). A day closing sends its day the same way; when the server cannot "
            "be reached the days stay queued for the next closing or push.");
    command.options = {dataOption(), chainDbOption(false), chainPasswordFileOption(),
                       fromOption(TCli::tr("Send the closed days from this day on too.")),
                       toOption(TCli::tr("The last day of --from's range (default: --from "
                                         "alone)."))};
    command.exitCodes = {
            {ExitOk, TCli::tr("every queued day arrived (or nothing was queued)")},
            {ExitFailure, TCli::tr("the server cannot be reached or refused a day: the days not "
                                   "sent stay queued; or the queue cannot be written")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, a bad URL or date, no "
                                 "database given or named by the installation")},
    };
    command.run = runPush;
    return command;
}

TCommand chainStatusCommand()
{
    TCommand command;
    command.name = QStringLiteral("chain status");
    command.summary = TCli::tr("what the chain database holds per outlet, and what is queued");
    command.description = TCli::tr(
            "With --db lists every outlet of the chain database: its office number and name, "
            "the number of closed days received, the first and the last one, their bills and "
            "bill total (the order lines of those bills, in the form money takes without a "
            "currency list; cents in CSV and JSON). With --data lists the installation's queue: "
            "the "
            "closed days not sent yet, when each was queued, how often sending failed and why.");
    TCommandOption data = dataOption();
    data.required = false;
    command.options = {chainDbOption(false), chainPasswordFileOption(), data, formatOption(),
                       outputOption()};
    command.exitCodes = {
            {ExitOk, TCli::tr("the status was written")},
            {ExitFailure, TCli::tr("the server cannot be reached or holds no chain schema")},
            {ExitUsage, TCli::tr("wrong arguments: neither --db nor --data, an unknown option, a "
                                 "bad URL")},
    };
    command.run = runStatus;
    return command;
}
