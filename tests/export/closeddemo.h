#pragma once

// A demo installation whose closed days are sealed by closing records, as
// a day closing leaves them, for the tests of the accounting and audit
// exports. Header-only.

#include "tclosingledger.h"
#include "tclosingrecorder.h"
#include "tdemoinstallation.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

namespace closeddemo {

// Records every closing of the installation that has no record yet, in Z
// order, as the closing run would have (the day's summary, the bills with
// its Z stamp, the link to the record before); a day of `countedCash`
// with a cash count of that much cash of the system currency (cents).
inline void sealClosings(const QString &root, const QMap<QDate, qint64> &countedCash = {})
{
    const PosLib::TClosingLedger ledger(root);
    for (const PosLib::TClosing &closing : ledger.closings()) {
        if (closing.hasRecord)
            continue;
        PosLib::TPendingClosing run;
        run.z = closing.z;
        run.date = closing.date;
        run.waiter = closing.journal.waiter;
        run.waiterName = closing.journal.waiterName;
        run.application = QStringLiteral("Back office");
        run.terminal = 1;
        run.start = QDateTime(closing.date.addDays(1), QTime(2, 0));
        if (countedCash.contains(closing.date)) {
            PosLib::TCountItem cash;
            cash.name = QStringLiteral("Cash");
            run.cashCount.counted = {{cash, countedCash.value(closing.date)}};
            run.cashCount.comment = QStringLiteral("counted twice");
            run.cashCount.countedBy = QStringLiteral("Clara");
        }
        PosLib::recordClosing(root, run, closing.z, run.start.addSecs(90));
    }
}

// A demo of `days` closed days of `tables` tables before `today`, sealed
// (with the cash counts of `countedCash`, see sealClosings()).
inline void write(const QString &root, int days, int tables,
                  const QDate &today = QDate(2026, 12, 5),
                  const QMap<QDate, qint64> &countedCash = {})
{
    PosLib::TDemoOptions options;
    options.days = days;
    options.tables = tables;
    options.today = today;
    PosLib::TDemoInstallation(options).write(root);
    sealClosings(root, countedCash);
}

// Writes "etc/accounting.ini" with the adviser 29098, client 55003 and
// `more` lines after the section header "[Bookings]".
inline void writeAccounting(const QString &root, const QByteArray &more = QByteArray())
{
    QDir().mkpath(root + QStringLiteral("etc"));
    QFile file(root + QStringLiteral("etc/accounting.ini"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write("[Bookings]\nconsultant = 29098\nclient = 55003\n" + more);
}

} // namespace closeddemo
