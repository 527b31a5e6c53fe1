// The host window in daily use: the first start without an installation,
// a tool row that wraps instead of cutting, list columns as wide as their
// texts, and dates and numbers in the window's language.

#include "cutoff.h"
#include "modaldriver.h"
#include "testdir.h"
#include "tfirststartdlg.h"
#include "tflowlayout.h"
#include "tlocaltext.h"
#include "toffhelp.h"
#include "tofflistview.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// An installation as far as the first start looks: its settings list.
void makeInstallation(const QString &root)
{
    QDir().mkpath(QDir(root).filePath(QStringLiteral("usr/data")));
    QFile settings(QDir(root).filePath(QStringLiteral("usr/data/settings.dat")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("x");
}

TEST(FirstStart, TheWorkingFolderThenTheRememberedOne)
{
    TestDir dir;
    const QString empty = dir.file(QStringLiteral("empty"));
    const QString chosen = dir.file(QStringLiteral("chosen"));
    QDir().mkpath(empty);
    makeInstallation(chosen);
    EXPECT_FALSE(TFirstStartDlg::isInstallation(empty));
    EXPECT_TRUE(TFirstStartDlg::isInstallation(chosen));
    // started in an installation: that one, whatever was chosen before
    EXPECT_EQ(chosen, TFirstStartDlg::startFolder(chosen, empty));
    // started elsewhere: the one chosen before, while it is one
    EXPECT_EQ(chosen, TFirstStartDlg::startFolder(empty, chosen));
    EXPECT_EQ(empty, TFirstStartDlg::startFolder(empty, dir.file(QStringLiteral("gone"))));
    EXPECT_EQ(empty, TFirstStartDlg::startFolder(empty, QString()));
}

// In an empty folder the window says where it looked; a folder without an
// installation is refused with the reason, one with an installation is
// taken.
TEST(FirstStart, SaysWhereItLookedAndTakesOnlyAnInstallation)
{
    QLocale::setDefault(QLocale(QLocale::English));
    TestDir dir;
    const QString empty = dir.file(QStringLiteral("empty"));
    const QString other = dir.file(QStringLiteral("other"));
    const QString chosen = dir.file(QStringLiteral("chosen"));
    QDir().mkpath(empty);
    QDir().mkpath(other);
    makeInstallation(chosen);

    TFirstStartDlg dialog(empty);
    EXPECT_TRUE(dialog.message()->text().contains(QDir::toNativeSeparators(empty)));
    EXPECT_TRUE(dialog.message()->text().contains(QStringLiteral("usr/data/settings.dat")));
    QStringList answers {other, chosen};
    dialog.setFolderAsk([&answers](QWidget *, const QString &) { return answers.takeFirst(); });
    ModalDriver driver;
    dialog.chooseButton()->click();
    ASSERT_EQ(1, driver.boxes.size());
    EXPECT_TRUE(driver.boxes.first().contains(QDir::toNativeSeparators(other)));
    EXPECT_EQ(QString(), dialog.folder());
    EXPECT_NE(QDialog::Accepted, dialog.result());

    dialog.chooseButton()->click();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QDir(chosen).absolutePath(), dialog.folder());

    // a folder that is not there is named so
    TFirstStartDlg missing(dir.file(QStringLiteral("nowhere")));
    EXPECT_TRUE(missing.message()->text().contains(QStringLiteral("does not exist")));
}

// A demo goes into an empty folder, or into "veltrum-demo" in one with
// files; a demo made before is opened as it is; a failed demo says why.
TEST(FirstStart, ADemoIsWrittenWhereNothingIsOverwritten)
{
    TestDir dir;
    const QString full = dir.file(QStringLiteral("full"));
    QDir().mkpath(full);
    dir.write(QStringLiteral("full/letter.txt"), "mine");
    QStringList written;
    auto writer = [&written](const QString &folder, QString *error) {
        if (folder.contains(QStringLiteral("readonly"))) {
            *error = QStringLiteral("Permission denied");
            return false;
        }
        written << folder;
        makeInstallation(folder);
        return true;
    };

    TFirstStartDlg dialog(dir.path());
    dialog.setDemoWriter(writer);
    dialog.setFolderAsk([&full](QWidget *, const QString &) { return full; });
    dialog.demoButton()->click();
    const QString demo = QDir(full).filePath(QStringLiteral("veltrum-demo"));
    EXPECT_EQ(QStringList {demo}, written);
    EXPECT_EQ(QDir(demo).absolutePath(), dialog.folder());
    EXPECT_EQ(QStringLiteral("mine"),
              QString::fromUtf8(dir.read(QStringLiteral("full/letter.txt"))));

    // the same folder again: the demo there is opened, not written again
    TFirstStartDlg again(dir.path());
    again.setDemoWriter(writer);
    again.setFolderAsk([&full](QWidget *, const QString &) { return full; });
    again.demoButton()->click();
    EXPECT_EQ(1, written.size());
    EXPECT_EQ(QDir(demo).absolutePath(), again.folder());

    const QString readOnly = dir.file(QStringLiteral("readonly"));
    QDir().mkpath(readOnly);
    TFirstStartDlg failing(dir.path());
    failing.setDemoWriter(writer);
    failing.setFolderAsk([&readOnly](QWidget *, const QString &) { return readOnly; });
    ModalDriver driver;
    failing.demoButton()->click();
    ASSERT_EQ(1, driver.boxes.size());
    EXPECT_TRUE(driver.boxes.first().contains(QStringLiteral("Permission denied")));
    EXPECT_EQ(QString(), failing.folder());
}

TEST(FirstStart, HowToOpensTheManualAtItsSection)
{
    qputenv("VELTRUM_MANUAL_DIR", VELTRUM_MANUAL_SOURCE);
    TestDir dir;
    TFirstStartDlg dialog(dir.path());
    dialog.show();
    dialog.manualButton()->click();
    ASSERT_NE(nullptr, TOffHelp::window());
    EXPECT_EQ(QStringLiteral("firststart"), TOffHelp::window()->shownUrl().fragment());
    delete TOffHelp::window();
    qunsetenv("VELTRUM_MANUAL_DIR");
}

// The tool row goes on in a second line where the first is full; a label
// stays with the field it names.
TEST(FlowLayout, WrapsAndKeepsALabelWithItsField)
{
    QWidget row;
    auto *layout = new QtWidgets::TFlowLayout(&row);
    layout->setContentsMargins(0, 0, 0, 0);
    QList<QPushButton *> buttons;
    for (int i = 0; i < 3; ++i) {
        buttons << new QPushButton(QStringLiteral("Button number %1").arg(i));
        layout->addWidget(buttons.last());
    }
    auto *label = new QLabel(QStringLiteral("Report:"));
    auto *field = new QPushButton(QStringLiteral("A long field"));
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);

    const int wide = layout->sizeHint().width();
    EXPECT_EQ(1, layout->lineCount(wide));
    row.resize(wide, layout->heightForWidth(wide));
    row.show();
    QApplication::processEvents();
    EXPECT_EQ(buttons.first()->y(), field->y());

    // narrower than the row: more lines, none wider than the room, and the
    // label where its field is
    const int narrow = buttons.first()->sizeHint().width() + label->sizeHint().width()
                       + field->sizeHint().width() + 20;
    EXPECT_GT(layout->lineCount(narrow), 1);
    row.resize(narrow, layout->heightForWidth(narrow));
    QApplication::processEvents();
    for (QWidget *w : row.findChildren<QWidget *>())
        EXPECT_LE(w->geometry().right(), narrow) << w->metaObject()->className();
    EXPECT_EQ(label->y() + label->height() / 2, field->y() + field->height() / 2);
    EXPECT_LT(label->x(), field->x());
    EXPECT_GE(layout->heightForWidth(narrow), 2 * buttons.first()->sizeHint().height());
    // never narrower than the widest label with its field
    EXPECT_GE(layout->minimumSize().width(), label->sizeHint().width() + field->sizeHint().width());
}

