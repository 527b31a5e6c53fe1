#include "chainserver.h"

#include "tclosinganchor.h"
#include "tclosingrecord.h"
#include "testdir.h"
#include "tinstallation.h"
#include "tsettings.h"
#include "veltrumprocess.h"
#include "xlsxreader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSqlQuery>

namespace {

const QString First = QStringLiteral("2026-12-03");
const QString Today = QStringLiteral("2026-12-05");
const QString Now = QStringLiteral("2026-12-06T09:00:00");

// count and amount of every item of one node, over all groups and periods
using Items = QMap<QString, QPair<double, qint64>>;

Items itemsOf(const QString &json, const QString &node)
{
    Items items;
    const QJsonArray sections = QJsonDocument::fromJson(json.toUtf8())
                                        .object()
                                        .value(QStringLiteral("sections"))
                                        .toArray();
    for (const QJsonValue &section : sections) {
        for (const QJsonValue &period :
             section.toObject().value(QStringLiteral("periods")).toArray()) {
            for (const QJsonValue &group :
                 period.toObject().value(QStringLiteral("groups")).toArray()) {
                for (const QJsonValue &v :
                     group.toObject().value(QStringLiteral("items")).toArray()) {
                    const QJsonObject item = v.toObject();
                    if (item.value(QStringLiteral("node")).toString() != node)
                        continue;
                    auto &sum = items[item.value(QStringLiteral("key")).toString()];
                    sum.first += item.value(QStringLiteral("count")).toDouble();
                    sum.second += item.value(QStringLiteral("amount")).toInteger();
                }
            }
        }
    }
    return items;
}

Items added(const QList<Items> &parts)
{
    Items sum;
    for (const Items &part : parts) {
        for (auto it = part.begin(); it != part.end(); ++it) {
            sum[it.key()].first += it.value().first;
            sum[it.key()].second += it.value().second;
        }
    }
    return sum;
}

class ChainOutletsTest : public ChainServerTest
{
protected:
    // A demo installation of two closed days and today's paid bills whose
    // record names office `office` and, for the statistics upload, the
    // database `server`/`database`.
    QString outlet(int office, const QString &server)
    {
        const QString root = dir.file(QStringLiteral("outlet%1").arg(office));
        const Outcome demo = veltrum(
                {QStringLiteral("demo"), root, QStringLiteral("--days"), QStringLiteral("2"),
                 QStringLiteral("--tables"), QStringLiteral("10"), QStringLiteral("--seed"),
                 QString::number(office * 11), QStringLiteral("--today"), Today});
        EXPECT_EQ(0, demo.code) << demo.err;
        PosLib::TSettings settings;
        const QString data = root + QStringLiteral("/usr/data/");
        settings.load(data, settings.fileName());
        Basics::TValue *record = settings.installation();
        EXPECT_TRUE(record);
        if (!record)
            return root;
        record->setInt(QStringLiteral("officeid"), office);
        record->setString(QStringLiteral("installationname"),
                          QStringLiteral("Outlet %1").arg(office));
        record->setBool(QStringLiteral("cloudserviceactive"), true);
        record->setInt(QStringLiteral("cloudservice"), 1);
        record->setString(QStringLiteral("dbservername"), server);
        record->setString(QStringLiteral("dbdatabasename"), url().database);
        record->setBool(QStringLiteral("dbnointegratedsec"), true);
        record->setString(QStringLiteral("dbusername"), url().user);
        // the server trusts the socket; the password must not travel
        record->setString(QStringLiteral("dbpassword"), QStringLiteral("secret-pw"));
        settings.save(data, settings.fileName());
        return root;
    }

    static Outcome run(const QStringList &args) { return veltrum(args); }

    Outcome chain(const QString &command, QStringList more)
    {
        return veltrum(QStringList {QStringLiteral("chain"), command} + more);
    }

    Outcome close(const QString &root)
    {
        return veltrum({QStringLiteral("turnover"), QStringLiteral("--data"), root,
                        QStringLiteral("--date"), Today, QStringLiteral("--force")});
    }

