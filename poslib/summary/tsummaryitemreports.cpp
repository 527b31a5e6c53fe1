// The summary writer: the item reports (articles, families, voids, tables,
// hotel rooms, hours, orders, discounts, price findings), with or without
// a layout file.
//
// Choices made where the layout of a line is not fixed elsewhere:
// - Item reports and the control article lists: the sum line is the sum
//   of the exact amounts of the lines, rounded once, not the sum of the
//   rounded lines; so articles, hours, families and orders over the same
//   tables all end with the same total, the one the till shows. "Lost
//   money" of the discounts likewise. Hours are listed in the order of the
//   hour (0 to 23). The sum line of the minimal report is a caption line
//   like the lines above it and sums the rounded VAT of the printed rates,
//   as "Sum Net" does.
// - Price findings: a third line per leaf, "per pay" with subvention, paid
//   amount and their sum divided by the number of pays. The sums are
//   "Table undiscounted:" = subventions + amounts, "Table amount:" = the
//   amounts, "Table discount:" = the subventions, written like the
//   discount sums.
// - The currency text follows a discount's absolute size after one blank.

#include "tsummary.h"

#include "tcurrencies.h"
#include "tlinetext.h"
#include "trepdata.h"
#include "treportleaf.h"
#include "treportnode.h"
#include "treppaynodes.h"
#include "treptables.h"
#include "trepvoidleaves.h"
#include "tround.h"
#include "tsummarylines.h"
#include "tsummarytext.h"
#include "tsumparser.h"
#include "tvalue.h"

#include <algorithm>

using namespace Basics;

