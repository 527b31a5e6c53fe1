#pragma once

#include "tvalue.h"

#include <QDate>
#include <QDateTime>

namespace PosLib {

// The parameters of one day turnover run, and what the run records while
// it goes (Z counter, day directory, time stamp of the table being moved).
// The two waiters are records of the waiter list, held elsewhere and not
// owned; their numbers and names go into the journal and the stamps.
class TurnoverData : public Basics::TValue
{
public:
    TurnoverData();
    ~TurnoverData() override;

    // Installation root.
    QString dataPath() const { return getString(QStringLiteral("datapath")); }
    void setDataPath(const QString &path) { setString(QStringLiteral("datapath"), path); }
    // The business day being closed; names the day directory.
    QDate turnoverDate() const { return getDate(QStringLiteral("turnoverdate")); }
    void setTurnoverDate(const QDate &day) { setDate(QStringLiteral("turnoverdate"), day); }

    // Close only this waiter's tables; null for the whole installation.
    Basics::TValue *waiter() const { return m_waiter; }
    void setWaiter(Basics::TValue *waiter) { m_waiter = waiter; }
    // The waiter who executes the turnover; may be null.
    Basics::TValue *turnoverWaiter() const { return m_turnoverWaiter; }
    void setTurnoverWaiter(Basics::TValue *waiter) { m_turnoverWaiter = waiter; }

    long zCounter() const { return long(getLong(QStringLiteral("zcounter"))); }
    void setZCounter(long value) { setInt(QStringLiteral("zcounter"), value); }
    QDateTime actualDateTime() const { return getDateTime(QStringLiteral("actualdatetime")); }
    void setActualDateTime(const QDateTime &when)
    {
        setDateTime(QStringLiteral("actualdatetime"), when);
    }
    // Name of the day directory, "tagDD.MM.YYYY".
    QString turnoverPath() const { return getString(QStringLiteral("turnoverpath")); }
    void setTurnoverPath(const QString &name) { setString(QStringLiteral("turnoverpath"), name); }
    QString applicationName() const { return getString(QStringLiteral("applicationname")); }
    void setApplicationName(const QString &name)
    {
        setString(QStringLiteral("applicationname"), name);
    }
    long terminalId() const { return long(getLong(QStringLiteral("terminalid"))); }
    void setTerminalId(long id) { setInt(QStringLiteral("terminalid"), id); }
    long costCenterId() const { return long(getLong(QStringLiteral("costcenterid"))); }
    void setCostCenterId(long id) { setInt(QStringLiteral("costcenterid"), id); }
    // Give up when "var/archives" holds nothing to move.
    bool cancelTurnover() const { return getBool(QStringLiteral("cancelturnover")); }
    void setCancelTurnover(bool cancel) { setBool(QStringLiteral("cancelturnover"), cancel); }

    // Bills moved by the run; set at its end.
    int movedCount() const { return m_moved; }
    void setMovedCount(int moved) { m_moved = moved; }

    // What the manager counted (the cash count's input as JSON, which the
    // closing record sets against the bills); empty when nobody counted.
    QByteArray cashCount() const { return m_cashCount; }
    void setCashCount(const QByteArray &json) { m_cashCount = json; }

    // The clock of the run: the current time unless fixed (reproducible
    // runs and tests).
    QDateTime now() const;
    void setClock(const QDateTime &fixed) { m_clock = fixed; }

private:
    Basics::TValue *m_waiter = nullptr;
    Basics::TValue *m_turnoverWaiter = nullptr;
    QDateTime m_clock;
    int m_moved = 0;
    QByteArray m_cashCount;
};

} // namespace PosLib
