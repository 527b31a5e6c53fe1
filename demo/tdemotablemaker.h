#pragma once

#include "tdemomasterdata.h"
#include "tdemoplan.h"
#include "tdemorandom.h"
#include "ttable.h"

#include <QMap>
#include <QVector>

#include <memory>

namespace PosLib::Demo {

// One table of a plan with its entries: the rounds of orders with their
// add-ons, menus, voids, splits and changes, then the pays, the cash
// drawer or the nulling; every table balances.
class TTableMaker
{
public:
    TTableMaker(const Plan &plan, const Day &day, DayLog &log)
        : m_plan(plan)
        , m_day(day)
        , m_log(log)
        , m_random(plan.seed)
        , m_waiter(plan.waiter)
    { }

    std::unique_ptr<TTable> make(long archive, long bill);

private:
    TTableEntry *entry(int type, int at, int waiter = 0);
    TTableEntry *order(int plu, double count, int at, int round);
    void header(long archive, long bill);
    void rounds();
    QVector<int> roundTimes();
    void changeTable(int at);
    QMap<int, double> roundItems(int round, int rounds);
    TTableEntry *bookItems(const QMap<int, double> &items, int at, int round, int &offset);
    void addToppings(TTableEntry *pizza);
    void bookMenu(int at, int round, int &offset);
    void voidOne(const TTableEntry *cola, int at, int round);
    void splitOne();
    void cashDrawer();
    void nulled();
    void splitTarget();
    void pays();
    TTableEntry *pay(qint64 amount, int payform, int at, int guests, qint64 tip = 0);
    void cashGiven(TTableEntry *pay, qint64 amount, qint64 tip);
    void archiveEntry(int at, bool voided = false);
    void discount(TTableEntry *order, int id, const char *name, int rate, int absolute);
    qint64 total() { return qint64(m_table->computeAmount()); }
    void setCurrency(TTableEntry *e, const Currency &c, const char *prefix);

    const Plan &m_plan;
    const Day &m_day;
    DayLog &m_log;
    TRandom m_random;
    std::unique_ptr<TTable> m_table;
    int m_waiter;
    int m_nextId = 1;
    int m_payNumber = 0;
    int m_rounds = 0;
};

} // namespace PosLib::Demo
