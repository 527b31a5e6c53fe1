#include "tdemoinstallation.h"

#include "tarchinfo.h"
#include "tarchtable.h"
#include "tcounter.h"
#include "tcurrencies.h"
#include "tdepartments.h"
#include "tdir.h"
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
#include <QFile>

#include <memory>

using namespace Basics;

namespace PosLib {

namespace {

// splitmix64: small, fast and the same on every machine.
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
    bool chance(int percent) { return below(100) < percent; }

private:
    quint64 m_state;
};

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
        {201, "Pizza Margherita", "Margherita", 950, 2},
        {202, "Pizza Diavola", "Diavola", 1150, 2},
        {203, "Pizza Quattro\nStagioni", "4 Stagioni", 1250, 2},
        {301, "Spaghetti Carbonara", "Carbonara", 1190, 3},
        {302, "Penne Arrabbiata", "Arrabbiata", 1050, 3},
        {401, "Saltimbocca", "Saltimbocca", 1890, 4},
        {402, "Branzino", "Branzino", 2250, 4},
        {501, "Tiramisu", "Tiramisu", 650, 5},
        {502, "Panna cotta", "Panna cotta", 590, 5},
        {601, "Mineral water 0.5l", "Water", 390, 6},
        {602, "Cola 0.33l", "Cola", 350, 6},
        {701, "Chianti 0.2l", "Chianti", 690, 7},
        {702, "House wine carafe 1l", "Carafe", 2200, 7},
        {801, "Espresso", "Espresso", 240, 8},
        {802, "Cappuccino", "Cappuccino", 320, 8},
};
constexpr int ArticleCount = int(sizeof Articles / sizeof Articles[0]);

struct Named
{
    int id;
    const char *name;
};

const Named Families[]
        = {{1, "Starters"},    {2, "Pizza"}, {3, "Pasta"},      {4, "Mains"}, {5, "Desserts"},
           {6, "Soft drinks"}, {7, "Wine"},  {8, "Hot drinks"}, {9, "Extras"}};
const Named Terminals[] = {{1, "Bar"}, {2, "Restaurant"}, {3, "Terrace"}};
const Named Centers[] = {{1, "Restaurant"}, {2, "Terrace"}, {3, "Bar"}};

struct Waiter
{
    int id;
    const char *name;
    const char *teams;
    bool allTables;
    int minTable;
    int maxTable;
    bool trainee;
};

const Waiter Waiters[] = {
        {1, "Anna", "1;3", true, 1, 99, false},  {2, "Bruno", "2", false, 1, 50, false},
        {3, "Clara", "1", false, 51, 99, false}, {4, "Dario", "2", false, 1, 99, true},
        {5, "Elena", "3", true, 1, 99, false},
};
constexpr int WaiterCount = int(sizeof Waiters / sizeof Waiters[0]);

struct Payform
{
    int id;
    const char *name;
    bool cash; // counts in the cash summary
};

const Payform Payforms[] = {{1, "Cash", true},
                            {2, "EC card", false},
                            {3, "Visa", false},
                            {4, "Hotel room", false},
                            {5, "Voucher", false}};

const char *const TaxDefinitions = "1,VAT 19%,1900:2,VAT 7%,700";

int familyGroup(int family)
{
    return family <= 5 || family == 9 ? 1 : 2;
}

const char *familyName(int family)
{
    for (const Named &f : Families) {
        if (f.id == family)
            return f.name;
    }
    return "";
}

// Food is taxed 19 % in house and 7 % to take away; drinks 19 % always.
int rateIn(int)
{
    return 1900;
}

int rateOut(int family)
{
    return family <= 5 ? 700 : 1900;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    TFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.writeBlock(bytes);
    file.close();
}

template<typename List>
void saveList(List &list, const QString &root)
{
    list.save(root.toLocal8Bit().constData());
}

// A list written under a file name of its own.
class TPlainList : public TValueList
{
public:
    TPlainList(const char *list, const char *file, const char *element)
        : m_list(QString::fromLatin1(list))
        , m_file(QString::fromLatin1(file))
        , m_element(QString::fromLatin1(element))
    { }
    QString listName() const override { return m_list; }
    QString fileName() const override { return m_file; }
    QString elementName() const override { return m_element; }

private:
    QString m_list, m_file, m_element;
};

TValue *record(int id, const QString &name)
{
    auto *v = new TValue;
    v->setId(id);
    v->setName(name);
    return v;
}