    QStringList reportArgs(int kind) const
    {
        return {QStringLiteral("--kind"), QString::number(kind),
                QStringLiteral("--from"), First,
                QStringLiteral("--to"),   Today,
                QStringLiteral("--now"),  Now};
    }

    QJsonArray queued(const QString &root)
    {
        const Outcome status = chain(QStringLiteral("status"),
                                     {QStringLiteral("--data"), root, QStringLiteral("--format"),
                                      QStringLiteral("json")});
        EXPECT_EQ(0, status.code) << status.err;
        return QJsonDocument::fromJson(status.out.toUtf8())
                .object()
                .value(QStringLiteral("queue"))
                .toObject()
                .value(QStringLiteral("days"))
                .toArray();
    }

    TestDir dir;
};

} // namespace

TEST_F(ChainOutletsTest, ThreeOutletsCloseAndTheChainReportsLikeEachOfThemAndTheirSum)
{
    ASSERT_EQ(0, chain(QStringLiteral("init"), {QStringLiteral("--db"), urlText()}).code);
    QMap<int, QString> roots;

    // outlets 1 and 4 reach the database: the closing sends its day
    for (int office : {1, 4}) {
        const QString root = outlet(office, url().host);
        roots.insert(office, root);
        const Outcome pushed = chain(QStringLiteral("push"),
                                     {QStringLiteral("--data"), root, QStringLiteral("--from"),
                                      First, QStringLiteral("--to"), QStringLiteral("2026-12-04")});
        ASSERT_EQ(0, pushed.code) << pushed.err;
        EXPECT_EQ(2, pushed.out.count(QStringLiteral("Sent"))) << pushed.out;
        const Outcome closed = close(root);
        ASSERT_EQ(0, closed.code) << closed.err;
        EXPECT_TRUE(queued(root).isEmpty());
    }

    // outlet 7's server is down: the closing goes through, its day waits
    const QString root7 = outlet(7, QStringLiteral("/nonexistent/veltrum-test-socket"));
    roots.insert(7, root7);
    const Outcome refused = chain(QStringLiteral("push"),
                                  {QStringLiteral("--data"), root7, QStringLiteral("--from"), First,
                                   QStringLiteral("--to"), QStringLiteral("2026-12-04")});
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("still queued: 2026-12-03, 2026-12-04")))
            << refused.err;
    const Outcome closed7 = close(root7);
    ASSERT_EQ(0, closed7.code) << closed7.err;
    EXPECT_TRUE(closed7.out.contains(QStringLiteral("Outcome: done"))) << closed7.out;
    const QJsonArray waiting = queued(root7);
    ASSERT_EQ(3, waiting.size());
    EXPECT_EQ(Today, waiting[2].toObject().value(QStringLiteral("day")).toString());
    EXPECT_EQ(2, waiting[0].toObject().value(QStringLiteral("attempts")).toInt());
    const QString before = digest();

    // the push delivers the queue once; sending again changes nothing
    const Outcome delivered = chain(QStringLiteral("push"), {QStringLiteral("--data"), root7,
                                                             QStringLiteral("--db"), urlText()});
    ASSERT_EQ(0, delivered.code) << delivered.err;
    EXPECT_EQ(3, delivered.out.count(QStringLiteral("Sent"))) << delivered.out;
    EXPECT_TRUE(queued(root7).isEmpty());
    const QString after = digest();
    EXPECT_NE(before, after);
    const Outcome again = chain(QStringLiteral("push"),
                                {QStringLiteral("--data"), root7, QStringLiteral("--db"), urlText(),
                                 QStringLiteral("--from"), First, QStringLiteral("--to"), Today});
    ASSERT_EQ(0, again.code) << again.err;
    EXPECT_EQ(after, digest());
    EXPECT_TRUE(chain(QStringLiteral("push"),
                      {QStringLiteral("--data"), root7, QStringLiteral("--db"), urlText()})
                        .out.contains(QStringLiteral("Nothing to send")));

    // every outlet with its three days and the closings' records
    EXPECT_EQ(9, number(QStringLiteral("SELECT count(*) FROM days")));
    EXPECT_EQ(3, number(QStringLiteral("SELECT count(*) FROM closings")));
    EXPECT_EQ(3, number(QStringLiteral("SELECT count(*) FROM days WHERE day = '%1'").arg(Today)));
    const Outcome status = chain(QStringLiteral("status"), {QStringLiteral("--db"), urlText()});
    ASSERT_EQ(0, status.code) << status.err;
    EXPECT_EQ(3, status.out.count(QStringLiteral("2026-12-03  2026-12-05"))) << status.out;

    // the installation record arrived without the upload's password
    {
        QSqlQuery query(db.database());
        ASSERT_TRUE(db.exec(query,
                            QStringLiteral("SELECT data FROM outlet_files WHERE office_id = 4 AND "
                                           "path = 'usr/data/settings.dat'"),
                            {}));
        ASSERT_TRUE(query.next());
        TestDir copy;
        copy.write(QStringLiteral("settings.dat"), query.value(0).toByteArray());
        PosLib::TSettings settings;
        settings.load(copy.path(), settings.fileName());
        ASSERT_TRUE(settings.installation());
        EXPECT_EQ(QStringLiteral("Outlet 4"), settings.installationName());
        EXPECT_FALSE(settings.installation()->has(QStringLiteral("dbpassword")));
    }

    // each outlet alone: its own report, byte for byte
    for (int kind : {4, 5, 7, 19, 38}) {
        for (int office : roots.keys()) {
            const Outcome local = run(QStringList {QStringLiteral("report"),
                                                   QStringLiteral("--data"), roots.value(office)}
                                      + reportArgs(kind));
            const Outcome chained
                    = chain(QStringLiteral("report"),
                            QStringList {QStringLiteral("--db"), urlText(),
                                         QStringLiteral("--outlets"), QString::number(office)}
                                    + reportArgs(kind));
            ASSERT_EQ(0, local.code) << local.err;
            ASSERT_EQ(0, chained.code) << chained.err;
            EXPECT_EQ(local.out, chained.out) << "kind " << kind << ", outlet " << office;
        }
    }

    // all together: the articles and payment forms add up
    for (const auto &[kind, node] :
         {std::pair {7, QStringLiteral("articles")}, std::pair {4, QStringLiteral("payforms")}}) {
        QList<Items> parts;
        for (const QString &root : roots) {
            const Outcome local
                    = run(QStringList {QStringLiteral("report"), QStringLiteral("--data"), root,
                                       QStringLiteral("--format"), QStringLiteral("json")}
                          + reportArgs(kind));
            ASSERT_EQ(0, local.code) << local.err;
            parts << itemsOf(local.out, node);
            EXPECT_FALSE(parts.last().isEmpty()) << node;
        }
        const Outcome all = chain(QStringLiteral("report"),
                                  QStringList {QStringLiteral("--db"), urlText(),
                                               QStringLiteral("--format"), QStringLiteral("json")}
                                          + reportArgs(kind));
        ASSERT_EQ(0, all.code) << all.err;
        EXPECT_EQ(added(parts), itemsOf(all.out, node)) << node;
    }

    // the groups add up to what the report engine makes of the day summaries
    for (int kind : {5, 7, 9, 21, 38}) {
        const QStringList args = QStringList {QStringLiteral("--db"), urlText()} + reportArgs(kind);
        const Outcome groups
                = chain(QStringLiteral("report"),
                        args + QStringList {QStringLiteral("--source"), QStringLiteral("groups")});
        const Outcome summaries = chain(
                QStringLiteral("report"),
                args + QStringList {QStringLiteral("--source"), QStringLiteral("summaries")});
        ASSERT_EQ(0, groups.code) << groups.err;
        ASSERT_EQ(0, summaries.code) << summaries.err;
        EXPECT_EQ(summaries.out, groups.out) << "kind " << kind;
        EXPECT_TRUE(groups.out.startsWith(QStringLiteral("Summary for: Outlets 1, 4, 7\n")))
                << groups.out;
    }

    // options the groups were not added up with read the day summaries
    {
        const QStringList only4 {QStringLiteral("--db"),       urlText(),
                                 QStringLiteral("--outlets"),  QStringLiteral("4"),
                                 QStringLiteral("--turnover"), QStringLiteral("in")};
        const Outcome chained = chain(QStringLiteral("report"), only4 + reportArgs(7));
        const Outcome local = run(QStringList {QStringLiteral("report"), QStringLiteral("--data"),
                                               roots.value(4), QStringLiteral("--turnover"),
                                               QStringLiteral("in")}
                                  + reportArgs(7));
        ASSERT_EQ(0, chained.code) << chained.err;
        EXPECT_EQ(local.out, chained.out);
        EXPECT_EQ(2,
                  chain(QStringLiteral("report"), only4 + reportArgs(7)
                                                          + QStringList {QStringLiteral("--source"),
                                                                         QStringLiteral("groups")})
                          .code);
    }

    // per outlet: the three reports one after another (damaged groups last)
    const Outcome each
            = chain(QStringLiteral("report"),
                    QStringList {QStringLiteral("--db"), urlText(), QStringLiteral("--per-outlet"),
                                 QStringLiteral("--outlets"), QStringLiteral("7,1")}
                            + reportArgs(5));
    ASSERT_EQ(0, each.code) << each.err;
    EXPECT_EQ(1, each.out.count(QStringLiteral("Summary for: Outlet 1\n")));
    EXPECT_EQ(1, each.out.count(QStringLiteral("Summary for: Outlet 7\n")));
    EXPECT_EQ(0, each.out.count(QStringLiteral("Summary for: Outlet 4\n")));
    EXPECT_LT(each.out.indexOf(QStringLiteral("Outlet 1\n")),
              each.out.indexOf(QStringLiteral("Outlet 7\n")));

    // as a workbook: a sheet per outlet, amounts as numbers in the outlets' currency
    const QString book = dir.file(QStringLiteral("outlets.xlsx"));
    const QStringList perOutlet {QStringLiteral("--db"),         urlText(),
                                 QStringLiteral("--per-outlet"), QStringLiteral("--outlets"),
                                 QStringLiteral("7,1"),          QStringLiteral("--format")};
    const Outcome csv = chain(QStringLiteral("report"),
                              perOutlet + QStringList {QStringLiteral("csv")} + reportArgs(7));
    ASSERT_EQ(0,
              chain(QStringLiteral("report"),
                    perOutlet
                            + QStringList {QStringLiteral("xlsx"), QStringLiteral("--output"), book}
                            + reportArgs(7))
                      .code);
    const QJsonArray sheets = readWorkbook(book).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(2, sheets.size());
    EXPECT_EQ(QStringLiteral("1"), sheets.at(0)[QStringLiteral("name")].toString());
    EXPECT_EQ(QStringLiteral("7"), sheets.at(1)[QStringLiteral("name")].toString());
    // the CSV's rows, the sheets' rows under their titles
    const QStringList csvRows = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(csvRows.size() + 1, sheets.at(0)[QStringLiteral("cells")].toArray().size()
                                          + sheets.at(1)[QStringLiteral("cells")].toArray().size());
    const QJsonObject first = sheets.at(0).toObject();
    const QStringList firstRow = csvRows.value(1).split(QLatin1Char(','));
    ASSERT_EQ(QStringLiteral("amount"), workbookCell(first, 0, 11).toString());
    EXPECT_EQ(firstRow.last().toLongLong(), qRound64(workbookCell(first, 1, 11).toDouble() * 100));
    EXPECT_TRUE(workbookCell(first, 1, 11, 2).toString().contains(QStringLiteral("\"EUR\"")));

    // a stored day that cannot be read is named, never skipped
    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE day_aggregates SET data = '\\x0102' WHERE "
                                       "office_id = 7 AND kind LIKE 'groups/%' AND day = '%1'")
                                .arg(Today)))
            << db.error().toStdString();
    const Outcome damaged = chain(QStringLiteral("report"),
                                  QStringList {QStringLiteral("--db"), urlText()} + reportArgs(5));
    EXPECT_EQ(1, damaged.code);
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("outlet 7, %1").arg(Today))) << damaged.err;
}

