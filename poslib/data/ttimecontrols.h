#pragma once

#include "tvalue.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QTime>

namespace PosLib {

// One logon period of a waiter, as the terminals write it into the "time"
// field of a time-control record: logon time, "#", logoff time.
struct TLogonPeriod
{
    QTime on; // 00:00 when the period carries no logon time ("#hh:mm:ss")
    QTime off; // null while the period is running
    bool running = false; // no "#", or nothing after it
};

// Splits a "time" field into its logon periods (separated by ";"), in the
// order written. Empty parts are skipped; times are Qt's text time form.
QList<TLogonPeriod> parseLogonPeriods(const QString &time);

// The time controls of one day: one record per waiter ("id" the waiter
// number, "time" its logon periods), kept in "var/control/yyyyMMdd" under
// the installation root.
class TTimeControls : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TTimeControls(const QDate &day, QObject *parent = nullptr);
    ~TTimeControls() override;

    QDate day() const { return m_day; }

    QString listName() const override;
    QString fileName() const override; // the day as "yyyyMMdd"
    QString elementName() const override;
    QString dataDir() const override; // "var/control"

    // The day file under `root`.
    QString path(const QString &root) const;

    using Basics::TValueList::load;
    using Basics::TValueList::save;

    // A TValueList::LoadResult (NoFile: no file for this day).
    // Throws like TValueList::load when the file cannot be read.
    int load(const QString &root);
    // Replaces the day file safely (".new", ".old"); an empty list deletes
    // the day file instead. Throws TFileError.
    void save(const QString &root);
    bool exists(const QString &root) const;

private:
    QDate m_day;
};

// The time controls of a range of days, keyed by the day as the number
// yyyyMMdd, in ascending order. Owns its days.
class TTimeControlList
{
public:
    TTimeControlList() = default;
    TTimeControlList(const TTimeControlList &) = delete;
    TTimeControlList &operator=(const TTimeControlList &) = delete;
    ~TTimeControlList();

    // Drops what was loaded before, then loads every day file in
    // "var/control" under `root` whose day lies within from … to (an
    // invalid bound is no bound). Returns 0, or the result of the first day
    // that did not load (7 when its file vanished; the code of the error
    // when the file could not be read), which ends the load; the days read
    // before it stay in the list.
    int load(const QDate &from, const QDate &to, const QString &root);

    void clear();
    int count() const { return int(m_days.size()); }
    bool isEmpty() const { return m_days.isEmpty(); }
    TTimeControls *find(int key) const { return m_days.value(key, nullptr); }
    TTimeControls *find(const QDate &day) const { return find(key(day)); }
    const QMap<int, TTimeControls *> &days() const { return m_days; }

    // yyyyMMdd as a number: 5 March 2014 -> 20140305.
    static int key(const QDate &day);

private:
    QMap<int, TTimeControls *> m_days;
};

} // namespace PosLib
