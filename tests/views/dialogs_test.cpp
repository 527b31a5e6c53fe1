// The small dialogs around the reports document.

#include "tcombobox.h"
#include "toffhelp.h"
#include "trepprogress.h"
#include "tselectrepdlg.h"
#include "tsumbatchdlg.h"
#include "tsumfilter.h"
#include "tsumfilterdlg.h"
#include "tsumfilteritem.h"
#include "tsumfilterlistdlg.h"
#include "tsumfiltertest.h"
#include "tturnoverdlg.h"
#include "tvalue.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(RepProgress, StepsDateAndAnEmptyRun)
{
    TRepProgress progress;
    EXPECT_EQ(QStringLiteral("trepprogress"), progress.objectName());
    progress.setSteps(200);
    progress.setStep(50);
    EXPECT_EQ(200, progress.m_Progress->maximum());
    EXPECT_EQ(50, progress.m_Progress->value());
    progress.setDate(QDate(2026, 12, 3));
    EXPECT_EQ(QDate(2026, 12, 3), progress.m_Date->date());

    // no steps: an empty bar at 0, not a busy one
    progress.setSteps(0);
    EXPECT_EQ(0, progress.m_Progress->value());
    EXPECT_LT(progress.m_Progress->minimum(), progress.m_Progress->maximum());
}

TEST(RepProgress, CancelAsksToStopAndKeepsTheDialogUp)
{
    TRepProgress progress;
    progress.show();
    QSignalSpy cancelled(&progress, &TRepProgress::cancelled);
    progress.b_Cancel->click();
    EXPECT_EQ(1, cancelled.count());
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(progress.isCancelled());
    // Escape and closing the window ask the same
    QTest::keyClick(&progress, Qt::Key_Escape);
    progress.close();
    EXPECT_EQ(3, cancelled.count());
    EXPECT_TRUE(progress.isVisible());

    progress.finish();
    EXPECT_FALSE(progress.isVisible());
}

TEST(SelectRepDlg, IdentifiersSelectTheirButtons)
{
    TSelectRepDlg dialog;
    EXPECT_EQ(QStringLiteral("Select new report..."), dialog.windowTitle());
    EXPECT_EQ(0, dialog.report());
    dialog.setReport(24);
    EXPECT_EQ(24, dialog.report());
    EXPECT_EQ(QStringLiteral("&k) Voids per waiter"), dialog.m_Report->checkedButton()->text());
    dialog.setReport(25);
    EXPECT_EQ(static_cast<QAbstractButton *>(dialog.m_Tables), dialog.m_Report->checkedButton());
    // an unknown identifier changes nothing
    dialog.setReport(99);
    EXPECT_EQ(25, dialog.report());

    EXPECT_EQ(14, TSelectRepDlg::reportKindOf(24));
    EXPECT_EQ(3, TSelectRepDlg::reportKindOf(25));
    EXPECT_EQ(1, TSelectRepDlg::reportKindOf(0));
    EXPECT_EQ(0, TSelectRepDlg::reportKindOf(99));
}

class TurnOverDlg : public ::testing::Test
{
protected:
    TurnOverDlg()
    {
        for (auto [id, name] : {std::pair {3, "Anna"}, std::pair {12, "Bruno"}}) {
            auto *waiter = new Basics::TValue;
            waiter->setId(id);
            waiter->setName(QLatin1String(name));
            waiters.insert(waiter);
        }
    }
    Basics::TValueList waiters;
};

TEST_F(TurnOverDlg, WaiterBoxStartsWithNotSpecified)
{
    TTurnOverDlg dialog(&waiters, QDate(2026, 12, 5));
    EXPECT_EQ(QStringLiteral("Turnover settings"), dialog.windowTitle());
    ASSERT_EQ(3, dialog.m_Waiter->count());
    EXPECT_EQ(QStringLiteral("Not specified"), dialog.m_Waiter->itemText(0));
    EXPECT_EQ(QStringLiteral(" 3)  Anna"), dialog.m_Waiter->itemText(1));
    EXPECT_EQ(nullptr, dialog.waiter());
    dialog.m_Waiter->setCurrentIndex(2);
    ASSERT_NE(nullptr, dialog.waiter());
    EXPECT_EQ(12, dialog.waiter()->id());
    EXPECT_EQ(QDate(2026, 12, 5), dialog.date());

    TTurnOverDlg withoutList(nullptr, QDate(2026, 12, 5));
    EXPECT_EQ(1, withoutList.m_Waiter->count());
    EXPECT_EQ(nullptr, withoutList.waiter());
}