TEST_F(ChainOutletsTest, WrongArgumentsAreUsageErrors)
{
    ASSERT_EQ(0, chain(QStringLiteral("init"), {QStringLiteral("--db"), urlText()}).code);
    const QString root = outlet(2, url().host);
    ASSERT_EQ(0, chain(QStringLiteral("push"),
                       {QStringLiteral("--data"), root, QStringLiteral("--from"), First})
                         .code);
    const QStringList base {QStringLiteral("--db"), urlText(), QStringLiteral("--from"), First};
    EXPECT_EQ(2, chain(QStringLiteral("report"),
                       base + QStringList {QStringLiteral("--kind"), QStringLiteral("1")})
                         .code);
    const Outcome unknown
            = chain(QStringLiteral("report"),
                    base
                            + QStringList {QStringLiteral("--kind"), QStringLiteral("7"),
                                           QStringLiteral("--outlets"), QStringLiteral("2,3")});
    EXPECT_EQ(2, unknown.code);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("no outlet 3"))) << unknown.err;
    EXPECT_EQ(2, chain(QStringLiteral("report"),
                       {QStringLiteral("--db"), QStringLiteral("mysql://x/y"),
                        QStringLiteral("--kind"), QStringLiteral("7"), QStringLiteral("--from"),
                        First})
                         .code);
    EXPECT_EQ(2, chain(QStringLiteral("status"), {}).code);
    // a server that is not there: a failure, not a usage error
    EXPECT_EQ(1, chain(QStringLiteral("status"), {QStringLiteral("--db"), deadUrlText()}).code);
}

