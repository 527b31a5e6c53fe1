#include "texceptionwalker.h"

#include "tentryfacts.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"
#include "ttablefacts.h"

#include <QHash>
#include <QSet>

#include <cmath>

namespace PosLib {

namespace {

// An article and the moment of an order line, to find the line a void
// booked with it.
struct LineKey
{
    qint64 plu;
    QDate date;
    QTime time;
    bool operator==(const LineKey &o) const
    {
        return plu == o.plu && date == o.date && time == o.time;
    }
};

size_t qHash(const LineKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.plu, key.date.toJulianDay(), key.time.msecsSinceStartOfDay());
}

int roundOf(const TEntryFacts &entry)
{
    return entry.has(FRound) ? entry.getInt(FRound) : -1;
}

// A component as the reports count it: an order of its own, booked like its
// parent (waiter, date and time, cost center when it has none).
TEntryFacts madeOrder(const TEntryFacts &child, const TEntryFacts &parent)
{
    TEntryFacts order(child);
    order.setType(EntryOrder);
    for (TField f : {FWaiter, FWaiterName, FDate, FTime}) {
        if (parent.has(f))
            order.set(f, parent.get(f));
    }
    if (!order.has(FCenter)) {
        order.set(FCenter, parent.get(FCenter));
        order.set(FCenterName, parent.get(FCenterName));
    }
    order.finish();
    return order;
}

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.trimmed();
}

} // namespace

struct TExceptionWalker::Bill
{
    const TTableFacts &facts;
    QDate closedDay;
    bool open = false;
    TExceptionDay &day;
    // the first round each article was ordered in (orders that count and
    // were not taken back), and the round of each line a void booked
    QHash<qint64, int> firstRound;
    QHash<LineKey, int> cancelRound;
    // for a bill voided whole: its order lines and its voids
    qint64 lines = 0;
    qint64 positiveLines = 0;
    int voids = 0;
    double voidAmount = 0;
    const TEntryFacts *lastVoid = nullptr;
};

TExceptionWalker::TExceptionWalker(const QString &root, const TExceptionRules &rules,
                                   const TExceptionChoice &choice)
    : m_rules(rules)
    , m_choice(choice)
    , m_waiters(nullptr, root)
    , m_centers(nullptr, root)
{ }

bool TExceptionWalker::counts(const TTableFacts &table) const
{
    const bool trainee = table.header().getBool(FTrainee);
    if ((m_choice.traineeType == 1 && trainee) || (m_choice.traineeType == 2 && !trainee))
        return false;
    if ((m_choice.turnoverType == 1 && !table.inSum())
        || (m_choice.turnoverType == 2 && table.inSum()))
        return false;
    return true;
}

TExceptionEntry TExceptionWalker::entryOf(TExceptionKind kind, const TEntryFacts &entry,
                                          const Bill &bill) const
{
    const TTableFacts &table = bill.facts;
    TExceptionEntry e;
    e.kind = kind;
    e.day = bill.closedDay;
    e.date = entry.date();
    e.time = entry.time();
    e.waiter = m_waiters.keyNumber(&entry, table);
    // the name of the waiter the group stands for
    if (entry.type() == EntryVoid && e.waiter == entry.getInt(FVWaiter)
        && e.waiter != entry.waiter())
        e.waiterName = entry.getString(FVWaiterName);
    else if (e.waiter == entry.waiter())
        e.waiterName = entry.getString(FWaiterName);
    else
        e.waiterName = table.named(FWaiterName).getString(FWaiterName);
    e.center = m_centers.keyNumber(&entry, table);
    e.centerName = e.center == entry.getInt(FCenter)
                           ? entry.getString(FCenterName)
                           : table.named(FCenterName).getString(FCenterName);
    e.table = table.header().getLong(FTable);
    e.party = table.header().getInt(FParty);
    e.bill = table.header().getLong(FBillNum);
    e.archive = table.header().getLong(FArchive);
    e.open = bill.open;
    e.plu = entry.plu();
    e.article = oneLine(entry.getString(FArticle));
    e.count = entry.count();
    return e;
}

void TExceptionWalker::addTable(const TTable &table, const QDate &closedDay, bool open,
                                TExceptionDay &day) const
{
    TTableFacts facts;
    facts.take(table);
    addTable(facts, closedDay, open, day);
}

