#include "treconciliation.h"

#include "tpricetext.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TReconciliation".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TReconciliation)
};

// Width of the caption column of a step, and of the payment form table's
// name column and amount columns.
constexpr int CaptionWidth = 50;
constexpr int NameWidth = 24;
constexpr int AmountWidth = 12;

qint64 number(const QJsonValue &value)
{
    return qint64(value.toDouble());
}

QString payformName(const TPayformFigures &p)
{
    return QStringLiteral("%1 (%2)")
            .arg(p.name.isEmpty() ? QString::number(p.payform) : p.name)
            .arg(p.count);
}

} // namespace

TReportedFigures TReportedFigures::fromGroup(const QJsonObject &group)
{
    TReportedFigures reported;
    if (group.isEmpty())
        return reported;
    reported.present = true;
    const QJsonObject figures = group.value(QStringLiteral("figures")).toObject();
    for (auto it = figures.constBegin(); it != figures.constEnd(); ++it)
        reported.figures.insert(it.key(), number(it.value()));
    for (const QJsonValue &value : group.value(QStringLiteral("items")).toArray()) {
        const QJsonObject item = value.toObject();
        if (item.value(QStringLiteral("node")).toString() != QLatin1String("payforms"))
            continue;
        const QJsonObject values = item.value(QStringLiteral("values")).toObject();
        Line &line = reported.payforms[item.value(QStringLiteral("key")).toString()];
        line.net += number(values.value(QStringLiteral("given")))
                    - number(values.value(QStringLiteral("return")));
        line.count += number(item.value(QStringLiteral("count")));
    }
    return reported;
}

TReconciliation::TReconciliation(const TReconciledClosing &closing,
                                 const QList<TReconciledClosing> &others, const TBillFigures &day,
                                 const TBillFigures &scope, const QString &scopeName,
                                 const TReportedFigures &reported)
    : m_payforms(scope.payforms())
    , m_scope(scope)
    , m_reported(reported)
{
    const QString theReport = Text::tr("the report");
    const QString closingKey = QStringLiteral("closingBillTotal");
    auto bills = [](int count) {
        return count == 1 ? Text::tr("1 bill") : Text::tr("%1 bills").arg(count);
    };
    auto closingCaption = [&bills](const TReconciledClosing &c) {
        return Text::tr("Bill total of Z %1, %2 (%3)").arg(c.z).arg(c.kind, bills(c.bills));
    };

    // the closing records, then the day's bills as they lie in its directory
    bool allRecorded = closing.recorded;
    for (const TReconciledClosing &other : others)
        allRecorded = allRecorded && other.recorded;
    const QString dayCaption = Text::tr("Bill total of the day (%1)").arg(bills(day.bills()));
    if (allRecorded) {
        step(closingKey, closingCaption(closing), QLatin1Char(' '), closing.billTotal);
        qint64 recorded = closing.billTotal;
        for (const TReconciledClosing &other : others) {
            step(closingKey, closingCaption(other), QLatin1Char('+'), other.billTotal);
            recorded += other.billTotal;
        }
        if (!others.isEmpty())
            step(figureKey(TFigure::BillTotal), dayCaption, QLatin1Char('='), recorded);
        if (recorded != day.billTotal()) {
            differ(figureKey(TFigure::BillTotal), figureCaption(TFigure::BillTotal),
                   day.billTotal(), recorded, false, Text::tr("the closing records"));
            step(figureKey(TFigure::BillTotal), Text::tr("Bill total of the bills as they are now"),
                 QLatin1Char(' '), day.billTotal());
        }
    } else {
        step(figureKey(TFigure::BillTotal), dayCaption, QLatin1Char(' '), day.billTotal());
    }

    // a waiter's closing: the report counts that waiter's entries only
    if (scope.waiter() != 0) {
        step(QStringLiteral("otherWaiters"), Text::tr("Order lines of the other waiters"),
             QLatin1Char('-'), day.billTotal() - scope.billTotal());
        step(QStringLiteral("scopeBillTotal"), Text::tr("Order lines of %1").arg(scopeName),
             QLatin1Char('='), scope.billTotal());
    }
    step(figureKey(TFigure::TaxCharges), figureCaption(TFigure::TaxCharges), QLatin1Char('+'),
         scope.taxCharges());
    step(figureKey(TFigure::LeftOpen), figureCaption(TFigure::LeftOpen), QLatin1Char('-'),
         scope.leftOpen());
    step(figureKey(TFigure::Payments), figureCaption(TFigure::Payments), QLatin1Char('='),
         scope.payments());

    // bills and paid tables: a bill paid in parts is a paid table per part
    if (scope.waiter() == 0) {
        step(figureKey(TFigure::Bills), figureCaption(TFigure::Bills), QLatin1Char(' '),
             day.bills(), true);
        m_into->last().gap = true;
        step(QStringLiteral("billsWithoutPayment"), Text::tr("Bills without payment"),
             QLatin1Char('-'), day.billsWithoutPayment(), true);
        step(QStringLiteral("furtherPayments"), Text::tr("Further payments of bills paid in parts"),
             QLatin1Char('+'), day.furtherPayments(), true);
        checked(TFigure::PaidTables, QLatin1Char('='), scope.paidTables());
    } else {
        checked(TFigure::PaidTables, QLatin1Char(' '), scope.paidTables());
        m_into->last().gap = true;
    }

    // each payment form: payments, tips and what was not given back make
    // the report's line
    QHash<QString, bool> seen;
    for (const TPayformFigures &p : std::as_const(m_payforms)) {
        const QString key = p.key();
        seen.insert(key, true);
        const TReportedFigures::Line line = reported.payforms.value(key);
        const QString caption = payformName(p);
        if (line.net != p.net())
            differ(QStringLiteral("payform:") + key, caption, p.net(), line.net, false, theReport);
        if (line.count != p.count)
            differ(QStringLiteral("payform:") + key, caption, p.count, line.count, true, theReport);
    }
    for (auto it = reported.payforms.cbegin(); it != reported.payforms.cend(); ++it) {
        if (!seen.contains(it.key()))
            differ(QStringLiteral("payform:") + it.key(), it.key(), 0, it->net, false, theReport);
    }
    for (TFigure figure : {TFigure::InSummary, TFigure::NotInSummary}) {
        const qint64 bills
                = figure == TFigure::InSummary ? scope.inSummary() : scope.notInSummary();
        if (bills != reported.value(figure))
            differ(figureKey(figure), figureCaption(figure), bills, reported.value(figure), false,
                   theReport);
    }

    // from the payments to "All amount"
    m_into = &m_chain;
    checked(TFigure::AllPayforms, QLatin1Char(' '), scope.allPayforms());
    checked(TFigure::Tip, QLatin1Char('-'), scope.tip());
    checked(TFigure::NonRefund, QLatin1Char('-'), scope.nonRefund());
    checked(TFigure::Credits, QLatin1Char('-'), scope.credits(),
            Text::tr("Credits (vouchers sold)"));
    checked(TFigure::NotInSummaryAmount, QLatin1Char('-'), scope.notInSummaryAmount());
    checked(TFigure::AllAmount, QLatin1Char('='), scope.allAmount());
    m_into = &m_steps;
}

