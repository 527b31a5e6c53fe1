// veltrum export over a demo installation.

#include "testdir.h"
#include "veltrumprocess.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QStringList Lists {QStringLiteral("tables"), QStringLiteral("creates"),
                         QStringLiteral("orders"), QStringLiteral("voids"),
                         QStringLiteral("pays"),   QStringLiteral("infos"),
                         QStringLiteral("splits")};

class ExportCommand : public ::testing::Test
{
protected:
    void SetUp() override { root = writeDemo(dir, 2, 12); }

    Outcome exportTo(const QString &out, const QStringList &more = {}) const
    {
        return veltrum(QStringList {QStringLiteral("export"), QStringLiteral("--data"), root,
                                    QStringLiteral("--out"), out}
                       + more);
    }

    // "name  count" per line, as the command prints them.
    static QMap<QString, int> counts(const Outcome &run)
    {
        QMap<QString, int> found;
        for (const QString &line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(QStringLiteral("  "));
            found.insert(QFileInfo(parts.value(0)).completeBaseName(), parts.value(1).toInt());
        }
        return found;
    }

    TestDir dir;
    QString root;
};

} // namespace

TEST_F(ExportCommand, WritesTheSevenListsAndTellsTheirRecords)
{
    const QString out = dir.file(QStringLiteral("lists"));
    const Outcome run = exportTo(out, {QStringLiteral("--from"), QStringLiteral("2026-12-03"),
                                       QStringLiteral("--to"), QStringLiteral("2026-12-04")});
    ASSERT_EQ(0, run.code) << run.err;
    const QMap<QString, int> records = counts(run);
    EXPECT_EQ(Lists.size(), records.size());
    EXPECT_EQ(24, records.value(QStringLiteral("tables"))) << "two closed days of 12 tables";
    EXPECT_EQ(records.value(QStringLiteral("tables")), records.value(QStringLiteral("creates")));
    EXPECT_EQ(1, records.value(QStringLiteral("infos")));
    for (const QString &name : Lists) {
        QFile file(QDir(out).filePath(name + QStringLiteral(".txt")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray header = file.readLine();
        EXPECT_TRUE(header.startsWith("id,") && header.endsWith("\r\n"))
                << name << " " << header.toStdString();
    }
}

TEST_F(ExportCommand, FilterAndLayoutsOfAReportIni)
{
    dir.write(QStringLiteral("report.ini"),
              "[Settings]\r\nreport = x.vrt\r\n[default]\r\npays = ref_table;payform;amount\r\n");
    const QString out = dir.file(QStringLiteral("card"));
    const Outcome run
            = exportTo(out, {QStringLiteral("--filter"), QStringLiteral("5"),
                             QStringLiteral("--layouts"), dir.file(QStringLiteral("report.ini"))});
    ASSERT_EQ(0, run.code) << run.err;
    const QMap<QString, int> records = counts(run);
    EXPECT_GT(records.value(QStringLiteral("pays")), 0);
    EXPECT_EQ(0, records.value(QStringLiteral("orders"))) << "the filter keeps payments only";
    QFile pays(QDir(out).filePath(QStringLiteral("pays.txt")));
    ASSERT_TRUE(pays.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("ref_table;payform;amount\r\n"), pays.readLine());
}

TEST_F(ExportCommand, WrongArgumentsAndFilesThatStay)
{
    const QString out = dir.file(QStringLiteral("lists"));
    for (const QStringList &args :
         {QStringList {QStringLiteral("--to"), QStringLiteral("2026-12-04")},
          QStringList {QStringLiteral("--filter"), QStringLiteral("99")},
          QStringList {QStringLiteral("--outlet"), QStringLiteral("42")},
          QStringList {QStringLiteral("--layouts"), dir.file(QStringLiteral("none.ini"))}}) {
        const Outcome run = exportTo(out, args);
        EXPECT_EQ(2, run.code) << args.join(QLatin1Char(' '));
        EXPECT_FALSE(QFileInfo::exists(out));
    }
    EXPECT_EQ(2, veltrum({QStringLiteral("export"), QStringLiteral("--data"), root}).code)
            << "--out is required";

    // a table list that cannot be removed: nothing is written
    QDir().mkpath(out + QStringLiteral("/tables.txt/busy"));
    const Outcome run = exportTo(out);
    EXPECT_EQ(1, run.code);
    EXPECT_TRUE(run.err.contains(QStringLiteral("tables.txt"))) << run.err;
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/pays.txt")));
}
