// The Reporting menu's "Export bookings..." and "Export for the tax
// audit..." dialogs over the small demo, whose 3rd and 4th of December are
// closed days.

#include "viewstest.h"

#include "modaldriver.h"

#include "tclosedexportdlg.h"
#include "tdatepicker.h"
#include "toffapplication.h"
#include "tprogressrun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace viewstest;

namespace {

const QDate First(2026, 12, 3);
const QDate Last(2026, 12, 4);

const QDateTime Now(QDate(2026, 12, 6), QTime(9, 30));

class ClosedExportDlg : public DemoWindow
{
protected:
    void SetUp() override
    {
        DemoWindow::SetUp();
        TOffApplication::instance()->setLanguage(QStringLiteral("en")); // "2 closed days"
    }

    void writeCompany() const
    {
        dir.write(QStringLiteral("etc/company.ini"),
                  "[Company]\nname = Trattoria Veltrum\nstreet = Via Roma 1\nzip = 79098\n"
                  "city = Freiburg\nvatid = DE123456789\n");
    }

    // Runs the command line; its standard output.
    static QString veltrum(const QStringList &args)
    {
        QProcess process;
        process.start(binPath(QStringLiteral("veltrum")), args);
        EXPECT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(0, process.exitCode()) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    TestDir out;
};

} // namespace

TEST_F(ClosedExportDlg, BookingsOfTheRangeGoToTheFileAndTheDialogSaysWhat)
{
    dir.write(QStringLiteral("etc/accounting.ini"),
              "[Bookings]\nconsultant = 29098\nclient = 55003\n");
    TClosedExportDlg dialog(TClosedExportDlg::Bookings, dir.path(), window.get());
    EXPECT_EQ(QStringLiteral("Export bookings"), dialog.windowTitle());
    // a whole month by default, the one before this
    EXPECT_EQ(1, dialog.from().day());
    EXPECT_EQ(dialog.from().addMonths(1).addDays(-1), dialog.to());
    ASSERT_NE(nullptr, dialog.chartBox());
    ASSERT_NE(nullptr, dialog.forceBox());

    // the proposed file follows the range, outside the installation
    dialog.setRange(First, Last);
    EXPECT_TRUE(
            dialog.output().endsWith(QStringLiteral("EXTF_Buchungsstapel_20261203_20261204.csv")))
            << dialog.output().toStdString();
    EXPECT_FALSE(dialog.output().startsWith(dir.path()));

    const QString file = out.file(QStringLiteral("december.csv"));
    dialog.setChart(QStringLiteral("skr04"));
    EXPECT_EQ(QStringLiteral("skr04"), dialog.chart());
    dialog.setNow(Now);
    dialog.show();
    // the picture shows a user's documents folder, not the test's
    dialog.setOutput(
            QStringLiteral("/home/anna/Documents/EXTF_Buchungsstapel_20261203_20261204.csv"));
    screenshot(&dialog, "export-bookings.png");
    dialog.setOutput(file);
    // its own button, also after the language was set
    QStringList buttons;
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        buttons << button->text();
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Export"))) << buttons.join(' ').toStdString();
    ModalDriver driver;
    dialog.accept();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QStringList(), driver.boxes);
    EXPECT_TRUE(dialog.resultText().startsWith(QDir::toNativeSeparators(file)))
            << dialog.resultText().toStdString();
    EXPECT_TRUE(dialog.resultText().contains(QStringLiteral("2 closed days")));
    const QByteArray batch = out.read(QStringLiteral("december.csv"));
    EXPECT_TRUE(batch.startsWith("\"EXTF\";700;21;")) << batch.left(40).constData();
    // SKR04: the till is 1600
    EXPECT_TRUE(batch.contains(";1600;")) << batch.left(600).constData();
}

