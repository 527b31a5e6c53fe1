#include "tdemoinstallation.h"

#include "tarchinfo.h"
#include "tarchtable.h"
#include "tcounter.h"
#include "tcurrencies.h"
#include "tdepartments.h"
#include "tdir.h"
#include "terror.h"
#include "tfamgroups.h"
#include "tfile.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "toutlets.h"
#include "tround.h"
#include "tsettings.h"
#include "tsumbatch.h"
#include "tsumfilters.h"
#include "ttable.h"
#include "ttaxgroups.h"
#include "ttimecontrols.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QVector>

#include <algorithm>
#include <memory>

using namespace Basics;

namespace PosLib {

namespace {

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// ---- random numbers ---------------------------------------------------------

// splitmix64: small, fast and the same on every machine and library, so a
// seed gives the same installation everywhere.
class TRandom
{
public:
    explicit TRandom(quint64 seed)
        : m_state(seed)
    { }
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 … n-1
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    // lo … hi
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T, size_t N>
    const T &pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }

private:
    quint64 m_state;
};

// An independent stream for one day, table or waiter: the content of a
// table does not depend on how many tables were made before it.
quint64 streamSeed(quint64 seed, quint64 a, quint64 b)
{
    TRandom r(seed ^ (a + 1) * 0xD1B54A32D192ED03ULL ^ (b + 1) * 0x8CB92BA72F3D8DD7ULL);
    r.next();
    return r.next();
}

// ---- master data ------------------------------------------------------------

struct Named
{
    int id;
    const char *name;
};

const Named Terminals[] = {
        {1, "Bar"}, {2, "Restaurant"}, {3, "Terrace"}, {4, "Handheld 1"}, {5, "Takeaway counter"}};
const Named Centers[] = {{1, "Restaurant"}, {2, "Terrace"}, {3, "Bar"}, {4, "Takeaway"}};
constexpr int Handheld = 4;

enum Area { Restaurant, Terrace, Bar, Takeaway };

struct AreaInfo
{
    int center;
    int terminal;
    int minTable;
    int maxTable;
    int waiters[3];
    int waiterCount;
};

const AreaInfo Areas[] = {
        {1, 2, 1, 30, {2, 4, 1}, 3},
        {2, 3, 31, 60, {3, 6, 0}, 2},
        {3, 1, 61, 80, {5, 7, 0}, 2},
        {4, 5, 90, 99, {7, 1, 0}, 2},
};

struct Waiter
{
    int id;
    const char *name;
    const char *teams;
    bool allTables;
    int minTable;
    int maxTable;
    bool trainee;
    bool reports;
};

const Waiter Waiters[] = {
        {1, "Anna", "1;2;3", true, 1, 99, false, true},
        {2, "Bruno", "1", false, 1, 30, false, false},
        {3, "Clara", "2", false, 31, 60, false, false},
        {4, "Dario", "1", false, 1, 30, true, false},
        {5, "Elena", "3", false, 61, 80, false, false},
        {6, "Franco", "2", false, 31, 60, false, false},
        {7, "Giulia", "3", false, 61, 99, false, false},
        {8, "Hugo", "1;2;3", true, 1, 99, false, true},
};
constexpr int HeadWaiter = 1;
constexpr int TraineeWaiter = 4;
constexpr int Manager = 8;

const Waiter &waiterById(int id)
{
    return Waiters[std::clamp(id, 1, int(std::size(Waiters))) - 1];
}

struct Family
{
    int id;
    const char *name;
    int group;
};

const Named FamGroups[] = {{1, "Food"}, {2, "Drinks"}, {3, "Miscellaneous"}};
const Family Families[] = {
        {1, "Starters", 1},   {2, "Pizza", 1},       {3, "Pasta", 1},  {4, "Mains", 1},
        {5, "Desserts", 1},   {6, "Soft drinks", 2}, {7, "Beer", 2},   {8, "Wine", 2},
        {9, "Hot drinks", 2}, {10, "Extras", 1},     {11, "Menus", 1}, {12, "Vouchers", 3},
        {13, "Service", 3},
};

const Family &familyById(int id)
{
    return Families[std::clamp(id, 1, int(std::size(Families))) - 1];
}

struct Article
{
    int plu;
    const char *name;
    const char *shortName;
    int price;
    int family;
};

const Article Articles[] = {
        {101, "Bruschetta", "Bruschetta", 650, 1},
        {102, "Insalata mista", "Insalata", 750, 1},
        {103, "Minestrone", "Minestrone", 690, 1},
        {201, "Pizza Margherita", "Margherita", 950, 2},
        {202, "Pizza Diavola", "Diavola", 1150, 2},
        {203, "Pizza Quattro\nStagioni", "4 Stagioni", 1250, 2},
        {301, "Spaghetti Carbonara", "Carbonara", 1190, 3},
        {302, "Penne Arrabbiata", "Arrabbiata", 1050, 3},
        {401, "Saltimbocca", "Saltimbocca", 1890, 4},
        {402, "Branzino", "Branzino", 2250, 4},
        {403, "Bistecca", "Bistecca", 2890, 4},
        {501, "Tiramisu", "Tiramisu", 650, 5},
        {502, "Panna cotta", "Panna cotta", 590, 5},
        {503, "Gelato", "Gelato", 450, 5},
        {601, "Mineral water 0.5l", "Water", 390, 6},
        {602, "Cola 0.33l", "Cola", 350, 6},
        {603, "Aranciata 0.33l", "Aranciata", 350, 6},
        {701, "Draught beer 0.4l", "Beer", 450, 7},
        {702, "Wheat beer 0.5l", "Wheat beer", 520, 7},
        {801, "Chianti 0.2l", "Chianti", 690, 8},
        {802, "House wine 1l", "House wine", 2190, 8}, // sold by the quarter litre
        {803, "Prosecco 0.1l", "Prosecco", 550, 8},
        {901, "Espresso", "Espresso", 240, 9},
        {902, "Cappuccino", "Cappuccino", 320, 9},
        {1001, "Extra cheese", "Cheese", 150, 10},
        {1002, "Truffle oil", "Truffle", 300, 10},
        {1101, "Lunch menu", "Menu", 1590, 11},
        {1201, "Voucher 25.00", "Voucher", 2500, 12},
        {1301, "Course call", "Call", 0, 13},
};

const Article &articleByPlu(int plu)
{
    for (const Article &a : Articles) {
        if (a.plu == plu)
            return a;
    }
    return Articles[0];
}

const int Starters[] = {101, 102, 103};
const int MainDishes[] = {201, 202, 203, 301, 302, 401, 402, 403, 201, 301};
const int Pizzas[] = {201, 202, 203};
const int Desserts[] = {501, 502, 503};
const int TableDrinks[] = {601, 601, 602, 603, 701, 702, 801, 803};
const int BarDrinks[] = {701, 701, 702, 801, 803, 602, 901};
const int TakeawayDrinks[] = {601, 602, 603};
const int Coffees[] = {901, 901, 902};
// the courses of the lunch menu and the part of its price each carries
const int MenuCourses[][2] = {{103, 490}, {302, 800}, {901, 300}};

struct Payform
{
    int id;
    const char *name;
    bool cash; // counts in the cash summary
};

const Payform Payforms[]
        = {{1, "Cash", true},          {2, "EC card", false},    {3, "Visa", false},
           {4, "Mastercard", false},   {5, "Hotel room", false}, {6, "Voucher", false},
           {7, "Staff account", false}};
enum { PayCash = 1, PayEc, PayVisa, PayMaster, PayHotel, PayVoucher, PayStaff };

struct Currency
{
    int id;
    const char *name;
    const char *shortName;
    double rate; // units per euro
    const char *decChar;
    const char *thsChar;
};

const Currency Currencies[] = {{1, "Euro", "EUR", 1.0, ",", "."},
                               {2, "Swiss franc", "CHF", 0.94, ".", "'"},
                               {3, "US dollar", "USD", 1.08, ".", ","}};

// VAT: food 19 % in house and 7 % to take away, drinks 19 % always,
// vouchers and service lines none. Rates in hundredths of a percent; the
// rate numbers are those of "vatrates.dat" and the tax ids of "taxih" and
// "taxoh".
const char *const TaxDefinitions = "1,VAT 19%,1900:2,VAT 7%,700:3,No VAT,0";

int rateInHouse(int family)
{
    return familyById(family).group == 3 ? 0 : 1900;
}

int rateTakeaway(int family)
{
    const int group = familyById(family).group;
    return group == 3 ? 0 : group == 1 ? 700 : 1900;
}

int rateNumber(int rate)
{
    return rate == 1900 ? 1 : rate == 700 ? 2 : 3;
}

// The VAT inside a gross unit price: 950 at 19 % holds 152.
qint64 vatPart(qint64 gross, int rate)
{
    return roundHalfUp(double(gross) * rate / (10000.0 + rate));
}

// ---- the plan of a day ------------------------------------------------------

// What a table shows besides plain orders and one pay.
enum Feature : quint32 {
    FAddOn = 1u << 0, // price add-ons on a pizza
    FMenu = 1u << 1, // the lunch menu, counted by its components
    FCredit = 1u << 2, // a voucher sold (credit article)
    FControl = 1u << 3, // a control article of price 0
    FDiscount = 1u << 4, // happy hour and loyalty discounts
    FSubvention = 1u << 5, // staff meal with the employer's subsidy
    FVoid = 1u << 6, // an item taken back
    FSplit = 1u << 7, // part of the bill moved to party 2
    FSplitTarget = 1u << 8, // party 2 of a split
    FChange = 1u << 9, // moved from another table and waiter
    FMultiPay = 1u << 10, // several pay forms
    FTip = 1u << 11,
    FForeign = 1u << 12, // paid in francs or dollars
    FHotel = 1u << 13, // charged to a hotel room
    FVoidedPay = 1u << 14, // a declined card pay before the real one
    FCash = 1u << 15, // the cash drawer: cash in and out, balances
    FTakeaway = 1u << 16,
    FNotInSum = 1u << 17,
    FGuestTax = 1u << 18, // cover charge per guest
    FOrderTax = 1u << 19, // VAT parts on every order
    FRestore = 1u << 20, // paid, restored and paid again
    FFraction = 1u << 21, // wine by the quarter litre
    FTrainee = 1u << 22,
    FDescr = 1u << 23, // a party with a description
    FNulled = 1u << 24, // opened by mistake and nulled
    FPartialPay = 1u << 25, // open table, one guest paid already
};

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

constexpr int Minute = 60;
constexpr int Hour = 3600;
constexpr int Now = 21 * Hour + 30 * Minute; // the clock of the demo's today
constexpr int FirstZ = 101;

struct Plan
{
    int slot = 0;
    quint32 features = 0;
    int area = Restaurant;
    bool lunch = false;
    int waiter = 0;
    int toWaiter = 0; // after a table change
    int table = 0;
    int party = 1;
    int fromTable = 0;
    int guests = 1;
    int terminal = 1;
    int start = 0; // seconds from the day's midnight; may pass 24 h
    int end = 0;
    bool open = false;
    bool held = false;
    // a split: the moment, the article moved and the other party
    int splitAt = 0;
    int splitPlu = 0;
    int linkParty = 0;
    quint64 seed = 0;