// Columns as wide as their texts once the rows are there; a cell made
// narrower shows its whole text as tool tip.
TEST(ListView, ColumnsFitTheirTextsAndANarrowCellTellsItsText)
{
    TOffListView list;
    list.addColumn(QStringLiteral("Waiter"));
    list.addColumn(QStringLiteral("Duration"));
    auto *row = new QTreeWidgetItem(&list);
    row->setText(0, QStringLiteral("A waiter with a really rather long name"));
    row->setText(1, QStringLiteral("  82 hours 33 minutes"));
    auto *child = new QTreeWidgetItem(row);
    child->setText(0, QStringLiteral("An even longer text of a row one level deeper"));
    row->setExpanded(true);
    list.resize(300, 200);
    list.show();
    QApplication::processEvents(); // the columns are fitted after the event
    for (QTreeWidgetItem *item : {row, child})
        for (int column = 0; column < 2; ++column) {
            const QModelIndex index = list.indexFromItem(item, column);
            EXPECT_LE(list.cellWidthNeeded(index), list.visualRect(index).width())
                    << item->text(column).toStdString();
        }
    // a text that changes is fitted again
    row->setText(1, QStringLiteral("1234 hours 59 minutes and then some more"));
    QApplication::processEvents();
    const QModelIndex longer = list.indexFromItem(row, 1);
    EXPECT_LE(list.cellWidthNeeded(longer), list.visualRect(longer).width());

    list.setColumnWidth(1, 30);
    EXPECT_GT(list.cellWidthNeeded(longer), list.visualRect(longer).width());
}