namespace PosLib {

using namespace SummaryText;

namespace {

// Cut to the width and filled to it. Names that are only aligned in a
// column (family groups, discounts, price findings, hotel waiters) are
// filled but never cut; a longer name pushes the rest of its line.
QString cut(const QString &text, int width)
{
    return text.left(width).leftJustified(width);
}

} // namespace

struct TSummary::LayoutItem
{
    QString name;
    double count = 0;
    qint64 amount = 0;
    qint64 number = 0; // the article's, family's … number
    qint64 price = -1; // articles: the price in cents the line was sold at
    bool severalPrices = false; // articles: the article has lines at other prices too
};

void TSummary::itemReport(int code, const TRepData *group, TSummaryLines &out) const
{
    QStringList list;
    QStringList sums;
    // the exact amounts of the lines, rounded once for the sum line, so
    // that every report over the same tables ends with the same total
    double exact = 0;
    qint64 vatSum = 0;
    const auto sum = [&exact] { return roundHalfUp(exact); };
    // the lines of the tables go out as they are made
    const qint64 before = out.count();
    switch (code) {
    case Articles:
    case Families:
    case Voids:
    case FamGroups:
    case Departments: {
        list = simpleItems(code, group, exact);
        QString text;
        if (code == Articles)
            text = caption(QStringLiteral("sumarticles"), Text::tr("Sum articles:"));
        else if (code == Families)
            text = caption(QStringLiteral("sumfamilies"), Text::tr("Sum families:"));
        else if (code == Voids)
            text = caption(QStringLiteral("sumvoids"), Text::tr("Sum voids:"));
        else if (code == FamGroups)
            text = caption(QStringLiteral("sumfamgroups"), Text::tr("Sum fam. groups:"));
        else
            text = caption(QStringLiteral("sumdepartments"), Text::tr("Sum Departnents:"));
        sums << itemLine(text, sum());
        break;
    }
    case VoidEntries:
        voidEntries(group, exact, out);
        sums << itemLine(caption(QStringLiteral("sumvoidentries"), Text::tr("Sum void entries:")),
                         sum());
        break;
    case Tables:
        tableItems(group, exact, out);
        sums << itemLine(caption(QStringLiteral("sumpayments"), Text::tr("Sum payments:")), sum());
        break;
    case HotelRooms:
        hotelItems(group, exact, out);
        sums << itemLine(caption(QStringLiteral("sumpayments"), Text::tr("Sum payments:")), sum());
        break;
    case Hours:
        list = hourItems(group, exact);
        sums << itemLine(caption(QStringLiteral("sumhours"), Text::tr("Amount")), sum());
        break;
    case Orders:
        list = orderItems(group, exact);
        sums << itemLine(caption(QStringLiteral("sumorders"), Text::tr("Sum orders:")), sum());
        break;
    case Minimal:
        list = minimalItems(group, vatSum);
        sums << amountLine(caption(QStringLiteral("sumnetsum"), Text::tr("Sum VATs")), vatSum);
        break;
    case Discounts:
        list = discountItems(group, sums);
        break;
    case PriceFindings:
        list = priceFindings(group, sums);
        break;
    default:
        break;
    }
    out.add(list);
    if (out.count() == before)
        return;
    const QString rule(out.lastSize(), QLatin1Char('-'));
    out.add(rule);
    out.add(sums);
    out.add({rule, QString()});
}

bool TSummary::layoutLines(const QString &layout, const QList<LayoutItem> &items,
                           QStringList &lines) const
{
    TSumParser parser(m_currencies, m_dataPath);
    if (!parser.setLayout(layout))
        return false;
    const bool articles = layout == QLatin1String("sumarticles.cfg");
    for (const LayoutItem &item : items) {
        parser.setString(QStringLiteral("name"), item.name);
        // the count as the lists print it ("   2", "1.500") and the number
        parser.setString(QStringLiteral("counttext"), countColumn(item.count).trimmed());
        parser.setString(QStringLiteral("number"), num(item.number));
        if (articles) {
            parser.setString(QStringLiteral("article"), item.name);
            // an article sold at several prices has a line per price: a
            // layout can say which, for example "{!severalprices}{price@p}{/if}"
            parser.setDouble(QStringLiteral("price"), double(item.price));
            parser.setString(QStringLiteral("severalprices"),
                             item.severalPrices ? QStringLiteral("yes") : QString());
        }
        parser.setDouble(QStringLiteral("count"), item.count);
        parser.setDouble(QStringLiteral("countsum"), double(item.amount));
        parser.runLines(lines);
    }
    return true;
}

QStringList TSummary::simpleItems(int code, const TRepData *group, double &sum) const
{
    QString node;
    QString layout;
    switch (code) {
    case Articles:
        node = QStringLiteral("articles");
        layout = QStringLiteral("sumarticles.cfg");
        break;
    case Families:
        node = QStringLiteral("families");
        layout = QStringLiteral("sumfamilies.cfg");
        break;
    case Voids:
        node = QStringLiteral("varticles");
        layout = QStringLiteral("sumvoids.cfg");
        break;
    case FamGroups:
        node = QStringLiteral("famgroups");
        layout = QStringLiteral("sumfamgroups.cfg");
        break;
    default:
        node = QStringLiteral("deps");
        layout = QStringLiteral("sumdepartments.cfg");
        break;
    }
    const TReportNode *n = group->node(node);
    if (!n)
        return {};

    QStringList lines;
    QList<LayoutItem> items;
    for (auto it = n->leaves().cbegin(); it != n->leaves().cend(); ++it) {
        const TReportLeaf *leaf = it.value();
        const qint64 amount = amountOf(leaf);
        sum += leaf->amount();
        QString name;
        qint64 number = 0;
        int numberWidth = 4;
        switch (code) {
        case Articles:
            name = articleText(leaf);
            number = it.key().section(QLatin1Char(':'), 0, 0).toLongLong();
            numberWidth = 5;
            break;
        case Families:
            name = leaf->getString(QStringLiteral("familyname"));
            number = leaf->has(QStringLiteral("family")) ? leaf->getLong(QStringLiteral("family"))
                                                         : it.key().toLongLong();
            break;
        case Voids:
            name = leaf->getString(QStringLiteral("article"));
            number = it.key().toLongLong();
            break;
        case FamGroups:
            name = leaf->getString(QStringLiteral("famgrpname"));
            number = leaf->has(QStringLiteral("famgroup"))
                             ? leaf->getLong(QStringLiteral("famgroup"))
                             : it.key().toLongLong();
            break;
        default:
            name = leaf->getString(QStringLiteral("depname"));
            number = leaf->has(QStringLiteral("department"))
                             ? leaf->getLong(QStringLiteral("department"))
                             : it.key().toLongLong();
            break;
        }
        name = oneLine(name);
        LayoutItem item {name, leaf->count(), amount, number, -1, false};
        if (code == Articles) {
            // "articles" keys: number, price, text
            item.price = it.key().section(QLatin1Char(':'), 1, 1).toLongLong();
            if (!items.isEmpty() && items.last().number == number
                && items.last().price != item.price) {
                item.severalPrices = true;
                items.last().severalPrices = true;
            }
        }
        items << item;

        QString text;
        if (code == FamGroups) {
            text = name.leftJustified(18) + QLatin1Char(' ') + num(number).rightJustified(4);
        } else {
            // "   2 Pizza Margher   101", or "1.500 Pizza Mar   101"
            const int width = partCount(leaf->count()) ? 9 : 13;
            const QString format
                    = code == Voids ? QStringLiteral("%1 %2 (%3)") : QStringLiteral("%1 %2 %3");
            text = format.arg(countColumn(leaf->count()), cut(name, width),
                              num(number).rightJustified(numberWidth));
        }
        lines << itemLine(text, amount);
    }
    QStringList laidOut;
    if (!items.isEmpty() && layoutLines(layout, items, laidOut))
        return laidOut;
    return lines;
}

void TSummary::voidEntries(const TRepData *group, double &sum, TSummaryLines &out) const
{
    const TReportNode *n = group->node(QStringLiteral("allvoids"));
    if (!n)
        return;
    // a layout lays out all items at once; else each void's lines go out as
    // they are made, one leaf at a time (a year's voids may be spooled)
    const QString layout = QStringLiteral("sumvoidentries.cfg");
    const bool laidOut = TSumParser(m_currencies, m_dataPath).setLayout(layout);
    QList<LayoutItem> items;
    n->visitLeaves([&](const QString &, const TReportLeaf &value) {
        const auto *leaf = static_cast<const TRepVoid *>(&value);
        const qint64 amount = amountOf(leaf);
        sum += leaf->amount();
        const QString article = oneLine(leaf->getString(QStringLiteral("article")));
        if (laidOut) {
            items << LayoutItem {article, leaf->count(), amount};
            return;
        }
        const QDate d = leaf->date();
        out.add(QStringLiteral("%1 %2 %3/%4")
                        .arg(QString::asprintf("%02d.%02d.%04d", d.day(), d.month(), d.year()),
                             leaf->time().toString(QStringLiteral("hh:mm:ss")),
                             leaf->getString(QStringLiteral("table")).rightJustified(5),
                             leaf->getString(QStringLiteral("party")).rightJustified(3)));
        out.add(itemLine(QStringLiteral("%1 %2 (%3)")
                                 .arg(num(roundHalfUp(leaf->count())).rightJustified(4),
                                      cut(article, 14),
                                      num(leaf->getLong(QStringLiteral("plu"))).rightJustified(4)),
                         amount));
        out.add(QStringLiteral("(%1: %2)")
                        .arg(leaf->getString(QStringLiteral("vwaiter")),
                             leaf->getString(QStringLiteral("vwaitername"))));
        const QString reason = oneLine(leaf->getString(QStringLiteral("reason")));
        if (!reason.isEmpty())
            out.add(reason);
    });
    QStringList lines;
    if (!items.isEmpty() && layoutLines(layout, items, lines))
        out.add(lines);
}

namespace {

// A pay of a table's line: the pay form's name, given - return, tip.
struct TablePay
{
    QString payform;
    qint64 net;
    qint64 tip;
};

// The pays of a table as the leaf's "pays" text lists them ("name:net:tip"
// joined by ";"), read back as the table report reads that text.
void paysOfText(const QString &text, std::vector<TablePay> &pays)
{
    const QStringList parts = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &pay : parts) {
        const QStringList f = pay.split(QLatin1Char(':'));
        pays.push_back({f.value(0), parseInteger(f.value(1)), parseInteger(f.value(2))});
    }
}

// True when a name would read back from the "pays" text as it is.
bool plainPayName(const QString &name)
{
    return !name.contains(QLatin1Char(';')) && !name.contains(QLatin1Char(':'));
}

} // namespace

