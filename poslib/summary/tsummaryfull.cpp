// The summary writer: the full summary of a group (pay forms, VAT, cash,
// currencies, balancing, control articles, the figures) and the minimal
// report made of the same figures.
//
// Choices made where the layout of a line is not fixed elsewhere:
// - Pay form lines of the full summary are caption lines: the text
//   "Cash (3)" cut to "fillto" - 7, filled with '.' to "fillto", then
//   ": net currency". The debug lines below them are caption lines too,
//   "* Tip", "* Given", "* Return".
// - A VAT rate writes three caption lines, "VAT   19.00 %", "Net   19.00 %"
//   and "Gross 19.00 %" (caption and rate filled with '.'). The gross figure
//   is the rounded net plus the rounded VAT, so the printed lines add up.
//   The rate is the leaf's "rate" when it came from a tax group, else its
//   key (the rate in hundredths of a percent).
// - Cash part ("Cash amount", over the pays that count in the cash summary):
//   one caption line per currency of those pays (in currency order, the
//   system currency for pays without one) with what was handed over in it
//   ("given", system cents); "- Return difference" with the change given
//   back ("return"); "Given not in summary" with given minus return of
//   tables outside the turnover, only when not 0; "Tip" and "Credits";
//   "Cash in" and "Cash out" with their sums and a line
//   "* <number> <reason>: <amount currency>" per record; after a blank line
//   "Cash amount" = given - return + cash in + cash out (cash out is
//   negative). Tip and credits are shown, not added.
// - "Currencies": per currency one line "<amount> <short name>" in that
//   currency's own units: "orggiven" of its pays minus the change returned
//   in it (the "retamount" of the "currreturns" leaves of that return
//   currency; "return" for the system currency). The short name is written
//   even with "nocurrency", since it is what tells the lines apart.
// - Balancing, Currencies, Control articles and Negative orders write
//   their title only when they have at least one line.
// - Control articles and Negative orders end with the sum of the exact
//   amounts of their lines, rounded once, as the item reports do.

#include "tsummary.h"

#include "tcurrencies.h"
#include "trepdata.h"
#include "treportleaf.h"
#include "treportnode.h"
#include "tround.h"
#include "tsummarytext.h"

#include <algorithm>

using namespace Basics;

namespace PosLib {

using namespace SummaryText;

namespace {

const TReportLeaf *totalOf(const TRepData *group, const QString &node)
{
    const TReportNode *n = group->node(node);
    return n ? n->total() : nullptr;
}

QList<const TReportLeaf *> leavesOf(const TRepData *group, const QString &node)
{
    QList<const TReportLeaf *> out;
    if (const TReportNode *n = group->node(node)) {
        for (const TReportLeaf *leaf : n->leaves())
            out << leaf;
    }
    return out;
}

// The sums per currency of a "currencies" or "currreturns" node.
QMap<int, TCurrencySums> currencySums(const TRepData *group, const QString &node)
{
    const auto *n = dynamic_cast<const TRepPayforms *>(group->node(node));
    return n ? n->currencySums() : QMap<int, TCurrencySums>();
}

} // namespace

struct TSummary::Payform
{
    QString sortText;
    const TReportLeaf *leaf = nullptr;
    qint64 net = 0;
    qint64 amount = 0;
    qint64 guests = 0;
    bool inSum = false;
};

QList<TSummary::Payform> TSummary::payforms(const TRepData *group) const
{
    QList<Payform> out;
    for (const TReportLeaf *leaf : leavesOf(group, QStringLiteral("payforms"))) {
        Payform p;
        p.leaf = leaf;
        p.sortText = leaf->getString(QStringLiteral("payform"))
                     + leaf->getString(QStringLiteral("payformname"))
                     + leaf->getString(QStringLiteral("insum"))
                     + leaf->getString(QStringLiteral("intermsum"));
        p.net = leaf->getLong(QStringLiteral("given")) - leaf->getLong(QStringLiteral("return"));
        p.amount = amountOf(leaf);
        p.guests = leaf->getLong(QStringLiteral("guests"));
        p.inSum = leaf->getBool(QStringLiteral("insum"));
        out << p;
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Payform &a, const Payform &b) { return a.sortText < b.sortText; });
    return out;
}

