#include "tdemotablemaker.h"

#include "tround.h"
#include "ttableentry.h"

#include <QTime>

#include <algorithm>

using namespace Basics;

namespace PosLib::Demo {

TTableEntry *TTableMaker::entry(int type, int at, int waiter)
{
    const Waiter &w = waiterById(waiter ? waiter : m_waiter);
    const AreaInfo &area = Areas[m_plan.area];
    auto *e = new TTableEntry;
    e->setId(m_nextId++);
    e->setType(type);
    // times past midnight belong to the same business day, on the next date
    e->setDate(QStringLiteral("date"), m_day.date.addDays(at / (24 * Hour)));
    e->setTime(QStringLiteral("time"), QTime::fromMSecsSinceStartOfDay(at % (24 * Hour) * 1000));
    e->setInt(QStringLiteral("waiter"), w.id);
    e->setString(QStringLiteral("waitername"), text(w.name));
    e->setInt(QStringLiteral("terminal"), m_plan.terminal);
    e->setString(QStringLiteral("termname"), text(Terminals[m_plan.terminal - 1].name));
    e->setInt(QStringLiteral("center"), area.center);
    e->setString(QStringLiteral("centername"), text(Centers[area.center - 1].name));
    m_table->entries().insert(e);
    m_log.activity[w.id].append(at);
    ++m_log.entries;
    return e;
}

TTableEntry *TTableMaker::order(int plu, double count, int at, int round)
{
    const Article &a = articleByPlu(plu);
    const Family &family = familyById(a.family);
    const bool takeaway = m_plan.has(FTakeaway);
    TTableEntry *o = entry(EntryOrder, at);
    o->setInt(QStringLiteral("plu"), a.plu);
    o->setString(QStringLiteral("article"), text(a.name));
    o->setString(QStringLiteral("artshort"), text(a.shortName));
    o->setInt(QStringLiteral("price"), a.price);
    o->setDouble(QStringLiteral("count"), count);
    o->setInt(QStringLiteral("family"), family.id);
    o->setString(QStringLiteral("familyname"), text(family.name));
    o->setInt(QStringLiteral("famgroup"), family.group);
    o->setString(QStringLiteral("famgrpname"), text(FamGroups[family.group - 1].name));
    const int rateIh = rateInHouse(a.family);
    const int rateOh = rateTakeaway(a.family);
    o->setInt(QStringLiteral("rateih"), rateIh);
    o->setInt(QStringLiteral("rateoh"), rateOh);
    o->setInt(QStringLiteral("vatrate"), rateNumber(takeaway ? rateOh : rateIh));
    if (takeaway)
        o->setBool(QStringLiteral("isvatoh"), true);
    o->setInt(QStringLiteral("round"), round);
    o->setInt(QStringLiteral("seat"), 1 + m_random.below(std::max(1, m_plan.guests)));
    if (a.family == 12)
        o->setBool(QStringLiteral("credit"), true);
    if (a.family == 13)
        o->setBool(QStringLiteral("iscontrol"), true);
    if (m_plan.has(FOrderTax)) {
        const int rate = takeaway ? rateOh : rateIh;
        o->setString(QStringLiteral("taxamounts"),
                     QStringLiteral("%1,%2").arg(rateNumber(rate)).arg(vatPart(a.price, rate)));
        o->setString(QStringLiteral("taxih"), text(TaxDefinitions));
        o->setString(QStringLiteral("taxoh"), text(TaxDefinitions));
        // the bottle deposit on takeaway bottles, per bottle
        if (takeaway && (plu == 601 || plu == 602 || plu == 603))
            o->setDouble(QStringLiteral("taxamount"), 25);
    }
    return o;
}

void TTableMaker::discount(TTableEntry *o, int id, const char *name, int rate, int absolute)
{
    const qint64 base = o->unitPrice();
    const qint64 off = absolute ? std::min<qint64>(absolute, base / 2)
                                : roundHalfUp(double(base) * rate / 100.0);
    o->setInt(QStringLiteral("price"), base - off);
    o->setInt(QStringLiteral("discount"), off);
    o->setInt(QStringLiteral("discbase"), base);
    o->setInt(QStringLiteral("discid"), id);
    o->setString(QStringLiteral("discname"), text(name));
    o->setInt(QStringLiteral("discrate"), absolute ? off : rate);
    o->setInt(QStringLiteral("discabs"), absolute ? off : 0);
    if (m_plan.has(FOrderTax)) {
        const int taxRate = m_plan.has(FTakeaway) ? o->getInt(QStringLiteral("rateoh"))
                                                  : o->getInt(QStringLiteral("rateih"));
        o->setString(
                QStringLiteral("taxamounts"),
                QStringLiteral("%1,%2").arg(rateNumber(taxRate)).arg(vatPart(base - off, taxRate)));
    }
}

void TTableMaker::header(long archive, long bill)
{
    TTable &t = *m_table;
    const Plan &p = m_plan;
    t.setTable(p.table);
    t.setParty(p.party);
    t.setArchive(archive);
    t.setBillNum(bill);
    t.setGuests(p.has(FCash) ? 0 : p.guests);
    t.setVatOh(p.has(FTakeaway));
    t.setInSum(!p.has(FNotInSum));
    t.setRestored(p.has(FRestore));
    t.setTaxIh(text(TaxDefinitions));
    t.setTaxOh(text(TaxDefinitions));
    if (p.has(FNulled))
        t.setNulled(true);
    if (waiterById(p.waiter).trainee)
        t.setBool(QStringLiteral("trainee"), true);
    if (p.has(FGuestTax)) {
        // the cover charge: 2.50 a guest, 0.40 of it VAT at 19 %
        t.setTaxAmount(250);
        t.setTaxAmounts(QStringLiteral("1,%1").arg(vatPart(250, 1900)));
    }
    if (p.has(FDescr))
        t.setString(QStringLiteral("descr"), QStringLiteral("Birthday party"));

    const Waiter &w = waiterById(p.waiter);
    const AreaInfo &area = Areas[p.area];
    TTableCreate &c = t.create();
    c.setInt(QStringLiteral("id"), 0);
    c.setDate(QStringLiteral("date"), m_day.date.addDays(p.start / (24 * Hour)));
    c.setTime(QStringLiteral("time"),
              QTime::fromMSecsSinceStartOfDay(p.start % (24 * Hour) * 1000));
    c.setInt(QStringLiteral("waiter"), w.id);
    c.setString(QStringLiteral("waitername"), text(w.name));
    c.setInt(QStringLiteral("terminal"), p.terminal);
    c.setString(QStringLiteral("termname"), text(Terminals[p.terminal - 1].name));
    c.setInt(QStringLiteral("center"), area.center);
    c.setString(QStringLiteral("centername"), text(Centers[area.center - 1].name));
    const QString name = p.has(FCash)         ? QStringLiteral("Cash drawer")
                         : p.area == Takeaway ? QStringLiteral("Takeaway %1").arg(p.table)
                         : p.has(FNotInSum | FSubvention) ? QStringLiteral("Staff table")
                                                          : QStringLiteral("Table %1").arg(p.table);
    c.setString(QStringLiteral("tablename"), name);
    c.setString(QStringLiteral("teams"), text(w.teams));
    m_log.activity[w.id].append(p.start);
}

// The orders of a seated table, a bar table or a takeaway bag, in up to
// three rounds, with whatever the table's features add to them.
void TTableMaker::rounds()
{
    const Plan &p = m_plan;
    const QVector<int> times = roundTimes();
    const int changeAt = p.start + std::min(10 * Minute, (p.end - p.start) / 5);
    bool changed = false;
    for (int round = 1; round <= times.size(); ++round) {
        const int at = times.at(round - 1);
        if (p.has(FChange) && !changed && at > changeAt) {
            changeTable(changeAt);
            changed = true;
        }
        int offset = 0;
        TTableEntry *voidable = bookItems(roundItems(round, int(times.size())), at, round, offset);
        if (round == 1 && p.has(FMenu))
            bookMenu(at + offset, round, offset);
        if (p.has(FFraction) && (round == 2 || times.size() == 1) && p.area != Takeaway) {
            // 0.25 l of a 21.90 litre price is 547.5, booked as 548
            const double quarters[] = {0.25, 0.5, 0.75};
            order(802, m_random.pick(quarters), at + offset, round);
            offset += 5;
        }
        if (round == 2 && p.has(FControl))
            order(1301, 1, at - Minute, round);
        if (voidable)
            voidOne(voidable, at, round);
        ++m_rounds;
    }
    if (p.has(FChange) && !changed)
        changeTable(changeAt);
    if (p.has(FControl) && times.size() < 2)
        order(1301, 1, times.first() + Minute, 1);
    if (p.has(FSplit) && !p.open)
        splitOne();
}

// When each round is booked; an open table has booked only its past rounds.
QVector<int> TTableMaker::roundTimes()
{
    TRandom &r = m_random;
    const Plan &p = m_plan;
    const int duration = p.end - p.start;
    QVector<int> times;
    times << p.start + r.range(3, 6) * Minute;
    if (p.area == Takeaway) {
        times[0] = p.start + r.range(1, 3) * Minute;
    } else if (p.area == Bar) {
        const int more = r.below(3);
        for (int i = 1; i <= more; ++i)
            times << p.start + duration * i / (more + 1);
    } else {
        if (duration >= 50 * Minute && (r.chance(70) || p.has(FFraction)))
            times << p.start + duration * 45 / 100;
        if (duration >= 70 * Minute && r.chance(75))
            times << p.start + duration * 70 / 100;
    }
    if (p.open) {
        while (times.size() > 1 && times.last() > Now - 2 * Minute)
            times.removeLast();
    }
    return times;
}

// The party moved over from another table and waiter.
void TTableMaker::changeTable(int at)
{
    const Plan &p = m_plan;
    TTableEntry *c = entry(EntryChange, at);
    c->setInt(QStringLiteral("fromtable"), p.fromTable);
    c->setInt(QStringLiteral("fromparty"), 1);
    c->setInt(QStringLiteral("fromwaiter"), p.waiter);
    c->setInt(QStringLiteral("totable"), p.table);
    c->setInt(QStringLiteral("toparty"), p.party);
    c->setInt(QStringLiteral("towaiter"), p.toWaiter);
    m_waiter = p.toWaiter;
}

// What a round orders, plu -> count (each booked as one line): the area's
// usual orders, then what the table's features add in the first round.
QMap<int, double> TTableMaker::roundItems(int round, int rounds)
{
    TRandom &r = m_random;
    const Plan &p = m_plan;
    const int guests = std::max(1, p.guests);
    QMap<int, double> items;
    const bool last = round == rounds;
    if (p.area == Takeaway) {
        const int pizzas = r.range(1, 3);
        for (int i = 0; i < pizzas; ++i)
            items[r.chance(80) ? r.pick(Pizzas) : 302] += 1;
        const int drinks = r.range(p.has(FOrderTax) ? 1 : 0, 2);
        for (int i = 0; i < drinks; ++i)
            items[p.has(FOrderTax) && i == 0 ? 602 : r.pick(TakeawayDrinks)] += 1;
    } else if (p.area == Bar) {
        const int drinks = r.range(1, guests + 1);
        for (int i = 0; i < drinks; ++i)
            items[r.pick(BarDrinks)] += 1;
        if (r.chance(15))
            items[201] += 1;
    } else if (round == 1) {
        const int menus = p.has(FMenu) ? std::max(1, guests / 2) : 0;
        for (int g = 0; g < guests; ++g) {
            items[r.pick(TableDrinks)] += 1;
            if (g < menus)
                continue;
            if (r.chance(30))
                items[r.pick(Starters)] += 1;
            items[r.pick(MainDishes)] += 1;
        }
    } else if (!last || rounds == 2) {
        const int drinks = std::max(1, guests / 2);
        for (int g = 0; g < drinks; ++g)
            items[r.pick(TableDrinks)] += 1;
    } else {
        for (int g = 0; g < guests; ++g) {
            if (r.chance(40))
                items[r.pick(Desserts)] += 1;
            if (r.chance(60))
                items[r.pick(Coffees)] += 1;
        }
    }
    if (round != 1)
        return items;
    if (p.has(FSplit))
        items[p.splitPlu] += 2;
    if (p.has(FVoid))
        items[602] += 2;
    if (p.has(FAddOn) && (p.area == Restaurant || p.area == Terrace)) {
        bool pizza = false;
        for (int plu : Pizzas)
            pizza = pizza || items.contains(plu);
        if (!pizza)
            items[201] += 1;
    }
    if (p.has(FCredit))
        items[1201] += 1;
    if (items.isEmpty())
        items[901] += 1;
    return items;
}

// Books the items of a round 5 seconds apart from `at`, with the toppings,
// discounts and staff subsidies the table's features call for. Returns
// the cola line a void takes back, if the table has one.
TTableEntry *TTableMaker::bookItems(const QMap<int, double> &items, int at, int round, int &offset)
{
    const Plan &p = m_plan;
    TTableEntry *voidable = nullptr;
    bool addOnsDone = false, happyHour = false, loyalty = false;
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        TTableEntry *o = order(it.key(), it.value(), at + offset, round);
        offset += 5;
        const Article &a = articleByPlu(it.key());
        if (p.has(FAddOn) && !addOnsDone && familyById(a.family).id == 2) {
            addToppings(o);
            addOnsDone = true;
        }
        if (p.has(FDiscount) && !happyHour && familyById(a.family).group == 2) {
            discount(o, 1, "Happy hour", 20, 0);
            happyHour = true;
        } else if (p.has(FDiscount) && !loyalty && a.family == 4) {
            discount(o, 2, "Loyalty card", 0, 200);
            loyalty = true;
        }
        if (p.has(FSubvention) && familyById(a.family).group == 1) {
            // the employer pays 3.00 of every staff meal
            const qint64 subsidy = std::min<qint64>(300, a.price / 2);
            o->setInt(QStringLiteral("price"), a.price - subsidy);
            o->setInt(QStringLiteral("discsub"), 1);
            o->setString(QStringLiteral("discsubname"), QStringLiteral("Employer subsidy"));
            o->setInt(QStringLiteral("subsidy"), subsidy);
        }
        if (it.key() == 602 && p.has(FVoid))
            voidable = o;
    }
    return voidable;
}

