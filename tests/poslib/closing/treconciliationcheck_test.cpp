#include "closingtestsupport.h"

#include "tclosingverifier.h"
#include "testrecords.h"
#include "treconciliationcheck.h"

#include <QFile>

#include <algorithm>
#include <functional>

namespace {

class ReconciliationCheck : public ClosingTest
{
protected:
    // The findings with the bills read by the check, which must be those
    // with the bills the verifier read and handed on.
    QList<TReconciliationFinding> check(const QDate &day = QDate()) const
    {
        const TClosingLedger ledger(root());
        const QList<TReconciliationFinding> read = TReconciliationCheck(root(), ledger).run(day);
        TDayBillTotals bills;
        verifyClosings(root(), ledger, day, &bills);
        const QList<TReconciliationFinding> given
                = TReconciliationCheck(root(), ledger).run(day, nullptr, &bills);
        EXPECT_EQ(texts(read), texts(given));
        return read;
    }
    QString summaryOf(const QDate &date) const
    {
        return QStringLiteral("var/summary/") + date.toString(Qt::ISODate) + QStringLiteral(".dat");
    }
    // Rewrites the file record by record, the first payment edited.
    void editFirstPayment(const QString &file, const std::function<void(TValue &)> &edit)
    {
        QByteArray edited;
        bool done = false;
        for (TValue record : records(dir.read(file))) {
            if (!done && record.getInt(QStringLiteral("type")) == EntryPay) {
                edit(record);
                done = true;
            }
            Basics::appendRecord(edited, record);
        }
        ASSERT_TRUE(done);
        dir.write(file, edited);
    }
    void editFirstPayment(const QString &file, qint64 amount)
    {
        editFirstPayment(file,
                         [amount](TValue &pay) { pay.setInt(QStringLiteral("amount"), amount); });
    }
    void removeRecords(const QDate &day)
    {
        for (const QString &name : names(dayDir(day))) {
            if (name.startsWith(QLatin1String("closing-"))) {
                ASSERT_TRUE(QFile::remove(dir.file(dayDir(day) + name)));
            }
        }
    }
    static QStringList texts(const QList<TReconciliationFinding> &findings)
    {
        QStringList out;
        for (const TReconciliationFinding &f : findings)
            out << f.text;
        return out;
    }
    static QStringList figures(const QList<TReconciliationFinding> &findings)
    {
        QStringList out;
        for (const TReconciliationFinding &f : findings)
            out << f.figure;
        return out;
    }
};

} // namespace

TEST_F(ReconciliationCheck, ClosedDaysReconcileWithTheirRecordsAndSummaries)
{
    closeTwoDays();
    EXPECT_EQ(QStringList(), figures(check()));
    EXPECT_EQ(QStringList(), figures(check(firstDay)));
}

// The day summary edited to another payment amount: the figure is named with
// the amount of each side, on that day only.
TEST_F(ReconciliationCheck, ASummaryEditedToAnotherPaymentAmountIsNamed)
{
    closeTwoDays();
    editFirstPayment(summaryOf(firstDay), 600);
    const QList<TReconciliationFinding> findings = check();
    ASSERT_EQ(1, findings.size()) << figures(findings).join(QLatin1Char('|')).toStdString();
    const TReconciliationFinding &f = findings.first();
    EXPECT_EQ(firstDay, f.date);
    EXPECT_EQ(record(firstDay, f.z).z, f.z); // the day's last closing
    EXPECT_EQ(summaryOf(firstDay), f.file);
    EXPECT_EQ(QStringLiteral("payments (payment form 0)"), f.figure);
    EXPECT_TRUE(f.hasRecords);
    EXPECT_TRUE(f.hasSummary);
    // four bills of 500
    EXPECT_EQ(2000, f.records);
    EXPECT_EQ(2100, f.summary);
    EXPECT_EQ(2000, f.bills);
    EXPECT_EQ(QStringLiteral("Z %1 (2014-03-05): payments (payment form 0) does not reconcile: "
                             "the closing records 20.00, the day summary 21.00, the bills 20.00")
                      .arg(f.z),
              f.text);
    EXPECT_TRUE(check(secondDay).isEmpty());
}

TEST_F(ReconciliationCheck, ABillChangedAfterItsClosingShowsOnTheBillsSide)
{
    closeTwoDays();
    // bill 1 of the first day with a third order line and paid for it
    dir.write(dayDir(firstDay) + QStringLiteral("a1"), turnovertest::billBytes(11, 7, 3));
    const QList<TReconciliationFinding> findings = check(firstDay);
    const QStringList names = figures(findings);
    EXPECT_TRUE(names.contains(QStringLiteral("Bill total"))) << names.join('|').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("payments (payment form 0)")));
    EXPECT_TRUE(names.contains(QStringLiteral("VAT 0.00 %, gross")));
    for (const TReconciliationFinding &f : findings) {
        if (f.figure != QStringLiteral("Bill total"))
            continue;
        EXPECT_EQ(2000, f.records);
        EXPECT_EQ(2000, f.summary);
        EXPECT_EQ(2250, f.bills);
        EXPECT_EQ(dayDir(firstDay).chopped(1), f.file);
    }
}

