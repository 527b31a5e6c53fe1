#include "tcomparisontext.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "treportrun.h"
#include "tsummarydatasink.h"
#include "tworkspacelists.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Today(2026, 12, 5);

QString key(const QJsonObject &o, const char *first, const char *second)
{
    return o.value(QLatin1String(first)).toVariant().toString() + QLatin1Char('\n')
           + o.value(QLatin1String(second)).toVariant().toString();
}

QJsonArray array(const QJsonObject &o, const char *name)
{
    return o.value(QLatin1String(name)).toArray();
}

// The groups of a document by section, period and "grouping\nnumber".
using Groups = QMap<QString, QJsonObject>;
Groups groupsOf(const QJsonObject &document)
{
    Groups groups;
    const QJsonArray sections = array(document, "sections");
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const QJsonArray periods = array(sections[s].toObject(), "periods");
        for (qsizetype p = 0; p < periods.size(); ++p) {
            for (const QJsonValue &g : array(periods[p].toObject(), "groups"))
                groups.insert(QStringLiteral("%1/%2/").arg(s).arg(p)
                                      + key(g.toObject(), "grouping", "number"),
                              g.toObject());
        }
    }
    return groups;
}

class ReportComparison : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        dir = new TestDir;
        TDemoOptions o;
        o.days = 16;
        o.tables = 8;
        o.today = Today;
        TDemoInstallation(o).write(dir->path());
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    static TReportRequest request(int kind, const QDate &from, const QDate &to)
    {
        TReportRequest r;
        r.kind = kind;
        r.from = from;
        r.to = to;
        r.now = QDateTime(Today, QTime(22, 0));
        r.withData = true;
        return r;
    }

    static TReportResult run(const TReportRequest &r)
    {
        TWorkspaceLists lists(dir->path());
        TReportRun runner(&lists, dir->path());
        return runner.run(r);
    }

    // Every count, amount, sum and figure of `one` stands in `joined` under
    // `side` ("" for the report's own, "compared" for the compared days').
    static void expectHolds(const QJsonObject &joined, const QJsonObject &one, const char *side)
    {
        const Groups joinedGroups = groupsOf(joined);
        const Groups groups = groupsOf(one);
        for (auto g = groups.cbegin(); g != groups.cend(); ++g) {
            SCOPED_TRACE(g.key().toStdString());
            ASSERT_TRUE(joinedGroups.contains(g.key()));
            const QJsonObject j = joinedGroups.value(g.key());
            const QJsonObject numbers = *side ? j.value(QLatin1String(side)).toObject() : j;
            for (const char *kind : {"figures", "sums"}) {
                const QJsonObject own = g->value(QLatin1String(kind)).toObject();
                const QJsonObject shown = numbers.value(QLatin1String(kind)).toObject();
                for (auto it = own.constBegin(); it != own.constEnd(); ++it)
                    EXPECT_EQ(it->toDouble(), shown.value(it.key()).toDouble())
                            << kind << ' ' << it.key().toStdString();
            }
            // items by node and key; records each once
            QMap<QString, QList<QJsonObject>> joinedItems;
            for (const QJsonValue &v : array(j, "items"))
                joinedItems[key(v.toObject(), "node", "key")] << v.toObject();
            for (const QJsonValue &v : array(*g, "items")) {
                const QJsonObject item = v.toObject();
                const QList<QJsonObject> candidates = joinedItems.value(key(item, "node", "key"));
                const bool found = std::any_of(
                        candidates.cbegin(), candidates.cend(), [&](const QJsonObject &c) {
                            const QJsonObject values
                                    = *side ? c.value(QLatin1String(side)).toObject() : c;
                            return values.value(QLatin1String("count")).toDouble()
                                           == item.value(QLatin1String("count")).toDouble()
                                   && values.value(QLatin1String("amount")).toDouble()
                                              == item.value(QLatin1String("amount")).toDouble();
                        });
                EXPECT_TRUE(found) << key(item, "node", "key").toStdString();
            }
        }
    }

    static TestDir *dir;
};

TestDir *ReportComparison::dir = nullptr;

} // namespace

TEST_F(ReportComparison, AComparisonHoldsTheFiguresOfTwoSeparateRuns)
{
    const QDate from(2026, 11, 30);
    const QDate to(2026, 12, 4);
    // the full summary over all waiters and per cost center, articles,
    // hours, discounts, tables (records) and a batch
    for (int kind : {4, 6, 7, 19, 32, 38, 102}) {
        SCOPED_TRACE(kind);
        TReportRequest compared = request(kind, from, to);
        compared.compare.mode = TCompareWith::Week;
        const TReportResult joined = run(compared);
        ASSERT_EQ(TReportResult::Done, joined.status);
        const TReportResult now = run(request(kind, from, to));
        const TReportResult then = run(request(kind, from.addDays(-7), to.addDays(-7)));
        ASSERT_FALSE(groupsOf(now.data).isEmpty());
        ASSERT_FALSE(groupsOf(then.data).isEmpty());
        expectHolds(joined.data, now.data, "");
        expectHolds(joined.data, then.data, "compared");
        // a group or item of one period only has 0 for the other
        for (const QJsonObject &group : groupsOf(joined.data)) {
            for (const QJsonValue &v : array(group, "items")) {
                const QJsonObject item = v.toObject();
                const QString in = item.value(QLatin1String("presentIn")).toString();
                if (in == QLatin1String("current")) {
                    EXPECT_EQ(
                            0,
                            item[QStringLiteral("compared")][QStringLiteral("amount")].toDouble());
                } else if (in == QLatin1String("compared")) {
                    EXPECT_EQ(0, item[QStringLiteral("amount")].toDouble());
                }
            }
        }
    }
}