TEST_F(ClosedExportDlg, WhatCannotBeWrittenIsSaidAndTheDialogStaysOpen)
{
    TClosedExportDlg dialog(TClosedExportDlg::Bookings, dir.path(), window.get());
    dialog.setRange(First, Last);
    dialog.setOutput(out.file(QStringLiteral("x.csv")));
    dialog.show();
    {
        // no etc/accounting.ini: named, with where it is described
        ModalDriver driver;
        dialog.accept();
        ASSERT_EQ(1, driver.boxes.size());
        EXPECT_TRUE(driver.boxes.first().startsWith(QStringLiteral("Export bookings: ")));
        EXPECT_TRUE(driver.boxes.first().contains(QStringLiteral("etc/accounting.ini")))
                << driver.boxes.first().toStdString();
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(out.exists(QStringLiteral("x.csv")));

    QString result;
    dialog.setRange(Last, First);
    EXPECT_FALSE(dialog.runExport(&result));
    EXPECT_TRUE(result.contains(QStringLiteral("not after"))) << result.toStdString();
    dialog.setRange(First, Last);
    dialog.setOutput(QString());
    EXPECT_FALSE(dialog.runExport(&result));
    EXPECT_FALSE(result.isEmpty());
}

TEST_F(ClosedExportDlg, TheAuditExportGoesIntoAnArchiveOrANewFolder)
{
    writeCompany();
    TClosedExportDlg dialog(TClosedExportDlg::Audit, dir.path(), window.get());
    EXPECT_EQ(QStringLiteral("Export for the tax audit"), dialog.windowTitle());
    EXPECT_EQ(nullptr, dialog.chartBox());
    {
        TOffApplication::instance()->setLanguage(QStringLiteral("de"));
        const TClosedExportDlg german(TClosedExportDlg::Audit, dir.path(), window.get());
        EXPECT_EQ(QStringLiteral("Für die Betriebsprüfung exportieren"), german.windowTitle());
        TOffApplication::instance()->setLanguage(QStringLiteral("en"));
    }
    dialog.setRange(First, Last);
    EXPECT_TRUE(dialog.output().endsWith(QStringLiteral("audit_20261203_20261204.zip")))
            << dialog.output().toStdString();

    dialog.show();
    dialog.setOutput(QStringLiteral("/home/anna/Documents/audit_20261203_20261204.zip"));
    screenshot(&dialog, "export-audit.png");
    dialog.setOutput(out.file(QStringLiteral("audit.zip")));
    QString result;
    ASSERT_TRUE(dialog.runExport(&result)) << result.toStdString();
    EXPECT_TRUE(result.contains(QStringLiteral("2 closed days"))) << result.toStdString();
    EXPECT_TRUE(out.read(QStringLiteral("audit.zip")).startsWith("PK"));

    dialog.setOutput(out.file(QStringLiteral("folder")));
    ASSERT_TRUE(dialog.runExport(&result)) << result.toStdString();
    EXPECT_TRUE(out.exists(QStringLiteral("folder/index.xml")));
    // the same folder again holds files: refused, as on the command line
    EXPECT_FALSE(dialog.runExport(&result));
    EXPECT_TRUE(result.contains(QStringLiteral("holds files"))) << result.toStdString();
}

TEST_F(ClosedExportDlg, TheDialogsWriteWhatTheCommandLineWrites)
{
    dir.write(QStringLiteral("etc/accounting.ini"),
              "[Bookings]\nconsultant = 29098\nclient = 55003\n");
    writeCompany();
    const QStringList range {QStringLiteral("--data"), dir.path(),
                             QStringLiteral("--from"), First.toString(Qt::ISODate),
                             QStringLiteral("--to"),   Last.toString(Qt::ISODate),
                             QStringLiteral("--now"),  Now.toString(Qt::ISODate)};

    TClosedExportDlg bookings(TClosedExportDlg::Bookings, dir.path(), window.get());
    bookings.setRange(First, Last);
    bookings.setOutput(out.file(QStringLiteral("window.csv")));
    bookings.setNow(Now);
    QString result;
    ASSERT_TRUE(bookings.runExport(&result)) << result.toStdString();
    // the days the window exported are on the record the command line reads
    const QString said = veltrum(
            QStringList {QStringLiteral("export"), QStringLiteral("bookings")} + range
            + QStringList {QStringLiteral("--output"), out.file(QStringLiteral("cli.csv"))});
    EXPECT_TRUE(said.contains(QStringLiteral("exported before"))) << said.toStdString();
    EXPECT_FALSE(out.read(QStringLiteral("cli.csv")).isEmpty());
    EXPECT_EQ(out.read(QStringLiteral("cli.csv")), out.read(QStringLiteral("window.csv")));
    // and again from the window: the same, and said so
    bookings.setOutput(out.file(QStringLiteral("again.csv")));
    ASSERT_TRUE(bookings.runExport(&result)) << result.toStdString();
    EXPECT_TRUE(result.contains(QStringLiteral("exported before"))) << result.toStdString();
    EXPECT_EQ(out.read(QStringLiteral("cli.csv")), out.read(QStringLiteral("again.csv")));

    TClosedExportDlg audit(TClosedExportDlg::Audit, dir.path(), window.get());
    audit.setRange(First, Last);
    audit.setOutput(out.file(QStringLiteral("window.zip")));
    audit.setNow(Now);
    ASSERT_TRUE(audit.runExport(&result)) << result.toStdString();
    veltrum(QStringList {QStringLiteral("export"), QStringLiteral("audit")} + range
            + QStringList {QStringLiteral("--output"), out.file(QStringLiteral("cli.zip"))});
    EXPECT_TRUE(out.read(QStringLiteral("cli.zip")).startsWith("PK"));
    EXPECT_EQ(out.read(QStringLiteral("cli.zip")), out.read(QStringLiteral("window.zip")));
}

// An export runs on a thread of its own: the progress dialog follows its
// steps while the window goes on, and Cancel reaches the work.
TEST(ProgressRun, ShowsTheStepsAndPassesCancelOn)
{
    QWidget window;
    TProgressRun run(&window, QStringLiteral("Export"), QStringLiteral("Reading..."));
    int valueSeen = -1;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QProgressDialog *progress = run.dialog();
        if (!progress || progress->value() != 1)
            return;
        valueSeen = progress->value();
        EXPECT_EQ(3, progress->maximum());
        EXPECT_EQ(QStringLiteral("Reading..."), progress->labelText());
        driver.stop();
        // as the user does: the dialog's button
        ASSERT_NE(nullptr, progress->findChild<QPushButton *>());
        progress->findChild<QPushButton *>()->click();
    });
    driver.start(1);
    bool sawCancel = false;
    run.run([&] {
        run.step(1, 3);
        // the window's thread must press Cancel for this to end
        while (!run.isCancelled())
            QThread::msleep(1);
        sawCancel = true;
    });
    EXPECT_EQ(1, valueSeen);
    EXPECT_TRUE(sawCancel);
    EXPECT_EQ(nullptr, run.dialog());

    // Escape, which hides the dialog, cancels too
    TProgressRun escaped(&window, QStringLiteral("Export"), QStringLiteral("Reading..."));
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (QProgressDialog *progress = escaped.dialog()) {
            driver.stop();
            QTest::keyClick(progress, Qt::Key_Escape);
        }
    });
    driver.start(1);
    escaped.run([&] {
        while (!escaped.isCancelled())
            QThread::msleep(1);
    });
    EXPECT_TRUE(escaped.isCancelled());
}
