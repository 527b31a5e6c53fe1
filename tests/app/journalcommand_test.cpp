// veltrum report --kind 1: the paid tables journal on the command line.

#include "testdir.h"
#include "tpaidtablesjournal.h"
#include "tworkspacelists.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

class JournalCommand : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new TestDir;
        root = writeDemo(*dir, 2, 10);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    static Outcome journal(const QStringList &more = {})
    {
        return veltrum(QStringList {QStringLiteral("report"), QStringLiteral("--data"), root,
                                    QStringLiteral("--kind"), QStringLiteral("1"),
                                    QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00")}
                       + more);
    }

    static TestDir *dir;
    static QString root;
};

TestDir *JournalCommand::dir = nullptr;
QString JournalCommand::root;

TEST_F(JournalCommand, PrintsTheDocumentsLinesOneItemALine)
{
    const Outcome r = journal();
    ASSERT_EQ(0, r.code) << r.err;

    QLocale::setDefault(QLocale(QLocale::English));
    TWorkspaceLists lists(root + QLatin1Char('/'));
    TPaidTablesJournal expected(&lists, root + QLatin1Char('/'));
    TJournalRequest request;
    request.now = QDateTime(QDate(2026, 12, 5), QTime(21, 0));
    EXPECT_EQ(listRowsText(expected.run(request)), r.out);

    // table lines at the left with their amount below, entries two blanks in
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    EXPECT_FALSE(r.out.contains(QLatin1Char('\r')));
    EXPECT_TRUE(lines.at(1).trimmed().endsWith(QStringLiteral("EUR")));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("     ")));
    EXPECT_TRUE(lines.at(2).startsWith(QStringLiteral("  ")));
    EXPECT_FALSE(lines.at(2).startsWith(QStringLiteral("   ")));
    EXPECT_TRUE(lines.contains(QString(40, QLatin1Char('='))));
    EXPECT_EQ(QStringLiteral("Report from 5.12.2026 at 21:00:00"), lines.value(lines.size() - 3));
    EXPECT_EQ(QStringLiteral("List of paid tables (EUR)"), lines.value(lines.size() - 2));

    // "Journal" lists the same
    EXPECT_EQ(r.out,
              veltrum(QStringList {QStringLiteral("report"), QStringLiteral("--data"), root,
                                   QStringLiteral("--kind"), QStringLiteral("2"),
                                   QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00")})
                      .out);
}

TEST_F(JournalCommand, BillAndArchiveNumbersOnRequest)
{
    const QString plain = journal().out.section(QLatin1Char('\n'), 0, 0);
    EXPECT_FALSE(plain.contains(QStringLiteral("Bill")));
    EXPECT_FALSE(plain.contains(QStringLiteral("Arch")));
    EXPECT_EQ(plain, journal({QStringLiteral("--show-bill"), QStringLiteral("no"),
                              QStringLiteral("--show-arch"), QStringLiteral("no")})
                             .out.section(QLatin1Char('\n'), 0, 0));

    const QString arch = journal({QStringLiteral("--show-arch"), QStringLiteral("yes")})
                                 .out.section(QLatin1Char('\n'), 0, 0);
    EXPECT_FALSE(arch.contains(QStringLiteral("Bill")));
    EXPECT_TRUE(arch.contains(QRegularExpression(QStringLiteral("Arch +\\d+$")))) << arch;
    const QString both = journal({QStringLiteral("--show-arch"), QStringLiteral("yes"),
                                  QStringLiteral("--show-bill"), QStringLiteral("yes")})
                                 .out.section(QLatin1Char('\n'), 0, 0);
    EXPECT_TRUE(both.contains(QRegularExpression(QStringLiteral("Bill +\\d+ Arch +\\d+$"))))
            << both;
}

TEST_F(JournalCommand, RangeFilterAndOtherForms)
{
    const Outcome range = journal({QStringLiteral("--from"), QStringLiteral("2026-12-03"),
                                   QStringLiteral("--to"), QStringLiteral("2026-12-04")});
    ASSERT_EQ(0, range.code) << range.err;
    EXPECT_TRUE(range.out.endsWith(
            QStringLiteral("List of paid tables (EUR) Range (3.12.2026) - (4.12.2026)\n")));

    // the demo's filter 1 keeps the takeaway tables only
    const Outcome filtered = journal({QStringLiteral("--filter"), QStringLiteral("1")});
    ASSERT_EQ(0, filtered.code) << filtered.err;
    EXPECT_LT(filtered.out.count(QString(40, QLatin1Char('='))),
              journal().out.count(QString(40, QLatin1Char('='))));

    const Outcome json = journal({QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(0, json.code) << json.err;
    const QJsonObject data = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(1, data.value(QStringLiteral("kind")).toInt());
    EXPECT_FALSE(data.value(QStringLiteral("rows")).toArray().isEmpty());

    const Outcome none = journal({QStringLiteral("--from"), QStringLiteral("2020-01-01")});
    EXPECT_EQ(0, none.code);
    EXPECT_EQ(QStringLiteral("No table list available\n"), none.out);
}

// A range's text goes through temporary files a table at a time, and
// without them it is made in memory: the same text. A write into them that
// fails (a full disk) names the file, and nothing is written.
TEST_F(JournalCommand, RangeTextThroughTemporaryFilesOrInMemory)
{
    const QStringList range {QStringLiteral("--from"), QStringLiteral("2026-12-03"),
                             QStringLiteral("--to"), QStringLiteral("2026-12-04"),
                             QStringLiteral("--quiet")};
    const Outcome spooled = journal(range);
    ASSERT_EQ(0, spooled.code) << spooled.err;
    QLocale::setDefault(QLocale(QLocale::English));
    TWorkspaceLists lists(root + QLatin1Char('/'));
    TJournalRequest request;
    request.from = QDate(2026, 12, 3);
    request.to = QDate(2026, 12, 4);
    request.now = QDateTime(QDate(2026, 12, 5), QTime(21, 0));
    EXPECT_EQ(listRowsText(TPaidTablesJournal(&lists, root + QLatin1Char('/')).run(request)),
              spooled.out);
    EXPECT_GT(spooled.out.count(QString(40, QLatin1Char('='))), 15);
    expectSpoolsKeptOrNamed(&journal, range, spooled, *dir);
}

// A range's JSON and CSV go through temporary files a table at a time;
// without them the whole list is made in memory, as before: the same bytes.
// A full disk is named, and nothing is written.
TEST_F(JournalCommand, RangeDataThroughTemporaryFilesOrInMemory)
{
    for (const char *format : {"json", "csv"}) {
        SCOPED_TRACE(format);
        const QStringList range {QStringLiteral("--from"),  QStringLiteral("2026-12-03"),
                                 QStringLiteral("--to"),    QStringLiteral("2026-12-04"),
                                 QStringLiteral("--quiet"), QStringLiteral("--format"),
                                 QLatin1String(format)};
        const Outcome spooled = journal(range);
        ASSERT_EQ(0, spooled.code) << spooled.err;
        EXPECT_GT(spooled.out.count(QString(40, QLatin1Char('='))), 15);
        expectSpoolsKeptOrNamed(&journal, range, spooled, *dir);
    }
}

TEST_F(JournalCommand, WrongArgumentsAreUsageErrors)
{
    for (const QString &value : {QStringLiteral("maybe"), QStringLiteral("YES"), QString()})
        EXPECT_EQ(2, journal({QStringLiteral("--show-bill"), value}).code) << value;
    EXPECT_EQ(2, journal({QStringLiteral("--show-arch"), QStringLiteral("1")}).code);
    // summary options do not apply to the journal, journal options not to summaries
    const Outcome period = journal({QStringLiteral("--period"), QStringLiteral("2")});
    EXPECT_EQ(2, period.code);
    EXPECT_TRUE(period.err.contains(QStringLiteral("--period"))) << period.err;
    EXPECT_EQ(2, veltrum({QStringLiteral("report"), QStringLiteral("--data"), root,
                          QStringLiteral("--kind"), QStringLiteral("5"),
                          QStringLiteral("--show-bill"), QStringLiteral("yes")})
                         .code);
}

} // namespace
