// The same named figure reads the same everywhere: the report's text, JSON
// and CSV, the "Today" panel's figures, the charts, the Z report with its
// reconciliation and `veltrum z`, over generated installations of several
// seeds (splits, voids, tips, vouchers sold and redeemed, staff accounts,
// foreign money) in two system currencies and without a currency list.

#include "tchartpage.h"
#include "tcurrencies.h"
#include "tdayfigures.h"
#include "testdir.h"
#include "testrecords.h"
#include "tfigures.h"
#include "tpricetext.h"
#include "trecordcodec.h"
#include "tworkspacelists.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QString Today = QStringLiteral("2026-12-05");
const QString Now = QStringLiteral("2026-12-05T21:00:00");

struct Installation
{
    quint64 seed;
    int tables;
    QString currency; // the system currency's short name; empty: no currency list
};

QJsonObject json(const Outcome &outcome)
{
    return QJsonDocument::fromJson(outcome.out.toUtf8()).object();
}

// The one group of a report over all waiters.
QJsonObject overallGroup(const QJsonObject &report)
{
    return report.value(QStringLiteral("sections"))[0]
            .toObject()
            .value(QStringLiteral("periods"))[0]
            .toObject()
            .value(QStringLiteral("groups"))[0]
            .toObject();
}

qint64 value(const QJsonObject &object, TFigure figure)
{
    return qint64(object.value(figureKey(figure)).toDouble());
}

// The text after ": " of the first line of `text` that starts with `caption`.
QString printed(const QString &text, const QString &caption)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(caption))
            return line.section(QStringLiteral(": "), 1).trimmed();
    }
    return QStringLiteral("<no line %1>").arg(caption);
}

class FiguresAgree : public ::testing::TestWithParam<Installation>
{
protected:
    void SetUp() override
    {
        const Installation &p = GetParam();
        root = dir.file(QStringLiteral("inst"));
        const Outcome demo = veltrum({QStringLiteral("demo"), root, QStringLiteral("--days"),
                                      QStringLiteral("1"), QStringLiteral("--tables"),
                                      QString::number(p.tables), QStringLiteral("--seed"),
                                      QString::number(p.seed), QStringLiteral("--today"), Today});
        ASSERT_EQ(0, demo.code) << demo.err;
        const QString usrData = root + QStringLiteral("/usr/data/");
        TCurrencies list;
        if (p.currency.isEmpty()) {
            ASSERT_TRUE(QFile::remove(usrData + list.fileName()));
        } else {
            list.load(usrData, list.fileName());
            for (const TCurrency *c : list.currencies()) {
                if (c->shortname() == p.currency)
                    list.setSystemCurrencyId(c->id());
            }
            list.save(usrData, list.fileName());
        }
        lists = std::make_unique<TWorkspaceLists>(root);
        currencies = static_cast<const TCurrencies *>(lists->get(QStringLiteral("currencies")));
        ASSERT_EQ(p.currency.isEmpty(),
                  currencies == nullptr || currencies->systemCurrency() == nullptr);
    }

    Outcome run(const QString &command, const QStringList &args)
    {
        return veltrum(QStringList {command, QStringLiteral("--data"), root} + args);
    }
    Outcome report(int kind, const QString &format, const QStringList &more = {})
    {
        return run(QStringLiteral("report"),
                   QStringList {QStringLiteral("--kind"), QString::number(kind),
                                QStringLiteral("--now"), Now, QStringLiteral("--format"), format}
                           + more);
    }
    QString money(qint64 cents) const { return moneyText(currencies, long(cents)); }
    // An amount as the summary prints it: without a currency list in cents.
    QString reported(qint64 cents) const
    {
        return GetParam().currency.isEmpty() ? QString::number(cents) : money(cents);
    }

    TestDir dir;
    QString root;
    std::unique_ptr<TWorkspaceLists> lists;
    const TCurrencies *currencies = nullptr;
};

} // namespace