void TReconciliation::step(const QString &key, const QString &caption, QChar sign, qint64 value,
                           bool count)
{
    Step s;
    s.key = key;
    s.caption = caption;
    s.sign = sign;
    s.value = value;
    s.count = count;
    m_into->append(s);
}

void TReconciliation::checked(TFigure figure, QChar sign, qint64 value, const QString &caption)
{
    step(figureKey(figure), caption.isEmpty() ? figureCaption(figure) : caption, sign, value,
         figureIsCount(figure));
    Step &s = m_into->last();
    s.reported = true;
    s.reportedValue = m_reported.value(figure);
    if (s.reportedValue != value)
        differ(s.key, figureCaption(figure), value, s.reportedValue, s.count,
               Text::tr("the report"));
}

void TReconciliation::differ(const QString &key, const QString &caption, qint64 bills,
                             qint64 reported, bool count, const QString &otherSide)
{
    TFigureDifference d;
    d.key = key;
    d.caption = caption;
    d.bills = bills;
    d.reported = reported;
    d.count = count;
    d.otherSide = otherSide;
    m_differences << d;
}

QStringList TReconciliation::payformLines(const TCurrencies *currencies, bool receipt) const
{
    auto amount = [currencies](qint64 cents) {
        return priceText(currencies, long(cents)).rightJustified(AmountWidth);
    };
    auto head = [](const QString &caption) {
        return caption.right(AmountWidth - 1).rightJustified(AmountWidth);
    };
    QStringList out;
    // a row of the table, or on a receipt the name with its figures below it
    auto put = [&](const QString &name, qint64 payments, qint64 tip, qint64 nonRefund,
                   const QString &report) {
        if (!receipt) {
            out << name.left(NameWidth).leftJustified(NameWidth) + amount(payments) + amount(tip)
                            + amount(nonRefund) + report.rightJustified(AmountWidth);
            return;
        }
        out << name;
        const std::pair<QString, QString> figures[]
                = {{figureCaption(TFigure::Payments), priceText(currencies, long(payments))},
                   {figureCaption(TFigure::Tip), priceText(currencies, long(tip))},
                   {figureCaption(TFigure::NonRefund), priceText(currencies, long(nonRefund))},
                   {Text::tr("Report"), report}};
        for (const auto &[caption, value] : figures)
            out << QStringLiteral("  ") + caption + QStringLiteral(": ") + value;
    };
    if (receipt) {
        const QString title = Text::tr("Payment form");
        out << title << QString(title.size(), QLatin1Char('-'));
    } else {
        out << Text::tr("Payment form").left(NameWidth).leftJustified(NameWidth)
                        + head(figureCaption(TFigure::Payments)) + head(figureCaption(TFigure::Tip))
                        + head(figureCaption(TFigure::NonRefund)) + head(Text::tr("Report"));
    }
    for (bool inSummary : {true, false}) {
        qint64 payments = 0, tip = 0, nonRefund = 0;
        bool any = false;
        for (const TPayformFigures &p : m_payforms) {
            if (p.inSummary != inSummary)
                continue;
            if (!any && !inSummary)
                out << figureCaption(TFigure::NotInSummaryAmount);
            any = true;
            const auto line = m_reported.payforms.constFind(p.key());
            put(payformName(p), p.amount, p.tip, p.nonRefund(),
                line == m_reported.payforms.cend() ? QStringLiteral("-")
                                                   : priceText(currencies, long(line->net)));
            payments += p.amount;
            tip += p.tip;
            nonRefund += p.nonRefund();
        }
        if (any) {
            const TFigure sum = inSummary ? TFigure::InSummary : TFigure::NotInSummary;
            put(Text::tr("Sum of payforms"), payments, tip, nonRefund,
                priceText(currencies, long(m_reported.value(sum))));
        }
    }
    put(figureCaption(TFigure::AllPayforms), m_scope.payments(), m_scope.tip(), m_scope.nonRefund(),
        priceText(currencies, long(m_reported.value(TFigure::AllPayforms))));
    return out;
}