TEST_F(TurnOverDlg, PickerUnderTheDateFieldSetsTheDate)
{
    TTurnOverDlg dialog(&waiters, QDate(2026, 12, 5));
    dialog.show();
    dialog.b_Date->click();
    QCalendarWidget *picker = dialog.datePicker();
    ASSERT_NE(nullptr, picker);
    EXPECT_TRUE(picker->isVisible());
    emit picker->clicked(QDate(2026, 12, 1));
    EXPECT_EQ(QDate(2026, 12, 1), dialog.date());
    QCoreApplication::processEvents();
    EXPECT_EQ(nullptr, dialog.datePicker());

    dialog.b_Date->click();
    ASSERT_NE(nullptr, dialog.datePicker());
    emit dialog.datePicker()->activated(QDate(2026, 11, 30));
    EXPECT_EQ(QDate(2026, 11, 30), dialog.date());
}

} // namespace

// Each dialog's Help opens the user manual at the dialog's section, in the
// language shown; every section the program names is in both manuals.
class DialogHelp : public ::testing::Test
{
protected:
    void SetUp() override { qputenv("VELTRUM_MANUAL_DIR", VELTRUM_MANUAL_SOURCE); }
    void TearDown() override
    {
        if (TOffHelp *help = TOffHelp::window())
            delete help;
        qunsetenv("VELTRUM_MANUAL_DIR");
    }
    // The section the help window shows after the click.
    static QString sectionAfter(QAbstractButton *help)
    {
        help->click();
        TOffHelp *window = TOffHelp::window();
        if (!window || !window->isVisible())
            return QStringLiteral("(no help window)");
        return window->shownUrl().fragment();
    }
};

TEST_F(DialogHelp, EachDialogsHelpOpensItsSection)
{
    PosLib::TSumFilter filter;
    TSumFilterDlg filterDialog(nullptr, nullptr, false);
    EXPECT_EQ(QStringLiteral("filter"), sectionAfter(filterDialog.buttonHelp));
    TSumFilterItem item;
    EXPECT_EQ(QStringLiteral("filteritem"), sectionAfter(item.buttonHelp));
    TSumFilterListDlg range(nullptr, QStringLiteral("Select waiters"), QStringLiteral("waiter"), 0);
    EXPECT_EQ(QStringLiteral("filterrange"), sectionAfter(range.buttonHelp));
    TSumFilterTest test(filter, nullptr);
    EXPECT_EQ(QStringLiteral("filtertest"), sectionAfter(test.buttonHelp));
    TSumBatchDlg batch(nullptr, nullptr, false);
    EXPECT_EQ(QStringLiteral("batch"), sectionAfter(batch.buttonHelp));
    TTurnOverDlg turnover(nullptr, QDate(2026, 12, 5));
    EXPECT_EQ(QStringLiteral("turnover"), sectionAfter(turnover.b_Help));
    TSelectRepDlg select;
    EXPECT_EQ(QStringLiteral("newreport"),
              sectionAfter(select.findChild<QPushButton *>(QStringLiteral("b_Help"))));
    // the page shown is the English manual's
    EXPECT_TRUE(TOffHelp::window()->shownUrl().path().endsWith(QStringLiteral("/en/index.html")))
            << TOffHelp::window()->shownUrl().toString().toStdString();
    EXPECT_TRUE(TOffHelp::window()->browser()->toPlainText().contains(
            QStringLiteral("Choosing a new report")));
}

TEST_F(DialogHelp, EverySectionTheProgramNamesIsInBothManuals)
{
    const QStringList sections {QStringLiteral("firststart"),
                                QStringLiteral("overview"),
                                QStringLiteral("reports"),
                                QStringLiteral("keys"),
                                QStringLiteral("journal"),
                                QStringLiteral("newreport"),
                                QStringLiteral("pdf"),
                                QStringLiteral("range"),
                                QStringLiteral("reporting_opentables"),
                                QStringLiteral("reporting_timecontrol"),
                                QStringLiteral("exceptions"),
                                QStringLiteral("closings"),
                                QStringLiteral("turnover"),
                                QStringLiteral("filters"),
                                QStringLiteral("filter"),
                                QStringLiteral("filteritem"),
                                QStringLiteral("filterrange"),
                                QStringLiteral("filtertest"),
                                QStringLiteral("batches"),
                                QStringLiteral("batch"),
                                QStringLiteral("options"),
                                QStringLiteral("access"),
                                QStringLiteral("language")};
    for (const char *language : {"en", "de"}) {
        const QUrl url
                = TOffHelp::topicUrl(QStringLiteral("veltrum.html#batch"), QLatin1String(language));
        ASSERT_TRUE(url.isValid()) << language;
        EXPECT_EQ(QStringLiteral("batch"), url.fragment());
        QFile page(url.toLocalFile());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << url.toLocalFile().toStdString();
        const QString html = QString::fromUtf8(page.readAll());
        for (const QString &section : sections)
            EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(section)))
                    << language << ": " << section.toStdString();
    }
    // a topic without a section opens the start of the manual, in German too
    EXPECT_TRUE(TOffHelp::topicUrl(QStringLiteral("index.html"), QStringLiteral("de"))
                        .toLocalFile()
                        .endsWith(QStringLiteral("/de/index.html")));
    EXPECT_EQ(QString(),
              TOffHelp::topicUrl(QStringLiteral("index.html"), QStringLiteral("de")).fragment());
}
