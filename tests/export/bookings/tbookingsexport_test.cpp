#include "closeddemo.h"
#include "csvfields.h"
#include "taccountmap.h"
#include "tbookingbatch.h"
#include "tbookingsexport.h"
#include "tcloseddays.h"
#include "tclosingbills.h"
#include "tclosingledger.h"
#include "tdaybookings.h"
#include "testdir.h"
#include "texporteddays.h"
#include "ttable.h"
#include "ttableentry.h"
#include "twindows1252.h"
#include "tworkspacelists.h"
#include "tzreport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Today(2026, 12, 5);

// The fields of a line of the batch; quoted fields without their quotes.
QStringList fields(const QString &line)
{
    return csvFields(line, QLatin1Char(';'));
}

qint64 cents(const QString &amount)
{
    const QStringList parts = amount.split(QLatin1Char(','));
    EXPECT_EQ(2, parts.size()) << amount.toStdString();
    EXPECT_EQ(2, parts.value(1).size()) << amount.toStdString();
    return parts.value(0).toLongLong() * 100 + parts.value(1).toLongLong();
}

// A value of the "figures" of the Z report's summary ("tip", "credits").
qint64 figure(const QJsonValue &value, const QString &name)
{
    if (value.isObject()) {
        const QJsonObject o = value.toObject();
        if (o.contains(QStringLiteral("figures")))
            return o.value(QStringLiteral("figures")).toObject().value(name).toInteger();
        for (const QJsonValue &child : o)
            if (const qint64 found = figure(child, name))
                return found;
    } else if (value.isArray()) {
        for (const QJsonValue &child : value.toArray())
            if (const qint64 found = figure(child, name))
                return found;
    }
    return 0;
}

class BookingsExportTest : public ::testing::Test
{
protected:
    void SetUp() override { root = dir.file(QStringLiteral("inst/")); }

    void writeDemo(int days, int tables, const QByteArray &accounting = QByteArray())
    {
        closeddemo::write(root, days, tables, Today);
        closeddemo::writeAccounting(root, accounting
                                                  + "[Payforms]\n5 = receivables\n6 = vouchers\n"
                                                    "7 = staff\n");
    }

    // Exports the range into `output` (a file or folder of the test
    // directory); the error, empty on success.
    QString exportRange(const QDate &from, const QDate &to, const QString &output,
                        bool force = false, const QString &chart = QString(),
                        std::function<bool()> keepGoing = {})
    {
        TBookingsRequest request;
        request.root = root;
        request.from = from;
        request.to = to;
        request.output = dir.file(output);
        request.force = force;
        request.chart = chart;
        request.now = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 15, 250));
        files.clear();
        QString error;
        TBookingsExport exporter;
        exporter.setKeepGoing(std::move(keepGoing));
        return exporter.run(request, &files, &error) ? QString() : error;
    }

    TestDir dir;
    QString root;
    QList<TBookingsFile> files;
};

} // namespace

