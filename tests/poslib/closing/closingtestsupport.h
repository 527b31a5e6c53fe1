#pragma once

// Closings over the turnover test installation: two days, each closed by
// a waiter and then as a whole, with helpers that look at the records.

#include "turnovertestsupport.h"

#include "tclosingledger.h"
#include "tclosingrecord.h"
#include "tclosingrecorder.h"
#include "tclosingverifier.h"
#include "tinstallation.h"

namespace closingtest {

class ClosingTest : public TurnoverTest
{
protected:
    const QDate firstDay {2014, 3, 5};
    const QDate secondDay {2014, 3, 6};

    QString dayDir(const QDate &date) const
    {
        return QStringLiteral("var/statist/") + statistDayName(date) + QLatin1Char('/');
    }

    // Closes `date` (for `waiter` only, when given) at `clock`.
    int close(const QDate &date, TValue *waiter, const QDateTime &clock)
    {
        TurnoverData data;
        data.setDataPath(root());
        data.setTurnoverDate(date);
        data.setWaiter(waiter);
        data.setTurnoverWaiter(bruno);
        data.setApplicationName(QStringLiteral("test"));
        data.setTerminalId(3);
        data.setClock(clock);
        return executeTurnover(data);
    }

    // Anna's closing and the whole-day closing of the first day (bills 1
    // to 3 of Anna, 4 of Bruno), then the second day as a whole (5, 6).
    void closeTwoDays()
    {
        archive(1, 11, 7);
        archive(2, 12, 7);
        archive(3, 13, 8);
        ASSERT_EQ(0, close(firstDay, anna, QDateTime(QDate(2014, 3, 5), QTime(23, 0))));
        archive(4, 14, 8);
        ASSERT_EQ(0, close(firstDay, nullptr, QDateTime(QDate(2014, 3, 6), QTime(1, 30))));
        archive(5, 15, 7);
        archive(6, 16, 8, 3);
        ASSERT_EQ(0, close(secondDay, nullptr, QDateTime(QDate(2014, 3, 7), QTime(1, 30))));
    }

    QList<TClosingFinding> verify(const QDate &day = QDate()) const
    {
        return verifyClosings(root(), TClosingLedger(root()), day);
    }
    static QList<TClosingFinding::Kind> kinds(const QList<TClosingFinding> &findings)
    {
        QList<TClosingFinding::Kind> out;
        for (const TClosingFinding &finding : findings)
            out << finding.kind;
        return out;
    }
    static QStringList texts(const QList<TClosingFinding> &findings)
    {
        QStringList out;
        for (const TClosingFinding &finding : findings)
            out << finding.text;
        return out;
    }
    TClosingRecord record(const QDate &date, long z)
    {
        TClosingRecord r;
        QString error;
        EXPECT_TRUE(TClosingRecord::fromBytes(dir.read(dayDir(date) + TClosingRecord::fileName(z)),
                                              &r, &error))
                << error.toStdString();
        return r;
    }
};

} // namespace closingtest

using namespace closingtest;