TEST_F(ReconciliationCheck, ADayWithoutRecordsIsReconciledOnSummaryAndBills)
{
    closeTwoDays();
    // as if closed before records were kept
    removeRecords(secondDay);
    EXPECT_TRUE(check(secondDay).isEmpty());
    editFirstPayment(summaryOf(secondDay), 1);
    const QList<TReconciliationFinding> findings = check(secondDay);
    ASSERT_EQ(1, findings.size());
    EXPECT_FALSE(findings.first().hasRecords);
    EXPECT_FALSE(findings.first().text.contains(QStringLiteral("closing records")))
            << findings.first().text.toStdString();
    // bills of 500 and 750, the first payment made 1 in the summary
    EXPECT_TRUE(findings.first().text.endsWith(
            QStringLiteral(": the day summary 7.51, the bills 12.50")))
            << findings.first().text.toStdString();
}

TEST_F(ReconciliationCheck, AMissingSummaryIsBuiltWhenNeededAndNoFinding)
{
    closeTwoDays();
    ASSERT_TRUE(QFile::remove(dir.file(summaryOf(firstDay))));
    EXPECT_TRUE(check(firstDay).isEmpty());
    // and reading does not build it
    EXPECT_FALSE(QFile::exists(dir.file(summaryOf(firstDay))));
}

// Without records a payment form is called as the first bill that has it
// calls it, even without a name, and not after a later bill's name.
TEST_F(ReconciliationCheck, APaymentFormIsNamedAfterItsFirstBill)
{
    closeTwoDays();
    removeRecords(secondDay);
    QStringList bills;
    for (const QString &name : names(dayDir(secondDay))) {
        if (name.startsWith(QLatin1Char('a')))
            bills << name;
    }
    ASSERT_EQ(2, bills.size());
    std::sort(bills.begin(), bills.end());
    editFirstPayment(dayDir(secondDay) + bills.last(),
                     [](TValue &pay) { pay.setString(QStringLiteral("payformname"), "Cash"); });
    editFirstPayment(summaryOf(secondDay), 1);
    const QList<TReconciliationFinding> findings = check(secondDay);
    ASSERT_EQ(1, findings.size());
    EXPECT_EQ(QStringLiteral("payments (payment form 0)"), findings.first().figure);
}

// A summary cut off after its closing is named, and left as it is: the
// check reads only, and a report would build the summary again.
TEST_F(ReconciliationCheck, ADamagedSummaryIsNamedAndLeftAsItIs)
{
    closeTwoDays();
    const QByteArray whole = dir.read(summaryOf(firstDay));
    const QByteArray cut = whole.left(whole.size() / 2);
    dir.write(summaryOf(firstDay), cut);
    const QList<TReconciliationFinding> findings = check(firstDay);
    ASSERT_EQ(1, findings.size()) << texts(findings).join('|').toStdString();
    EXPECT_EQ(summaryOf(firstDay), findings.first().file);
    EXPECT_TRUE(findings.first().text.contains(QStringLiteral("cannot be read to reconcile it")))
            << findings.first().text.toStdString();
    EXPECT_EQ(cut, dir.read(summaryOf(firstDay)));

    // whole, but with bytes before its first table that are no record: the
    // table they spoil is missing from the summary's figures, and each
    // figure it held is named
    const QByteArray spoilt = QByteArray("\x7f\xff\xff\xff", 4) + whole;
    dir.write(summaryOf(firstDay), spoilt);
    const QStringList again = texts(check(firstDay));
    EXPECT_EQ(5, again.size()) << again.join('|').toStdString();
    for (const QString &text : again)
        EXPECT_TRUE(text.contains(QStringLiteral("the day summary 15.00"))
                    || text.contains(QStringLiteral("the day summary 3,")))
                << text.toStdString();
    EXPECT_EQ(spoilt, dir.read(summaryOf(firstDay)));

    // bytes from which not even a table's first two records can be read:
    // the summary is named as unreadable, not taken for a day whose tables
    // end there
    const QByteArray unreadable = QByteArray("\x7f\xff\xff\xff\x7f\xff\xff\xff", 8) + whole;
    dir.write(summaryOf(firstDay), unreadable);
    const QList<TReconciliationFinding> named = check(firstDay);
    ASSERT_EQ(1, named.size()) << texts(named).join('|').toStdString();
    EXPECT_TRUE(named.first().text.contains(QStringLiteral("cannot be read to reconcile it")))
            << named.first().text.toStdString();
    EXPECT_EQ(unreadable, dir.read(summaryOf(firstDay)));
}