TEST_F(ChainOutletsTest, TheClosingTimerSendsItsDayAndLaterWhatCouldNotGo)
{
    ASSERT_EQ(0, chain(QStringLiteral("init"), {QStringLiteral("--db"), urlText()}).code);
    auto scheduled = [&](const QString &root) {
        dir.write(QStringLiteral("timer.conf"),
                  QStringLiteral("[installation]\ndata = %1\n[closing]\ndelay = 30\n")
                          .arg(root)
                          .toUtf8());
        return veltrum({QStringLiteral("scheduled-closing"), QStringLiteral("--config"),
                        dir.file(QStringLiteral("timer.conf")), QStringLiteral("--now"),
                        QStringLiteral("2026-12-06T06:40:00")});
    };

    // the database is there: the closing of the 5th sends it
    const QString root = outlet(3, url().host);
    const Outcome sent = scheduled(root);
    ASSERT_EQ(0, sent.code) << sent.err;
    EXPECT_TRUE(sent.out.contains(QStringLiteral("Closed %1").arg(Today))) << sent.out;
    EXPECT_TRUE(queued(root).isEmpty());
    EXPECT_EQ(1,
              number(QStringLiteral("SELECT count(*) FROM days WHERE office_id = 3 AND day = '%1'")
                             .arg(Today)));

    // the database is away: the day is closed and waits; the run says so
    const QString away = outlet(5, QStringLiteral("/nonexistent/veltrum-test-socket"));
    const Outcome waiting = scheduled(away);
    EXPECT_EQ(1, waiting.code);
    EXPECT_TRUE(waiting.out.contains(QStringLiteral("Closed %1").arg(Today))) << waiting.out;
    EXPECT_TRUE(waiting.err.contains(
            QStringLiteral("still queued: %1 (sent at the next run)").arg(Today)))
            << waiting.err;
    ASSERT_EQ(1, queued(away).size());

    // back again: the next run closes nothing and sends what waited
    PosLib::TSettings settings;
    settings.load(away + QStringLiteral("/usr/data/"), settings.fileName());
    settings.installation()->setString(QStringLiteral("dbservername"), url().host);
    settings.save(away + QStringLiteral("/usr/data/"), settings.fileName());
    const Outcome later = scheduled(away);
    EXPECT_EQ(0, later.code) << later.err;
    EXPECT_TRUE(later.out.contains(QStringLiteral("%1 was closed already").arg(Today)))
            << later.out;
    EXPECT_TRUE(later.out.contains(QStringLiteral("Sent %1 to the chain database").arg(Today)))
            << later.out;
    EXPECT_TRUE(queued(away).isEmpty());
    EXPECT_EQ(1,
              number(QStringLiteral("SELECT count(*) FROM days WHERE office_id = 5 AND day = '%1'")
                             .arg(Today)));
}