// Builds the tables of one day.
class TDayWriter
{
public:
    TDayWriter(TRandom &random, const QDate &day, int &billNumber)
        : m_random(random)
        , m_day(day)
        , m_bill(billNumber)
    { }

    // A table of the day; `paid` adds the pays that settle it.
    std::unique_ptr<TTable> table(int index, bool paid);

private:
    TTableEntry *entry(int type, const Waiter &waiter);
    TTableEntry *order(const Waiter &waiter, const Article &article, double count, bool takeaway);
    void addPays(TTable &table, const Waiter &waiter, qint64 total);

    TRandom &m_random;
    QDate m_day;
    int &m_bill;
    QTime m_time;
    int m_nextId = 1;
    int m_terminal = 1;
    int m_center = 1;
};

TTableEntry *TDayWriter::entry(int type, const Waiter &waiter)
{
    auto *e = new TTableEntry;
    e->setId(m_nextId++);
    e->setType(type);
    e->setDate(QStringLiteral("date"), m_day);
    m_time = m_time.addSecs(30 + m_random.below(240));
    e->setTime(QStringLiteral("time"), m_time);
    e->setInt(QStringLiteral("waiter"), waiter.id);
    e->setString(QStringLiteral("waitername"), QString::fromLatin1(waiter.name));
    e->setInt(QStringLiteral("terminal"), m_terminal);
    e->setString(QStringLiteral("termname"), QString::fromLatin1(Terminals[m_terminal - 1].name));
    e->setInt(QStringLiteral("center"), m_center);
    e->setString(QStringLiteral("centername"), QString::fromLatin1(Centers[m_center - 1].name));
    return e;
}

TTableEntry *TDayWriter::order(const Waiter &waiter, const Article &a, double count, bool takeaway)
{
    TTableEntry *o = entry(EntryOrder, waiter);
    o->setInt(QStringLiteral("plu"), a.plu);
    o->setString(QStringLiteral("article"), QString::fromLatin1(a.name));
    o->setString(QStringLiteral("artshort"), QString::fromLatin1(a.shortName));
    o->setInt(QStringLiteral("price"), a.price);
    o->setDouble(QStringLiteral("count"), count);
    o->setInt(QStringLiteral("family"), a.family);
    o->setString(QStringLiteral("familyname"), QString::fromLatin1(familyName(a.family)));
    const int group = familyGroup(a.family);
    o->setInt(QStringLiteral("famgroup"), group);
    o->setString(QStringLiteral("famgrpname"),
                 group == 1 ? QStringLiteral("Food") : QStringLiteral("Drinks"));
    o->setInt(QStringLiteral("rateih"), rateIn(a.family));
    o->setInt(QStringLiteral("rateoh"), rateOut(a.family));
    o->setInt(QStringLiteral("vatrate"), takeaway ? rateOut(a.family) : rateIn(a.family));
    o->setBool(QStringLiteral("isvatoh"), takeaway);
    o->setInt(QStringLiteral("round"), 1);
    o->setInt(QStringLiteral("seat"), 1 + m_random.below(4));
    return o;
}