TEST_P(FiguresAgree, TheDayBeforeAndAfterItsClosing)
{
    // ---- the current day: report text, JSON, CSV, the panel, the charts
    const Outcome data = report(4, QStringLiteral("json"));
    ASSERT_EQ(0, data.code) << data.err;
    const QJsonObject figures
            = overallGroup(json(data)).value(QStringLiteral("figures")).toObject();
    ASSERT_FALSE(figures.isEmpty());
    const Outcome text = report(4, QStringLiteral("text"));
    ASSERT_EQ(0, text.code);
    EXPECT_EQ(reported(value(figures, TFigure::AllAmount)),
              printed(text.out, QStringLiteral("All amount.")));
    EXPECT_EQ(reported(value(figures, TFigure::AllPayforms)),
              printed(text.out, QStringLiteral("Sum of all payforms")));
    EXPECT_EQ(QString::number(value(figures, TFigure::PaidTables)),
              printed(text.out, QStringLiteral("Paid tables")));

    const Outcome csv = report(4, QStringLiteral("csv"));
    ASSERT_EQ(0, csv.code);
    int figureRows = 0;
    for (const QString &row : csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const QStringList c = row.split(QLatin1Char(','));
        TFigure figure;
        if (c.size() != 11 || c[6] != QLatin1String("figures") || !figureOfKey(c[7], &figure))
            continue;
        ++figureRows;
        EXPECT_EQ(value(figures, figure), (figureIsCount(figure) ? c[9] : c[10]).toLongLong())
                << row;
    }
    EXPECT_EQ(figures.size(), figureRows);

    const TDayFigures panel
            = dayFigures(lists.get(), root, QDateTime::fromString(Now, Qt::ISODate));
    ASSERT_TRUE(panel.read);
    EXPECT_EQ(value(figures, TFigure::AllAmount), panel.allAmount);
    EXPECT_EQ(value(figures, TFigure::PaidTables), panel.paidTables);
    EXPECT_EQ(value(figures, TFigure::Guests), panel.guests);
    EXPECT_EQ(value(figures, TFigure::OpenTables), panel.openTables);
    EXPECT_EQ(value(figures, TFigure::OpenTablesAmount), panel.openAmount);
    EXPECT_EQ(value(figures, TFigure::Voids), panel.voids);
    EXPECT_EQ(value(figures, TFigure::VoidAmount), panel.voidAmount);

    const QList<TChartPage> payforms = chartPages(json(data));
    ASSERT_EQ(1, payforms.size());
    EXPECT_EQ(value(figures, TFigure::AllPayforms), payforms.first().total);
    const Outcome hoursData = report(19, QStringLiteral("json"));
    const QList<TChartPage> hours = chartPages(json(hoursData));
    ASSERT_EQ(1, hours.size());
    // the chart's sum is the report's sum line ("Amount   17186,76 EUR"),
    // the exact amounts added up and rounded once
    QString sumLine;
    for (const QString &line : report(19, QStringLiteral("text")).out.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Amount ")))
            sumLine = line.mid(6).simplified();
    }
    EXPECT_EQ(reported(hours.first().total), sumLine);

    // ---- the day closed: a waiter's closing, then the rest of the day
    const QStringList close = {QStringLiteral("--date"), Today, QStringLiteral("--force"),
                               QStringLiteral("--now"), QStringLiteral("2026-12-05T23:00:00")};
    // the first waiter without an open table closes first
    for (const char *waiter : {"3", "2", "5", "4", "6"}) {
        if (run(QStringLiteral("turnover"),
                close + QStringList {QStringLiteral("--waiter"), QString::fromLatin1(waiter)})
                    .code
            == 0)
            break;
    }
    ASSERT_EQ(0, run(QStringLiteral("turnover"), close).code);
    const QJsonArray closings
            = json(run(QStringLiteral("z"), {QStringLiteral("--format"), QStringLiteral("json")}))
                      .value(QStringLiteral("closings"))
                      .toArray();
    int reconciled = 0, recorded = 0;
    for (const QJsonValue &c : closings) {
        const QJsonObject closing = c.toObject();
        if (!closing.value(QStringLiteral("record")).toBool())
            continue;
        ++recorded;
        const QString z = QString::number(closing.value(QStringLiteral("z")).toInteger());
        const QStringList show = {QStringLiteral("--show"), z, QStringLiteral("--now"),
                                  QStringLiteral("2026-12-05T23:30:00")};
        const QJsonObject zReport = json(
                run(QStringLiteral("z"),
                    show + QStringList {QStringLiteral("--format"), QStringLiteral("json")}));
        const QJsonObject rec = zReport.value(QStringLiteral("reconciliation")).toObject();
        EXPECT_TRUE(rec.value(QStringLiteral("holds")).toBool())
                << "Z " << z << ": "
                << QString::fromUtf8(
                           QJsonDocument(rec.value(QStringLiteral("differences")).toArray())
                                   .toJson());
        EXPECT_TRUE(zReport.value(QStringLiteral("verified")).toBool()) << "Z " << z;
        EXPECT_TRUE(zReport.value(QStringLiteral("reconciled")).toBool()) << "Z " << z;
        // `z` lists the bill total the record holds
        EXPECT_EQ(closing.value(figureKey(TFigure::BillTotal)).toInteger(),
                  zReport.value(QStringLiteral("record"))
                          .toObject()
                          .value(QStringLiteral("totals"))
                          .toObject()
                          .value(QStringLiteral("amount"))
                          .toInteger());
        // the reconciliation ends on the summary's "All amount"
        QJsonObject steps;
        for (const QJsonValue &line : rec.value(QStringLiteral("lines")).toArray())
            steps.insert(line[QStringLiteral("key")].toString(), line.toObject());
        const QJsonObject summary
                = overallGroup(zReport.value(QStringLiteral("summary")).toObject())
                          .value(QStringLiteral("figures"))
                          .toObject();
        for (TFigure figure : {TFigure::AllAmount, TFigure::AllPayforms, TFigure::Tip,
                               TFigure::Credits, TFigure::NotInSummaryAmount}) {
            EXPECT_EQ(value(summary, figure),
                      steps.value(figureKey(figure))[QStringLiteral("amount")].toInteger())
                    << "Z " << z << " " << figureKey(figure);
        }
        const Outcome zText = run(QStringLiteral("z"), show);
        ASSERT_EQ(0, zText.code) << zText.err;
        EXPECT_EQ(money(0), printed(zText.out, QStringLiteral("Difference..")));
        EXPECT_EQ(money(value(summary, TFigure::AllAmount)),
                  printed(zText.out, QStringLiteral("= All amount")));
        if (closing.value(QStringLiteral("kind")).toString() == QLatin1String("day")) {
            // what the panel showed before the closing: the open tables stay open
            EXPECT_EQ(panel.allAmount, value(summary, TFigure::AllAmount));
        }
        ++reconciled;
    }
    EXPECT_EQ(recorded, reconciled);
    EXPECT_GE(recorded, 1);
    const Outcome verify = run(QStringLiteral("verify"), {});
    EXPECT_EQ(0, verify.code) << verify.out;
}