TEST_F(BookingsExportTest, ADemoMonthParsesBackAndAddsUpToTheZReportsPerDay)
{
    writeDemo(30, 12);
    const QDate from(2026, 11, 1), to(2026, 11, 30);
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("november.csv")));
    ASSERT_EQ(1, files.size());
    EXPECT_EQ(dir.file(QStringLiteral("november.csv")), files[0].path);
    EXPECT_EQ(26, files[0].days); // closed from the 5th
    EXPECT_FALSE(files[0].again);

    const QByteArray bytes = dir.read(QStringLiteral("november.csv"));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n"));
    const QString text = fromWindows1252(bytes);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), text.count(QLatin1Char('\n')));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    ASSERT_GT(lines.size(), 2);

    const QStringList header = fields(lines[0]);
    ASSERT_EQ(31, header.size());
    EXPECT_EQ((QStringList {QStringLiteral("EXTF"), QStringLiteral("700"), QStringLiteral("21"),
                            QStringLiteral("Buchungsstapel"), QStringLiteral("13"),
                            QStringLiteral("20261206093015250")}),
              header.mid(0, 6));
    EXPECT_EQ(QStringLiteral("29098"), header[10]);
    EXPECT_EQ(QStringLiteral("55003"), header[11]);
    EXPECT_EQ(QStringLiteral("20260101"), header[12]);
    EXPECT_EQ(QStringLiteral("4"), header[13]);
    EXPECT_EQ(QStringLiteral("20261101"), header[14]);
    EXPECT_EQ(QStringLiteral("20261130"), header[15]);
    EXPECT_EQ(QStringLiteral("EUR"), header[21]);
    const QStringList titles = fields(lines[1]);
    EXPECT_EQ(125, titles.size());
    EXPECT_EQ(QStringLiteral("Gegenkonto (ohne BU-Schlüssel)"), titles[7]);

    // per day: what each payform took, per rate, vouchers, tips, surcharges
    struct Day
    {
        QMap<QString, qint64> byPayform;
        QMap<QString, qint64> revenue; // "Revenue 19 %"
        qint64 vouchersSold = 0, tips = 0, tipsPaidOut = 0, surcharges = 0, differences = 0;
    };
    QMap<QDate, Day> days;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList f = fields(lines[i]);
        ASSERT_EQ(125, f.size()) << "line " << i + 1;
        EXPECT_TRUE(f[1] == QLatin1String("S") || f[1] == QLatin1String("H"));
        ASSERT_EQ(4, f[9].size());
        const QDate date(2026, f[9].mid(2, 2).toInt(), f[9].left(2).toInt());
        ASSERT_TRUE(date.isValid() && date >= from && date <= to) << f[9].toStdString();
        EXPECT_EQ(4, f[6].size());
        EXPECT_EQ(4, f[7].size());
        EXPECT_LE(f[13].size(), 60);
        EXPECT_LE(f[10].size(), 36);
        const qint64 amount = cents(f[0]);
        EXPECT_GT(amount, 0);
        Day &day = days[date];
        const QString what = f[13].section(QStringLiteral(" / "), 0, 0);
        const QString payform = f[13].section(QStringLiteral(" / "), 1);
        if (what.startsWith(QLatin1String("Revenue"))) {
            day.revenue[what] += amount;
            day.byPayform[payform] += amount;
        } else if (what.startsWith(QLatin1String("Surcharges"))) {
            day.surcharges += amount;
            day.byPayform[payform] += amount;
        } else if (what == QLatin1String("Vouchers sold")) {
            day.vouchersSold += amount;
            day.byPayform[payform] += amount;
        } else if (what == QLatin1String("Bill differences")) {
            day.differences += amount;
        } else if (what == QLatin1String("Tips")) {
            day.tips += amount;
        } else if (what == QLatin1String("Tips paid out")) {
            day.tipsPaidOut += amount;
        }
    }
    EXPECT_EQ(26, days.size());

    TWorkspaceLists lists(root);
    const TClosingLedger ledger(root);
    int checked = 0;
    for (const TClosing &closing : ledger.closings()) {
        if (closing.date < from || closing.date > to)
            continue;
        ++checked;
        SCOPED_TRACE(closing.date.toString(Qt::ISODate).toStdString());
        ASSERT_TRUE(closing.recordReadable);
        TZReport z(&lists, root);
        ASSERT_TRUE(z.build(closing.z, QDateTime(Today, QTime(12, 0))));
        const QJsonObject totals = z.data().value(QStringLiteral("record"))
                                           .toObject()
                                           .value(QStringLiteral("totals"))
                                           .toObject();
        const Day &day = days[closing.date];
        EXPECT_EQ(0, day.differences);

        // every payform took what the Z report says it took
        QMap<QString, qint64> payments;
        qint64 paid = 0;
        for (const QJsonValue &p : totals.value(QStringLiteral("payments")).toArray()) {
            const QJsonObject o = p.toObject();
            payments[o.value(QStringLiteral("name")).toString()]
                    += o.value(QStringLiteral("amount")).toInteger();
            paid += o.value(QStringLiteral("amount")).toInteger();
        }
        EXPECT_EQ(payments, day.byPayform);

        // the order lines per VAT rate are the Z report's gross, vouchers
        // sold among the tax-free ones
        qint64 zeroRate = 0;
        for (const QJsonValue &v : totals.value(QStringLiteral("vatRates")).toArray()) {
            const QJsonObject o = v.toObject();
            const int rate = o.value(QStringLiteral("rate")).toInt();
            const qint64 gross = o.value(QStringLiteral("gross")).toInteger();
            const QString key = QStringLiteral("Revenue %1 %").arg(rate / 100);
            if (rate == 0)
                zeroRate = gross;
            else
                EXPECT_EQ(gross, day.revenue.value(key)) << key.toStdString();
        }
        EXPECT_EQ(zeroRate, day.revenue.value(QStringLiteral("Revenue 0 %")) + day.vouchersSold);
        // and what the bills charged besides their lines is what the pays
        // took beyond the Z report's total
        EXPECT_EQ(paid - totals.value(QStringLiteral("amount")).toInteger(), day.surcharges);

        const QJsonValue summary = z.data().value(QStringLiteral("summary"));
        EXPECT_EQ(figure(summary, QStringLiteral("credits")), day.vouchersSold);
        EXPECT_EQ(figure(summary, QStringLiteral("tip")), day.tips);
        EXPECT_EQ(day.tips, day.tipsPaidOut);
        EXPECT_GT(day.vouchersSold + day.tips + day.surcharges, 0);
    }
    EXPECT_EQ(26, checked);
}