std::unique_ptr<TTable> TDayWriter::table(int index, bool paid)
{
    TRandom &r = m_random;
    m_nextId = 1;
    // tables of the day spread from 11:30 on, into the evening
    m_time = QTime(11, 30).addSecs(index * 97 % 36000);
    m_terminal = 1 + r.below(3);
    m_center = m_terminal == 1 ? 3 : m_terminal == 2 ? 1 : 2;
    const Waiter &waiter = Waiters[r.below(WaiterCount)];
    const bool takeaway = r.chance(10);
    const int guests = 1 + r.below(6);
    const int number = 1 + (index * 7 + r.below(5)) % 99;

    auto table = std::make_unique<TTable>(nullptr);
    table->setTable(number);
    table->setParty(1 + index / 99);
    table->setBillNum(++m_bill);
    table->setGuests(guests);
    table->setVatOh(takeaway);
    table->setInSum(!r.chance(5));
    table->setRound(1);
    table->setTaxOh(QString::fromLatin1(TaxDefinitions));
    table->setTaxIh(QString::fromLatin1(TaxDefinitions));
    if (waiter.trainee)
        table->setBool(QStringLiteral("trainee"), true);
    // a cover charge per guest at some tables, taxed at 19 %
    if (!takeaway && r.chance(20)) {
        table->setTaxAmount(200);
        table->setTaxAmounts(QStringLiteral("1,200"));
    }

    TTableCreate &c = table->create();
    c.setDate(QStringLiteral("date"), m_day);
    c.setTime(QStringLiteral("time"), m_time);
    c.setInt(QStringLiteral("waiter"), waiter.id);
    c.setString(QStringLiteral("waitername"), QString::fromLatin1(waiter.name));
    c.setInt(QStringLiteral("terminal"), m_terminal);
    c.setString(QStringLiteral("termname"), QString::fromLatin1(Terminals[m_terminal - 1].name));
    c.setInt(QStringLiteral("center"), m_center);
    c.setString(QStringLiteral("centername"), QString::fromLatin1(Centers[m_center - 1].name));
    c.setString(QStringLiteral("tablename"), QStringLiteral("Table %1").arg(number));
    c.setString(QStringLiteral("teams"), QString::fromLatin1(waiter.teams));

    TTableEntries &entries = table->entries();
    if (r.chance(8)) {
        TTableEntry *change = entry(EntryChange, waiter);
        change->setInt(QStringLiteral("fromtable"), number + 1);
        change->setInt(QStringLiteral("fromparty"), 1);
        change->setInt(QStringLiteral("fromwaiter"), waiter.id);
        change->setInt(QStringLiteral("totable"), number);
        change->setInt(QStringLiteral("toparty"), 1);
        change->setInt(QStringLiteral("towaiter"), waiter.id);
        entries.insert(change);
    }

    const int lines = 1 + r.below(6);
    for (int i = 0; i < lines; ++i) {
        const Article &a = Articles[r.below(ArticleCount)];
        double count = 1 + r.below(std::min(guests, 3));
        if (a.plu == 702)
            count = r.chance(50) ? 0.5 : 0.25; // a carafe shared by the litre
        TTableEntry *o = order(waiter, a, count, takeaway);
        if (a.family == 2 && r.chance(30)) {
            // extra toppings are price add-ons of the pizza
            auto *addOn = new TTableEntry;
            addOn->setType(EntryAddOn);
            addOn->setInt(QStringLiteral("plu"), 901);
            addOn->setString(QStringLiteral("article"), QStringLiteral("Extra cheese"));
            addOn->setInt(QStringLiteral("price"), 150);
            o->children(true)->append(addOn);
        }
        if (r.chance(5))
            o->setBool(QStringLiteral("credit"), true); // staff meal on account
        if (a.family == 6 && r.chance(15)) {
            // happy hour: 10 % off, the price is the discounted one
            const int off = a.price / 10;
            o->setInt(QStringLiteral("price"), a.price - off);
            o->setInt(QStringLiteral("discount"), off);
            o->setInt(QStringLiteral("discbase"), a.price);
            o->setInt(QStringLiteral("discid"), 1);
            o->setString(QStringLiteral("discname"), QStringLiteral("Happy hour"));
            o->setInt(QStringLiteral("discrate"), 10);
            o->setInt(QStringLiteral("discabs"), 0);
        }
        entries.insert(o);

        if (r.chance(6)) {
            // one of the items taken back before it was served
            TTableEntry *v = entry(EntryVoid, waiter);
            v->setInt(QStringLiteral("plu"), a.plu);
            v->setString(QStringLiteral("article"), QString::fromLatin1(a.name));
            v->setInt(QStringLiteral("price"), o->unitPrice());
            v->setDouble(QStringLiteral("count"), 1);
            v->setInt(QStringLiteral("amount"), o->unitPrice());
            v->setInt(QStringLiteral("family"), a.family);
            v->setInt(QStringLiteral("famgroup"), familyGroup(a.family));
            v->setInt(QStringLiteral("vwaiter"), 1);
            v->setString(QStringLiteral("vwaitername"), QString::fromLatin1(Waiters[0].name));
            v->setString(QStringLiteral("reason"),
                         r.chance(50) ? QStringLiteral("Guest changed mind") : QString());
            o->setDouble(QStringLiteral("count"), count); // the void came on top of the order
            entries.insert(v);
        }
    }
    if (r.chance(15)) {
        // the lunch menu: sold as one line, counted by its courses
        TTableEntry *menu = order(waiter, Articles[1], 1, takeaway);
        menu->setInt(QStringLiteral("plu"), 950);
        menu->setString(QStringLiteral("article"), QStringLiteral("Lunch menu"));
        menu->setString(QStringLiteral("artshort"), QStringLiteral("Menu"));
        menu->setInt(QStringLiteral("family"), 9);
        menu->setString(QStringLiteral("familyname"), QString::fromLatin1(familyName(9)));
        qint64 price = 0;
        for (int course : {1, 5, 15}) {
            const Article &a = Articles[course];
            auto *part = new TTableEntry;
            part->setType(EntryComponent);
            part->setInt(QStringLiteral("plu"), a.plu);
            part->setString(QStringLiteral("article"), QString::fromLatin1(a.name));
            part->setInt(QStringLiteral("price"), a.price - 100);
            part->setDouble(QStringLiteral("count"), 1);
            part->setInt(QStringLiteral("family"), a.family);
            part->setString(QStringLiteral("familyname"),
                            QString::fromLatin1(familyName(a.family)));
            part->setInt(QStringLiteral("famgroup"), familyGroup(a.family));
            part->setInt(QStringLiteral("rateih"), rateIn(a.family));
            part->setInt(QStringLiteral("rateoh"), rateOut(a.family));
            menu->children(true)->append(part);
            price += a.price - 100;
        }
        menu->setInt(QStringLiteral("price"), price);
        // the menu's price split over two taxes, per unit
        const qint64 drinks = Articles[15].price - 100;
        menu->setString(QStringLiteral("taxamounts"),
                        QStringLiteral("1,%1:2,%2").arg(drinks).arg(price - drinks));
        menu->setString(QStringLiteral("taxih"), QString::fromLatin1(TaxDefinitions));
        menu->setString(QStringLiteral("taxoh"), QString::fromLatin1(TaxDefinitions));
        entries.insert(menu);
    }
    if (r.chance(4)) {
        TTableEntry *note = order(waiter, Articles[0], 1, takeaway);
        note->setInt(QStringLiteral("plu"), 990);
        note->setString(QStringLiteral("article"), QStringLiteral("Kitchen note"));
        note->setInt(QStringLiteral("price"), 0);
        note->setBool(QStringLiteral("iscontrol"), true);
        entries.insert(note);
    }
    if (r.chance(4)) {
        TTableEntry *split = entry(EntrySplit, waiter);
        split->setDouble(QStringLiteral("count"), 1);
        split->setInt(QStringLiteral("plu"), Articles[0].plu);
        split->setInt(QStringLiteral("totable"), number + 100);
        split->setInt(QStringLiteral("toparty"), 1);
        split->setInt(QStringLiteral("amount"), Articles[0].price);
        entries.insert(split);
    }
    if (index % 17 == 3) {
        // change money put into the till, or paid out to a supplier
        TTableEntry *cash = entry(EntryCash, waiter);
        const bool in = r.chance(60);
        cash->setDouble(QStringLiteral("count"), 1);
        cash->setInt(QStringLiteral("amount"), in ? 5000 : -(1000 + r.below(40) * 50));
        cash->setInt(QStringLiteral("retcurr"), 1);
        cash->setString(QStringLiteral("retcurrname"), QStringLiteral("Euro"));
        cash->setString(QStringLiteral("retcurrshort"), QStringLiteral("EUR"));
        cash->setString(QStringLiteral("reason"),
                        in ? QStringLiteral("Change float") : QStringLiteral("Supplier"));
        entries.insert(cash);
    }

    const double total = table->computeAmount();
    if (paid) {
        addPays(*table, waiter, qint64(total));
        TTableEntry *archive = entry(EntryArchive, waiter);
        archive->setBool(QStringLiteral("voided"), false);
        entries.insert(archive);
    }
    table->setAmount(table->computeAmount());
    return table;
}

