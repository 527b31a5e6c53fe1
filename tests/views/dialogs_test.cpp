// The small dialogs around the reports document.

#include "tcombobox.h"
#include "trepprogress.h"
#include "tselectrepdlg.h"
#include "tturnoverdlg.h"
#include "tvalue.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
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