// Toppings are price add-ons: they raise the pizza's price.
void TTableMaker::addToppings(TTableEntry *pizza)
{
    for (int plu : {1001, 1002}) {
        if (plu == 1002 && m_random.chance(50))
            continue;
        const Article &extra = articleByPlu(plu);
        auto *addOn = new TTableEntry;
        addOn->setType(EntryAddOn);
        addOn->setInt(QStringLiteral("plu"), extra.plu);
        addOn->setString(QStringLiteral("article"), text(extra.name));
        addOn->setInt(QStringLiteral("price"), extra.price);
        pizza->children(true)->append(addOn);
        ++m_log.entries;
    }
}

// The lunch menu is sold as one line and counted by its courses.
void TTableMaker::bookMenu(int at, int round, int &offset)
{
    const double menus = std::max(1, std::max(1, m_plan.guests) / 2);
    TTableEntry *menu = order(1101, menus, at, round);
    offset += 5;
    for (const auto &course : MenuCourses) {
        const Article &a = articleByPlu(course[0]);
        const Family &family = familyById(a.family);
        auto *part = new TTableEntry;
        part->setType(EntryComponent);
        part->setInt(QStringLiteral("plu"), a.plu);
        part->setString(QStringLiteral("article"), text(a.name));
        part->setString(QStringLiteral("artshort"), text(a.shortName));
        part->setInt(QStringLiteral("price"), course[1]);
        part->setDouble(QStringLiteral("count"), menus);
        part->setInt(QStringLiteral("family"), family.id);
        part->setString(QStringLiteral("familyname"), text(family.name));
        part->setInt(QStringLiteral("famgroup"), family.group);
        part->setString(QStringLiteral("famgrpname"), text(FamGroups[family.group - 1].name));
        part->setInt(QStringLiteral("rateih"), rateInHouse(a.family));
        part->setInt(QStringLiteral("rateoh"), rateTakeaway(a.family));
        part->setInt(QStringLiteral("vatrate"), rateNumber(rateInHouse(a.family)));
        menu->children(true)->append(part);
        ++m_log.entries;
    }
}

