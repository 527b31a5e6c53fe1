#include "testdir.h"
#include "treceipt.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QStringList closeArgs(const QString &root)
{
    return {QStringLiteral("turnover"),
            QStringLiteral("--data"),
            root,
            QStringLiteral("--date"),
            QStringLiteral("2026-12-05"),
            QStringLiteral("--now"),
            QStringLiteral("2026-12-05T23:30:00"),
            QStringLiteral("--force")};
}

QStringList zArgs(const QString &root, const QStringList &more = {})
{
    return QStringList {QStringLiteral("z"), QStringLiteral("--data"), root} + more;
}

QJsonObject json(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

} // namespace

// Bad counts are refused before anything is written, naming what is wrong.
TEST(VeltrumCashCount, BadCountsAreRefusedNamingWhy)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 8);
    const QStringList dry = closeArgs(root) + QStringList(QStringLiteral("--dry-run"));

    Outcome r = veltrum(dry + QStringList({QStringLiteral("--count"), QStringLiteral("Amex=3")}));
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("'Amex' is no payment form or cash currency")))
            << r.err;
    EXPECT_TRUE(r.err.contains(QStringLiteral("EC card"))) << r.err; // what could be counted
    r = veltrum(dry + QStringList({QStringLiteral("--count"), QStringLiteral("cash=12.345")}));
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("'12.345' is no amount"))) << r.err;
    r = veltrum(dry
                + QStringList({QStringLiteral("--count"), QStringLiteral("cash=1"),
                               QStringLiteral("--count"), QStringLiteral("Cash=2")}));
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("counted twice"))) << r.err;
    r = veltrum(dry + QStringList({QStringLiteral("--float"), QStringLiteral("150")}));
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--float needs --count"))) << r.err;
    dir.write(QStringLiteral("count.txt"), "# the drawer\ncash=100.00\nfloat: 150\n");
    r = veltrum(
            dry
            + QStringList({QStringLiteral("--count-file"), dir.file(QStringLiteral("count.txt"))}));
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("count.txt:3"))) << r.err;
    r = veltrum(
            dry
            + QStringList({QStringLiteral("--count-file"), dir.file(QStringLiteral("none.txt"))}));
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("none.txt cannot be read"))) << r.err;

    // beyond the tolerance without a comment: the dry run says no, the
    // real run refuses and closes nothing
    const QStringList archives = QDir(root + QStringLiteral("/var/archives")).entryList();
    const QStringList shortCount {QStringLiteral("--count"), QStringLiteral("cash=1.00")};
    r = veltrum(dry + shortCount);
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nCash count\n==========\n"))) << r.out;
    EXPECT_TRUE(r.out.contains(QStringLiteral("would not go through: the cash count differs by")))
            << r.out;
    r = veltrum(closeArgs(root) + shortCount);
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("say why with --comment"))) << r.err;
    EXPECT_EQ(archives, QDir(root + QStringLiteral("/var/archives")).entryList());
}

