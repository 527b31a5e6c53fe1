#include "tchaindaysource.h"

#include "tchainday.h"
#include "tchaindb.h"

#include "tdayaggregate.h"
#include "trepdata.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>

namespace ChainLib {

namespace {

// The texts of this file, translated in the context "TChainDaySource".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TChainDaySource)
};

} // namespace

bool hasAllGroups(TChainDb &db, const QList<int> &outlets, const QDate &from, const QDate &to,
                  QString *error)
{
    const QStringList kinds = groupsKinds();
    QSqlQuery query(db.database());
    const bool ok = db.exec(
            query,
            QStringLiteral("SELECT count(*) FROM days d WHERE d.office_id = ANY (?::integer[]) "
                           "AND d.day BETWEEN ? AND ? AND (SELECT count(*) FROM day_aggregates a "
                           "WHERE a.office_id = d.office_id AND a.day = d.day AND a.format = ? "
                           "AND a.kind = ANY (?::text[])) < ?"),
            {TChainDb::integerArray(outlets), from, to, int(PosLib::TDayAggregate::Version),
             QLatin1Char('{') + kinds.join(QLatin1Char(',')) + QLatin1Char('}'),
             int(kinds.size())});
    if (!ok || !query.next()) {
        if (error)
            *error = db.error();
        return false;
    }
    return query.value(0).toLongLong() == 0;
}

bool missingDays(TChainDb &db, const QList<int> &outlets, const QDate &from, const QDate &to,
                 QMap<int, QList<QDate>> &missing, QString *error)
{
    missing.clear();
    QSqlQuery query(db.database());
    query.setForwardOnly(true);
    if (!db.exec(query,
                 QStringLiteral("SELECT office_id, day FROM days WHERE office_id = ANY "
                                "(?::integer[]) AND day BETWEEN ? AND ?"),
                 {TChainDb::integerArray(outlets), from, to})) {
        if (error)
            *error = db.error();
        return false;
    }
    QMap<int, QSet<QDate>> held;
    while (query.next())
        held[query.value(0).toInt()].insert(query.value(1).toDate());
    for (int office : outlets) {
        const QSet<QDate> days = held.value(office);
        for (QDate day = from; day <= to; day = day.addDays(1)) {
            if (!days.contains(day))
                missing[office] << day;
        }
    }
    return true;
}

QString dayRangesText(const QList<QDate> &days)
{
    QStringList parts;
    for (int i = 0; i < days.size();) {
        int j = i;
        while (j + 1 < days.size() && days.at(j + 1) == days.at(j).addDays(1))
            ++j;
        const QString first = days.at(i).toString(Qt::ISODate);
        parts << (j == i ? first
                         : Text::tr("%1 to %2").arg(first, days.at(j).toString(Qt::ISODate)));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

TChainDaySource::TChainDaySource(TChainDb &db, const QList<int> &outlets)
    : m_db(db)
    , m_outlets(TChainDb::integerArray(outlets))
{ }

bool TChainDaySource::operator()(const QDate &day, PosLib::TRepWaiters *waiters,
                                 PosLib::TRepCenters *centers)
{
    for (PosLib::TRepDatas *groups :
         {static_cast<PosLib::TRepDatas *>(waiters), static_cast<PosLib::TRepDatas *>(centers)}) {
        if (!groups)
            continue;
        const QString kind = groupsKind(groups->nodeName(), groups->keepsRecords(),
                                        groups->keepsCashRecords());
        // every outlet that sent the day, its groups or none
        QSqlQuery query(m_db.database());
        query.setForwardOnly(true);
        if (!m_db.exec(query,
                       QStringLiteral("SELECT d.office_id, a.data FROM days d LEFT JOIN "
                                      "day_aggregates a ON a.office_id = d.office_id AND a.day = "
                                      "d.day AND a.kind = ? WHERE d.day = ? AND d.office_id = "
                                      "ANY (?::integer[]) ORDER BY d.office_id"),
                       {kind, day, m_outlets})) {
            m_error = m_db.error();
            return false;
        }
        while (query.next()) {
            const QByteArray blob = query.value(1).toByteArray();
            if (blob.isEmpty() || !PosLib::TDayAggregate::merge(blob, *groups)) {
                m_error = Text::tr("outlet %1, %2: the stored groups (%3) are missing or "
                                   "cannot be read")
                                  .arg(query.value(0).toString(), day.toString(Qt::ISODate), kind);
                return false;
            }
            ++m_blobs;
            m_bytes += blob.size();
        }
    }
    return true;
}

} // namespace ChainLib