// One of two colas taken back: the void and the line that cancels it.
void TTableMaker::voidOne(const TTableEntry *cola, int at, int round)
{
    TRandom &r = m_random;
    const int when = at + r.range(2, 6) * Minute;
    TTableEntry *v = entry(EntryVoid, when);
    const Article &a = articleByPlu(602);
    v->setInt(QStringLiteral("plu"), a.plu);
    v->setString(QStringLiteral("article"), text(a.name));
    v->setInt(QStringLiteral("price"), cola->unitPrice());
    v->setDouble(QStringLiteral("count"), 1);
    v->setInt(QStringLiteral("amount"), cola->unitPrice());
    v->setInt(QStringLiteral("family"), a.family);
    v->setInt(QStringLiteral("famgroup"), familyById(a.family).group);
    v->setInt(QStringLiteral("vwaiter"), Manager);
    v->setString(QStringLiteral("vwaitername"), text(waiterById(Manager).name));
    const char *reasons[] = {"Guest changed mind", "Wrong order", ""};
    v->setString(QStringLiteral("reason"), text(r.pick(reasons)));
    TTableEntry *back = order(602, -1, when, round);
    back->setInt(QStringLiteral("price"), cola->unitPrice());
    back->setBool(QStringLiteral("voided"), true);
}

