#pragma once

// A pay entry of a bill, as the terminals write it, for the tests of the
// day's bill figures and the cash count.

#include "ttableentry.h"

#include <QString>

namespace closingtest {

struct Pay
{
    qint64 amount = 0;
    int payform = 1;
    QString name = QStringLiteral("Cash");
    qint64 tip = 0;
    qint64 given = 0;
    qint64 returned = 0;
    bool cash = true; // counts into the cash drawer
    bool voided = false;
    int waiter = 1;
    int currency = 1; // the euro, the system currency
    qint64 original = 0; // handed over in a foreign currency
};

inline PosLib::TTableEntry *pay(const Pay &p)
{
    using PosLib::TTableEntry;
    auto *e = new TTableEntry;
    e->setType(PosLib::EntryPay);
    e->setInt(QStringLiteral("amount"), p.amount);
    e->setInt(QStringLiteral("payform"), p.payform);
    e->setString(QStringLiteral("payformname"), p.name);
    e->setInt(QStringLiteral("tip"), p.tip);
    e->setInt(QStringLiteral("given"), p.given);
    e->setInt(QStringLiteral("return"), p.returned);
    e->setInt(QStringLiteral("retamount"), p.returned);
    e->setInt(QStringLiteral("retcurr"), 1);
    e->setInt(QStringLiteral("guests"), 2);
    e->setBool(QStringLiteral("intermsum"), p.cash);
    e->setBool(QStringLiteral("voided"), p.voided);
    e->setInt(QStringLiteral("waiter"), p.waiter);
    e->setInt(QStringLiteral("curr"), p.currency);
    e->setString(QStringLiteral("currshort"),
                 p.currency == 1 ? QStringLiteral("EUR") : QStringLiteral("CHF"));
    e->setString(QStringLiteral("currrate"),
                 p.currency == 1 ? QStringLiteral("1") : QStringLiteral("0.94"));
    if (p.original)
        e->setInt(QStringLiteral("orggiven"), p.original);
    return e;
}

} // namespace closingtest