void TSummary::tableItems(const TRepData *group, double &sum, TSummaryLines &out) const
{
    const auto *n = dynamic_cast<const TRepTables *>(group->node(QStringLiteral("tables")));
    if (!n)
        return;
    const QString currency = currencyText().leftJustified(3);
    // the currency's settings read once for the many lines
    const TPlainAmounts amounts = m_currencies ? m_currencies->plainAmounts() : TPlainAmounts();
    std::vector<TablePay> pays;
    TLineText line;
    TDayTexts days;
    const auto write = [&](const QDate &payDate, const QTime &payTime, const QString &table,
                           int party, double amount) {
        sum += amount;
        line.clear();
        line.appendRight(days.text(payDate), 8);
        line.append(u' ');
        line.appendTimeRight(payTime);
        line.append(QLatin1StringView("  "));
        line.appendRight(table, 5);
        line.append(u'/');
        if (party >= 0 && party <= 999)
            line.appendThreeDigits(party);
        else
            line.append(QString::asprintf("%03d", party));
        line.append(u' ');
        line.appendAmountRight(amounts, long(roundHalfUp(amount)), 8);
        line.append(u' ');
        line.append(currency);
        out.add(line.text());
        for (const TablePay &pay : pays) {
            line.clear();
            line.appendRight(QStringView(pay.payform).left(13), 13);
            line.append(QLatin1StringView(":(Tip "));
            line.appendAmountRight(amounts, long(pay.tip), 8);
            line.append(QLatin1StringView(") "));
            line.appendAmountRight(amounts, long(pay.net), 8);
            line.append(u' ');
            line.append(currency);
            out.add(line.text());
        }
    };
    // by the time of the pay that made the leaf, one table at a time
    n->visitLinesByTime(
            [&](const TRepTables::Line &table) {
                pays.clear();
                bool plain = true;
                for (const TRepTables::Line::Pay &pay : table.pays)
                    plain = plain && plainPayName(pay.payform);
                if (plain) {
                    for (const TRepTables::Line::Pay &pay : table.pays)
                        pays.push_back({pay.payform, pay.net, pay.tip});
                } else {
                    // as the leaf's text of its pays reads
                    QString text;
                    for (const TRepTables::Line::Pay &pay : table.pays) {
                        if (!text.isEmpty())
                            text += QLatin1Char(';');
                        text += pay.payform + QLatin1Char(':') + QString::number(pay.net)
                                + QLatin1Char(':') + QString::number(pay.tip);
                    }
                    paysOfText(text, pays);
                }
                write(table.payDate, table.payTime, table.table, int(parseInteger(table.party)),
                      table.amount);
            },
            [&](const TRepTable &leaf) {
                pays.clear();
                paysOfText(leaf.pays(), pays);
                write(leaf.payDate(), leaf.payTime(), leaf.getString(QStringLiteral("table")),
                      leaf.getInt(QStringLiteral("party")), leaf.amount());
            });
}