// A closing with a cash count: the chain database has the count of the
// closing and its lines.
TEST_F(ChainOutletsTest, TheCashCountOfAClosingReachesTheChain)
{
    ASSERT_EQ(0, chain(QStringLiteral("init"), {QStringLiteral("--db"), urlText()}).code);
    const QString root = outlet(2, url().host);
    const Outcome closed = veltrum(
            {QStringLiteral("turnover"), QStringLiteral("--data"), root, QStringLiteral("--date"),
             Today, QStringLiteral("--force"), QStringLiteral("--count"), QStringLiteral("cash=0"),
             QStringLiteral("--count"), QStringLiteral("EC card=0"), QStringLiteral("--comment"),
             QStringLiteral("drawer left empty"), QStringLiteral("--counted-by"),
             QStringLiteral("Manager")});
    ASSERT_EQ(0, closed.code) << closed.err;
    EXPECT_EQ(1, number(QStringLiteral("SELECT count(*) FROM closing_counts WHERE office_id = 2 "
                                       "AND comment = 'drawer left empty' AND counted_by = "
                                       "'Manager'")));
    EXPECT_GT(
            number(QStringLiteral("SELECT count(*) FROM closing_count_lines WHERE office_id = 2")),
            1);
    // the total is the sum of the counted lines
    EXPECT_EQ(number(QStringLiteral("SELECT difference FROM closing_counts WHERE office_id = 2")),
              number(QStringLiteral("SELECT sum(system_difference) FROM closing_count_lines WHERE "
                                    "office_id = 2 AND counted IS NOT NULL")));
    EXPECT_LT(number(QStringLiteral("SELECT difference FROM closing_counts WHERE office_id = 2")),
              0);
}