// Handed to a sink, a comparison's sections are those of its document: the
// records of both runs wait in a temporary file until the documents are
// joined, and without one the documents are held whole.
TEST_F(ReportComparison, SectionsHandedToASinkAreTheDocuments)
{
    for (int kind : {5, 38, 3}) {
        SCOPED_TRACE(kind);
        TReportRequest r = request(kind, Today.addDays(-7), Today.addDays(-1));
        r.compare.mode = TCompareWith::Previous;
        const TReportResult whole = run(r);
        ASSERT_EQ(TReportResult::Done, whole.status);
        const QByteArray expected = QJsonDocument(whole.data).toJson(QJsonDocument::Compact);
        // pays and voids of both weeks among the items
        EXPECT_GT(expected.count("\"presentIn\":\"compared\""), 20);

        const QByteArray saved = qgetenv("TMPDIR");
        for (bool spooled : {true, false}) {
            SCOPED_TRACE(spooled);
            if (!spooled)
                qputenv("TMPDIR", dir->file(QStringLiteral("no/such/folder")).toLocal8Bit());
            QBuffer sections;
            sections.open(QIODevice::WriteOnly);
            TSummaryJsonWriter writer(&sections);
            r.dataSink = &writer;
            const TReportResult sunk = run(r);
            r.dataSink = nullptr;
            if (saved.isNull())
                qunsetenv("TMPDIR");
            else
                qputenv("TMPDIR", saved);
            ASSERT_EQ(TReportResult::Done, sunk.status);
            writer.flush();
            EXPECT_FALSE(sunk.data.contains(QStringLiteral("sections")));
            EXPECT_TRUE(sunk.lines.isEmpty());
            const TJsonFrame frame = jsonFrame(sunk.data, QStringLiteral("sections"));
            EXPECT_EQ(expected, frame.open + sections.data() + frame.close);
        }
    }
}

