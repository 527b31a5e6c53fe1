#include "testdir.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QDomDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QStringList Commands = {QStringLiteral("dat to-xml"),  QStringLiteral("dat from-xml"),
                              QStringLiteral("dat to-text"), QStringLiteral("demo"),
                              QStringLiteral("report"),      QStringLiteral("turnover")};

QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '));
}

} // namespace

TEST(VeltrumHelp, EveryCommandExplainsItselfTheSameTwoWays)
{
    const Outcome all = veltrum({QStringLiteral("--help")});
    ASSERT_EQ(0, all.code);
    EXPECT_EQ(all.out, veltrum({QStringLiteral("help")}).out);
    for (const QString &name : Commands) {
        EXPECT_TRUE(all.out.contains(QStringLiteral("\n  ") + name + QLatin1Char(' '))) << name;
        const Outcome help = veltrum(QStringList(QStringLiteral("help")) + words(name));
        const Outcome own = veltrum(words(name) + QStringList(QStringLiteral("--help")));
        EXPECT_EQ(0, help.code) << name;
        EXPECT_EQ(0, own.code) << name;
        EXPECT_EQ(help.out, own.out) << name;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: veltrum ") + name)) << help.out;
        EXPECT_TRUE(help.out.contains(QStringLiteral("\nExit codes:\n"))) << name;
        EXPECT_TRUE(help.out.contains(QStringLiteral("  -h, --help"))) << name;
        // no option listed twice
        const QStringList lines = help.out.split(QLatin1Char('\n'));
        QStringList options;
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("  --")))
                options << line.section(QLatin1Char(' '), 2, 2);
        }
        EXPECT_EQ(options.size(), QSet<QString>(options.begin(), options.end()).size()) << name;
    }
    const QString report = veltrum({QStringLiteral("help"), QStringLiteral("report")}).out;
    for (const char *option : {"--period N", "--list-kinds", "--filter ID", "--outlet ID",
                               "--report-waiter N", "--now yyyy-MM-ddThh:mm:ss"})
        EXPECT_TRUE(report.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(report.contains(QStringLiteral("periods of N days")));

    // a group shows each of its subcommands
    const QString dat = veltrum({QStringLiteral("help"), QStringLiteral("dat")}).out;
    EXPECT_TRUE(dat.contains(QStringLiteral("Usage: veltrum dat to-xml FILE")));
    EXPECT_TRUE(dat.contains(QStringLiteral("Usage: veltrum dat from-xml XML FILE")));
    EXPECT_TRUE(dat.contains(QStringLiteral("Usage: veltrum dat to-text FILE KEY...")));

    const Outcome unknown = veltrum({QStringLiteral("help"), QStringLiteral("frobnicate")});
    EXPECT_EQ(2, unknown.code);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("'frobnicate'")));
    EXPECT_EQ(2, veltrum({}).code);
    const Outcome sub = veltrum({QStringLiteral("dat"), QStringLiteral("to-json")});
    EXPECT_EQ(2, sub.code);
    EXPECT_TRUE(sub.err.contains(QStringLiteral("'to-json'")));
    EXPECT_TRUE(sub.err.contains(QStringLiteral("Try 'veltrum help dat'.")));
}