TEST_F(ChainOutletsTest, AReportOverDaysTheDatabaseNeverReceivedNamesThemAndFails)
{
    ASSERT_EQ(0, chain(QStringLiteral("init"), {QStringLiteral("--db"), urlText()}).code);
    const QString root = outlet(3, url().host);
    const Outcome pushed = chain(QStringLiteral("push"),
                                 {QStringLiteral("--data"), root, QStringLiteral("--from"), First,
                                  QStringLiteral("--to"), First});
    ASSERT_EQ(0, pushed.code) << pushed.err;

    const QStringList args = QStringList {QStringLiteral("--db"), urlText()} + reportArgs(5);
    const Outcome partial = chain(QStringLiteral("report"), args);
    EXPECT_EQ(1, partial.code);
    EXPECT_TRUE(partial.err.contains(QStringLiteral("outlet 3: 2026-12-04 to 2026-12-05")))
            << partial.err;
    EXPECT_TRUE(partial.err.contains(QStringLiteral("--allow-missing"))) << partial.err;

    const Outcome allowed = chain(QStringLiteral("report"),
                                  args + QStringList {QStringLiteral("--allow-missing")});
    EXPECT_EQ(0, allowed.code) << allowed.err;
    EXPECT_EQ(partial.out, allowed.out);
    EXPECT_TRUE(allowed.err.contains(QStringLiteral("outlet 3: 2026-12-04 to 2026-12-05")))
            << allowed.err;

    // every day there: nothing to say
    const Outcome whole
            = chain(QStringLiteral("report"),
                    QStringList {QStringLiteral("--db"), urlText(), QStringLiteral("--kind"),
                                 QStringLiteral("5"), QStringLiteral("--from"), First,
                                 QStringLiteral("--now"), Now});
    EXPECT_EQ(0, whole.code) << whole.err;
    EXPECT_TRUE(whole.err.isEmpty()) << whole.err;
}