void TSummary::payformList(QStringList &lines, const QList<Payform> &pays, bool inSum,
                           bool titled) const
{
    bool first = true;
    for (const Payform &p : pays) {
        if (p.inSum != inSum)
            continue;
        if (first && titled)
            lines += sectionTitle(
                    inSum ? caption(QStringLiteral("insummary"), Text::tr("In summary"))
                          : caption(QStringLiteral("notsummary"), Text::tr("Not in summary")));
        first = false;
        const QString name
                = oneLine(p.leaf->getString(QStringLiteral("payformname"))).left(m_fillTo - 7);
        const QString text
                = m_shortForm
                          ? name
                          : QStringLiteral("%1 (%2)").arg(name, num(roundHalfUp(p.leaf->count())));
        lines << amountLine(text, p.net);
        if (!m_debug)
            continue;
        const std::pair<const char *, QString> details[] = {{"tip", Text::tr("* Tip")},
                                                            {"given", Text::tr("* Given")},
                                                            {"return", Text::tr("* Return")}};
        for (const auto &d : details) {
            const qint64 value = p.leaf->getLong(QString::fromLatin1(d.first));
            if (value != 0)
                lines << amountLine(d.second, value);
        }
    }
}

qint64 TSummary::vatLines(QStringList &lines, const TRepData *group, qint64 *vatSum) const
{
    qint64 netSum = 0;
    const TReportNode *rates = group->node(QStringLiteral("vatrates"));
    if (!rates)
        return 0;
    for (auto it = rates->leaves().cbegin(); it != rates->leaves().cend(); ++it) {
        const auto *leaf = dynamic_cast<const TRepVatRate *>(it.value());
        if (!leaf)
            continue;
        const qint64 net = roundHalfUp(leaf->net());
        if (net == 0)
            continue;
        const qint64 vat = roundHalfUp(leaf->vat());
        const qint64 rate = leaf->has(QStringLiteral("rate"))
                                    ? leaf->getLong(QStringLiteral("rate"))
                                    : it.key().toLongLong();
        const QString rateText = QString::asprintf("%lld.%02lld %%", rate / 100, qAbs(rate % 100));
        if (isPrinted(QStringLiteral("sumvat")))
            lines << amountLine(caption(QStringLiteral("sumvat"), Text::tr("VAT   ")) + rateText,
                                vat);
        if (isPrinted(QStringLiteral("sumnet")))
            lines << amountLine(caption(QStringLiteral("sumnet"), Text::tr("Net   ")) + rateText,
                                net);
        if (isPrinted(QStringLiteral("sumgross")))
            lines << amountLine(caption(QStringLiteral("sumgross"), Text::tr("Gross ")) + rateText,
                                net + vat);
        netSum += net;
        if (vatSum)
            *vatSum += vat;
    }
    return netSum;
}

QString TSummary::currencyName(const QString &currName, int id, const QString &shortName) const
{
    QString name = currName;
    const TCurrency *currency = nullptr;
    if (m_currencies)
        currency = id > 0 ? m_currencies->currency(id) : m_currencies->systemCurrency();
    if (name.isEmpty() && currency)
        name = currency->name().isEmpty() ? currency->shortname() : currency->name();
    if (name.isEmpty())
        name = shortName;
    if (name.isEmpty())
        name = Text::tr("Cash");
    return name;
}

