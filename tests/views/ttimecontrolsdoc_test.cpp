#include "viewstest.h"

#include "modaldriver.h"

#include "tcombobox.h"
#include "tdatepicker.h"
#include "tofflistview.h"
#include "ttimecontrols.h"
#include "ttimecontrolsdoc.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QToolButton>

using namespace viewstest;

namespace {

class TimeControlsDoc : public DemoWindow
{
protected:
    void SetUp() override
    {
        // dates as the English window writes them
        QLocale::setDefault(QLocale(QLocale::English));
        DemoWindow::SetUp();
        doc = open<TTimeControlsDoc>();
        doc->setNow(QDateTime(Today, QTime(22, 0)));
        list = doc->listView();
        ASSERT_NE(nullptr, list);
        ASSERT_NE(nullptr, doc->fromBox());
    }

    void writeDay(const QDate &day, int waiter, const QString &time)
    {
        smalldemo::writeTimeControls(dir.path(), day, waiter, time);
    }

    // Sets both bounds (an invalid date switches its box off) and presses
    // the refresh button.
    void show(const QDate &from, const QDate &to)
    {
        doc->fromBox()->setChecked(from.isValid());
        if (from.isValid())
            doc->fromEdit()->setDate(from);
        doc->toBox()->setChecked(to.isValid());
        if (to.isValid())
            doc->toEdit()->setDate(to);
        doc->refreshButton()->click();
    }

    QStringList waiters() const
    {
        QStringList numbers;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            numbers << list->topLevelItem(i)->text(0);
        return numbers;
    }