// The chain database as the outside witness of the closing records: a
// record edited and resealed together with the anchor, or deleted with it,
// passes every local check but not the comparison with what was sent.
TEST_F(ChainOutletsTest, VerifyWithTheDatabaseSeesRecordsRewrittenConsistentlyOrGone)
{
    ASSERT_EQ(0, chain(QStringLiteral("init"), {QStringLiteral("--db"), urlText()}).code);
    const QString root = outlet(4, url().host);
    const Outcome closed = close(root);
    ASSERT_EQ(0, closed.code) << closed.err;
    ASSERT_EQ(1, number(QStringLiteral("SELECT count(*) FROM closings WHERE office_id = 4")));
    const long z = long(number(QStringLiteral("SELECT z FROM closings WHERE office_id = 4")));

    const QStringList local {QStringLiteral("verify"), QStringLiteral("--data"), root};
    const QStringList witnessed = local + QStringList {QStringLiteral("--db"), urlText()};
    Outcome verified = run(witnessed);
    EXPECT_EQ(0, verified.code) << verified.out.toStdString() << verified.err.toStdString();
    EXPECT_TRUE(verified.out.contains(
            QStringLiteral("everything holds (2 made before closing records were kept: Z "
                           "continuity only); the chain database holds 1 record(s) of this "
                           "outlet")))
            << verified.out;

    // the day's voids taken out of the record, resealed, and the anchor
    // written to match, as someone with write access to the files could;
    // nothing else on the disk repeats the record's voids (its takings
    // would have to be rewritten in the bills and the day summary as well)
    const QString file = PosLib::statistDayDir(QDate::fromString(Today, Qt::ISODate), root)
                         + PosLib::TClosingRecord::fileName(z);
    QFile stored(file);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    PosLib::TClosingRecord forged;
    QString error;
    ASSERT_TRUE(PosLib::TClosingRecord::fromBytes(stored.readAll(), &forged, &error))
            << error.toStdString();
    stored.close();
    ASSERT_GT(forged.totals.voidAmount, 0);
    forged.totals.voidCount = 0;
    forged.totals.voidAmount = 0;
    const QByteArray bytes = forged.toBytes();
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(bytes.size(), stored.write(bytes));
    stored.close();
    PosLib::advanceClosingAnchor(root, forged, bytes, z);
    const PosLib::TAnchorReading anchor = PosLib::readClosingAnchor(root);
    ASSERT_EQ(PosLib::TAnchorReading::Read, anchor.state);
    ASSERT_EQ(PosLib::sha256Hex(bytes), anchor.anchor.sha256);

    verified = run(local);
    EXPECT_EQ(0, verified.code) << verified.out; // nothing local can tell
    verified = run(witnessed);
    EXPECT_EQ(1, verified.code) << verified.out;
    EXPECT_TRUE(verified.out.contains(
            QStringLiteral("Z %1 (%2): the closing record is not the one this outlet sent to the "
                           "chain database: it was changed after it was sent")
                    .arg(z)
                    .arg(Today)))
            << verified.out;

    // the record and the anchor gone: the installation looks as if it
    // never kept records, the database still holds what it sent
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::remove(PosLib::closingAnchorPath(root)));
    verified = run(local);
    EXPECT_EQ(0, verified.code) << verified.out;
    verified = run(witnessed);
    EXPECT_EQ(1, verified.code) << verified.out;
    EXPECT_TRUE(verified.out.contains(
            QStringLiteral("Z %1 (%2): the chain database holds the closing record this outlet "
                           "sent, but the installation has none")
                    .arg(z)
                    .arg(Today)))
            << verified.out;

    // a database that cannot be asked is no "everything holds"
    const Outcome dead = run(local + QStringList {QStringLiteral("--db"), deadUrlText()});
    EXPECT_EQ(1, dead.code);
    EXPECT_TRUE(dead.err.contains(QStringLiteral("cannot connect"))) << dead.err;
}