void TSummary::cashPart(QStringList &lines, const TRepData *group) const
{
    const bool printed = isPrinted(QStringLiteral("cashamount"));
    const QString title = caption(QStringLiteral("cashamount"), Text::tr("Cash amount"));
    if (printed)
        lines += sectionTitle(title);

    // the pays that count in the cash summary, by currency, named as the
    // first of them in the node's order
    struct Sums
    {
        QString name;
        qint64 given = 0;
    };
    QMap<int, Sums> perCurrency;
    qint64 returned = 0;
    qint64 notInSummary = 0;
    const QMap<int, TCurrencySums> pays = currencySums(group, QStringLiteral("currencies"));
    for (auto it = pays.cbegin(); it != pays.cend(); ++it) {
        const TCurrencySums &c = it.value();
        perCurrency[it.key()] = {currencyName(c.first.name, it.key(), c.first.shortName), c.given};
        returned += c.returned;
        notInSummary += c.notInSummary;
    }
    if (printed) {
        for (const Sums &s : std::as_const(perCurrency))
            lines << amountLine(s.name, s.given);
        if (!perCurrency.isEmpty())
            lines << amountLine(
                    caption(QStringLiteral("returndiff"), Text::tr("- Return difference")),
                    returned);
        if (notInSummary != 0)
            lines << amountLine(
                    caption(QStringLiteral("nsreturn"), Text::tr("Given not in summary")),
                    notInSummary);
    }
    if (isPrinted(QStringLiteral("sumtip")))
        lines << amountLine(caption(QStringLiteral("sumtip"), Text::tr("Tip")),
                            group->getLong(QStringLiteral("tip")));
    if (isPrinted(QStringLiteral("credits")))
        lines << amountLine(caption(QStringLiteral("credits"), Text::tr("Credits")),
                            group->getLong(QStringLiteral("credits")));

    // cash records: the sum, then one line per record
    qint64 cash = 0;
    const std::pair<QString, QString> movements[]
            = {{QStringLiteral("cashins"), QStringLiteral("cashin")},
               {QStringLiteral("cashouts"), QStringLiteral("cashout")}};
    for (const auto &[node, key] : movements) {
        // read record by record: a year holds thousands of them
        const auto *n = dynamic_cast<const TRepRecordNode *>(group->node(node));
        qint64 sum = 0;
        QStringList records;
        const bool printedHere = isPrinted(key);
        if (n) {
            n->visitRecords([&](int number, const TReportLeaf &leaf) {
                sum += amountOf(&leaf);
                if (!printedHere)
                    return;
                const QString amount
                        = (amountText(amountOf(&leaf)) + QLatin1Char(' ') + currencyText())
                                  .trimmed();
                records << QStringLiteral("* %1 %2: %3")
                                   .arg(num(number),
                                        oneLine(leaf.getString(QStringLiteral("reason"))), amount);
            });
        }
        cash += sum;
        if (!printedHere)
            continue;
        lines << amountLine(key == QLatin1String("cashin") ? caption(key, Text::tr("Cash in"))
                                                           : caption(key, Text::tr("Cash out")),
                            sum);
        lines += records;
    }
    if (printed) {
        lines << QString();
        qint64 given = 0;
        for (const Sums &s : std::as_const(perCurrency))
            given += s.given;
        lines << amountLine(title, given - returned + cash);
    }
}

void TSummary::currencyPart(QStringList &lines, const TRepData *group) const
{
    if (!isPrinted(QStringLiteral("sumcurrencies")))
        return;
    // amounts in each currency's own units
    struct Own
    {
        TCurrency currency;
        qint64 amount = 0;
    };
    QMap<int, Own> perCurrency;
    const int system = m_currencies ? m_currencies->systemCurrencyId() : 0;
    // A currency is made from the first pay that names it: the pays of
    // "currencies" in their order, then those of "currreturns" that count
    // in the cash summary and gave change.
    struct First
    {
        TCurrencySums::Pay pay;
        bool ofCurrencies = false;
    };
    QMap<int, First> firsts;
    auto note = [&](int id, const TCurrencySums::Pay &pay, bool ofCurrencies) {
        auto it = firsts.find(id);
        if (it == firsts.end())
            firsts.insert(id, {pay, ofCurrencies});
        else if ((ofCurrencies && !it->ofCurrencies)
                 || (ofCurrencies == it->ofCurrencies
                     && numberKeyBefore(pay.number, it->pay.number)))
            *it = {pay, ofCurrencies};
    };
    // pays in a currency number of 0 or less are in the system currency
    auto mapped = [system](int id) { return id <= 0 ? system : id; };
    const QMap<int, TCurrencySums> given = currencySums(group, QStringLiteral("currencies"));
    for (auto it = given.cbegin(); it != given.cend(); ++it) {
        note(mapped(it.key()), it->first, true);
        perCurrency[mapped(it.key())].amount += it->orgGiven;
    }
    const QMap<int, TCurrencySums> back = currencySums(group, QStringLiteral("currreturns"));
    for (auto it = back.cbegin(); it != back.cend(); ++it) {
        // change in the system currency counts as "return", else in the
        // pay's own currency as "retamount"
        const bool own = it.key() <= 0 || it.key() == system;
        const TCurrencySums::Pay &first = own ? it->firstReturn : it->firstRetAmount;
        if (first.number == 0)
            continue; // no change at all
        note(mapped(it.key()), first, false);
        perCurrency[mapped(it.key())].amount -= own ? it->cashReturned : it->cashRetAmount;
    }
    for (auto it = perCurrency.begin(); it != perCurrency.end(); ++it) {
        if (const TCurrency *known = m_currencies ? m_currencies->currency(it.key()) : nullptr) {
            it->currency = *known;
        } else {
            const TCurrencySums::Pay &first = firsts.value(it.key()).pay;
            it->currency.setShortname(first.shortName);
            if (first.hasDecPos)
                it->currency.setDecpos(first.decPos);
        }
    }
    if (perCurrency.isEmpty())
        return;
    lines += sectionTitle(caption(QStringLiteral("sumcurrencies"), Text::tr("Currencies")));
    for (const Own &own : std::as_const(perCurrency)) {
        const QString text
                = m_currencies ? m_currencies->format(long(own.amount), &own.currency, false, false)
                               : num(own.amount);
        lines << (text + QLatin1Char(' ') + own.currency.shortname().left(3)).trimmed();
    }
}