TEST_F(BookingsExportTest, AnExportAgainIsTheSameFileAndOtherBookingsNeedForce)
{
    writeDemo(3, 8);
    const QDate from(2026, 12, 2), to(2026, 12, 4);
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("out/")));
    ASSERT_EQ(1, files.size());
    const QString name = QStringLiteral("out/EXTF_Buchungsstapel_20261202_20261204.csv");
    EXPECT_EQ(dir.file(name), files[0].path);
    const QByteArray first = dir.read(name);
    TExportedDays record;
    QString error;
    ASSERT_TRUE(record.read(root, &error)) << error.toStdString();
    EXPECT_TRUE(record.contains(from));
    EXPECT_EQ(files[0].path, record.day(from).file);
    EXPECT_EQ(QStringLiteral("20261206093015250"), record.day(from).created);

    // again: the same bytes, with the first export's creation stamp
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("again.csv")));
    EXPECT_TRUE(files[0].again);
    EXPECT_EQ(first, dir.read(QStringLiteral("again.csv")));
    // one of its days alone: the same day lines
    ASSERT_EQ(QString(), exportRange(to, to, QStringLiteral("last.csv")));
    const QByteArray last = dir.read(QStringLiteral("last.csv"));
    EXPECT_TRUE(first.endsWith(last.mid(last.indexOf("\r\n", last.indexOf("\r\n") + 2) + 2)));

    // other accounts: refused, nothing written, until --force
    const QString refused
            = exportRange(from, to, QStringLiteral("skr04.csv"), false, QStringLiteral("skr04"));
    EXPECT_TRUE(refused.startsWith(QStringLiteral("2026-12-02, 2026-12-03, 2026-12-04 exported "
                                                  "before (to %1) with other bookings; "
                                                  "nothing was written. --force")
                                           .arg(dir.file(name))))
            << refused.toStdString();
    EXPECT_FALSE(dir.exists(QStringLiteral("skr04.csv")));
    ASSERT_EQ(QString(),
              exportRange(from, to, QStringLiteral("skr04.csv"), true, QStringLiteral("skr04")));
    EXPECT_NE(first, dir.read(QStringLiteral("skr04.csv")));
    ASSERT_TRUE(record.read(root, &error));
    EXPECT_EQ(dir.file(QStringLiteral("skr04.csv")), record.day(to).file);
    // and now the new bookings are the ones recorded
    EXPECT_EQ(QString(), exportRange(from, to, QStringLiteral("skr04-again.csv"), false,
                                     QStringLiteral("skr04")));
}