void TSummary::hotelItems(const TRepData *group, double &sum, TSummaryLines &out) const
{
    const auto *n = dynamic_cast<const TRepHotelRooms *>(group->node(QStringLiteral("hotrooms")));
    if (!n)
        return;
    const QString currency = currencyText().leftJustified(3);
    // by the time of the pay that made the leaf, one leaf at a time
    n->visitByTime([&](const TReportLeaf &leaf) {
        const qint64 amount = amountOf(&leaf);
        sum += leaf.amount();
        const QDate d = leaf.getDate(QStringLiteral("date"));
        const QTime t = leaf.getTime(QStringLiteral("time"));
        const QString date = d.toString(QStringLiteral("dd.MM.yy")).rightJustified(8);
        const QString time = t.toString(QStringLiteral("hh:mm:ss")).rightJustified(8);
        out.add(QStringLiteral("%1 %2  %3/%4 %5")
                        .arg(date, time, leaf.getString(QStringLiteral("table")),
                             leaf.getString(QStringLiteral("party")),
                             leaf.getString(QStringLiteral("billnum"))));
        out.add(QStringLiteral("  %1 %2 %3")
                        .arg(leaf.getString(QStringLiteral("waitername")).leftJustified(15),
                             amountText(amount).rightJustified(8), currency));
        QString room = leaf.getString(QStringLiteral("room"));
        if (room.isEmpty())
            room = leaf.getString(QStringLiteral("hotelacc"));
        out.add(room.rightJustified(5) + QLatin1Char(' ')
                + leaf.getString(QStringLiteral("hotelguest")));
    });
}