// A count from a file with its comment: sealed into the record, shown in
// the Z report, `z` and JSON; an edited count fails verify.
TEST(VeltrumCashCount, SealedShownEverywhereAndVerified)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 8);
    dir.write(QStringLiteral("count.txt"), "# the drawer at night\n"
                                           "cash = 0,00\n"
                                           "EC card=0\n"
                                           "float=150.00\n"
                                           "comment=Kasse leer übergeben\n"
                                           "counted-by=Manager\n");
    Outcome r = veltrum(
            closeArgs(root)
            + QStringList({QStringLiteral("--count-file"), dir.file(QStringLiteral("count.txt")),
                           QStringLiteral("--tolerance"), QStringLiteral("0")}));
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nCash count\n"))) << r.out;
    EXPECT_TRUE(r.out.contains(QStringLiteral("Kasse leer übergeben"))) << r.out;

    // the list: the difference column
    const Outcome list = veltrum(zArgs(root, {QStringLiteral("--format"), QStringLiteral("json")}));
    ASSERT_EQ(0, list.code) << list.err;
    const QJsonArray closings = json(list.out).value(QStringLiteral("closings")).toArray();
    const QJsonObject last = closings.last().toObject();
    const long z = long(last.value(QStringLiteral("z")).toInteger());
    const qint64 difference = last.value(QStringLiteral("countDifference")).toInteger();
    EXPECT_LT(difference, -15000); // nothing counted of the float and the takings
    EXPECT_FALSE(closings.first().toObject().contains(QStringLiteral("countDifference")));
    const Outcome text = veltrum(zArgs(root));
    EXPECT_TRUE(text.out.contains(QStringLiteral("Count diff."))) << text.out;

    // the Z report and its JSON
    const QStringList show {QStringLiteral("--show"), QString::number(z), QStringLiteral("--now"),
                            QStringLiteral("2026-12-05T23:45:00")};
    const Outcome report = veltrum(zArgs(root, show));
    ASSERT_EQ(0, report.code) << report.err;
    EXPECT_TRUE(report.out.contains(QStringLiteral("\nCash count\n==========\n"))) << report.out;
    EXPECT_TRUE(report.out.contains(QStringLiteral("Counted by...............: Manager")))
            << report.out;
    const Outcome data = veltrum(
            zArgs(root, show + QStringList({QStringLiteral("--format"), QStringLiteral("json")})));
    const QJsonObject count = json(data.out).value(QStringLiteral("cashCount")).toObject();
    EXPECT_EQ(difference, count.value(QStringLiteral("difference")).toInteger());
    EXPECT_EQ(15000, count.value(QStringLiteral("float")).toInteger());
    EXPECT_EQ(2, json(data.out)
                         .value(QStringLiteral("record"))
                         .toObject()
                         .value(QStringLiteral("format"))
                         .toInt());

    EXPECT_EQ(0, veltrum({QStringLiteral("verify"), QStringLiteral("--data"), root}).code);
    // someone makes the drawer look right
    const QString recordPath
            = QStringLiteral("%1/var/statist/tag05.12.2026/closing-%2.json").arg(root).arg(z);
    QFile file(recordPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    const QByteArray counted("\"counted\": 0,");
    ASSERT_TRUE(bytes.contains(counted)) << bytes.constData();
    bytes.replace(bytes.indexOf(counted), counted.size(), QByteArray("\"counted\": 41250,"));
    dir.write(QDir(dir.path()).relativeFilePath(recordPath), bytes);
    const Outcome verify = veltrum({QStringLiteral("verify"), QStringLiteral("--data"), root});
    EXPECT_NE(0, verify.code) << verify.out;
    EXPECT_TRUE(
            (verify.out + verify.err)
                    .contains(QStringLiteral("Z %1 (2026-12-05): the closing record was changed")
                                      .arg(z)))
            << verify.out << verify.err;
}

// The Z report on the receipt printer: the narrow text and the ESC/POS
// bytes of the same width read back into the same lines.
TEST(VeltrumReceipt, TheZReportAsNarrowTextAndEscPos)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 8);
    ASSERT_EQ(0, veltrum(closeArgs(root)).code);
    const long z
            = json(veltrum(zArgs(root, {QStringLiteral("--format"), QStringLiteral("json")})).out)
                      .value(QStringLiteral("closings"))
                      .toArray()
                      .last()
                      .toObject()
                      .value(QStringLiteral("z"))
                      .toInteger();
    const QStringList show {QStringLiteral("--show"), QString::number(z), QStringLiteral("--now"),
                            QStringLiteral("2026-12-05T23:45:00")};
    const Outcome narrow = veltrum(
            zArgs(root, show + QStringList({QStringLiteral("--width"), QStringLiteral("32")})));
    ASSERT_EQ(0, narrow.code) << narrow.err;
    QStringList lines = narrow.out.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : lines)
        EXPECT_LE(line.size(), 32) << line.toStdString();
    // the reconciliation's payment forms and the exceptions come one figure
    // a line with its value at the edge, not as the words of a table row
    EXPECT_GE(
            lines.filter(QRegularExpression(QStringLiteral("^  Payments \\.+ -?[0-9.,]+$"))).size(),
            2);
    EXPECT_EQ(1,
              lines.filter(QRegularExpression(QStringLiteral("^  Voids \\(\\d+\\) \\.+ [0-9.,]+$")))
                      .size());

    const QString file = dir.file(QStringLiteral("z.escpos"));
    const Outcome escpos = veltrum(
            zArgs(root, show
                                + QStringList({QStringLiteral("--width"), QStringLiteral("32"),
                                               QStringLiteral("--format"), QStringLiteral("escpos"),
                                               QStringLiteral("--output"), file})));
    ASSERT_EQ(0, escpos.code) << escpos.err;
    QFile bytes(file);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    QString error;
    EXPECT_EQ(lines, PosLib::escPosText(bytes.readAll(), &error)) << error.toStdString();

    EXPECT_EQ(2,
              veltrum(zArgs(root,
                            show + QStringList({QStringLiteral("--width"), QStringLiteral("40")})))
                      .code);
    EXPECT_EQ(2, veltrum(zArgs(root, {QStringLiteral("--format"), QStringLiteral("escpos")})).code);
    const Outcome queue = veltrum(zArgs(
            root,
            show
                    + QStringList({QStringLiteral("--format"), QStringLiteral("escpos"),
                                   QStringLiteral("--output"), dir.file(QStringLiteral("no/z"))})));
    EXPECT_EQ(1, queue.code);
    EXPECT_TRUE(queue.err.contains(QStringLiteral("the receipt was not printed"))) << queue.err;
}