void TSummary::balancingPart(QStringList &lines, const TRepData *group) const
{
    if (!isPrinted(QStringLiteral("balancing")))
        return;
    const auto *balances
            = dynamic_cast<const TRepBalanceNode *>(group->node(QStringLiteral("balances")));
    if (!balances || !balances->keepsRecords() || balances->count() == 0)
        return;
    lines += sectionTitle(caption(QStringLiteral("balancing"), Text::tr("Balancing")));
    const QString waiter = Text::tr("Waiter");
    const QString terminal = Text::tr("Terminal");
    const QString costCenter = Text::tr("Cost center");
    balances->visitBalances([&](const TBalanceRecord &b) {
        if (b.terminal)
            lines << QStringLiteral("%1 %2 %3").arg(terminal, b.terminalNumber, b.termName);
        else if (b.costCenter)
            lines << QStringLiteral("%1 %2 %3").arg(costCenter, b.center, b.centerName);
        else
            lines << QStringLiteral("%1 %2 %3").arg(waiter, b.waiter, b.waiterName);
        lines << QStringLiteral("I: %1    S: %2    D: %3")
                         .arg(amountText(b.amount), amountText(b.balance),
                              amountText(b.differences));
    });
}

QString TSummary::articleText(const TReportLeaf *leaf) const
{
    QString text;
    if (m_useShortText)
        text = leaf->getString(QStringLiteral("artshort"));
    if (text.isEmpty())
        text = leaf->getString(QStringLiteral("article"));
    return oneLine(text);
}

void TSummary::articleList(QStringList &lines, const TRepData *group, const QString &node,
                           const QString &key, const QString &title, bool controlOnly) const
{
    if (!isPrinted(key))
        return;
    const TReportNode *n = group->node(node);
    if (!n)
        return;
    QStringList list;
    double sum = 0;
    const QString format = caption(QStringLiteral("articlecount"), Text::tr("%1 %2 (%3): %4 %5"));
    for (auto it = n->leaves().cbegin(); it != n->leaves().cend(); ++it) {
        const TReportLeaf *leaf = it.value();
        if (controlOnly && !leaf->getBool(QStringLiteral("iscontrol")))
            continue;
        // "articles" keys start with the ten-digit article number
        const QString number = num(it.key().section(QLatin1Char(':'), 0, 0).toLongLong());
        const qint64 amount = amountOf(leaf);
        sum += leaf->amount();
        list << fill(format, {number, articleText(leaf), countPlain(leaf->count()),
                              amountText(amount), currencyText()});
    }
    if (list.isEmpty())
        return;
    lines += sectionTitle(title);
    lines += list;
    lines << QStringLiteral("  --------------");
    lines << amountLine(caption(QStringLiteral("articlesum"), Text::tr("Sum articles")),
                        roundHalfUp(sum));
}

