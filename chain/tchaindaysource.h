#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

namespace PosLib {
class TRepCenters;
class TRepWaiters;
} // namespace PosLib

namespace ChainLib {

class TChainDb;
class TChainGroupRows;

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
// The days from the one asked for first to `to` come in one stream of rows
// (TChainGroupRows), read as the report asks for the days in order; a day
// before one asked for already, or other groups, start a stream anew. The
// connection runs nothing else while the source lives.
class TChainDaySource
{
public:
    TChainDaySource(TChainDb &db, const QList<int> &outlets, const QDate &to);
    ~TChainDaySource();
    TChainDaySource(const TChainDaySource &) = delete;
    TChainDaySource &operator=(const TChainDaySource &) = delete;

    bool operator()(const QDate &day, PosLib::TRepWaiters *waiters, PosLib::TRepCenters *centers);

    // Why a day could not be added; empty while all went well.
    QString error() const { return m_error; }
    int blobs() const { return m_blobs; }
    qint64 bytes() const { return m_bytes; }

private:
    QString m_outlets; // "{1,4,7}"
    QDate m_to;
    std::unique_ptr<TChainGroupRows> m_rows;
    QStringList m_kinds; // of the stream
    QDate m_next; // the first day the stream has not been asked for
    QString m_error;
    int m_blobs = 0;
    qint64 m_bytes = 0;
};

} // namespace ChainLib
