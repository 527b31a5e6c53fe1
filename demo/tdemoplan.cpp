#include "tdemoplan.h"

#include "tdemomasterdata.h"
#include "tdemorandom.h"

#include <algorithm>
#include <iterator>

namespace PosLib::Demo {

namespace {

// The first tables of every day carry every kind of entry, so that even a
// small demo shows all of them; the rest are drawn at random.
const quint32 EveryDay[] = {
        FCash,
        FVoid | FTip | FAddOn | FMenu,
        FSplit | FDiscount | FControl,
        FSplitTarget | FForeign,
        FChange | FMultiPay | FVoidedPay | FFraction,
        FHotel | FGuestTax | FOrderTax | FDescr,
        FTakeaway | FCredit | FOrderTax,
        FNotInSum | FSubvention,
        FTrainee | FRestore,
};

int pickWaiter(TRandom &r, int area)
{
    const AreaInfo &a = Areas[area];
    return a.waiters[r.below(a.waiterCount)];
}

int pickArea(TRandom &r)
{
    const int roll = r.below(100);
    return roll < 45 ? Restaurant : roll < 70 ? Terrace : roll < 90 ? Bar : Takeaway;
}

quint32 randomFeatures(TRandom &r, int area, bool lunch, int guests)
{
    quint32 f = 0;
    if (area == Takeaway) {
        f |= FTakeaway;
        if (r.chance(20))
            f |= FOrderTax;
        if (r.chance(5))
            f |= FCredit;
        return f;
    }
    const bool seated = area != Bar;
    if (r.chance(25))
        f |= FAddOn;
    if (seated && lunch && r.chance(20))
        f |= FMenu;
    if (r.chance(2))
        f |= FCredit;
    if (seated && !lunch && r.chance(10))
        f |= FControl;
    if (r.chance(8))
        f |= FDiscount;
    if (r.chance(6))
        f |= FVoid;
    if (r.chance(4))
        f |= FChange;
    if (guests >= 3 && r.chance(15))
        f |= FMultiPay;
    if (r.chance(35))
        f |= FTip;
    if (r.chance(4))
        f |= FForeign;
    if (seated && r.chance(4))
        f |= FHotel;
    if (r.chance(2))
        f |= FVoidedPay;
    if (r.chance(2))
        f |= FNotInSum;
    if (seated && !lunch && r.chance(10))
        f |= FGuestTax;
    if (r.chance(15))
        f |= FOrderTax;
    if (r.chance(1))
        f |= FRestore;
    if (r.chance(10))
        f |= FFraction;
    return f;
}

// Start and end of a table in seconds from midnight.
void planTimes(TRandom &r, Plan &p)
{
    int duration = 0;
    if (p.has(FCash)) {
        p.start = 10 * Hour + 30 * Minute;
        p.end = 23 * Hour + 55 * Minute;
        return;
    }
    switch (p.area) {
    case Takeaway:
        p.start = r.range(11 * Hour, 21 * Hour + 30 * Minute);
        duration = r.range(4, 15) * Minute;
        break;
    case Bar:
        p.start = r.range(16 * Hour, 23 * Hour + 30 * Minute);
        duration = r.range(20, 90) * Minute;
        break;
    default:
        if (p.lunch) {
            p.start = r.range(11 * Hour + 30 * Minute, 13 * Hour + 45 * Minute);
            duration = r.range(40, 95) * Minute;
        } else {
            p.start = r.range(18 * Hour, 21 * Hour + 45 * Minute);
            duration = r.range(60, 150) * Minute;
        }
        break;
    }
    if (p.has(FDescr))
        duration = 3 * Hour + r.range(0, 40) * Minute;
    if (p.has(FRestore) || p.has(FSplit))
        duration = std::max(duration, 50 * Minute);
    p.start += r.below(Minute);
    p.end = p.start + duration;
}

} // namespace

QVector<Plan> planDay(const TDemoOptions &options, const Day &day, int &openCount)
{
    TRandom r(streamSeed(options.seed, quint64(day.index), 0));
    const int count = std::max(0, options.tables);
    openCount = day.today && count >= 2 ? std::max(1, count / 5) : 0;
    const int paid = count - openCount;

    QVector<Plan> plans;
    plans.reserve(count);
    const int fixed = int(std::size(EveryDay));
    quint32 pendingTarget = 0;
    for (int slot = 0; slot < count; ++slot) {
        Plan p;
        p.slot = slot;
        p.seed = streamSeed(options.seed, quint64(day.index), quint64(slot) + 1);
        p.open = slot >= paid;
        p.lunch = r.chance(40);
        if (p.open) {
            p.area = r.chance(80) ? (r.chance(60) ? Restaurant : Terrace) : Bar;
            p.lunch = false;
        } else if (slot < fixed) {
            p.features = EveryDay[slot];
            // today one takeaway bag was keyed in by mistake and nulled
            if (day.today && paid >= 2 && slot == std::min(paid, fixed) - 1)
                p.features = FNulled | FTakeaway;
            p.area = p.has(FCash) || p.has(FSplit) ? Bar
                     : p.has(FTakeaway)            ? Takeaway
                     : p.has(FSplitTarget)         ? Bar
                                                   : Restaurant;
            if (p.has(FSplit))
                p.area = Terrace;
            if (p.has(FMenu))
                p.lunch = true;
            if (p.has(FDescr) || p.has(FChange))
                p.lunch = false;
        } else if (pendingTarget) {
            p.features = pendingTarget;
        } else {
            p.area = pickArea(r);
        }
        pendingTarget = 0;
        p.waiter = p.has(FTrainee) ? TraineeWaiter : pickWaiter(r, p.area);
        if (p.has(FNotInSum | FCash))
            p.waiter = HeadWaiter;
        p.guests = p.area == Takeaway ? 1 : p.area == Bar ? r.range(1, 3) : r.range(1, 5);
        if (p.has(FDescr))
            p.guests = r.range(10, 12);
        if (p.has(FMultiPay | FSplit | FGuestTax))
            p.guests = std::max(p.guests, p.area == Bar ? 2 : 3);
        if (slot >= fixed && !p.open && !p.has(FSplitTarget)) {
            p.features = randomFeatures(r, p.area, p.lunch, p.guests);
            // a split needs the next table for its second party
            if (p.area != Takeaway && p.guests >= 2 && slot + 1 < paid && r.chance(3)) {
                p.features |= FSplit;
                pendingTarget = FSplitTarget | (r.chance(20) ? quint32(FForeign) : 0u);
            }
        }
        if (p.has(FSplit) && slot + 1 >= paid)
            p.features &= ~FSplit; // no room for its second party
        if (p.has(FSplit) && slot < fixed)
            pendingTarget = 0;
        const AreaInfo &area = Areas[p.area];
        p.table = p.has(FCash) ? 100 : r.range(area.minTable, area.maxTable);
        p.terminal = area.terminal;
        if ((p.area == Restaurant || p.area == Terrace) && r.chance(25))
            p.terminal = Handheld;
        if (p.has(FChange)) {
            p.fromTable = area.minTable
                          + (p.table - area.minTable + 1 + r.below(5))
                                    % (area.maxTable - area.minTable + 1);
            p.toWaiter = pickWaiter(r, p.area);
            if (p.toWaiter == p.waiter)
                p.toWaiter = HeadWaiter == p.waiter ? Manager : HeadWaiter;
        }
        planTimes(r, p);
        if (p.open) {
            p.start = r.range(19 * Hour, 21 * Hour);
            p.end = Now;
        } else if (day.today && p.end > Now - 5 * Minute) {
            // today's paid tables were all paid before now
            const int duration = std::min(p.end - p.start, 90 * Minute);
            p.end = Now - 5 * Minute - r.below(Hour);
            p.start = std::max(p.end - duration, 10 * Hour);
            if (p.has(FCash))
                p.end = 12 * Hour + 20 * Minute;
        }
        if (day.today && p.has(FCash))
            p.end = 12 * Hour + 20 * Minute;
        plans.append(p);
    }

    // the second party of a split starts with the moved article
    for (int i = 0; i + 1 < plans.size(); ++i) {
        Plan &source = plans[i];
        Plan &target = plans[i + 1];
        if (!source.has(FSplit) || !target.has(FSplitTarget))
            continue;
        source.splitAt = source.start + (source.end - source.start) * 55 / 100;
        source.splitPlu = 701;
        source.linkParty = 2;
        target.area = source.area;
        target.table = source.table;
        target.party = 2;
        target.linkParty = source.party;
        target.waiter = source.waiter;
        target.terminal = source.terminal;
        target.guests = 1;
        target.lunch = source.lunch;
        target.start = source.splitAt;
        target.splitAt = source.splitAt;
        target.splitPlu = source.splitPlu;
        target.end = std::max(source.end - r.below(10) * Minute, target.start + 12 * Minute);
    }
    for (Plan &p : plans) {
        if (p.has(FSplit | FSplitTarget) && p.splitPlu == 0)
            p.features &= ~(FSplit | FSplitTarget); // the other party was dropped
    }

    // open tables need names of their own: t<table>.<party>
    QVector<QPair<int, int>> used;
    bool partial = false, held = false;
    for (Plan &p : plans) {
        if (!p.open)
            continue;
        const AreaInfo &area = Areas[p.area];
        int table = p.table, party = 1;
        while (used.contains(qMakePair(table, party))) {
            ++table;
            if (table > area.maxTable) {
                table = area.minTable;
                ++party;
            }
        }
        used.append(qMakePair(table, party));
        p.table = table;
        p.party = party;
        if (!held) {
            p.held = true;
            held = true;
        } else if (!partial && p.guests >= 2) {
            p.features |= FPartialPay;
            partial = true;
        }
    }

    std::stable_sort(plans.begin(), plans.end(), [](const Plan &a, const Plan &b) {
        if (a.open != b.open)
            return !a.open;
        return a.end != b.end ? a.end < b.end : a.slot < b.slot;
    });
    return plans;
}

} // namespace PosLib::Demo