QStringList TSummary::hourItems(const TRepData *group, double &sum) const
{
    const TReportNode *n = group->node(QStringLiteral("hours"));
    if (!n)
        return {};
    QMap<int, const TReportLeaf *> byHour;
    for (auto it = n->leaves().cbegin(); it != n->leaves().cend(); ++it)
        byHour.insert(it.key().toInt(), it.value());
    QStringList lines;
    for (auto it = byHour.cbegin(); it != byHour.cend(); ++it) {
        const qint64 amount = amountOf(it.value());
        sum += it.value()->amount();
        const QString hour = num(it.key()).rightJustified(2);
        lines << itemLine(
                QStringLiteral("%1:00-%2:59 (%3)")
                        .arg(hour, hour, num(roundHalfUp(it.value()->count())).rightJustified(4)),
                amount);
    }
    return lines;
}

QStringList TSummary::orderItems(const TRepData *group, double &sum) const
{
    const TReportNode *n = group->node(QStringLiteral("orders"));
    if (!n)
        return {};
    QMap<qint64, const TReportLeaf *> byKey;
    for (auto it = n->leaves().cbegin(); it != n->leaves().cend(); ++it)
        byKey.insert(it.key().toLongLong(), it.value());
    QStringList lines;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        const TReportLeaf *leaf = it.value();
        const qint64 amount = amountOf(leaf);
        sum += leaf->amount();
        // 101003: article 101 paid with pay form 3
        lines << itemLine(QStringLiteral("%1 %2 %3/%4 (%5)")
                                  .arg(num(it.key() / 1000).rightJustified(5),
                                       num(it.key() % 1000).rightJustified(3),
                                       leaf->getString(QStringLiteral("table")).rightJustified(4),
                                       leaf->getString(QStringLiteral("party")).rightJustified(3),
                                       num(roundHalfUp(leaf->count()))),
                          amount);
    }
    return lines;
}