void TExceptionWalker::addTable(const TTableFacts &facts, const QDate &closedDay, bool open,
                                TExceptionDay &day) const
{
    if (!counts(facts))
        return;
    ++day.waiterBills[m_waiters.keyNumber(nullptr, facts)];
    // a bill counts in every cost center it sold in (the centers of its
    // order lines, as the reports group them); one without order lines in
    // the table's own
    QSet<int> centers;
    for (const TEntryFacts *entry : facts.entries()) {
        if (entry->type() == EntryOrder && entry->count() != 0)
            centers.insert(m_centers.keyNumber(entry, facts));
    }
    if (centers.isEmpty())
        centers.insert(m_centers.keyNumber(nullptr, facts));
    for (int center : std::as_const(centers))
        ++day.centerBills[center];

    Bill bill {facts, closedDay, open, day, {}, {}};
    // what was sent before: the rounds of the order lines
    for (const TEntryFacts *entry : facts.entries()) {
        if (entry->type() != EntryOrder)
            continue;
        const int round = roundOf(*entry);
        if (round < 0)
            continue;
        if (entry->count() < 0 && entry->getBool(FVoided)) {
            bill.cancelRound.insert({entry->plu(), entry->date(), entry->time()}, round);
        } else if (entry->count() > 0 && !entry->getBool(FVoided)) {
            auto first = bill.firstRound.find(entry->plu());
            if (first == bill.firstRound.end())
                bill.firstRound.insert(entry->plu(), round);
            else if (round < first.value())
                first.value() = round;
        }
    }

    for (const TEntryFacts *entry : facts.entries()) {
        switch (entry->type()) {
        case EntryOrder: {
            if (m_choice.withoutCredits && entry->getBool(FCredit))
                break;
            if (!entry->hasChildList()) {
                addOrder(*entry, bill);
                break;
            }
            // the components and child orders count on their own, the
            // order itself for its price add-ons
            int addOns = 0;
            for (const TEntryFacts &child : entry->children()) {
                const int type = child.type();
                if (type == EntryComponent)
                    addOrder(madeOrder(child, *entry), bill);
                else if (type == EntryOrder)
                    addOrder(child, bill);
                else if (type == EntryAddOn)
                    ++addOns;
                else
                    break;
            }
            if (addOns > 0)
                addOrder(*entry, bill);
            break;
        }
        case EntryVoid:
            addVoid(*entry, bill);
            break;
        case EntryPay:
            addPay(*entry, bill);
            break;
        case EntryChange:
        case EntrySplit:
        case EntryCash:
            addOther(*entry, bill);
            break;
        default:
            break;
        }
    }

    // every order line taken back: the bill was voided whole
    if (bill.voids > 0 && bill.positiveLines > 0 && bill.lines == 0) {
        TExceptionEntry e = entryOf(TExceptionKind::TableVoids, *bill.lastVoid, bill);
        e.plu = 0;
        e.article.clear();
        e.count = bill.voids;
        e.amount = bill.voidAmount;
        day.entries.push_back(std::move(e));
    }
}

void TExceptionWalker::addOrder(const TEntryFacts &order, Bill &bill) const
{
    // a line of count 0 counts nowhere
    const double count = order.count();
    if (count == 0)
        return;
    const qint64 line = lineAmount(order.price(), count);
    bill.lines += line;
    if (line > 0)
        bill.positiveLines += line;
    if (order.getBool(FCredit)) {
        TExceptionEntry e = entryOf(TExceptionKind::Credits, order, bill);
        e.amount = double(line);
        bill.day.entries.push_back(std::move(e));
    }
    if (!order.isEmptyText(FDiscId)) {
        TExceptionEntry e = entryOf(TExceptionKind::Discounts, order, bill);
        // the money the discount took off, as the discount report adds it
        e.amount = count * order.getDouble(FDiscount);
        e.detail = QStringLiteral("%1 %2").arg(order.getString(FDiscId),
                                               oneLine(order.getString(FDiscName)));
        const bool late = m_rules.isLate(e.time);
        bill.day.entries.push_back(e);
        if (late) {
            e.kind = TExceptionKind::LateDiscounts;
            bill.day.entries.push_back(std::move(e));
        }
    }
    if (order.getBool(FFreePrice)) {
        TExceptionEntry e = entryOf(TExceptionKind::FreePrices, order, bill);
        e.amount = double(order.price()) * count;
        bill.day.entries.push_back(std::move(e));
    }
}

