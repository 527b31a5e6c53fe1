#include "chainserver.h"

#include "tchaindaysource.h"
#include "testdir.h"
#include "trepdata.h"
#include "trepdatafixture.h"
#include "veltrumprocess.h"

#include <QDomDocument>

#include <memory>

using namespace ChainLib;
using namespace PosLib;
using RepDataTest::groupsXml;

namespace {

const QDate Today(2026, 12, 5);
const QDate First = Today.addDays(-3);
const QDate Last = Today.addDays(-1);

// Two outlets that sent three closed days each.
class ChainDaySourceTest : public ChainServerTest
{
protected:
    void SetUp() override
    {
        ChainServerTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(0, veltrum({QStringLiteral("chain"), QStringLiteral("init"),
                              QStringLiteral("--db"), urlText()})
                             .code);
        m_root = dir.file(QStringLiteral("outlet"));
        const Outcome demo
                = veltrum({QStringLiteral("demo"), m_root, QStringLiteral("--days"),
                           QStringLiteral("3"), QStringLiteral("--tables"), QStringLiteral("12"),
                           QStringLiteral("--today"), Today.toString(Qt::ISODate)});
        ASSERT_EQ(0, demo.code) << demo.err;
        const Outcome pushed = veltrum(
                {QStringLiteral("chain"), QStringLiteral("push"), QStringLiteral("--data"), m_root,
                 QStringLiteral("--db"), urlText(), QStringLiteral("--from"),
                 First.toString(Qt::ISODate), QStringLiteral("--to"), Last.toString(Qt::ISODate)});
        ASSERT_EQ(0, pushed.code) << pushed.err;
        m_office = int(number(QStringLiteral("SELECT min(office_id) FROM days")));
        // a second outlet that sent the first and the last day
        ASSERT_TRUE(db.exec(
                QStringLiteral("INSERT INTO outlets (office_id, name) VALUES (%1 + 1, 'Second');"
                               "INSERT INTO days SELECT office_id + 1, day, day_z, bills, amount, "
                               "received "
                               "FROM days WHERE office_id = %1 AND day <> '%2';"
                               "INSERT INTO day_aggregates SELECT office_id + 1, day, kind, "
                               "format, sha256, "
                               "data FROM day_aggregates WHERE office_id = %1 AND day <> '%2'")
                        .arg(m_office)
                        .arg(First.addDays(1).toString(Qt::ISODate))))
                << db.error().toStdString();
    }

    QList<int> outlets() const { return {m_office, m_office + 1}; }

    // The waiters of the days in turn, each added by `source`.
    QString waitersOf(TChainDaySource &source, const QList<QDate> &days)
    {
        TRepWaiters waiters(nullptr, m_root + QLatin1Char('/'));
        for (const QDate &day : days)
            EXPECT_TRUE(source(day, &waiters, nullptr)) << source.error().toStdString();
        return groupsXml(waiters);
    }

    TestDir dir;
    QString m_root;
    int m_office = 0;
};

} // namespace

TEST_F(ChainDaySourceTest, DaysAskedAgainOrForOtherGroupsAddWhatDaysInOrderAdd)
{
    // each day from a source of its own: a stream per day
    TRepWaiters expected(nullptr, m_root + QLatin1Char('/'));
    for (QDate day = First; day <= Last; day = day.addDays(1)) {
        TChainDaySource alone(db, outlets(), day);
        ASSERT_TRUE(alone(day, &expected, nullptr)) << alone.error().toStdString();
        EXPECT_EQ(day == First.addDays(1) ? 1 : 2, alone.blobs());
    }
    const QString wanted = groupsXml(expected);
    ASSERT_TRUE(wanted.contains(QStringLiteral("<element")));

    TChainDaySource source(db, outlets(), Last);
    EXPECT_EQ(wanted, waitersOf(source, {First, First.addDays(1), Last}));
    EXPECT_EQ(5, source.blobs());
    // the range once more, after it was read to its end
    EXPECT_EQ(wanted, waitersOf(source, {First, First.addDays(1), Last}));
    // after the last day, and after the cost centers of the first
    EXPECT_EQ(groupsXml(TRepWaiters(nullptr, m_root + QLatin1Char('/'))),
              waitersOf(source, {Last.addDays(1)}));
    TRepCenters centers(nullptr, m_root + QLatin1Char('/'));
    ASSERT_TRUE(source(First, nullptr, &centers));
    EXPECT_EQ(wanted, waitersOf(source, {First, First.addDays(1), Last}));
    // a day left out is passed over
    TRepWaiters twoDays(nullptr, m_root + QLatin1Char('/'));
    TChainDaySource skipping(db, outlets(), Last);
    ASSERT_TRUE(skipping(First, &twoDays, nullptr));
    ASSERT_TRUE(skipping(Last, &twoDays, nullptr));
    EXPECT_EQ(4, skipping.blobs());
    EXPECT_NE(wanted, groupsXml(twoDays));
}

TEST_F(ChainDaySourceTest, AGroupsKindNotStoredIsNamedWithItsOutletAndDay)
{
    ASSERT_TRUE(db.exec(QStringLiteral("DELETE FROM day_aggregates WHERE office_id = %1 AND day "
                                       "= '%2' AND kind LIKE 'groups/costcenters%'")
                                .arg(m_office + 1)
                                .arg(Last.toString(Qt::ISODate))))
            << db.error().toStdString();
    TChainDaySource source(db, outlets(), Last);
    TRepWaiters waiters(nullptr, m_root + QLatin1Char('/'));
    TRepCenters centers(nullptr, m_root + QLatin1Char('/'));
    EXPECT_TRUE(source(First, &waiters, &centers)) << source.error().toStdString();
    EXPECT_FALSE(source(Last, &waiters, &centers));
    EXPECT_TRUE(source.error().startsWith(QStringLiteral("outlet %1, %2: the stored groups "
                                                         "(groups/costcenters")
                                                  .arg(m_office + 1)
                                                  .arg(Last.toString(Qt::ISODate))))
            << source.error().toStdString();
    // the rest of the rows is not waited for: the connection serves again
    EXPECT_EQ(5, number(QStringLiteral("SELECT count(*) FROM days")));
}
