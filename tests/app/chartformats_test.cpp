// veltrum report draws charts: PNG and SVG without a display, and the PDF
// with the chart under the report's header.

#include "testdir.h"
#include "veltrumprocess.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class ChartFormats : public DemoReportSuite<2, 16>
{
protected:
    // The number of lines of the text report of `kind` that start so.
    static int linesStartingWith(const QString &kind, const QString &start)
    {
        int count = 0;
        for (const QString &line :
             report({QStringLiteral("--kind"), kind}).out.split(QLatin1Char('\n')))
            count += line.startsWith(start) ? 1 : 0;
        return count;
    }
};

TEST_F(ChartFormats, PngHasOneChartPerWaiterOfTheText)
{
    const QString file = dir->file(QStringLiteral("hours.png"));
    const Outcome png
            = report({QStringLiteral("--kind"), QStringLiteral("20"), QStringLiteral("--format"),
                      QStringLiteral("png"), QStringLiteral("--output"), file});
    ASSERT_EQ(0, png.code) << png.err;
    EXPECT_TRUE(png.out.isEmpty());
    const QImage image(file);
    ASSERT_FALSE(image.isNull());
    const int waiters = linesStartingWith(QStringLiteral("20"), QStringLiteral("Waiter #"));
    ASSERT_GE(waiters, 2);
    EXPECT_EQ(QSize(1000, 560 * waiters), image.size());
}

TEST_F(ChartFormats, SvgGoesToStandardOutputWithTheReportsTitle)
{
    const Outcome svg = report(
            {QStringLiteral("--kind"), QStringLiteral("4"), QStringLiteral("--format=svg")});
    ASSERT_EQ(0, svg.code) << svg.err;
    EXPECT_TRUE(svg.out.startsWith(QStringLiteral("<?xml"))) << svg.out.left(100);
    EXPECT_TRUE(svg.out.contains(QStringLiteral("<title>All waiters</title>")));
    EXPECT_TRUE(svg.out.trimmed().endsWith(QStringLiteral("</svg>")));
}

// The command moves into the installation; a relative --output still
// names a file where it was started.
TEST_F(ChartFormats, RelativeOutputIsWhereTheCommandStarted)
{
    TestDir here;
    QProcess p;
    p.setWorkingDirectory(here.path());
    p.start(QStringLiteral(VELTRUM_BIN_DIR "/veltrum"),
            {QStringLiteral("report"), QStringLiteral("--data"), root, QStringLiteral("--kind"),
             QStringLiteral("19"), QStringLiteral("--format"), QStringLiteral("png"),
             QStringLiteral("--output"), QStringLiteral("hours.png")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(0, p.exitCode()) << p.readAllStandardError().constData();
    EXPECT_TRUE(QFile::exists(here.file(QStringLiteral("hours.png"))));
    EXPECT_FALSE(QFile::exists(root + QStringLiteral("/hours.png")));
}

TEST_F(ChartFormats, KindsWithoutChartAreRefusedAndNoFileIsLeft)
{
    const QString file = dir->file(QStringLiteral("refused.png"));
    for (const char *kind : {"38", "1", "22"}) {
        const Outcome refused
                = report({QStringLiteral("--kind"), QLatin1String(kind), QStringLiteral("--format"),
                          QStringLiteral("png"), QStringLiteral("--output"), file});
        EXPECT_EQ(2, refused.code) << kind;
        EXPECT_TRUE(refused.err.contains(QStringLiteral("no chart"))) << refused.err;
        EXPECT_FALSE(QFile::exists(file));
    }
    // the list commands draw no charts
    const Outcome open = veltrum({QStringLiteral("open-tables"), QStringLiteral("--data"), root,
                                  QStringLiteral("--format"), QStringLiteral("svg")});
    EXPECT_EQ(2, open.code);
}

TEST_F(ChartFormats, EmptyReportStillGivesAPicture)
{
    const QString file = dir->file(QStringLiteral("empty.png"));
    const Outcome png
            = report({QStringLiteral("--kind"), QStringLiteral("19"), QStringLiteral("--from"),
                      QStringLiteral("2020-01-01"), QStringLiteral("--format"),
                      QStringLiteral("png"), QStringLiteral("--output"), file});
    ASSERT_EQ(0, png.code) << png.err;
    EXPECT_EQ(QSize(1000, 560), QImage(file).size());
}

TEST_F(ChartFormats, PdfShowsEachWaitersChartUnderTheHeader)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is missing: scripts/deps.sh installs poppler-utils";
    const QString file = dir->file(QStringLiteral("waiters.pdf"));
    const Outcome pdf
            = report({QStringLiteral("--kind"), QStringLiteral("5"), QStringLiteral("--format"),
                      QStringLiteral("pdf"), QStringLiteral("--output"), file});
    ASSERT_EQ(0, pdf.code) << pdf.err;
    QProcess p;
    p.start(pdftotext, {file, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));

    // the charts' titles ("List of all waiters - Waiter #1 - Anna") come
    // after the header's "Printed" line and before the first waiter's
    // section
    const QRegularExpression chartSum(QStringLiteral("^List of all waiters - Waiter #\\d+ - "));
    int printed = -1;
    int firstSection = -1;
    QList<int> charts;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).simplified();
        if (printed < 0 && line.startsWith(QStringLiteral("Printed ")))
            printed = i;
        if (firstSection < 0 && line.startsWith(QStringLiteral("==")))
            firstSection = i;
        if (chartSum.match(line).hasMatch())
            charts << i;
    }
    const int waiters = linesStartingWith(QStringLiteral("5"), QStringLiteral("Waiter #"));
    ASSERT_EQ(waiters, charts.size());
    EXPECT_LT(printed, charts.first());
    EXPECT_LT(charts.last(), firstSection);
}

} // namespace
