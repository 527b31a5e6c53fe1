#include "tchainupload.h"

#include "tchainday.h"
#include "tchaindb.h"
#include "tchainmigrations.h"
#include "tchainqueue.h"

#include "tclosingrecord.h"

#include "terror.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>

namespace ChainLib {

namespace {

// The texts of this file, translated in the context "TChainUpload".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TChainUpload)
};

QString jsonText(const QJsonArray &rows)
{
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact));
}

QString shaText(const QByteArray &bytes)
{
    return QString::fromLatin1(PosLib::sha256Hex(bytes));
}

// The sha256 column of the rows of one outlet (and day), by key.
bool storedHashes(TChainDb &db, const QString &statement, const QVariantList &values,
                  QHash<QString, QString> &hashes)
{
    QSqlQuery query(db.database());
    if (!db.exec(query, statement, values))
        return false;
    while (query.next())
        hashes.insert(query.value(0).toString(), query.value(1).toString());
    return true;
}

bool writeDay(TChainDb &db, const TChainDayData &data)
{
    const QVariant office = data.officeId;
    const QVariant day = data.day;
    QSqlQuery query(db.database());

    if (!db.exec(query,
                 QStringLiteral("INSERT INTO outlets (office_id, name) VALUES (?, ?) "
                                "ON CONFLICT (office_id) DO UPDATE SET name = EXCLUDED.name "
                                "WHERE outlets.name <> EXCLUDED.name"),
                 {office, data.installationName}))
        return false;

    // the report files, only those that changed
    QHash<QString, QString> files;
    if (!storedHashes(db,
                      QStringLiteral("SELECT path, sha256 FROM outlet_files WHERE office_id = ?"),
                      {office}, files))
        return false;
    for (const TChainFile &file : data.files) {
        const QString sha = shaText(file.data);
        if (files.value(file.path) == sha)
            continue;
        if (!db.exec(query,
                     QStringLiteral("INSERT INTO outlet_files (office_id, path, sha256, data) "
                                    "VALUES (?, ?, ?, ?) ON CONFLICT (office_id, path) DO UPDATE "
                                    "SET sha256 = EXCLUDED.sha256, data = EXCLUDED.data"),
                     {office, file.path, sha, file.data}))
            return false;
    }

    if (!db.exec(query,
                 QStringLiteral("INSERT INTO days (office_id, day, day_z, bills, amount) "
                                "VALUES (?, ?, ?, ?, ?) ON CONFLICT (office_id, day) DO UPDATE "
                                "SET day_z = EXCLUDED.day_z, bills = EXCLUDED.bills, "
                                "amount = EXCLUDED.amount, received = now() "
                                "WHERE (days.day_z, days.bills, days.amount) IS DISTINCT FROM "
                                "(EXCLUDED.day_z, EXCLUDED.bills, EXCLUDED.amount)"),
                 {office, day, qlonglong(data.dayZ), data.billCount, qlonglong(data.amount)}))
        return false;

    if (!data.closings.isEmpty()
        && !db.exec(query,
                    QStringLiteral(
                            "INSERT INTO closings (office_id, day, z, day_z, kind, bills, "
                            "amount, sha256, record) SELECT ?, ?, r.z, r.day_z, r.kind, r.bills, "
                            "r.amount, r.sha256, r.record FROM jsonb_to_recordset(?::jsonb) AS "
                            "r(z bigint, day_z bigint, kind text, bills integer, amount bigint, "
                            "sha256 text, record jsonb) ON CONFLICT (office_id, z) DO NOTHING"),
                    {office, day, jsonText(data.closings)}))
        return false;

    // bills: the new ones, and those whose file changed (with their entries)
    QHash<QString, QString> bills;
    if (!storedHashes(db,
                      QStringLiteral("SELECT archive::text, sha256 FROM bills "
                                     "WHERE office_id = ? AND day = ?"),
                      {office, day}, bills))
        return false;
    QJsonArray newBills;
    QSet<int> newArchives;
    QStringList changed;
    for (const QJsonValue &value : data.bills) {
        const QJsonObject bill = value.toObject();
        const int archive = bill.value(QStringLiteral("archive")).toInt();
        const QString stored = bills.value(QString::number(archive));
        if (stored == bill.value(QStringLiteral("sha256")).toString())
            continue;
        if (!stored.isEmpty())
            changed << QString::number(archive);
        newBills.append(bill);
        newArchives.insert(archive);
    }
    if (!changed.isEmpty()
        && !db.exec(query,
                    QStringLiteral("DELETE FROM bills WHERE office_id = ? AND day = ? "
                                   "AND archive = ANY (?::integer[])"),
                    {office, day, QStringLiteral("{%1}").arg(changed.join(QLatin1Char(',')))}))
        return false;
    if (!newBills.isEmpty()) {
        if (!db.exec(query,
                     QStringLiteral(
                             "INSERT INTO bills (office_id, day, archive, bill_archive, "
                             "table_no, party, bill_no, z, waiter, opened, amount, sha256, "
                             "header) SELECT ?, ?, r.archive, r.bill_archive, r.table_no, "
                             "r.party, r.bill_no, r.z, r.waiter, r.opened, r.amount, r.sha256, "
                             "r.header FROM jsonb_to_recordset(?::jsonb) AS r(archive integer, "
                             "bill_archive bigint, table_no bigint, party integer, bill_no "
                             "bigint, z bigint, waiter integer, opened timestamp, amount bigint, "
                             "sha256 text, header jsonb)"),
                     {office, day, jsonText(newBills)}))
            return false;
        QJsonArray entries;
        for (const QJsonValue &entry : data.entries) {
            if (newArchives.contains(entry.toObject().value(QStringLiteral("archive")).toInt()))
                entries.append(entry);
        }
        if (!db.exec(
                    query,
                    QStringLiteral("INSERT INTO bill_entries (office_id, day, archive, position, "
                                   "parent, type, entry_id, at, waiter, plu, count, price, amount, "
                                   "payform, voided, fields) SELECT ?, ?, r.archive, r.position, "
                                   "r.parent, r.type, r.entry_id, r.at, r.waiter, r.plu, r.count, "
                                   "r.price, r.amount, r.payform, r.voided, r.fields FROM "
                                   "jsonb_to_recordset(?::jsonb) AS r(archive integer, position "
                                   "integer, parent integer, type smallint, entry_id integer, at "
                                   "timestamp, waiter integer, plu bigint, count double precision, "
                                   "price bigint, amount bigint, payform integer, voided boolean, "
                                   "fields jsonb)"),
                    {office, day, jsonText(entries)}))
            return false;
    }

    // the aggregates, only those that changed
    QHash<QString, QString> aggregates;
    if (!storedHashes(db,
                      QStringLiteral("SELECT kind, sha256 FROM day_aggregates "
                                     "WHERE office_id = ? AND day = ?"),
                      {office, day}, aggregates))
        return false;
    for (const TChainAggregate &aggregate : data.aggregates) {
        const QString sha = shaText(aggregate.data);
        if (aggregates.value(aggregate.kind) == sha)
            continue;
        if (!db.exec(query,
                     QStringLiteral("INSERT INTO day_aggregates (office_id, day, kind, format, "
                                    "sha256, data) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT "
                                    "(office_id, day, kind) DO UPDATE SET format = "
                                    "EXCLUDED.format, sha256 = EXCLUDED.sha256, data = "
                                    "EXCLUDED.data"),
                     {office, day, aggregate.kind, aggregate.format, sha, aggregate.data}))
            return false;
    }
    return true;
}

} // namespace