void TDayWriter::addPays(TTable &table, const Waiter &waiter, qint64 total)
{
    TRandom &r = m_random;
    TTableEntries &entries = table.entries();
    auto pay = [&](qint64 amount, const Payform &form) {
        TTableEntry *p = entry(EntryPay, waiter);
        p->setInt(QStringLiteral("amount"), amount);
        p->setInt(QStringLiteral("payform"), form.id);
        p->setString(QStringLiteral("payformname"), QString::fromLatin1(form.name));
        p->setBool(QStringLiteral("intermsum"), form.cash);
        p->setInt(QStringLiteral("paynum"), p->id());
        p->setInt(QStringLiteral("guests"), table.guests());
        p->setInt(QStringLiteral("curr"), 1);
        p->setString(QStringLiteral("currname"), QStringLiteral("Euro"));
        p->setString(QStringLiteral("currshort"), QStringLiteral("EUR"));
        p->setDouble(QStringLiteral("currrate"), 1);
        p->setInt(QStringLiteral("currdecpos"), 2);
        entries.insert(p);
        return p;
    };

    if (total <= 0) {
        pay(0, Payforms[0]);
        return;
    }
    if (r.chance(3)) {
        // a card payment that failed and was taken back
        TTableEntry *failed = pay(total, Payforms[2]);
        failed->setBool(QStringLiteral("voided"), true);
    }
    qint64 rest = total;
    if (r.chance(15) && total > 1000) {
        const qint64 part = roundHalfUp(double(total) / 2);
        pay(part, Payforms[1]);
        rest -= part;
    }
    const int kind = r.below(100);
    if (kind < 50) {
        // cash, handed over in round notes, change returned
        TTableEntry *p = pay(rest, Payforms[0]);
        const qint64 given = ((rest + 499) / 500) * 500 + (r.chance(30) ? 1000 : 0);
        p->setInt(QStringLiteral("given"), given);
        p->setInt(QStringLiteral("return"), given - rest);
        p->setInt(QStringLiteral("retamount"), given - rest);
        p->setInt(QStringLiteral("retcurr"), 1);
        p->setString(QStringLiteral("retcurrname"), QStringLiteral("Euro"));
        p->setString(QStringLiteral("retcurrshort"), QStringLiteral("EUR"));
        p->setDouble(QStringLiteral("retcurrrate"), 1);
        p->setInt(QStringLiteral("retcurrdecpos"), 2);
    } else if (kind < 58) {
        // Swiss guests paying in francs, change in euro
        TTableEntry *p = pay(rest, Payforms[0]);
        const qint64 francs = roundHalfUp(double(rest) * 0.95 / 500.0 + 0.5) * 500;
        p->setInt(QStringLiteral("curr"), 2);
        p->setString(QStringLiteral("currname"), QStringLiteral("Swiss franc"));
        p->setString(QStringLiteral("currshort"), QStringLiteral("CHF"));
        p->setDouble(QStringLiteral("currrate"), 0.95);
        p->setInt(QStringLiteral("currdecpos"), 2);
        p->setInt(QStringLiteral("orggiven"), francs);
        const qint64 given = roundHalfUp(double(francs) / 0.95);
        p->setInt(QStringLiteral("given"), given);
        p->setInt(QStringLiteral("return"), given - rest);
        p->setInt(QStringLiteral("retamount"), given - rest);
        p->setInt(QStringLiteral("retcurr"), 1);
        p->setString(QStringLiteral("retcurrname"), QStringLiteral("Euro"));
        p->setString(QStringLiteral("retcurrshort"), QStringLiteral("EUR"));
    } else if (kind < 85) {
        TTableEntry *p = pay(rest, Payforms[1 + r.below(2)]);
        if (r.chance(40))
            p->setInt(QStringLiteral("tip"), 100 * (1 + r.below(5)));
        p->setInt(QStringLiteral("given"), rest);
    } else if (kind < 93) {
        TTableEntry *p = pay(rest, Payforms[3]);
        const int room = 101 + r.below(30);
        p->setString(QStringLiteral("room"), QString::number(room));
        p->setInt(QStringLiteral("hotparty"), 1 + r.below(3));
        p->setString(QStringLiteral("hotelacc"), QStringLiteral("ACC%1").arg(room * 10));
        p->setString(QStringLiteral("hotelguest"), QStringLiteral("Guest of room %1").arg(room));
        p->setInt(QStringLiteral("hotelamount"), rest);
    } else {
        // a staff voucher with a subsidy from the house
        TTableEntry *p = pay(rest, Payforms[4]);
        p->setInt(QStringLiteral("subvent"), 1);
        p->setInt(QStringLiteral("subvid"), 1);
        p->setString(QStringLiteral("subvname"), QStringLiteral("Staff subsidy"));
        p->setInt(QStringLiteral("subvamount"), std::min<qint64>(rest, 300));
    }
}

