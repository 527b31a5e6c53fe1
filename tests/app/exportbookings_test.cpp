#include "testdir.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class ExportBookingsCommand : public ::testing::Test
{
protected:
    void SetUp() override { root = writeDemo(dir, 2, 6); }
    void writeMapping()
    {
        QFile file(root + QStringLiteral("/etc/accounting.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Bookings]\nconsultant = 29098\nclient = 55003\n");
    }
    Outcome exportBookings(const QStringList &more)
    {
        return veltrum(QStringList {QStringLiteral("export"), QStringLiteral("bookings"),
                                    QStringLiteral("--data"), root, QStringLiteral("--from"),
                                    QStringLiteral("2026-12-03"), QStringLiteral("--to"),
                                    QStringLiteral("2026-12-04"), QStringLiteral("--now"),
                                    QStringLiteral("2026-12-06T08:00:00")}
                       + more);
    }

    TestDir dir;
    QString root;
};

} // namespace

TEST_F(ExportBookingsCommand, WritesTheBatchAndSaysWhere)
{
    writeMapping();
    const QString file = dir.file(QStringLiteral("nov.csv"));
    const Outcome done = exportBookings({QStringLiteral("--output"), file});
    ASSERT_EQ(0, done.code) << done.err;
    EXPECT_TRUE(done.out.startsWith(file + QStringLiteral("  2026-12-03 - 2026-12-04  2 days  ")))
            << done.out;
    EXPECT_TRUE(dir.read(QStringLiteral("nov.csv")).startsWith("\"EXTF\";700;21;"));

    // the same again, into a folder: the same bytes, said so
    const Outcome again
            = exportBookings({QStringLiteral("--output"), dir.file(QStringLiteral("out/"))});
    ASSERT_EQ(0, again.code) << again.err;
    EXPECT_TRUE(again.out.contains(QStringLiteral("(exported before, the same)"))) << again.out;
    EXPECT_EQ(dir.read(QStringLiteral("nov.csv")),
              dir.read(QStringLiteral("out/EXTF_Buchungsstapel_20261203_20261204.csv")));

    // other accounts: refused with exit 1, --force named, until forced
    const Outcome refused = exportBookings(
            {QStringLiteral("--chart"), QStringLiteral("skr04"), QStringLiteral("--output"), file});
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--force"))) << refused.err;
    EXPECT_TRUE(refused.out.isEmpty());
    const Outcome forced
            = exportBookings({QStringLiteral("--chart"), QStringLiteral("skr04"),
                              QStringLiteral("--output"), file, QStringLiteral("--force")});
    EXPECT_EQ(0, forced.code) << forced.err;
}

TEST_F(ExportBookingsCommand, FailuresExitNonZeroNamingTheCause)
{
    const Outcome missing
            = exportBookings({QStringLiteral("--output"), dir.file(QStringLiteral("x.csv"))});
    EXPECT_EQ(1, missing.code);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("etc/accounting.ini: missing"))) << missing.err;
    EXPECT_FALSE(dir.exists(QStringLiteral("x.csv")));

    writeMapping();
    const Outcome chart = exportBookings({QStringLiteral("--chart"), QStringLiteral("skr05")});
    EXPECT_EQ(2, chart.code);
    EXPECT_TRUE(chart.err.contains(QStringLiteral("--chart"))) << chart.err;

    const Outcome open = veltrum({QStringLiteral("export"), QStringLiteral("bookings"),
                                  QStringLiteral("--data"), root, QStringLiteral("--from"),
                                  QStringLiteral("2026-12-05"), QStringLiteral("--output"),
                                  dir.file(QStringLiteral("today.csv"))});
    EXPECT_EQ(1, open.code);
    EXPECT_TRUE(open.err.contains(QStringLiteral("no closed day from 2026-12-05 to 2026-12-05")))
            << open.err;
    EXPECT_FALSE(dir.exists(QStringLiteral("today.csv")));
}