TEST_F(BookingsExportTest, ARangeAcrossTheFiscalYearsEndIsTwoFiles)
{
    // the fiscal year starts on 1 December
    writeDemo(6, 6, "fiscalyear = 12-01\n");
    // cancelled in the second fiscal year: not even the first one's file
    int asked = 0;
    EXPECT_EQ(QStringLiteral("cancelled; nothing was written"),
              exportRange(QDate(2026, 11, 15), QDate(2026, 12, 31), QStringLiteral("takings.csv"),
                          false, QString(), [&asked] { return ++asked < 4; }));
    EXPECT_EQ(4, asked);
    EXPECT_TRUE(files.isEmpty());
    EXPECT_EQ(QStringList(), QDir(dir.path()).entryList({QStringLiteral("takings*")}));
    TExportedDays record;
    QString error;
    ASSERT_TRUE(record.read(root, &error)) << error.toStdString();
    EXPECT_FALSE(record.contains(QDate(2026, 11, 30)));

    ASSERT_EQ(QString(),
              exportRange(QDate(2026, 11, 15), QDate(2026, 12, 31), QStringLiteral("takings.csv")));
    ASSERT_EQ(2, files.size());
    EXPECT_EQ(dir.file(QStringLiteral("takings_20261115_20261130.csv")), files[0].path);
    EXPECT_EQ(2, files[0].days);
    EXPECT_EQ(dir.file(QStringLiteral("takings_20261201_20261231.csv")), files[1].path);
    EXPECT_EQ(4, files[1].days);
    const QStringList first = fields(fromWindows1252(
            dir.read(QStringLiteral("takings_20261115_20261130.csv")).split('\r').first()));
    EXPECT_EQ(QStringLiteral("20251201"), first[12]);
    EXPECT_EQ(QStringLiteral("20261115"), first[14]);
    EXPECT_EQ(QStringLiteral("20261130"), first[15]);
    const QStringList second = fields(fromWindows1252(
            dir.read(QStringLiteral("takings_20261201_20261231.csv")).split('\r').first()));
    EXPECT_EQ(QStringLiteral("20261201"), second[12]);
    EXPECT_FALSE(dir.exists(QStringLiteral("takings.csv")));
}

TEST_F(BookingsExportTest, ATextWindows1252CannotHoldIsRefusedWithItsLine)
{
    PosLib::TDemoOptions options;
    options.days = 1;
    options.tables = 4;
    options.today = Today;
    PosLib::TDemoInstallation(options).write(root);
    closeddemo::writeAccounting(root);
    // a payform named with a check mark, before the day is sealed
    const QDate day(2026, 12, 4);
    const QString dayDir = TClosingLedger::dayDirectory(root, day);
    bool renamed = false;
    for (const auto &file : dayBillFiles(dayDir)) {
        TTable table(day, file.first, nullptr, root);
        ASSERT_EQ(TTable::Loaded, table.load(dayDir + file.second));
        table.entries().forEach([&](TTableEntry *e) {
            if (e->type() == EntryPay && !renamed) {
                e->setString(QStringLiteral("payformname"), QStringLiteral("Karte ✓"));
                renamed = true;
            }
        });
        QByteArray bytes;
        table.write(bytes);
        QFile out(dayDir + file.second);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        if (renamed)
            break;
    }
    ASSERT_TRUE(renamed);
    closeddemo::sealClosings(root);

    // the line it stands on, as the day's bookings give it
    TAccountMap map;
    TClosedDay closedDay;
    QList<TBooking> bookings;
    QString error;
    ASSERT_TRUE(TAccountMap::read(root, QString(), &map, &error));
    ASSERT_TRUE(TClosedDays(root).load(day, &closedDay, &error)) << error.toStdString();
    ASSERT_TRUE(TDayBookings::make(closedDay, map, &bookings, &error));
    qsizetype index = 0;
    while (index < bookings.size() && !bookings[index].text.contains(QStringLiteral("✓")))
        ++index;
    ASSERT_LT(index, bookings.size());

    const QString refused = exportRange(day, day, QStringLiteral("x.csv"));
    EXPECT_TRUE(refused.startsWith(QStringLiteral("2026-12-04: line %1: the character '✓' (U+2713) "
                                                  "cannot be written in Windows-1252: ")
                                           .arg(index + 3)))
            << refused.toStdString();
    EXPECT_TRUE(refused.contains(bookings[index].text));
    EXPECT_TRUE(refused.endsWith(QStringLiteral("; nothing was written")));
    EXPECT_FALSE(dir.exists(QStringLiteral("x.csv")));
    EXPECT_FALSE(QFile::exists(root + TExportedDays::fileName()));
}

