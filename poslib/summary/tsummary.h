#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace Basics {
class TInifile;
class TValue;
class TValueList;
} // namespace Basics

namespace PosLib {

class TCurrencies;
class TCurrency;
class TRepCenters;
class TRepData;
class TRepDatas;
class TReport;
class TReportLeaf;
class TRepScope;
class TRepWaiters;
class TSettings;
class TSummaryLines;

// Turns the report data tree into the printed summary: fixed-width text
// lines with a header, one section per waiter or cost center (or one over
// all) and the lines of one report code in each. Captions, section
// switches and options come from "etc/reports.ini" under the data path;
// item lists may be laid out by the layouts of "etc/layout".
//
// Usual use: construct over a prepared generator, set the range (and the
// period, header waiter, turnover number where needed), then call
// waiterReport() or centerReport(). The writer runs the generator itself.
class TSummary : public QObject
{
    Q_OBJECT
public:
    // The report codes (the body written for each group).
    enum Code {
        Articles = 0,
        Families = 1,
        WaiterSummary = 2,
        CenterSummary = 3,
        Voids = 4,
        Tables = 5,
        VoidEntries = 6,
        Hours = 7,
        Orders = 8,
        FamGroups = 9,
        Departments = 10,
        Minimal = 11,
        Discounts = 12,
        PriceFindings = 13,
        HotelRooms = 14,
    };

    // None of the pointers is owned; `currencies` and `waiters` may be
    // null. `dataPath` is the installation's data path (with or without a
    // trailing separator). Reads "etc/reports.ini" and the installation
    // settings once; a missing or unreadable file gives the defaults.
    TSummary(TReport *report, TCurrencies *currencies, Basics::TValueList *waiters,
             const QString &dataPath, QObject *parent = nullptr);
    ~TSummary() override;

    // An invalid from date means the current, not yet closed data; a from
    // date without a to date reads that one day.
    void setRange(const QDate &from, const QDate &to);
    QDate from() const { return m_from; }
    QDate to() const { return m_to; }
    // Days per period; 0 writes the whole range at once.
    void setPeriod(int days) { m_period = days; }
    int period() const { return m_period; }
    // The waiter named by the "From waiter" header line; not owned.
    void setHeaderWaiter(Basics::TValue *waiter) { m_headerWaiter = waiter; }
    // The number of the day turnover whose header is written; 0 none.
    void setTurnoverNumber(int number) { m_turnover = number; }
    // A fiscal batch run: a from date without a to date gives the fiscal
    // header with the day's Z counter.
    void setFiscal(bool fiscal) { m_fiscal = fiscal; }
    bool isFiscal() const { return m_fiscal; }
    // Fixes the clock of the header and of the business date; an invalid
    // value means the current time.
    void setNow(const QDateTime &now) { m_now = now; }
    // The writer's clock: the fixed time, else the current one.
    QDateTime clock() const;
    // The installation's name from its settings; empty when unnamed.
    QString installationName() const;
    const TCurrencies *currencies() const { return m_currencies; }
    const TReport *report() const { return m_report; }

    // Called with the filled groups of each period (or of the current
    // data) that waiterReport() or centerReport() writes, before they are
    // released: other outputs than text take their data there.
    using GroupsSink
            = std::function<void(const QDate &from, const QDate &to, const TRepDatas &groups)>;
    // `records`: the sink reads the leaves of the nodes with a leaf per
    // pay or void, which the groups then keep; `cashRecords` the same for
    // the leaves per cash and balance record. `printedOnly`: the sink reads
    // no other nodes and groups than the lines do (scopeOf()), so the
    // groups are filled as for the lines alone; else they get everything.
    void setGroupsSink(GroupsSink sink, bool records = true, bool cashRecords = true,
                       bool printedOnly = false)
    {
        m_groupsSink = std::move(sink);
        m_sinkReadsRecords = records;
        m_sinkReadsCashRecords = cashRecords;
        m_sinkReadsPrintedOnly = printedOnly;
    }
    // Of the nodes with a leaf per pay or void, those the sink reads (when
    // it reads them and the lines do not): only these keep their leaves.
    // Empty, as at first: all of them.
    void setSinkRecordNodes(const QStringList &nodes) { m_sinkRecordNodes = nodes; }

    // Hands the lines of waiterReport() and centerReport() to `sink` one by
    // one while they are made, instead of returning them (a year's table
    // report need not be held); set before the report. sunkLines() counts
    // the lines handed on.
    using LineSink = std::function<void(const QString &line)>;
    void setLineSink(LineSink sink) { m_lineSink = std::move(sink); }
    qint64 sunkLines() const { return m_sunkLines; }