// One beer goes over to the guest's own bill, party 2.
void TTableMaker::splitOne()
{
    const Plan &p = m_plan;
    const Article &a = articleByPlu(p.splitPlu);
    TTableEntry *split = entry(EntrySplit, p.splitAt);
    split->setDouble(QStringLiteral("count"), 1);
    split->setInt(QStringLiteral("plu"), a.plu);
    split->setInt(QStringLiteral("totable"), p.table);
    split->setInt(QStringLiteral("toparty"), p.linkParty);
    split->setInt(QStringLiteral("amount"), a.price);
    TTableEntry *moved = order(a.plu, -1, p.splitAt, m_rounds);
    moved->setBool(QStringLiteral("moved"), true);
}

void TTableMaker::setCurrency(TTableEntry *e, const Currency &c, const char *prefix)
{
    const QString pre = text(prefix);
    e->setInt(pre, c.id);
    e->setString(pre + QLatin1String("name"), text(c.name));
    e->setString(pre + QLatin1String("short"), text(c.shortName));
    e->setDouble(pre + QLatin1String("rate"), c.rate);
    e->setInt(pre + QLatin1String("decpos"), 2);
}

TTableEntry *TTableMaker::pay(qint64 amount, int payform, int at, int guests, qint64 tip)
{
    const Payform &form = Payforms[payform - 1];
    TTableEntry *p = entry(EntryPay, at);
    p->setInt(QStringLiteral("amount"), amount);
    p->setInt(QStringLiteral("payform"), form.id);
    p->setString(QStringLiteral("payformname"), text(form.name));
    p->setInt(QStringLiteral("guests"), guests);
    p->setInt(QStringLiteral("paynum"), ++m_payNumber);
    p->setBool(QStringLiteral("intermsum"), form.cash);
    p->setBool(QStringLiteral("voided"), false);
    p->setInt(QStringLiteral("tip"), tip);
    p->setInt(QStringLiteral("given"), amount + tip);
    p->setInt(QStringLiteral("return"), 0);
    setCurrency(p, Currencies[0], "curr");
    if (form.cash)
        cashGiven(p, amount, tip);
    return p;
}