TEST_F(BookingsExportTest, OnlyClosedDaysAndOnlyWithTheMappingFile)
{
    writeDemo(2, 4);
    EXPECT_EQ(QStringLiteral("no closed day from 2026-12-05 to 2026-12-31; nothing was written"),
              exportRange(Today, QDate(2026, 12, 31), QStringLiteral("x.csv")));
    EXPECT_FALSE(dir.exists(QStringLiteral("x.csv")));
    QFile::remove(root + QStringLiteral("etc/accounting.ini"));
    EXPECT_TRUE(exportRange(QDate(2026, 12, 3), QDate(2026, 12, 4), QStringLiteral("x.csv"))
                        .startsWith(root + QStringLiteral("etc/accounting.ini: missing")));
    EXPECT_FALSE(dir.exists(QStringLiteral("x.csv")));
}

TEST_F(BookingsExportTest, ACountedCashDifferenceIsBookedAsShortOrOverOnItsDay)
{
    // the 2nd counted with an empty drawer, the 3rd with far too much, the
    // 4th not counted
    const QDate shortDay(2026, 12, 2), overDay(2026, 12, 3);
    closeddemo::write(root, 3, 6, Today, {{shortDay, 0}, {overDay, 10000000}});
    closeddemo::writeAccounting(root);
    ASSERT_EQ(QString(), exportRange(shortDay, QDate(2026, 12, 4), QStringLiteral("count.csv")));

    // the differences the closing records sealed, by Z
    QMap<long, qint64> sealed;
    const TClosingLedger ledger(root);
    for (const TClosing &closing : ledger.closings()) {
        ASSERT_TRUE(closing.recordReadable);
        if (!closing.record.cashCount.isEmpty())
            sealed.insert(closing.z, closing.record.cashCount.difference());
        EXPECT_EQ(closing.record.cashCount.isEmpty(), !countedCashDifference(closing).has_value());
    }
    ASSERT_EQ(2, sealed.size());

    QStringList lines = fromWindows1252(dir.read(QStringLiteral("count.csv")))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QMap<long, qint64> booked;
    QMap<long, QDate> bookedOn;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList f = fields(lines[i]);
        const QString text = f.value(13);
        if (!text.startsWith(QLatin1String("Cash counted")))
            continue;
        const long z = text.section(QStringLiteral("(Z "), 1).chopped(1).toLong();
        const bool isShort = text.startsWith(QLatin1String("Cash counted short"));
        booked[z] += isShort ? -cents(f[0]) : cents(f[0]);
        bookedOn[z] = QDate(2026, f[9].mid(2, 2).toInt(), f[9].left(2).toInt());
        // short: the loss against the till, over: the till against the gain
        EXPECT_EQ(QStringLiteral("1000"), isShort ? f[7] : f[6]) << text.toStdString();
    }
    EXPECT_EQ(sealed, booked);
    for (auto it = sealed.cbegin(); it != sealed.cend(); ++it) {
        const TClosing *closing = ledger.find(it.key());
        ASSERT_TRUE(closing);
        EXPECT_EQ(closing->date, bookedOn.value(it.key()));
        EXPECT_EQ(closing->date == shortDay, it.value() < 0);
    }
}