TSummary::Figures TSummary::figures(const TRepData *group, bool currentData) const
{
    return figures(group, payforms(group), currentData);
}

TSummary::Figures TSummary::figures(const TRepData *group, const QList<Payform> &pays,
                                    bool currentData) const
{
    Figures f;
    if (!group)
        return f;
    f.tip = group->getLong(QStringLiteral("tip"));
    f.credits = group->getLong(QStringLiteral("credits"));

    // pay form sums: net = given - return, amount with the tips
    for (const Payform &p : pays) {
        if (p.inSum) {
            f.inSummary += p.net;
            f.inSummaryAmount += p.amount;
            f.guests += p.guests;
        } else {
            f.notInSummary += p.net;
            f.notInSummaryAmount += p.amount;
        }
    }
    f.allPayforms = f.inSummary + f.notInSummary;
    f.nonRefund = f.allPayforms - (f.inSummaryAmount + f.notInSummaryAmount);
    f.allAmount = f.allPayforms - (f.nonRefund + f.credits + f.tip + f.notInSummaryAmount);

    const TReportLeaf *tables = totalOf(group, QStringLiteral("tables"));
    f.paidTables = tables ? roundHalfUp(tables->count()) : 0;
    const TReportLeaf *voids = totalOf(group, QStringLiteral("voids"));
    f.voids = voids ? voids->getLong(QStringLiteral("repvoidcount")) : 0;
    f.voidAmount = voids ? amountOf(voids) : 0;
    if (currentData) {
        f.openTables = group->getLong(QStringLiteral("tablecount"));
        f.openTablesAmount = group->getLong(QStringLiteral("tableamount"));
    }
    const TReportLeaf *vatTotal = totalOf(group, QStringLiteral("vatrates"));
    f.sumInHouse = vatTotal ? vatTotal->getLong(QStringLiteral("sumih")) : 0;
    f.sumOutOfHouse = vatTotal ? vatTotal->getLong(QStringLiteral("sumoh")) : 0;
    f.ordersAmount = f.sumInHouse + f.sumOutOfHouse - f.notInSummaryAmount;
    QStringList scratch;
    f.netSum = vatLines(scratch, group);
    return f;
}

