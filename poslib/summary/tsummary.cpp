// The summary writer.
//
// Choices made where the layout of a line is not fixed elsewhere:
// - Section titles are the caption itself (not cut or dot-filled), underlined
//   with '=' of the same length: "In summary" over "==========".
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
// - The header's time is "hh:mm". A report whose groups give no line at all
//   is empty (no header), so the caller can say that there is no data.
// - The currency text follows a discount's absolute size after one blank.

#include "tsummary.h"

#include "tcounter.h"
#include "tcurrencies.h"
#include "tdir.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "trepdata.h"
#include "treport.h"
#include "treportleaf.h"
#include "treportnode.h"
#include "tround.h"
#include "tsettings.h"
#include "tsumfilter.h"
#include "tsummarylines.h"
#include "tsumparser.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

using namespace Basics;

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TSummary".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TSummary)
};

const QString Settings = QStringLiteral("Settings");
const QString Reports = QStringLiteral("reports");
const QString NoPrint = QStringLiteral("NoPrint");

// Replaces %1 … %9 by the arguments; placeholders without an argument and
// the arguments' own text stay as they are.
QString fill(const QString &text, const QStringList &args)
{
    QString out;
    out.reserve(text.size() + 16);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size()) {
            const int n = text.at(i + 1).digitValue();
            if (n >= 1 && n <= args.size()) {
                out += args.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString num(qint64 value)
{
    return QString::number(value);
}

// True when the count has a fractional part (to a thousandth).
bool partCount(double count)
{
    return roundHalfUp(count * 1000.0) != roundHalfUp(count) * 1000;
}

// "   2" or "1.500".
QString countColumn(double count)
{
    if (partCount(count))
        return QString::asprintf("%4.3f", count);
    return num(roundHalfUp(count)).rightJustified(4);
}

QString countPlain(double count)
{
    if (partCount(count))
        return QString::asprintf("%.3f", count);
    return num(roundHalfUp(count));
}

// Cut to the width and filled to it. Names that are only aligned in a
// column (family groups, discounts, price findings, hotel waiters) are
// filled but never cut; a longer name pushes the rest of its line.
QString cut(const QString &text, int width)
{
    return text.left(width).leftJustified(width);
}

QString oneLine(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QStringList dateArgs(const QDate &date)
{
    return {QLocale().dayName(date.dayOfWeek(), QLocale::LongFormat), num(date.day()),
            num(date.month()), num(date.year())};
}

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

// The rounded amount of a leaf.
qint64 amountOf(const TReportLeaf *leaf)
{
    return roundHalfUp(leaf->amount());
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

struct TSummary::LayoutItem
{
    QString name;
    double count = 0;
    qint64 amount = 0;
    qint64 number = 0; // the article's, family's … number
    qint64 price = -1; // articles: the price in cents the line was sold at
    bool severalPrices = false; // articles: the article has lines at other prices too
};

TSummary::TSummary(TReport *report, TCurrencies *currencies, TValueList *waiters,
                   const QString &dataPath, QObject *parent)
    : QObject(parent)
    , m_report(report)
    , m_currencies(currencies)
    , m_waiters(waiters)
    , m_dataPath(normalizeDir(dataPath, false))
{
    try {
        m_ini = std::make_unique<TInifile>(reportsIniPath(m_dataPath));
    } catch (const TError &) {
        m_ini.reset(); // an unreadable file gives the defaults
    }
    if (m_ini) {
        m_fillTo
                = int(std::max<qint64>(10, m_ini->readInt(Settings, QStringLiteral("fillto"), 25)));
        m_pageWidth = int(m_ini->readInt(Settings, QStringLiteral("pagewidth"), 40));
        m_masterOwnTabs = m_ini->readBool(Settings, QStringLiteral("MasterOwnTabs"), true);
        m_useShortText = m_ini->readBool(Settings, QStringLiteral("useshorttext"), false);
        m_noCurrency = m_ini->readBool(Settings, QStringLiteral("nocurrency"), false);
        m_showPercent = m_ini->readBool(Settings, QStringLiteral("showpercent"), true);
        m_gastroDay = int(m_ini->readInt(Settings, QStringLiteral("gastroday"), 500));
        m_debug = m_ini->readBool(Reports, QStringLiteral("debug"), false);
        m_shortForm = m_ini->readBool(Reports, QStringLiteral("shortform"), false);
    }
    m_settings = std::make_unique<TSettings>();
    try {
        m_settings->load(m_dataPath.toLocal8Bit().constData());
    } catch (const TError &) {
        m_settings->clear(); // no installation name then
    }
}

TSummary::~TSummary() = default;

void TSummary::setRange(const QDate &from, const QDate &to)
{
    m_from = from;
    m_to = to;
}

// ---- options and primitives -------------------------------------------------

QString TSummary::caption(const QString &key, const QString &defaultText) const
{
    return m_ini ? m_ini->readString(Reports, key, defaultText) : defaultText;
}

QString TSummary::caption(const QString &key, const QString &defaultText,
                          const QStringList &args) const
{
    return fill(caption(key, defaultText), args);
}

QString TSummary::rangeText(const QDate &from, const QDate &to) const
{
    QString text = fill(caption(QStringLiteral("headerfrom"), Text::tr("%1, %2.%3.%4")),
                        dateArgs(from));
    if (to.isValid())
        text += fill(caption(QStringLiteral("headerto"), Text::tr(" - %1, %2.%3.%4")), dateArgs(to));
    return text;
}

bool TSummary::isPrinted(const QString &key) const
{
    return !(m_ini && m_ini->readBool(NoPrint, QStringLiteral("no") + key, false));
}

QDateTime TSummary::clock() const
{
    return m_now.isValid() ? m_now : QDateTime::currentDateTime();
}

QString TSummary::installationName() const
{
    return m_settings->installationName();
}

QDate TSummary::businessDate() const
{
    // "gastroday" 500 at 04:59 is still yesterday; 2400 and more go back
    // whole days
    const QDateTime now = clock();
    const int value = std::max(0, m_gastroDay);
    QDate day = now.date().addDays(-(value / 2400));
    const int rest = value % 2400;
    const QTime start(rest / 100 % 24, rest % 100 % 60);
    if (now.time() < start)
        day = day.addDays(-1);
    return day;
}

QString TSummary::amountText(qint64 cents, const TCurrency *currency) const
{
    if (!m_currencies)
        return num(cents);
    return m_currencies->format(long(cents), currency, false, false);
}

QString TSummary::currencyText(const TCurrency *currency) const
{
    if (m_noCurrency || !m_currencies)
        return QString();
    if (!currency)
        currency = m_currencies->systemCurrency();
    return currency ? currency->shortname().left(3) : QString();
}

QString TSummary::countLine(const QString &caption, qint64 count) const
{
    return caption.left(m_fillTo).leftJustified(m_fillTo, QLatin1Char('.')) + QStringLiteral(": ")
           + num(count);
}

QString TSummary::amountLine(const QString &caption, qint64 cents) const
{
    return caption.left(m_fillTo).leftJustified(m_fillTo, QLatin1Char('.'))
           + QStringLiteral(": %1 %2").arg(amountText(cents), currencyText());
}

QString TSummary::itemLine(const QString &text, qint64 cents) const
{
    return text.leftJustified(m_fillTo) + QStringLiteral("  ") + amountText(cents).rightJustified(8)
           + QLatin1Char(' ') + currencyText().leftJustified(3);
}

QStringList TSummary::sectionTitle(const QString &caption) const
{
    return {caption, QString(caption.size(), QLatin1Char('='))};
}

long TSummary::zCounter(const QDate &day) const
{
    try {
        TCounter counter(statistDayDir(day, m_dataPath), QStringLiteral("zcount.dat"));
        return counter.get(QStringLiteral("z"));
    } catch (const TError &) {
        return 0; // an unreadable counter shows as 0 rather than a made-up number
    }
}

// ---- header ---------------------------------------------------------------

QStringList TSummary::headerLines(const QString &title) const
{
    return headerLines(title, m_from, m_to);
}

QStringList TSummary::headerLines(const QString &title, const QDate &from, const QDate &to) const
{
    QStringList lines;
    const QString name = m_settings->installationName();
    if (!name.isEmpty())
        lines << fill(caption(QStringLiteral("installationname"), Text::tr("Summary for: %1")),
                      {name});
    lines << title;

    const QDateTime now = clock();
    const QDate business = businessDate();
    if (from.isValid()) {
        QString line;
        if (m_fiscal && !to.isValid())
            line = fill(
                    caption(QStringLiteral("headerfiscal"), Text::tr("Fiscal Summary %1 from ")),
                    {num(zCounter(from))});
        else
            line = caption(QStringLiteral("headerhistory"), Text::tr("History Summary from "));
        line += QLatin1Char(' ')
                + fill(caption(QStringLiteral("headerfrom"), Text::tr("%1, %2.%3.%4")),
                       dateArgs(from));
        if (to.isValid())
            line += fill(caption(QStringLiteral("headerto"), Text::tr(" - %1, %2.%3.%4")),
                         dateArgs(to));
        lines << line;
    } else if (m_turnover != 0) {
        if (isPrinted(QStringLiteral("headerturn")))
            lines << fill(caption(QStringLiteral("headerturn"),
                                  Text::tr("Day turnover %1 from %2, %3.%4.%5")),
                          QStringList(num(m_turnover)) + dateArgs(business));
    } else if (isPrinted(QStringLiteral("headeractual"))) {
        lines << fill(caption(QStringLiteral("headeractual"),
                              Text::tr("Actual Shift Summary from %1, %2.%3.%4")),
                      dateArgs(business));
    }
    if (isPrinted(QStringLiteral("header")))
        lines << fill(caption(QStringLiteral("header"), Text::tr("Printed %1, %2.%3.%4 at %5")),
                      dateArgs(now.date()) << now.time().toString(QStringLiteral("hh:mm")));
    if (m_headerWaiter)
        lines << fill(caption(QStringLiteral("header2"), Text::tr("From waiter %1")),
                      {m_headerWaiter->name()});
    if (m_report && m_report->filter())
        lines << fill(caption(QStringLiteral("headerfilter"), Text::tr("Using filter %1")),
                      {m_report->filter()->name()});
    if (m_report && !m_report->outletName().isEmpty())
        lines << fill(caption(QStringLiteral("headeroutlet"), Text::tr("On outlet %1")),
                      {m_report->outletName()});
    lines << QString();
    return lines;
}

// ---- reports over groups ----------------------------------------------------

QStringList TSummary::waiterReport(int code, const QString &title, bool overAll)
{
    return runReport(code, title, overAll, false);
}

QStringList TSummary::centerReport(int code, const QString &title)
{
    return runReport(code, title, false, true);
}

QStringList TSummary::runReport(int code, const QString &title, bool overAll, bool centers)
{
    TSummaryLines out(&m_lineSink);
    runReport(code, title, overAll, centers, out);
    m_sunkLines += m_lineSink ? out.count() : 0;
    return out.take();
}

void TSummary::runReport(int code, const QString &title, bool overAll, bool centers,
                         TSummaryLines &out)
{
    if (!m_report || code < Articles || code > HotelRooms)
        return;
    // an empty body still gets its header: the reader sees what was
    // asked for and that nothing matched
    if (!m_from.isValid() || m_period <= 0) {
        runPeriod(code, title, overAll, centers, m_from, m_to, out);
        return;
    }
    // periods of n days; the last one ends with the range
    const QDate last = m_to.isValid() ? m_to : m_from;
    for (QDate start = m_from; start <= last; start = start.addDays(m_period)) {
        if (m_report->isStopped())
            break;
        const QDate end = std::min(start.addDays(m_period - 1), last);
        if (!out.isEmpty())
            out.add({QString(m_pageWidth, QLatin1Char('*')), QString()});
        runPeriod(code, title, overAll, centers, start, m_to.isValid() ? end : QDate(), out);
    }
}

void TSummary::runPeriod(int code, const QString &title, bool overAll, bool centers,
                         const QDate &from, const QDate &to, TSummaryLines &out)
{
    const QDate last = to.isValid() ? to : from;
    // a leaf per pay and void only when something reads them
    const bool records = (m_groupsSink && m_sinkReadsRecords) || readsRecords(code);
    const bool cashRecords = (m_groupsSink && m_sinkReadsCashRecords) || readsCashRecords(code);
    if (centers) {
        TRepCenters groups(m_report->reportWaiter(), m_dataPath);
        groups.setKeepRecords(records);
        // other outputs read everything, unless they say otherwise
        if (!m_groupsSink || m_sinkReadsPrintedOnly)
            groups.setScope(scopeOf(code, printedGroups(true, false)));
        // printed, never written as a day aggregate
        groups.setKeepDayNotes(false);
        groups.setKeepCashRecords(cashRecords);
        if (from.isValid())
            m_report->runRange(nullptr, &groups, from, last);
        else
            m_report->runDay(nullptr, &groups, m_report->reportDate());
        // a stopped run is thrown away: no time spent on its lines
        if (m_report->isStopped())
            return;
        out.add(headerLines(title, from, to));
        centerLines(&groups, code, out);
        if (m_groupsSink)
            m_groupsSink(from, to, groups);
    } else {
        TRepWaiters groups(m_report->reportWaiter(), m_dataPath);
        groups.setKeepRecords(records);
        if (!m_groupsSink || m_sinkReadsPrintedOnly)
            groups.setScope(scopeOf(code, printedGroups(false, overAll)));
        groups.setKeepDayNotes(false);
        groups.setKeepCashRecords(cashRecords);
        if (from.isValid())
            m_report->runRange(&groups, nullptr, from, last);
        else
            m_report->runDay(&groups, nullptr, m_report->reportDate());
        if (m_report->isStopped())
            return;
        out.add(headerLines(title, from, to));
        waiterLines(&groups, code, overAll, out);
        if (m_groupsSink)
            m_groupsSink(from, to, groups);
    }
}

int TSummary::printedGroups(bool centers, bool overAll)
{
    if (centers)
        return TRepScope::AllGroups;
    return overAll ? TRepScope::OverallOnly : TRepScope::GroupsOnly;
}

TRepScope TSummary::scopeOf(int code, int groups)
{
    QStringList nodes;
    switch (code) {
    case WaiterSummary:
    case CenterSummary:
    case Minimal:
        // every void, pay, cash and balance node; of the order nodes those
        // printed and "articles", which takes every order
        nodes = QStringList {QStringLiteral("articles"),   QStringLiteral("negorders"),
                             QStringLiteral("vatrates"),   QStringLiteral("voids"),
                             QStringLiteral("varticles"),  QStringLiteral("allvoids"),
                             QStringLiteral("pays"),       QStringLiteral("tables"),
                             QStringLiteral("payforms"),   QStringLiteral("subvents"),
                             QStringLiteral("currencies"), QStringLiteral("currreturns"),
                             QStringLiteral("hotrooms"),   QStringLiteral("cashins"),
                             QStringLiteral("cashouts"),   QStringLiteral("balances")};
        break;
    case Articles:
        nodes << QStringLiteral("articles");
        break;
    case Families:
        nodes << QStringLiteral("families");
        break;
    case Voids:
        nodes << QStringLiteral("varticles");
        break;
    case Tables:
        nodes << QStringLiteral("tables");
        break;
    case VoidEntries:
        nodes << QStringLiteral("allvoids");
        break;
    case Hours:
        nodes << QStringLiteral("hours");
        break;
    case Orders:
        nodes << QStringLiteral("orders");
        break;
    case FamGroups:
        nodes << QStringLiteral("famgroups");
        break;
    case Departments:
        nodes << QStringLiteral("deps");
        break;
    case Discounts:
        nodes << QStringLiteral("discounts");
        break;
    case PriceFindings:
        nodes << QStringLiteral("subvents");
        break;
    case HotelRooms:
        nodes << QStringLiteral("hotrooms");
        break;
    default:
        return TRepScope();
    }
    return TRepScope(nodes, TRepScope::Groups(groups));
}

bool TSummary::readsRecords(int code)
{
    return code == Tables || code == VoidEntries || code == HotelRooms;
}

bool TSummary::readsCashRecords(int code)
{
    return code == WaiterSummary || code == CenterSummary;
}

QStringList TSummary::groupTitle(const QString &title, const QString *descr) const
{
    const QString rule(title.size(), QLatin1Char('='));
    QStringList lines {rule, title};
    if (descr)
        lines << *descr;
    lines << rule << QString();
    return lines;
}

void TSummary::groupSection(const QString &title, const QString *descr, int code,
                            const TRepData *group, bool currentData, TSummaryLines &out) const
{
    // the title only over a body that gives lines
    out.hold(groupTitle(title, descr));
    writeBody(code, group, currentData, out);
    out.drop();
}

QString TSummary::waiterName(const TRepData *group, int number) const
{
    QString name = group->getString(QStringLiteral("waitername"));
    if (name.isEmpty() && m_waiters) {
        if (const TValue *waiter = m_waiters->find(number))
            name = waiter->name();
    }
    return name;
}

QStringList TSummary::waiterLines(const TRepWaiters *waiters, int code, bool overAll) const
{
    TSummaryLines out;
    waiterLines(waiters, code, overAll, out);
    return out.take();
}

void TSummary::waiterLines(const TRepWaiters *waiters, int code, bool overAll,
                           TSummaryLines &out) const
{
    if (!waiters)
        return;
    const bool current = !m_from.isValid();
    if (overAll) {
        writeBody(code, waiters->overall(), current, out);
        return;
    }
    for (int number = 1; number <= waiters->highest(); ++number) {
        const TRepData *group = waiters->group(num(number));
        if (!hasData(group))
            continue;
        const QString title = fill(caption(QStringLiteral("waiters"), Text::tr("Waiter #%1 - %2")),
                                   {num(number), waiterName(group, number)});
        const QString descr = group->getString(QStringLiteral("descr"));
        const QString line
                = descr.isEmpty()
                          ? QString()
                          : fill(caption(QStringLiteral("waiterdescr"), Text::tr("(%1)")), {descr});
        groupSection(title, &line, code, group, current, out);
    }
}

QStringList TSummary::centerLines(const TRepCenters *centers, int code) const
{
    TSummaryLines out;
    centerLines(centers, code, out);
    return out.take();
}

void TSummary::centerLines(const TRepCenters *centers, int code, TSummaryLines &out) const
{
    if (!centers)
        return;
    const bool current = !m_from.isValid();
    for (int number = 1; number <= centers->highest(); ++number) {
        const TRepData *group = centers->group(num(number));
        if (!hasData(group))
            continue;
        const QString title
                = fill(caption(QStringLiteral("centers"), Text::tr("Cost center #%1 - %2")),
                       {num(number), group->getString(QStringLiteral("centername"))});
        groupSection(title, nullptr, code, group, current, out);
    }
    // entries booked without a cost center
    groupSection(caption(QStringLiteral("center0"), Text::tr("Cost center 0")), nullptr, code,
                 centers->overall(), current, out);
}

bool TSummary::hasData(const TRepData *group)
{
    if (!group)
        return false;
    if (group->getLong(QStringLiteral("tablecount")) != 0)
        return true;
    for (const TRepData::Nodes *nodes :
         {&group->orderNodes(), &group->voidNodes(), &group->payNodes(), &group->cashNodes(),
          &group->balanceNodes()}) {
        for (const TReportNode *node : *nodes) {
            if (node->count() > 0 || (node->total() && node->total()->count() != 0))
                return true;
        }
    }
    return false;
}

QStringList TSummary::body(int code, const TRepData *group, bool currentData) const
{
    TSummaryLines out;
    writeBody(code, group, currentData, out);
    return out.take();
}

bool TSummary::hasBody(int code, const TRepData *group, bool currentData) const
{
    // the table report lists every table: no need to make its lines to
    // know whether there are any
    if (code == Tables && hasData(group)) {
        const TReportNode *n = group->node(QStringLiteral("tables"));
        return n && n->keepsRecords() && n->count() > 0;
    }
    return !body(code, group, currentData).isEmpty();
}

void TSummary::writeBody(int code, const TRepData *group, bool currentData,
                         TSummaryLines &out) const
{
    if (!hasData(group))
        return;
    switch (code) {
    case WaiterSummary:
    case CenterSummary:
        out.add(fullSummary(group, currentData));
        return;
    case Articles:
    case Families:
    case Voids:
    case Tables:
    case VoidEntries:
    case Hours:
    case Orders:
    case FamGroups:
    case Departments:
    case Minimal:
    case Discounts:
    case PriceFindings:
    case HotelRooms:
        itemReport(code, group, out);
        return;
    default:
        return;
    }
}

// ---- full summary ---------------------------------------------------------

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
            = dynamic_cast<const TRepRecordNode *>(group->node(QStringLiteral("balances")));
    if (!balances || !balances->keepsRecords() || balances->count() == 0)
        return;
    lines += sectionTitle(caption(QStringLiteral("balancing"), Text::tr("Balancing")));
    balances->visitRecords([&](int, const TReportLeaf &record) {
        const TReportLeaf *leaf = &record;
        QString kind = Text::tr("Waiter");
        QString number = leaf->getString(QStringLiteral("waiter"));
        QString name = leaf->getString(QStringLiteral("waitername"));
        if (leaf->getBool(QStringLiteral("ccdterminal"))) {
            kind = Text::tr("Terminal");
            number = leaf->getString(QStringLiteral("terminal"));
            name = leaf->getString(QStringLiteral("termname"));
        } else if (leaf->getBool(QStringLiteral("ccdcostcenter"))) {
            kind = Text::tr("Cost center");
            number = leaf->getString(QStringLiteral("center"));
            name = leaf->getString(QStringLiteral("centername"));
        }
        lines << QStringLiteral("%1 %2 %3").arg(kind, number, name);
        lines << QStringLiteral("I: %1    S: %2    D: %3")
                         .arg(amountText(leaf->getLong(QStringLiteral("ccdamount"))),
                              amountText(leaf->getLong(QStringLiteral("ccdbalance"))),
                              amountText(leaf->getLong(QStringLiteral("ccddifferences"))));
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

// ---- item reports ---------------------------------------------------------

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
        list = voidEntries(group, exact);
        sums << itemLine(caption(QStringLiteral("sumvoidentries"), Text::tr("Sum void entries:")),
                         sum());
        break;
    case Tables:
        tableItems(group, exact, out);
        sums << itemLine(caption(QStringLiteral("sumpayments"), Text::tr("Sum payments:")), sum());
        break;
    case HotelRooms:
        list = hotelItems(group, exact);
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
    const QString rule(out.last().size(), QLatin1Char('-'));
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

QStringList TSummary::voidEntries(const TRepData *group, double &sum) const
{
    const TReportNode *n = group->node(QStringLiteral("allvoids"));
    if (!n)
        return {};
    QStringList lines;
    QList<LayoutItem> items;
    for (const TReportLeaf *value : n->leaves()) {
        const auto *leaf = static_cast<const TRepVoid *>(value);
        const qint64 amount = amountOf(leaf);
        sum += leaf->amount();
        const QString article = oneLine(leaf->getString(QStringLiteral("article")));
        items << LayoutItem {article, leaf->count(), amount};

        const QDate d = leaf->date();
        lines << QStringLiteral("%1 %2 %3/%4")
                         .arg(QString::asprintf("%02d.%02d.%04d", d.day(), d.month(), d.year()),
                              leaf->time().toString(QStringLiteral("hh:mm:ss")),
                              leaf->getString(QStringLiteral("table")).rightJustified(5),
                              leaf->getString(QStringLiteral("party")).rightJustified(3));
        lines << itemLine(QStringLiteral("%1 %2 (%3)")
                                  .arg(num(roundHalfUp(leaf->count())).rightJustified(4),
                                       cut(article, 14),
                                       num(leaf->getLong(QStringLiteral("plu"))).rightJustified(4)),
                          amount);
        lines << QStringLiteral("(%1: %2)")
                         .arg(leaf->getString(QStringLiteral("vwaiter")),
                              leaf->getString(QStringLiteral("vwaitername")));
        const QString reason = oneLine(leaf->getString(QStringLiteral("reason")));
        if (!reason.isEmpty())
            lines << reason;
    }
    QStringList laidOut;
    if (!items.isEmpty() && layoutLines(QStringLiteral("sumvoidentries.cfg"), items, laidOut))
        return laidOut;
    return lines;
}

void TSummary::tableItems(const TRepData *group, double &sum, TSummaryLines &out) const
{
    const auto *n = dynamic_cast<const TRepTables *>(group->node(QStringLiteral("tables")));
    if (!n)
        return;
    const QString currency = currencyText().leftJustified(3);
    // by the time of the pay that made the leaf, one leaf at a time
    n->visitByTime([&](const TRepTable &leaf) {
        const qint64 amount = amountOf(&leaf);
        sum += leaf.amount();
        const QString date = leaf.payDate().toString(QStringLiteral("dd.MM.yy")).rightJustified(8);
        const QString time = leaf.payTime().toString(QStringLiteral("hh:mm:ss")).rightJustified(8);
        out.add(QStringLiteral("%1 %2  %3/%4 %5 %6")
                        .arg(date, time, leaf.getString(QStringLiteral("table")).rightJustified(5),
                             QString::asprintf("%03d", leaf.getInt(QStringLiteral("party"))),
                             amountText(amount).rightJustified(8), currency));
        const QStringList pays = leaf.pays().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &pay : pays) {
            const QStringList f = pay.split(QLatin1Char(':'));
            out.add(QStringLiteral("%1:(Tip %2) %3 %4")
                            .arg(f.value(0).left(13).rightJustified(13),
                                 amountText(parseInteger(f.value(2))).rightJustified(8),
                                 amountText(parseInteger(f.value(1))).rightJustified(8), currency));
        }
    });
}

QStringList TSummary::hotelItems(const TRepData *group, double &sum) const
{
    const TReportNode *n = group->node(QStringLiteral("hotrooms"));
    if (!n)
        return {};
    // by the time of the pay that made the leaf; the running number keeps
    // equal times apart
    QList<std::pair<QString, const TReportLeaf *>> sorted;
    long running = 0;
    for (const TReportLeaf *leaf : n->leaves()) {
        const QDate d = leaf->getDate(QStringLiteral("date"));
        const QTime t = leaf->getTime(QStringLiteral("time"));
        const QString key = QString::asprintf("%04d%02d%02d%02d%02d%02d%08ld", d.year(), d.month(),
                                              d.day(), t.hour(), t.minute(), t.second(), ++running);
        sorted.append({key, leaf});
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });

    QStringList lines;
    const QString currency = currencyText().leftJustified(3);
    for (const auto &entry : sorted) {
        const TReportLeaf *leaf = entry.second;
        const qint64 amount = amountOf(leaf);
        sum += leaf->amount();
        const QDate d = leaf->getDate(QStringLiteral("date"));
        const QTime t = leaf->getTime(QStringLiteral("time"));
        const QString date = d.toString(QStringLiteral("dd.MM.yy")).rightJustified(8);
        const QString time = t.toString(QStringLiteral("hh:mm:ss")).rightJustified(8);
        lines << QStringLiteral("%1 %2  %3/%4 %5")
                         .arg(date, time, leaf->getString(QStringLiteral("table")),
                              leaf->getString(QStringLiteral("party")),
                              leaf->getString(QStringLiteral("billnum")));
        lines << QStringLiteral("  %1 %2 %3")
                         .arg(leaf->getString(QStringLiteral("waitername")).leftJustified(15),
                              amountText(amount).rightJustified(8), currency);
        QString room = leaf->getString(QStringLiteral("room"));
        if (room.isEmpty())
            room = leaf->getString(QStringLiteral("hotelacc"));
        lines << room.rightJustified(5) + QLatin1Char(' ')
                         + leaf->getString(QStringLiteral("hotelguest"));
    }
    return lines;
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
