#include "tzreport.h"

#include "tbillfigures.h"
#include "tclosingpreview.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "tfigures.h"
#include "tpricetext.h"
#include "treconciliation.h"
#include "treconciliationcheck.h"
#include "treportrun.h"
#include "tworkspacelists.h"
#include "tzexceptions.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TZReport".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TZReport)
};

QString kindText(const TClosing &closing)
{
    if (closing.isWholeDay())
        return Text::tr("whole day");
    return Text::tr("waiter %1 %2").arg(closing.waiter()).arg(closing.waiterName()).trimmed();
}

// "Cash (3)..............: 12,00 EUR", as the summaries line up their figures
QString figure(const QString &caption, const QString &value)
{
    QString left = caption;
    if (left.size() < 25)
        left += QString(25 - left.size(), QLatin1Char('.'));
    return left + QStringLiteral(": ") + value;
}

QString percent(int rate)
{
    return QStringLiteral("%1.%2 %").arg(rate / 100).arg(rate % 100, 2, 10, QLatin1Char('0'));
}

TReconciledClosing reconciled(const TClosing &closing)
{
    TReconciledClosing c;
    c.z = closing.z;
    c.kind = kindText(closing);
    c.bills = closing.moved();
    c.recorded = closing.hasRecord && closing.recordReadable;
    if (c.recorded)
        c.billTotal = closing.record.totals.amount;
    return c;
}

} // namespace

TReconciliation TZReport::reconcile(const TClosingLedger &ledger, const TClosing &closing,
                                    const QJsonObject &summary) const
{
    QList<TReconciledClosing> others;
    for (const TClosing &other : ledger.closings()) {
        if (other.date == closing.date && other.z != closing.z)
            others << reconciled(other);
    }
    const TBillFigures day = dayBillFigures(closing.dayDir, closing.date, m_root);
    const TBillFigures scope = closing.isWholeDay() ? day
                                                    : dayBillFigures(closing.dayDir, closing.date,
                                                                     m_root, closing.waiter());
    // the one group over all the report counts
    const QJsonObject group = summary.value(QStringLiteral("sections"))[0]
                                      .toObject()
                                      .value(QStringLiteral("periods"))[0]
                                      .toObject()
                                      .value(QStringLiteral("groups"))[0]
                                      .toObject();
    return TReconciliation(reconciled(closing), others, day, scope, kindText(closing),
                           TReportedFigures::fromGroup(group));
}

TClosingList::TClosingList(const QString &root, const QDate &from, const QDate &to)
    : m_ledger(root)
{
    m_findings = verifyClosingsOf(root, m_ledger, from, to);
    for (const TClosing &closing : m_ledger.closings()) {
        if ((from.isValid() && closing.date < from) || (to.isValid() && closing.date > to))
            continue;
        TClosingRow row;
        row.z = closing.z;
        row.date = closing.date;
        row.kind = kindText(closing);
        row.bills = closing.moved();
        row.hasRecord = closing.hasRecord;
        if (closing.hasRecord && closing.recordReadable) {
            row.firstBill = closing.record.firstBill();
            row.lastBill = closing.record.lastBill();
            row.amount = closing.record.totals.amount;
            row.counted = !closing.record.cashCount.isEmpty();
            row.countDifference = closing.record.cashCount.difference();
        }
        row.holds = closingHolds(m_findings, closing.z, closing.date);
        // before records were kept only the Z continuity is checked
        const bool legacy
                = !closing.hasRecord
                  && (m_ledger.firstRecordedZ() == 0 || closing.z < m_ledger.firstRecordedZ());
        row.verified = legacy      ? Text::tr("no record")
                       : row.holds ? Text::tr("yes")
                                   : Text::tr("no");
        m_rows << row;
    }
}

QStringList TClosingList::lines(const TCurrencies *currencies) const
{
    QStringList out;
    auto line = [](const QStringList &c) {
        return QStringLiteral("%1  %2  %3 %4  %5  %6  %7  %8  %9")
                .arg(c[0], 6)
                .arg(c[1], -10)
                .arg(c[2], -20)
                .arg(c[3], 5)
                .arg(c[4], 10)
                .arg(c[5], 10)
                .arg(c[6], 12)
                .arg(c[7], 12)
                .arg(c[8]);
    };
    out << line({Text::tr("Z"), Text::tr("Date"), Text::tr("Kind"), figureCaption(TFigure::Bills),
                 Text::tr("First bill"), Text::tr("Last bill"), figureCaption(TFigure::BillTotal),
                 Text::tr("Count diff."), Text::tr("Verified")});
    for (const TClosingRow &row : m_rows) {
        const bool figures = row.hasRecord;
        out << line({QString::number(row.z), row.date.toString(Qt::ISODate), row.kind,
                     QString::number(row.bills),
                     figures && row.bills ? QString::number(row.firstBill) : QStringLiteral("-"),
                     figures && row.bills ? QString::number(row.lastBill) : QStringLiteral("-"),
                     figures ? priceText(currencies, long(row.amount)) : QStringLiteral("-"),
                     row.counted ? priceText(currencies, long(row.countDifference))
                                 : QStringLiteral("-"),
                     row.verified});
    }
    return out;
}

