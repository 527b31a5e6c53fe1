#include "treconciliationcheck.h"

#include "tarchtable.h"
#include "tclosingbills.h"
#include "tclosingledger.h"
#include "terror.h"
#include "tfigures.h"
#include "tinstallation.h"
#include "tpricetext.h"
#include "ttablefacts.h"
#include "ttwoatatime.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>

#include <utility>
#include <vector>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TReconciliationCheck".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TReconciliationCheck)
};

QString percent(int rate)
{
    return QStringLiteral("%1.%2 %").arg(rate / 100).arg(rate % 100, 2, 10, QLatin1Char('0'));
}

// One figure as the three sides have it.
struct Figure
{
    QString name;
    bool count = false;
    qint64 records = 0;
    qint64 summary = 0;
    qint64 bills = 0;
};

// Every figure compared, by a key that sorts them: the bill total, the
// payment forms by number, the VAT rates by rate.
using Figures = QMap<QString, Figure>;

void addSide(Figures &figures, const TClosingTotals &totals, qint64 Figure::*side)
{
    Figure &total = figures[QStringLiteral("0")];
    total.name = figureCaption(TFigure::BillTotal);
    total.*side += totals.amount;
    for (auto it = totals.payments.cbegin(); it != totals.payments.cend(); ++it) {
        const QString key = QStringLiteral("1%1").arg(it.key(), 10, 10, QLatin1Char('0'));
        Figure &amount = figures[key + QLatin1Char('a')];
        Figure &count = figures[key + QLatin1Char('c')];
        if (amount.name.isEmpty()) {
            const QString form = Text::tr("%1 (payment form %2)")
                                         .arg(it->name.isEmpty() ? Text::tr("payments") : it->name)
                                         .arg(it.key());
            amount.name = form;
            count.name = Text::tr("%1, number of payments").arg(form);
            count.count = true;
        }
        amount.*side += it->amount;
        count.*side += it->count;
    }
    for (auto it = totals.vatRates.cbegin(); it != totals.vatRates.cend(); ++it) {
        const QString key = QStringLiteral("2%1").arg(it.key(), 10, 10, QLatin1Char('0'));
        Figure &gross = figures[key + QLatin1Char('g')];
        Figure &net = figures[key + QLatin1Char('n')];
        gross.name = Text::tr("VAT %1, gross").arg(percent(it.key()));
        net.name = Text::tr("VAT %1, net").arg(percent(it.key()));
        gross.*side += it->gross;
        net.*side += it->net;
    }
}

// The bills of a day directory that load, added up.
TClosingTotals dayBillTotals(const QString &dayDir)
{
    TClosingTotals sum;
    for (const auto &file : dayBillFiles(dayDir)) {
        const TStoredBill stored = readStoredBill(dayDir + file.second, TBillHash::Skipped);
        if (stored.ok)
            addReconciledBill(sum, stored.totals);
    }
    return sum;
}

// The three sides of a closed day, added up.
struct DaySides
{
    Figures figures;
    // every closing of the day has a readable record
    bool recorded = false;
    bool hasSummary = false;
    // why the summary could not be read; empty when it was
    QString summaryProblem;
    bool summarySide() const { return hasSummary && summaryProblem.isEmpty(); }
};

// The records of the day's closings, its bills (those of `bills` when it
// has the day) and its summary, each added up.
DaySides sidesOf(const QString &root, const QDate &date, const QList<const TClosing *> &closings,
                 const TDayBillTotals *bills)
{
    DaySides sides;
    Figures &figures = sides.figures;

    // the records: every closing of the day must have one to add up
    sides.recorded = true;
    for (const TClosing *closing : closings)
        sides.recorded = sides.recorded && closing->hasRecord && closing->recordReadable;
    if (sides.recorded) {
        for (const TClosing *closing : closings)
            addSide(figures, closing->record.totals, &Figure::records);
    }

    // the bills as they lie in the day directory: their figures (their
    // hashes are the verifier's), added up once per day
    const bool given = bills && bills->contains(date);
    addSide(figures, given ? bills->value(date) : dayBillTotals(closings.first()->dayDir),
            &Figure::bills);

    // the day summary, when there is one: reading it must not build it
    TArchTable summary(root, date);
    // a damaged summary is a finding, left as it is for whoever looks into
    // it (a report would build it again)
    summary.setReadOnly(true);
    sides.hasSummary = QFileInfo::exists(summary.filePath());
    if (sides.hasSummary) {
        try {
            // read in place, as the reports read it
            TTableFacts table;
            while (summary.nextTable(table))
                addSide(figures, billTotals(table), &Figure::summary);
        } catch (const Basics::TError &e) {
            sides.summaryProblem = Basics::userText(e);
        }
    }
    return sides;
}