// Cash is handed over in notes; the change goes back in euro.
void TTableMaker::cashGiven(TTableEntry *p, qint64 amount, qint64 tip)
{
    const qint64 due = amount + tip;
    qint64 given = due;
    if (m_random.chance(85)) {
        given = (due + 499) / 500 * 500;
        if (m_random.chance(30))
            given += 1000;
    }
    p->setInt(QStringLiteral("given"), given);
    p->setInt(QStringLiteral("return"), given - due);
    p->setInt(QStringLiteral("retamount"), given - due);
    setCurrency(p, Currencies[0], "retcurr");
    m_log.cash[p->waiter()] += due;
}

void TTableMaker::archiveEntry(int at, bool voided)
{
    TTableEntry *a = entry(EntryArchive, at);
    a->setBool(QStringLiteral("voided"), voided);
}

// Pays that settle the table: their amounts, without tips, add up to its
// total.
void TTableMaker::pays()
{
    TRandom &r = m_random;
    const Plan &p = m_plan;
    const qint64 due = total();
    const int at = p.end - 90;
    const int guests = std::max(1, p.guests);

    if (p.has(FRestore)) {
        // paid cash, restored by the manager, paid again by card
        TTableEntry *first = pay(due, PayCash, p.end - 8 * Minute, guests);
        first->setBool(QStringLiteral("voided"), true);
        m_log.cash[first->waiter()] -= due;
        archiveEntry(p.end - 7 * Minute, true);
        entry(EntryRestore, p.end - 2 * Minute, Manager);
        pay(due, PayEc, p.end - Minute, guests);
        return;
    }
    if (p.has(FVoidedPay)) {
        // a declined card, taken back
        TTableEntry *declined = pay(due, PayVisa, at - 2 * Minute, guests);
        declined->setBool(QStringLiteral("voided"), true);
    }
    auto tipFor = [&](qint64 amount, bool forced) -> qint64 {
        if (!forced && !r.chance(35))
            return 0;
        // rounded up to the next euro, and a little more
        return (amount + 99) / 100 * 100 - amount + 100 * r.below(3) + (forced ? 100 : 0);
    };

    if (p.has(FMultiPay) && guests >= 2) {
        const int parts = std::min(guests, 2 + r.below(2));
        const int forms[] = {PayCash, PayEc, PayMaster};
        qint64 left = due;
        int guestsLeft = guests;
        for (int i = 0; i < parts; ++i) {
            const int share = i + 1 == parts ? guestsLeft : guests / parts;
            const qint64 amount = i + 1 == parts ? left : due * share / guests;
            pay(amount, forms[i % 3], at + i * 30, share, tipFor(amount, p.has(FTip)));
            left -= amount;
            guestsLeft -= share;
        }
        return;
    }
    if (p.has(FHotel)) {
        const int room = r.range(101, 130);
        TTableEntry *h = pay(due, PayHotel, at, guests);
        h->setString(QStringLiteral("room"), QString::number(room));
        h->setInt(QStringLiteral("hotparty"), r.range(1, 2));
        h->setString(QStringLiteral("hotelacc"), QStringLiteral("A%1").arg(room * 100 + 17));
        const char *guestNames[] = {"Mr. Miller", "Ms. Novak", "Dr. Rossi", "Mrs. Berger"};
        h->setString(QStringLiteral("hotelguest"), text(r.pick(guestNames)));
        h->setString(QStringLiteral("hotelcard"), QStringLiteral("%1").arg(4000 + room));
        h->setString(QStringLiteral("hotelgroup"), QString());
        const qint64 before = 100 * r.range(0, 400);
        h->setInt(QStringLiteral("hotelamount"), due);
        h->setInt(QStringLiteral("hotelnewam"), before + due);
        return;
    }
    if (p.has(FSubvention)) {
        qint64 subsidy = 0;
        m_table->entries().forEach([&subsidy](TTableEntry *e) {
            if (e->type() == EntryOrder)
                subsidy += lineAmount(e->getLong(QStringLiteral("subsidy")), e->count());
        });
        TTableEntry *s = pay(due, PayStaff, at, guests);
        s->setInt(QStringLiteral("subvent"), 1);
        s->setInt(QStringLiteral("subvid"), 1);
        s->setString(QStringLiteral("subvname"), QStringLiteral("Employer subsidy"));
        s->setInt(QStringLiteral("subvamount"), subsidy);
        return;
    }
    if (p.has(FForeign)) {
        // francs or dollars in round notes, the change in euro
        const Currency &c = Currencies[1 + r.below(2)];
        const qint64 tip = tipFor(due, p.has(FTip));
        const qint64 needed = qint64(std::ceil(double(due + tip) * c.rate));
        const qint64 original = (needed + 999) / 1000 * 1000;
        const qint64 given = roundHalfUp(double(original) / c.rate);
        TTableEntry *f = pay(due, PayCash, at, guests, tip);
        setCurrency(f, c, "curr");
        f->setInt(QStringLiteral("orggiven"), original);
        f->setInt(QStringLiteral("given"), given);
        f->setInt(QStringLiteral("return"), given - due - tip);
        f->setInt(QStringLiteral("retamount"), given - due - tip);
        return;
    }
    if (due > 2500 && !p.has(FTakeaway) && r.chance(3)) {
        // a voucher sold earlier, the rest in cash
        pay(2500, PayVoucher, at, 1);
        pay(due - 2500, PayCash, at + 20, guests - 1 > 0 ? guests - 1 : 1, tipFor(due, false));
        return;
    }
    const int roll = r.below(100);
    const int form = p.has(FTakeaway) ? (roll < 80 ? PayCash : PayEc)
                     : p.has(FTip)    ? (roll < 50 ? PayVisa : PayEc)
                     : roll < 55      ? PayCash
                     : roll < 85      ? PayEc
                     : roll < 95      ? PayVisa
                                      : PayMaster;
    const bool card = form != PayCash;
    pay(due, form, at, guests, tipFor(due, p.has(FTip) || (card && r.chance(10))));
}