QJsonObject TClosingList::data() const
{
    QJsonArray closings;
    for (const TClosingRow &row : m_rows) {
        const TClosing *closing = m_ledger.find(row.z);
        QJsonObject o {{QStringLiteral("z"), qint64(row.z)},
                       {QStringLiteral("date"), row.date.toString(Qt::ISODate)},
                       {QStringLiteral("kind"),
                        closing->isWholeDay() ? QStringLiteral("day") : QStringLiteral("waiter")},
                       {QStringLiteral("bills"), row.bills},
                       {QStringLiteral("record"), row.hasRecord},
                       {QStringLiteral("verified"), row.holds}};
        if (!closing->isWholeDay())
            o.insert(QStringLiteral("waiter"),
                     QJsonObject {{QStringLiteral("number"), closing->waiter()},
                                  {QStringLiteral("name"), closing->waiterName()}});
        if (row.hasRecord) {
            o.insert(QStringLiteral("firstBill"), qint64(row.firstBill));
            o.insert(QStringLiteral("lastBill"), qint64(row.lastBill));
            o.insert(figureKey(TFigure::BillTotal), row.amount);
        }
        if (row.counted)
            o.insert(QStringLiteral("countDifference"), row.countDifference);
        closings.append(o);
    }
    return {{QStringLiteral("format"), 1}, {QStringLiteral("closings"), closings}};
}

TZReport::TZReport(TWorkspaceLists *lists, const QString &root)
    : m_lists(lists)
    , m_root(root)
{ }

