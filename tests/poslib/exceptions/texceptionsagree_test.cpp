#include "tdemoinstallation.h"
#include "testdir.h"
#include "texceptionsrun.h"
#include "treportrun.h"
#include "tround.h"
#include "tworkspacelists.h"

#include <QJsonArray>
#include <QLocale>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Today(2026, 12, 5);

// What a report's data hold per group: the counts of its items and the sum
// of one of their values.
struct Sums
{
    double count = 0;
    double value = 0;
};

// Per group number, the items of a one-section report's data.
QMap<int, Sums> reportSums(const QJsonObject &data, const QString &value)
{
    QMap<int, Sums> sums;
    const QJsonObject section = data.value(QStringLiteral("sections")).toArray().first().toObject();
    const QJsonObject period
            = section.value(QStringLiteral("periods")).toArray().first().toObject();
    for (const QJsonValue &g : period.value(QStringLiteral("groups")).toArray()) {
        const QJsonObject group = g.toObject();
        Sums &s = sums[group.value(QStringLiteral("number")).toInt()];
        for (const QJsonValue &i : group.value(QStringLiteral("items")).toArray()) {
            const QJsonObject item = i.toObject();
            s.count += item.value(QStringLiteral("count")).toDouble();
            s.value += item.value(QStringLiteral("values")).toObject().value(value).toDouble();
        }
    }
    return sums;
}

// The same from the exceptions: per group of a side (or all), the counts
// and amounts of a kind's entries.
QMap<int, Sums> exceptionSums(const TExceptionsResult &result, TExceptionKind kind,
                              const QString &grouping)
{
    QMap<int, Sums> sums;
    QMap<int, double> exact;
    for (const TExceptionEntry &e : result.entries) {
        if (e.kind != kind)
            continue;
        const int number = grouping == QLatin1String("all")      ? 0
                           : grouping == QLatin1String("waiter") ? e.waiter
                                                                 : e.center;
        sums[number].count += e.count;
        exact[number] += e.amount;
    }
    for (auto it = exact.cbegin(); it != exact.cend(); ++it)
        sums[it.key()].value = it.value();
    return sums;
}

class ExceptionsAgree : public ::testing::TestWithParam<bool>
{
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        dir = new TestDir;
        TDemoOptions o;
        o.days = 4;
        o.tables = 30;
        o.today = Today;
        TDemoInstallation(o).write(dir->path());
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    // closed days (the parameter) or the current day
    QDate from() const { return GetParam() ? Today.addDays(-4) : QDate(); }
    QDate to() const { return GetParam() ? Today.addDays(-1) : QDate(); }

    QJsonObject report(int kind) const
    {
        TWorkspaceLists lists(dir->path());
        TReportRun run(&lists, dir->path());
        TReportRequest request;
        request.kind = kind;
        request.from = from();
        request.to = to();
        request.withData = true;
        request.now = QDateTime(Today, QTime(21, 45));
        const TReportResult result = run.run(request);
        EXPECT_EQ(TReportResult::Done, result.status) << kind;
        return result.data;
    }

    const TExceptionsResult &exceptions() const
    {
        static TExceptionsResult results[2];
        static bool made[2] = {false, false};
        const int i = GetParam() ? 1 : 0;
        if (!made[i]) {
            TExceptionsRun run(nullptr, dir->path());
            TExceptionsRequest request;
            request.from = from();
            request.to = to();
            request.now = QDateTime(Today, QTime(21, 45));
            results[i] = run.run(request);
            made[i] = true;
        }
        return results[i];
    }

    struct Kind
    {
        int kind;
        const char *grouping;
    };
    // Compares each report kind's groups with the figure's entries: the
    // counts, and the sum of `value` with the amounts; true when any group
    // counted anything.
    bool agree(std::initializer_list<Kind> kinds, TExceptionKind figure, const QString &value) const
    {
        bool any = false;
        for (const Kind &k : kinds) {
            const QMap<int, Sums> expected = reportSums(report(k.kind), value);
            const QMap<int, Sums> found
                    = exceptionSums(exceptions(), figure, QString::fromLatin1(k.grouping));
            EXPECT_EQ(expected.keys(), found.keys()) << k.kind;
            for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
                EXPECT_DOUBLE_EQ(it->count, found.value(it.key()).count)
                        << k.kind << " " << it.key();
                EXPECT_EQ(roundHalfUp(it->value), roundHalfUp(found.value(it.key()).value))
                        << k.kind << " " << it.key();
                any = any || it->count > 0;
            }
        }
        return any;
    }

    static TestDir *dir;
};

TestDir *ExceptionsAgree::dir = nullptr;

} // namespace

// Kinds 13-18: the voids (by article, and one by one) over all, per waiter
// and per cost center: the same counts and amounts.
TEST_P(ExceptionsAgree, VoidsAgreeWithTheVoidReports)
{
    EXPECT_TRUE(agree({{13, "all"},
                       {14, "waiter"},
                       {15, "center"},
                       {16, "all"},
                       {17, "waiter"},
                       {18, "center"}},
                      TExceptionKind::Voids, QStringLiteral("amount")))
            << "the demo voids nothing";
    // and the team's figure is the sum of them
    const QMap<int, Sums> all
            = exceptionSums(exceptions(), TExceptionKind::Voids, QStringLiteral("all"));
    EXPECT_EQ(roundHalfUp(all.value(0).value),
              exceptions().waiters.total.figure(TExceptionKind::Voids).amount());
}

// Kinds 32-34: the discounts: their counts and the money they took off
// ("Lost money").
TEST_P(ExceptionsAgree, DiscountsAgreeWithTheDiscountReports)
{
    EXPECT_TRUE(agree({{32, "all"}, {33, "waiter"}, {34, "center"}}, TExceptionKind::Discounts,
                      QStringLiteral("discount")))
            << "the demo discounts nothing";
}

// Kinds 35-37: the price findings: the pays with a subvention and the
// subvention's amount.
TEST_P(ExceptionsAgree, PriceFindingsAgreeWithThePriceFindingReports)
{
    EXPECT_TRUE(agree({{35, "all"}, {36, "waiter"}, {37, "center"}}, TExceptionKind::PriceFindings,
                      QStringLiteral("subvamount")))
            << "the demo has no price findings";
}

// The takings are the waiter report's "All amount" of each waiter.
TEST_P(ExceptionsAgree, TakingsAreTheWaiterReportsAllAmount)
{
    const QJsonObject data = report(5);
    const QJsonObject section = data.value(QStringLiteral("sections")).toArray().first().toObject();
    const QJsonObject period
            = section.value(QStringLiteral("periods")).toArray().first().toObject();
    int groups = 0;
    for (const QJsonValue &g : period.value(QStringLiteral("groups")).toArray()) {
        const QJsonObject group = g.toObject();
        const int number = group.value(QStringLiteral("number")).toInt();
        const qint64 allAmount = qint64(group.value(QStringLiteral("figures"))
                                                .toObject()
                                                .value(QStringLiteral("allAmount"))
                                                .toDouble());
        const TExceptionGroup *waiter = exceptions().waiters.group(0, number);
        ASSERT_TRUE(waiter) << number;
        EXPECT_EQ(allAmount, waiter->takings) << number;
        ++groups;
    }
    EXPECT_GT(groups, 2);
}

INSTANTIATE_TEST_SUITE_P(ClosedDaysAndCurrentDay, ExceptionsAgree, ::testing::Bool());
