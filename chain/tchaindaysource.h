#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

namespace PosLib {
class TRepCenters;
class TRepWaiters;
} // namespace PosLib

namespace ChainLib {

class TChainDb;

// True when every day the outlets sent from `from` to `to` has its groups
// stored (every kind of groupsKinds(), in the program's format): a
// chain report can then be added up from them alone.
bool hasAllGroups(TChainDb &db, const QList<int> &outlets, const QDate &from, const QDate &to,
                  QString *error = nullptr);

// The days from `from` to `to` that the database does not hold, per
// outlet of `outlets` (an outlet that sent them all is left out); false
// with `error` set when the database cannot be asked.
bool missingDays(TChainDb &db, const QList<int> &outlets, const QDate &from, const QDate &to,
                 QMap<int, QList<QDate>> &missing, QString *error = nullptr);

// Days as short ranges: "2026-12-01 to 2026-12-03, 2026-12-05".
QString dayRangesText(const QList<QDate> &days);

// The closed days of a chain report from the stored groups: for each day,
// the groups of every chosen outlet that sent it, added in office order
// (PosLib::TDayAggregate::merge), so one outlet's days give exactly what
// its own report over its day summaries gives. For TReport::setDaySource.
class TChainDaySource
{
public:
    TChainDaySource(TChainDb &db, const QList<int> &outlets);

    bool operator()(const QDate &day, PosLib::TRepWaiters *waiters, PosLib::TRepCenters *centers);

    // Why a day could not be added; empty while all went well.
    QString error() const { return m_error; }
    int blobs() const { return m_blobs; }
    qint64 bytes() const { return m_bytes; }

private:
    TChainDb &m_db;
    QString m_outlets; // "{1,4,7}"
    QString m_error;
    int m_blobs = 0;
    qint64 m_bytes = 0;
};

} // namespace ChainLib
