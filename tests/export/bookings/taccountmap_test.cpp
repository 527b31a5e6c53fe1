#include "closeddemo.h"
#include "taccountmap.h"
#include "testdir.h"
#include "tinifile.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

class AccountMapTest : public ::testing::Test
{
protected:
    void writeFile(const QByteArray &text)
    {
        dir.write(QStringLiteral("etc/accounting.ini"), text);
    }
    // The error of reading the file, empty when it reads.
    QString readError(const QString &chart = QString())
    {
        QString error;
        return TAccountMap::read(dir.path(), chart, &map, &error) ? QString() : error;
    }

    TestDir dir;
    TAccountMap map;
};

} // namespace

TEST_F(AccountMapTest, TheChartsDefaultsUnderTheFilesAccounts)
{
    closeddemo::writeAccounting(dir.path(), "fiscalyear = 07-01\n\n[SKR03]\nrevenue19 = 8401\n"
                                            "Revenue5.5 = 8310\n\n[Payforms]\n6 = vouchers\n"
                                            "9 = 1210\n");
    ASSERT_EQ(QString(), readError());
    EXPECT_EQ(29098, map.consultant);
    EXPECT_EQ(55003, map.client);
    EXPECT_EQ(QStringLiteral("skr03"), map.chart);
    EXPECT_EQ(7, map.fiscalMonth);
    EXPECT_EQ(1, map.fiscalDay);
    EXPECT_EQ(4, map.accountLength);
    EXPECT_FALSE(map.fixed);
    EXPECT_EQ(QStringLiteral("8401"), map.revenueAccount(1900));
    EXPECT_EQ(QStringLiteral("8300"), map.revenueAccount(700));
    EXPECT_EQ(QStringLiteral("8310"), map.revenueAccount(550));
    EXPECT_EQ(QStringLiteral("8100"), map.revenueAccount(0));
    EXPECT_EQ(QString(), map.revenueAccount(1600));
    EXPECT_EQ(QStringLiteral("1000"), map.payformAccount(1, true));
    EXPECT_EQ(QStringLiteral("1360"), map.payformAccount(2, false));
    EXPECT_EQ(QStringLiteral("1700"), map.payformAccount(6, true));
    EXPECT_EQ(QStringLiteral("1210"), map.payformAccount(9, false));

    // --chart skr04: the other chart's defaults; its section is not there
    ASSERT_EQ(QString(), readError(QStringLiteral("skr04")));
    EXPECT_EQ(QStringLiteral("4400"), map.revenueAccount(1900));
    EXPECT_EQ(QStringLiteral("1600"), map.payformAccount(1, true));
    EXPECT_EQ(QStringLiteral("1460"), map.payformAccount(2, false));
    EXPECT_EQ(QStringLiteral("3500"), map.payformAccount(6, false));
}

TEST_F(AccountMapTest, LongerAccountsWidenTheDefaults)
{
    closeddemo::writeAccounting(dir.path(), "accountlength = 5\nchart = SKR04\n"
                                            "[SKR04]\ntips = 13700\n");
    ASSERT_EQ(QString(), readError());
    EXPECT_EQ(QStringLiteral("16000"), map.account(QStringLiteral("cash")));
    EXPECT_EQ(QStringLiteral("44000"), map.revenueAccount(1900));
    EXPECT_EQ(QStringLiteral("13700"), map.account(QStringLiteral("tips")));
    EXPECT_EQ(QStringLiteral("skr04"), map.chart);
}

TEST_F(AccountMapTest, RevenueKeysNameTheRateAsAPercentage)
{
    EXPECT_EQ(QStringLiteral("revenue19"), TAccountMap::revenueKey(1900));
    EXPECT_EQ(QStringLiteral("revenue0"), TAccountMap::revenueKey(0));
    EXPECT_EQ(QStringLiteral("revenue5.5"), TAccountMap::revenueKey(550));
    EXPECT_EQ(QStringLiteral("revenue7.25"), TAccountMap::revenueKey(725));
}

TEST_F(AccountMapTest, EveryMistakeNamesTheFileAndTheKey)
{
    const QString file = dir.path() + QStringLiteral("etc/accounting.ini");
    EXPECT_TRUE(readError().startsWith(file + QStringLiteral(": missing")))
            << readError().toStdString();

    const QList<QPair<QByteArray, QString>> cases {
            {"[Bookings]\nclient = 5\n", QStringLiteral("[Bookings] consultant is missing")},
            {"[Bookings]\nconsultant = 1000\nclient = 5\n",
             QStringLiteral("[Bookings] consultant = 1000: not a number from 1001 to 9999999")},
            {"[Bookings]\nconsultant = 29098\n", QStringLiteral("[Bookings] client is missing")},
            {"[Bookings]\nconsultant = 29098\nclient = x1\n",
             QStringLiteral("[Bookings] client = x1: not a number from 1 to 99999")},
            {"[Bookings]\nconsultant = 29098\nclient = 1\nchart = skr99\n",
             QStringLiteral("[Bookings] chart = skr99: skr03 or skr04")},
            {"[Bookings]\nconsultant = 29098\nclient = 1\nfiscalyear = 02-30\n",
             QStringLiteral("[Bookings] fiscalyear = 02-30: the first day of the fiscal year as "
                            "MM-dd, e.g. 01-01")},
            {"[Bookings]\nconsultant = 29098\nclient = 1\ndictation = ABC\n",
             QStringLiteral("[Bookings] dictation = ABC: at most two letters or digits")},
            {"[Bookings]\nconsultant = 29098\nclient = 1\n[SKR03]\ncash = 100\n",
             QStringLiteral("[SKR03] cash = 100: an account of 4 digits")},
            {"[Bookings]\nconsultant = 29098\nclient = 1\n[SKR03]\ncoffee = 4711\n",
             QStringLiteral("[SKR03] coffee: no such purpose")},
            {"[Bookings]\nconsultant = 29098\nclient = 1\n[Payforms]\n3 = wallet\n",
             QStringLiteral("[Payforms] 3 = wallet: an account or a purpose")},
            {"[Bookings]\nconsultant = 29098\nclient = 1\n[Payforms]\ncard = 1360\n",
             QStringLiteral("[Payforms] card: not a payform number")},
    };
    for (const auto &c : cases) {
        writeFile(c.first);
        EXPECT_TRUE(readError().startsWith(file + QStringLiteral(": ") + c.second))
                << c.first.toStdString() << " gave " << readError().toStdString();
    }
}

TEST_F(AccountMapTest, TheShippedFileNamesEveryDefaultOfBothCharts)
{
    QFile shipped(QStringLiteral(VELTRUM_SOURCE_DIR "/etc/accounting.ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray text = shipped.readAll();
    writeFile(text);
    for (const QString &chart : {QStringLiteral("skr03"), QStringLiteral("skr04")}) {
        ASSERT_EQ(QString(), readError(chart));
        EXPECT_EQ(1001, map.consultant);
        const Basics::TInifile ini(dir.path() + QStringLiteral("etc/accounting.ini"));
        QStringList keys = TAccountMap::roles();
        keys << QStringLiteral("revenue19") << QStringLiteral("revenue7")
             << QStringLiteral("revenue0");
        for (const QString &key : keys) {
            EXPECT_EQ(TAccountMap::defaultAccount(chart, key),
                      ini.readString(chart.toUpper(), key).trimmed())
                    << chart.toStdString() << " " << key.toStdString();
        }
        EXPECT_EQ(keys.size(), ini.section(chart.toUpper())->keys().size());
    }
}