void writeMasterData(const QString &root)
{
    const QByteArray base = root.toLocal8Bit();

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
    installation->setString(QStringLiteral("email"), QStringLiteral("info@trattoria.example"));
    settings.insert(installation);
    settings.save(base.constData());

    TPlainList waiters("waiters", "waiters.dat", "waiter");
    for (const Waiter &w : Waiters) {
        TValue *v = record(w.id, QString::fromLatin1(w.name));
        v->setString(QStringLiteral("teams"), QString::fromLatin1(w.teams));
        v->setBool(QStringLiteral("alltables"), w.allTables);
        v->setInt(QStringLiteral("mintablerange"), w.minTable);
        v->setInt(QStringLiteral("maxtablerange"), w.maxTable);
        v->setBool(QStringLiteral("trainee"), w.trainee);
        v->setBool(QStringLiteral("reports"), w.id == 1);
        waiters.insert(v);
    }
    waiters.save(base.constData());

    TPlainList terminals("terminals", "terminals.dat", "terminal");
    for (const Named &t : Terminals)
        terminals.insert(record(t.id, QString::fromLatin1(t.name)));
    terminals.save(base.constData());

    TPlainList centers("centers", "centers.dat", "center");
    for (const Named &c : Centers)
        centers.insert(record(c.id, QString::fromLatin1(c.name)));
    centers.save(base.constData());

    TPlainList families("families", "families.dat", "family");
    for (const Named &f : Families) {
        TValue *v = record(f.id, QString::fromLatin1(f.name));
        v->setInt(QStringLiteral("famgroup"), familyGroup(f.id));
        families.insert(v);
    }
    families.save(base.constData());

    TPlainList articles("articles", "articles.dat", "article");
    for (const Article &a : Articles) {
        TValue *v = record(a.plu, QString::fromLatin1(a.name));
        v->setString(QStringLiteral("artshort"), QString::fromLatin1(a.shortName));
        v->setInt(QStringLiteral("price"), a.price);
        v->setInt(QStringLiteral("family"), a.family);
        articles.insert(v);
    }
    articles.save(base.constData());

    TFamGroups famGroups;
    famGroups.insert(record(1, QStringLiteral("Food")));
    famGroups.insert(record(2, QStringLiteral("Drinks")));
    famGroups.save(base.constData());

    TDepartments departments;
    auto department = [&](int id, const char *name, bool leaf, const char *items) {
        TValue *v = record(id, QString::fromLatin1(name));
        v->setBool(QStringLiteral("leaf"), leaf);
        v->setString(leaf ? QStringLiteral("articles") : QStringLiteral("children"),
                     QString::fromLatin1(items));
        departments.insert(v);
    };
    department(1, "Kitchen", false, "2;3");
    department(2, "Pizzeria", true, "-2");
    department(3, "Cold kitchen", true, "-1;-5;302");
    department(4, "Bar", true, "-6;-7;-8");
    departments.save(base.constData());

    TTaxGroups taxGroups;
    auto *full = new TTaxGroup;
    full->setId(1);
    full->setName(QStringLiteral("VAT 19%"));
    full->setRate(19);
    taxGroups.insert(full);
    auto *reduced = new TTaxGroup;
    reduced->setId(2);
    reduced->setName(QStringLiteral("VAT 7%"));
    reduced->setRate(7);
    taxGroups.insert(reduced);
    taxGroups.save(base.constData());

    TCurrencies currencies;
    auto *list = new TValue;
    list->setId(0);
    list->setInt(QStringLiteral("syscurr"), 1);
    currencies.insert(list);
    auto currency = [&](int id, const char *name, const char *shortName, double rate) {
        auto *c = new TCurrency;
        c->setId(id);
        c->setName(QString::fromLatin1(name));
        c->setString(QStringLiteral("shortname"), QString::fromLatin1(shortName));
        c->setDouble(QStringLiteral("rate"), rate);
        c->setInt(QStringLiteral("decpos"), 2);
        c->setString(QStringLiteral("decchar"), QStringLiteral(","));
        c->setString(QStringLiteral("thschar"), QStringLiteral("."));
        c->setBool(QStringLiteral("reverse"), false);
        currencies.insert(c);
    };
    currency(1, "Euro", "EUR", 1.0);
    currency(2, "Swiss franc", "CHF", 0.95);
    currencies.save(base.constData());

    // terminals' data paths, and the outlet tree over them
    OutletsLib::TOutlets outlets;
    TValue *house = record(1, QStringLiteral("Main house"));
    house->setString(QStringLiteral("path"), root);
    outlets.insert(house);
    outlets.save(base.constData());
    TPlainList sumOutlets("sumoutlets", "sumoutlets.dat", "sumoutlet");
    TValue *all = record(1, QStringLiteral("All outlets"));
    all->setBool(QStringLiteral("isleaf"), false);
    all->setString(QStringLiteral("children"), QStringLiteral("2;3"));
    sumOutlets.insert(all);
    TValue *restaurant = record(2, QStringLiteral("Restaurant"));
    restaurant->setBool(QStringLiteral("isleaf"), true);
    restaurant->setString(QStringLiteral("outlets"), QStringLiteral("1"));
    sumOutlets.insert(restaurant);
    TValue *bar = record(3, QStringLiteral("Bar"));
    bar->setBool(QStringLiteral("isleaf"), true);
    bar->setString(QStringLiteral("outlets"), QStringLiteral("1"));
    sumOutlets.insert(bar);
    sumOutlets.save(base.constData());

    TSumFilters filters;
    auto filter = [&](int id, const char *name, const char *tables, const char *entries) {
        auto *f = new TSumFilter;
        f->setId(id);
        f->setName(QString::fromLatin1(name));
        f->setDescription(QString::fromLatin1(name));
        f->setTables(QString::fromLatin1(tables));
        f->setEntries(QString::fromLatin1(entries));
        filters.insert(f);
    };
    filter(1, "Takeaway", "0:vatoh:=:yes", "");
    filter(2, "In summary", "0:insum:=:yes", "");
    filter(3, "Big tables", "0:maxamount:>:5000", "");
    filter(4, "Food only", "", "3:famgroup:=:1");
    filters.save(base.constData());

    TSumBatches batches;
    auto batch = [&](int id, const char *name, const char *reports, int filterId, bool fiscal) {
        auto *b = new TSumBatch;
        b->setId(id);
        b->setName(QString::fromLatin1(name));
        b->setDescr(QString::fromLatin1(name));
        b->setString(QStringLiteral("reports"), QString::fromLatin1(reports));
        b->setFilter(filterId);
        b->setFiscal(fiscal);
        batches.insert(b);
    };
    batch(1, "Evening closing", "4;7;10;13", 0, false);
    batch(2, "Fiscal Z report", "4;7", 0, true);
    batch(3, "Takeaway articles", "7;10", 1, false);
    batches.save(base.constData());

    const QString etc = installationDir(root, QStringLiteral("etc"), true);
    TInifile reports(etc + QStringLiteral("reports.ini"));
    reports.writeInt(QStringLiteral("Settings"), QStringLiteral("fillto"), 25);
    reports.writeInt(QStringLiteral("Settings"), QStringLiteral("pagewidth"), 40);
    reports.writeInt(QStringLiteral("Settings"), QStringLiteral("gastroday"), 500);
    reports.writeBool(QStringLiteral("Settings"), QStringLiteral("SimpleRep"), false);
    reports.writeBool(QStringLiteral("Settings"), QStringLiteral("VWaiter"), false);
    reports.writeString(QStringLiteral("reports"), QStringLiteral("batch"),
                        QStringLiteral("Batch report"));
    reports.writeBool(QStringLiteral("NoPrint"), QStringLiteral("nodebug"), false);
    reports.write();
    TInifile globals(etc + QStringLiteral("globals.ini"));
    globals.writeInt(QStringLiteral("Settings"), QStringLiteral("dayoffs"), 500);
    globals.write();
}

