// The reports document driven as a manager would: over a demo installation,
// in a host window without a display, by its selection row and its keys.

#include "modaldriver.h"
#include "reportsdocfixture.h"
#include "screenshot.h"
#include "tcounter.h"
#include "tdemoinstallation.h"
#include "tdlgselectdate.h"
#include "testdir.h"
#include "tinifile.h"
#include "toffconfig.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesdoc.h"
#include "tpaidtablesjournal.h"
#include "treportkinds.h"
#include "trepprogress.h"
#include "tselectrepdlg.h"
#include "tsumbatch.h"
#include "tturnoverdlg.h"
#include "tvariabledoc.h"
#include "tworkspacelists.h"
#include "xlsxreader.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;

namespace {

using reportsdoc::ReportsDoc;
using reportsdoc::Today;
using reportsdoc::writeDemo;

TEST_F(ReportsDoc, ChosenKindAndF5ShowTheReportsLines)
{
    TPaidTablesDoc *doc = open();
    QStringList steps;
    QObject::connect(doc, &TPaidTablesDoc::runStarted, doc, [&](TRepProgress *progress) {
        EXPECT_TRUE(progress->isVisible());
        EXPECT_EQ(QStringLiteral("Generating report..."), progress->windowTitle());
        QObject::connect(progress->m_Progress, &QProgressBar::valueChanged, progress,
                         [&, progress](int value) {
                             if (steps.isEmpty())
                                 screenshot(progress, "progress.png");
                             steps << QString::number(value);
                         });
    });

    const QString text = runWithF5(doc, 7);

    EXPECT_TRUE(text.startsWith(QStringLiteral("Summary for: Trattoria Veltrum\n"
                                               "Article report of all waiters\n")))
            << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Sum articles:"))) << text.toStdString();
    EXPECT_FALSE(steps.isEmpty());
    // the run ended: the dialog is gone, Start can be pressed again
    EXPECT_EQ(nullptr, window->findChild<TRepProgress *>());
    EXPECT_TRUE(doc->startButton()->isEnabled());
    EXPECT_EQ(QStringLiteral("Courier New"), doc->listView()->font().family());
}

TEST_F(ReportsDoc, CompareWithLastWeekShowsBothPeriodsInTextAndChart)
{
    TPaidTablesDoc *doc = open();
    auto *compare = window->findChild<TCompareChoice *>(QStringLiteral("m_Compare"));
    ASSERT_NE(nullptr, compare);
    EXPECT_EQ(PosLib::TCompareWith::None, compare->value().mode);
    compare->setValue(PosLib::TCompareWith::Week);
    const QString text = runWithF5(doc, 19);
    EXPECT_TRUE(text.contains(QStringLiteral("Compared with "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("+/-"))) << text.toStdString();
    // the hour chart draws both periods
    ASSERT_FALSE(doc->chartPane()->pages().isEmpty());
    EXPECT_TRUE(doc->chartPane()->pages().first().compared);
    doc->chartPane()->setMode(TReportChartPane::Both);
    screenshot(window.get(), "compare-report.png");
    // as Excel the comparison's rows: both periods and the difference
    const QString book = config.file(QStringLiteral("compared.xlsx"));
    QString error;
    ASSERT_TRUE(doc->exportWorkbook(book, &error)) << error.toStdString();
    const QJsonArray sheets = readWorkbook(book).value(QStringLiteral("sheets")).toArray();
    ASSERT_FALSE(sheets.isEmpty());
    const QJsonObject sheet = sheets.at(0).toObject();
    QStringList titles;
    for (int c = 0; c < sheet[QStringLiteral("cells")].toArray().at(0).toArray().size(); ++c)
        titles << workbookCell(sheet, 0, c).toString();
    EXPECT_TRUE(titles.contains(QStringLiteral("comparedAmount")))
            << titles.join(',').toStdString();

    // back to nothing: the report as it always was
    compare->setValue(PosLib::TCompareWith::None);
    const QString plain = runWithF5(doc, 19);
    EXPECT_FALSE(plain.contains(QStringLiteral("Compared with "))) << plain.toStdString();
}

TEST_F(ReportsDoc, CancelStopsTheRunAndTheDialogWaitsForIt)
{
    TPaidTablesDoc *doc = open();
    bool stayedUp = false;
    QObject::connect(doc, &TPaidTablesDoc::runStarted, doc, [&](TRepProgress *progress) {
        // pressed while the generator works, as soon as events are handled
        QTimer::singleShot(0, progress, [&, progress] {
            QTest::mouseClick(progress->b_Cancel, Qt::LeftButton);
            stayedUp = progress->isVisible();
        });
    });

    EXPECT_EQ(QStringLiteral("Cancelled\n"), runWithF5(doc, 5));
    EXPECT_TRUE(stayedUp);
    EXPECT_EQ(nullptr, window->findChild<TRepProgress *>());

    // the next run is not cancelled
    QObject::disconnect(doc, &TPaidTablesDoc::runStarted, doc, nullptr);
    const QString again = runWithF5(doc, 5);
    EXPECT_TRUE(again.contains(QStringLiteral("List of all waiters"))) << again.toStdString();
}

TEST_F(ReportsDoc, ReportBoxOffersTheKindsInOrderWithoutDisabledOnes)
{
    TOffConfig::setDisabledReps({QStringLiteral("28"), QStringLiteral("2")});
    TPaidTablesDoc *doc = open();
    QtWidgets::TComboBox *box = doc->reportSelector();

    QList<int> ids;
    for (int i = 0; i < box->count(); ++i)
        ids << QtWidgets::TComboBox::idOf(box->itemText(i));
    QList<int> expected;
    for (const TReportKind &kind : reportKinds())
        if (kind.id != 28 && kind.id != 2)
            expected << kind.id;
    expected << 101 << 102 << 103 << 107;
    EXPECT_EQ(expected, ids);
    EXPECT_EQ(QStringLiteral("  1)  Paid tables"), box->itemText(0));
    EXPECT_EQ(QStringLiteral("107)  Evening check"), box->itemText(box->count() - 1));
    EXPECT_NE(-1, box->findId(27));
    EXPECT_NE(-1, box->findId(29));
}

TEST_F(ReportsDoc, OptionButtonsShowTheNextRunsStateAndCycle)
{
    TOffConfig::setDefOpenTabs(true);
    TPaidTablesDoc *doc = open();
    auto colour = [](QPushButton *b) { return b->palette().color(QPalette::Button); };

    EXPECT_EQ(QStringLiteral("With tables"), doc->tablesButton()->text());
    EXPECT_EQ(QColor(255, 0, 0), colour(doc->tablesButton()));
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_TRUE(QTest::qWaitFor([doc] { return doc->withoutTables(); }, 5000));
    EXPECT_EQ(QStringLiteral("Without tables"), doc->tablesButton()->text());
    EXPECT_EQ(QColor(51, 153, 102), colour(doc->tablesButton()));
    EXPECT_TRUE(doc->withoutTables());

    EXPECT_EQ(QStringLiteral("With credits"), doc->creditsButton()->text());
    doc->creditsButton()->click();
    EXPECT_EQ(QStringLiteral("Without credits"), doc->creditsButton()->text());
    EXPECT_EQ(QStringLiteral("Remove all credit articles from this report's data"),
              doc->creditsButton()->toolTip());

    QPushButton *turnover = doc->inTurnOverButton();
    QStringList faces {turnover->text()};
    for (int i = 0; i < 3; ++i) {
        turnover->click();
        faces << turnover->text();
    }
    EXPECT_EQ((QStringList {QStringLiteral("All"), QStringLiteral("In summary"),
                            QStringLiteral("Not in summary"), QStringLiteral("All")}),
              faces);
    EXPECT_EQ(QColor(0, 217, 255), colour(turnover));
    EXPECT_EQ(0, doc->inTurnOverState());

    doc->traineeButton()->click();
    doc->traineeButton()->click();
    EXPECT_EQ(QStringLiteral("Only trainee waiters"), doc->traineeButton()->text());

    // the states outlive the selection row
    window->showDocument(nullptr);
    window->showDocument(doc);
    EXPECT_EQ(QStringLiteral("Without tables"), doc->tablesButton()->text());
    EXPECT_EQ(QStringLiteral("Only trainee waiters"), doc->traineeButton()->text());
}

TEST_F(ReportsDoc, BatchSevenIsKind107AndF5RunsIt)
{
    TPaidTablesDoc *doc = open();
    const QStringList lines = runWithF5(doc, 107).split(QLatin1Char('\n'));
    EXPECT_EQ(QStringLiteral("Evening check"), lines.value(0));
    EXPECT_EQ(QStringLiteral("Summary for: Trattoria Veltrum"), lines.value(1));
    EXPECT_TRUE(lines.contains(QStringLiteral("Article report of all waiters")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Amount of all waiters")));

    // a batch that is gone
    doc->runBatch(9);
    EXPECT_EQ(QStringLiteral("Batch not found\n"), doc->viewText());
}

TEST_F(ReportsDoc, JournalListsThePaidTablesAsTheCommandLineDoes)
{
    TPaidTablesDoc *doc = open();
    const QString text = runWithF5(doc, 1);

    TWorkspaceLists lists(demo->path());
    TPaidTablesJournal journal(&lists, demo->path());
    TListRows rows = journal.run(TJournalRequest());
    // all but the clock of the "Report from" line
    QStringList expected = listRowsText(rows).split(QLatin1Char('\n'));
    QStringList shown = text.split(QLatin1Char('\n'));
    ASSERT_EQ(expected.size(), shown.size());
    const int clockLine = int(expected.size()) - 3;
    EXPECT_TRUE(shown.at(clockLine).startsWith(QStringLiteral("Report from ")));
    expected.removeAt(clockLine);
    shown.removeAt(clockLine);
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(QStringLiteral("List of paid tables (EUR)"), shown.value(shown.size() - 2));

    // table items hold their entries, shown open
    QTreeWidgetItem *first = doc->listView()->topLevelItem(0);
    EXPECT_GT(first->childCount(), 0);
    EXPECT_TRUE(first->isExpanded());
    EXPECT_EQ(1, first->text(0).count(QLatin1Char('\n')));
    doc->expandcollapseitem(first);
    EXPECT_FALSE(first->isExpanded());
    doc->expandcollapseitem(first);

    // "Journal" shows the journal too
    EXPECT_EQ(text.section(QStringLiteral("Report from"), 0, 0),
              runWithF5(doc, 2).section(QStringLiteral("Report from"), 0, 0));
}

TEST_F(ReportsDoc, EveryKindHasItsSlot)
{
    TPaidTablesDoc *doc = open();
    for (const TReportKind &kind : reportKinds()) {
        if (!isSummaryKind(kind.id))
            continue;
        const QByteArray slot = QByteArray(kind.slot) + "()";
        EXPECT_NE(-1, doc->metaObject()->indexOfSlot(slot.constData())) << kind.slot;
    }
    // a slot selects its kind and runs it
    ASSERT_TRUE(QMetaObject::invokeMethod(doc, "onCenterHotelRooms"));
    EXPECT_EQ(42, doc->reportSelector()->currentId());
    EXPECT_TRUE(doc->viewText().contains(QStringLiteral("Hotel rooms per cost center"))
                || doc->viewText() == QStringLiteral("No data available\n"));
}

TEST_F(ReportsDoc, ContextMenuOffersTheReportsTurnoverJournalAndPrinting)
{
    TPaidTablesDoc *doc = open();
    QMenu menu;
    doc->createContext(&menu);
    QStringList texts;
    for (QAction *action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ((QStringList {"All &families", "All &articles", "All &waiters", "-",
                            "Fa&milies per waiter", "A&rticles per waiter", "Wa&iter report", "-",
                            "Fami&lies per cost center", "A&rticles per cost center",
                            "&Cost center report", "-", "Day &Turn over", "&Paid tables", "-",
                            "Print report"}),
              texts);
    menu.actions().at(1)->trigger();
    EXPECT_EQ(7, doc->reportSelector()->currentId());
}

TEST_F(ReportsDoc, RangeDocumentAsksForTheRangeOnceAndItsButtonChangesIt)
{
    ModalDriver driver;
    const QDate from = Today.addDays(-3);
    const QDate to = Today.addDays(-2);
    driver.then([&](QDialog *dialog) {
        auto *dates = static_cast<TDlgSelectDate *>(dialog);
        dates->setFrom(from);
        dates->setTo(to);
        screenshot(dialog, "range.png");
        dates->accept();
    });
    auto *doc = open<TVariableDoc>();
    EXPECT_EQ(QStringList {QStringLiteral("TDlgSelectDate")}, driver.dialogs);
    EXPECT_EQ(from, doc->fromDate());
    EXPECT_EQ(to, doc->toDate());
    // a dated document has neither "Journal" nor "With tables"
    EXPECT_EQ(-1, doc->reportSelector()->findId(2));
    EXPECT_EQ(nullptr, doc->tablesButton());
    // the row shows the range, in the window's language
    ASSERT_NE(nullptr, doc->rangeButton());
    EXPECT_EQ(QStringLiteral("2 Dec 2026 - 3 Dec 2026"), doc->rangeButton()->text());

    const QString text = runWithF5(doc, 5);
    EXPECT_TRUE(text.contains(QStringLiteral("History Summary from  Wednesday, 2.12.2026 - "
                                             "Thursday, 3.12.2026")))
            << text.toStdString();

    // shown again: not asked again
    window->showDocument(nullptr);
    window->showDocument(doc);
    EXPECT_EQ(1, driver.dialogs.size());
    EXPECT_EQ(from, doc->fromDate());

    // the range button asks; cancelled, the range stays
    doc->rangeButton()->click();
    EXPECT_EQ(2, driver.dialogs.size());
    EXPECT_EQ(from, doc->fromDate());
    EXPECT_EQ(to, doc->toDate());
    EXPECT_EQ(QStringLiteral("2 Dec 2026 - 3 Dec 2026"), doc->rangeButton()->text());
}

TEST_F(ReportsDoc, F2SelectsTheReportBoxTextSoATypedNumberReplacesIt)
{
    TPaidTablesDoc *doc = open();
    ASSERT_TRUE(doc->reportSelector()->setCurrentId(5));
    doc->listView()->setFocus();
    QTest::keyClick(window.get(), Qt::Key_F2);
    QLineEdit *edit = doc->reportSelector()->lineEdit();
    EXPECT_TRUE(QTest::qWaitFor([edit] { return edit->hasFocus(); }, 5000));
    EXPECT_EQ(edit->text(), edit->selectedText());
    QTest::keyClicks(edit, QStringLiteral("19"));
    EXPECT_EQ(QStringLiteral("19"), edit->text());
    // Enter runs report 19
    QSignalSpy finished(doc, &TPaidTablesDoc::runFinished);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(finished.count() > 0 || finished.wait(10000));
    EXPECT_TRUE(doc->viewText().contains(QStringLiteral("Hour report")))
            << doc->viewText().toStdString();
}

TEST_F(ReportsDoc, F3TogglesTheTablesButtonEachTime)
{
    TPaidTablesDoc *doc = open();
    const bool start = doc->withoutTables();
    const QKeySequence key(Qt::Key_F3);
    for (int press = 1; press <= 3; ++press) {
        QTest::keyClick(window.get(), Qt::Key_F3);
        EXPECT_TRUE(QTest::qWaitFor(
                [&] { return doc->withoutTables() == ((press % 2 == 1) != start); }, 5000))
                << "press " << press;
        // the face changes, the key stays
        EXPECT_EQ(key, doc->tablesButton()->shortcut()) << "press " << press;
        EXPECT_EQ(doc->withoutTables() ? QStringLiteral("Without tables")
                                       : QStringLiteral("With tables"),
                  doc->tablesButton()->text());
    }
}

TEST_F(ReportsDoc, OptionButtonsKeepTheirWidthSoStartStaysPut)
{
    TPaidTablesDoc *doc = open();
    QCoreApplication::processEvents();
    const QPoint start = doc->startButton()->mapTo(window.get(), QPoint());
    QList<int> widths;
    for (int i = 0; i < 3; ++i) {
        widths << doc->traineeButton()->width();
        doc->traineeButton()->click();
        doc->inTurnOverButton()->click();
        doc->creditsButton()->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(start, doc->startButton()->mapTo(window.get(), QPoint())) << i;
    }
    EXPECT_EQ(widths.first(), widths.last());
    // as wide as the widest face
    doc->traineeButton()->click(); // "Without trainee waiters", the longest
    EXPECT_GE(doc->traineeButton()->width(), doc->traineeButton()->sizeHint().width());
}

TEST_F(ReportsDoc, ABatchDisablesTheFilterBoxAndUsesItsOwnFilter)
{
    TPaidTablesDoc *doc = open();
    QtWidgets::TComboBox *filter = doc->filterSelector();
    EXPECT_TRUE(filter->isEnabled());
    ASSERT_TRUE(doc->reportSelector()->setCurrentId(107));
    EXPECT_FALSE(filter->isEnabled());
    EXPECT_TRUE(filter->toolTip().contains(QStringLiteral("filter it was saved with")));
    // typed as a number too
    doc->reportSelector()->lineEdit()->setText(QStringLiteral("7"));
    EXPECT_TRUE(filter->isEnabled());
    EXPECT_EQ(QStringLiteral("Select a filter"), filter->toolTip());
    doc->reportSelector()->lineEdit()->setText(QStringLiteral("101"));
    EXPECT_FALSE(filter->isEnabled());
}

TEST_F(ReportsDoc, AReportHiddenInTheOptionsDoesNotRunByItsNumber)
{
    TOffConfig::setDisabledReps({QStringLiteral("19")});
    TPaidTablesDoc *doc = open();
    runWithF5(doc, 5);
    const QString before = doc->viewText();
    ModalDriver driver;
    doc->reportSelector()->lineEdit()->setText(QStringLiteral("19"));
    doc->fillData();
    ASSERT_EQ(1, driver.boxes.size());
    EXPECT_TRUE(driver.boxes.first().contains(QStringLiteral("There is no report 19")))
            << driver.boxes.first().toStdString();
    // nothing ran: the list is as it was
    EXPECT_EQ(before, doc->viewText());
    // nor from the menu's slot
    doc->onAllHours();
    EXPECT_EQ(2, driver.boxes.size());
    EXPECT_EQ(before, doc->viewText());
}

TEST_F(ReportsDoc, NewReportAsksForTheKind)
{
    ModalDriver driver;
    driver.then([](QDialog *dialog) {
        auto *select = static_cast<TSelectRepDlg *>(dialog);
        select->setReport(24);
        select->accept();
    });
    TPaidTablesDoc *doc = open();
    window->onFileNew();
    EXPECT_EQ(QStringList {QStringLiteral("TSelectRepDlg")}, driver.dialogs);
    EXPECT_EQ(14, doc->reportSelector()->currentId());
}

// The day turnover closes a copy of the demo.
class TurnoverFromWindow : public ReportsDoc
{
protected:
    void SetUp() override
    {
        ReportsDoc::SetUp();
        writeDemo(copy.path(), 2, 12);
    }
    QStringList paidTables() const
    {
        return QDir(copy.file(QStringLiteral("var/archives")))
                .entryList({QStringLiteral("a*")}, QDir::Files);
    }
    long zCounter() const
    {
        TCounter counter(copy.path(), QStringLiteral("counter.dat"));
        return counter.get(QStringLiteral("zcounter"));
    }
    QStringList closedTables() const
    {
        return QDir(copy.file(QStringLiteral("var/statist/tag05.12.2026")))
                .entryList({QStringLiteral("a*")}, QDir::Files);
    }
    void chooseDay(ModalDriver &driver)
    {
        driver.then([this](QDialog *dialog) {
            auto *turnover = static_cast<TTurnOverDlg *>(dialog);
            EXPECT_EQ(nullptr, turnover->waiter());
            turnover->m_Date->setDate(Today);
            screenshot(turnover, "turnover.png");
            turnover->accept();
        });
    }
    TestDir copy;
};

TEST_F(TurnoverFromWindow, ClosesTheDayAfterTheOpenTablesQuestion)
{
    TPaidTablesDoc *doc = open(copy.path());
    const QStringList paid = paidTables();
    const long z = zCounter();
    ASSERT_FALSE(paid.isEmpty());

    ModalDriver driver;
    chooseDay(driver);
    driver.answer(QMessageBox::Yes);
    driver.answer(QMessageBox::Ok);
    doc->onTurnOver();

    EXPECT_EQ(QStringList {QStringLiteral("TTurnOverDlg")}, driver.dialogs);
    ASSERT_EQ(2, driver.boxes.size()) << driver.boxes.join('\n').toStdString();
    // the question names the open tables, the result the day, Z and bills
    EXPECT_TRUE(driver.boxes[0].startsWith(
            QStringLiteral("Warning: There still are open tables! Do you want to continue?\n\n"
                           "table ")))
            << driver.boxes[0].toStdString();
    EXPECT_TRUE(driver.boxes[1].startsWith(
            QStringLiteral("Success: The day %1 is closed.")
                    .arg(QLocale().toString(Today, QLocale::LongFormat))))
            << driver.boxes[1].toStdString();
    EXPECT_TRUE(driver.boxes[1].contains(QStringLiteral("\nBills: %1\n").arg(paid.size())))
            << driver.boxes[1].toStdString();
    EXPECT_TRUE(paidTables().isEmpty());
    EXPECT_EQ(paid.size(), closedTables().size());
    EXPECT_EQ(z + 1, zCounter());
}

TEST_F(TurnoverFromWindow, NoToTheOpenTablesQuestionClosesNothing)
{
    TPaidTablesDoc *doc = open(copy.path());
    const QStringList paid = paidTables();
    const long z = zCounter();

    ModalDriver driver;
    chooseDay(driver);
    // No leaves the dialog open for another choice; the manager cancels it
    driver.then([](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        ASSERT_NE(nullptr, box);
        QPointer<QDialog> under = qobject_cast<QDialog *>(box->parentWidget()->window());
        box->button(QMessageBox::No)->click();
        QTimer::singleShot(0, [under] {
            if (under)
                under->reject();
        });
    });
    doc->onTurnOver();

    EXPECT_EQ(1, driver.boxes.size());
    EXPECT_EQ(paid, paidTables());
    EXPECT_TRUE(closedTables().isEmpty());
    EXPECT_EQ(z, zCounter());
}

TEST_F(TurnoverFromWindow, CancelledDialogClosesNothing)
{
    TPaidTablesDoc *doc = open(copy.path());
    const QStringList paid = paidTables();
    ModalDriver driver; // rejects the dialog
    doc->onTurnOver();
    EXPECT_EQ(QStringList {QStringLiteral("TTurnOverDlg")}, driver.dialogs);
    EXPECT_TRUE(driver.boxes.isEmpty());
    EXPECT_EQ(paid, paidTables());
}

// An external walk report served by a stand-in "./walk.exe".
class WalkReport : public ReportsDoc
{
protected:
    void SetUp() override
    {
        ReportsDoc::SetUp();
        writeDemo(inst.path(), 1, 6);
        inst.write(QStringLiteral("etc/walk.ini"), "[reports]\r\n"
                                                   "12=Sales per hour\r\n"
                                                   "14=Covers per waiter\r\n"
                                                   "[group1]\r\n"
                                                   "caption=Service\r\n"
                                                   "group=14\r\n");
        // writes its arguments into the file it is given
        inst.write(QStringLiteral("walk.exe"), "#!/bin/sh\n"
                                               "for a in \"$@\"; do\n"
                                               "  case \"$a\" in file=*) out=\"${a#file=}\";; "
                                               "esac\n"
                                               "done\n"
                                               "{ echo \"Walk report\"; for a in \"$@\"; do echo "
                                               "\"$a\"; done; } > \"$out\"\n");
        QFile::setPermissions(inst.file(QStringLiteral("walk.exe")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
    }
    TestDir inst;
};

TEST_F(WalkReport, RunsFromTheReportBoxAndShowsItsFile)
{
    TPaidTablesDoc *doc = open(inst.path());
    EXPECT_NE(-1, doc->reportSelector()->findId(512));
    EXPECT_NE(-1, doc->reportSelector()->findId(514));
    EXPECT_TRUE(doc->groupSelector()->isVisible());

    runWithF5(doc, 512);

    const QStringList lines = doc->viewText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(QStringLiteral("Walk report"), lines.first());
    EXPECT_TRUE(lines.contains(QStringLiteral("walkid=12")));
    EXPECT_TRUE(lines.contains(QStringLiteral("opentabs=0")));
    // the current day: from and to are the business day
    const int from = int(lines.indexOf(QRegularExpression(QStringLiteral("^from=\\d{8}$"))));
    ASSERT_NE(-1, from);
    EXPECT_TRUE(lines.contains(QStringLiteral("to=") + lines.at(from).mid(5)));
    // the report file is read once and removed
    EXPECT_TRUE(QDir(inst.file(QStringLiteral("var/reports")))
                        .entryList({QStringLiteral("walkreport-*")})
                        .isEmpty());
}

TEST_F(WalkReport, GroupNarrowsTheWalkReports)
{
    TPaidTablesDoc *doc = open(inst.path());
    QtWidgets::TComboBox *groups = doc->groupSelector();
    ASSERT_EQ(2, groups->count());
    doc->fillWalkGroupsBox(1);
    EXPECT_EQ(-1, doc->reportSelector()->findId(512));
    EXPECT_NE(-1, doc->reportSelector()->findId(514));
    EXPECT_NE(-1, doc->reportSelector()->findId(7));
    doc->fillWalkGroupsBox(0);
    EXPECT_NE(-1, doc->reportSelector()->findId(512));
}

TEST_F(WalkReport, WithoutCatalogueNoGroups)
{
    QFile::remove(inst.file(QStringLiteral("etc/walk.ini")));
    TPaidTablesDoc *doc = open(inst.path());
    EXPECT_FALSE(doc->groupSelector()->isVisible());
    EXPECT_EQ(-1, doc->reportSelector()->findId(512));
}

} // namespace

// Bills the closing had to leave behind are listed in a warning, not
// passed over with "Success".
TEST_F(TurnoverFromWindow, BillsLeftBehindAreListedInAWarning)
{
    TPaidTablesDoc *doc = open(copy.path());
    const QStringList paid = paidTables();
    ASSERT_FALSE(paid.isEmpty());
    QFile cut(copy.file(QStringLiteral("var/archives/") + paid.first()));
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cut.resize(cut.size() - 3));
    cut.close();

    ModalDriver driver;
    chooseDay(driver);
    driver.answer(QMessageBox::Yes);
    driver.then([](QDialog *box) {
        screenshot(box, "turnover-left-behind.png");
        box->accept();
    });
    doc->onTurnOver();

    ASSERT_EQ(2, driver.boxes.size());
    const QString warning = driver.boxes.at(1);
    EXPECT_TRUE(warning.startsWith(QStringLiteral("Warning: The day %1 is closed.")
                                           .arg(QLocale().toString(Today, QLocale::LongFormat))))
            << qPrintable(warning);
    EXPECT_TRUE(warning.contains(QStringLiteral("1 bill(s) were left behind in var/archives:\n  ")
                                 + paid.first() + QStringLiteral(": damaged")))
            << qPrintable(warning);
    EXPECT_EQ(QStringList(paid.first()), paidTables());
    EXPECT_EQ(paid.size() - 1, closedTables().size());
}
