#include "tdemolists.h"

#include "tcurrencies.h"
#include "tdemomasterdata.h"
#include "tdemorandom.h"
#include "tdepartments.h"
#include "tfamgroups.h"
#include "tfile.h"
#include "tinstallation.h"
#include "toutlets.h"
#include "tsavefile.h"
#include "tsettings.h"
#include "tsumbatch.h"
#include "tsumfilters.h"
#include "ttaxgroups.h"

using namespace Basics;

namespace PosLib::Demo {

namespace {

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

} // namespace

void writeFile(const QString &path, const QByteArray &bytes)
{
    TFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.writeBlock(bytes);
    file.close();
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

    // the article lists laid out with room for the names and the price
    // each line was sold at, so that an article sold at two prices shows
    // why it has two lines: count, name, price, amount
    TSaveFile layout(layoutDir(root) + QStringLiteral("sumarticles.cfg"));
    layout.open();
    layout.write("{counttext@a-5} {name@a24} {price@p@a-7} {countsum@p@a-9} {currshort::}\n");
    layout.commit();
}

} // namespace PosLib::Demo