    // Runs the generator and writes the report of `code` per waiter (or
    // over all waiters). Without any group's lines the header stands
    // alone; empty only for an unknown code (and with a line sink).
    QStringList waiterReport(int code, const QString &title, bool overAll);
    // The same per cost center, then the entries without cost center.
    QStringList centerReport(int code, const QString &title);

    // "Summary for", the title and the header over the writer's range.
    QStringList headerLines(const QString &title) const;
    // The group sections of already filled groupings (no header, the
    // generator is not run). The current data is assumed when the writer
    // has no from date.
    QStringList waiterLines(const TRepWaiters *waiters, int code, bool overAll) const;
    QStringList centerLines(const TRepCenters *centers, int code) const;
    // The same into `out`.
    void waiterLines(const TRepWaiters *waiters, int code, bool overAll, TSummaryLines &out) const;
    void centerLines(const TRepCenters *centers, int code, TSummaryLines &out) const;
    // Whether the lines of a report code list the pays or voids one by one
    // (tables, void entries, hotel rooms): only then do the groups need a
    // leaf per record (TRepDatas::setKeepRecords()).
    static bool readsRecords(int code);
    // The record nodes whose leaves those lines read ("tables", "allvoids",
    // "hotrooms"); empty when they read none (TRepDatas::setRecordNodes()).
    static QStringList recordNodes(int code);
    // The same for the cash and balance records, which the full summary
    // lists (TRepDatas::setKeepCashRecords()).
    static bool readsCashRecords(int code);
    // What the lines of a report code read of the groups: its nodes and
    // the groups they print (`groups`, a TRepScope::Groups: over all the
    // overall group only, per waiter the groups but the overall one). The
    // summaries also keep a node that takes every order (a group with
    // anything at all gets its lines).
    static TRepScope scopeOf(int code, int groups);
    // The groups the lines of one side print: per waiter, over all, per
    // cost center (where the group "0" is printed as well).
    static int printedGroups(bool centers, bool overAll);
    // The lines of one report code for one group; empty when the group
    // gives nothing. `currentData` adds the open tables to the full
    // summary.
    QStringList body(int code, const TRepData *group, bool currentData) const;
    void writeBody(int code, const TRepData *group, bool currentData, TSummaryLines &out) const;
    // Whether body() gives lines, without making them where that is known
    // (the table report).
    bool hasBody(int code, const TRepData *group, bool currentData) const;

    // The figures of the full summary of a group, in cents (counts where
    // said): what its lines print, for other outputs than text.
    struct Figures
    {
        qint64 paidTables = 0; // count
        qint64 voids = 0; // count
        qint64 voidAmount = 0;
        qint64 openTables = 0; // count; current data only
        qint64 openTablesAmount = 0; // current data only
        qint64 inSummary = 0; // net of the in-summary payforms: "Sum of payforms"
        qint64 inSummaryAmount = 0;
        qint64 guests = 0; // count, of the in-summary payforms
        qint64 notInSummary = 0; // net of the other payforms
        qint64 notInSummaryAmount = 0;
        qint64 allPayforms = 0;
        qint64 tip = 0;
        qint64 credits = 0;
        qint64 nonRefund = 0;
        qint64 allAmount = 0; // "All amount" after the payforms
        qint64 sumInHouse = 0;
        qint64 sumOutOfHouse = 0;
        qint64 ordersAmount = 0; // "All amount" of the orders part
        qint64 netSum = 0; // "Sum Net"
    };
    Figures figures(const TRepData *group, bool currentData) const;
    // The name of a waiter group: its own, else the waiter list's.
    QString waiterName(const TRepData *group, int number) const;
    // True when the group holds anything to report.
    static bool hasData(const TRepData *group);

    // Options of section "Settings".
    int fillTo() const { return m_fillTo; }
    int pageWidth() const { return m_pageWidth; }
    bool masterOwnTabs() const { return m_masterOwnTabs; }
    bool useShortText() const { return m_useShortText; }
    bool noCurrency() const { return m_noCurrency; }
    bool showPercent() const { return m_showPercent; }
    int gastroDay() const { return m_gastroDay; }

    // The caption of `key` in section "reports", else `defaultText`.
    QString caption(const QString &key, const QString &defaultText) const;
    // The caption with its placeholders %1 … %9 filled from `args`.
    QString caption(const QString &key, const QString &defaultText, const QStringList &args) const;
    // "Monday, 30.11.2026 - Sunday, 6.12.2026" as the history header writes
    // a range (captions "headerfrom", "headerto"); the first day alone
    // without a valid `to`.
    QString rangeText(const QDate &from, const QDate &to) const;
    // False when section "NoPrint" switches "no" + key on.
    bool isPrinted(const QString &key) const;
    // The business day of the writer's clock: back one day per full 2400
    // of "gastroday", and one more before its HH:MM.
    QDate businessDate() const;