QStringList TSummary::discountItems(const TRepData *group, QStringList &sums) const
{
    const TReportNode *n = group->node(QStringLiteral("discounts"));
    if (!n || n->leaves().isEmpty())
        return {};
    QStringList lines;
    const QString currency = currencyText();
    double lost = 0;
    for (const TReportLeaf *leaf : n->leaves()) {
        const QString absolute = leaf->getString(QStringLiteral("discabs"));
        const bool isAbsolute = parseBoolean(absolute) || parseDecimal(absolute) != 0;
        const double rate = leaf->getDouble(QStringLiteral("discrate"));
        const QString size
                = isAbsolute ? amountText(roundHalfUp(rate)).rightJustified(6) + QLatin1Char(' ')
                                       + currency
                             : QString::asprintf("%2d", int(roundHalfUp(rate))) + QLatin1Char('%');
        lines << QStringLiteral("%1 x %2 (%3)")
                                 .arg(num(roundHalfUp(leaf->count())).rightJustified(3),
                                      leaf->getString(QStringLiteral("discid")).rightJustified(3),
                                      leaf->getString(QStringLiteral("discname")).leftJustified(15))
                         + size;
        const double exactDiscount = leaf->getDouble(QStringLiteral("discount"));
        const qint64 discount = roundHalfUp(exactDiscount);
        const qint64 amount = amountOf(leaf);
        lost += exactDiscount;
        lines << QStringLiteral("         %1 %2 %3 %4")
                         .arg(amountText(discount).rightJustified(8),
                              amountText(amount).rightJustified(8),
                              amountText(discount + amount).rightJustified(8), currency);
    }
    const TReportLeaf *total = n->total();
    const qint64 discounted = total ? amountOf(total) : 0;
    const qint64 lostMoney = roundHalfUp(lost);
    sums << itemLine(caption(QStringLiteral("discorderamount"), Text::tr("Order amount:")),
                     discounted + lostMoney);
    sums << itemLine(caption(QStringLiteral("discounted"), Text::tr("Discounted:")), discounted);
    sums << itemLine(caption(QStringLiteral("lostmoney"), Text::tr("Lost money:")), lostMoney);
    return lines;
}

QStringList TSummary::priceFindings(const TRepData *group, QStringList &sums) const
{
    const TReportNode *n = group->node(QStringLiteral("subvents"));
    if (!n || n->leaves().isEmpty())
        return {};
    QList<std::pair<QString, const TReportLeaf *>> sorted;
    for (const TReportLeaf *leaf : n->leaves())
        sorted.append({QString::asprintf("%04d%04d", leaf->getInt(QStringLiteral("payform")),
                                         leaf->getInt(QStringLiteral("subvid"))),
                       leaf});
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });

    QStringList lines;
    const QString currency = currencyText();
    qint64 sumSubvention = 0;
    qint64 sumAmount = 0;
    for (const auto &entry : sorted) {
        const TReportLeaf *leaf = entry.second;
        const qint64 count = roundHalfUp(leaf->count());
        const qint64 subvention = leaf->getLong(QStringLiteral("subvamount"));
        const qint64 amount = amountOf(leaf);
        sumSubvention += subvention;
        sumAmount += amount;
        lines << QStringLiteral("* %1) %2 (%3)")
                         .arg(leaf->getString(QStringLiteral("payform")).rightJustified(4),
                              leaf->getString(QStringLiteral("payformname")).leftJustified(20),
                              num(count).rightJustified(4));
        auto figures = [&](const QString &label, qint64 s, qint64 a) {
            return QStringLiteral("%1: %2 %3 %4 %5")
                    .arg(label.leftJustified(14), amountText(s).rightJustified(7),
                         amountText(a).rightJustified(7), amountText(s + a).rightJustified(7),
                         currency);
        };
        lines << figures(leaf->getString(QStringLiteral("subvname")), subvention, amount);
        if (count > 0)
            lines << figures(Text::tr("per pay"), roundHalfUp(double(subvention) / double(count)),
                             roundHalfUp(double(amount) / double(count)));
    }
    sums << itemLine(caption(QStringLiteral("subundiscount"), Text::tr("Table undiscounted:")),
                     sumSubvention + sumAmount);
    sums << itemLine(caption(QStringLiteral("subamount"), Text::tr("Table amount:")), sumAmount);
    sums << itemLine(caption(QStringLiteral("subdiscount"), Text::tr("Table discount:")),
                     sumSubvention);
    return lines;
}

} // namespace PosLib