    bool has(quint32 f) const { return (features & f) != 0; }
};

// The entries of one day, for the time controls and the cash balance.
struct DayLog
{
    QMap<int, QVector<int>> activity; // waiter -> entry times
    QMap<int, qint64> cash; // waiter -> cash taken
    QMap<int, bool> running; // waiter -> still logged on
    qint64 entries = 0;
};

struct Day
{
    QDate date;
    bool today = false;
    int index = 0; // 0 the oldest closed day
    int z = 0;
    QString name; // "tagDD.MM.YYYY"
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

// Tables of one day: the first ones from EveryDay, then random ones; on
// today a fifth of them still open. Paid tables come back in the order in
// which they were archived.
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

// ---- one table --------------------------------------------------------------

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

// ---- files ------------------------------------------------------------------

void writeFile(const QString &path, const QByteArray &bytes)
{
    TFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.writeBlock(bytes);
    file.close();
}

// A list stored under a file name of its own.
class TPlainList : public TValueList
{
public:
    TPlainList(const char *list, const char *file, const char *element)
        : m_list(text(list))
        , m_file(text(file))
        , m_element(text(element))
    { }
    QString listName() const override { return m_list; }
    QString fileName() const override { return m_file; }
    QString elementName() const override { return m_element; }

private:
    QString m_list, m_file, m_element;
};

template<typename T = TValue>
T *record(int id, const QString &name)
{
    auto *v = new T;
    v->setId(id);
    v->setName(name);
    return v;
}

// Writes the keys of a section in the order given (new keys go in right
// below the header, so they are written last to first).
void writeSection(TInifile &ini, const char *section,
                  const QList<QPair<const char *, QString>> &entries)
{
    ini.addSection(text(section));
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        ini.writeString(text(section), text(it->first), it->second);
}

const char *const ListFiles[]
        = {"settings.dat",   "waiters.dat",  "terminals.dat",   "centers.dat",    "families.dat",
           "famgroups.dat",  "articles.dat", "departments.dat", "taxgroups.dat",  "vatrates.dat",
           "payforms.dat",   "currency.dat", "outlets.dat",     "sumoutlets.dat", "sumfilters.dat",
           "sumbatches.dat", "tablecfgs.dat"};

// The installation record: name, address and the office number.
void writeSettings(const char *path)
{
    TSettings settings;
    auto *installation = new TValue;
    installation->setId(0);
    installation->setInt(QStringLiteral("officeid"), 1);
    installation->setString(QStringLiteral("installationname"),
                            QStringLiteral("Trattoria Veltrum"));
    installation->setString(QStringLiteral("street"), QStringLiteral("Via Roma 12"));
    installation->setString(QStringLiteral("city"), QStringLiteral("39100 Bolzano"));
    installation->setString(QStringLiteral("taxnumber"), QStringLiteral("IT01234567890"));
    installation->setString(QStringLiteral("phonenumber"), QStringLiteral("+39 0471 123456"));
    installation->setString(QStringLiteral("faxnumber"), QStringLiteral("+39 0471 123457"));
    installation->setString(QStringLiteral("email"), QStringLiteral("info@trattoria.example"));
    installation->setString(QStringLiteral("webaddress"), QStringLiteral("www.trattoria.example"));
    installation->setString(QStringLiteral("infotext"),
                            QStringLiteral("Thank you for your visit!"));
    settings.insert(installation);
    settings.save(path);
}

// Waiters with their teams, table ranges and rights; terminals; cost
// centers and their tables.
void writeStaff(const char *path)
{
    TPlainList waiters("waiters", "waiters.dat", "waiter");
    for (const Waiter &w : Waiters) {
        TValue *v = record(w.id, text(w.name));
        v->setString(QStringLiteral("teams"), text(w.teams));
        v->setBool(QStringLiteral("alltables"), w.allTables);
        v->setInt(QStringLiteral("mintablerange"), w.minTable);
        v->setInt(QStringLiteral("maxtablerange"), w.maxTable);
        v->setBool(QStringLiteral("trainee"), w.trainee);
        v->setBool(QStringLiteral("reports"), w.reports);
        waiters.insert(v);
    }
    waiters.save(path);

    TPlainList terminals("terminals", "terminals.dat", "terminal");
    for (const Named &t : Terminals)
        terminals.insert(record(t.id, text(t.name)));
    terminals.save(path);

    TPlainList centers("centers", "centers.dat", "center");
    for (const Named &c : Centers)
        centers.insert(record(c.id, text(c.name)));
    centers.save(path);

    // the tables of every area, named after the area, and the cash table
    TPlainList tables("tablecfgs", "tablecfgs.dat", "tablecfg");
    for (const AreaInfo &area : Areas) {
        for (int t = area.minTable; t <= area.maxTable; ++t) {
            TValue *v = record(
                    t, QStringLiteral("%1 %2").arg(text(Centers[area.center - 1].name)).arg(t));
            v->setInt(QStringLiteral("center"), area.center);
            tables.insert(v);
        }
    }
    tables.insert(record(100, QStringLiteral("Cash sale")));
    tables.save(path);
}

// Families and their groups, articles with prices and VAT rates, and the
// department tree over families and articles.
void writeArticles(const char *path)
{
    TPlainList families("families", "families.dat", "family");
    for (const Family &f : Families) {
        TValue *v = record(f.id, text(f.name));
        v->setInt(QStringLiteral("famgroup"), f.group);
        families.insert(v);
    }
    families.save(path);

    TFamGroups famGroups;
    for (const Named &g : FamGroups)
        famGroups.insert(record(g.id, text(g.name)));
    famGroups.save(path);

    TPlainList articles("articles", "articles.dat", "article");
    for (const Article &a : Articles) {
        TValue *v = record(a.plu, text(a.name));
        v->setString(QStringLiteral("artshort"), text(a.shortName));
        v->setInt(QStringLiteral("price"), a.price);
        v->setInt(QStringLiteral("family"), a.family);
        v->setInt(QStringLiteral("rateih"), rateInHouse(a.family));
        v->setInt(QStringLiteral("rateoh"), rateTakeaway(a.family));
        if (a.family == 12)
            v->setBool(QStringLiteral("credit"), true);
        if (a.family == 13)
            v->setBool(QStringLiteral("iscontrol"), true);
        articles.insert(v);
    }
    articles.save(path);

    TDepartments departments;
    auto department = [&](int id, const char *name, bool leaf, const char *items) {
        TValue *v = record(id, text(name));
        v->setBool(QStringLiteral("leaf"), leaf);
        v->setString(leaf ? QStringLiteral("articles") : QStringLiteral("children"), text(items));
        departments.insert(v);
    };
    department(1, "Kitchen", false, "2;3;4");
    department(2, "Pizzeria", true, "-2;1001;1002");
    department(3, "Hot kitchen", true, "-3;-4;103");
    department(4, "Cold kitchen", true, "101;102;-5");
    department(5, "Bar", true, "-6;-7;-8;-9");
    department(6, "Whole house", false, "1;5");
    departments.save(path);
}

// Tax groups and VAT rates.
void writeTaxes(const char *path)
{
    PosLib::TTaxGroups taxGroups;
    auto taxGroup = [&](int id, const char *name, double rate) {
        auto *g = record<TTaxGroup>(id, text(name));
        g->setRate(rate);
        taxGroups.insert(g);
    };
    taxGroup(1, "VAT 19%", 19);
    taxGroup(2, "VAT 7%", 7);
    taxGroup(3, "No VAT", 0);
    taxGroups.save(path);

    TPlainList vatRates("vatrates", "vatrates.dat", "vatrate");
    for (int rate : {1900, 700, 0}) {
        TValue *v = record(
                rateNumber(rate),
                QStringLiteral("%1.%2 %").arg(rate / 100).arg(rate % 100, 2, 10, QLatin1Char('0')));
        v->setInt(QStringLiteral("rate"), rate);
        vatRates.insert(v);
    }
    vatRates.save(path);
}

// Pay forms and currencies, the euro the system currency.
void writePayments(const char *path)
{
    TPlainList payforms("payforms", "payforms.dat", "payform");
    for (const Payform &f : Payforms) {
        TValue *v = record(f.id, text(f.name));
        v->setBool(QStringLiteral("intermsum"), f.cash);
        payforms.insert(v);
    }
    payforms.save(path);

    TCurrencies currencies;
    currencies.setSystemCurrencyId(1);
    for (const Currency &c : Currencies) {
        auto *currency = record<TCurrency>(c.id, text(c.name));
        currency->setShortname(text(c.shortName));
        currency->setRate(c.rate);
        currency->setDecpos(2);
        currency->setDecchar(text(c.decChar));
        currency->setThschar(text(c.thsChar));
        currency->setReverse(false);
        currencies.insert(currency);
    }
    currencies.save(path);
}

// The data paths of the terminals, and the outlet tree of the summary
// reports over them.
void writeOutlets(const QString &root, const char *path)
{
    OutletsLib::TOutlets outlets;
    TValue *house = record(1, QStringLiteral("Main house terminals"));
    house->setString(QStringLiteral("path"), root);
    outlets.insert(house);
    outlets.save(path);
    TPlainList sumOutlets("sumoutlets", "sumoutlets.dat", "sumoutlet");
    TValue *all = record(1, QStringLiteral("All outlets"));
    all->setBool(QStringLiteral("isleaf"), false);
    all->setString(QStringLiteral("children"), QStringLiteral("2"));
    sumOutlets.insert(all);
    TValue *main = record(2, QStringLiteral("Main house"));
    main->setBool(QStringLiteral("isleaf"), true);
    main->setString(QStringLiteral("outlets"), QStringLiteral("1"));
    sumOutlets.insert(main);
    sumOutlets.save(path);
}

// Summary filters over tables and entries.
void writeFilters(const char *path)
{
    TSumFilters filters;
    auto filter = [&](int id, const char *name, const char *description, const char *tables,
                      const char *entries) {
        auto *f = record<TSumFilter>(id, text(name));
        f->setDescription(text(description));
        f->setTables(text(tables));
        f->setEntries(text(entries));
        filters.insert(f);
    };
    filter(1, "Takeaway", "Takeaway tables only", "0:vatoh:=:yes", "");
    filter(2, "Big tables", "Tables above 100.00", "0:maxamount:>:10000", "");
    filter(3, "Food only", "Food orders of tables in the summary", "0:insum:=:yes",
           "3:famgroup:=:1");
    filter(4, "Terrace or bar", "Tables opened on the terrace or at the bar",
           "1:center:=:2|1:center:=:3", "");
    filter(5, "Card payments", "Tables paid by card, their payments only",
           "5:payform:=:2|5:payform:=:3|5:payform:=:4", "5:type:=:5");
    filters.save(path);
}

// Summary batches, the first a fiscal one.
void writeBatches(const char *path)
{
    TSumBatches batches;
    auto batch = [&](int id, const char *name, const char *descr, const char *reports, int filterId,
                     bool fiscal, const char *key, bool desc) {
        auto *b = record<TSumBatch>(id, text(name));
        b->setDescr(text(descr));
        b->setReports(text(reports).split(QLatin1Char(';')));
        b->setFilter(filterId);
        b->setFiscal(fiscal);
        b->setKey(text(key));
        b->setDesc(desc);
        batches.insert(b);
    };
    batch(1, "Day closing", "Waiters, articles, families, voids", "4;7;10;13", 0, true, "", false);
    batch(2, "Waiter check", "Payments and articles per waiter", "3;5;8", 0, false, "amount", true);
    batch(3, "Takeaway articles", "Articles and orders to take away", "7;22", 1, false, "count",
          true);
    batches.save(path);
}

void writeLists(const QString &root)
{
    const QByteArray base = root.toLocal8Bit();
    const char *path = base.constData();
    writeSettings(path);
    writeStaff(path);
    writeArticles(path);
    writeTaxes(path);
    writePayments(path);
    writeOutlets(root, path);
    writeFilters(path);
    writeBatches(path);
}

void writeIniFiles(const QString &root)
{
    const QString etc = installationDir(root, QStringLiteral("etc"), true);
    TInifile reports(etc + QStringLiteral("reports.ini"));
    writeSection(reports, "Settings",
                 {{"fillto", QStringLiteral("25")},
                  {"pagewidth", QStringLiteral("40")},
                  {"MasterOwnTabs", QStringLiteral("yes")},
                  {"useshorttext", QStringLiteral("no")},
                  {"nocurrency", QStringLiteral("no")},
                  {"showpercent", QStringLiteral("yes")},
                  {"gastroday", QStringLiteral("600")},
                  {"SimpleRep", QStringLiteral("no")},
                  {"VWaiter", QStringLiteral("no")}});
    // no captions: the summary writer's own, in the language of the run
    writeSection(reports, "reports",
                 {{"debug", QStringLiteral("no")}, {"shortform", QStringLiteral("no")}});
    writeSection(reports, "NoPrint",
                 {{"nobalancing", QStringLiteral("no")}, {"nostatists", QStringLiteral("no")}});
    reports.write();

    TInifile globals(etc + QStringLiteral("globals.ini"));
    writeSection(globals, "Settings", {{"dayoffs", QStringLiteral("600")}});
    globals.write();
}

// The logon periods of every waiter who booked something that day: from a
// few minutes before the first entry to a few minutes after the last, a new
// period after a break of two hours.
void writeTimeControls(const QString &root, const Day &day, const DayLog &log, quint64 seed)
{
    TTimeControls controls(day.date);
    auto clock = [](int at) {
        return QTime::fromMSecsSinceStartOfDay(((at % (24 * Hour)) + 24 * Hour) % (24 * Hour)
                                               * 1000)
                .toString(Qt::TextDate);
    };
    for (auto it = log.activity.cbegin(); it != log.activity.cend(); ++it) {
        TRandom r(streamSeed(seed, quint64(day.index) + 100000, quint64(it.key())));
        QVector<int> times = it.value();
        std::sort(times.begin(), times.end());
        QStringList periods;
        int from = times.first();
        for (int i = 0; i < times.size(); ++i) {
            const bool last = i + 1 == times.size();
            if (!last && times.at(i + 1) - times.at(i) < 2 * Hour)
                continue;
            QString period = clock(from - r.range(5, 20) * Minute) + QLatin1Char('#');
            const bool running = last && log.running.value(it.key());
            if (!running)
                period += clock(times.at(i) + r.range(5, 15) * Minute);
            else if (it.key() % 2 == 0)
                period.chop(1); // logged on, written without "#"
            periods << period;
            if (!last)
                from = times.at(i + 1);
        }
        TValue *v = record(it.key(), text(waiterById(it.key()).name));
        v->setString(QStringLiteral("time"), periods.join(QLatin1Char(';')));
        controls.insert(v);
    }
    controls.save(root);
}

// The turnover stamp on a closed day's tables: the day closing ran at
// 02:30 the next morning, executed by the head waiter.
void stampTurnover(TTable &table, const Day &day)
{
    const Waiter &w = waiterById(HeadWaiter);
    table.setZCount(day.z);
    table.setString(QStringLiteral("turnoverdate"), day.date.addDays(1).toString(Qt::ISODate));
    table.setString(QStringLiteral("turnovertime"), QStringLiteral("02:30:00"));
    table.setString(QStringLiteral("turnoverapp"), QStringLiteral("Office (Reports)"));
    table.setString(QStringLiteral("turnoverterminal"), QStringLiteral("1"));
    table.setString(QStringLiteral("turnovercostcenter"), QStringLiteral("0"));
    table.setString(QStringLiteral("turnoverexecwaiter"), QString::number(w.id));
    table.setString(QStringLiteral("turnoverexecwaitername"), text(w.name));
    table.setString(QStringLiteral("turnovertodate"), day.name);
}

// "Z:count;;;waiter;name;date;application;terminal;costcenter" + CR LF
void writeJournal(const QString &dir, const Day &day, int tables)
{
    const Waiter &w = waiterById(HeadWaiter);
    const QString line = QStringLiteral("%1:%2;;;%3;%4;%5;Office (Reports);1;0\r\n")
                                 .arg(day.z)
                                 .arg(tables)
                                 .arg(w.id)
                                 .arg(text(w.name), day.date.toString(Qt::TextDate));
    writeFile(dir + QStringLiteral("turnover.z"), line.toLocal8Bit());
}

void removeMatching(const QString &dir, const QStringList &patterns)
{
    const QStringList names = QDir(dir).entryList(patterns, QDir::Files | QDir::Hidden);
    for (const QString &name : names)
        deleteFile(dir + name);
}

void removeIfEmpty(const QString &dir)
{
    QDir d(dir);
    if (d.exists() && d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        d.rmdir(dir);
}

} // namespace

// ---- TDemoInstallation ------------------------------------------------------

TDemoInstallation::TDemoInstallation(const TDemoOptions &options)
    : m_options(options)
{
    if (!m_options.today.isValid())
        m_options.today = QDate::currentDate();
    m_options.days = std::max(0, m_options.days);
    m_options.tables = std::max(0, m_options.tables);
}

QStringList TDemoInstallation::listFiles()
{
    QStringList names;
    for (const char *name : ListFiles)
        names << text(name);
    return names;
}

bool TDemoInstallation::isDemo(const QString &root)
{
    return QFileInfo(QDir(root).filePath(markerName())).isFile();
}

void TDemoInstallation::remove(const QString &path)
{
    const QString root = normalizeDir(path, false);
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return;
    const QString var = root + QStringLiteral("var/");
    const QString statist = var + QStringLiteral("statist/");

    QStringList lists;
    for (const QString &name : listFiles())
        lists << name << name + QStringLiteral(".new") << name + QStringLiteral(".old");
    removeMatching(root + QStringLiteral("usr/data/"), lists);
    removeMatching(root + QStringLiteral("etc/"),
                   {QStringLiteral("reports.ini"), QStringLiteral("globals.ini")});
    removeMatching(var, {QStringLiteral(".archives")});
    removeMatching(var + QStringLiteral("tables/"), {QStringLiteral("t*.*")});
    removeMatching(var + QStringLiteral("archives/"), {QStringLiteral("a*")});
    removeMatching(var + QStringLiteral("activetables/"), {QStringLiteral("T*P*.*")});
    removeMatching(var + QStringLiteral("summary/"), {QStringLiteral("\?\?\?\?-\?\?-\?\?.dat*")});
    removeMatching(var + QStringLiteral("control/"),
                   {QStringLiteral("[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]*")});
    const QStringList days = QDir(statist).entryList({QStringLiteral("tag*")}, QDir::Dirs);
    for (const QString &day : days) {
        const QString dir = statist + day + QLatin1Char('/');
        removeMatching(dir, {QStringLiteral("a*"), QStringLiteral("zcount.dat"),
                             QStringLiteral("turnover.z")});
        removeIfEmpty(dir);
    }
    removeMatching(statist, {QStringLiteral("zcount.dat")});
    removeMatching(root, {QStringLiteral("counter.dat"), markerName()});

    for (const char *dir : {"usr/data", "usr", "etc/layout", "etc", "var/tables", "var/archives",
                            "var/activetables", "var/statist", "var/summary", "var/reports",
                            "var/control", "var/messages", "var/lock", "var"})
        removeIfEmpty(root + text(dir));
}

TDemoSummary TDemoInstallation::write(const QString &path)
{
    // absolute, because the outlet list names it and reports run from
    // inside the installation
    const QString root = normalizeDir(QDir(normalizeDir(path, true)).absolutePath(), false);
    const TDemoOptions &o = m_options;
    TDemoSummary summary;

    // the marker first: a run that stops half-way can be cleaned up
    {
        TInifile marker(root + markerName());
        writeSection(marker, "Demo",
                     {{"days", QString::number(o.days)},
                      {"tables", QString::number(o.tables)},
                      {"seed", QString::number(o.seed)},
                      {"today", o.today.toString(Qt::ISODate)}});
        marker.write();
    }
    writeLists(root);
    summary.lists = int(std::size(ListFiles));
    writeIniFiles(root);

    long bill = 10000;
    const QString statist = installationDir(root, QStringLiteral("var/statist"), true);
    for (int index = 0; index < o.days; ++index) {
        Day day;
        day.index = index;
        day.date = o.today.addDays(index - o.days);
        day.z = FirstZ + index;
        day.name = statistDayName(day.date);
        const QString dir = normalizeDir(statist + day.name, true);

        int open = 0;
        DayLog log;
        const QVector<Plan> plans = planDay(o, day, open);
        long archive = 0;
        for (const Plan &plan : plans) {
            std::unique_ptr<TTable> table = TTableMaker(plan, day, log).make(++archive, ++bill);
            stampTurnover(*table, day);
            QByteArray bytes;
            table->write(bytes);
            writeFile(dir + archiveFileName(archive), bytes);
        }
        TCounter(dir, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), day.z);
        writeJournal(dir, day, int(archive));
        // the last closed day is left without its summary: the first report
        // over it has to build one
        const bool last = index + 1 == o.days;
        if ((!last || o.days == 1) && archive > 0) {
            TArchTable(root, day.date).build();
            ++summary.daySummaries;
        }
        if (!log.activity.isEmpty()) {
            writeTimeControls(root, day, log, o.seed);
            ++summary.timeControlDays;
        }
        ++summary.closedDays;
        summary.closedTables += int(archive);
        summary.entries += log.entries;
    }
    summary.nextZ = FirstZ + o.days;
    TCounter(statist, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), summary.nextZ);
    TCounter(root, QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), summary.nextZ);

    // today: the paid tables waiting for the day closing, and the open ones
    Day today;
    today.index = o.days;
    today.date = o.today;
    today.today = true;
    today.name = statistDayName(today.date);
    int open = 0;
    DayLog log;
    const QVector<Plan> plans = planDay(o, today, open);
    const QString archives = archivesDir(root);
    const QString tables = tablesDir(root);
    const QString active = activeTablesDir(root);
    {
        TArchInfos index(root);
        long archive = 0;
        for (const Plan &plan : plans) {
            if (plan.open) {
                std::unique_ptr<TTable> table = TTableMaker(plan, today, log).make(0, 0);
                QByteArray bytes;
                table->write(bytes);
                writeFile(tables + activeTableFileName(plan.table, plan.party), bytes);
                log.running[plan.waiter] = true;
                ++summary.openTables;
                if (plan.held) {
                    // on the screen of the handheld right now
                    writeFile(QStringLiteral("%1T%2P%3.%4")
                                      .arg(active)
                                      .arg(plan.table)
                                      .arg(plan.party)
                                      .arg(Handheld),
                              QByteArray());
                    ++summary.heldTables;
                }
                continue;
            }
            std::unique_ptr<TTable> table = TTableMaker(plan, today, log).make(++archive, ++bill);
            QByteArray bytes;
            table->write(bytes);
            writeFile(archives + archiveFileName(archive), bytes);
            if (!table->isNulled())
                index.add(table.get());
            ++summary.paidTables;
        }
        index.save();
        summary.indexedTables = index.count();
    }
    if (!log.activity.isEmpty()) {
        writeTimeControls(root, today, log, o.seed);
        ++summary.timeControlDays;
    }
    summary.entries += log.entries;
    return summary;
}

} // namespace PosLib