QStringList TSummary::fullSummary(const TRepData *group, bool currentData) const
{
    QStringList lines;
    const QList<Payform> pays = payforms(group);
    const Figures f = figures(group, pays, currentData);
    bool anyIn = false, anyNot = false;
    for (const Payform &p : pays)
        (p.inSum ? anyIn : anyNot) = true;
    const qint64 tip = f.tip;
    const qint64 credits = f.credits;
    const qint64 inNet = f.inSummary;
    const qint64 inAmount = f.inSummaryAmount;
    const qint64 inGuests = f.guests;
    const qint64 notNet = f.notInSummary;
    const qint64 notAmount = f.notInSummaryAmount;
    const qint64 allPayforms = f.allPayforms;
    const qint64 nonRefund = f.nonRefund;
    const qint64 allAmount = f.allAmount;

    auto on = [this](const char *key) { return isPrinted(QString::fromLatin1(key)); };
    auto cap = [this](const char *key, const QString &text) {
        return caption(QString::fromLatin1(key), text);
    };

    if (on("paidtables"))
        lines << countLine(cap("paidtables", Text::tr("Paid tables")), f.paidTables);
    if (on("voids"))
        lines << countLine(cap("voids", Text::tr("Voids")), f.voids);
    if (on("voidamount"))
        lines << amountLine(cap("voidamount", Text::tr("Void amount")), f.voidAmount);
    if (currentData) {
        if (on("opentables"))
            lines << countLine(cap("opentables", Text::tr("Open tables")), f.openTables);
        if (on("opentablesum"))
            lines << amountLine(cap("opentablesum", Text::tr("Open tables, sum")),
                                f.openTablesAmount);
    }

    if (on("insummary") && anyIn) {
        payformList(lines, pays, true, true);
        if (on("sumpayforms"))
            lines << QString()
                  << amountLine(cap("sumpayforms", Text::tr("Sum of payforms")), inNet);
    }
    if (on("notsummary") && anyNot) {
        payformList(lines, pays, false, true);
        lines << QString()
              << amountLine(cap("sumpayforms_nc", Text::tr("Sum of payforms")), notNet);
    }
    if (tip != 0 || credits != 0 || nonRefund != 0) {
        if (on("sumallpayforms"))
            lines << amountLine(cap("sumpayforms_all", Text::tr("Sum of all payforms")),
                                allPayforms);
        if (on("sumtip"))
            lines << amountLine(cap("sumtip", Text::tr("Tip")), tip);
        if (on("credits"))
            lines << amountLine(cap("credits", Text::tr("Credits")), credits);
        if (on("nonrefunds"))
            lines << amountLine(cap("nonrefunds", Text::tr("Non refund")), nonRefund);
    }
    if (on("notinsummarysum"))
        lines << amountLine(cap("notinsummarysum", Text::tr("Not in summary")), notAmount);
    if (on("allamountAb"))
        lines << QString() << amountLine(cap("allamountAb", Text::tr("All amount")), allAmount);

    const qint64 sumIh = f.sumInHouse;
    const qint64 sumOh = f.sumOutOfHouse;
    if (on("listorders")) {
        lines += sectionTitle(cap("listorders", Text::tr("Orders")));
        lines << amountLine(cap("suminhouse", Text::tr("Sum In House")), sumIh);
        lines << amountLine(cap("sumouthouse", Text::tr("Sum Out of House")), sumOh);
        lines << amountLine(cap("notsummary", Text::tr("Not in summary")), notAmount);
        lines << QString() << amountLine(cap("allamount", Text::tr("All amount")), f.ordersAmount);
    }

    const qint64 netSum = vatLines(lines, group);
    if (on("sumnetsum"))
        lines << amountLine(cap("sumnetsum", Text::tr("Sum Net")), netSum);
    if (on("netallamount"))
        lines << amountLine(cap("netallamount", Text::tr("Net all amount")), netSum);

    cashPart(lines, group);
    currencyPart(lines, group);
    balancingPart(lines, group);

    if (on("statists") && inGuests != 0) {
        const double guests = double(inGuests);
        lines += sectionTitle(cap("statists", Text::tr("Statists")));
        if (on("sumguest"))
            lines << countLine(cap("sumguest", Text::tr("Guests")), inGuests);
        if (on("sumperguest"))
            lines << amountLine(cap("sumperguest", Text::tr("Amount per guest")),
                                roundHalfUp(double(inAmount - credits - tip) / guests));
        if (on("allsumperguest"))
            lines << amountLine(cap("allsumperguest", Text::tr("All amount per guest")),
                                roundHalfUp(double(sumIh + sumOh) / guests));
        if (on("netsumperguest"))
            lines << amountLine(cap("netsumperguest", Text::tr("Net all amount per guest")),
                                roundHalfUp(double(netSum) / guests));
    }

    articleList(lines, group, QStringLiteral("articles"), QStringLiteral("controlarts"),
                cap("controlarts", Text::tr("Control articles")), true);
    articleList(lines, group, QStringLiteral("negorders"), QStringLiteral("negcounts"),
                cap("negcounts", Text::tr("Negative orders")), false);
    return lines;
}

QStringList TSummary::minimalItems(const TRepData *group, qint64 &vatSum) const
{
    QStringList lines;
    const QList<Payform> pays = payforms(group);
    // the full summary's figures: one computation for every report
    const Figures f = figures(group, pays, false);
    if (isPrinted(QStringLiteral("insummary")))
        payformList(lines, pays, true, false);
    if (isPrinted(QStringLiteral("notsummary")))
        payformList(lines, pays, false, false);
    if (isPrinted(QStringLiteral("sumtip")))
        lines << amountLine(caption(QStringLiteral("sumtip"), Text::tr("Tip")), f.tip);
    if (isPrinted(QStringLiteral("credits")))
        lines << amountLine(caption(QStringLiteral("credits"), Text::tr("Credits")), f.credits);
    // all payforms - (non refund + credits + tip + not in summary)
    if (isPrinted(QStringLiteral("allamount")))
        lines << amountLine(caption(QStringLiteral("allamount"), Text::tr("All amount")),
                            f.allAmount);
    vatLines(lines, group, &vatSum);
    return lines;
}

} // namespace PosLib