void writeTimeControls(const QString &root, const QDate &day, bool today)
{
    TTimeControls controls(day);
    for (const Waiter &w : Waiters) {
        auto *v = new TValue;
        v->setId(w.id);
        v->setString(QStringLiteral("time"),
                     today ? QStringLiteral("10:00:00#15:00:00;17:30:00#")
                           : QStringLiteral("10:00:00#15:00:00;17:30:00#23:10:00"));
        controls.insert(v);
    }
    controls.save(root);
}

// The turnover stamp a closed day's tables carry.
void stampClosed(TTable &table, const QDate &day, int z, const QString &dayDir)
{
    table.setZCount(z);
    table.setString(QStringLiteral("turnoverdate"), day.addDays(1).toString(Qt::ISODate));
    table.setString(QStringLiteral("turnovertime"), QStringLiteral("02:30:00"));
    table.setString(QStringLiteral("turnoverapp"), QStringLiteral("Office (Reports)"));
    table.setString(QStringLiteral("turnoverterminal"), QStringLiteral("1"));
    table.setString(QStringLiteral("turnovercostcenter"), QStringLiteral("0"));
    table.setString(QStringLiteral("turnovertodate"), dayDir);
}

} // namespace

TDemoInstallation::TDemoInstallation(const TDemoOptions &options)
    : m_options(options)
{
    if (!m_options.today.isValid())
        m_options.today = QDate::currentDate();
}