// The cash drawer of the day: change money in the morning, supplier paid
// out of the till, and at night the balances of every waiter who took cash
// and of the bar terminal.
void TTableMaker::cashDrawer()
{
    const Plan &p = m_plan;
    auto cash = [&](int at, qint64 amount, const char *reason, int waiter) {
        TTableEntry *c = entry(EntryCash, at, waiter);
        c->setDouble(QStringLiteral("count"), 1);
        c->setInt(QStringLiteral("amount"), amount);
        c->setInt(QStringLiteral("retamount"), amount);
        setCurrency(c, Currencies[0], "retcurr");
        c->setString(QStringLiteral("reason"), text(reason));
        return amount;
    };
    qint64 drawer = 0;
    drawer += cash(p.start, 15000, "Change float", HeadWaiter);
    drawer += cash(12 * Hour + 10 * Minute, -2380 - 10 * m_random.below(50), "Flowers", HeadWaiter);
    if (!m_day.today) {
        drawer += cash(16 * Hour + 30 * Minute, -3000 - 50 * m_random.below(60), "Supplier: bakery",
                       5);
        drawer += cash(18 * Hour, 5000, "Change from the bank", Manager);

        // what each waiter hands over, against what the tills say
        int at = 23 * Hour + 40 * Minute;
        qint64 counted = drawer, expected = drawer;
        for (auto it = m_log.cash.cbegin(); it != m_log.cash.cend(); ++it) {
            if (it.value() == 0)
                continue;
            const int differences[] = {0, 0, 0, 0, -50, 20, -100, 10};
            const qint64 difference = m_random.pick(differences);
            TTableEntry *b = entry(EntryBalance, at, it.key());
            b->setInt(QStringLiteral("ccdbalance"), it.value());
            b->setInt(QStringLiteral("ccdamount"), it.value() + difference);
            b->setInt(QStringLiteral("ccddifferences"), difference);
            b->setBool(QStringLiteral("allwaiters"), false);
            expected += it.value();
            counted += it.value() + difference;
            at += 20;
        }
        TTableEntry *b = entry(EntryBalance, at + Minute, Manager);
        b->setInt(QStringLiteral("ccdterminal"), p.terminal);
        b->setInt(QStringLiteral("ccdbalance"), expected);
        b->setInt(QStringLiteral("ccdamount"), counted);
        b->setInt(QStringLiteral("ccddifferences"), counted - expected);
        b->setBool(QStringLiteral("allwaiters"), true);
    }
    archiveEntry(p.end);
}