// The findings of a day whose last closing is `lastZ`: an unreadable
// summary, and each figure on which the sides there are differ.
void addFindings(QList<TReconciliationFinding> &findings, const QDate &date, long lastZ,
                 const DaySides &sides, const TCurrencies *currencies)
{
    const QString summaryName = QStringLiteral("var/summary/") + summaryFileName(date);
    if (!sides.summaryProblem.isEmpty()) {
        TReconciliationFinding f;
        f.z = lastZ;
        f.date = date;
        f.file = summaryName;
        f.text = Text::tr("Z %1 (%2): the day summary %3 cannot be read to reconcile it: %4")
                         .arg(lastZ)
                         .arg(date.toString(Qt::ISODate), summaryName, sides.summaryProblem);
        findings << f;
    }
    const bool recorded = sides.recorded;
    const bool summarySide = sides.summarySide();
    for (const Figure &figure : sides.figures) {
        const bool recordsDiffer = recorded && figure.records != figure.bills;
        const bool summaryDiffers = summarySide && figure.summary != figure.bills;
        if (!recordsDiffer && !summaryDiffers
            && !(recorded && summarySide && figure.records != figure.summary))
            continue;
        TReconciliationFinding f;
        f.z = lastZ;
        f.date = date;
        f.figure = figure.name;
        // the file of the side that stands alone: the summary when the
        // records (if any) side with the bills, else the bills
        const bool summaryAlone = summaryDiffers && (!recorded || figure.records == figure.bills);
        f.file = summaryAlone ? summaryName : QStringLiteral("var/statist/") + statistDayName(date);
        f.count = figure.count;
        f.hasRecords = recorded;
        f.records = figure.records;
        f.hasSummary = summarySide;
        f.summary = figure.summary;
        f.bills = figure.bills;
        auto value = [&](qint64 v) {
            return figure.count ? QString::number(v) : moneyText(currencies, long(v));
        };
        QStringList amounts;
        if (recorded)
            amounts << Text::tr("the closing records %1").arg(value(figure.records));
        if (summarySide)
            amounts << Text::tr("the day summary %1").arg(value(figure.summary));
        amounts << Text::tr("the bills %1").arg(value(figure.bills));
        f.text = Text::tr("Z %1 (%2): %3 does not reconcile: %4")
                         .arg(lastZ)
                         .arg(date.toString(Qt::ISODate), figure.name,
                              amounts.join(QStringLiteral(", ")));
        findings << f;
    }
}

} // namespace

void addReconciledBill(TClosingTotals &sum, const TClosingTotals &bill)
{
    sum.amount += bill.amount;
    for (auto it = bill.payments.cbegin(); it != bill.payments.cend(); ++it) {
        auto payment = sum.payments.find(it.key());
        if (payment == sum.payments.end())
            payment = sum.payments.insert(it.key(), TClosingPayment {it->name, 0, 0});
        payment->count += it->count;
        payment->amount += it->amount;
    }
    for (auto it = bill.vatRates.cbegin(); it != bill.vatRates.cend(); ++it) {
        TClosingVat &vat = sum.vatRates[it.key()];
        vat.gross += it->gross;
        vat.net += it->net;
    }
    sum.voidCount += bill.voidCount;
    sum.voidAmount += bill.voidAmount;
}

TReconciliationCheck::TReconciliationCheck(const QString &root, const TClosingLedger &ledger)
    : m_root(root)
    , m_ledger(ledger)
{ }

QList<TReconciliationFinding> TReconciliationCheck::run(const QDate &day,
                                                        const TCurrencies *currencies,
                                                        const TDayBillTotals *bills,
                                                        const std::function<bool()> &dayDone) const
{
    // the closings of each day, in date order
    QMap<QDate, QList<const TClosing *>> days;
    for (const TClosing &closing : m_ledger.closings()) {
        if (!day.isValid() || closing.date == day)
            days[closing.date] << &closing;
    }
    std::vector<std::pair<QDate, QList<const TClosing *>>> order;
    for (auto it = days.cbegin(); it != days.cend(); ++it)
        order.emplace_back(it.key(), it.value());
    QList<TReconciliationFinding> findings;
    // the next day is read while the findings of one are made
    const QString root = m_root;
    Basics::makeTwoAtATime(
            int(order.size()),
            [&order, &root, bills](int i) {
                const auto &day = order[size_t(i)];
                return sidesOf(root, day.first, day.second, bills);
            },
            [&order, &findings, currencies, &dayDone](int i, const DaySides &sides) {
                const auto &day = order[size_t(i)];
                addFindings(findings, day.first, day.second.last()->z, sides, currencies);
                return !dayDone || dayDone();
            });
    return findings;
}

} // namespace PosLib