TEST_F(ReportComparison, ThePeriodsOfARangeArePairedInTheirOrder)
{
    TReportRequest r = request(19, QDate(2026, 11, 30), QDate(2026, 12, 4));
    r.period = 2; // 30.11-1.12, 2.12-3.12, 4.12
    r.compare.mode = TCompareWith::Year;
    const TReportResult joined = run(r);
    const QJsonArray periods = array(array(joined.data, "sections")[0].toObject(), "periods");
    ASSERT_EQ(3, periods.size());
    EXPECT_EQ(QStringLiteral("2026-12-02"), periods[1][QStringLiteral("from")].toString());
    // the demo holds no days a year back: every item is this year's alone
    EXPECT_EQ(QStringLiteral("2025-12-03"),
              periods[1][QStringLiteral("compared")][QStringLiteral("from")].toString());
    const QJsonObject group = array(periods[1].toObject(), "groups")[0].toObject();
    EXPECT_EQ(QStringLiteral("current"), group[QStringLiteral("presentIn")].toString());
    for (const QJsonValue &item : array(group, "items"))
        EXPECT_EQ(QStringLiteral("current"), item[QStringLiteral("presentIn")].toString());
    EXPECT_TRUE(joined.lines.contains(QStringLiteral("Compared with  Wednesday, 3.12.2025 - "
                                                     "Thursday, 4.12.2025")))
            << joined.lines.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ReportComparison, TheCurrentDayGoesUpToTheSameHourOfTheComparedDay)
{
    TReportRequest r = request(19, QDate(), QDate());
    r.now = QDateTime(Today, QTime(14, 0));
    r.compare.mode = TCompareWith::Week;
    const TReportResult joined = run(r);
    ASSERT_EQ(TReportResult::Done, joined.status);
    const QJsonObject head = joined.data[QStringLiteral("compared")].toObject();
    EXPECT_EQ(QStringLiteral("2026-11-28"), head[QStringLiteral("from")].toString());
    EXPECT_EQ(QStringLiteral("14:00:00"), head[QStringLiteral("until")].toString());

    // the same day whole, by hour
    const TReportResult whole = run(request(19, QDate(2026, 11, 28), QDate(2026, 11, 28)));
    QMap<int, double> wholeDay;
    for (const QJsonValue &v : array(groupsOf(whole.data).first(), "items"))
        wholeDay[v[QStringLiteral("values")][QStringLiteral("hour")].toInt()]
                = v[QStringLiteral("amount")].toDouble();
    ASSERT_TRUE(std::any_of(wholeDay.keyBegin(), wholeDay.keyEnd(), [](int h) { return h >= 15; }));
    int hours = 0;
    for (const QJsonValue &v : array(groupsOf(joined.data).first(), "items")) {
        const int hour = v[QStringLiteral("values")][QStringLiteral("hour")].toInt();
        const double then = v[QStringLiteral("compared")][QStringLiteral("amount")].toDouble();
        // the day starts at 06:00 (etc/globals.ini): up to 14:00 it held
        // the hours 6 to 13 whole, nothing later
        if (hour >= 6 && hour <= 13) {
            EXPECT_EQ(wholeDay.value(hour), then) << hour;
            ++hours;
        } else if (hour >= 15 || hour < 6) {
            EXPECT_EQ(0, then) << hour;
        }
    }
    EXPECT_GT(hours, 0);
    EXPECT_TRUE(joined.lines.contains(
            QStringLiteral("Compared with  Saturday, 28.11.2026 until 14:00")))
            << joined.lines.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ReportComparison, TheTextShowsTheDifferenceAndThePercentBesideEachFigure)
{
    TReportRequest r = request(4, QDate(2026, 12, 4), QDate(2026, 12, 4));
    r.compare.mode = TCompareWith::Previous;
    r.withData = false;
    const TReportResult joined = run(r);
    const QStringList &lines = joined.lines;
    EXPECT_EQ(QStringLiteral("Amount of all waiters"), lines.value(1));
    EXPECT_TRUE(lines.contains(QStringLiteral("Compared with  Thursday, 3.12.2026")));

    const QJsonObject group = groupsOf(joined.data).first();
    const double now = group[QStringLiteral("figures")][QStringLiteral("allAmount")].toDouble();
    const double then = group[QStringLiteral("compared")][QStringLiteral("figures")]
                             [QStringLiteral("allAmount")]
                                     .toDouble();
    const QString percent = TComparisonText::percentText(now, then);
    ASSERT_FALSE(percent.isEmpty());
    // "All amount...............:     <amount>  <difference>  <percent>"
    const QRegularExpression allAmount(
            QStringLiteral("^All amount\\.+: +([-0-9,]+) +([-+0-9,]+) +(\\S+)$"));
    bool seen = false;
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = allAmount.match(line);
        if (!m.hasMatch())
            continue;
        seen = true;
        EXPECT_EQ(now, QString(m.captured(1)).remove(QLatin1Char(',')).toDouble());
        EXPECT_EQ(now - then, QString(m.captured(2)).remove(QLatin1Char(',')).toDouble());
        EXPECT_EQ(percent, m.captured(3));
        break;
    }
    EXPECT_TRUE(seen) << lines.join(QLatin1Char('\n')).toStdString();
    // "Paid tables" is a count: its columns stand left of the amounts
    const QRegularExpression paid(QStringLiteral("^Paid tables\\.+: +\\d+ +[-+]?\\d+ +\\S+$"));
    EXPECT_TRUE(std::any_of(lines.cbegin(), lines.cend(),
                            [&](const QString &l) { return paid.match(l).hasMatch(); }));
}

// The text alone counts the lists of records (tables, voids, hotel rooms)
// instead of listing them; it reads the same as the text made beside the
// whole data, which lists every record.
TEST_F(ReportComparison, TheTextCountsListsOfRecordsAsTheWholeDataDoes)
{
    for (int kind : {38, 18, 40, 102}) {
        SCOPED_TRACE(kind);
        TReportRequest r = request(kind, QDate(2026, 11, 30), QDate(2026, 12, 4));
        r.compare.mode = TCompareWith::Week;
        const TReportResult whole = run(r);
        r.withData = false;
        const TReportResult text = run(r);
        ASSERT_EQ(TReportResult::Done, text.status);
        EXPECT_EQ(whole.lines, text.lines);
        // the counted lists are in the text's data as numbers, not as items
        for (const QJsonObject &group : groupsOf(text.data)) {
            for (const QJsonValue &v : array(group, "items")) {
                const QString node = v[QStringLiteral("node")].toString();
                EXPECT_FALSE(TComparisonText::nodesCounted().contains(node)) << node.toStdString();
            }
        }
    }
}

TEST_F(ReportComparison, AComparisonStoresNoFiscalSummary)
{
    // batch 1 of the demo is fiscal: over one closed day a run of its own
    // stores the day's fiscal summary, a comparison never does
    TReportRequest r = request(101, QDate(2026, 12, 3), QDate(2026, 12, 3));
    r.compare.mode = TCompareWith::Week;
    const TReportResult joined = run(r);
    ASSERT_EQ(TReportResult::Done, joined.status);
    EXPECT_EQ(QStringLiteral("Day closing"), joined.batchName);
    EXPECT_TRUE(QDir(dir->path() + QStringLiteral("var/reports")).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(4, array(joined.data, "sections").size());
}