INSTANTIATE_TEST_SUITE_P(Installations, FiguresAgree,
                         ::testing::Values(Installation {1, 24, QStringLiteral("EUR")},
                                           Installation {7, 30, QStringLiteral("CHF")},
                                           Installation {23, 36, QStringLiteral("EUR")},
                                           Installation {42, 20, QString()}));

// A day summary edited to another payment amount: verify names the day and
// the figure, and the Z report's reconciliation names the difference.
TEST(FiguresDisagree, VerifyNamesADayWhoseSummaryWasEdited)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 16);
    ASSERT_EQ(0, veltrum({QStringLiteral("turnover"), QStringLiteral("--data"), root,
                          QStringLiteral("--date"), Today, QStringLiteral("--force"),
                          QStringLiteral("--now"), QStringLiteral("2026-12-05T23:00:00")})
                         .code);
    const QString summaryFile = root + QStringLiteral("/var/summary/2026-12-05.dat");
    QFile file(summaryFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray edited;
    bool done = false;
    qint64 before = 0;
    for (Basics::TValue record : records(file.readAll())) {
        if (!done && record.getInt(QStringLiteral("type")) == 5
            && record.getInt(QStringLiteral("payform")) == 1
            && !record.getBool(QStringLiteral("voided"))) {
            before = record.getLong(QStringLiteral("amount"));
            // longer digits, so that no cache takes the file for the one before
            record.setInt(QStringLiteral("amount"), before * 10 + 7);
            done = true;
        }
        Basics::appendRecord(edited, record);
    }
    file.close();
    ASSERT_TRUE(done);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(edited);
    file.close();

    const Outcome verify = veltrum({QStringLiteral("verify"), QStringLiteral("--data"), root});
    EXPECT_EQ(1, verify.code);
    EXPECT_TRUE(verify.out.contains(
            QStringLiteral("(2026-12-05): Cash (payment form 1) does not reconcile: the closing "
                           "records ")))
            << verify.out;
    EXPECT_TRUE(verify.out.contains(QStringLiteral("the day summary ")));

    const QJsonArray closings = json(veltrum({QStringLiteral("z"), QStringLiteral("--data"), root,
                                              QStringLiteral("--format"), QStringLiteral("json")}))
                                        .value(QStringLiteral("closings"))
                                        .toArray();
    const QString z = QString::number(closings.last()[QStringLiteral("z")].toInteger());
    const Outcome show = veltrum({QStringLiteral("z"), QStringLiteral("--data"), root,
                                  QStringLiteral("--show"), z, QStringLiteral("--now"),
                                  QStringLiteral("2026-12-05T23:30:00")});
    EXPECT_TRUE(show.out.contains(QStringLiteral("Difference in All amount"))) << show.out;
    EXPECT_TRUE(show.out.contains(QStringLiteral("\nReconciled...............: no\n  Z ")))
            << show.out;
    EXPECT_FALSE(show.out.contains(QStringLiteral("\nDifference....."))) << show.out;
}