TEST(LocalText, DatesAndNumbersFollowTheWindowsLanguage)
{
    const QDate day(2026, 12, 5);
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(QStringLiteral("05.12.2026"), Basics::dateText(day));
    EXPECT_EQ(QStringLiteral("Samstag, 5. Dezember 2026"), Basics::longDateText(day));
    EXPECT_EQ(QStringLiteral("1.234"), Basics::numberText(1234));
    EXPECT_EQ(QStringLiteral("dd.MM.yyyy"), Basics::typedDatePattern());
    QLocale::setDefault(QLocale(QLocale::English));
    // day before month, the month by name: no 12 April for a 4 December
    EXPECT_EQ(QStringLiteral("4 Dec 2026"), Basics::dateText(QDate(2026, 12, 4)));
    EXPECT_EQ(QStringLiteral("Saturday, 5 December 2026"), Basics::longDateText(day));
    EXPECT_EQ(QStringLiteral("1,234"), Basics::numberText(1234));
    EXPECT_EQ(QStringLiteral("5 Dec 2026 21:05"),
              Basics::dateTimeText(QDateTime(day, QTime(21, 5))));
    EXPECT_EQ(QString(), Basics::dateText(QDate()));
}

} // namespace

// The measure the window tests use finds what is cut, and only that.
TEST(CutOff, FindsTextsTooWideForTheirWidgets)
{
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Without trainee waiters"), &window);
    auto *label = new QLabel(QStringLiteral("Pricefinding per cost center"), &window);
    auto *fine = new QPushButton(QStringLiteral("OK"), &window);
    button->setGeometry(0, 0, 40, 30);
    label->setGeometry(0, 40, 50, 20);
    fine->setGeometry(0, 70, 200, 30);
    window.resize(300, 200);
    window.show();
    const QStringList found = cutoff::cutOffTexts(&window);
    ASSERT_EQ(2, found.size()) << found.join('\n').toStdString();
    EXPECT_TRUE(found.at(0).contains(QStringLiteral("Without trainee waiters"))
                || found.at(1).contains(QStringLiteral("Without trainee waiters")));
    EXPECT_TRUE(found.join(' ').contains(QStringLiteral("Pricefinding per cost center")));

    button->setGeometry(0, 0, button->sizeHint().width(), 30);
    label->setGeometry(0, 40, label->sizeHint().width(), 20);
    EXPECT_EQ(QStringList(), cutoff::cutOffTexts(&window));
}
