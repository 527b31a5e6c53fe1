#include "tchaindaysource.h"

#include "tchainday.h"
#include "tchaindb.h"
#include "tchaingrouprows.h"

#include "tdayaggregate.h"
#include "trepdata.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>

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

TChainDaySource::TChainDaySource(TChainDb &db, const QList<int> &outlets, const QDate &to)
    : m_outlets(TChainDb::integerArray(outlets))
    , m_to(to)
    , m_rows(std::make_unique<TChainGroupRows>(db))
{ }

TChainDaySource::~TChainDaySource() = default;

bool TChainDaySource::operator()(const QDate &day, PosLib::TRepWaiters *waiters,
                                 PosLib::TRepCenters *centers)
{
    PosLib::TRepDatas *sides[2] = {waiters, centers};
    QStringList kinds;
    PosLib::TRepDatas *byKind[2] = {nullptr, nullptr};
    for (PosLib::TRepDatas *groups : sides) {
        if (!groups)
            continue;
        byKind[kinds.size()] = groups;
        kinds << groupsKind(groups->nodeName(), groups->keepsRecords(), groups->keepsCashRecords());
    }
    if (kinds.isEmpty())
        return true;
    if (!m_rows->isStarted() || kinds != m_kinds || day < m_next) {
        if (!m_rows->start(m_outlets, kinds, day, std::max(day, m_to))) {
            m_error = m_rows->error();
            return false;
        }
        m_kinds = kinds;
    }
    m_next = day.addDays(1);
    // every outlet that sent the day, each with its groups of every kind
    TChainGroupRows::Row row;
    while (m_rows->current(row) && row.day <= day) {
        if (row.day == day) {
            const QByteArray blob = QByteArray::fromRawData(row.data, row.size);
            if (!row.stored || row.kind < 0 || row.kind >= kinds.size()
                || !PosLib::TDayAggregate::merge(blob, *byKind[row.kind])) {
                m_error = Text::tr("outlet %1, %2: the stored groups (%3) are missing or "
                                   "cannot be read")
                                  .arg(row.office)
                                  .arg(day.toString(Qt::ISODate),
                                       kinds.value(row.kind, QStringLiteral("?")));
                m_rows->close();
                return false;
            }
            ++m_blobs;
            m_bytes += row.size;
        }
        // a day before is one the report did not ask for
        m_rows->pass();
    }
    if (!m_rows->error().isEmpty()) {
        m_error = m_rows->error();
        m_rows->close();
        return false;
    }
    return true;
}

} // namespace ChainLib