TDemoSummary TDemoInstallation::write(const QString &path)
{
    const QString root = normalizeDir(path, true);
    TRandom random(m_options.seed);
    TDemoSummary summary;

    writeMasterData(root);
    {
        TInifile marker(root + markerName());
        marker.writeInt(QStringLiteral("demo"), QStringLiteral("days"), m_options.days);
        marker.writeInt(QStringLiteral("demo"), QStringLiteral("tables"), m_options.tables);
        marker.writeInt(QStringLiteral("demo"), QStringLiteral("seed"), qint64(m_options.seed));
        marker.writeString(QStringLiteral("demo"), QStringLiteral("today"),
                           m_options.today.toString(Qt::ISODate));
        marker.write();
    }

    int bill = 1000;
    const QString statist = installationDir(root, QStringLiteral("var/statist"), true);
    // closed days, oldest first; each gets its Z number and journal line
    for (int back = m_options.days; back >= 1; --back) {
        const QDate day = m_options.today.addDays(-back);
        const int z = m_options.days - back + 1;
        const QString dayName = statistDayName(day);
        const QString dir = normalizeDir(statist + dayName, true);
        TDayWriter writer(random, day, bill);
        for (int i = 0; i < m_options.tables; ++i) {
            std::unique_ptr<TTable> table = writer.table(i, true);
            table->setArchive(i + 1);
            stampClosed(*table, day, z, dayName);
            QByteArray bytes;
            table->write(bytes);
            writeFile(dir + archiveFileName(i + 1), bytes);
        }
        TCounter(dir, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), z);
        {
            QFile journal(dir + QStringLiteral("turnover.z"));
            journal.open(QIODevice::WriteOnly | QIODevice::Truncate);
            journal.write(QStringLiteral("%1:%2;;;;%3;Office (Reports);1;0\r\n")
                                  .arg(z)
                                  .arg(m_options.tables)
                                  .arg(day.toString())
                                  .toLocal8Bit());
        }
        // the oldest day is left without its summary: the first report
        // over it builds one
        if (back != m_options.days)
            TArchTable(root, day).build();
        writeTimeControls(root, day, false);
        ++summary.closedDays;
        summary.closedTables += m_options.tables;
    }
    TCounter(statist, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), m_options.days + 1);
    TCounter(root, QStringLiteral("counter.dat"))
            .set(QStringLiteral("zcounter"), m_options.days + 1);

    // today: paid tables waiting for the day closing, and open ones
    const QString archives = archivesDir(root);
    const QString tables = tablesDir(root);
    TDayWriter writer(random, m_options.today, bill);
    TArchInfos index(root);
    const int paid = std::max(1, m_options.tables * 3 / 4);
    for (int i = 0; i < paid; ++i) {
        std::unique_ptr<TTable> table = writer.table(i, true);
        table->setArchive(i + 1);
        QByteArray bytes;
        table->write(bytes);
        writeFile(archives + archiveFileName(i + 1), bytes);
        index.add(table.get());
        ++summary.paidTables;
    }
    index.save();
    const int open = std::max(2, m_options.tables / 8);
    for (int i = 0; i < open; ++i) {
        std::unique_ptr<TTable> table = writer.table(paid + i, false);
        const long number = 100 + i; // open tables have numbers of their own
        table->setTable(number);
        table->setParty(1);
        QByteArray bytes;
        table->write(bytes);
        writeFile(tables + activeTableFileName(number, 1), bytes);
        ++summary.openTables;
    }
    // the first open table is on a terminal's screen right now
    writeFile(QStringLiteral("%1T%2P%3.%4").arg(activeTablesDir(root)).arg(100).arg(1).arg(2),
              QByteArray());
    writeTimeControls(root, m_options.today, true);
    return summary;
}

} // namespace PosLib