TEST(VeltrumHelp, ListsReportKindsAndTheInstallationsBatches)
{
    const Outcome kinds = veltrum({QStringLiteral("report"), QStringLiteral("--list-kinds")});
    ASSERT_EQ(0, kinds.code) << kinds.err;
    const QStringList lines = kinds.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(42, lines.size());
    EXPECT_EQ(QStringLiteral("  1  Paid tables                     journal"), lines.value(0));
    EXPECT_EQ(QStringLiteral("  5  Waiter report                   per waiter"), lines.value(4));
    EXPECT_EQ(QStringLiteral("  7  All articles                    all waiters"), lines.value(6));
    EXPECT_EQ(QStringLiteral(" 42  Hotel rooms per cost center     per cost center"),
              lines.value(41));

    TestDir dir;
    const QString root = writeDemo(dir, 1, 5);
    const Outcome withBatches = veltrum({QStringLiteral("report"), QStringLiteral("--list-kinds"),
                                         QStringLiteral("--data"), root});
    ASSERT_EQ(0, withBatches.code) << withBatches.err;
    EXPECT_TRUE(withBatches.out.startsWith(kinds.out));
    const QStringList batches
            = withBatches.out.mid(kinds.out.size()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(batches.isEmpty());
    EXPECT_TRUE(batches.first().startsWith(QStringLiteral("101  "))) << batches.first();
    EXPECT_TRUE(withBatches.out.contains(QStringLiteral("batch, fiscal")));
}

TEST(VeltrumStrict, UsageErrorsExitTwoAndNameTheValue)
{
    TestDir dir;
    const QString root = writeDemo(dir, 2, 5);
    const QStringList report = {QStringLiteral("report"), QStringLiteral("--data"), root,
                                QStringLiteral("--kind"), QStringLiteral("5")};
    const QStringList turnover = {QStringLiteral("turnover"), QStringLiteral("--data"), root,
                                  QStringLiteral("--date"), QStringLiteral("2026-12-05")};
    struct Case
    {
        QStringList args;
        const char *named;
    };
    const QList<Case> cases = {
            {report + words(QStringLiteral("--filter 99")), "99"},
            {report + words(QStringLiteral("--outlet 98")), "98"},
            {report + words(QStringLiteral("--report-waiter 97")), "97"},
            {report + words(QStringLiteral("--from 2026-12-04 --to 2026-12-03")), "2026-12-04"},
            {report + words(QStringLiteral("--to 2026-12-03")), "--to"},
            {report + words(QStringLiteral("--from 4.12.2026")), "4.12.2026"},
            {report + words(QStringLiteral("--period -1")), "-1"},
            {report + words(QStringLiteral("--turnover sideways")), "sideways"},
            {report + words(QStringLiteral("--now 21:00")), "21:00"},
            {report + words(QStringLiteral("--kind 7")), "--kind"},
            {report + words(QStringLiteral("--frobnicate")), "--frobnicate"},
            {report + words(QStringLiteral("--filter")), "--filter"},
            // a batch runs with the filter it was saved with
            {{QStringLiteral("report"), QStringLiteral("--data"), root, QStringLiteral("--kind"),
              QStringLiteral("101"), QStringLiteral("--filter"), QStringLiteral("1")},
             "--filter"},
            {{QStringLiteral("report"), QStringLiteral("--data"), root, QStringLiteral("--kind"),
              QStringLiteral("77")},
             "77"},
            {{QStringLiteral("report"), QStringLiteral("--data"), root, QStringLiteral("--kind"),
              QStringLiteral("x")},
             "'x'"},
            {{QStringLiteral("report"), QStringLiteral("--kind"), QStringLiteral("5")}, "--data"},
            {{QStringLiteral("report"), QStringLiteral("--data"),
              dir.file(QStringLiteral("nowhere")), QStringLiteral("--kind"), QStringLiteral("5")},
             "nowhere"},
            {turnover + words(QStringLiteral("--waiter 99")), "99"},
            {turnover + words(QStringLiteral("--exec-waiter 96")), "96"},
            {{QStringLiteral("turnover"), QStringLiteral("--data"), root, QStringLiteral("--date"),
              QStringLiteral("5.12.2026")},
             "5.12.2026"},
            {{QStringLiteral("turnover"), QStringLiteral("--data"), root}, "--date"},
            {{QStringLiteral("demo"), dir.file(QStringLiteral("d")), QStringLiteral("--days"),
              QStringLiteral("x")},
             "'x'"},
            {{QStringLiteral("demo")}, "DIR"},
            {{QStringLiteral("dat"), QStringLiteral("to-xml")}, "FILE"},
            {{QStringLiteral("dat"), QStringLiteral("from-xml"), QStringLiteral("in.xml")}, "few"},
            {{QStringLiteral("dat"), QStringLiteral("to-text"), QStringLiteral("list.dat")}, "few"},
            {{QStringLiteral("dat"), QStringLiteral("to-xml"), QStringLiteral("a"),
              QStringLiteral("b")},
             "'b'"},
    };
    for (const Case &c : cases) {
        const Outcome r = veltrum(c.args);
        EXPECT_EQ(2, r.code) << c.args.join(' ');
        EXPECT_TRUE(r.out.isEmpty()) << c.args.join(' ');
        EXPECT_TRUE(r.err.contains(QLatin1String(c.named))) << c.args.join(' ') << r.err;
        EXPECT_TRUE(r.err.contains(QStringLiteral("Try 'veltrum help "))) << r.err;
    }
}

TEST(VeltrumStrict, FailuresShowNoSourcePositions)
{
    TestDir dir;
    dir.write(QStringLiteral("sub/x"), "x");
    dir.write(QStringLiteral("in.xml"), "<waiters><waiter><name>A</name></waiter></waiters>");
    // a directory where the list's ".new" goes cannot be written
    QDir().mkpath(dir.file(QStringLiteral("list.dat.new/x")));
    const QList<QStringList> runs = {
            {QStringLiteral("dat"), QStringLiteral("to-xml"), dir.file(QStringLiteral("sub"))},
            {QStringLiteral("dat"), QStringLiteral("to-xml"), dir.file(QStringLiteral("sub/x"))},
            {QStringLiteral("dat"), QStringLiteral("to-text"), dir.file(QStringLiteral("none.dat")),
             QStringLiteral("id")},
            {QStringLiteral("dat"), QStringLiteral("from-xml"), dir.file(QStringLiteral("in.xml")),
             dir.file(QStringLiteral("list.dat"))},
    };
    for (const QStringList &args : runs) {
        const Outcome r = veltrum(args);
        EXPECT_EQ(1, r.code) << args.join(' ');
        EXPECT_FALSE(r.err.isEmpty()) << args.join(' ');
        EXPECT_FALSE(r.err.contains(QStringLiteral(".cpp"))) << r.err;
        EXPECT_FALSE(r.err.contains(QStringLiteral("line "))) << r.err;
    }
}

TEST(VeltrumDat, AnyFileNameGivesWellFormedXmlThatReadsBack)
{
    TestDir dir;
    for (const QString &name : {QStringLiteral("2026-12-01.dat"), QStringLiteral("my list.dat"),
                                QStringLiteral("xmlthings.dat")}) {
        const QString file = dir.copyData(QStringLiteral("waiters.dat"), name);
        const Outcome xml = veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"), file});
        ASSERT_EQ(0, xml.code) << xml.err;
        QDomDocument doc;
        ASSERT_TRUE(bool(doc.setContent(xml.out))) << name << xml.out.left(200);
        EXPECT_EQ(3, doc.documentElement().childNodes().count()) << name;

        dir.write(QStringLiteral("in.xml"), xml.out.toUtf8());
        const QString copy = dir.file(QStringLiteral("copy/") + name);
        const Outcome back = veltrum({QStringLiteral("dat"), QStringLiteral("from-xml"),
                                      dir.file(QStringLiteral("in.xml")), copy});
        ASSERT_EQ(0, back.code) << back.err;
        EXPECT_EQ(xml.out, veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"), copy}).out);
    }
    const auto root = [&](const QString &name) {
        QDomDocument doc;
        doc.setContent(
                veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"), dir.file(name)}).out);
        return doc.documentElement().tagName();
    };
    EXPECT_EQ(QStringLiteral("_2026-12-01"), root(QStringLiteral("2026-12-01.dat")));
    EXPECT_EQ(QStringLiteral("my_list"), root(QStringLiteral("my list.dat")));
    EXPECT_EQ(QStringLiteral("_xmlthings"), root(QStringLiteral("xmlthings.dat")));
}

TEST(VeltrumOffice, HelpAndVersionNeedNoDisplay)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    for (const QString &option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
        QProcess office;
        office.setProcessEnvironment(env);
        office.start(binPath(QStringLiteral("veltrum-office")), {option});
        ASSERT_TRUE(office.waitForFinished(60000)) << option;
        EXPECT_EQ(QProcess::NormalExit, office.exitStatus()) << option;
        EXPECT_EQ(0, office.exitCode()) << option;
        const QString text = QString::fromUtf8(office.readAllStandardOutput());
        // --version: the project's version and the day of the build
        if (option == QLatin1String("--help"))
            EXPECT_TRUE(text.contains(QStringLiteral("--data"))) << text;
        else
            EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(
                    "Veltrum \\d+\\.\\d+\\.\\d+ \\(.+\\), built \\d{4}-\\d{2}-\\d{2}"))))
                    << text;
    }
}