QStringList TReconciliation::lines(const TCurrencies *currencies, bool receipt) const
{
    const QString unit = currencyShortName(currencies);
    auto money = [&](qint64 cents) {
        const QString text = priceText(currencies, long(cents)).rightJustified(AmountWidth);
        return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
    };
    auto line = [&](const Step &s) {
        QString caption
                = s.sign == QLatin1Char(' ') ? s.caption : s.sign + (QLatin1Char(' ') + s.caption);
        caption = caption.left(CaptionWidth).leftJustified(CaptionWidth, QLatin1Char('.'));
        return caption + QStringLiteral(": ")
               + (s.count ? QString::number(s.value).rightJustified(AmountWidth) : money(s.value));
    };

    const QString title = Text::tr("Reconciliation");
    QStringList out {title, QString(title.size(), QLatin1Char('='))};
    for (const Step &s : m_steps) {
        if (s.gap)
            out << QString();
        out << line(s);
    }
    out << QString() << payformLines(currencies, receipt) << QString();
    for (const Step &s : m_chain)
        out << line(s);
    if (m_differences.isEmpty()) {
        out << line(Step {figureKey(TFigure::Difference), figureCaption(TFigure::Difference),
                          QLatin1Char(' '), 0});
    }
    for (const TFigureDifference &d : m_differences) {
        Step s {figureKey(TFigure::Difference), Text::tr("Difference in %1").arg(d.caption),
                QLatin1Char(' '), d.reported - d.bills, d.count};
        out << line(s);
        auto value = [&](qint64 v) {
            return d.count ? QString::number(v) : priceText(currencies, long(v));
        };
        out << QStringLiteral("  ")
                        + Text::tr("the bills %1, %2 %3")
                                  .arg(value(d.bills), d.otherSide, value(d.reported));
    }
    return out;
}

QJsonObject TReconciliation::data() const
{
    auto stepObject = [](const Step &s) {
        QJsonObject o {{QStringLiteral("key"), s.key},
                       {QStringLiteral("caption"), s.caption},
                       {QStringLiteral("sign"), QString(s.sign).trimmed()},
                       {s.count ? QStringLiteral("count") : QStringLiteral("amount"), s.value}};
        if (s.reported)
            o.insert(QStringLiteral("report"), s.reportedValue);
        return o;
    };
    QJsonArray steps;
    for (const Step &s : m_steps)
        steps.append(stepObject(s));
    for (const Step &s : m_chain)
        steps.append(stepObject(s));
    QJsonArray payforms;
    for (const TPayformFigures &p : m_payforms) {
        QJsonObject o {
                {QStringLiteral("key"), p.key()},   {QStringLiteral("payform"), p.payform},
                {QStringLiteral("name"), p.name},   {QStringLiteral("inSummary"), p.inSummary},
                {QStringLiteral("count"), p.count}, {figureKey(TFigure::Payments), p.amount},
                {figureKey(TFigure::Tip), p.tip},   {figureKey(TFigure::NonRefund), p.nonRefund()},
                {QStringLiteral("net"), p.net()}};
        const auto line = m_reported.payforms.constFind(p.key());
        if (line != m_reported.payforms.cend())
            o.insert(QStringLiteral("report"), line->net);
        payforms.append(o);
    }
    QJsonArray differences;
    for (const TFigureDifference &d : m_differences)
        differences.append(QJsonObject {{QStringLiteral("key"), d.key},
                                        {QStringLiteral("caption"), d.caption},
                                        {QStringLiteral("count"), d.count},
                                        {QStringLiteral("bills"), d.bills},
                                        {QStringLiteral("report"), d.reported},
                                        {QStringLiteral("reportedBy"), d.otherSide}});
    return {{QStringLiteral("lines"), steps},
            {QStringLiteral("payforms"), payforms},
            {QStringLiteral("differences"), differences},
            {QStringLiteral("holds"), m_differences.isEmpty()}};
}

} // namespace PosLib