void TExceptionWalker::addVoid(const TEntryFacts &entry, Bill &bill) const
{
    // the void reports take no void of count 0
    if (entry.count() == 0)
        return;
    TExceptionEntry e = entryOf(TExceptionKind::Voids, entry, bill);
    e.amount = entry.getDouble(FAmount);
    e.voidWaiter = entry.getInt(FVWaiter);
    e.voidWaiterName = entry.getString(FVWaiterName);
    e.detail = oneLine(entry.getString(FReason));
    ++bill.voids;
    bill.voidAmount += e.amount;
    bill.lastVoid = &entry;
    bill.day.entries.push_back(e);

    if (e.voidWaiter != 0 && e.voidWaiter != entry.waiter()) {
        e.kind = TExceptionKind::VoidsByOther;
        bill.day.entries.push_back(e);
    }
    // the void's round, else the round of the line it took back with it
    int round = roundOf(entry);
    if (round < 0)
        round = bill.cancelRound.value({entry.plu(), entry.date(), entry.time()}, -1);
    const auto first = bill.firstRound.constFind(entry.plu());
    if (round >= 0 && first != bill.firstRound.cend() && round > first.value()) {
        e.kind = TExceptionKind::VoidsAfterSending;
        bill.day.entries.push_back(std::move(e));
    }
}

void TExceptionWalker::addPay(const TEntryFacts &entry, Bill &bill) const
{
    // a pay taken back counts nowhere
    if (entry.getBool(FVoided))
        return;
    auto add = [&](TExceptionKind kind, double amount, const QString &detail) {
        TExceptionEntry e = entryOf(kind, entry, bill);
        e.plu = 0;
        e.article.clear();
        e.count = 1;
        e.amount = amount;
        e.detail = detail;
        bill.day.entries.push_back(std::move(e));
    };
    const QString payform = QStringLiteral("%1 %2")
                                    .arg(entry.getInt(FPayform))
                                    .arg(oneLine(entry.getString(FPayformName)));
    if (entry.getLong(FSubvId) != 0)
        add(TExceptionKind::PriceFindings, entry.getDouble(FSubvAmount),
            QStringLiteral("%1 %2")
                    .arg(entry.getLong(FSubvId))
                    .arg(oneLine(entry.getString(FSubvName))));
    if (m_rules.isStaffPayform(entry.getInt(FPayform)))
        add(TExceptionKind::StaffAccount, double(entry.amount()), payform);
    if (!bill.facts.inSum())
        add(TExceptionKind::NotInSummary, double(entry.amount()), payform);
}

void TExceptionWalker::addOther(const TEntryFacts &entry, Bill &bill) const
{
    TExceptionEntry e;
    switch (entry.type()) {
    case EntryChange:
        e = entryOf(TExceptionKind::TableMoves, entry, bill);
        e.count = 1;
        e.amount = double(roundHalfUp(bill.facts.header().getDouble(FAmount)));
        e.detail = QStringLiteral("%1/%2 -> %3/%4, %5 -> %6")
                           .arg(entry.getLong(FFromTable))
                           .arg(entry.getLong(FFromParty))
                           .arg(entry.getLong(FToTable))
                           .arg(entry.getLong(FToParty))
                           .arg(entry.getLong(FFromWaiter))
                           .arg(entry.getLong(FToWaiter));
        break;
    case EntrySplit:
        e = entryOf(TExceptionKind::Splits, entry, bill);
        e.amount = entry.getDouble(FAmount);
        e.detail = QStringLiteral("-> %1/%2")
                           .arg(entry.getLong(FToTable))
                           .arg(entry.getLong(FToParty));
        break;
    default: // cash
        e = entryOf(TExceptionKind::CashRecords, entry, bill);
        e.count = entry.count() != 0 ? entry.count() : 1;
        e.amount = std::fabs(entry.getDouble(FAmount));
        e.detail = (entry.getDouble(FAmount) < 0 ? QStringLiteral("- ") : QStringLiteral("+ "))
                   + oneLine(entry.getString(FReason));
        break;
    }
    bill.day.entries.push_back(std::move(e));
}

} // namespace PosLib