bool TZReport::build(long z, const QDateTime &now)
{
    const TClosingLedger ledger(m_root);
    const TClosing *closing = ledger.find(z);
    if (!closing)
        return false;
    const QList<TClosingFinding> findings = verifyClosings(m_root, ledger, closing->date);
    const auto *currencies = static_cast<TCurrencies *>(m_lists->get(QStringLiteral("currencies")));
    auto amount = [&](qint64 cents) { return moneyText(currencies, long(cents)); };

    m_title = Text::tr("Day turnover %1 from %2")
                      .arg(z)
                      .arg(closing->date.toString(QStringLiteral("dd.MM.yyyy")));
    QStringList &out = m_lines;
    out.clear();
    out << m_title << QString(m_title.size(), QLatin1Char('=')) << QString();
    out << figure(Text::tr("Closing"), kindText(*closing));
    const bool recorded = closing->hasRecord && closing->recordReadable;
    if (!recorded) {
        out << figure(figureCaption(TFigure::Bills), QString::number(closing->moved()));
        out << figure(Text::tr("Closing record"),
                      closing->hasRecord ? Text::tr("cannot be read") : Text::tr("no record"));
    } else {
        const TClosingRecord &r = closing->record;
        if (r.executingWaiter != 0)
            out << figure(
                    Text::tr("Executed by"),
                    QStringLiteral("%1 %2").arg(r.executingWaiter).arg(r.executingWaiterName));
        out << figure(Text::tr("Program"),
                      Text::tr("%1, terminal %2").arg(r.application).arg(r.terminal));
        out << figure(Text::tr("Day Z number"), QString::number(r.dayZ));
        out << figure(Text::tr("Started"), r.start.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
        out << figure(Text::tr("Ended"), r.end.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
        if (r.completedLater)
            out << figure(Text::tr("Completed"),
                          Text::tr("by the next closing (the run was cut off)"));
        out << figure(figureCaption(TFigure::Bills), QString::number(r.bills.size()));
        if (!r.bills.isEmpty()) {
            out << figure(Text::tr("First bill"),
                          Text::tr("%1 (archive %2)").arg(r.firstBill()).arg(r.firstArchive()));
            out << figure(Text::tr("Last bill"),
                          Text::tr("%1 (archive %2)").arg(r.lastBill()).arg(r.lastArchive()));
        }
        out << figure(figureCaption(TFigure::BillTotal), amount(r.totals.amount)) << QString();
        if (!r.totals.payments.isEmpty()) {
            const QString payments = figureCaption(TFigure::Payments);
            out << payments << QString(payments.size(), QLatin1Char('='));
            for (auto it = r.totals.payments.cbegin(); it != r.totals.payments.cend(); ++it)
                out << figure(
                        QStringLiteral("%1 (%2)")
                                .arg(it->name.isEmpty() ? QString::number(it.key()) : it->name)
                                .arg(it->count),
                        amount(it->amount));
            out << QString();
        }
        if (!r.totals.vatRates.isEmpty()) {
            const QString rates = Text::tr("VAT rates");
            out << rates << QString(rates.size(), QLatin1Char('='));
            for (auto it = r.totals.vatRates.cbegin(); it != r.totals.vatRates.cend(); ++it) {
                out << figure(Text::tr("Gross %1").arg(percent(it.key())), amount(it->gross));
                out << figure(Text::tr("Net %1").arg(percent(it.key())), amount(it->net));
                out << figure(Text::tr("VAT %1").arg(percent(it.key())), amount(it->vat()));
            }
            out << QString();
        }
        out << figure(figureCaption(TFigure::Voids), QString::number(r.totals.voidCount));
        out << figure(figureCaption(TFigure::VoidAmount), amount(r.totals.voidAmount));
        out << figure(Text::tr("Closing record"), TClosingRecord::fileName(z));
        if (!r.cashCount.isEmpty())
            out << QString() << cashCountLines(r.cashCount, currencies) << QString();
    }
    const bool legacy
            = !closing->hasRecord && (ledger.firstRecordedZ() == 0 || z < ledger.firstRecordedZ());
    const bool holds = closingHolds(findings, z, closing->date);
    out << figure(Text::tr("Verified"), legacy  ? Text::tr("no record")
                                        : holds ? Text::tr("yes")
                                                : Text::tr("no"));
    QJsonArray findingTexts;
    for (const TClosingFinding &finding : findings) {
        if (finding.z == z || (finding.z == 0 && finding.date == closing->date)) {
            out << QStringLiteral("  ") + finding.text;
            findingTexts.append(finding.text);
        }
    }
    // the day's closing records, summary and bills agree (as verify checks)
    const QList<TReconciliationFinding> unreconciled
            = TReconciliationCheck(m_root, ledger).run(closing->date, currencies);
    out << figure(Text::tr("Reconciled"),
                  unreconciled.isEmpty() ? Text::tr("yes") : Text::tr("no"));
    QJsonArray reconciliationTexts;
    for (const TReconciliationFinding &finding : unreconciled) {
        out << QStringLiteral("  ") + finding.text;
        reconciliationTexts.append(finding.text);
    }
    out << QString();

    // the day's summary as the reports document prints it
    TReportRequest request;
    request.kind = SummaryKind;
    request.from = closing->date;
    request.to = closing->date;
    request.reportWaiter = closing->isWholeDay() ? 0 : closing->waiter();
    request.now = now;
    request.withData = true;
    request.readOnly = m_readOnly;
    TReportRun run(m_lists, m_root);
    const TReportResult summary = run.run(request);

    const TReconciliation reconciliation = reconcile(ledger, *closing, summary.data);
    out << reconciliation.lines(currencies, m_receipt) << QString();
    out << summary.displayLines();

    // the day's exceptions, a section of their own after the summary
    QJsonObject exceptions;
    out << QString()
        << zReportExceptions(m_lists, m_root, closing->date,
                             closing->isWholeDay() ? 0 : closing->waiter(), now, m_readOnly,
                             &exceptions, m_receipt);

    m_data = QJsonObject {{QStringLiteral("format"), 1},
                          {QStringLiteral("title"), m_title},
                          {QStringLiteral("z"), qint64(z)},
                          {QStringLiteral("date"), closing->date.toString(Qt::ISODate)},
                          {QStringLiteral("verified"), !legacy && holds},
                          {QStringLiteral("findings"), findingTexts},
                          {QStringLiteral("reconciled"), unreconciled.isEmpty()},
                          {QStringLiteral("reconciliationFindings"), reconciliationTexts},
                          {QStringLiteral("reconciliation"), reconciliation.data()},
                          {QStringLiteral("summary"), summary.data},
                          {QStringLiteral("exceptions"), exceptions}};
    m_data.insert(QStringLiteral("cashCount"),
                  recorded && !closing->record.cashCount.isEmpty()
                          ? QJsonValue(closing->record.cashCount.toJson())
                          : QJsonValue(QJsonValue::Null));
    m_data.insert(QStringLiteral("record"),
                  recorded ? QJsonDocument::fromJson(closing->recordBytes).object()
                           : QJsonValue(QJsonValue::Null));
    return true;
}

} // namespace PosLib