bool uploadDay(TChainDb &db, const TChainDayData &data, QString *error)
{
    if (!db.begin() || !writeDay(db, data) || !db.commit()) {
        if (error)
            *error = db.error();
        db.rollback();
        return false;
    }
    return true;
}

TPushResult pushDays(const QString &root, const TChainUrl &url, const QList<QDate> &days,
                     int timeoutSeconds)
{
    TPushResult result;
    TChainQueue queue(root);
    const auto leftInQueue = [&] {
        for (const TQueuedDay &day : queue.load().days)
            result.queued << day.day;
    };

    // queued first, so that nothing is lost whatever happens next
    if (!queue.lock()) {
        result.status = TPushResult::Failed;
        result.error = Text::tr("the queue %1 is locked by another program").arg(queue.filePath());
        return result;
    }
    try {
        // a damaged queue is kept aside and written again with what can be
        // read of it: the caller names it
        const TQueueContents before = queue.load();
        if (before.isDamaged()) {
            queue.save(before.days);
            result.damagedQueue = queue.filePath() + QStringLiteral(".damaged");
            result.damagedLines = before.badHeader ? -1 : before.damagedLines;
        }
        for (const QDate &day : days)
            queue.add(day);
    } catch (const Basics::TError &e) {
        result.status = TPushResult::Failed;
        result.error = Text::tr("cannot write the queue %1: %2").arg(queue.filePath(), e.text());
        return result;
    }
    QList<QDate> pending;
    for (const TQueuedDay &day : queue.load().days)
        pending << day.day;
    queue.unlock();
    if (pending.isEmpty())
        return result;

    const auto giveUp = [&](const QString &error) {
        result.status = TPushResult::Queued;
        result.error = error;
        if (queue.lock()) {
            try {
                queue.failed(error);
            } catch (const Basics::TError &) {
                // the days stay queued with their old count
            }
            queue.unlock();
        }
        leftInQueue();
        return result;
    };

    TChainDb db;
    if (!db.open(url, timeoutSeconds))
        return giveUp(db.error());
    // a server that answers but hangs must not hold the closing either
    if (!db.exec(QStringLiteral("SET statement_timeout TO '60s'")))
        return giveUp(db.error());
    if (applyMigrations(db) < 0)
        return giveUp(db.error());
    for (const QDate &day : pending) {
        TChainDayData data;
        QString error;
        if (!readChainDay(root, day, data, &error) || !uploadDay(db, data, &error))
            return giveUp(day.toString(Qt::ISODate) + QStringLiteral(": ") + error);
        result.sent << day;
        if (queue.lock()) {
            try {
                queue.remove(day);
            } catch (const Basics::TError &) {
                // sent again next time, which changes nothing
            }
            queue.unlock();
        }
    }
    leftInQueue();
    return result;
}

} // namespace ChainLib
