#pragma once

// Installations written for the exceptions tests: a team of waiters whose
// bills look alike, with behaviour planted on purpose (one waiter voiding
// five times as often as the others, one discounting after 22:00, one
// paying bills to the staff account). Header-only; every bill balances.

#include "testdir.h"
#include "tinstallation.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QDate>
#include <QFile>
#include <QList>
#include <QString>
#include <QTime>

namespace planted {

// a Monday, days before those of the small demo (which share a folder in
// the window tests)
inline const QDate FirstDay(2026, 11, 2);
constexpr int Days = 10; // two weeks' worth: Monday to the Wednesday after
constexpr int Waiters = 6;
constexpr int BillsPerDay = 3; // per waiter and day
constexpr int StaffPayform = 7;

// What the team does besides ordering and paying.
struct Plan
{
    int voider = 0; // voids on every bill instead of every fifth
    int lateDiscounter = 0; // discounts at 22:30 instead of 19:30
    int staffUser = 0; // pays every third bill to the staff account
};

inline QString nameOf(int waiter)
{
    static const char *const names[] = {"Anna", "Marco", "Luca", "Sofia", "Giulia", "Paolo"};
    return waiter >= 1 && waiter <= 6 ? QString::fromLatin1(names[waiter - 1])
                                      : QStringLiteral("Waiter %1").arg(waiter);
}

struct Table
{
    long archive = 0;
    QDate day;
    int waiter = 0;
    int center = 1;
    int bill = 0; // of the day, from 0
    QList<PosLib::TTableEntry *> entries;
};

inline PosLib::TTableEntry *entry(int type, const Table &t, const QTime &time)
{
    auto *e = new PosLib::TTableEntry;
    e->setType(type);
    e->setDate(QStringLiteral("date"), t.day);
    e->setTime(QStringLiteral("time"), time);
    e->setInt(QStringLiteral("waiter"), t.waiter);
    e->setString(QStringLiteral("waitername"), nameOf(t.waiter));
    e->setInt(QStringLiteral("center"), t.center);
    e->setString(QStringLiteral("centername"),
                 t.center == 1 ? QStringLiteral("Restaurant") : QStringLiteral("Terrace"));
    return e;
}

inline PosLib::TTableEntry *order(const Table &t, qint64 plu, qint64 price, double count,
                                  const QTime &time, int round)
{
    PosLib::TTableEntry *o = entry(PosLib::EntryOrder, t, time);
    o->setInt(QStringLiteral("plu"), plu);
    o->setString(QStringLiteral("article"), QStringLiteral("Article %1").arg(plu));
    o->setInt(QStringLiteral("price"), price);
    o->setDouble(QStringLiteral("count"), count);
    o->setInt(QStringLiteral("family"), 1);
    o->setInt(QStringLiteral("round"), round);
    return o;
}

inline PosLib::TTableEntry *pay(const Table &t, qint64 amount, int payform, const QTime &time)
{
    PosLib::TTableEntry *p = entry(PosLib::EntryPay, t, time);
    p->setInt(QStringLiteral("amount"), amount);
    p->setInt(QStringLiteral("given"), amount);
    p->setInt(QStringLiteral("payform"), payform);
    p->setString(QStringLiteral("payformname"), payform == StaffPayform
                                                        ? QStringLiteral("Staff account")
                                                        : QStringLiteral("Cash"));
    p->setBool(QStringLiteral("intermsum"), payform == 1);
    p->setInt(QStringLiteral("guests"), 2);
    return p;
}

// Writes the table as "a<archive>" of its day's folder.
inline void save(const TestDir &dir, Table &t)
{
    PosLib::TTable table(nullptr);
    table.setTable(10 + t.bill);
    table.setParty(1);
    table.setInt(QStringLiteral("archive"), t.archive);
    table.setInt(QStringLiteral("billnum"), 1000 + t.archive);
    table.setInSum(true);
    table.setInt(QStringLiteral("waiter"), t.waiter);
    table.setString(QStringLiteral("waitername"), nameOf(t.waiter));
    table.setInt(QStringLiteral("center"), t.center);
    table.create().setInt(QStringLiteral("waiter"), t.waiter);
    table.create().setDate(QStringLiteral("date"), t.day);
    int id = 0;
    for (PosLib::TTableEntry *e : t.entries) {
        e->setId(++id);
        table.entries().insert(e);
    }
    t.entries.clear();
    table.setAmount(0.0);
    QByteArray bytes;
    table.write(bytes);
    dir.write(
            QStringLiteral("var/statist/%1/a%2").arg(PosLib::statistDayName(t.day)).arg(t.archive),
            bytes);
}

// A bill of the team: soup and main course in round 1, a coffee in round 2;
// on request a void of the coffee after sending it, a discount on the main
// course, the payment to the staff account.
inline void bill(const TestDir &dir, Table t, bool voids, const QTime &discountAt, bool staff)
{
    const QTime start = QTime(17, 0).addSecs(t.bill * 5 * 60);
    t.entries << order(t, 101, 450, 1, start, 1);
    qint64 main = 1200;
    PosLib::TTableEntry *course = order(t, 201, main, 1, start.addSecs(60), 1);
    if (discountAt.isValid()) {
        // 10 % off: the line carries the discounted price
        course->setTime(QStringLiteral("time"), discountAt);
        course->setInt(QStringLiteral("price"), 1080);
        course->setInt(QStringLiteral("discount"), 120);
        course->setInt(QStringLiteral("discbase"), 1200);
        course->setInt(QStringLiteral("discid"), 2);
        course->setString(QStringLiteral("discname"), QStringLiteral("Regulars"));
        course->setInt(QStringLiteral("discrate"), 10);
        main = 1080;
    }
    t.entries << course;
    const QTime coffee = start.addSecs(40 * 60 + t.waiter);
    t.entries << order(t, 901, 250, 1, coffee, 2);
    qint64 total = 450 + main + 250;
    if (voids) {
        const QTime at = coffee.addSecs(120);
        PosLib::TTableEntry *v = entry(PosLib::EntryVoid, t, at);
        v->setInt(QStringLiteral("plu"), 901);
        v->setString(QStringLiteral("article"), QStringLiteral("Article 901"));
        v->setInt(QStringLiteral("price"), 250);
        v->setDouble(QStringLiteral("count"), 1);
        v->setInt(QStringLiteral("amount"), 250);
        v->setInt(QStringLiteral("vwaiter"), t.waiter);
        v->setString(QStringLiteral("vwaitername"), nameOf(t.waiter));
        v->setString(QStringLiteral("reason"), QStringLiteral("Cold"));
        t.entries << v;
        PosLib::TTableEntry *back = order(t, 901, 250, -1, at, 3);
        back->setBool(QStringLiteral("voided"), true);
        t.entries << back;
        total -= 250;
    }
    t.entries << pay(t, total, staff ? StaffPayform : 1, start.addSecs(90 * 60));
    save(dir, t);
}

// The closed days of the team, each journaled as closed; "etc/reports.ini"
// (made, or added to) names the staff account.
inline void write(const TestDir &dir, const Plan &plan)
{
    const QString ini = QStringLiteral("etc/reports.ini");
    dir.write(ini, (dir.exists(ini) ? dir.read(ini) + '\n' : QByteArray())
                           + QByteArrayLiteral("[Exceptions]\nStaffPayforms=7\n"));
    long archive = 0;
    for (int d = 0; d < Days; ++d) {
        const QDate day = FirstDay.addDays(d);
        for (int w = 1; w <= Waiters; ++w) {
            for (int b = 0; b < BillsPerDay; ++b) {
                Table t;
                t.archive = ++archive;
                t.day = day;
                t.waiter = w;
                t.center = w <= 3 ? 1 : 2;
                t.bill = (w - 1) * BillsPerDay + b;
                const int n = d * BillsPerDay + b; // the waiter's bill, from 0
                const bool voids = w == plan.voider || n % 5 == 0;
                // a discount on every third bill
                QTime discountAt;
                if (n % 3 == 1)
                    discountAt = w == plan.lateDiscounter ? QTime(22, 30 + b) : QTime(19, 30 + b);
                const bool staff = w == plan.staffUser && n % 3 == 2;
                bill(dir, t, voids, discountAt, staff);
            }
        }
        dir.write(QStringLiteral("var/statist/%1/turnover.z").arg(PosLib::statistDayName(day)),
                  QByteArrayLiteral("closed\n"));
    }
}

inline QDate lastDay()
{
    return FirstDay.addDays(Days - 1);
}

} // namespace planted