// A takeaway order keyed in by mistake: taken back and nulled.
void TTableMaker::nulled()
{
    const Plan &p = m_plan;
    TTableEntry *o = order(201, 1, p.start + Minute, 1);
    TTableEntry *v = entry(EntryVoid, p.start + 2 * Minute);
    v->setInt(QStringLiteral("plu"), 201);
    v->setString(QStringLiteral("article"), o->article());
    v->setInt(QStringLiteral("price"), o->unitPrice());
    v->setDouble(QStringLiteral("count"), 1);
    v->setInt(QStringLiteral("amount"), o->unitPrice());
    v->setInt(QStringLiteral("family"), o->family());
    v->setInt(QStringLiteral("famgroup"), o->famGroup());
    v->setInt(QStringLiteral("vwaiter"), Manager);
    v->setString(QStringLiteral("vwaitername"), text(waiterById(Manager).name));
    v->setString(QStringLiteral("reason"), QStringLiteral("Wrong table"));
    TTableEntry *back = order(201, -1, p.start + 2 * Minute, 1);
    back->setBool(QStringLiteral("voided"), true);
    m_rounds = 1;
    archiveEntry(p.end);
}

// Party 2 of a split: the moved beer, then a coffee.
void TTableMaker::splitTarget()
{
    const Plan &p = m_plan;
    TTableEntry *moved = order(p.splitPlu, 1, p.splitAt, 1);
    moved->setBool(QStringLiteral("fromsplit"), true);
    order(901, 1, p.splitAt + (p.end - p.splitAt) / 2, 2);
    m_rounds = 2;
}

std::unique_ptr<TTable> TTableMaker::make(long archive, long bill)
{
    m_table = std::make_unique<TTable>(nullptr);
    header(archive, bill);
    const Plan &p = m_plan;
    if (p.has(FCash)) {
        cashDrawer();
    } else if (p.has(FNulled)) {
        nulled();
    } else {
        if (p.has(FSplitTarget))
            splitTarget();
        else
            rounds();
        if (p.open) {
            if (p.has(FPartialPay)) {
                // one guest paid his share and left
                const qint64 share = total() / std::max(1, p.guests);
                pay(share, PayCash, Now - 10 * Minute, 1);
            }
        } else {
            pays();
            archiveEntry(p.end);
        }
    }
    TTable &t = *m_table;
    t.setRound(m_rounds);
    int payforms = 0, payform = 0;
    t.entries().forEach([&](TTableEntry *e) {
        if (e->type() == EntryPay && !e->isVoided()) {
            ++payforms;
            payform = e->payform();
        }
    });
    if (payforms == 1)
        t.setPayform(payform);
    t.setAmount(t.computeAmount()); // 0 once paid; also sets "maxamount"
    return std::move(m_table);
}

} // namespace PosLib::Demo