    // Line primitives.
    // The amount in cents as the system currency writes it; the plain
    // cents without a currency list. `currency` formats an amount that is
    // kept in that currency.
    QString amountText(qint64 cents, const TCurrency *currency = nullptr) const;
    // The first three characters of the currency's short name (system
    // currency by default); empty with "nocurrency" or without a list.
    QString currencyText(const TCurrency *currency = nullptr) const;
    // Caption cut and filled with '.' to "fillto", then ": count".
    QString countLine(const QString &caption, qint64 count) const;
    // The same with ": amount currency".
    QString amountLine(const QString &caption, qint64 cents) const;
    // Text filled with blanks to "fillto", then the amount right-aligned
    // in 8 and the currency text left-aligned in 3.
    QString itemLine(const QString &text, qint64 cents) const;
    // The caption and a line of '=' of its length.
    QStringList sectionTitle(const QString &caption) const;

private:
    struct Payform;
    struct LayoutItem;

    QStringList headerLines(const QString &title, const QDate &from, const QDate &to) const;
    long zCounter(const QDate &day) const;
    QStringList runReport(int code, const QString &title, bool overAll, bool centers);
    void runReport(int code, const QString &title, bool overAll, bool centers, TSummaryLines &out);
    // One period (or the current data): header and group sections.
    void runPeriod(int code, const QString &title, bool overAll, bool centers, const QDate &from,
                   const QDate &to, TSummaryLines &out);
    // Rule, title, the description line when given, rule, blank.
    QStringList groupTitle(const QString &title, const QString *descr) const;
    // The title and the body of a group, nothing when the body is empty.
    void groupSection(const QString &title, const QString *descr, int code, const TRepData *group,
                      bool currentData, TSummaryLines &out) const;
    // Full summary and its parts.
    Figures figures(const TRepData *group, const QList<Payform> &pays, bool currentData) const;
    QStringList fullSummary(const TRepData *group, bool currentData) const;
    QList<Payform> payforms(const TRepData *group) const;
    void payformList(QStringList &lines, const QList<Payform> &pays, bool inSum, bool titled) const;
    qint64 vatLines(QStringList &lines, const TRepData *group, qint64 *vatSum = nullptr) const;
    void cashPart(QStringList &lines, const TRepData *group) const;
    void currencyPart(QStringList &lines, const TRepData *group) const;
    void balancingPart(QStringList &lines, const TRepData *group) const;
    void articleList(QStringList &lines, const TRepData *group, const QString &node,
                     const QString &key, const QString &title, bool controlOnly) const;

    // Item reports.
    void itemReport(int code, const TRepData *group, TSummaryLines &out) const;
    QStringList simpleItems(int code, const TRepData *group, double &sum) const;
    void voidEntries(const TRepData *group, double &sum, TSummaryLines &out) const;
    void tableItems(const TRepData *group, double &sum, TSummaryLines &out) const;
    void hotelItems(const TRepData *group, double &sum, TSummaryLines &out) const;
    QStringList hourItems(const TRepData *group, double &sum) const;
    QStringList orderItems(const TRepData *group, double &sum) const;
    QStringList discountItems(const TRepData *group, QStringList &sums) const;
    QStringList priceFindings(const TRepData *group, QStringList &sums) const;
    QStringList minimalItems(const TRepData *group, qint64 &vatSum) const;
    // Item lines from the layout `layout`, when that layout exists.
    bool layoutLines(const QString &layout, const QList<LayoutItem> &items,
                     QStringList &lines) const;

    QString articleText(const TReportLeaf *leaf) const;
    // The name of a pay's currency: its "currname", else that of the
    // currency list, else its short name, else "Cash".
    QString currencyName(const QString &currName, int id, const QString &shortName) const;

    TReport *m_report;
    TCurrencies *m_currencies;
    Basics::TValueList *m_waiters;
    QString m_dataPath;
    std::unique_ptr<Basics::TInifile> m_ini;
    std::unique_ptr<TSettings> m_settings;
    Basics::TValue *m_headerWaiter = nullptr;
    QDate m_from;
    QDate m_to;
    int m_period = 0;
    int m_turnover = 0;
    bool m_fiscal = false;
    QDateTime m_now;
    GroupsSink m_groupsSink;
    LineSink m_lineSink;
    qint64 m_sunkLines = 0;
    bool m_sinkReadsPrintedOnly = false;
    bool m_sinkReadsRecords = true;
    QStringList m_sinkRecordNodes;
    bool m_sinkReadsCashRecords = true;

    int m_fillTo = 25;
    int m_pageWidth = 40;
    bool m_masterOwnTabs = true;
    bool m_useShortText = false;
    bool m_noCurrency = false;
    bool m_showPercent = true;
    int m_gastroDay = 500;
    bool m_debug = false;
    bool m_shortForm = false;
};

} // namespace PosLib