    TTimeControlsDoc *doc = nullptr;
    TOffListView *list = nullptr;
};

TEST_F(TimeControlsDoc, APeriodPastMidnightCountsFourHours)
{
    const QDate day(2026, 11, 20);
    writeDay(day, 1, QStringLiteral("22:00:00#02:00:00"));
    show(day, day);

    ASSERT_EQ(QStringList({QStringLiteral("1")}), waiters());
    QTreeWidgetItem *anna = list->topLevelItem(0);
    EXPECT_EQ(QStringLiteral("Anna"), anna->text(1));
    EXPECT_EQ(QStringLiteral("   4 hours  0 minutes"), anna->text(2));
    ASSERT_EQ(1, anna->childCount());
    QTreeWidgetItem *period = anna->child(0);
    EXPECT_EQ(QStringList({QStringLiteral("20 Nov 2026"), QString(),
                           QStringLiteral("   4 hours  0 minutes"), QStringLiteral("22:00"),
                           QStringLiteral("02:00")}),
              QStringList({period->text(0), period->text(1), period->text(2), period->text(3),
                           period->text(4)}));
}

TEST_F(TimeControlsDoc, OpensOnTodayAndRestrictsToOneWaiterAndToARange)
{
    // the document starts on today's periods
    EXPECT_EQ(QDate::currentDate(), doc->fromDate());
    EXPECT_EQ(QDate::currentDate(), doc->toDate());
    show(Today, Today);
    const QStringList today = waiters();
    EXPECT_FALSE(today.isEmpty());

    // every day: each waiter once, in number order, with periods of
    // several days
    show(QDate(), QDate());
    const QStringList all = waiters();
    ASSERT_GE(all.size(), today.size());
    QStringList sorted = all;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    EXPECT_EQ(sorted, all);
    QTreeWidgetItem *anna = list->topLevelItem(0);
    QSet<QString> days;
    for (int i = 0; i < anna->childCount(); ++i)
        days.insert(anna->child(i)->text(0));
    EXPECT_EQ(3, days.size()); // the two closed days and today
    anna->setExpanded(true);
    list->topLevelItem(1)->setExpanded(true);
    for (int column = 0; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
    screenshot(window.get(), "timecontrols.png");

    // one waiter, chosen in the box
    QtWidgets::TComboBox *box = doc->waiterBox();
    ASSERT_EQ(QStringLiteral("Show all"), box->itemText(0).section(QStringLiteral(")  "), 1));
    ASSERT_TRUE(box->setCurrentId(3));
    doc->refreshButton()->click();
    EXPECT_EQ(3, doc->waiterRestriction());
    EXPECT_EQ(QStringList({QStringLiteral("3")}), waiters());

    // and one day of it: only that day's periods
    const QDate yesterday = Today.addDays(-1);
    show(yesterday, yesterday);
    ASSERT_EQ(1, list->topLevelItemCount());
    QTreeWidgetItem *clara = list->topLevelItem(0);
    ASSERT_GT(clara->childCount(), 0);
    for (int i = 0; i < clara->childCount(); ++i)
        EXPECT_EQ(yesterday.toString(QStringLiteral("d MMM yyyy")), clara->child(i)->text(0));

    // "Show all" lifts the restriction; return in the box refreshes
    box->setCurrentId(0);
    emit box->lineEdit()->returnPressed();
    EXPECT_EQ(0, doc->waiterRestriction());
    EXPECT_GT(list->topLevelItemCount(), 1);
}

TEST_F(TimeControlsDoc, ABoundSwitchedOffIsNoBoundAndComesBackAsItWas)
{
    const QDate day(2026, 12, 1);
    doc->fromEdit()->setDate(day);
    EXPECT_EQ(day, doc->fromDate());

    doc->fromBox()->setChecked(false);
    EXPECT_FALSE(doc->fromDate().isValid());
    EXPECT_FALSE(doc->fromEdit()->isEnabled());
    EXPECT_TRUE(doc->fromEdit()->lineEdit()->text().isEmpty());

    doc->fromBox()->setChecked(true);
    EXPECT_EQ(day, doc->fromDate());
    EXPECT_EQ(day, doc->fromEdit()->date());

    // the tool row is built anew on every selection, with the same state
    doc->toBox()->setChecked(false);
    window->showDocument(nullptr);
    window->showDocument(doc);
    EXPECT_TRUE(doc->fromBox()->isChecked());
    EXPECT_EQ(day, doc->fromEdit()->date());
    EXPECT_FALSE(doc->toBox()->isChecked());
    EXPECT_FALSE(doc->toEdit()->isEnabled());
}

TEST_F(TimeControlsDoc, ColumnsSortByNumberAndByDuration)
{
    const QDate day(2026, 11, 20);
    PosLib::TTimeControls controls(day);
    const QList<QPair<int, const char *>> records
            = {{10, "08:00:00#09:00:00"}, {2, "08:00:00#18:00:00"}, {9, "08:00:00#08:30:00"}};
    for (const auto &r : records) {
        auto *record = new Basics::TValue;
        record->setId(r.first);
        record->setString(QStringLiteral("time"), QString::fromLatin1(r.second));
        controls.insert(record);
    }
    controls.save(dir.path());
    show(day, day);
    EXPECT_EQ(QStringList({QStringLiteral("2"), QStringLiteral("9"), QStringLiteral("10")}),
              waiters());
    list->sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(QStringList({QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("2")}),
              waiters());
}

TEST_F(TimeControlsDoc, MissingFolderIsAnEmptyListAndAnUnreadableDayABox)
{
    ModalDriver driver;
    QDir(dir.file(QStringLiteral("var/control"))).removeRecursively();
    show(QDate(), QDate());
    EXPECT_EQ(0, list->topLevelItemCount());
    EXPECT_FALSE(window->statusText().contains(QStringLiteral("not found")));

    // a day file cut short cannot be read
    writeDay(Today, 1, QStringLiteral("08:00:00#"));
    QFile file(dir.file(QStringLiteral("var/control/20261205")));
    ASSERT_TRUE(file.resize(file.size() - 1));
    show(QDate(), QDate());
    EXPECT_EQ(QStringList({QStringLiteral("Fatal error: Could not load time controls")}),
              driver.boxes);
    EXPECT_EQ(0, list->topLevelItemCount());
}

} // namespace

// A date typed into a bound counts without Enter: when the field is left,
// and when F5 reads the list again while the field still has the focus.
TEST_F(TimeControlsDoc, TypedDatesCountOnLeavingTheFieldAndOnF5)
{
    const QDate first(2026, 11, 20);
    const QDate second(2026, 11, 21);
    writeDay(first, 1, QStringLiteral("10:00:00#12:00:00"));
    writeDay(second, 2, QStringLiteral("10:00:00#12:00:00"));
    show(first, first);
    ASSERT_EQ(QStringList({QStringLiteral("1")}), waiters());

    // typed in the to date and left for the list
    QLineEdit *to = doc->toEdit()->lineEdit();
    to->setText(QStringLiteral("21.11.2026"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(to, &leave);
    EXPECT_EQ(second, doc->toDate());

    // typed in the from date, then F5 with the focus still there
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit *from = doc->fromEdit()->lineEdit();
    from->setFocus();
    from->setText(QStringLiteral("21/11/2026"));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_TRUE(QTest::qWaitFor([this] { return waiters() == QStringList {QStringLiteral("2")}; },
                                5000))
            << waiters().join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(second, doc->fromDate());

    // typed key by key: the whole date counts at once
    from->clear();
    QTest::keyClicks(from, QStringLiteral("20.11.2026"));
    EXPECT_EQ(first, doc->fromDate());
}

// Days, durations and numbers in the window's language; the columns as
// wide as their texts.
TEST_F(TimeControlsDoc, DaysInTheWindowsLanguageAndColumnsWideEnough)
{
    const QDate day(2026, 11, 20);
    writeDay(day, 1, QStringLiteral("08:00:00#23:59:00"));
    show(day, day);
    QTreeWidgetItem *anna = list->topLevelItem(0);
    ASSERT_NE(nullptr, anna);
    anna->setExpanded(true);
    list->fitColumns();
    EXPECT_EQ(QStringLiteral("20 Nov 2026"), anna->child(0)->text(0));
    for (QTreeWidgetItem *item : {anna, anna->child(0)})
        for (int column = 0; column < list->columnCount(); ++column) {
            const QModelIndex index = list->indexFromItem(item, column);
            EXPECT_LE(list->cellWidthNeeded(index), list->visualRect(index).width())
                    << column << " " << item->text(column).toStdString();
        }
}
